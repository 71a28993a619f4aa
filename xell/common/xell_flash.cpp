#include "xell_flash.h"

#include "xel_port_records.h"
#include "xell_request.h"
#include "xell_sys.h"

#include <fcntl.h>

#include <algorithm>
#include <cstring>
#include <string>

namespace {

// Device 0x22 rewrites its ASIC image as it takes it, so what reads back
// is not what was sent.
bool xell_flash_readback_skipped(const xell_t *ioc, uint32_t type)
{
    return type == XEL_FLASH_PART_ASIC && ioc->device_id == 0x22;
}

} // namespace

xel_status_t xell_flash_write_file(const char *path, const std::vector<uint8_t> &data)
{
    xell_sys &os = xell_os();
    int fd = os.open(path, O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0)
        return XEL_STATUS_EFOPEN;
    size_t done = 0;
    while (done < data.size()) {
        ssize_t n = os.write(fd, data.data() + done, data.size() - done);
        if (n <= 0)
            break;
        done += static_cast<size_t>(n);
    }
    bool ok = done == data.size();
    if (os.close(fd) != 0)
        ok = false;
    return ok ? XEL_STATUS_OK : XEL_STATUS_FAILED;
}

namespace {

xel_status_t xell_flash_write(xell_t *ioc, uint32_t type, uint8_t instance, std::vector<uint8_t> &data)
{
    xel_ioctl_flash_t record{};
    record.instance = instance;
    record.type = type;
    record.bufsz = static_cast<uint32_t>(data.size());
    return xell_request_data(ioc, XEL_CMD_FLASH_UPDATE_PART, &record, data.data(), data.size(), 0, 0);
}

} // namespace

xel_status_t xell_file_read(const char *path, std::vector<uint8_t> *buf)
{
    std::string text;
    bool opened = false;
    bool whole = xell_os_read_file(path, &text, &opened);
    if (!opened)
        return XEL_STATUS_EFOPEN;
    buf->assign(text.begin(), text.end());
    return whole ? XEL_STATUS_OK : XEL_STATUS_FAILED;
}

uint32_t xell_flash_part_count(const xel_flash_attr_t &attr)
{
    return std::min<uint32_t>(attr.npart, std::size(attr.part));
}

const xel_flash_part_attr_t *xell_flash_find_part(const xel_flash_attr_t &attr, uint32_t type)
{
    uint32_t count = xell_flash_part_count(attr);
    for (uint32_t i = 0; i < count; i++)
        if (attr.part[i].part_type == type)
            return &attr.part[i];
    return nullptr;
}

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

xel_status_t xell_flash_read_part(xell_t *ioc, uint32_t type, uint8_t instance, void *buf, uint32_t size, bool bfile)
{
    xel_ioctl_flash_t record{};
    record.instance = instance;
    record.type = type;
    record.bufsz = size;
    std::vector<uint8_t> data(size);
    xel_status_t status = xell_request_data(ioc, XEL_CMD_FLASH_READ_PART, &record, data.data(), size, 0, 0);
    if (status != static_cast<xel_status_t>(record.status))
        return status; // the transport failed: nothing came back
    if (!bfile) {
        std::memcpy(buf, data.data(), size);
        return status;
    }
    if (status != XEL_STATUS_OK)
        return status;
    return xell_flash_write_file(static_cast<const char *>(buf), data);
}

xel_status_t xell_flash_update_part(xell_t *ioc, uint32_t type, uint8_t instance, const void *filename, bool bfile,
                                    uint32_t size)
{
    std::vector<uint8_t> data;
    if (bfile) {
        xel_status_t status = xell_file_read(static_cast<const char *>(filename), &data);
        if (status != XEL_STATUS_OK)
            return status;
        if (data.empty())
            return XEL_STATUS_FAILED;
        if (data.size() > UINT32_MAX)
            return XEL_STATUS_EINVAL;
    } else {
        const auto *bytes = static_cast<const uint8_t *>(filename);
        data.assign(bytes, bytes + size);
    }
    std::vector<uint8_t> sent = data;
    xel_status_t status = xell_flash_write(ioc, type, instance, data);
    if (status != XEL_STATUS_OK || xell_flash_readback_skipped(ioc, type))
        return status;
    std::vector<uint8_t> back(sent.size());
    status = xell_flash_read_part(ioc, type, instance, back.data(), static_cast<uint32_t>(back.size()));
    if (status != XEL_STATUS_OK)
        return status;
    return back == sent ? XEL_STATUS_OK : XEL_STATUS_FAILED;
}

xel_status_t xell_flash_enable_optrom(xell_t *ioc)
{
    return xell_header_request(ioc, XEL_CMD_FLASH_ENABLE_OPTROM, 0, 0, sizeof(xel_ioctl_gen_t));
}

xel_status_t xell_flash_disable_optrom(xell_t *ioc)
{
    return xell_header_request(ioc, XEL_CMD_FLASH_DISABLE_OPTROM, 0, 0, sizeof(xel_ioctl_gen_t));
}

// A type the table lists once per port is erased once, for the handle's
// port.
xel_status_t xell_flash_clr_cfg(xell_t *ioc)
{
    xel_flash_attr_t attr{};
    xel_status_t status = xell_flash_get_attr(ioc, &attr);
    if (status != XEL_STATUS_OK)
        return status;
    uint32_t count = xell_flash_part_count(attr);
    for (uint32_t i = 0; i < count; i++) {
        uint32_t type = attr.part[i].part_type;
        if (type != XEL_FLASH_PART_FWCFG && type != XEL_FLASH_PART_DRV && type != XEL_FLASH_PART_BOOT &&
            type != XEL_FLASH_PART_PBC && type != XEL_FLASH_PART_PXECFG)
            continue;
        if (xell_flash_find_part(attr, type) != &attr.part[i])
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
