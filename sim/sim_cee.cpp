// CEE (DCB) on a converged or Ethernet port: what the port learned from
// the DCB switch at the far end, and the DCBX counters.
#include "sim_port.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace {

void put_lldp(xel_cee_lldp_str_t *field, uint8_t sub_type, const std::string &text)
{
    field->sub_type = sub_type;
    field->len = static_cast<uint8_t>(std::min<size_t>(text.size(), sizeof field->value));
    std::memcpy(field->value, text.data(), field->len);
}

// The port sends LLDP from its base function's MAC: the lowest PCI
// function of the port, whichever function is asked.
const sim_function &base_function(const sim_call &call)
{
    const sim_function *base = &call.fn();
    for (const auto &fn : call.adapter().functions)
        if (fn.port == base->port && fn.pci < base->pci)
            base = &fn;
    return *base;
}

// DCB up with what the emulated switch at the far end advertises.
void learn_from_switch(const sim_call &call, xel_cee_attr_t *a)
{
    a->cee_status = CEE_UP;
    const uint8_t chassis[6] = {0x02, 0x00, 0x00, 0x00, 0x00, static_cast<uint8_t>(0x0a + call.ref.adapter_index)};
    a->lldp_remote.chassis_id.sub_type = 4;
    a->lldp_remote.chassis_id.len = sizeof chassis;
    std::memcpy(a->lldp_remote.chassis_id.value, chassis, sizeof chassis);
    put_lldp(&a->lldp_remote.port_id, 5, "te0/" + std::to_string(call.fn().port + 1));
    put_lldp(&a->lldp_remote.port_desc, 0, "10GbE DCB port");
    put_lldp(&a->lldp_remote.sys_name, 0, "dcb-switch-1");
    put_lldp(&a->lldp_remote.sys_desc, 0, "Emulated DCB switch");
    a->lldp_remote.time_to_live = 120;
    a->lldp_remote.enabled_system_cap = 4 | 16; // bridge, router
    xel_cee_dcbx_cfg_t &d = a->dcbx_remote;
    const uint8_t pgid[8] = {0, 0, 0, 1, 0, 0, 0, 0};
    std::memcpy(d.pgid, pgid, sizeof pgid);
    d.pg_percentage[0] = 60;
    d.pg_percentage[1] = 40;
    d.pfc_primap = 0x08;
    d.fcoe_primap = 0x08;
    d.dcbx_version = 2;
    d.lls_fcoe = 2;
    d.lls_lan = 2;
    a->link_speed = XEL_PORT_SPEED_10GBPS;
    a->nw_priority = 0;
}

} // namespace

// What the port learned from the DCB switch at the far end; with the
// physical link down, only that.
int32_t sim_cee_get_attr(sim_call &call)
{
    if (sim_is_fc(call))
        return XEL_STATUS_CMD_NOTSUPP;
    auto record = load<xel_ioctl_cee_t>(call);
    if (record.bufsz < sizeof(xel_cee_attr_t))
        return XEL_STATUS_EINVAL;
    const sim_port_state &port = sim_port_of(call);
    xel_cee_attr_t a{};
    a.src_mac = base_function(call).mac;
    if (!sim_port_has_link(port)) {
        a.cee_status = CEE_PHY_DOWN;
        a.error_reason = CEE_PHY_LINK_DOWN;
    } else if (port.loopback) {
        // Only its own frames come back: no switch to learn from.
        a.cee_status = CEE_LOOPBACK;
        a.link_speed = XEL_PORT_SPEED_10GBPS;
    } else {
        learn_from_switch(call, &a);
    }
    std::memcpy(call.data.data() + sizeof record, &a, sizeof a);
    return XEL_STATUS_OK;
}

int32_t sim_cee_get_stats(sim_call &call)
{
    if (sim_is_fc(call))
        return XEL_STATUS_CMD_NOTSUPP;
    auto record = load<xel_ioctl_cee_t>(call);
    if (record.bufsz < sizeof(xel_cee_stats_t))
        return XEL_STATUS_EINVAL;
    sim_put_counters(sim_port_of(call).cee_stats, call.data.data() + sizeof record, sizeof(xel_cee_stats_t),
                     sizeof(uint32_t));
    return XEL_STATUS_OK;
}

int32_t sim_cee_reset_stats(sim_call &call)
{
    if (sim_is_fc(call))
        return XEL_STATUS_CMD_NOTSUPP;
    sim_port_of(call).cee_stats.clear();
    call.changed = true;
    return XEL_STATUS_OK;
}
