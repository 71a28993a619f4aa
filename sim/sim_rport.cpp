// The storage driver's answers about the fabric a base port logged into:
// its remote ports, their SCSI addresses and speeds, the nexus with each
// target, and the logical port's, remote ports' and fabric's counters.
// Without a link the port has found nothing.
#include "sim_fabric.h"
#include "sim_port.h"
#include "sim_vport.h"

#include "xel_fabric_records.h"

#include <cstdio>
#include <cstring>
#include <map>

namespace {

// The remote ports the function's port has found: none unless it is
// logged in.
std::vector<sim_rport> found_rports(const sim_call &call)
{
    if (sim_port_address(call, sim_port_of(call)) == 0)
        return {};
    return sim_fabric_rports(call.ref.adapter_index, call.fn());
}

// The logical port a request names: the base port, also by a zero WWN.
bool is_base_port(const sim_call &call, wwn_t pwwn)
{
    return pwwn == 0 || pwwn == call.fn().pwwn;
}

// A virtual port logged in through the base port finds the same remote
// ports; a stopped one has logged out of the fabric.
bool is_logged_in_vport(const sim_call &call, wwn_t pwwn)
{
    const sim_vport *v = sim_find_vport(call, pwwn);
    return v != nullptr && !v->stopped;
}

const sim_rport *find_rport(const std::vector<sim_rport> &rports, wwn_t rpwwn)
{
    for (const auto &r : rports)
        if (r.pwwn == rpwwn)
            return &r;
    return nullptr;
}

// The remote port a request names, or the status that answers it.
int32_t named_rport(const sim_call &call, wwn_t lpwwn, wwn_t rpwwn, std::vector<sim_rport> *rports,
                    const sim_rport **rport)
{
    if (!call.fn().storage())
        return XEL_STATUS_CMD_NOTSUPP;
    if (!is_base_port(call, lpwwn) && !is_logged_in_vport(call, lpwwn))
        return XEL_STATUS_UNKNOWN_LWWN;
    *rports = found_rports(call);
    *rport = find_rport(*rports, rpwwn);
    return *rport ? XEL_STATUS_OK : XEL_STATUS_UNKNOWN_RWWN;
}

bool cleared(const sim_call &call, const std::string &what)
{
    return call.st.fabric_cleared.count(what) != 0;
}

void clear(sim_call &call, const std::string &what)
{
    call.changed = call.st.fabric_cleared.insert(what).second || call.changed;
}

template <typename Stats>
void put(Stats *stats, const std::map<size_t, uint32_t> &counters)
{
    auto *bytes = reinterpret_cast<uint8_t *>(stats);
    for (const auto &[offset, value] : counters)
        std::memcpy(bytes + offset, &value, sizeof value);
}

// What the port's logins left in the counters.
void lport_counters(xel_lport_stats_t *s)
{
    put(s, {{offsetof(xel_lport_stats_t, ns_plogi_sent), 1},
            {offsetof(xel_lport_stats_t, ns_plogi_accepts), 1},
            {offsetof(xel_lport_stats_t, ns_rspnid_sent), 1},
            {offsetof(xel_lport_stats_t, ns_rspnid_accepts), 1},
            {offsetof(xel_lport_stats_t, ns_rftid_sent), 1},
            {offsetof(xel_lport_stats_t, ns_rftid_accepts), 1},
            {offsetof(xel_lport_stats_t, ns_rffid_sent), 1},
            {offsetof(xel_lport_stats_t, ns_rffid_accepts), 1},
            {offsetof(xel_lport_stats_t, ns_gidft_sent), 1},
            {offsetof(xel_lport_stats_t, ns_gidft_accepts), 1},
            {offsetof(xel_lport_stats_t, ms_plogi_sent), 1},
            {offsetof(xel_lport_stats_t, ms_plogi_accepts), 1},
            {offsetof(xel_lport_stats_t, num_of_rscn_received), 2},
            {offsetof(xel_lport_stats_t, num_portid_format_rscn_rcvd), 2},
            {offsetof(xel_lport_stats_t, received_plogi), 1},
            {offsetof(xel_lport_stats_t, received_prli), 1}});
}

void iostats_counters(xel_itnim_iostats_t *s, uint32_t scale)
{
    put(s, {{offsetof(xel_itnim_iostats_t, total_io), 1200 * scale},
            {offsetof(xel_itnim_iostats_t, data_in_bound_requests), 800 * scale},
            {offsetof(xel_itnim_iostats_t, data_out_bound_requests), 400 * scale},
            {offsetof(xel_itnim_iostats_t, total_io_completions), 1200 * scale},
            {offsetof(xel_itnim_iostats_t, read_data_transferred_in_bytes), 3276800 * scale},
            {offsetof(xel_itnim_iostats_t, write_data_transferred_in_bytes), 1638400 * scale}});
}

// What the function's traffic has added to one disk nexus's counters by
// the host's clock; the 32-bit counters wrap as the firmware's do.
void traffic_counters(const sim_call &call, xel_itnim_iostats_t *s, uint32_t nexuses)
{
    uint64_t seconds = call.host.clock_ms / 1000 * nexuses;
    s->total_io = static_cast<uint32_t>(s->total_io + call.fn().io_rate * seconds);
    s->total_io_completions = static_cast<uint32_t>(s->total_io_completions + call.fn().io_rate * seconds);
    s->read_data_transferred_in_bytes =
        static_cast<uint32_t>(s->read_data_transferred_in_bytes + call.fn().byte_rate * seconds);
}

int32_t rport_pair_answer(sim_call &call, const char *what)
{
    auto record = load<xel_ioctl_rport_t>(call);
    std::vector<sim_rport> rports;
    const sim_rport *rport = nullptr;
    int32_t status = named_rport(call, record.pwwn, record.rpwwn, &rports, &rport);
    if (status == XEL_STATUS_OK)
        clear(call, what + std::to_string(rport->index));
    return status;
}

} // namespace

