// The adapter's PCI function table as the firmware keeps it: the active
// instance the adapter runs and the configured one it starts with after
// the next host reboot. Create, delete, enable, disable, personality and
// bandwidth change the configured instance only. Also the vHBA side of a
// storage function: its attributes, enable and disable.
#include "sim_fcpim.h"
#include "sim_port.h"

#include "xel_pcifn_records.h"
#include "xel_fcpim_records.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

namespace {

// The functions of one port the firmware lets a port have.
constexpr uint8_t sim_port_max_pfs = 8;
// The adapter that partitions its ports.
constexpr uint16_t sim_partition_device = 0x22;

xel_ablk_cfg_t table_of(const sim_call &call)
{
    xel_ablk_cfg_t cfg{};
    const auto &bytes = call.host.pcifn_tables.at(call.ref.adapter_index);
    std::memcpy(&cfg, bytes.data(), std::min(bytes.size(), sizeof cfg));
    return cfg;
}

void save_table(sim_call &call, const xel_ablk_cfg_t &cfg)
{
    auto &bytes = call.host.pcifn_tables.at(call.ref.adapter_index);
    bytes.assign(reinterpret_cast<const uint8_t *>(&cfg), reinterpret_cast<const uint8_t *>(&cfg) + sizeof cfg);
    call.changed = true;
}

void set_resources(xel_ablk_cfg_pf_t *pf)
{
    bool fc = pf->pers == XEL_PCIFN_CLASS_FC;
    pf->num_qpairs = fc ? 1 : 8;
    pf->num_vectors = fc ? 2 : 16;
}

bool operational(const sim_call &call)
{
    return call.st.ioc_state == XEL_IOC_OPERATIONAL;
}

int count_on_port(const xel_ablk_cfg_inst_t &inst, uint8_t port)
{
    int count = 0;
    for (const auto &pf : inst.pf_cfg)
        count += pf.valid && pf.port_id == port;
    return count;
}

// The function a request names, configured, of its personality. The
// functions the adapter was built with stay: they cannot be deleted.
int32_t configured_function(const sim_call &call, const xel_ioctl_pcifn_t &record, xel_ablk_cfg_t *cfg,
                            bool check_class)
{
    if (!operational(call))
        return XEL_STATUS_IOC_NON_OP;
    *cfg = table_of(call);
    if (record.pcifn_id >= XEL_ABLK_MAX_PFS)
        return XEL_STATUS_INV_PCIFN;
    const xel_ablk_cfg_pf_t &pf = cfg->inst[XEL_ABLK_CONFIGURED].pf_cfg[record.pcifn_id];
    if (!pf.valid || (check_class && pf.pers != record.pcifn_class))
        return XEL_STATUS_INV_PCIFN;
    return XEL_STATUS_OK;
}

bool base_function(const sim_call &call, uint16_t pcifn)
{
    for (const auto &fn : call.adapter().functions)
        if (fn.pci_function() == pcifn)
            return std::find(call.host.vnics.begin(), call.host.vnics.end(), fn.pci) == call.host.vnics.end();
    return false;
}

bool valid_bandwidth(uint16_t bw_min, uint16_t bw_max)
{
    return bw_max != 0 && bw_max <= 100 && bw_min <= bw_max;
}

} // namespace

std::vector<uint8_t> sim_initial_pcifn_table(const sim_adapter &adapter, bool optrom)
{
    xel_ablk_cfg_t cfg{};
    xel_ablk_cfg_inst_t &inst = cfg.inst[XEL_ABLK_ACTIVE];
    inst.nports = static_cast<uint8_t>(adapter.nports);
    inst.max_pfs = XEL_ABLK_MAX_PFS;
    for (uint32_t p = 0; p < adapter.nports && p < XEL_ABLK_MAX_PORTS; p++)
        inst.port_cfg[p] = {static_cast<uint8_t>(adapter.port_mode), static_cast<uint8_t>(adapter.port_mode),
                            sim_port_max_pfs, 0, {}};
    for (const auto &fn : adapter.functions) {
        uint32_t number = fn.pci_function();
        if (number >= XEL_ABLK_MAX_PFS)
            continue;
        xel_ablk_cfg_pf_t &pf = inst.pf_cfg[number];
        pf.pers = fn.ioc_type == XEL_IOC_TYPE_LL ? XEL_PCIFN_CLASS_ETH : XEL_PCIFN_CLASS_FC;
        pf.port_id = static_cast<uint8_t>(fn.port);
        pf.optrom = optrom;
        pf.valid = 1;
        pf.enabled = 1;
        pf.bw_max = 100;
        set_resources(&pf);
    }
    cfg.inst[XEL_ABLK_CONFIGURED] = inst;
    const auto *bytes = reinterpret_cast<const uint8_t *>(&cfg);
    return {bytes, bytes + sizeof cfg};
}

