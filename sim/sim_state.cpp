// Keeping the emulated host's state under its root, one locked access at a
// time.
#include "sim_state.h"

#include "xel_ioctl.h"

#include <nlohmann/json.hpp>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <sstream>

namespace fs = std::filesystem;
using json = nlohmann::ordered_json;

sim_function_state sim_initial_function_state(const sim_function &fn)
{
    sim_function_state st;
    // A function that has been up since the driver loaded: one boot,
    // one enable, a few mailbox interrupts, the attribute fetch.
    st.drv_stats = {12, 1, 0, 0, 1, 0, 64, 0, 1, 0, 1};
    st.fw_stats = {{SIM_FW_ENABLE_REQS, 1}, {SIM_FW_GETATTR_REQS, 1}, {SIM_FW_IOCFC_CFG_REQS, 1}};
    // IP over FC runs where the base logical port has that role.
    st.models.ipfc.enabled = fn.storage() && (fn.roles & 4) != 0;
    if (fn.storage())
        st.im_stats = sim_initial_im_stats();
    for (const auto &[pwwn, nwwn] : fn.pbc_vports) {
        uint32_t number = st.models.vports.next++;
        st.models.vports.list.push_back({pwwn, nwwn, number, true, false});
    }
    if (!fn.enabled) {
        st.ioc_state = 10;
        for (auto counter : {SIM_DRV_DISABLE_EVENTS, SIM_DRV_DISABLE_REQS, SIM_DRV_DISABLE_REPLIES})
            st.drv_stats[counter] = 1;
        st.fw_stats[SIM_FW_DISABLE_REQS] = 1;
    }
    return st;
}

sim_host_state sim_initial_state(const sim_topology &topology)
{
    sim_host_state state;
    state.topology = topology;
    for (const auto &ad : topology.adapters) {
        state.adapter_names.push_back(ad.name);
        state.optrom_enabled.push_back(1);
        state.pcifn_tables.push_back(sim_initial_pcifn_table(ad, true));
        for (const auto &fn : ad.functions)
            state.functions[fn.pci] = sim_initial_function_state(fn);
    }
    state.ports = sim_initial_ports(topology);
    return state;
}

const char *sim_ioc_state_name(uint32_t state)
{
    switch (state) {
    case XEL_IOC_OPERATIONAL:
        return "operational";
    case XEL_IOC_DISABLED:
        return "disabled";
    case XEL_IOC_ENABLING:
        return "enabling";
    case XEL_IOC_DISABLING:
        return "disabling";
    default:
        return "unknown";
    }
}

std::string sim_state_dir(const std::string &root)
{
    return root + "/.xelsim";
}

// ---- the state as JSON ----

namespace {

const char *fault_kind_name(sim_fault_kind kind)
{
    switch (kind) {
    case sim_fault_kind::status:
        return "status";
    case sim_fault_kind::transport_errno:
        return "errno";
    case sim_fault_kind::never_state:
        return "never_state";
    case sim_fault_kind::flash_half:
        return "flash_half";
    case sim_fault_kind::flash_corrupt:
        return "flash_corrupt";
    case sim_fault_kind::result:
        return "result";
    case sim_fault_kind::frame:
        return "frame";
    }
    return "";
}

sim_fault_kind fault_kind_from(const std::string &name)
{
    if (name == "errno")
        return sim_fault_kind::transport_errno;
    if (name == "never_state")
        return sim_fault_kind::never_state;
    if (name == "status")
        return sim_fault_kind::status;
    if (name == "flash_half")
        return sim_fault_kind::flash_half;
    if (name == "flash_corrupt")
        return sim_fault_kind::flash_corrupt;
    if (name == "result")
        return sim_fault_kind::result;
    if (name == "frame")
        return sim_fault_kind::frame;
    throw std::runtime_error("unknown fault kind " + name);
}

std::string hex_key(uint32_t value)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%X", value);
    return text;
}

