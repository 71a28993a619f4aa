#include "xell_pcifn.h"

#include "xel_port_records.h"
#include "xell_adapter.h"
#include "xell_flash.h"
#include "xell_pcifn_internal.h"
#include "xell_port.h"
#include "xell_request.h"

#include <cctype>
#include <cstring>
#include <string>

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

namespace {

xel_status_t xell_require_operational(xell_t *ioc)
{
    bool operational = false;
    xel_status_t status = xell_ioc_is_operational(ioc, &operational);
    if (status != XEL_STATUS_OK)
        return status;
    return operational ? XEL_STATUS_OK : XEL_STATUS_IOC0_DISABLED;
}

bool xell_pcifn_in_table(int pcifn)
{
    return pcifn >= 0 && pcifn < XEL_ABLK_MAX_PFS;
}

// One create, delete, enable, disable, personality or bandwidth request.
xel_status_t xell_pcifn_request(xell_t *ioc, uint32_t cmd, xel_ioctl_pcifn_t *record)
{
    return xell_request(ioc, cmd, record, 0, 24, 24);
}

xel_ioctl_pcifn_t xell_pcifn_record(int pcifn, int port, uint16_t pcifn_class, int bw_min, int bw_max)
{
    xel_ioctl_pcifn_t record{};
    record.pcifn_id = static_cast<uint16_t>(pcifn);
    record.port = static_cast<uint8_t>(port);
    record.pcifn_class = pcifn_class;
    record.bw_min = static_cast<uint16_t>(bw_min);
    record.bw_max = static_cast<uint16_t>(bw_max);
    return record;
}

// The configured function must exist on the port with that personality.
xel_status_t xell_verify_cfg_pcifn_class(xell_t *ioc, int port, int pcifn, uint16_t pcifn_class)
{
    xel_status_t status = xell_verify_cfg_pcifn_id(ioc, port, pcifn);
    if (status != XEL_STATUS_OK)
        return status;
    xel_ablk_cfg_t cfg{};
    status = xell_pcifn_cfg_get(ioc, &cfg);
    if (status != XEL_STATUS_OK)
        return status;
    return cfg.inst[XEL_ABLK_CONFIGURED].pf_cfg[pcifn].pers == pcifn_class ? XEL_STATUS_OK
                                                                            : XEL_STATUS_INV_PCIFN;
}

// Digits only, at most max_digits of them (none: false).
bool xell_bw_digits(const std::string &text, size_t max_digits)
{
    if (text.size() > max_digits)
        return false;
    for (char c : text)
        if (!std::isdigit(static_cast<unsigned char>(c)))
            return false;
    return true;
}

// The bandwidth in the active or the configured table.
xel_status_t xell_pcifn_table_bandwidth(xell_t *ioc, int instance, int *bw_min, int *bw_max)
{
    xell_adapter_t *adapter = xell_adapter_get_by_idx(ioc->ad_id);
    xell_t *first = adapter != nullptr ? xell_adapter_get_first_ioc(adapter) : nullptr;
    if (first == nullptr)
        return XEL_STATUS_FAILED;
    xel_ablk_cfg_t cfg{};
    xel_status_t status = xell_pcifn_cfg_get(first, &cfg);
    if (status != XEL_STATUS_OK)
        return status;
    *bw_min = *bw_max = -1;
    if (!xell_pcifn_in_table(ioc->pcifn_id))
        return XEL_STATUS_OK;
    const xel_ablk_cfg_pf_t &pf = cfg.inst[instance].pf_cfg[ioc->pcifn_id];
    if (pf.valid) {
        *bw_min = pf.bw_min;
        *bw_max = pf.bw_max;
    }
    return XEL_STATUS_OK;
}

} // namespace

xel_status_t xell_pcifn_change_request(xell_t *ioc, uint32_t cmd, int port, int pcifn, uint16_t pcifn_class, int bw_min,
                               int bw_max)
{
    xel_status_t status = xell_require_operational(ioc);
    if (status != XEL_STATUS_OK)
        return status;
    status = xell_verify_cfg_pcifn_class(ioc, port, pcifn, pcifn_class);
    if (status != XEL_STATUS_OK)
        return status;
    xel_ioctl_pcifn_t record = xell_pcifn_record(pcifn, port, pcifn_class, bw_min, bw_max);
    return xell_pcifn_request(ioc, cmd, &record);
}

xel_status_t xell_pcifn_create_request(xell_t *ioc, uint16_t pcifn_class, int bw_min, int bw_max, int *pcifn, int port)
{
    xel_status_t status = xell_require_operational(ioc);
    if (status != XEL_STATUS_OK)
        return status;
    xel_ioctl_pcifn_t record = xell_pcifn_record(0, port, pcifn_class, bw_min, bw_max);
    record.xeld_num = static_cast<uint16_t>(ioc->instance);
    status = xell_ioctl(ioc, XEL_CMD_VHBA_CREATE, &record, 0, 24, 24);
    if (status != XEL_STATUS_OK)
        return status;
    *pcifn = record.pcifn_id;
    return static_cast<xel_status_t>(record.status);
}

xel_status_t xell_pcifn_cfg_get(xell_t *ioc, xel_ablk_cfg_t *cfg)
{
    xel_status_t status = xell_require_operational(ioc);
    if (status != XEL_STATUS_OK)
        return status;
    xel_ioctl_ablk_cfg_t record{};
    status = xell_request(ioc, XEL_CMD_PCIFN_CFG_GET, &record, 0, sizeof record, sizeof record);
    if (status == XEL_STATUS_OK)
        *cfg = record.cfg;
    return status;
}

