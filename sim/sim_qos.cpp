// FC quality of service and target rate limiting as the storage driver
// and firmware keep them. Changes are configured at once (the port
// attributes show them) and run from the port's next coming up; QoS runs
// while the link is up. QoS belongs to FC functions only.
#include "sim_port.h"

#include "xel_pcifn_records.h"
#include "xel_stats_records.h"

#include <cstring>

// The counters the fabric login of a port running QoS leaves.
void sim_qos_login(sim_port_state &port)
{
    xel_qos_stats_t stats{};
    auto at = [&](const uint32_t &field) {
        return static_cast<uint32_t>(reinterpret_cast<const uint8_t *>(&field) -
                                     reinterpret_cast<const uint8_t *>(&stats));
    };
    for (const uint32_t *field : {&stats.qos_flogi_sent, &stats.qos_flogi_acc_received, &stats.qos_elp_received,
                                  &stats.qos_elp_accepted})
        port.qos_stats[at(*field)] += 1;
}

namespace {

// Settings of the storage side only.
int32_t storage_setting(sim_call &call, void (*apply)(sim_port_state &port))
{
    if (!call.fn().storage())
        return XEL_STATUS_CMD_NOTSUPP;
    if (call.st.ioc_state != XEL_IOC_OPERATIONAL)
        return XEL_STATUS_IOC_NON_OP;
    apply(sim_port_of(call));
    call.changed = true;
    return XEL_STATUS_OK;
}

bool qos_running(const sim_call &call, const sim_port_state &port)
{
    return port.op_qos == 1 && sim_link_up(call, port);
}

} // namespace

int32_t sim_qos_get_attr(sim_call &call)
{
    if (!sim_is_fc(call))
        return XEL_STATUS_QOS_FC_ONLY;
    auto record = answer_record<xel_ioctl_qos_attr_t>(call);
    const sim_port_state &port = sim_port_of(call);
    record.attr.state = port.op_qos == 0 ? XEL_QOS_DISABLED : sim_link_up(call, port) ? XEL_QOS_ONLINE : XEL_QOS_OFFLINE;
    record.attr.total_bb_cr = 16;
    record.attr.qos_bw = {1, port.qos_bw[0], port.qos_bw[1], port.qos_bw[2]};
    record.attr.qos_bw_op = {1, port.op_qos_bw[0], port.op_qos_bw[1], port.op_qos_bw[2]};
    store(call, record);
    return XEL_STATUS_OK;
}

int32_t sim_qos_enable(sim_call &call)
{
    if (!sim_is_fc(call))
        return XEL_STATUS_QOS_FC_ONLY;
    return storage_setting(call, [](sim_port_state &port) { port.qos = 1; });
}

int32_t sim_qos_disable(sim_call &call)
{
    if (!sim_is_fc(call))
        return XEL_STATUS_QOS_FC_ONLY;
    return storage_setting(call, [](sim_port_state &port) { port.qos = 0; });
}

// Four virtual channels while QoS runs; none otherwise.
int32_t sim_qos_get_vc_attr(sim_call &call)
{
    if (!sim_is_fc(call))
        return XEL_STATUS_QOS_FC_ONLY;
    auto record = answer_record<xel_ioctl_qos_vc_attr_t>(call);
    const sim_port_state &port = sim_port_of(call);
    if (qos_running(call, port)) {
        record.attr.total_vc_count = 4;
        record.attr.shared_credit = 8;
        record.attr.elp_opmode_flags = 0x11;
        const uint8_t priorities[4] = {XEL_QOS_HIGH, XEL_QOS_MED, XEL_QOS_LOW, XEL_QOS_LOW};
        for (int i = 0; i < 4; i++)
            record.attr.vc_info[i] = {static_cast<uint8_t>(8 - 2 * i), static_cast<uint8_t>(i), priorities[i], 0};
    }
    store(call, record);
    return XEL_STATUS_OK;
}

int32_t sim_qos_get_stats(sim_call &call)
{
    if (!sim_is_fc(call))
        return XEL_STATUS_QOS_FC_ONLY;
    const sim_port_state &port = sim_port_of(call);
    auto record = answer_record<xel_ioctl_fcport_stats_t>(call);
    uint8_t stats[sizeof record.stats];
    sim_put_counters(port.qos_stats, stats, sizeof stats, sizeof(uint32_t));
    std::memcpy(&record.stats, stats, sizeof stats);
    store(call, record);
    return XEL_STATUS_OK;
}

int32_t sim_qos_reset_stats(sim_call &call)
{
    if (!sim_is_fc(call))
        return XEL_STATUS_QOS_FC_ONLY;
    sim_port_of(call).qos_stats.clear();
    call.changed = true;
    return XEL_STATUS_OK;
}

// The three shares must make up the whole link, none of them empty.
int32_t sim_qos_set_bw(sim_call &call)
{
    if (!sim_is_fc(call))
        return XEL_STATUS_QOS_FC_ONLY;
    auto record = load<xel_ioctl_qos_bw_t>(call);
    if (record.high == 0 || record.med == 0 || record.low == 0 || record.high + record.med + record.low != 100)
        return XEL_STATUS_QOS_BW_INVALID;
    sim_port_of(call).qos_bw = {record.high, record.med, record.low};
    call.changed = true;
    return XEL_STATUS_OK;
}

int32_t sim_ratelim_enable(sim_call &call)
{
    return storage_setting(call, [](sim_port_state &port) { port.ratelimit = 1; });
}

int32_t sim_ratelim_disable(sim_call &call)
{
    return storage_setting(call, [](sim_port_state &port) { port.ratelimit = 0; });
}

int32_t sim_ratelim_set_speed(sim_call &call)
{
    uint32_t speed = load<xel_ioctl_trl_speed_t>(call).speed;
    if (speed != XEL_PORT_SPEED_1GBPS && speed != XEL_PORT_SPEED_2GBPS && speed != XEL_PORT_SPEED_4GBPS &&
        speed != XEL_PORT_SPEED_8GBPS && speed != XEL_PORT_SPEED_10GBPS && speed != XEL_PORT_SPEED_16GBPS)
        return XEL_STATUS_EINVAL;
    if (speed > sim_port_max_speed(call))
        return XEL_STATUS_UNSUPP_SPEED;
    if (!call.fn().storage())
        return XEL_STATUS_CMD_NOTSUPP;
    sim_port_of(call).trl_def_speed = static_cast<uint8_t>(speed);
    call.changed = true;
    return XEL_STATUS_OK;
}
