#include "xell_qos.h"

#include "xell_request.h"

xel_status_t xell_qos_get_attr(xell_t *ioc, xel_qos_attr_s *attr)
{
    if (ioc->ioc_type != XEL_IOC_TYPE_FC)
        return XEL_STATUS_QOS_FC_ONLY;
    xel_ioctl_qos_attr_t record{};
    xel_status_t status = xell_request(ioc, XEL_CMD_QOS_GET_ATTR, &record, 0, 0, sizeof record);
    if (status == XEL_STATUS_OK)
        *attr = record.attr;
    return status;
}
