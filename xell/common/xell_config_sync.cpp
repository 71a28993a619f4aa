// The write-back: the file's text regenerated from the tables.

#include "xell_config_internal.h"
#include "xell_sys.h"

#include <cerrno>
#include <cstdio>
#include <initializer_list>

namespace {

// Value names by the field's number.
constexpr const char *topology_names[] = {"none", "p2p", "loop", "auto", "auto", "p2p"};
constexpr const char *log_names[] = {"None", "Critical", "Error", "Warning", "Info", "Info"};
constexpr const char *algo_names[] = {" ", "md5", "sha1", "ms", "sm"};
constexpr const char *ssource_names[] = {" ", "LOCAL", "RADIUS", "TACACS"};

// A number outside the table is written as the name of 0.
template <size_t N> const char *name_of(const char *const (&names)[N], int64_t value)
{
    return value >= 0 && static_cast<size_t>(value) < N ? names[value] : names[0];
}

void append_number(std::string &out, int64_t value)
{
    out += std::to_string(value);
}

void append_list(std::string &out, uint32_t bmp)
{
    std::vector<int> list = xell_bmptolist(bmp);
    for (size_t i = 0; i < list.size(); i++) {
        append_number(out, list[i]);
        out += i + 1 < list.size() ? ", " : ";";
    }
    out += '\n';
}

void append_quoted(std::string &out, const char *text, bool semicolon = true)
{
    out += '"';
    out += text;
    out += semicolon ? "\";\n" : "\"\n";
}

// Everything after "key = " for one setting of one record.
void append_value(std::string &out, int setting, const xell_ioc_config_t &rec)
{
    int64_t v = xell_cfg_get_int(setting, rec);
    switch (setting) {
    case XELL_CFG_PWWN: append_quoted(out, rec.pwwn); return;
    case XELL_CFG_MAC: append_quoted(out, rec.mac); return;
    case XELL_CFG_NAME: append_quoted(out, rec.name); return;
    case XELL_CFG_ETHNAME: append_quoted(out, rec.ethname); return;
    case XELL_CFG_AUTH_SSTRING: append_quoted(out, rec.authsstring); return;
    case XELL_CFG_VF_ENABLE: append_quoted(out, v ? "TRUE" : "FALSE", false); return;
    case XELL_CFG_ALPA: {
        char hex[16];
        std::snprintf(hex, sizeof hex, "0x%x;\n", static_cast<unsigned>(v));
        out += hex;
        return;
    }
    default: break;
    }
    switch (xell_cfg_settings[static_cast<size_t>(setting)].kind) {
    case xell_cfg_kind::list32:
    case xell_cfg_kind::list16: append_list(out, static_cast<uint32_t>(v)); return;
    case xell_cfg_kind::boolean: append_quoted(out, v ? "TRUE" : "FALSE"); return;
    case xell_cfg_kind::onoff: append_quoted(out, v ? "on" : "off"); return;
    case xell_cfg_kind::topology: append_quoted(out, name_of(topology_names, v)); return;
    case xell_cfg_kind::log: append_quoted(out, name_of(log_names, v)); return;
    case xell_cfg_kind::algo: append_quoted(out, name_of(algo_names, v)); return;
    case xell_cfg_kind::ssource: append_quoted(out, name_of(ssource_names, v)); return;
    default:
        append_number(out, v);
        out += ";\n";
        return;
    }
}

bool has_global_form(int setting)
{
    return (xell_cfg_settings[static_cast<size_t>(setting)].scope & XELL_CFG_SCOPE_G) != 0;
}

bool is_list(int setting)
{
    xell_cfg_kind kind = xell_cfg_settings[static_cast<size_t>(setting)].kind;
    return kind == xell_cfg_kind::list32 || kind == xell_cfg_kind::list16;
}

void append_line(std::string &out, const char *prefix, int n, int setting, const xell_ioc_config_t &rec)
{
    // An empty list has no written form: "key = ;" reads back as port 0.
    if (is_list(setting) && xell_cfg_get_int(setting, rec) == 0)
        return;
    if (prefix != nullptr) {
        out += prefix;
        append_number(out, n);
        out += '-';
    }
    out += xell_cfg_settings[static_cast<size_t>(setting)].key;
    out += " = ";
    append_value(out, setting, rec);
}

// The global lines of the settings whose global flag is set, with record
// 0's values; then, record by record, the lines of the others.
void append_settings(std::string &out, const xell_config_tables &t, const char *prefix,
                     std::initializer_list<int> settings)
{
    for (int s : settings)
        if (has_global_form(s) && xell_cfg_flag_test(t.config_all, s))
            append_line(out, nullptr, 0, s, t.ioc[0]);
    for (int n = 0; n < XELL_CONFIG_MAX_RECORDS; n++) {
        const xell_ioc_config_t &rec = t.ioc[static_cast<size_t>(n)];
        for (int s : settings) {
            bool global = has_global_form(s) && xell_cfg_flag_test(t.config_all, s);
            if (!global && xell_cfg_flag_test(rec.flags, s))
                append_line(out, prefix, n, s, rec);
        }
    }
}

void append_vports(std::string &out, const xell_config_tables &t)
{
    for (int n = 0; n < XELL_CONFIG_MAX_RECORDS; n++) {
        const xell_ioc_config_t &rec = t.ioc[static_cast<size_t>(n)];
        if (!xell_cfg_flag_test(rec.flags, XELL_CFG_VPORT))
            continue;
        int m = 0;
        for (const xell_vf_config_t &e : rec.vport) {
            char line[320];
            std::snprintf(line, sizeof line, "xel%d-vport-%d = \"%s,%s,%s,%s,%d\";\n", n, m++, e.pwwn, e.nwwn, e.name,
                          e.role, e.vf_id);
            out += line;
        }
    }
}

// One "adapter-SERIAL-KEY" line per adapter record with the setting's flag.
void append_adapter_lines(std::string &out, const xell_config_tables &t, int setting,
                          const char *(*value)(const xell_ad_config_t &))
{
    for (const xell_ad_config_t &rec : t.ad) {
        if (xell_cfg_flag_test(rec.flags, setting)) {
            out += "adapter-";
            out += rec.id;
            out += '-';
            out += xell_cfg_settings[static_cast<size_t>(setting)].key;
            out += " = ";
            append_quoted(out, value(rec));
        }
    }
}

// A section of lines carried over as read; nothing when there are none.
void append_carried(std::string &out, const char *heading, const std::vector<std::string> &lines)
{
    if (lines.empty())
        return;
    out += heading;
    for (const std::string &line : lines) {
        out += line;
        out += '\n';
    }
}

// Layout items 1 to 3.
void xell_config_ad_update(std::string &out, const xell_config_tables &t)
{
    out += "# Syntax for global parameter (applied to all HBA instances):\n"
           "#   param_name=param_value \n"
           "#   xel<instance_number>-param_name=param_value \n"
           "# \n";
    out += "\n#\n# Persistent naming of adapter\n# \n";
    append_adapter_lines(out, t, XELL_CFG_AD_NAME, [](const xell_ad_config_t &rec) -> const char * { return rec.name; });
    out += "\n#\n# Trunking of adapter\n# \n";
    append_adapter_lines(out, t, XELL_CFG_AD_TRUNK,
                         [](const xell_ad_config_t &rec) -> const char * { return rec.ad_trunk ? "TRUE" : "FALSE"; });
}

// Layout items 4 to 14, then the lines carried over: the driver tunables,
// then the power and port MTU lines.
void xell_config_ioc_update(std::string &out, const xell_config_tables &t)
{
    out += "\n#\n# Persistent naming of port\n#\n";
    append_settings(out, t, "xel", {XELL_CFG_PWWN, XELL_CFG_NAME});
    append_settings(out, t, "kwo", {XELL_CFG_MAC, XELL_CFG_ETHNAME});

    out += "\n#\n# Port configuration\n#\n";
    append_settings(out, t, "xel", {XELL_CFG_SPEED, XELL_CFG_TOPOLOGY, XELL_CFG_ALPA, XELL_CFG_MAXFRSZ});

    out += "\n# trunking\n";
    append_settings(out, t, "xel", {XELL_CFG_TRUNK});

    out += "\n# disable a port persistently\n";
    append_settings(out, t, "xel", {XELL_CFG_ENABLE});
    append_settings(out, t, "xel", {XELL_CFG_IPFC_ENABLE});

    out += "\n#\n# Driver log level\n# level: INFO, WARN, ERROR, CRITICAL\n#\n";
    append_settings(out, t, "xel", {XELL_CFG_LOG});

    out += "\n#\n# VF configuration\n#\n";
    append_settings(out, t, "xel", {XELL_CFG_VF_ENABLE, XELL_CFG_VF_DEFAULT, XELL_CFG_VF_LIST});

    out += "\n#\n# vport configuration\n#\n# vport-<id> = pwwn, nwwn,symname, roles [, vf_id]\n#\n";
    append_vports(out, t);

    out += "\n#\n# Authentication\n#\n";
    append_settings(out, t, "xel",
                    {XELL_CFG_AUTH_POLICY, XELL_CFG_AUTH_ALGO, XELL_CFG_AUTH_GROUP, XELL_CFG_AUTH_SSOURCE,
                     XELL_CFG_AUTH_SSTRING});

    out += "\n#\n# Initiator mode configuration\n#\n";
    append_settings(out, t, "xel", {XELL_CFG_PATHTOV, XELL_CFG_QDEPTH, XELL_CFG_BINDING});

    out += "\n#\n# QoS, rate limiting configuration\n#\n";
    append_settings(out, t, "xel", {XELL_CFG_QOS, XELL_CFG_RATELIM, XELL_CFG_DEFSPEED});

    out += "\n#\n# IOC intr configuration\n#\n";
    append_settings(out, t, "xel", {XELL_CFG_COALESCE, XELL_CFG_DELAY, XELL_CFG_LATENCY});

    // The driver reads the tunables at load time; they pass through unchanged.
    append_carried(out, "\n#\n# Driver tunables\n#\n", t.tunables);
    append_carried(out, "\n#\n# Power and Ethernet port MTU\n#\n", t.kept_lines);
    append_carried(out, "\n#\n# Comments and other lines, as found\n#\n", t.other_lines);
}

} // namespace

