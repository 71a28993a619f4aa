#include "xell_diag.h"

#include "xell_request.h"

xel_status_t xell_sfp_media(xell_t *ioc, xel_defs_sfp_media_t *media)
{
    xel_ioctl_sfp_media_t record{};
    xel_status_t status = xell_request(ioc, XEL_CMD_SFP_MEDIA, &record, 0, 0, sizeof record);
    if (status == XEL_STATUS_OK)
        *media = static_cast<xel_defs_sfp_media_t>(record.media);
    return status;
}

xel_status_t xell_sfp_speed(xell_t *ioc, uint32_t speed)
{
    xel_ioctl_sfp_speed_t record{};
    record.speed = speed;
    return xell_request(ioc, XEL_CMD_SFP_SPEED, &record, 0, 0, sizeof record);
}

xel_status_t xell_diag_dport_get_state(xell_t *ioc, xel_dport_state_t *state)
{
    xel_ioctl_dport_state_t record{};
    xel_status_t status = xell_request(ioc, XEL_CMD_DIAG_DPORT_GET_STATE, &record, 0, 0, sizeof record);
    if (status == XEL_STATUS_OK)
        *state = static_cast<xel_dport_state_t>(record.state);
    return status;
}
