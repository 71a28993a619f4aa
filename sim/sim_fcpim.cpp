// The storage driver's FCP initiator module: path time-out, queue depth,
// I/O profiling, the LUN masking table and the I/O throttle of a storage
// function, and the SCSI host's scan and device delete files, whose
// effects follow the masking table.
#include "sim_fcpim.h"

#include "sim_fabric.h"
#include "sim_vport.h"

#include "xel_fcpim_records.h"

#include <cerrno>
#include <cstring>
#include <filesystem>

namespace {

namespace fs = std::filesystem;

constexpr uint16_t sim_max_path_tov = 60;
constexpr uint16_t sim_max_qdepth = 2000;
constexpr uint16_t sim_throttle_max = 2000;

sim_fcpim_state &fcpim_of(const sim_call &call)
{
    return call.st.models.fcpim;
}

// A header-only request that sets one thing of the module.
template <typename Set>
int32_t set_module(sim_call &call, Set set)
{
    if (!call.fn().storage())
        return XEL_STATUS_CMD_NOTSUPP;
    set(fcpim_of(call));
    call.changed = true;
    return XEL_STATUS_OK;
}

bool is_local_port(const sim_call &call, uint64_t pwwn)
{
    return pwwn == call.fn().pwwn || sim_find_vport(call, pwwn) != nullptr;
}

const sim_rport *find_rport(const std::vector<sim_rport> &rports, uint64_t pwwn)
{
    for (const sim_rport &r : rports)
        if (r.pwwn == pwwn)
            return &r;
    return nullptr;
}

bool same_entry(const sim_lun_mask &e, const xel_ioctl_fcpim_lunmask_t &record)
{
    return e.lp_wwn == record.pwwn && e.rp_wwn == record.rpwwn && e.lun == record.lun;
}

// The entry an add or delete names, its local port resolved, or the
// status that answers it.
int32_t lunmask_entry(sim_call &call, xel_ioctl_fcpim_lunmask_t *record)
{
    if (!call.fn().storage())
        return XEL_STATUS_CMD_NOTSUPP;
    if (record->pwwn == 0)
        record->pwwn = call.fn().pwwn;
    if (!is_local_port(call, record->pwwn))
        return XEL_STATUS_UNKNOWN_LWWN;
    if (find_rport(sim_fabric_rports(call.ref.adapter_index, call.fn()), record->rpwwn) == nullptr)
        return XEL_STATUS_UNKNOWN_RWWN;
    return XEL_STATUS_OK;
}

xel_defs_fcpim_throttle_t throttle_of(const sim_fcpim_state &f)
{
    xel_defs_fcpim_throttle_t t{};
    t.max_value = sim_throttle_max;
    t.cur_value = f.throttle_cur != 0 ? f.throttle_cur : sim_throttle_max;
    t.cfg_value = f.throttle_cfg != 0 ? f.throttle_cfg : sim_throttle_max;
    return t;
}

std::string device_name(const sim_sg_device &dev)
{
    return std::to_string(dev.host) + ":0:" + std::to_string(dev.target) + ":" + std::to_string(dev.linux_lun);
}

// "- - -" or three numbers, each of which may be "-"; a newline may follow.
bool scan_words(const std::string &text)
{
    char words[3][16];
    char extra[2];
    if (std::sscanf(text.c_str(), "%15s %15s %15s %1s", words[0], words[1], words[2], extra) != 3)
        return false;
    for (const char *w : words) {
        if (std::strcmp(w, "-") == 0)
            continue;
        for (const char *p = w; *p != '\0'; p++)
            if (*p < '0' || *p > '9')
                return false;
    }
    return true;
}

} // namespace

bool sim_lun_visible(const sim_function &fn, const sim_fcpim_state &f, const sim_rport &r, uint32_t n)
{
    if (f.lunmask != XEL_LUNMASK_ENABLED || n == 0)
        return true;
    uint64_t lun = sim_rport_lun(r, n);
    for (const sim_lun_mask &e : f.masks)
        if (e.lp_wwn == fn.pwwn && e.rp_wwn == r.pwwn && e.lun == lun)
            return true;
    return false;
}

int sim_scsi_host_scan(sim_host_state &state, const std::string &root, int host, const std::string &text)
{
    if (!scan_words(text))
        return EINVAL;
    for (size_t a = 0; a < state.topology.adapters.size(); a++)
        for (const sim_function &fn : state.topology.adapters[a].functions) {
            if (!fn.storage() || fn.host != host)
                continue;
            const sim_fcpim_state &f = state.functions.at(fn.pci).models.fcpim;
            std::vector<sim_rport> rports = sim_fabric_rports(a, fn);
            for (const sim_sg_device &dev : sim_fabric_sg_devices(state.topology)) {
                if (dev.pci != fn.pci || fs::exists(root + "/sys/class/scsi_device/" + device_name(dev)))
                    continue;
                const sim_rport &r = rports.at(dev.target);
                // A rescan finds what the target reports and the mask lets through.
                if (dev.lun_index < r.luns && sim_lun_visible(fn, f, r, dev.lun_index) &&
                    !sim_add_scsi_device(root, dev))
                    return EIO;
            }
            return 0;
        }
    return ENODEV;
}