namespace {

uint32_t disk_nexuses(const sim_call &call)
{
    uint32_t disks = 0;
    for (const auto &r : found_rports(call))
        disks += r.has_scsi_devices() ? 1 : 0;
    return disks;
}

} // namespace

void sim_add_traffic(const sim_call &call, xel_itnim_iostats_t *stats)
{
    traffic_counters(call, stats, disk_nexuses(call));
}

int32_t sim_lport_get_rports(sim_call &call)
{
    if (!call.fn().storage())
        return XEL_STATUS_CMD_NOTSUPP;
    auto record = load<xel_ioctl_lport_rports_t>(call);
    if (!is_base_port(call, record.pwwn) && !is_logged_in_vport(call, record.pwwn))
        return XEL_STATUS_UNKNOWN_LWWN;
    size_t room = (call.data.size() - sizeof record) / sizeof(xel_rport_qualifier_t);
    if (record.nrports > room)
        return XEL_STATUS_EINVAL;
    std::vector<sim_rport> rports = found_rports(call);
    for (size_t i = 0; i < rports.size() && i < record.nrports; i++) {
        xel_rport_qualifier_t q{rports[i].pwwn, rports[i].pid, 0};
        std::memcpy(call.data.data() + sizeof record + i * sizeof q, &q, sizeof q);
    }
    record.nrports = static_cast<uint32_t>(rports.size());
    store(call, record);
    return XEL_STATUS_OK;
}

int32_t sim_rport_get_attr(sim_call &call)
{
    auto record = load<xel_ioctl_rport_attr_t>(call);
    std::vector<sim_rport> rports;
    const sim_rport *r = nullptr;
    int32_t status = named_rport(call, record.pwwn, record.rpwwn, &rports, &r);
    if (status != XEL_STATUS_OK)
        return status;
    if (record.pid != 0 && record.pid != r->pid)
        return XEL_STATUS_UNKNOWN_RWWN;
    xel_rport_attr_t &a = record.attr;
    a = {};
    a.nwwn = r->nwwn;
    a.pwwn = r->pwwn;
    a.cos_supported = XEL_FC_CLASS_3;
    a.pid = r->pid;
    a.df_sz = 2048;
    a.state = XEL_RPORT_ONLINE;
    a.fc_cos = r->kind == sim_rport_kind::array ? (XEL_FC_CLASS_2 | XEL_FC_CLASS_3) : XEL_FC_CLASS_3;
    a.cisc = r->kind == sim_rport_kind::tape ? 0 : 1;
    std::snprintf(a.symname, sizeof a.symname, "%s", r->symname.c_str());
    a.scsi_function = r->scsi_target() ? XEL_RPORT_SCSI_TARGET : XEL_RPORT_SCSI_INITIATOR;
    a.qos_attr.qos_priority = r->qos_priority;
    a.qos_attr.qos_flow_id = r->qos_flow_id;
    a.curr_speed = r->speed;
    a.trl_enforced = r->trl_enforced ? 1 : 0;
    auto assigned = call.st.rport_speeds.find(r->index);
    a.assigned_speed = assigned == call.st.rport_speeds.end() ? 0 : assigned->second;
    store(call, record);
    return XEL_STATUS_OK;
}

