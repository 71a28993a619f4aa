// CEE (DCB) on a converged or Ethernet port: what the port learned from
// the DCB switch at the far end, and the DCBX counters.
#include "sim_port.h"

#include <arpa/inet.h>

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

// What the topology says of the port's peer: the first of the port's
// functions that says anything.
struct peer_shape {
    uint32_t reason = 0;
    uint32_t pfc_primap = 0x08;
    std::string chassis_id;
    std::string port_id;
};

peer_shape port_peer(const sim_call &call)
{
    peer_shape peer;
    for (const auto &fn : call.adapter().functions) {
        if (fn.port != call.fn().port)
            continue;
        if (peer.reason == 0)
            peer.reason = fn.cee_reason;
        if (fn.cee_pfc_primap != 0x08)
            peer.pfc_primap = fn.cee_pfc_primap;
        if (peer.chassis_id.empty())
            peer.chassis_id = fn.lldp_chassis_id;
        if (peer.port_id.empty())
            peer.port_id = fn.lldp_port_id;
    }
    return peer;
}

void put_bytes(xel_cee_lldp_str_t *field, uint8_t sub_type, const uint8_t *bytes, size_t n)
{
    field->sub_type = sub_type;
    field->len = static_cast<uint8_t>(n);
    std::memcpy(field->value, bytes, n);
}

// A chassis id by its form: a MAC address (sub-type 4), a network address
// (5, with its address family first), or a locally assigned name (7).
void put_chassis_id(xel_cee_lldp_str_t *field, const std::string &text)
{
    mac_t mac{};
    uint8_t addr[17] = {};
    if (sim_parse_mac(text, &mac)) {
        put_bytes(field, 4, mac.mac, sizeof mac.mac);
    } else if (inet_pton(AF_INET, text.c_str(), addr + 1) == 1) {
        addr[0] = 1;
        put_bytes(field, 5, addr, 5);
    } else if (inet_pton(AF_INET6, text.c_str(), addr + 1) == 1) {
        addr[0] = 2;
        put_bytes(field, 5, addr, 17);
    } else {
        put_lldp(field, 7, text);
    }
}

// A port id: a MAC address (sub-type 3), an IPv4 address (4), or an
// interface name (5).
void put_port_id(xel_cee_lldp_str_t *field, const std::string &text)
{
    mac_t mac{};
    uint8_t addr[4] = {};
    if (sim_parse_mac(text, &mac))
        put_bytes(field, 3, mac.mac, sizeof mac.mac);
    else if (inet_pton(AF_INET, text.c_str(), addr) == 1)
        put_bytes(field, 4, addr, sizeof addr);
    else
        put_lldp(field, 5, text);
}

// What the emulated switch at the far end advertises; DCB is up unless
// the topology gives a reason it is not.
void learn_from_switch(const sim_call &call, xel_cee_attr_t *a)
{
    peer_shape peer = port_peer(call);
    a->cee_status = peer.reason == 0 ? CEE_UP : CEE_PHY_UP;
    a->error_reason = static_cast<uint8_t>(peer.reason);
    if (peer.chassis_id.empty()) {
        const uint8_t chassis[6] = {0x02, 0x00, 0x00, 0x00, 0x00, static_cast<uint8_t>(0x0a + call.ref.adapter_index)};
        put_bytes(&a->lldp_remote.chassis_id, 4, chassis, sizeof chassis);
    } else {
        put_chassis_id(&a->lldp_remote.chassis_id, peer.chassis_id);
    }
    if (peer.port_id.empty())
        put_lldp(&a->lldp_remote.port_id, 5, "te0/" + std::to_string(call.fn().port + 1));
    else
        put_port_id(&a->lldp_remote.port_id, peer.port_id);
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
    d.pfc_primap = static_cast<uint8_t>(peer.pfc_primap);
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