// Numbers by 32-bit key (firmware words, registers, counters).
template <typename Value>
json word_map(const std::map<uint32_t, Value> &words, bool hex)
{
    json obj = json::object();
    for (const auto &[key, value] : words)
        obj[hex ? hex_key(key) : std::to_string(key)] = value;
    return obj;
}

template <typename Value = uint32_t>
std::map<uint32_t, Value> word_map_from(const json &obj)
{
    std::map<uint32_t, Value> words;
    for (const auto &item : obj.items())
        words[static_cast<uint32_t>(std::stoul(item.key(), nullptr, 0))] = item.value().get<Value>();
    return words;
}

std::string hex_bytes(const std::vector<uint8_t> &bytes)
{
    std::string text;
    char pair[3];
    for (uint8_t byte : bytes) {
        std::snprintf(pair, sizeof pair, "%02x", byte);
        text += pair;
    }
    return text;
}

std::vector<uint8_t> hex_bytes_from(const std::string &text)
{
    if (text.size() % 2 != 0)
        throw std::runtime_error("odd number of hexadecimal digits");
    std::vector<uint8_t> bytes;
    for (size_t i = 0; i < text.size(); i += 2)
        bytes.push_back(static_cast<uint8_t>(std::stoul(text.substr(i, 2), nullptr, 16)));
    return bytes;
}

json port_to_json(const sim_port_state &p)
{
    json obj = {{"enabled", p.enabled},
            {"fcoe_enabled", p.fcoe_enabled},
            {"in_transit", p.in_transit},
            {"preboot_disabled", p.preboot_disabled},
            {"link", p.link},
            {"loopback", p.loopback},
            {"authfail", p.authfail},
            {"sfp_media", p.sfp_media},
            {"sfp_present", p.sfp_present},
            {"beacon", p.beacon},
            {"link_e2e_beacon", p.link_e2e_beacon},
            {"beacon_seconds", p.beacon_seconds},
            {"beacon_until_ms", p.beacon_until_ms},
            {"dport", p.dport},
            {"trunked", p.trunked},
            {"cfg_topology", p.cfg_topology},
            {"cfg_speed", p.cfg_speed},
            {"op_topology", p.op_topology},
            {"op_speed", p.op_speed},
            {"cfg_hardalpa", p.cfg_hardalpa},
            {"hardalpa", p.hardalpa},
            {"op_cfg_hardalpa", p.op_cfg_hardalpa},
            {"op_hardalpa", p.op_hardalpa},
            {"maxfrsize", p.maxfrsize},
            {"bbsc", p.bbsc},
            {"op_bbsc", p.op_bbsc},
            {"qos", p.qos},
            {"ratelimit", p.ratelimit},
            {"op_qos", p.op_qos},
            {"op_ratelimit", p.op_ratelimit},
            {"trl_def_speed", p.trl_def_speed},
            {"op_trl_def_speed", p.op_trl_def_speed},
            {"qos_bw", p.qos_bw},
            {"op_qos_bw", p.op_qos_bw},
            {"qos_stats", word_map(p.qos_stats, false)},
            {"mode_cfg", p.mode_cfg},
            {"stats", word_map(p.stats, false)},
            {"fcoe_stats", word_map(p.fcoe_stats, false)},
            {"cee_stats", word_map(p.cee_stats, false)},
            {"boot", hex_bytes(p.boot)},
            {"ethboot", hex_bytes(p.ethboot)}};
    sim_phy_to_json(p.phy, &obj);
    return obj;
}

