#include "xell_lport.h"

#include "xell_request.h"

#include <algorithm>
#include <vector>

xel_status_t xell_fabric_get_lports(xell_t *ioc, uint16_t vf_id, wwn_t *lports, int *count)
{
    if (*count < 0)
        return XEL_STATUS_EINVAL;
    xel_ioctl_fabric_lports_t record{};
    record.vf_id = vf_id;
    record.nports = static_cast<uint32_t>(*count);
    std::vector<wwn_t> found(static_cast<size_t>(*count));
    int size = static_cast<int>(sizeof record + found.size() * sizeof(wwn_t));
    xel_status_t status = xell_request_data(ioc, XEL_CMD_FABRIC_GET_LPORTS, &record, found.data(),
                                            found.size() * sizeof(wwn_t), 0, size);
    if (status != XEL_STATUS_OK)
        return status;
    // The driver says how many there are; only as many as fit came back.
    int n = static_cast<int>(std::min<uint32_t>(record.nports, static_cast<uint32_t>(*count)));
    std::copy_n(found.begin(), n, lports);
    *count = n;
    return XEL_STATUS_OK;
}

xel_status_t xell_lport_get_attr(xell_t *ioc, uint16_t vf_id, wwn_t pwwn, xel_lport_attr_t *attr)
{
    xel_ioctl_lport_attr_t record{};
    record.vf_id = vf_id;
    record.pwwn = pwwn;
    xel_status_t status = xell_request(ioc, XEL_CMD_LPORT_GET_ATTR, &record, 0, 0, sizeof record);
    if (status == XEL_STATUS_OK)
        *attr = record.attr;
    return status;
}
