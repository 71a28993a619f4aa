// The initiator-target nexus between a logical port and a target, the
// fabric's statistics, and the virtual port attributes the logical port
// views read.
#include "xell_lport.h"
#include "xell_request.h"
#include "xell_state.h"

#include <cstring>

namespace {

template <typename Record>
Record xell_itnim_record(uint16_t vf_id, wwn_t lpwwn, wwn_t rpwwn)
{
    Record record{};
    record.vf_id = vf_id;
    record.lpwwn = lpwwn;
    record.rpwwn = rpwwn;
    return record;
}

} // namespace

xel_status_t xell_itnim_get_attr(xell_t *ioc, uint16_t vf_id, wwn_t lpwwn, wwn_t rpwwn, xel_itnim_attr_t *attr)
{
    if (ioc == nullptr)
        return XEL_STATUS_FAILED;
    auto record = xell_itnim_record<xel_ioctl_itnim_attr_t>(vf_id, lpwwn, rpwwn);
    xel_status_t status = xell_request(ioc, XEL_CMD_ITNIM_GET_ATTR, &record, 0, 0, sizeof record);
    if (status == XEL_STATUS_OK)
        *attr = record.attr;
    return status;
}

xel_status_t xell_itnim_get_itnstats(xell_t *ioc, uint16_t vf_id, wwn_t lpwwn, wwn_t rpwwn, const xell_stats_t **desc,
                                     xel_itnim_stats_t *stats)
{
    if (ioc == nullptr)
        return XEL_STATUS_FAILED;
    auto record = xell_itnim_record<xel_ioctl_itnim_itnstats_t>(vf_id, lpwwn, rpwwn);
    xel_status_t status = xell_request(ioc, XEL_CMD_ITNIM_GET_ITNSTATS, &record, 0, 0, sizeof record);
    if (status == XEL_STATUS_OK) {
        *stats = record.stats;
        *desc = &xell_xel_itnim_stats;
    }
    return status;
}

xel_status_t xell_itnim_get_iostats(xell_t *ioc, uint16_t vf_id, wwn_t lpwwn, wwn_t rpwwn, const xell_stats_t **desc,
                                    xel_itnim_iostats_t *stats)
{
    if (ioc == nullptr)
        return XEL_STATUS_FAILED;
    auto record = xell_itnim_record<xel_ioctl_itnim_iostats_t>(vf_id, lpwwn, rpwwn);
    xel_status_t status = xell_request(ioc, XEL_CMD_ITNIM_GET_IOSTATS, &record, 0, 0, sizeof record);
    if (status == XEL_STATUS_OK) {
        *stats = record.iostats;
        *desc = &xell_xel_itnim_iostats;
    }
    return status;
}

xel_status_t xell_itnim_reset_stats(xell_t *ioc, uint16_t vf_id, wwn_t lpwwn, wwn_t rpwwn)
{
    if (ioc == nullptr)
        return XEL_STATUS_FAILED;
    xel_ioctl_rport_t record{};
    record.vf_id = vf_id;
    record.pwwn = lpwwn;
    record.rpwwn = rpwwn;
    return xell_request(ioc, XEL_CMD_ITNIM_RESET_STATS, &record, 0, 0, sizeof record);
}

xel_status_t xell_itnim_get_ioprofile(xell_t *ioc, uint16_t vf_id, wwn_t lpwwn, wwn_t rpwwn,
                                      xel_itnim_ioprofile_t *profile)
{
    if (ioc == nullptr)
        return XEL_STATUS_FAILED;
    auto record = xell_itnim_record<xel_ioctl_itnim_ioprofile_t>(vf_id, lpwwn, rpwwn);
    xel_status_t status = xell_request(ioc, XEL_CMD_ITNIM_GET_IOPROFILE, &record, 0, 0, sizeof record);
    if (status != XEL_STATUS_OK)
        return status;
    xel_itnim_ioprofile_t &p = record.ioprofile;
    if (p.clock_res_div == 0)
        return XEL_STATUS_FAILED;
    uint64_t mul = p.clock_res_mul;
    uint64_t div = p.clock_res_div;
    // The driver's bucket count indexes fixed arrays.
    uint32_t buckets = p.index < XEL_IOBUCKET_MAX ? p.index : XEL_IOBUCKET_MAX;
    xel_itnim_latency_t &l = p.io_latency;
    for (uint32_t i = 0; i < buckets; i++) {
        if (l.min[i] == ~uint64_t{0})
            l.min[i] = 0;
        l.max[i] = l.max[i] * mul / div;
        l.min[i] = l.min[i] * mul / div;
        if (l.count[i] != 0)
            l.avg[i] = (l.avg[i] * mul / div) / l.count[i];
    }
    *profile = p;
    return static_cast<xel_status_t>(record.status);
}

uint32_t xell_itnim_get_iothroughput(const xell_stats_t *desc, const void *stats)
{
    if (desc == nullptr || stats == nullptr)
        return 0;
    const auto *bytes = static_cast<const uint8_t *>(stats);
    uint32_t total = 0;
    int found = 0;
    for (int i = 0; i < desc->count && found < 2; i++) {
        const xell_stats_desc_t &row = desc->desc[i];
        if (std::strcmp(row.desc, "Read data transferred in bytes") != 0 &&
            std::strcmp(row.desc, "Write data transferred in bytes") != 0)
            continue;
        uint32_t value;
        std::memcpy(&value, bytes + row.offset, sizeof value);
        total += value;
        found++;
    }
    return total;
}

xel_status_t xell_vf_get_stats(xell_t *ioc, uint16_t vf_id, const xell_stats_t **desc, xel_vf_stats_t *stats)
{
    if (ioc == nullptr)
        return XEL_STATUS_FAILED;
    xel_ioctl_vf_stats_t record{};
    record.vf_id = vf_id;
    xel_status_t status = xell_request(ioc, XEL_CMD_VF_GET_STATS, &record, 0, 0, sizeof record);
    if (status == XEL_STATUS_OK) {
        *stats = record.stats;
        *desc = &xell_xel_vf_stats;
    }
    return status;
}

xel_status_t xell_vf_reset_stats(xell_t *ioc, uint16_t vf_id)
{
    if (ioc == nullptr)
        return XEL_STATUS_FAILED;
    xel_ioctl_gen_t record{};
    record.rsvd = vf_id;
    return xell_request(ioc, XEL_CMD_VF_RESET_STATS, &record, 0, 0, sizeof record);
}

xel_status_t xell_vport_get_attr(xell_t *ioc, uint16_t vf_id, wwn_t vpwwn, xel_vport_attr_t *attr)
{
    if (ioc == nullptr)
        return XEL_STATUS_FAILED;
    xel_ioctl_vport_attr_t record{};
    record.vf_id = vf_id;
    record.vpwwn = vpwwn;
    xel_status_t status = xell_request(ioc, XEL_CMD_VPORT_GET_ATTR, &record, 0, 0, sizeof record);
    if (status == XEL_STATUS_OK)
        *attr = record.vport_attr;
    return status;
}

const char *xell_vport_get_state_name(uint32_t state)
{
    return state <= XEL_FCS_VPORT_ERROR ? xell_vport_state_to_string(static_cast<int32_t>(state)) : "Unknown";
}
