#include "xell_cee.h"

#include "xell_request.h"

xel_status_t xell_cee_get_attr(xell_t *ioc, xel_cee_attr_t *attr)
{
    if (ioc->ioc_type == XEL_IOC_TYPE_FC)
        return XEL_STATUS_CMD_NOTSUPP;
    xel_ioctl_cee_t record{};
    record.bufsz = sizeof(xel_cee_attr_t);
    xel_cee_attr_t data{};
    xel_status_t status = xell_request_data(ioc, XEL_CMD_CEE_GET_ATTR, &record, &data, sizeof data, 0, 0);
    // Once the request went through (the record came back with the driver's
    // status), the data goes to the caller even when DCB is not up: it says
    // why.
    if (status == static_cast<xel_status_t>(record.status))
        *attr = data;
    return status;
}

xel_status_t xell_cee_get_stats(xell_t *ioc, const xell_stats_t **desc, xel_cee_stats_t *stats)
{
    if (ioc->ioc_type == XEL_IOC_TYPE_FC)
        return XEL_STATUS_CMD_NOTSUPP;
    xel_ioctl_cee_t record{};
    record.bufsz = sizeof(xel_cee_stats_t);
    xel_cee_stats_t data{};
    xel_status_t status = xell_request_data(ioc, XEL_CMD_CEE_GET_STATS, &record, &data, sizeof data, 0, 0);
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
