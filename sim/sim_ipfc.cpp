// IP over FC on a storage function: its switch, MTU and network device,
// and the ARP and FARP counters. The attribute, statistics and reset
// requests come through /dev/xelipfc, enable and disable through the
// storage driver.
#include "sim_port.h"
#include "xel_phy_records.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace {

sim_ipfc_state &ipfc_of(sim_call &call)
{
    return call.st.models.ipfc;
}

int32_t set_enabled(sim_call &call, bool enable)
{
    if (!call.fn().storage())
        return XEL_STATUS_CMD_NOTSUPP;
    ipfc_of(call).enabled = enable;
    call.changed = true;
    return XEL_STATUS_OK;
}

} // namespace

int32_t sim_ipfc_get_attr(sim_call &call)
{
    if (!call.fn().storage())
        return XEL_STATUS_CMD_NOTSUPP;
    auto record = answer_record<xel_ioctl_ipfc_attr_t>(call);
    const sim_ipfc_state &ipfc = ipfc_of(call);
    record.attr.enabled = ipfc.enabled ? 1 : 0;
    record.attr.mtu = ipfc.mtu;
    std::string name = "ipfc" + std::to_string(std::max(call.fn().host, 0));
    std::memcpy(record.attr.eth_name, name.data(), std::min(name.size(), sizeof record.attr.eth_name - 1));
    store(call, record);
    return XEL_STATUS_OK;
}

int32_t sim_ipfc_get_stats(sim_call &call)
{
    if (!call.fn().storage())
        return XEL_STATUS_CMD_NOTSUPP;
    auto record = answer_record<xel_ioctl_ipfc_stats_t>(call);
    sim_put_counters(ipfc_of(call).stats, reinterpret_cast<uint8_t *>(&record.stats), sizeof record.stats,
                     sizeof(uint32_t));
    store(call, record);
    return XEL_STATUS_OK;
}

int32_t sim_ipfc_reset_stats(sim_call &call)
{
    if (!call.fn().storage())
        return XEL_STATUS_CMD_NOTSUPP;
    ipfc_of(call).stats.clear();
    call.changed = true;
    return XEL_STATUS_OK;
}

int32_t sim_ipfc_enable(sim_call &call)
{
    return set_enabled(call, true);
}

int32_t sim_ipfc_disable(sim_call &call)
{
    return set_enabled(call, false);
}
