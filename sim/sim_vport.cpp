// Virtual ports: the FC transport's vport_create and vport_delete files of
// a SCSI host, the fc_vports entries they make, and the driver's answers
// for the virtual ports it logged in.
#include "sim_vport.h"

#include "sim_port.h"

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;

uint64_t wwn_number(uint64_t wwn)
{
    uint8_t b[8];
    std::memcpy(b, &wwn, sizeof b);
    uint64_t n = 0;
    for (uint8_t byte : b)
        n = n << 8 | byte;
    return n;
}

// 16 hex digits into wire form.
bool parse_wwn(const std::string &text, uint64_t *wwn)
{
    if (text.size() != 16)
        return false;
    uint8_t b[8];
    for (size_t i = 0; i < 8; i++) {
        unsigned v = 0;
        if (!std::isxdigit(static_cast<unsigned char>(text[2 * i])) ||
            !std::isxdigit(static_cast<unsigned char>(text[2 * i + 1])) ||
            std::sscanf(text.c_str() + 2 * i, "%2x", &v) != 1)
            return false;
        b[i] = static_cast<uint8_t>(v);
    }
    std::memcpy(wwn, b, sizeof b);
    return true;
}

// "<pwwn>:<nwwn>" with an optional newline, as the transport takes it.
bool parse_ids(std::string text, uint64_t *pwwn, uint64_t *nwwn)
{
    if (!text.empty() && text.back() == '\n')
        text.pop_back();
    if (text.size() != 33 || text[16] != ':')
        return false;
    return parse_wwn(text.substr(0, 16), pwwn) && parse_wwn(text.substr(17), nwwn);
}

std::string hex_attr(uint64_t wwn)
{
    char text[32];
    std::snprintf(text, sizeof text, "0x%llx\n", static_cast<unsigned long long>(wwn_number(wwn)));
    return text;
}

void write_file(const fs::path &path, const std::string &text)
{
    std::ofstream(path, std::ios::trunc) << text;
}

fs::path vport_dir(const std::string &root, int host, uint32_t number)
{
    return fs::path(root) / sim_vport_entry(host, number).substr(1);
}

void write_inuse(const std::string &root, int host, size_t count)
{
    write_file(root + "/sys/class/fc_host/host" + std::to_string(host) + "/npiv_vports_inuse",
               std::to_string(count) + "\n");
}

long fc_host_number(const std::string &root, int host, const char *name)
{
    std::ifstream in(root + "/sys/class/fc_host/host" + std::to_string(host) + "/" + name);
    long value = 0;
    in >> value;
    return value;
}

void make_entry(const std::string &root, int host, const sim_vport &v)
{
    fs::path dir = vport_dir(root, host, v.number);
    fs::create_directories(dir);
    for (const auto &[name, text] : sim_vport_entry_files(v))
        write_file(dir / name, text);
}

bool wwn_in_use(const sim_function &fn, const sim_vports_state &vports, uint64_t pwwn)
{
    if (pwwn == fn.pwwn)
        return true;
    for (const sim_vport &v : vports.list)
        if (v.pwwn == pwwn)
            return true;
    return false;
}

} // namespace

std::string sim_vport_entry(int host, uint32_t number)
{
    return "/sys/class/fc_vports/vport-" + std::to_string(host) + ":0-" + std::to_string(number);
}

std::vector<std::pair<std::string, std::string>> sim_vport_entry_files(const sim_vport &v)
{
    return {{"port_name", hex_attr(v.pwwn)},
            {"node_name", hex_attr(v.nwwn)},
            {"symbolic_name", ""},
            {"roles", "FCP Initiator\n"},
            {"vport_state", "Active\n"}};
}

int sim_vport_sysfs(sim_host_state &state, const std::string &root, int host, bool create, const std::string &text,
                    bool *changed)
{
    uint64_t pwwn = 0;
    uint64_t nwwn = 0;
    if (!parse_ids(text, &pwwn, &nwwn))
        return EINVAL;
    for (const sim_function_ref &ref : sim_driver_functions(state.topology, "xel")) {
        if (ref.function->host != host)
            continue;
        sim_vports_state &vports = state.functions.at(ref.function->pci).models.vports;
        if (!create) {
            for (auto it = vports.list.begin(); it != vports.list.end(); ++it) {
                if (it->pwwn != pwwn || it->nwwn != nwwn)
                    continue;
                fs::remove_all(vport_dir(root, host, it->number));
                vports.list.erase(it);
                write_inuse(root, host, vports.list.size());
                *changed = true;
                return 0;
            }
            return ENODEV;
        }
        if (static_cast<long>(vports.list.size()) >= fc_host_number(root, host, "max_npiv_vports"))
            return ENOSPC;
        if (wwn_in_use(*ref.function, vports, pwwn))
            return EEXIST;
        sim_vport v{pwwn, nwwn, vports.next++, false, false};
        vports.list.push_back(v);
        make_entry(root, host, v);
        write_inuse(root, host, vports.list.size());
        *changed = true;
        return 0;
    }
    return ENODEV;
}

