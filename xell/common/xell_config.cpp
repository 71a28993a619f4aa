// The configuration file: its lexical rules, the key table, the line
// parser, the file lock and the loader.

#include "xell_config_internal.h"
#include "xell_sys.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>

namespace {

// The lock and the state of the load that took it.
std::mutex lock_mutex;
int lock_fd = -1;
xell_config_tables loaded_tables;
std::string loaded_text;

// Adapter lines take records in file order.
int ad_line_count = 0;

// A command waits for the lock at most this long in all, however many
// loads it makes, polling quickly at first; after the first second it says
// that it waits.
constexpr unsigned lock_budget_ms = 60000;
constexpr unsigned lock_notice_ms = 1000;
constexpr unsigned lock_first_poll_ms = 10;
constexpr unsigned lock_poll_ms = 1000;
unsigned lock_waited_ms = 0;
bool lock_notice_given = false;
bool lock_gave_up = false;
// A lock taken on a file that another program's rename had already
// replaced is retried at once on the new file; this bound only guards
// against a path that never settles.
constexpr int lock_stale_retries = 1000;

// Global keys the driver reads at load time; the library only carries them.
constexpr std::string_view driver_tunables[] = {
    "msix-disable", "num-rports",   "num-ios",          "num-tms",           "num-fcxps",
    "num-ufbufs",   "reqq-size",    "rspq-size",        "num-sgpgs",         "ioc-auto-recover",
    "ipfc-disable", "rport-del-timeout", "dma-relaxed-ordering", "pcie-max-read-reqsz",
};

struct named_value {
    std::string_view word;
    int value;
};
constexpr named_value topology_words[] = {{"none", 0}, {"p2p", 5}, {"loop", 2}, {"auto", 4}};
constexpr named_value log_words[] = {{"Critical", 1}, {"Error", 2}, {"Warning", 3}, {"Info", 4}};
constexpr named_value algo_words[] = {{"md5", 1}, {"sha1", 2}, {"ms", 3}, {"sm", 4}};
constexpr named_value ssource_words[] = {{"LOCAL", 1}, {"RADIUS", 2}, {"TACACS", 3}};
constexpr named_value boolean_words[] = {{"FALSE", 0}, {"TRUE", 1}};
constexpr named_value onoff_words[] = {{"off", 0}, {"on", 1}};

std::span<const named_value> words_of(xell_cfg_kind kind)
{
    switch (kind) {
    case xell_cfg_kind::topology: return topology_words;
    case xell_cfg_kind::log: return log_words;
    case xell_cfg_kind::algo: return algo_words;
    case xell_cfg_kind::ssource: return ssource_words;
    case xell_cfg_kind::boolean: return boolean_words;
    case xell_cfg_kind::onoff: return onoff_words;
    default: return {};
    }
}

const named_value *find_word(xell_cfg_kind kind, std::string_view word)
{
    for (const named_value &w : words_of(kind))
        if (w.word == word)
            return &w;
    return nullptr;
}

bool contains(std::string_view text, std::string_view what)
{
    return text.find(what) != std::string_view::npos;
}

int record_count_with_wwn()
{
    return xell_config_ioc_get_num();
}

std::span<char> ioc_text_field(int setting, xell_ioc_config_t &rec)
{
    switch (setting) {
    case XELL_CFG_PWWN: return rec.pwwn;
    case XELL_CFG_MAC: return rec.mac;
    case XELL_CFG_NAME: return rec.name;
    case XELL_CFG_ETHNAME: return rec.ethname;
    case XELL_CFG_AUTH_SSTRING: return std::span<char>(rec.authsstring, XELL_CFG_SECRET_TEXT_MAX + 1);
    default: return {};
    }
}

// Keeps a line the write-back copies as it was read, without its line end.
void carry_line(std::vector<std::string> &lines, std::string_view line)
{
    lines.emplace_back(line);
}

// Carriage returns before the newline are part of the line end.
std::string_view without_line_end(std::string_view line)
{
    while (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    return line;
}

// Stores an adapter setting (0, 1 or 3).
xel_status_t set_ad_data(int type, xell_ad_config_t &rec, std::string_view value)
{
    switch (type) {
    case XELL_CFG_AD_ID:
    case XELL_CFG_AD_NAME:
        if (xell_cfg_text_refused(type, value))
            return XEL_STATUS_EINVAL;
        xell_cfg_flag_set(rec.flags, type);
        xell_cfg_copy_text(type == XELL_CFG_AD_ID ? std::span<char>(rec.id) : std::span<char>(rec.name), value);
        break;
    case XELL_CFG_AD_TRUNK:
        if (const named_value *w = find_word(xell_cfg_kind::boolean, value)) {
            xell_cfg_flag_set(rec.flags, type);
            rec.ad_trunk = w->value != 0;
        } else {
            xell_cfg_flag_clear(rec.flags, type);
        }
        break;
    default:
        break;
    }
    return XEL_STATUS_OK;
}

// False when the line is to be carried: its name is one the record cannot
// hold, or its key names no adapter setting. The key ends at the first
// "=", so a dash in the value never moves the serial number or the key.
bool parse_adapter_line(std::string_view line, std::string_view value)
{
    size_t eq = line.find('=');
    size_t dash1 = line.find('-');
    size_t dash2 = line.find('-', dash1 + 1);
    if (dash2 > eq)
        dash2 = std::string_view::npos;
    std::string_view key;
    if (dash2 != std::string_view::npos)
        key = xell_config_filter_space(line.substr(dash2 + 1, eq - (dash2 + 1)));
    bool name = contains(key, "name");
    bool trunk = contains(key, "trunk");
    // A power line is carried over; one whose key also holds "name" or
    // "trunk" is written back through its record and would come back twice.
    bool power = contains(key, "power") && !name && !trunk;
    if (power)
        carry_line(xell_cfg().kept_lines, line);
    if (ad_line_count >= XELL_CONFIG_MAX_RECORDS)
        return true;
    std::string serial(xell_config_filter_space(line.substr(dash1 + 1, std::min(dash2, eq) - (dash1 + 1))).substr(0, 11));
    int idx = ad_line_count;
    if (xell_config_set_data(XELL_CFG_AD_ID, idx, serial.c_str()) != XEL_STATUS_OK)
        return false;
    std::string v(value);
    bool taken = name || trunk || power;
    if (name)
        taken = xell_config_set_data(XELL_CFG_AD_NAME, idx, v.c_str()) == XEL_STATUS_OK;
    if (trunk)
        xell_config_set_data(XELL_CFG_AD_TRUNK, idx, v.c_str());
    ad_line_count++;
    return taken;
}

// True when the line is one of the keys of its scope.
bool parse_record_line(std::string_view line, std::string_view value, unsigned scope)
{
    size_t dash = line.find('-');
    size_t eq = line.find('=', dash + 1);
    if (eq == std::string_view::npos)
        return false;
    std::string_view key = xell_config_filter_space(line.substr(dash + 1, eq - (dash + 1)));
    // The write-back has no "port-mtu" line of its own; the line is carried
    // over, whatever record it names.
    bool mtu = scope == XELL_CFG_SCOPE_E && key == xell_cfg_settings[XELL_CFG_MTU].key;
    if (mtu)
        carry_line(xell_cfg().kept_lines, line);
    int n = xell_config_get_num(xell_config_filter_space(line.substr(0, dash)));
    if (n < 0 || n >= XELL_CONFIG_MAX_RECORDS)
        return mtu;
    if (scope == XELL_CFG_SCOPE_F && contains(key, "vport")) {
        xell_config_set_vportdata(n, value);
        return true;
    }
    for (int s = XELL_CFG_PWWN; s < XELL_CFG_NUM_SETTINGS; s++) {
        const xell_cfg_setting_desc &d = xell_cfg_settings[s];
        // A text the record cannot hold leaves the line to be carried.
        if ((d.scope & scope) && key == d.key)
            return xell_config_set_data(s, n, std::string(value).c_str()) == XEL_STATUS_OK || mtu;
    }
    return mtu;
}

bool parse_global_line(std::string_view line, std::string_view value)
{
    std::string_view key = xell_config_filter_space(line.substr(0, line.find('=')));
    if (std::find(std::begin(driver_tunables), std::end(driver_tunables), key) != std::end(driver_tunables)) {
        carry_line(xell_cfg().tunables, line);
        return true;
    }
    if (key == xell_cfg_settings[XELL_CFG_AD_POWER].key) {
        carry_line(xell_cfg().kept_lines, line);
        return true;
    }
    for (int s = XELL_CFG_SPEED; s < XELL_CFG_NUM_SETTINGS; s++) {
        const xell_cfg_setting_desc &d = xell_cfg_settings[s];
        if ((d.scope & XELL_CFG_SCOPE_G) && key == d.key) {
            // A text no record can hold is carried instead.
            if (d.kind == xell_cfg_kind::text && xell_cfg_text_refused(s, value))
                return false;
            xell_cfg_flag_set(xell_cfg().config_all, s);
            std::string v(value);
            // The "port-wwn" lines come first in a written file, so these
            // records are the ones registered so far.
            int count = record_count_with_wwn();
            for (int r = 0; r < count; r++)
                xell_config_set_data(s, r, v.c_str());
            return true;
        }
    }
    return false;
}

// Reads the whole file through the locked descriptor.
bool read_locked_file(int fd, std::string *text)
{
    xell_sys &os = xell_os();
    if (os.lseek(fd, 0, SEEK_SET) < 0)
        return false;
    text->clear();
    char buf[65536];
    for (;;) {
        ssize_t n = os.read(fd, buf, sizeof buf);
        if (n == 0)
            return true;
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        text->append(buf, static_cast<size_t>(n));
    }
}

// The comment lines a write-back makes itself; a load does not carry them.
bool is_layout_comment(std::string_view line)
{
    static const std::vector<std::string> lines = [] {
        xell_config_tables t;
        t.tunables = t.kept_lines = t.other_lines = {"x"};
        std::vector<std::string> found;
        std::string text = xell_config_text_of(t);
        for (size_t at = 0; at < text.size();) {
            size_t nl = text.find('\n', at);
            if (text[at] == '#')
                found.push_back(text.substr(at, nl - at));
            at = nl + 1;
        }
        return found;
    }();
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

bool is_blank(std::string_view line)
{
    return line.find_first_not_of(" \t\r\f\v") == std::string_view::npos;
}

// Line by line, whatever their length; a carriage return before the
// newline is part of the line end. Comments and lines that no key takes
// are carried over, except the write-back's own comments.
void parse_text(std::string_view text)
{
    while (!text.empty()) {
        size_t nl = text.find('\n');
        std::string_view line = without_line_end(text.substr(0, nl));
        text.remove_prefix(nl == std::string_view::npos ? text.size() : nl + 1);
        bool comment = !line.empty() && line.front() == '#';
        if (comment ? !is_layout_comment(line) : !xell_config_parse(line) && !is_blank(line))
            carry_line(xell_cfg().other_lines, line);
    }
}

// Opens the file, creating it with mode 0644 (whatever the umask) when it
// is missing. A symbolic link is followed by the kernel alone, and a
// dangling one gets its target created, as open with O_CREAT does.
int open_or_create(const char *path)
{
    xell_sys &os = xell_os();
    int fd = os.open(path, O_RDWR | O_CLOEXEC);
    if (fd >= 0 || errno != ENOENT)
        return fd;
    fd = os.open(path, O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd >= 0) {
        os.fchmod(fd, 0644);
        return fd;
    }
    if (errno != EEXIST)
        return -1;
    // A dangling link (O_EXCL refuses any link), or a file another process
    // has just created; a target still empty is one we created.
    fd = os.open(path, O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    struct stat st = {};
    if (fd >= 0 && os.fstat(fd, &st) == 0 && st.st_size == 0)
        os.fchmod(fd, 0644);
    return fd;
}

// True when fd is still the file at path: a program that renames a new
// file over the path leaves a lock on the old one protecting nothing.
bool is_file_at_path(int fd, const char *path)
{
    xell_sys &os = xell_os();
    struct stat held = {}, current = {};
    if (os.fstat(fd, &held) != 0 || os.stat(path, &current) != 0)
        return false;
    return held.st_dev == current.st_dev && held.st_ino == current.st_ino && held.st_nlink > 0;
}

// Takes the exclusive lock on the file at path; the caller holds lock_mutex.
xel_status_t lock_conf_file(const char *path)
{
    xell_sys &os = xell_os();
    int stale = 0;
    unsigned poll = lock_first_poll_ms;
    for (;;) {
        int fd = open_or_create(path);
        if (fd < 0)
            return XEL_STATUS_EFOPEN;
        if (os.flock(fd, LOCK_EX | LOCK_NB) == 0) {
            if (is_file_at_path(fd, path)) {
                lock_fd = fd;
                return XEL_STATUS_OK;
            }
            os.close(fd);
            if (++stale > lock_stale_retries)
                return XEL_STATUS_EFOPEN;
            continue;
        }
        os.close(fd);
        if (lock_waited_ms >= lock_budget_ms) {
            if (!lock_gave_up)
                std::fprintf(stderr, "Gave up waiting for the lock on %s: another process has held it for %u seconds\n",
                             path, lock_budget_ms / 1000);
            lock_gave_up = true;
            return XEL_STATUS_EFOPEN;
        }
        unsigned step = std::min(poll, lock_budget_ms - lock_waited_ms);
        os.sleep_ms(step);
        lock_waited_ms += step;
        poll = std::min(poll * 2, lock_poll_ms);
        if (lock_waited_ms >= lock_notice_ms && !lock_notice_given) {
            std::fprintf(stderr, "Waiting for the lock on %s, which another process holds\n", path);
            lock_notice_given = true;
        }
    }
}

} // namespace

const std::array<xell_cfg_setting_desc, XELL_CFG_NUM_SETTINGS> xell_cfg_settings = {{
    {"", 0, xell_cfg_kind::text},                                                  // 0 adapter serial
    {"name", 0, xell_cfg_kind::text},                                              // 1
    {"power", XELL_CFG_SCOPE_G, xell_cfg_kind::none},                              // 2
    {"trunk", 0, xell_cfg_kind::boolean},                                          // 3
    {"port-wwn", XELL_CFG_SCOPE_F, xell_cfg_kind::text},                           // 4
    {"port-mac", XELL_CFG_SCOPE_E, xell_cfg_kind::text},                           // 5
    {"port-name", XELL_CFG_SCOPE_F, xell_cfg_kind::text},                          // 6
    {"port-name", XELL_CFG_SCOPE_E, xell_cfg_kind::text},                          // 7
    {"port-mtu", XELL_CFG_SCOPE_E, xell_cfg_kind::decimal},                        // 8
    {"port-speed", XELL_CFG_SCOPE_G | XELL_CFG_SCOPE_F, xell_cfg_kind::decimal},   // 9
    {"port-topology", XELL_CFG_SCOPE_G | XELL_CFG_SCOPE_F, xell_cfg_kind::topology},
    {"port-hardalpa", XELL_CFG_SCOPE_F, xell_cfg_kind::hex8},                      // 11
    {"port-maxfrsize", XELL_CFG_SCOPE_G | XELL_CFG_SCOPE_F, xell_cfg_kind::dec16}, // 12
    {"port-trunk", XELL_CFG_SCOPE_G | XELL_CFG_SCOPE_F, xell_cfg_kind::list32},    // 13
    {"port-enable", XELL_CFG_SCOPE_G | XELL_CFG_SCOPE_F, xell_cfg_kind::boolean},  // 14
    {"ipfc-enable", XELL_CFG_SCOPE_G | XELL_CFG_SCOPE_F, xell_cfg_kind::boolean},  // 15
    {"log-level", XELL_CFG_SCOPE_G | XELL_CFG_SCOPE_F, xell_cfg_kind::log},        // 16
    {"vf-enable", XELL_CFG_SCOPE_G | XELL_CFG_SCOPE_F, xell_cfg_kind::boolean},    // 17
    {"vf-default", XELL_CFG_SCOPE_G | XELL_CFG_SCOPE_F, xell_cfg_kind::dec16},     // 18
    {"vf-list", XELL_CFG_SCOPE_G | XELL_CFG_SCOPE_F, xell_cfg_kind::list16},       // 19
    {"vport", 0, xell_cfg_kind::none},                                             // 20, by substring
    {"auth-policy", XELL_CFG_SCOPE_G | XELL_CFG_SCOPE_F, xell_cfg_kind::onoff},    // 21
    {"auth-algo", XELL_CFG_SCOPE_G | XELL_CFG_SCOPE_F, xell_cfg_kind::algo},       // 22
    {"auth-group", XELL_CFG_SCOPE_G | XELL_CFG_SCOPE_F, xell_cfg_kind::decimal},   // 23
    {"auth-secretsource", XELL_CFG_SCOPE_G | XELL_CFG_SCOPE_F, xell_cfg_kind::ssource},
    {"auth-encrypt", XELL_CFG_SCOPE_G | XELL_CFG_SCOPE_F, xell_cfg_kind::text},    // 25
    {"", 0, xell_cfg_kind::none},                                                  // 26
    {"pathtov", XELL_CFG_SCOPE_G | XELL_CFG_SCOPE_F, xell_cfg_kind::dec16},        // 27
    {"qdepth", XELL_CFG_SCOPE_G | XELL_CFG_SCOPE_F, xell_cfg_kind::dec16},         // 28
    {"qos", XELL_CFG_SCOPE_G | XELL_CFG_SCOPE_F, xell_cfg_kind::boolean},          // 29
    {"ratelim", XELL_CFG_SCOPE_G | XELL_CFG_SCOPE_F, xell_cfg_kind::boolean},      // 30
    {"ratelim-defspeed", XELL_CFG_SCOPE_G | XELL_CFG_SCOPE_F, xell_cfg_kind::decimal},
    {"coalesce", XELL_CFG_SCOPE_G | XELL_CFG_SCOPE_F, xell_cfg_kind::onoff},       // 32
    {"delay", XELL_CFG_SCOPE_G | XELL_CFG_SCOPE_F, xell_cfg_kind::dec16},          // 33
    {"latency", XELL_CFG_SCOPE_G | XELL_CFG_SCOPE_F, xell_cfg_kind::dec16},        // 34
    {"persistent-binding", XELL_CFG_SCOPE_G | XELL_CFG_SCOPE_F, xell_cfg_kind::boolean},
}};

xell_config_tables &xell_cfg()
{
    static xell_config_tables tables;
    return tables;
}

std::mutex &xell_cfg_vportmutex()
{
    static std::mutex vportmutex;
    return vportmutex;
}

const char *xell_get_cfg_path()
{
    return "/etc/xel.conf";
}

// --- Lexical rules ------------------------------------------------------------

std::string_view xell_config_filter_space(std::string_view text)
{
    auto trimmed = [](char c) { return c == ' ' || c == '\t' || c == '"' || c == ';' || c == '\n'; };
    while (!text.empty() && trimmed(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && trimmed(text.back()))
        text.remove_suffix(1);
    return text;
}

std::string_view xell_cfg_trim_value(std::string_view text)
{
    std::string_view v = xell_config_filter_space(text);
    return v.empty() ? std::string_view(" ") : v;
}

int xell_config_get_num(std::string_view value)
{
    while (!value.empty() && value.back() == '\n')
        value.remove_suffix(1);
    if (value.empty())
        return -1;
    size_t start = value.size();
    while (start > 0 && value[start - 1] >= '0' && value[start - 1] <= '9')
        start--;
    int64_t n = 0;
    for (char c : value.substr(start))
        n = std::min<int64_t>(n * 10 + (c - '0'), INT32_MAX);
    return static_cast<int>(n);
}

uint8_t xell_xstrtoi(std::string_view hex)
{
    auto digit = [](char c) -> unsigned {
        if (c >= '0' && c <= '9')
            return static_cast<unsigned>(c - '0');
        if (c >= 'a' && c <= 'f')
            return static_cast<unsigned>(c - 'a' + 10);
        if (c >= 'A' && c <= 'F')
            return static_cast<unsigned>(c - 'A' + 10);
        return 0;
    };
    // Digits further left only reach bits above the low eight.
    unsigned v = 0;
    if (!hex.empty())
        v = digit(hex.back());
    if (hex.size() >= 2)
        v |= digit(hex[hex.size() - 2]) << 4;
    return static_cast<uint8_t>(v);
}

uint32_t xell_listtobmp(std::string_view list)
{
    uint32_t bmp = 0;
    while (!list.empty()) {
        size_t comma = list.find(',');
        std::string_view item = list.substr(0, comma);
        list.remove_prefix(comma == std::string_view::npos ? list.size() : comma + 1);
        int n = xell_config_get_num(item);
        if (n >= 0)
            bmp |= 1U << (n % 32);
    }
    return bmp;
}

std::vector<int> xell_bmptolist(uint32_t bmp)
{
    std::vector<int> list;
    for (int i = 0; i < 32; i++)
        if (bmp & (1U << i))
            list.push_back(i);
    return list;
}

bool xell_cfg_text_refused(int setting, std::string_view text)
{
    // One line holds any text but a newline (nor a NUL, which ends it),
    // and what the trimming rule would strip from its ends (a double
    // quote closing it early among them) would not come back.
    if (text.find_first_of(std::string_view("\n\0", 2)) != std::string_view::npos)
        return true;
    if (text != " " && xell_config_filter_space(text) != text)
        return true;
    return setting == XELL_CFG_AUTH_SSTRING && text.size() > XELL_CFG_SECRET_TEXT_MAX;
}

void xell_cfg_copy_text(std::span<char> field, std::string_view text)
{
    size_t n = std::min(text.size(), field.size() - 1);
    std::copy_n(text.begin(), n, field.begin());
    std::fill(field.begin() + static_cast<std::ptrdiff_t>(n), field.end(), '\0');
}

// --- Storing one value ----------------------------------------------------------

int64_t xell_cfg_get_int(int setting, const xell_ioc_config_t &rec)
{
    switch (setting) {
    case XELL_CFG_MTU: return rec.mtu;
    case XELL_CFG_SPEED: return rec.speed;
    case XELL_CFG_TOPOLOGY: return rec.topology;
    case XELL_CFG_ALPA: return rec.alpa;
    case XELL_CFG_MAXFRSZ: return rec.maxfrsz;
    case XELL_CFG_TRUNK: return rec.trunking;
    case XELL_CFG_ENABLE: return rec.enable;
    case XELL_CFG_IPFC_ENABLE: return rec.ipfc_enable;
    case XELL_CFG_LOG: return rec.log;
    case XELL_CFG_VF_ENABLE: return rec.vf_enable;
    case XELL_CFG_VF_DEFAULT: return rec.vf_default_id;
    case XELL_CFG_VF_LIST: return rec.vf_list;
    case XELL_CFG_AUTH_POLICY: return rec.authpolicy;
    case XELL_CFG_AUTH_ALGO: return rec.authalgo;
    case XELL_CFG_AUTH_GROUP: return rec.authgroup;
    case XELL_CFG_AUTH_SSOURCE: return rec.authssource;
    case XELL_CFG_PATHTOV: return rec.pathtov;
    case XELL_CFG_QDEPTH: return rec.qdepth;
    case XELL_CFG_QOS: return rec.qos;
    case XELL_CFG_RATELIM: return rec.ratelim;
    case XELL_CFG_DEFSPEED: return rec.defspeed;
    case XELL_CFG_COALESCE: return rec.coalesce;
    case XELL_CFG_DELAY: return rec.delay;
    case XELL_CFG_LATENCY: return rec.latency;
    case XELL_CFG_BINDING: return rec.binding;
    default: return 0;
    }
}

void xell_cfg_set_int(int setting, xell_ioc_config_t &rec, int64_t value)
{
    auto i32 = static_cast<int>(value);
    auto u16 = static_cast<uint16_t>(value);
    bool b = value != 0;
    switch (setting) {
    case XELL_CFG_MTU: rec.mtu = i32; break;
    case XELL_CFG_SPEED: rec.speed = i32; break;
    case XELL_CFG_TOPOLOGY: rec.topology = i32; break;
    case XELL_CFG_ALPA: rec.alpa = static_cast<uint8_t>(value); break;
    case XELL_CFG_MAXFRSZ: rec.maxfrsz = u16; break;
    case XELL_CFG_TRUNK: rec.trunking = static_cast<uint32_t>(value); break;
    case XELL_CFG_ENABLE: rec.enable = b; break;
    case XELL_CFG_IPFC_ENABLE: rec.ipfc_enable = b; break;
    case XELL_CFG_LOG: rec.log = i32; break;
    case XELL_CFG_VF_ENABLE: rec.vf_enable = b; break;
    case XELL_CFG_VF_DEFAULT: rec.vf_default_id = u16; break;
    case XELL_CFG_VF_LIST: rec.vf_list = u16; break;
    case XELL_CFG_AUTH_POLICY: rec.authpolicy = b; break;
    case XELL_CFG_AUTH_ALGO: rec.authalgo = i32; break;
    case XELL_CFG_AUTH_GROUP: rec.authgroup = i32; break;
    case XELL_CFG_AUTH_SSOURCE: rec.authssource = i32; break;
    case XELL_CFG_PATHTOV: rec.pathtov = u16; break;
    case XELL_CFG_QDEPTH: rec.qdepth = u16; break;
    case XELL_CFG_QOS: rec.qos = b; break;
    case XELL_CFG_RATELIM: rec.ratelim = b; break;
    case XELL_CFG_DEFSPEED: rec.defspeed = i32; break;
    case XELL_CFG_COALESCE: rec.coalesce = b; break;
    case XELL_CFG_DELAY: rec.delay = u16; break;
    case XELL_CFG_LATENCY: rec.latency = u16; break;
    case XELL_CFG_BINDING: rec.binding = b; break;
    default: break;
    }
}

xel_status_t xell_config_set_data(int type, int idx, const char *value)
{
    if (value == nullptr || type < 0 || type >= XELL_CFG_NUM_SETTINGS || idx < 0 || idx >= XELL_CONFIG_MAX_RECORDS)
        return XEL_STATUS_OK;
    std::string_view v = value;
    if (type <= XELL_CFG_AD_TRUNK)
        return set_ad_data(type, xell_cfg().ad[static_cast<size_t>(idx)], v);

    xell_ioc_config_t &rec = xell_cfg().ioc[static_cast<size_t>(idx)];
    xell_cfg_kind kind = xell_cfg_settings[static_cast<size_t>(type)].kind;
    int num = std::max(xell_config_get_num(v), 0);
    switch (kind) {
    case xell_cfg_kind::none:
        return XEL_STATUS_OK;
    case xell_cfg_kind::text: {
        std::span<char> field = ioc_text_field(type, rec);
        if (xell_cfg_text_refused(type, v))
            return XEL_STATUS_EINVAL;
        xell_cfg_flag_set(rec.flags, type);
        xell_cfg_copy_text(field, v);
        return XEL_STATUS_OK;
    }
    case xell_cfg_kind::decimal:
    case xell_cfg_kind::dec16:
        xell_cfg_set_int(type, rec, num);
        break;
    case xell_cfg_kind::hex8:
        xell_cfg_set_int(type, rec, xell_xstrtoi(v));
        break;
    case xell_cfg_kind::list32:
    case xell_cfg_kind::list16:
        xell_cfg_set_int(type, rec, xell_listtobmp(v));
        break;
    case xell_cfg_kind::log:
        // An unknown level keeps the setting and the level it had.
        if (const named_value *w = find_word(kind, v))
            rec.log = w->value;
        break;
    default:
        // A word outside the allowed set cancels the setting.
        if (const named_value *w = find_word(kind, v)) {
            xell_cfg_set_int(type, rec, w->value);
        } else {
            xell_cfg_flag_clear(rec.flags, type);
            return XEL_STATUS_OK;
        }
        break;
    }
    xell_cfg_flag_set(rec.flags, type);
    return XEL_STATUS_OK;
}

bool xell_config_parse(std::string_view line)
{
    line = without_line_end(line.substr(0, std::min(line.find('\n'), line.find('\0'))));
    size_t eq = line.find('=');
    if (eq == std::string_view::npos)
        return false;
    std::string_view value = xell_cfg_trim_value(line.substr(eq + 1));
    // The key alone tells the kind of line, so that a value (a name holding
    // "adapter" or "xel") never does.
    std::string_view key = line.substr(0, eq);
    bool dash = contains(key, "-");
    if (dash && contains(key, "adapter"))
        return parse_adapter_line(line, value);
    if (dash && contains(key, "xel"))
        return parse_record_line(line, value, XELL_CFG_SCOPE_F);
    if (dash && contains(key, "kwo"))
        return parse_record_line(line, value, XELL_CFG_SCOPE_E);
    return parse_global_line(line, value);
}

// --- Lock and load ----------------------------------------------------------------

int xell_cfg_lock_fd()
{
    return lock_fd;
}

const xell_config_tables &xell_cfg_loaded_tables()
{
    return loaded_tables;
}

const std::string &xell_cfg_loaded_text()
{
    return loaded_text;
}

void xell_unlock_conf_file()
{
    std::lock_guard<std::mutex> guard(lock_mutex);
    if (lock_fd < 0)
        return;
    xell_sys &os = xell_os();
    os.flock(lock_fd, LOCK_UN);
    os.close(lock_fd);
    lock_fd = -1;
    loaded_text.clear();
}

bool xell_config_is_loaded()
{
    std::lock_guard<std::mutex> guard(lock_mutex);
    return lock_fd >= 0;
}

xel_status_t xell_config_load(const char *path)
{
    std::lock_guard<std::mutex> guard(lock_mutex);
    if (lock_fd >= 0)
        return XEL_STATUS_FAILED;
    xel_status_t status = lock_conf_file(path);
    if (status != XEL_STATUS_OK)
        return status;

    std::string text;
    if (xell_cfg_recover(path, lock_fd) != 0 || !read_locked_file(lock_fd, &text)) {
        xell_os().flock(lock_fd, LOCK_UN);
        xell_os().close(lock_fd);
        lock_fd = -1;
        return XEL_STATUS_EFOPEN;
    }

    // A fresh load starts from nothing, global flags included: the file is
    // the whole truth.
    {
        std::lock_guard<std::mutex> vguard(xell_cfg_vportmutex());
        xell_cfg() = xell_config_tables{};
        xell_cfg_vport_index_forget();
    }
    ad_line_count = 0;
    parse_text(text);

    std::lock_guard<std::mutex> vguard(xell_cfg_vportmutex());
    loaded_tables = xell_cfg();
    loaded_text = std::move(text);
    return XEL_STATUS_OK;
}

void xell_config_command_begin()
{
    std::lock_guard<std::mutex> guard(lock_mutex);
    lock_waited_ms = 0;
    lock_notice_given = false;
    lock_gave_up = false;
    xell_config_unsaved_forget();
}

void xell_config_unload()
{
    xell_unlock_conf_file();
}
