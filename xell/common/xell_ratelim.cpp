#include "xell_port.h"

xel_status_t xell_ratelim_get_attr(xell_t *ioc, xell_trl_attr_t *attr)
{
    xel_port_attr_s port{};
    xel_status_t status = xell_port_get_attr(ioc, &port);
    if (status == XEL_STATUS_OK)
        *attr = {port.pport_cfg.ratelimit, port.pport_cfg.trl_def_speed};
    return status;
}