const sim_vport *sim_find_vport(const sim_call &call, uint64_t pwwn)
{
    for (const sim_vport &v : call.st.models.vports.list)
        if (v.pwwn == pwwn)
            return &v;
    return nullptr;
}

std::vector<uint64_t> sim_vport_wwns(const sim_call &call)
{
    std::vector<uint64_t> wwns;
    for (const sim_vport &v : call.st.models.vports.list)
        wwns.push_back(v.pwwn);
    return wwns;
}

// A virtual port logs in behind its base port: online with it, at the
// next address of the base port's area.
void sim_fill_vport_lport_attr(const sim_call &call, const sim_vport &v, xel_lport_attr_t *a)
{
    const sim_port_state &port = sim_port_of(call);
    bool up = sim_link_up(call, port) && !v.stopped;
    *a = {};
    a->state = up ? 1 : 0;
    if (up) {
        uint32_t base = sim_port_address(call, port);
        uint8_t pid[4];
        std::memcpy(pid, &base, sizeof pid);
        pid[2] = static_cast<uint8_t>(pid[2] + 1 + v.number);
        std::memcpy(&a->pid, pid, sizeof pid);
    }
    a->port_cfg.pwwn = v.pwwn;
    a->port_cfg.nwwn = v.nwwn;
    a->port_cfg.roles = 1;
    a->port_cfg.preboot_vp = v.preboot ? 1 : 0;
    std::ifstream in(vport_dir(call.root, call.fn().host, v.number) / "symbolic_name");
    std::string name;
    std::getline(in, name);
    std::snprintf(a->port_cfg.sym_name, sizeof a->port_cfg.sym_name, "%s", name.c_str());
    a->port_type = up ? XEL_PORT_TYPE_VPORT : XEL_PORT_TYPE_UNKNOWN;
}

int32_t sim_vport_get_attr(sim_call &call)
{
    auto record = load<xel_ioctl_vport_attr_t>(call);
    const sim_vport *v = sim_find_vport(call, record.vpwwn);
    if (v == nullptr)
        return XEL_STATUS_UNKNOWN_VWWN;
    record.vport_attr = {};
    sim_fill_vport_lport_attr(call, *v, &record.vport_attr.port_attr);
    record.vport_attr.vport_state = record.vport_attr.port_attr.state == 1 ? XEL_FCS_VPORT_ONLINE
                                                                           : XEL_FCS_VPORT_OFFLINE;
    store(call, record);
    return XEL_STATUS_OK;
}

int32_t sim_vport_get_stats(sim_call &call)
{
    auto record = load<xel_ioctl_vport_stats_t>(call);
    const sim_vport *v = sim_find_vport(call, record.vpwwn);
    if (v == nullptr)
        return XEL_STATUS_UNKNOWN_VWWN;
    record.stats = {};
    if (!v->stats_cleared) {
        record.stats.num_fdisc_sent = 1;
        record.stats.fdisc_accepts = 1;
        record.stats.online_events_from_fab_sm = 1;
    }
    store(call, record);
    return XEL_STATUS_OK;
}

namespace {

// Stop logs the virtual port out of the fabric, start logs it in again;
// either is a no-op for a port already there.
int32_t sim_vport_start_stop(sim_call &call, bool stop)
{
    auto record = load<xel_ioctl_vport_t>(call);
    for (sim_vport &v : call.st.models.vports.list) {
        if (v.pwwn != record.vpwwn)
            continue;
        call.changed = call.changed || v.stopped != stop;
        v.stopped = stop;
        return XEL_STATUS_OK;
    }
    return XEL_STATUS_UNKNOWN_VWWN;
}

} // namespace

int32_t sim_vport_start(sim_call &call)
{
    return sim_vport_start_stop(call, false);
}

int32_t sim_vport_stop(sim_call &call)
{
    return sim_vport_start_stop(call, true);
}

int32_t sim_vport_reset_stats(sim_call &call)
{
    auto record = load<xel_ioctl_vport_reset_stats_t>(call);
    for (sim_vport &v : call.st.models.vports.list) {
        if (v.pwwn != record.vpwwn)
            continue;
        call.changed = call.changed || !v.stats_cleared;
        v.stats_cleared = true;
        return XEL_STATUS_OK;
    }
    return XEL_STATUS_UNKNOWN_VWWN;
}