sim_port_state port_from_json(const json &obj)
{
    sim_port_state p;
    p.enabled = obj.at("enabled");
    p.fcoe_enabled = obj.at("fcoe_enabled");
    p.link = obj.at("link");
    // What a state saved before these were kept leaves out, the port
    // has at its default.
    p.in_transit = obj.value("in_transit", p.in_transit);
    p.preboot_disabled = obj.value("preboot_disabled", p.preboot_disabled);
    p.loopback = obj.value("loopback", p.loopback);
    p.authfail = obj.value("authfail", p.authfail);
    p.sfp_media = obj.value("sfp_media", p.sfp_media);
    p.sfp_present = obj.value("sfp_present", p.sfp_present);
    p.beacon = obj.value("beacon", p.beacon);
    p.link_e2e_beacon = obj.value("link_e2e_beacon", p.link_e2e_beacon);
    p.beacon_seconds = obj.value("beacon_seconds", p.beacon_seconds);
    p.beacon_until_ms = obj.value("beacon_until_ms", p.beacon_until_ms);
    p.qos = obj.value("qos", p.qos);
    p.ratelimit = obj.value("ratelimit", p.ratelimit);
    p.op_qos = obj.value("op_qos", p.qos);
    p.op_ratelimit = obj.value("op_ratelimit", p.ratelimit);
    p.trl_def_speed = obj.value("trl_def_speed", p.trl_def_speed);
    p.op_trl_def_speed = obj.value("op_trl_def_speed", p.trl_def_speed);
    p.qos_bw = obj.value("qos_bw", p.qos_bw);
    p.op_qos_bw = obj.value("op_qos_bw", p.qos_bw);
    if (obj.contains("qos_stats"))
        p.qos_stats = word_map_from<uint64_t>(obj.at("qos_stats"));
    p.dport = obj.at("dport");
    p.trunked = obj.at("trunked");
    p.cfg_topology = obj.at("cfg_topology");
    p.cfg_speed = obj.at("cfg_speed");
    p.op_topology = obj.at("op_topology");
    p.op_speed = obj.at("op_speed");
    p.cfg_hardalpa = obj.at("cfg_hardalpa");
    p.hardalpa = obj.at("hardalpa");
    // A state saved before the AL_PA in use was kept apart from the
    // configured one ran the configured one.
    p.op_cfg_hardalpa = obj.value("op_cfg_hardalpa", p.cfg_hardalpa);
    p.op_hardalpa = obj.value("op_hardalpa", p.hardalpa);
    p.maxfrsize = obj.at("maxfrsize");
    p.bbsc = obj.at("bbsc");
    p.op_bbsc = obj.at("op_bbsc");
    p.mode_cfg = obj.at("mode_cfg");
    p.stats = word_map_from<uint64_t>(obj.at("stats"));
    p.fcoe_stats = word_map_from<uint64_t>(obj.at("fcoe_stats"));
    p.cee_stats = word_map_from<uint64_t>(obj.at("cee_stats"));
    p.boot = hex_bytes_from(obj.at("boot"));
    if (obj.contains("ethboot"))
        p.ethboot = hex_bytes_from(obj.at("ethboot"));
    sim_phy_from_json(obj, &p.phy);
    return p;
}

json state_to_json(const sim_host_state &state)
{
    json doc = {{"format", 1}, {"topology", sim_topology_to_json(state.topology)}};
    doc["adapter_names"] = state.adapter_names;
    doc["optrom_enabled"] = state.optrom_enabled;
    doc["clock_ms"] = state.clock_ms;
    doc["vnics"] = state.vnics;
    json &functions = doc["functions"] = json::object();
    for (const auto &[pci, st] : state.functions)
        functions[pci] = {{"state", st.ioc_state},       {"name", st.name},
                          {"coalesce", st.coalesce},     {"delay", st.delay},
                          {"latency", st.latency},       {"drv_stats", st.drv_stats},
                          {"fw_stats", word_map(st.fw_stats, false)}, {"registers", word_map(st.registers, true)},
                          {"portlog", st.portlog},       {"vnic_stats", word_map(st.vnic_stats, false)},
                          {"im_stats", word_map(st.im_stats, false)},
                          {"fabric_cleared", st.fabric_cleared}, {"rport_speeds", word_map(st.rport_speeds, false)}};
    for (const auto &[pci, st] : state.functions)
        sim_function_models_to_json(st.models, &functions[pci]);
    doc["pcifn_tables"] = json::array();
    for (const auto &table : state.pcifn_tables)
        doc["pcifn_tables"].push_back(hex_bytes(table));
    json &ports = doc["ports"] = json::object();
    for (const auto &[key, port] : state.ports)
        ports[key] = port_to_json(port);
    doc["faults"] = json::array();
    for (const auto &f : state.faults)
        doc["faults"].push_back({{"pci", f.pci},
                                 {"kind", fault_kind_name(f.kind)},
                                 {"cmd", hex_key(f.cmd)},
                                 {"value", f.value},
                                 {"remaining", f.remaining},
                                 {"after", f.after}});
    return doc;
}

