#include "xell_flash.h"

#include "xel_port_records.h"
#include "xell_request.h"

#include <cstring>

xel_status_t xell_flash_get_attr(xell_t *ioc, xel_flash_attr_t *attr)
{
    xel_ioctl_flash_attr_t record{};
    xel_status_t status = xell_request(ioc, XEL_CMD_FLASH_GET_ATTR, &record, 0, 0, sizeof record);
    if (status == XEL_STATUS_OK)
        *attr = record.attr;
    return status;
}

xel_status_t xell_flash_erase_part(xell_t *ioc, uint32_t type, uint8_t instance)
{
    xel_ioctl_flash_t record{};
    record.instance = instance;
    record.type = type;
    return xell_request(ioc, XEL_CMD_FLASH_ERASE_PART, &record, 0, 0, sizeof record);
}

xel_status_t xell_flash_read_part(xell_t *ioc, uint32_t type, uint8_t instance, void *buf, uint32_t size)
{
    xel_ioctl_flash_t record{};
    record.instance = instance;
    record.type = type;
    record.bufsz = size;
    std::vector<uint8_t> data(size);
    xel_status_t status = xell_request_data(ioc, XEL_CMD_FLASH_READ_PART, &record, data.data(), size, 0, 0);
    if (status == static_cast<xel_status_t>(record.status))
        std::memcpy(buf, data.data(), size);
    return status;
}

xel_status_t xell_flash_clr_cfg(xell_t *ioc)
{
    xel_flash_attr_t attr{};
    xel_status_t status = xell_flash_get_attr(ioc, &attr);
    if (status != XEL_STATUS_OK)
        return status;
    for (uint32_t i = 0; i < attr.npart && i < std::size(attr.part); i++) {
        uint32_t type = attr.part[i].part_type;
        if (type != XEL_FLASH_PART_FWCFG && type != XEL_FLASH_PART_DRV && type != XEL_FLASH_PART_BOOT &&
            type != XEL_FLASH_PART_PBC && type != XEL_FLASH_PART_PXECFG)
            continue;
        status = xell_flash_erase_part(ioc, type, static_cast<uint8_t>(ioc->port_num));
        if (status != XEL_STATUS_OK)
            return status;
    }
    return XEL_STATUS_OK;
}

xel_status_t xell_flash_read_adapter_capability(xell_t *ioc, uint32_t *cm)
{
    uint8_t block[XEL_MFG_BLOCK_SIZE] = {};
    xel_status_t status = xell_flash_read_part(ioc, XEL_FLASH_PART_MFG, 0, block, sizeof block);
    if (status != XEL_STATUS_OK)
        return status;
    // In the block's order: cap_nic, cap_cna, cap_hba, cap_fc16g, cap_sriov, cap_mezz.
    constexpr uint32_t bits[] = {XEL_ADAPTER_CAP_NIC,   XEL_ADAPTER_CAP_CNA,   XEL_ADAPTER_CAP_HBA,
                                 XEL_ADAPTER_CAP_FC16G, XEL_ADAPTER_CAP_SRIOV, XEL_ADAPTER_CAP_MEZZ};
    uint32_t cap = 0;
    for (size_t i = 0; i < std::size(bits); i++) {
        uint8_t flag = block[XEL_MFG_CAP_OFFSET + i];
        if (flag == 'y')
            cap |= bits[i];
        else if (flag != 'n' && flag != 0)
            return XEL_STATUS_BADFLASH;
    }
    if (cap == 0)
        return XEL_STATUS_BADFLASH;
    *cm = cap;
    return XEL_STATUS_OK;
}