int32_t sim_rport_get_stats(sim_call &call)
{
    auto record = load<xel_ioctl_rport_stats_t>(call);
    std::vector<sim_rport> rports;
    const sim_rport *r = nullptr;
    int32_t status = named_rport(call, record.pwwn, record.rpwwn, &rports, &r);
    if (status != XEL_STATUS_OK)
        return status;
    record.stats = {};
    if (!cleared(call, "rport:" + std::to_string(r->index))) {
        xel_rport_stats_t &s = record.stats;
        s.remote_port_online_count = 1;
        s.plogis_sent = 1;
        s.plogi_accepts = 1;
        s.adisc_requests_sent = r->scsi_target() ? 1 : 0;
        s.adisc_accepted_by_rport = s.adisc_requests_sent;
        s.plogis_rcvd = r->scsi_target() ? 0 : 1;
        s.rpsc_requests_sent = 1;
        s.rpsc_accepted_by_rport = r->speed != 0 ? 1 : 0;
        s.rpsc_failed_no_response = r->speed != 0 ? 0 : 1;
        s.hal_stats.created_online_events = 1;
        s.hal_stats.fw_create_fw_responses = 1;
    }
    store(call, record);
    return XEL_STATUS_OK;
}

int32_t sim_rport_reset_stats(sim_call &call)
{
    return rport_pair_answer(call, "rport:");
}

int32_t sim_rport_get_scsi_address(sim_call &call)
{
    auto record = load<xel_ioctl_rport_scsi_addr_t>(call);
    std::vector<sim_rport> rports;
    const sim_rport *r = nullptr;
    int32_t status = named_rport(call, record.pwwn, record.rpwwn, &rports, &r);
    if (status != XEL_STATUS_OK)
        return status;
    record.host = static_cast<uint32_t>(call.fn().host);
    record.bus = 0;
    record.target = r->index;
    record.lun = 0;
    store(call, record);
    return XEL_STATUS_OK;
}

// The firmware takes an assigned speed only where the fabric did not tell
// the remote port's own.
int32_t sim_rport_set_speed(sim_call &call)
{
    auto record = load<xel_ioctl_rport_speed_t>(call);
    std::vector<sim_rport> rports;
    const sim_rport *r = nullptr;
    int32_t status = named_rport(call, record.pwwn, record.rpwwn, &rports, &r);
    if (status != XEL_STATUS_OK)
        return status;
    if (r->speed != 0)
        return XEL_STATUS_RPSC_ENABLED;
    if (record.speed == XEL_PORT_SPEED_AUTO || !sim_sfp_supports(call, record.speed))
        return XEL_STATUS_UNSUPP_SPEED;
    call.st.rport_speeds[r->index] = record.speed;
    call.changed = true;
    return XEL_STATUS_OK;
}

int32_t sim_itnim_get_attr(sim_call &call)
{
    auto record = load<xel_ioctl_itnim_attr_t>(call);
    std::vector<sim_rport> rports;
    const sim_rport *r = nullptr;
    int32_t status = named_rport(call, record.lpwwn, record.rpwwn, &rports, &r);
    if (status != XEL_STATUS_OK)
        return status;
    record.attr = {};
    record.attr.state = r->itnim_state;
    record.attr.retry = r->kind == sim_rport_kind::tape ? 1 : 0;
    record.attr.task_retry_id = record.attr.retry;
    record.attr.rec_support = record.attr.retry;
    store(call, record);
    return XEL_STATUS_OK;
}

int32_t sim_itnim_get_iostats(sim_call &call)
{
    auto record = load<xel_ioctl_itnim_iostats_t>(call);
    std::vector<sim_rport> rports;
    const sim_rport *r = nullptr;
    int32_t status = named_rport(call, record.lpwwn, record.rpwwn, &rports, &r);
    if (status != XEL_STATUS_OK)
        return status;
    record.iostats = {};
    if (r->has_scsi_devices() && !cleared(call, "itnim:" + std::to_string(r->index)))
        iostats_counters(&record.iostats, 1);
    if (r->has_scsi_devices())
        traffic_counters(call, &record.iostats, 1);
    store(call, record);
    return XEL_STATUS_OK;
}

int32_t sim_itnim_get_itnstats(sim_call &call)
{
    auto record = load<xel_ioctl_itnim_itnstats_t>(call);
    std::vector<sim_rport> rports;
    const sim_rport *r = nullptr;
    int32_t status = named_rport(call, record.lpwwn, record.rpwwn, &rports, &r);
    if (status != XEL_STATUS_OK)
        return status;
    record.stats = {};
    if (!cleared(call, "itnim:" + std::to_string(r->index))) {
        record.stats.num_rport_online = 1;
        record.stats.num_prli_sent_out = r->scsi_target() ? 1 : 0;
        record.stats.num_prli_rsp_accepts = r->itnim_state == XEL_ITNIM_ONLINE ? 1 : 0;
        record.stats.rport_is_an_initiator = r->scsi_target() ? 0 : 1;
    }
    store(call, record);
    return XEL_STATUS_OK;
}