// Throws on anything malformed; the caller reports the file as damaged.
sim_host_state state_from_json(const json &doc)
{
    sim_host_state state;
    std::string error;
    if (doc.at("format") != 1 || !sim_topology_from_json(doc.at("topology"), &state.topology, &error))
        throw std::runtime_error(error);
    state.adapter_names = doc.at("adapter_names").get<std::vector<std::string>>();
    // A host made before the option ROM switch was kept has it on.
    state.optrom_enabled = doc.value("optrom_enabled", std::vector<uint8_t>(state.adapter_names.size(), 1));
    state.clock_ms = doc.value("clock_ms", uint64_t{0});
    state.vnics = doc.value("vnics", std::vector<std::string>{});
    for (const auto &item : doc.at("functions").items()) {
        const json &obj = item.value();
        sim_function_state &st = state.functions[item.key()];
        st.ioc_state = obj.at("state");
        st.name = obj.at("name");
        st.coalesce = obj.at("coalesce");
        st.delay = obj.at("delay");
        st.latency = obj.at("latency");
        st.drv_stats = obj.at("drv_stats");
        st.fw_stats = word_map_from(obj.at("fw_stats"));
        st.registers = word_map_from(obj.at("registers"));
        sim_function_models_from_json(obj, &st.models);
        st.portlog = obj.value("portlog", st.portlog);
        if (obj.contains("vnic_stats"))
            st.vnic_stats = word_map_from<uint64_t>(obj.at("vnic_stats"));
        if (obj.contains("im_stats"))
            st.im_stats = word_map_from(obj.at("im_stats"));
        st.fabric_cleared = obj.value("fabric_cleared", std::set<std::string>{});
        if (obj.contains("rport_speeds"))
            st.rport_speeds = word_map_from(obj.at("rport_speeds"));
    }
    // A host made before the function tables were kept starts them afresh.
    if (doc.contains("pcifn_tables"))
        for (const auto &table : doc.at("pcifn_tables"))
            state.pcifn_tables.push_back(hex_bytes_from(table));
    for (size_t a = state.pcifn_tables.size(); a < state.topology.adapters.size(); a++)
        state.pcifn_tables.push_back(sim_initial_pcifn_table(state.topology.adapters[a], state.optrom_enabled.at(a)));
    // A host made before ports had a state of their own starts them afresh.
    state.ports = sim_initial_ports(state.topology);
    if (doc.contains("ports"))
        for (const auto &item : doc.at("ports").items())
            state.ports[item.key()] = port_from_json(item.value());
    for (const auto &obj : doc.at("faults"))
        state.faults.push_back({obj.at("pci"), fault_kind_from(obj.at("kind")),
                                static_cast<uint32_t>(std::stoul(obj.at("cmd").get<std::string>(), nullptr, 16)),
                                obj.at("value"), obj.at("remaining"), obj.value("after", 0)});
    if (state.adapter_names.size() != state.topology.adapters.size() ||
        state.optrom_enabled.size() != state.adapter_names.size())
        throw std::runtime_error("adapter names do not match the adapters");
    for (const auto &ad : state.topology.adapters)
        for (const auto &fn : ad.functions)
            if (!state.functions.count(fn.pci))
                throw std::runtime_error("no state for " + fn.pci);
    return state;
}

