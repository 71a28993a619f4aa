#include "xell_cee.h"

#include "xell_request.h"

namespace {

// The CEE reads: their data travels behind the record. Returns the
// transport's failure or the driver's status; *delivered says whether the
// request went through (the data is then the driver's).
xel_status_t xell_cee_read(xell_t *ioc, uint32_t cmd, void *data, uint32_t size, bool *delivered)
{
    xel_ioctl_cee_t record{};
    record.bufsz = size;
    xel_status_t status = xell_request_data(ioc, cmd, &record, data, size, 0, 0);
    *delivered = status == static_cast<xel_status_t>(record.status);
    return status;
}

} // namespace

xel_status_t xell_cee_get_attr(xell_t *ioc, xel_cee_attr_t *attr)
{
    if (ioc->ioc_type == XEL_IOC_TYPE_FC)
        return XEL_STATUS_CMD_NOTSUPP;
    xel_cee_attr_t data{};
    bool delivered = false;
    xel_status_t status = xell_cee_read(ioc, XEL_CMD_CEE_GET_ATTR, &data, sizeof data, &delivered);
    // The attributes go to the caller whatever the driver answered: when
    // DCB is not up they say why.
    if (delivered)
        *attr = data;
    return status;
}

xel_status_t xell_cee_get_stats(xell_t *ioc, const xell_stats_t **desc, xel_cee_stats_t *stats)
{
    if (ioc->ioc_type == XEL_IOC_TYPE_FC)
        return XEL_STATUS_CMD_NOTSUPP;
    xel_cee_stats_t data{};
    bool delivered = false;
    xel_status_t status = xell_cee_read(ioc, XEL_CMD_CEE_GET_STATS, &data, sizeof data, &delivered);
    if (status == XEL_STATUS_OK) {
        *stats = data;
        *desc = &xell_xel_cee_stats;
    }
    return status;
}

xel_status_t xell_cee_reset_stats(xell_t *ioc)
{
    if (ioc->ioc_type == XEL_IOC_TYPE_FC)
        return XEL_STATUS_CMD_NOTSUPP;
    return xell_header_request(ioc, XEL_CMD_CEE_RESET_STATS, 0, 0, 8);
}
