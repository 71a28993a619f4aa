#include "xell_ipfc.h"

#include "xell_request.h"

namespace {

template <typename Record>
xel_status_t xell_ipfc_request(xell_t *ioc, uint32_t cmd, Record *record)
{
    record->xeld_num = static_cast<uint16_t>(ioc->instance);
    xel_status_t status = xell_ioctl_ipfc(ioc, cmd, record);
    return status != XEL_STATUS_OK ? status : static_cast<xel_status_t>(record->status);
}

xel_status_t xell_ipfc_set(xell_t *ioc, uint32_t cmd, bool enable)
{
    return xell_config_persist_if(xell_header_request(ioc, cmd, 0, 0, 8),
                                  [&] { xell_config_ipfc_enable(ioc, enable); });
}

} // namespace

xel_status_t xell_ipfc_get_attr(xell_t *ioc, xel_ipfc_attr_t *attr)
{
    xel_ioctl_ipfc_attr_t record{};
    xel_status_t status = xell_ipfc_request(ioc, XEL_CMD_IPFC_GET_ATTR, &record);
    if (status == XEL_STATUS_OK)
        *attr = record.attr;
    return status;
}

xel_status_t xell_ipfc_get_stats(xell_t *ioc, const xell_stats_t **desc, xel_ipfc_stats_t *stats)
{
    xel_ioctl_ipfc_stats_t record{};
    xel_status_t status = xell_ipfc_request(ioc, XEL_CMD_IPFC_GET_STATS, &record);
    if (status == XEL_STATUS_OK) {
        *stats = record.stats;
        *desc = &xell_xel_ipfc_stats;
    }
    return status;
}

xel_status_t xell_ipfc_reset_stats(xell_t *ioc)
{
    xel_ioctl_gen_t record{};
    return xell_ipfc_request(ioc, XEL_CMD_IPFC_RESET_STATS, &record);
}

xel_status_t xell_ipfc_enable(xell_t *ioc)
{
    return xell_ipfc_set(ioc, XEL_CMD_IPFC_ENABLE, true);
}

xel_status_t xell_ipfc_disable(xell_t *ioc)
{
    return xell_ipfc_set(ioc, XEL_CMD_IPFC_DISABLE, false);
}