// ---- files and the lock ----

std::mutex &process_lock()
{
    static std::mutex lock;
    return lock;
}

// The host lock: the process mutex first, then the flock, which another
// process may hold.
class host_lock {
public:
    explicit host_lock(const std::string &dir) : guard_(process_lock())
    {
        fd_ = ::open((dir + "/lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
        while (fd_ >= 0 && ::flock(fd_, LOCK_EX) < 0 && errno == EINTR) {
        }
    }
    ~host_lock()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    host_lock(const host_lock &) = delete;
    host_lock &operator=(const host_lock &) = delete;
    bool held() const { return fd_ >= 0; }

private:
    std::unique_lock<std::mutex> guard_;
    int fd_ = -1;
};

bool read_file(const std::string &path, std::string *text)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    std::ostringstream out;
    out << in.rdbuf();
    *text = out.str();
    return true;
}

// Written beside and renamed over, so that nobody reads half a state.
bool write_file(const std::string &path, const std::string &text)
{
    std::string temp = path + ".new";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!(out << text) || !out.flush())
            return false;
    }
    return std::rename(temp.c_str(), path.c_str()) == 0;
}

bool append_lines(const std::string &path, const std::vector<std::string> &lines)
{
    if (lines.empty())
        return true;
    std::ofstream out(path, std::ios::binary | std::ios::app);
    for (const auto &line : lines)
        out << line << '\n';
    return static_cast<bool>(out.flush());
}

void set_error(std::string *error, const std::string &text)
{
    if (error)
        *error = text;
}

// The state as last read or written by this process, and the generation
// it had then. Every save writes a new generation first, so a cached state
// is used only while no process has saved since; parsing the whole host
// for every request would make a command's cost grow with the host's
// size times its number of requests. Guarded by the host lock.
struct cached_state {
    std::string dir;
    std::string generation;
    sim_host_state state;
    std::string lent_generation; // the generation of a state lent to a session
};
cached_state state_cache;

// Takes back a state that a session read and did not change.
void keep_state(const std::string &dir, sim_host_state &&state)
{
    if (state_cache.lent_generation.empty())
        return;
    state_cache = {dir, std::move(state_cache.lent_generation), std::move(state), {}};
}

std::string read_generation(const std::string &dir)
{
    std::string text;
    return read_file(dir + "/generation", &text) ? text : std::string();
}

std::string new_generation()
{
    static unsigned long counter = 0;
    auto now = std::chrono::steady_clock::now().time_since_epoch().count();
    return std::to_string(::getpid()) + ":" + std::to_string(++counter) + ":" + std::to_string(now);
}

bool load_state(const std::string &dir, sim_host_state *state, std::string *error)
{
    std::string generation = read_generation(dir);
    if (!generation.empty() && state_cache.dir == dir && state_cache.generation == generation) {
        // Lent to the session, not copied: a copy per request would cost
        // as much as the host is large. keep_state gives it back.
        *state = std::move(state_cache.state);
        state_cache.dir.clear();
        state_cache.lent_generation = std::move(state_cache.generation);
        return true;
    }
    std::string text;
    if (!read_file(dir + "/host.json", &text)) {
        bool missing = !fs::exists(dir + "/host.json");
        set_error(error, missing ? "no emulated host under " + dir : dir + ": cannot lock or read the host state");
        return false;
    }
    try {
        *state = state_from_json(json::parse(text));
    } catch (const std::exception &e) {
        set_error(error, dir + "/host.json: damaged: " + e.what());
        return false;
    }
    // A host laid out before generations were kept gets its first one now.
    if (generation.empty()) {
        generation = new_generation();
        if (!write_file(dir + "/generation", generation))
            return true;
    }
    state_cache = {dir, generation, *state, {}};
    return true;
}