int32_t sim_itnim_reset_stats(sim_call &call)
{
    return rport_pair_answer(call, "itnim:");
}

int32_t sim_itnim_get_ioprofile(sim_call &call)
{
    auto record = load<xel_ioctl_itnim_ioprofile_t>(call);
    std::vector<sim_rport> rports;
    const sim_rport *r = nullptr;
    int32_t status = named_rport(call, record.lpwwn, record.rpwwn, &rports, &r);
    if (status != XEL_STATUS_OK)
        return status;
    if (!call.st.models.fcpim.profile)
        return XEL_STATUS_IOPROFILE_OFF;
    xel_itnim_ioprofile_t &p = record.ioprofile;
    p = {};
    // The firmware counts latencies in clock ticks, which the multiplier
    // and divisor turn into time; buckets 3 and 4 (2K to 8K) carry the
    // traffic, the others never saw a minimum.
    p.clock_res_mul = 1000;
    p.clock_res_div = 1;
    p.index = XEL_IOBUCKET_MAX;
    for (int i = 0; i < XEL_IOBUCKET_MAX; i++)
        p.io_latency.min[i] = ~uint64_t{0};
    if (r->has_scsi_devices())
        for (int i = 3; i <= 4; i++) {
            p.iocomps[i] = 600;
            p.io_latency.count[i] = 600;
            p.io_latency.min[i] = 40;
            p.io_latency.max[i] = 900;
            p.io_latency.avg[i] = 600 * 120;
        }
    store(call, record);
    return XEL_STATUS_OK;
}

int32_t sim_lport_get_stats(sim_call &call)
{
    if (!call.fn().storage())
        return XEL_STATUS_CMD_NOTSUPP;
    auto record = load<xel_ioctl_lport_stats_t>(call);
    if (!is_base_port(call, record.pwwn))
        return XEL_STATUS_UNKNOWN_LWWN;
    record.stats = {};
    if (!cleared(call, "lport"))
        lport_counters(&record.stats);
    store(call, record);
    return XEL_STATUS_OK;
}

// The logical port's I/O counters: those of its targets' nexus together.
int32_t sim_lport_get_iostats(sim_call &call)
{
    if (!call.fn().storage())
        return XEL_STATUS_CMD_NOTSUPP;
    auto record = load<xel_ioctl_lport_iostats_t>(call);
    if (!is_base_port(call, record.pwwn))
        return XEL_STATUS_UNKNOWN_LWWN;
    record.iostats = {};
    uint32_t scale = 0;
    for (const auto &r : found_rports(call))
        if (r.has_scsi_devices() && !cleared(call, "itnim:" + std::to_string(r.index)))
            scale++;
    if (scale > 0 && !cleared(call, "lport"))
        iostats_counters(&record.iostats, scale);
    sim_add_traffic(call, &record.iostats);
    store(call, record);
    return XEL_STATUS_OK;
}

int32_t sim_lport_reset_stats(sim_call &call)
{
    if (!call.fn().storage())
        return XEL_STATUS_CMD_NOTSUPP;
    auto record = load<xel_ioctl_lport_reset_t>(call);
    if (!is_base_port(call, record.pwwn))
        return XEL_STATUS_UNKNOWN_LWWN;
    clear(call, "lport");
    return XEL_STATUS_OK;
}

int32_t sim_vf_get_stats(sim_call &call)
{
    if (!call.fn().storage())
        return XEL_STATUS_CMD_NOTSUPP;
    auto record = load<xel_ioctl_vf_stats_t>(call);
    if (record.vf_id != 0)
        return XEL_STATUS_CMD_NOTSUPP;
    record.stats = {};
    if (!cleared(call, "vf") && sim_port_address(call, sim_port_of(call)) != 0) {
        record.stats.num_flogis_sent = 1;
        record.stats.flogi_accepts_received = 1;
        record.stats.fabric_online_notifications = 1;
    }
    store(call, record);
    return XEL_STATUS_OK;
}

int32_t sim_vf_reset_stats(sim_call &call)
{
    if (!call.fn().storage())
        return XEL_STATUS_CMD_NOTSUPP;
    clear(call, "vf");
    return XEL_STATUS_OK;
}
