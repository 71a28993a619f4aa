#include "xell_lport.h"

#include "xell_request.h"

#include <algorithm>
#include <cstring>
#include <vector>

xel_status_t xell_fabric_get_lports(xell_t *ioc, uint16_t vf_id, wwn_t *lports, int *count)
{
    if (*count < 0)
        return XEL_STATUS_EINVAL;
    xel_ioctl_fabric_lports_t record{};
    record.vf_id = vf_id;
    record.nports = static_cast<uint32_t>(*count);
    std::vector<wwn_t> found(static_cast<size_t>(*count));
    int size = static_cast<int>(sizeof record + found.size() * sizeof(wwn_t));
    xel_status_t status = xell_request_data(ioc, XEL_CMD_FABRIC_GET_LPORTS, &record, found.data(),
                                            found.size() * sizeof(wwn_t), 0, size);
    if (status != XEL_STATUS_OK)
        return status;
    // The driver says how many there are; only as many as fit came back.
    int n = static_cast<int>(std::min<uint32_t>(record.nports, static_cast<uint32_t>(*count)));
    std::copy_n(found.begin(), n, lports);
    *count = n;
    return XEL_STATUS_OK;
}

xel_status_t xell_lport_get_attr(xell_t *ioc, uint16_t vf_id, wwn_t pwwn, xel_lport_attr_t *attr)
{
    xel_ioctl_lport_attr_t record{};
    record.vf_id = vf_id;
    record.pwwn = pwwn;
    xel_status_t status = xell_request(ioc, XEL_CMD_LPORT_GET_ATTR, &record, 0, 0, sizeof record);
    if (status == XEL_STATUS_OK)
        *attr = record.attr;
    return status;
}

xel_status_t xell_lport_get_stats(xell_t *ioc, uint16_t vf_id, wwn_t pwwn, const xell_stats_t **desc,
                                  xel_lport_stats_t *stats)
{
    xel_ioctl_lport_stats_t record{};
    record.vf_id = vf_id;
    record.pwwn = pwwn;
    xel_status_t status = xell_request(ioc, XEL_CMD_LPORT_GET_STATS, &record, 0, 0, sizeof record);
    if (status == XEL_STATUS_OK) {
        *stats = record.stats;
        *desc = &xell_xel_lport_stats;
    }
    return status;
}

xel_status_t xell_lport_get_iostats(xell_t *ioc, uint16_t vf_id, wwn_t pwwn, const xell_stats_t **desc,
                                    xel_itnim_iostats_t *stats)
{
    xel_ioctl_lport_iostats_t record{};
    record.vf_id = vf_id;
    record.pwwn = pwwn;
    xel_status_t status = xell_request(ioc, XEL_CMD_LPORT_GET_IOSTATS, &record, 0, 0, sizeof record);
    if (status == XEL_STATUS_OK) {
        *stats = record.iostats;
        *desc = &xell_xel_itnim_iostats;
    }
    return status;
}

xel_status_t xell_lport_reset_stats(xell_t *ioc, uint16_t vf_id, wwn_t pwwn)
{
    xel_ioctl_lport_reset_t record{};
    record.vf_id = vf_id;
    record.pwwn = pwwn;
    return xell_request(ioc, XEL_CMD_LPORT_RESET_STATS, &record, 0, 0, sizeof record);
}

xel_status_t xell_lport_get_rport_qualifiers(xell_t *ioc, uint16_t vf_id, wwn_t pwwn, xel_rport_qualifier_t *quals,
                                             int *count)
{
    if (ioc == nullptr)
        return XEL_STATUS_FAILED;
    if (*count < 0)
        return XEL_STATUS_EINVAL;
    xel_ioctl_lport_rports_t record{};
    record.vf_id = vf_id;
    record.pwwn = pwwn;
    record.nrports = static_cast<uint32_t>(*count);
    std::vector<xel_rport_qualifier_t> found(static_cast<size_t>(*count));
    std::vector<uint8_t> buffer(sizeof record + found.size() * sizeof(xel_rport_qualifier_t));
    record.xeld_num = static_cast<uint16_t>(ioc->instance);
    record.rbuf_ptr = reinterpret_cast<uintptr_t>(buffer.data() + sizeof record);
    std::memcpy(buffer.data(), &record, sizeof record);
    xel_status_t status =
        xell_ioctl(ioc, XEL_CMD_LPORT_GET_RPORTS, buffer.data(), 0, 0, static_cast<int>(buffer.size()));
    if (status != XEL_STATUS_OK)
        return status;
    std::memcpy(&record, buffer.data(), sizeof record);
    if (record.status != XEL_STATUS_OK)
        return static_cast<xel_status_t>(record.status);
    // The driver says how many it has; only as many as fit came back.
    int n = static_cast<int>(std::min<uint32_t>(record.nrports, static_cast<uint32_t>(*count)));
    std::memcpy(quals, buffer.data() + sizeof record, static_cast<size_t>(n) * sizeof(xel_rport_qualifier_t));
    *count = n;
    return XEL_STATUS_OK;
}

xel_status_t xell_lport_get_rports(xell_t *ioc, uint16_t vf_id, wwn_t pwwn, wwn_t *rports, int *count)
{
    if (*count < 0)
        return XEL_STATUS_EINVAL;
    std::vector<xel_rport_qualifier_t> quals(static_cast<size_t>(*count));
    xel_status_t status = xell_lport_get_rport_qualifiers(ioc, vf_id, pwwn, quals.data(), count);
    if (status != XEL_STATUS_OK)
        return status;
    for (int i = 0; i < *count; i++)
        rports[i] = quals[static_cast<size_t>(i)].pwwn;
    return XEL_STATUS_OK;
}