bool save_state(const std::string &dir, const sim_host_state &state)
{
    std::string generation = new_generation();
    state_cache = {};
    if (!write_file(dir + "/generation", generation) ||
        !write_file(dir + "/host.json", state_to_json(state).dump(1) + "\n"))
        return false;
    state_cache = {dir, generation, state, {}};
    return true;
}

// Empties dir but for the names kept.
bool empty_dir(const fs::path &dir, const std::vector<std::string> &keep, std::string *error)
{
    std::error_code ec;
    for (const auto &entry : fs::directory_iterator(dir, ec)) {
        if (std::find(keep.begin(), keep.end(), entry.path().filename().string()) != keep.end())
            continue;
        fs::remove_all(entry.path(), ec);
        if (ec) {
            set_error(error, entry.path().string() + ": " + ec.message());
            return false;
        }
    }
    if (ec)
        set_error(error, dir.string() + ": " + ec.message());
    return !ec;
}

// The root may be new, empty, or an emulated root already; any other
// directory is somebody's files and is left alone.
bool root_may_be_recreated(const std::string &root, std::string *error)
{
    std::error_code ec;
    fs::create_directories(root, ec);
    if (ec) {
        set_error(error, root + ": " + ec.message());
        return false;
    }
    if (fs::exists(sim_state_dir(root)) || fs::is_empty(root, ec))
        return true;
    set_error(error, root + ": not empty and not an emulated host; refusing to replace it");
    return false;
}

} // namespace

sim_store::sim_store(std::string root) : root_(std::move(root))
{
}

int sim_store::transact(const std::function<void(session &)> &fn, std::string *error)
{
    std::string dir = sim_state_dir(root_);
    if (!fs::is_directory(dir)) {
        set_error(error, "no emulated host under " + root_);
        return ENOENT;
    }
    host_lock lock(dir);
    if (!lock.held()) {
        set_error(error, dir + ": cannot take the host lock");
        return EIO;
    }
    session s;
    if (!load_state(dir, &s.state, error))
        return fs::exists(dir + "/host.json") ? EIO : ENOENT;
    fn(s);
    bool saved = !s.changed || save_state(dir, s.state);
    if (!s.changed)
        keep_state(dir, std::move(s.state));
    if (!saved || !append_lines(dir + "/requests.log", s.log) ||
        (!s.frames.empty() && !append_lines(dir + "/frames.log", s.frames))) {
        set_error(error, dir + ": cannot write the host state");
        return EIO;
    }
    return 0;
}

bool sim_store::recreate(const std::function<bool(std::string *)> &build_tree, const sim_host_state &state,
                         std::string *error)
{
    if (!root_may_be_recreated(root_, error))
        return false;
    std::string dir = sim_state_dir(root_);
    std::error_code ec;
    fs::create_directories(dir, ec);
    host_lock lock(dir);
    if (!lock.held()) {
        set_error(error, dir + ": cannot take the host lock");
        return false;
    }
    // The lock file stays: another process may be waiting on it.
    if (!empty_dir(root_, {".xelsim"}, error) || !empty_dir(dir, {"lock"}, error) || !build_tree(error))
        return false;
    if (!save_state(dir, state) || !write_file(dir + "/requests.log", "")) {
        set_error(error, dir + ": cannot write the host state");
        return false;
    }
    return true;
}

int sim_store::read_log(std::string *text, std::string *error)
{
    return transact([&](session &) { read_file(sim_state_dir(root_) + "/requests.log", text); }, error);
}

int sim_store::read_frames(std::string *text, std::string *error)
{
    return transact([&](session &) { read_file(sim_state_dir(root_) + "/frames.log", text); }, error);
}

int sim_store::clear_frames(std::string *error)
{
    return transact([&](session &) { write_file(sim_state_dir(root_) + "/frames.log", ""); }, error);
}

int sim_store::clear_log(std::string *error)
{
    return transact([&](session &) { write_file(sim_state_dir(root_) + "/requests.log", ""); }, error);
}
