#include "xell_flash.h"

#include "xell_transport.h"

xel_status_t xell_flash_get_attr(xell_t *ioc, xel_flash_attr_t *attr)
{
    xel_ioctl_flash_attr_t record{};
    record.xeld_num = static_cast<uint16_t>(ioc->instance);
    xel_status_t status = xell_ioctl(ioc, XEL_CMD_FLASH_GET_ATTR, &record, 0, 0, sizeof record);
    if (status != XEL_STATUS_OK)
        return status;
    *attr = record.attr;
    return static_cast<xel_status_t>(record.status);
}
