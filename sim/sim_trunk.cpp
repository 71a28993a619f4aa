// The trunk: the two FC ports of a trunk-capable adapter bundled into one
// logical link. Each member is a port of its own that the trunk requests
// mark as bundled; the trunk's state and speed follow its members.
#include "sim_port.h"

#include <cstring>

namespace {

// The switch port at the far end of an FC port.
wwn_t switch_port_wwn(const sim_call &call, uint32_t port)
{
    const uint8_t bytes[8] = {0x20, static_cast<uint8_t>(0x10 + port), 0x02, 0x00, 0x00, 0x00, 0x00,
                              static_cast<uint8_t>(0x0a + call.ref.adapter_index)};
    wwn_t wwn;
    std::memcpy(&wwn, bytes, sizeof wwn);
    return wwn;
}

// A member link is up while its port's FC function reports link up on a
// port that is still bundled.
bool member_up(const sim_call &call, uint32_t member, const sim_port_state &port)
{
    if (!port.trunked)
        return false;
    for (const auto &fn : call.adapter().functions)
        if (fn.port == member && fn.ioc_type == XEL_IOC_TYPE_FC)
            return sim_side_state(fn, call.host.functions.at(fn.pci), port) == XEL_PORT_ST_LINKUP;
    return false;
}

// One member link as the trunk reports it; its speed, 0 while it is down.
uint32_t fill_member(const sim_call &call, uint32_t member, xel_trunk_link_attr_s *link)
{
    const sim_adapter &ad = call.adapter();
    const sim_port_state &port = call.host.ports[sim_port_key(ad, member)];
    bool up = member_up(call, member, port);
    uint32_t speed = 0;
    if (up)
        speed = port.op_speed == XEL_PORT_SPEED_AUTO ? ad.max_speed : uint32_t{port.op_speed};
    link->trunk_wwn = switch_port_wwn(call, member);
    link->fctl = XEL_TRUNK_LINK_FCTL_NORMAL;
    link->link_state = up ? XEL_TRUNK_LINK_STATE_UP : XEL_TRUNK_LINK_STATE_DN_LINKDN;
    link->speed = speed;
    link->deskew = up ? 12 * member : 0;
    return speed;
}

int32_t set_trunked(sim_call &call, bool trunked)
{
    sim_port_of(call).trunked = trunked;
    call.changed = true;
    return XEL_STATUS_OK;
}

} // namespace

int32_t sim_port_enable_trunk(sim_call &call)
{
    if (!sim_is_fc(call))
        return XEL_STATUS_CMD_NOTSUPP;
    if (!call.adapter().trunk_capable)
        return XEL_STATUS_TRUNK_UNSUPP_SINGLE_PORT;
    return set_trunked(call, true);
}

int32_t sim_port_disable_trunk(sim_call &call)
{
    if (!sim_is_fc(call))
        return XEL_STATUS_CMD_NOTSUPP;
    return set_trunked(call, false);
}

// The trunk as its members see it, whichever function is asked: online
// while a member link is up; its speed the sum of the members up.
int32_t sim_port_get_trunk_attr(sim_call &call)
{
    if (!sim_is_fc(call))
        return XEL_STATUS_CMD_NOTSUPP;
    auto record = answer_record<xel_ioctl_trunk_attr_t>(call);
    xel_trunk_attr_s &t = record.attr;
    if (sim_port_of(call).trunked) {
        uint32_t total = 0;
        for (uint32_t member = 0; member < 2 && member < call.adapter().nports; member++)
            total += fill_member(call, member, &t.link_attr[member]);
        t.state = total != 0 ? XEL_TRUNK_ONLINE : XEL_TRUNK_OFFLINE;
        t.speed = total;
        t.port_id = total != 0 ? sim_fc_address(static_cast<uint8_t>(0x0a + call.ref.adapter_index), 0x10, 0) : 0;
    }
    store(call, record);
    return XEL_STATUS_OK;
}
