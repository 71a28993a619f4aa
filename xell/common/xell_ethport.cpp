#include "xell_ethport.h"

#include "xell_request.h"

xel_status_t xell_ethport_get_attr(xell_t *ioc, xel_ethport_attr_s *attr)
{
    xel_ioctl_ethport_attr_t record{};
    xel_status_t status = xell_request(ioc, XEL_CMD_ETHPORT_GET_ATTR, &record, 0, 0, sizeof record);
    if (status == XEL_STATUS_OK)
        *attr = record.attr;
    return status;
}