std::string xell_config_text_of(const xell_config_tables &tables)
{
    std::string out;
    out.reserve(64 * 1024);
    xell_config_ad_update(out, tables);
    xell_config_ioc_update(out, tables);
    return out;
}

std::string xell_config_text()
{
    std::lock_guard<std::mutex> guard(xell_cfg_vportmutex());
    return xell_config_text_of(xell_cfg());
}

namespace {
int unsaved_errno = 0;
int sync_errno = 0;
} // namespace

xel_status_t xell_config_commit(const char *path)
{
    xel_status_t status = xell_config_sync(path);
    if (status != XEL_STATUS_OK && unsaved_errno == 0)
        unsaved_errno = sync_errno != 0 ? sync_errno : EIO;
    return status;
}

int xell_config_unsaved()
{
    return unsaved_errno;
}

void xell_config_unsaved_forget()
{
    unsaved_errno = 0;
}

xel_status_t xell_config_sync(const char *path)
{
    sync_errno = 0;
    if (!xell_config_is_loaded())
        return XEL_STATUS_FAILED;
    xel_status_t status = XEL_STATUS_OK;
    std::string text, loaded;
    {
        std::lock_guard<std::mutex> guard(xell_cfg_vportmutex());
        if (!(xell_cfg() == xell_cfg_loaded_tables())) {
            text = xell_config_text_of(xell_cfg());
            loaded = xell_config_text_of(xell_cfg_loaded_tables());
        }
    }
    // Tables that changed where the file shows nothing (an adapter record
    // without a name) leave the file byte for byte as it is, however it
    // was written.
    if (text != loaded)
        sync_errno = xell_cfg_rewrite(path, xell_cfg_lock_fd(), xell_cfg_loaded_text(), text);
    if (sync_errno != 0)
        status = XEL_STATUS_EFOPEN;
    xell_unlock_conf_file();
    return status;
}