int32_t sim_pcifn_cfg_get(sim_call &call)
{
    auto record = answer_record<xel_ioctl_ablk_cfg_t>(call);
    record.cfg = table_of(call);
    store(call, record);
    return XEL_STATUS_OK;
}

int32_t sim_pcifn_create(sim_call &call)
{
    auto record = load<xel_ioctl_pcifn_t>(call);
    if (!operational(call))
        return XEL_STATUS_IOC_NON_OP;
    if (call.adapter().device_id != sim_partition_device)
        return XEL_STATUS_FEATURE_NOT_SUPPORTED;
    if (record.pcifn_class != XEL_PCIFN_CLASS_FC && record.pcifn_class != XEL_PCIFN_CLASS_ETH)
        return XEL_STATUS_EINVAL;
    if (record.port >= call.adapter().nports)
        return XEL_STATUS_EINVAL;
    if (!valid_bandwidth(record.bw_min, record.bw_max))
        return XEL_STATUS_INVALID_BW;
    xel_ablk_cfg_t cfg = table_of(call);
    xel_ablk_cfg_inst_t &inst = cfg.inst[XEL_ABLK_CONFIGURED];
    if (count_on_port(inst, record.port) >= sim_port_max_pfs)
        return XEL_STATUS_MAXPF;
    for (uint16_t number = 0; number < XEL_ABLK_MAX_PFS; number++) {
        xel_ablk_cfg_pf_t &pf = inst.pf_cfg[number];
        if (pf.valid)
            continue;
        pf = {};
        pf.pers = static_cast<uint16_t>(record.pcifn_class);
        pf.port_id = record.port;
        pf.optrom = call.host.optrom_enabled.at(call.ref.adapter_index);
        pf.valid = 1;
        pf.enabled = 1;
        pf.bw_min = record.bw_min;
        pf.bw_max = record.bw_max;
        set_resources(&pf);
        save_table(call, cfg);
        record.pcifn_id = number;
        store(call, record);
        return XEL_STATUS_OK;
    }
    return XEL_STATUS_MAXPF;
}

int32_t sim_pcifn_delete(sim_call &call)
{
    auto record = load<xel_ioctl_pcifn_t>(call);
    xel_ablk_cfg_t cfg{};
    int32_t status = configured_function(call, record, &cfg, true);
    if (status != XEL_STATUS_OK)
        return status;
    if (base_function(call, record.pcifn_id))
        return XEL_STATUS_FN0_DELETE;
    cfg.inst[XEL_ABLK_CONFIGURED].pf_cfg[record.pcifn_id] = {};
    save_table(call, cfg);
    return XEL_STATUS_OK;
}

int32_t sim_pcifn_set_bw(sim_call &call)
{
    auto record = load<xel_ioctl_pcifn_t>(call);
    xel_ablk_cfg_t cfg{};
    int32_t status = configured_function(call, record, &cfg, true);
    if (status != XEL_STATUS_OK)
        return status;
    if (!valid_bandwidth(record.bw_min, record.bw_max))
        return XEL_STATUS_INVALID_BW;
    xel_ablk_cfg_pf_t &pf = cfg.inst[XEL_ABLK_CONFIGURED].pf_cfg[record.pcifn_id];
    pf.bw_min = record.bw_min;
    pf.bw_max = record.bw_max;
    save_table(call, cfg);
    return XEL_STATUS_OK;
}

