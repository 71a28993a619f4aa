#include "xell_bios.h"

#include "xell_port.h"
#include "xell_request.h"

#include <cstring>

uint16_t xel_checksum_u16(const void *buf, size_t size)
{
    const auto *bytes = static_cast<const uint8_t *>(buf);
    uint16_t sum = 0;
    for (size_t i = 0; i + 1 < size; i += 2) {
        uint16_t word;
        std::memcpy(&word, bytes + i, sizeof word);
        sum ^= word;
    }
    return sum;
}

xel_status_t xell_bios_cfg(xell_t *ioc, const xel_boot_cfg_t *cfg)
{
    if (cfg->enable && (cfg->speed == 0 || cfg->nbluns > XEL_BOOT_LUNS))
        return XEL_STATUS_EINVAL;
    xel_ioctl_bios_t record{};
    record.cfg = *cfg;
    record.cfg.chksum = 0;
    record.cfg.chksum = xel_checksum_u16(&record.cfg, sizeof record.cfg);
    return xell_request(ioc, XEL_CMD_BIOS_CFG, &record, 0, 0, sizeof record);
}

xel_status_t xell_bios_query(xell_t *ioc, xel_boot_cfg_t *cfg)
{
    xel_ioctl_bios_t record{};
    xel_status_t status = xell_request(ioc, XEL_CMD_BIOS_QUERY, &record, 0, 0, sizeof record);
    // What could not be read is not known to be blank: never overwrite it.
    if (status != XEL_STATUS_OK)
        return status;
    if (record.cfg.version != XEL_BOOT_CFG_VERSION) {
        xel_boot_cfg_t fresh{};
        fresh.version = XEL_BOOT_CFG_VERSION;
        fresh.enable = 1;
        fresh.speed = XEL_PORT_SPEED_AUTO;
        status = xell_bios_cfg(ioc, &fresh);
        if (status == XEL_STATUS_OK)
            *cfg = fresh;
        return status;
    }
    *cfg = record.cfg;
    xel_mode_t mode = XEL_MODE_HBA;
    if (xell_port_mode_get(ioc, true, &mode) == XEL_STATUS_OK && mode != XEL_MODE_HBA)
        cfg->speed = XEL_PORT_SPEED_AUTO;
    return XEL_STATUS_OK;
}

xel_status_t xell_bios_pbc_query(xell_t *ioc, xel_boot_pbc_t *pbc)
{
    xel_ioctl_bios_pbc_t record{};
    xel_status_t status = xell_request(ioc, XEL_CMD_BIOS_PBC_QUERY, &record, 0, 0, sizeof record);
    if (status == XEL_STATUS_OK)
        *pbc = record.pbc;
    return status;
}

xel_status_t xell_ethboot_cfg(xell_t *ioc, const xel_ethboot_cfg_t *cfg)
{
    xel_ioctl_ethboot_t record{};
    record.cfg = *cfg;
    record.cfg.chksum = 0;
    record.cfg.chksum = xel_checksum_u16(&record.cfg, sizeof record.cfg);
    return xell_request(ioc, XEL_CMD_ETHBOOT_CFG, &record, 0, 0, sizeof record);
}

xel_status_t xell_ethboot_query(xell_t *ioc, xel_ethboot_cfg_t *cfg)
{
    xel_mode_t mode = XEL_MODE_HBA;
    xel_status_t status = xell_port_mode_get(ioc, true, &mode);
    if (status != XEL_STATUS_OK)
        return status;
    if (mode == XEL_MODE_HBA)
        return XEL_STATUS_CMD_NOTSUPP;
    xel_ioctl_ethboot_t record{};
    status = xell_request(ioc, XEL_CMD_ETHBOOT_QUERY, &record, 0, 0, sizeof record);
    if (status != XEL_STATUS_OK)
        return status;
    if (record.cfg.version == XEL_ETHBOOT_CFG_VERSION) {
        *cfg = record.cfg;
        return XEL_STATUS_OK;
    }
    xel_ethboot_cfg_t fresh{};
    fresh.version = XEL_ETHBOOT_CFG_VERSION;
    status = xell_ethboot_cfg(ioc, &fresh);
    if (status == XEL_STATUS_OK)
        *cfg = fresh;
    return status;
}

namespace {

xel_status_t xell_ethboot_set_enable(xell_t *ioc, bool enable)
{
    xel_ethboot_cfg_t cfg{};
    xel_status_t status = xell_ethboot_query(ioc, &cfg);
    if (status != XEL_STATUS_OK)
        return status;
    if ((cfg.enable != 0) == enable)
        return enable ? XEL_STATUS_ETHBOOT_ENABLED : XEL_STATUS_ETHBOOT_DISABLED;
    cfg.enable = enable ? 1 : 0;
    return xell_ethboot_cfg(ioc, &cfg);
}

} // namespace

xel_status_t xell_ethboot_enable(xell_t *ioc)
{
    return xell_ethboot_set_enable(ioc, true);
}

xel_status_t xell_ethboot_disable(xell_t *ioc)
{
    return xell_ethboot_set_enable(ioc, false);
}

xel_status_t xell_ethboot_vlan(xell_t *ioc, uint16_t vlan_id)
{
    xel_ethboot_cfg_t cfg{};
    xel_status_t status = xell_ethboot_query(ioc, &cfg);
    if (status != XEL_STATUS_OK || cfg.vlan == vlan_id)
        return status;
    cfg.vlan = vlan_id;
    return xell_ethboot_cfg(ioc, &cfg);
}
