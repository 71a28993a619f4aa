#include "xell_pcifn.h"

#include "xel_port_records.h"
#include "xell_flash.h"

// The adapter that can change its ports' personality.
constexpr uint16_t xell_mode_change_device = 0x22;

xel_status_t xell_verify_mode_change(xell_t *ioc, xel_mode_t mode)
{
    xel_ioc_attr_t attr{};
    xel_status_t status = xell_ioc_get_attr(ioc, &attr);
    if (status != XEL_STATUS_OK)
        return status;
    if (attr.pci_attr.device_id != xell_mode_change_device)
        return XEL_STATUS_FEATURE_NOT_SUPPORTED;
    uint32_t cap = 0;
    status = xell_flash_read_adapter_capability(ioc, &cap);
    if (status != XEL_STATUS_OK)
        return status;
    bool allowed = (mode == XEL_MODE_CNA && (cap & XEL_ADAPTER_CAP_CNA)) ||
                   (mode == XEL_MODE_NIC && (cap & XEL_ADAPTER_CAP_NIC)) ||
                   (mode == XEL_MODE_HBA && (cap & (XEL_ADAPTER_CAP_FC16G | XEL_ADAPTER_CAP_HBA)));
    return allowed ? XEL_STATUS_OK : XEL_STATUS_UNSUPP_MODE;
}