namespace {

int32_t set_function_enabled(sim_call &call, bool enabled)
{
    auto record = load<xel_ioctl_pcifn_t>(call);
    xel_ablk_cfg_t cfg{};
    int32_t status = configured_function(call, record, &cfg, false);
    if (status != XEL_STATUS_OK)
        return status;
    cfg.inst[XEL_ABLK_CONFIGURED].pf_cfg[record.pcifn_id].enabled = enabled;
    save_table(call, cfg);
    return XEL_STATUS_OK;
}

} // namespace

int32_t sim_pcifn_enable(sim_call &call)
{
    return set_function_enabled(call, true);
}

int32_t sim_pcifn_disable(sim_call &call)
{
    return set_function_enabled(call, false);
}

int32_t sim_pcifn_cfg_type(sim_call &call)
{
    auto record = load<xel_ioctl_pcifn_t>(call);
    if (record.pcifn_class != XEL_PCIFN_CLASS_FC && record.pcifn_class != XEL_PCIFN_CLASS_ETH)
        return XEL_STATUS_EINVAL;
    xel_ablk_cfg_t cfg{};
    int32_t status = configured_function(call, record, &cfg, false);
    if (status != XEL_STATUS_OK)
        return status;
    xel_ablk_cfg_pf_t &pf = cfg.inst[XEL_ABLK_CONFIGURED].pf_cfg[record.pcifn_id];
    pf.pers = static_cast<uint16_t>(record.pcifn_class);
    set_resources(&pf);
    save_table(call, cfg);
    return XEL_STATUS_OK;
}

namespace {

// The interface name the network driver gives a function it finds: one
// past the highest "ethN" in use.
std::string next_eth_name(const sim_topology &topology)
{
    int next = 0;
    for (const auto &ad : topology.adapters)
        for (const auto &fn : ad.functions)
            if (fn.eth_name.starts_with("eth") && fn.eth_name.size() > 3 &&
                fn.eth_name.find_first_not_of("0123456789", 3) == std::string::npos)
                next = std::max(next, std::stoi(fn.eth_name.substr(3)) + 1);
    return "eth" + std::to_string(next);
}

bool enumerable(const xel_ablk_cfg_pf_t &pf)
{
    return pf.valid && pf.enabled && pf.pers == XEL_PCIFN_CLASS_ETH;
}

// The Ethernet functions an adapter's active table enables that it does
// not have yet (single-digit PCI function numbers): the vNICs created
// before the reboot, with the identities the firmware gives them; and the
// ones enumerated so that the table no longer enables.
void enumerate_functions(sim_host_state &state, size_t index, sim_reboot_changes *changes)
{
    sim_adapter &ad = state.topology.adapters.at(index);
    if (ad.functions.empty())
        return;
    xel_ablk_cfg_t cfg{};
    const auto &bytes = state.pcifn_tables.at(index);
    std::memcpy(&cfg, bytes.data(), std::min(bytes.size(), sizeof cfg));
    std::string device = ad.functions.front().pci.substr(0, ad.functions.front().pci.size() - 1);
    for (uint32_t id = 0; id < 8; id++) {
        const xel_ablk_cfg_pf_t &pf = cfg.inst[XEL_ABLK_ACTIVE].pf_cfg[id];
        std::string pci = device + std::to_string(id);
        auto found = std::find_if(ad.functions.begin(), ad.functions.end(), [&](auto &fn) { return fn.pci == pci; });
        auto vnic = std::find(state.vnics.begin(), state.vnics.end(), pci);
        if (found != ad.functions.end() && vnic != state.vnics.end() && !enumerable(pf)) {
            ad.functions.erase(found);
            state.functions.erase(pci);
            state.vnics.erase(vnic);
            changes->removed.push_back(pci);
            continue;
        }
        if (found != ad.functions.end() || !enumerable(pf))
            continue;
        sim_function fn;
        fn.pci = pci;
        fn.ioc_type = XEL_IOC_TYPE_LL;
        fn.port = pf.port_id;
        fn.mac = sim_default_mac(fn);
        fn.eth_name = next_eth_name(state.topology);
        state.functions[pci] = sim_initial_function_state(fn);
        auto after = [&](const sim_function &f) { return f.pci > pci; }; // PCI order, as the driver lists them
        ad.functions.insert(std::find_if(ad.functions.begin(), ad.functions.end(), after), fn);
        state.vnics.push_back(pci);
        changes->added.push_back(pci);
    }
}

} // namespace

