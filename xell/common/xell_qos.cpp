#include "xell_qos.h"

#include "xell_port.h"
#include "xell_request.h"
#include "xell_stats.h"

namespace {

bool xell_qos_fc(const xell_t *ioc)
{
    return ioc->ioc_type == XEL_IOC_TYPE_FC;
}

} // namespace

xel_status_t xell_qos_get_attr(xell_t *ioc, xel_qos_attr_s *attr)
{
    if (!xell_qos_fc(ioc))
        return XEL_STATUS_QOS_FC_ONLY;
    xel_ioctl_qos_attr_t record{};
    xel_status_t status = xell_request(ioc, XEL_CMD_QOS_GET_ATTR, &record, 0, 0, sizeof record);
    if (status == XEL_STATUS_OK)
        *attr = record.attr;
    return status;
}

xel_status_t xell_qos_enable(xell_t *ioc)
{
    if (!xell_qos_fc(ioc))
        return XEL_STATUS_QOS_FC_ONLY;
    xel_port_attr_s port{};
    xel_status_t status = xell_port_get_attr(ioc, &port);
    if (status != XEL_STATUS_OK)
        return status;
    if (port.pport_cfg.qos_enabled == 1)
        return XEL_STATUS_QOS_ENABLED;
    if (port.pport_cfg.ratelimit == 1)
        return XEL_STATUS_ERROR_TRL_ENABLED;
    if (port.pport_cfg.topology == XEL_PORT_TOPOLOGY_LOOP)
        return XEL_STATUS_TOPOLOGY_LOOP;
    status = xell_header_request(ioc, XEL_CMD_QOS_ENABLE, 0, 0, 8);
    return xell_config_persist_if(status, [&] { xell_config_qos(ioc, true); });
}

xel_status_t xell_qos_disable(xell_t *ioc)
{
    if (!xell_qos_fc(ioc))
        return XEL_STATUS_QOS_FC_ONLY;
    xel_status_t status = xell_header_request(ioc, XEL_CMD_QOS_DISABLE, 0, 0, 8);
    return xell_config_persist_if(status, [&] { xell_config_qos(ioc, false); });
}

xel_status_t xell_qos_get_vc_attr(xell_t *ioc, xel_qos_vc_attr_s *attr)
{
    if (!xell_qos_fc(ioc))
        return XEL_STATUS_QOS_FC_ONLY;
    xel_ioctl_qos_vc_attr_t record{};
    xel_status_t status = xell_request(ioc, XEL_CMD_QOS_GET_VC_ATTR, &record, 0, 0, sizeof record);
    if (status != XEL_STATUS_OK)
        return status;
    // The count indexes the entries that follow: never beyond them.
    if (record.attr.total_vc_count > XEL_QOS_MAX_VC)
        return XEL_STATUS_FAILED;
    *attr = record.attr;
    return XEL_STATUS_OK;
}

xel_status_t xell_qos_get_stats(xell_t *ioc, const xell_stats_t **desc, xel_fcport_stats_t *stats)
{
    if (!xell_qos_fc(ioc))
        return XEL_STATUS_QOS_FC_ONLY;
    xel_ioctl_fcport_stats_t record{};
    xel_status_t status = xell_request(ioc, XEL_CMD_QOS_GET_STATS, &record, 0, 0, sizeof record);
    if (status == XEL_STATUS_OK) {
        *stats = record.stats;
        *desc = &xell_xel_fcport_stats;
    }
    return status;
}

xel_status_t xell_qos_reset_stats(xell_t *ioc)
{
    if (!xell_qos_fc(ioc))
        return XEL_STATUS_QOS_FC_ONLY;
    return xell_header_request(ioc, XEL_CMD_QOS_RESET_STATS, 0, 0, 8);
}

xel_status_t xell_qos_set_bw(xell_t *ioc, uint8_t high, uint8_t med, uint8_t low)
{
    if (!xell_qos_fc(ioc))
        return XEL_STATUS_QOS_FC_ONLY;
    xel_port_attr_s port{};
    xel_status_t status = xell_port_get_attr(ioc, &port);
    if (status != XEL_STATUS_OK)
        return status;
    if (port.pport_cfg.ratelimit == 1)
        return XEL_STATUS_ERROR_TRL_ENABLED;
    xel_ioctl_qos_bw_t record{};
    record.qos_bw_set = 1;
    record.high = high;
    record.med = med;
    record.low = low;
    return xell_request(ioc, XEL_CMD_QOS_SET_BW, &record, 0, 0, sizeof record);
}
