// FC quality of service: what the firmware reports of it. QoS configured
// on runs while the link is up.
#include "sim_port.h"

int32_t sim_qos_get_attr(sim_call &call)
{
    if (!sim_is_fc(call))
        return XEL_STATUS_QOS_FC_ONLY;
    auto record = answer_record<xel_ioctl_qos_attr_t>(call);
    const sim_port_state &port = sim_port_of(call);
    record.attr.state = port.qos == 0 ? XEL_QOS_DISABLED : sim_link_up(call, port) ? XEL_QOS_ONLINE : XEL_QOS_OFFLINE;
    record.attr.total_bb_cr = 16;
    record.attr.qos_bw = {1, 60, 30, 10};
    record.attr.qos_bw_op = record.attr.qos_bw;
    store(call, record);
    return XEL_STATUS_OK;
}
