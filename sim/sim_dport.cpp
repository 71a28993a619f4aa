// D-port: an FC port taken out of service to run diagnostics with the
// switch port at the far end.
#include "sim_port.h"

namespace {

int32_t set_dport(sim_call &call, bool on)
{
    if (!sim_is_fc(call))
        return XEL_STATUS_CMD_NOTSUPP;
    sim_port_state &port = sim_port_of(call);
    if (port.dport == on)
        return on ? XEL_STATUS_DPORT_ENABLED : XEL_STATUS_DPORT_DISABLED;
    port.dport = on;
    call.changed = true;
    return XEL_STATUS_OK;
}

} // namespace

int32_t sim_dport_enable(sim_call &call)
{
    return set_dport(call, true);
}

int32_t sim_dport_disable(sim_call &call)
{
    return set_dport(call, false);
}

int32_t sim_dport_get_state(sim_call &call)
{
    if (!sim_is_fc(call))
        return XEL_STATUS_CMD_NOTSUPP;
    auto record = answer_record<xel_ioctl_dport_state_t>(call);
    record.state = sim_port_of(call).dport ? XEL_DPORT_ST_ENABLED : XEL_DPORT_ST_DISABLED;
    store(call, record);
    return XEL_STATUS_OK;
}
