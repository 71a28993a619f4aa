// Logical ports: a storage function has its base port; virtual ports come
// with their own model.
#include "sim_port.h"
#include "sim_vport.h"

#include <cstdio>
#include <algorithm>
#include <cstring>
#include <vector>

namespace {

// The fabric the ports log into.
constexpr uint8_t fabric_wwn[8] = {0x10, 0x00, 0x02, 0x00, 0x00, 0x00, 0x00, 0x01};

wwn_t wwn_of(const uint8_t (&bytes)[8])
{
    wwn_t wwn;
    std::memcpy(&wwn, bytes, sizeof wwn);
    return wwn;
}

} // namespace

int32_t sim_fabric_get_lports(sim_call &call)
{
    if (!call.fn().storage())
        return XEL_STATUS_CMD_NOTSUPP;
    auto record = load<xel_ioctl_fabric_lports_t>(call);
    size_t room = (call.data.size() - sizeof record) / sizeof(wwn_t);
    if (record.nports > room)
        return XEL_STATUS_EINVAL;
    std::vector<uint64_t> wwns{call.fn().pwwn};
    for (uint64_t wwn : sim_vport_wwns(call))
        wwns.push_back(wwn);
    size_t n = std::min<size_t>(record.nports, wwns.size());
    std::memcpy(call.data.data() + sizeof record, wwns.data(), n * sizeof(wwn_t));
    record.nports = static_cast<uint32_t>(wwns.size());
    store(call, record);
    return XEL_STATUS_OK;
}

int32_t sim_lport_get_attr(sim_call &call)
{
    if (!call.fn().storage())
        return XEL_STATUS_CMD_NOTSUPP;
    auto record = load<xel_ioctl_lport_attr_t>(call);
    const sim_function &fn = call.fn();
    // A zero WWN names the base port.
    if (record.pwwn != 0 && record.pwwn != fn.pwwn) {
        const sim_vport *v = sim_find_vport(call, record.pwwn);
        if (v == nullptr)
            return XEL_STATUS_UNKNOWN_LWWN;
        sim_fill_vport_lport_attr(call, *v, &record.attr);
        store(call, record);
        return XEL_STATUS_OK;
    }
    const sim_port_state &port = sim_port_of(call);
    xel_lport_attr_t &a = record.attr;
    a = {};
    bool up = sim_link_up(call, port);
    a.state = up ? 1 : 0;
    a.pid = sim_port_address(call, port);
    a.port_cfg.pwwn = fn.pwwn;
    a.port_cfg.nwwn = fn.nwwn;
    std::snprintf(a.port_cfg.sym_name, sizeof a.port_cfg.sym_name, "%s | %s | Linux | host%d",
                  call.adapter().model.c_str(), call.adapter().driver_ver.c_str(), fn.host);
    std::snprintf(a.port_cfg.node_sym_name, sizeof a.port_cfg.node_sym_name, "%s | %s | Linux",
                  call.adapter().model.c_str(), call.adapter().driver_ver.c_str());
    a.port_cfg.roles = fn.roles;
    a.port_type = !up ? XEL_PORT_TYPE_UNKNOWN
                  : port.op_topology == XEL_PORT_TOPOLOGY_LOOP ? XEL_PORT_TYPE_NLPORT
                                                               : XEL_PORT_TYPE_NPORT;
    if (up && port.op_topology != XEL_PORT_TOPOLOGY_LOOP) {
        a.fabric_name = wwn_of(fabric_wwn);
        std::snprintf(a.fabric_ip_addr, sizeof a.fabric_ip_addr, "192.0.2.10");
    }
    if (sim_is_fcoe(call) && up) {
        uint8_t pid[4];
        std::memcpy(pid, &a.pid, sizeof pid);
        a.fpma_mac = mac_t{{0x0e, 0xfc, 0x00, pid[0], pid[1], pid[2]}};
    }
    store(call, record);
    return XEL_STATUS_OK;
}
