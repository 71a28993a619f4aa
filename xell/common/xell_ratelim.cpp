#include "xell_port.h"
#include "xell_request.h"

xel_status_t xell_ratelim_get_attr(xell_t *ioc, xell_trl_attr_t *attr)
{
    xel_port_attr_s port{};
    xel_status_t status = xell_port_get_attr(ioc, &port);
    if (status == XEL_STATUS_OK)
        *attr = {port.pport_cfg.ratelimit, port.pport_cfg.trl_def_speed};
    return status;
}

xel_status_t xell_ratelim_enable(xell_t *ioc)
{
    xel_port_attr_s port{};
    xel_status_t status = xell_port_get_attr(ioc, &port);
    if (status != XEL_STATUS_OK)
        return status;
    if (port.pport_cfg.ratelimit == 1)
        return XEL_STATUS_RLIM_EN;
    if (port.pport_cfg.qos_enabled == 1)
        return XEL_STATUS_ERROR_QOS_ENABLED;
    if (port.pport_cfg.topology == XEL_PORT_TOPOLOGY_LOOP)
        return XEL_STATUS_TOPOLOGY_LOOP;
    status = xell_header_request(ioc, XEL_CMD_RATELIM_ENABLE, 0, 0, 8);
    return xell_config_persist_if(status, [&] { xell_config_ratelim(ioc, true); });
}

xel_status_t xell_ratelim_disable(xell_t *ioc)
{
    xel_status_t status = xell_header_request(ioc, XEL_CMD_RATELIM_DISABLE, 0, 0, 8);
    return xell_config_persist_if(status, [&] { xell_config_ratelim(ioc, false); });
}

xel_status_t xell_ratelim_set_speed(xell_t *ioc, uint32_t speed)
{
    xel_ioctl_trl_speed_t record{};
    record.speed = speed;
    xel_status_t status = xell_request(ioc, XEL_CMD_RATELIM_SET_SPEED, &record, 0, 0, sizeof record);
    return xell_config_persist_if(status, [&] { xell_config_defspeed(ioc, static_cast<int>(speed)); });
}