int sim_scsi_device_delete(const sim_host_state &state, const std::string &root, const std::string &name)
{
    for (const sim_sg_device &dev : sim_fabric_sg_devices(state.topology)) {
        if (device_name(dev) != name)
            continue;
        std::error_code ec;
        fs::remove_all(root + "/sys/class/scsi_device/" + name, ec);
        fs::remove(root + "/dev/sg" + std::to_string(dev.sg), ec);
        return 0;
    }
    return ENODEV;
}

int32_t sim_fcpim_fast_failover(sim_call &call)
{
    auto record = load<xel_ioctl_fcpim_pathtov_t>(call);
    if (record.path_tov > sim_max_path_tov)
        return XEL_STATUS_EINVAL_TOV;
    return set_module(call, [&](sim_fcpim_state &f) { f.path_tov = record.path_tov; });
}

int32_t sim_fcpim_qdepth(sim_call &call)
{
    auto record = load<xel_ioctl_fcpim_qdepth_t>(call);
    if (record.q_depth > sim_max_qdepth)
        return XEL_STATUS_EINVAL_QDEPTH;
    return set_module(call, [&](sim_fcpim_state &f) { f.q_depth = record.q_depth; });
}

int32_t sim_fcpim_profile_on(sim_call &call)
{
    return set_module(call, [](sim_fcpim_state &f) { f.profile = true; });
}

int32_t sim_fcpim_profile_off(sim_call &call)
{
    return set_module(call, [](sim_fcpim_state &f) { f.profile = false; });
}

int32_t sim_fcpim_lunmask_query(sim_call &call)
{
    if (!call.fn().storage())
        return XEL_STATUS_CMD_NOTSUPP;
    const sim_fcpim_state &f = fcpim_of(call);
    std::vector<sim_rport> rports = sim_fabric_rports(call.ref.adapter_index, call.fn());
    xel_lunmask_cfg_s cfg{};
    cfg.status = f.lunmask;
    for (size_t i = 0; i < f.masks.size() && i < XEL_LUNMASK_ENTRIES; i++) {
        xel_lun_mask_s &e = cfg.lun_list[i];
        e.lp_wwn = f.masks[i].lp_wwn;
        e.rp_wwn = f.masks[i].rp_wwn;
        e.lun = f.masks[i].lun;
        const sim_rport *r = find_rport(rports, e.rp_wwn);
        e.rp_tag = static_cast<uint16_t>(r != nullptr ? r->index : 0);
        e.lp_tag = e.lp_wwn == call.fn().pwwn ? 0 : 1;
        e.state = 1;
    }
    auto record = answer_record<xel_ioctl_fcpim_lunmask_query_t>(call);
    std::memcpy(record.lmcfg, &cfg, sizeof cfg);
    store(call, record);
    return XEL_STATUS_OK;
}

int32_t sim_fcpim_lunmask_enable(sim_call &call)
{
    return set_module(call, [](sim_fcpim_state &f) { f.lunmask = XEL_LUNMASK_ENABLED; });
}

int32_t sim_fcpim_lunmask_disable(sim_call &call)
{
    return set_module(call, [](sim_fcpim_state &f) { f.lunmask = XEL_LUNMASK_DISABLED; });
}

int32_t sim_fcpim_lunmask_clear(sim_call &call)
{
    return set_module(call, [](sim_fcpim_state &f) { f.masks.clear(); });
}

int32_t sim_fcpim_lunmask_add(sim_call &call)
{
    auto record = load<xel_ioctl_fcpim_lunmask_t>(call);
    int32_t status = lunmask_entry(call, &record);
    if (status != XEL_STATUS_OK)
        return status;
    sim_fcpim_state &f = fcpim_of(call);
    for (const sim_lun_mask &e : f.masks)
        if (same_entry(e, record))
            return XEL_STATUS_ENTRY_EXISTS;
    if (f.masks.size() >= XEL_LUNMASK_ENTRIES)
        return XEL_STATUS_MAX_ENTRY_REACHED;
    f.masks.push_back({record.pwwn, record.rpwwn, record.lun});
    call.changed = true;
    store(call, record);
    return XEL_STATUS_OK;
}

int32_t sim_fcpim_lunmask_delete(sim_call &call)
{
    auto record = load<xel_ioctl_fcpim_lunmask_t>(call);
    int32_t status = lunmask_entry(call, &record);
    if (status != XEL_STATUS_OK)
        return status;
    sim_fcpim_state &f = fcpim_of(call);
    for (auto it = f.masks.begin(); it != f.masks.end(); ++it) {
        if (!same_entry(*it, record))
            continue;
        f.masks.erase(it);
        call.changed = true;
        store(call, record);
        return XEL_STATUS_OK;
    }
    return XEL_STATUS_ENTRY_NOT_EXISTS;
}

int32_t sim_fcpim_throttle_query(sim_call &call)
{
    if (!call.fn().storage())
        return XEL_STATUS_CMD_NOTSUPP;
    auto record = answer_record<xel_ioctl_fcpim_throttle_t>(call);
    record.throttle = throttle_of(fcpim_of(call));
    store(call, record);
    return XEL_STATUS_OK;
}

int32_t sim_fcpim_throttle_set(sim_call &call)
{
    uint16_t value = load<xel_ioctl_fcpim_throttle_t>(call).throttle.cfg_value;
    if (value == 0 || value > sim_throttle_max)
        return XEL_STATUS_EINVAL;
    return set_module(call, [&](sim_fcpim_state &f) { f.throttle_cfg = value; });
}

void sim_fcpim_reboot(sim_fcpim_state &f)
{
    f.throttle_cur = f.throttle_cfg;
}