xel_status_t xell_verify_cfg_pcifn_id(xell_t *ioc, int port, int pcifn)
{
    if (ioc == nullptr)
        return XEL_STATUS_FAILED;
    xel_ablk_cfg_t cfg{};
    xel_status_t status = xell_pcifn_cfg_get(ioc, &cfg);
    if (status != XEL_STATUS_OK)
        return status;
    if (!xell_pcifn_in_table(pcifn))
        return XEL_STATUS_INV_PCIFN;
    const xel_ablk_cfg_pf_t &pf = cfg.inst[XEL_ABLK_CONFIGURED].pf_cfg[pcifn];
    return pf.valid && pf.port_id == port ? XEL_STATUS_OK : XEL_STATUS_INV_PCIFN;
}

// Whole numbers only: a fraction of a gigabit is counted in megabits
// digit by digit, so "9.2G" is 9200 and never 9199.
xel_status_t xell_convert_bw(xell_t *ioc, const char *text, int *value)
{
    (void)ioc;
    if (text == nullptr)
        return XEL_STATUS_FAILED;
    std::string word = text;
    bool percent = false;
    uint64_t multiplier = 1;
    if (!word.empty() && word.back() == '%') {
        percent = true;
        word.pop_back();
    } else if (!word.empty() && word.back() == 'G') {
        multiplier = 1000;
        word.pop_back();
    } else if (!word.empty() && word.back() == 'M') {
        word.pop_back();
    }
    size_t dot = word.find('.');
    std::string whole = word.substr(0, dot);
    std::string fraction = dot == std::string::npos ? "" : word.substr(dot + 1);
    if (dot != std::string::npos && (percent || fraction.empty()))
        return XEL_STATUS_INVALID_BW;
    // Beyond 12 digits the value is far above the limit in any unit.
    if (whole.empty() || !xell_bw_digits(whole, 12) || !xell_bw_digits(fraction, multiplier / 10))
        return XEL_STATUS_INVALID_BW;
    uint64_t number = std::stoull(whole) * multiplier;
    uint64_t scale = multiplier;
    for (char c : fraction) {
        scale /= 10;
        number += static_cast<uint64_t>(c - '0') * scale;
    }
    if (!percent) {
        if (number % 100 != 0)
            return XEL_STATUS_INVALID_BW;
        number /= 100;
    }
    if (number > 100)
        return XEL_STATUS_INVALID_BW;
    *value = static_cast<int>(number);
    return XEL_STATUS_OK;
}

xel_status_t xell_pcifn_get_bandwidth(xell_t *ioc, int *bw_min, int *bw_max)
{
    return xell_pcifn_table_bandwidth(ioc, XEL_ABLK_ACTIVE, bw_min, bw_max);
}

xel_status_t xell_pcifn_get_cfg_bandwidth(xell_t *ioc, int *bw_min, int *bw_max)
{
    return xell_pcifn_table_bandwidth(ioc, XEL_ABLK_CONFIGURED, bw_min, bw_max);
}

xel_status_t xell_pcifn_enable(xell_t *ioc, int pcifn)
{
    xel_ioctl_pcifn_t record = xell_pcifn_record(pcifn, 0, 0, 0, 0);
    return xell_pcifn_request(ioc, XEL_CMD_PCIFN_ENABLE, &record);
}

xel_status_t xell_pcifn_disable(xell_t *ioc, int pcifn)
{
    xel_ioctl_pcifn_t record = xell_pcifn_record(pcifn, 0, 0, 0, 0);
    return xell_pcifn_request(ioc, XEL_CMD_PCIFN_DISABLE, &record);
}

xel_status_t xell_pcifn_cfg_type(xell_t *ioc, int pcifn, uint32_t pcifn_class)
{
    xel_ioctl_pcifn_t record = xell_pcifn_record(pcifn, 0, static_cast<uint16_t>(pcifn_class), 0, 0);
    return xell_pcifn_request(ioc, XEL_CMD_PCIFN_CFG_TYPE, &record);
}

// ---- vHBA -------------------------------------------------------------------

xel_status_t xell_vhba_create(xell_t *ioc, int bw_max, int *pcifn, int port)
{
    xel_status_t status = xell_pcifn_create_request(ioc, XEL_PCIFN_CLASS_FC, 0, bw_max, pcifn, port);
    if (status == XEL_STATUS_OK)
        ioc->pcifn_id = *pcifn;
    return status;
}

xel_status_t xell_vhba_delete(xell_t *ioc, int port, int pcifn)
{
    return xell_pcifn_change_request(ioc, XEL_CMD_VHBA_DELETE, port, pcifn, XEL_PCIFN_CLASS_FC, 0, 0);
}

xel_status_t xell_vhba_set_bw(xell_t *ioc, int bw_max, int port, int pcifn)
{
    return xell_pcifn_change_request(ioc, XEL_CMD_VHBA_SET_BW, port, pcifn, XEL_PCIFN_CLASS_FC, 0, bw_max);
}

xel_status_t xell_vhba_get_attr(xell_t *ioc, xel_vhba_attr_t *attr)
{
    xel_ioctl_vhba_attr_t record{};
    record.pcifn_id = static_cast<uint16_t>(ioc->pcifn_id);
    xel_status_t status = xell_request(ioc, XEL_CMD_VHBA_GET_ATTR, &record, 0, sizeof record, sizeof record);
    if (status == XEL_STATUS_OK)
        *attr = record.attr;
    return status;
}

xel_status_t xell_vhba_enable(xell_t *ioc)
{
    return xell_header_request(ioc, XEL_CMD_VHBA_ENABLE, 0, 8, 8);
}

xel_status_t xell_vhba_disable(xell_t *ioc)
{
    return xell_header_request(ioc, XEL_CMD_VHBA_DISABLE, 0, 8, 8);
}