sim_reboot_changes sim_reboot_host(sim_host_state &state)
{
    sim_reboot_changes changes;
    for (size_t index = 0; index < state.pcifn_tables.size(); index++) {
        auto &bytes = state.pcifn_tables[index];
        xel_ablk_cfg_t cfg{};
        std::memcpy(&cfg, bytes.data(), std::min(bytes.size(), sizeof cfg));
        cfg.inst[XEL_ABLK_ACTIVE] = cfg.inst[XEL_ABLK_CONFIGURED];
        std::memcpy(bytes.data(), &cfg, std::min(bytes.size(), sizeof cfg));
        enumerate_functions(state, index, &changes);
    }
    for (auto &[key, port] : state.ports)
        sim_port_come_up(port);
    for (auto &[pci, fn] : state.functions)
        sim_fcpim_reboot(fn.models.fcpim);
    return changes;
}

// ---- vHBA -------------------------------------------------------------------

int32_t sim_vhba_get_attr(sim_call &call)
{
    if (!call.fn().storage())
        return XEL_STATUS_CMD_NOTSUPP;
    auto record = answer_record<xel_ioctl_vhba_attr_t>(call);
    record.pcifn_id = load<xel_ioctl_vhba_attr_t>(call).pcifn_id;
    xel_vhba_attr_t &attr = record.attr;
    attr.pwwn = call.fn().pwwn;
    attr.nwwn = call.fn().nwwn;
    attr.path_tov = call.st.models.fcpim.path_tov;
    attr.plog_enabled = call.st.portlog;
    attr.io_profile = call.st.models.fcpim.profile ? 1 : 0;
    attr.coalesce = call.st.coalesce;
    attr.delay = call.st.delay;
    attr.latency = call.st.latency;
    store(call, record);
    return XEL_STATUS_OK;
}

// ---- the initiator module's statistics ----------------------------------------

std::map<uint32_t, uint32_t> sim_initial_im_stats()
{
    return {{offsetof(xel_itnim_iostats_t, total_io), 1024},
            {offsetof(xel_itnim_iostats_t, data_in_bound_requests), 640},
            {offsetof(xel_itnim_iostats_t, data_out_bound_requests), 384},
            {offsetof(xel_itnim_iostats_t, total_io_completions), 1024},
            {offsetof(xel_itnim_iostats_t, write_data_transferred_in_bytes), 1572864},
            {offsetof(xel_itnim_iostats_t, read_data_transferred_in_bytes), 2621440}};
}

int32_t sim_fcpim_get_modstats(sim_call &call)
{
    if (!call.fn().storage())
        return XEL_STATUS_CMD_NOTSUPP;
    auto record = answer_record<xel_ioctl_fcpim_modstats_t>(call);
    std::map<uint32_t, uint64_t> counters(call.st.im_stats.begin(), call.st.im_stats.end());
    uint8_t stats[sizeof record.stats];
    sim_put_counters(counters, stats, sizeof stats, sizeof(uint32_t));
    std::memcpy(&record.stats, stats, sizeof stats);
    sim_add_traffic(call, &record.stats);
    store(call, record);
    return XEL_STATUS_OK;
}

int32_t sim_fcpim_clr_modstats(sim_call &call)
{
    if (!call.fn().storage())
        return XEL_STATUS_CMD_NOTSUPP;
    call.st.im_stats.clear();
    call.changed = true;
    return XEL_STATUS_OK;
}

// No nexus has been deleted on the emulated fabric.
int32_t sim_fcpim_get_del_itn_stats(sim_call &call)
{
    if (!call.fn().storage())
        return XEL_STATUS_CMD_NOTSUPP;
    store(call, answer_record<xel_ioctl_fcpim_del_itn_stats_t>(call));
    return XEL_STATUS_OK;
}
