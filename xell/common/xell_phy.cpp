#include "xell_phy.h"

#include "xell_flash.h"
#include "xell_request.h"
#include "xell_sys.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstdint>
#include <new>

namespace {

template <typename Record>
xel_status_t xell_phy_request(xell_t *ioc, uint32_t cmd, Record *record)
{
    record->instance = static_cast<uint16_t>(ioc->port_num);
    return xell_request(ioc, cmd, record, 0, sizeof *record, sizeof *record);
}

// Header and data in one transfer; the data stays behind the header.
xel_status_t xell_phy_transfer(xell_t *ioc, uint32_t cmd, std::vector<uint8_t> *buffer, xel_ioctl_phy_t *record)
{
    record->xeld_num = static_cast<uint16_t>(ioc->instance);
    record->instance = static_cast<uint16_t>(ioc->port_num);
    record->buf_ptr = reinterpret_cast<uintptr_t>(buffer->data() + sizeof *record);
    std::memcpy(buffer->data(), record, sizeof *record);
    xel_status_t status = xell_ioctl(ioc, cmd, buffer->data(), 0, 0, static_cast<int>(buffer->size()));
    if (status != XEL_STATUS_OK)
        return status;
    std::memcpy(record, buffer->data(), sizeof *record);
    return static_cast<xel_status_t>(record->status);
}

bool xell_alloc(std::vector<uint8_t> *buffer, size_t size)
{
    try {
        buffer->assign(size, 0);
    } catch (const std::bad_alloc &) {
        return false;
    }
    return true;
}

} // namespace

xel_status_t xell_phy_get_attr(xell_t *ioc, xel_phy_attr_t *attr)
{
    xel_ioctl_phy_attr_t record{};
    xel_status_t status = xell_phy_request(ioc, XEL_CMD_PHY_GET_ATTR, &record);
    if (status == XEL_STATUS_OK)
        *attr = record.attr;
    return status;
}

xel_status_t xell_phy_get_stats(xell_t *ioc, const xell_stats_t **desc, xel_phy_stats_t *stats)
{
    xel_ioctl_phy_stats_t record{};
    xel_status_t status = xell_phy_request(ioc, XEL_CMD_PHY_GET_STATS, &record);
    if (status == XEL_STATUS_OK) {
        *stats = record.stats;
        *desc = &xell_xel_phy_stats;
    }
    return status;
}

xel_status_t xell_phy_read(xell_t *ioc, void *buf, uint32_t size, bool to_file)
{
    std::vector<uint8_t> buffer;
    if (!xell_alloc(&buffer, sizeof(xel_ioctl_phy_t) + size))
        return XEL_STATUS_ENOMEM;
    xel_ioctl_phy_t record{};
    record.bufsz = size;
    xel_status_t status = xell_phy_transfer(ioc, XEL_CMD_PHY_READ, &buffer, &record);
    if (status != XEL_STATUS_OK)
        return status;
    const uint8_t *data = buffer.data() + sizeof record;
    if (!to_file) {
        std::memcpy(buf, data, size);
        return XEL_STATUS_OK;
    }
    // The driver's count is trusted only as far as the buffer it was given.
    size_t got = static_cast<size_t>(std::min<uint64_t>(record.bufsz, size));
    return xell_flash_write_file(static_cast<const char *>(buf), std::vector<uint8_t>(data, data + got));
}

xel_status_t xell_phy_update(xell_t *ioc, const char *file)
{
    struct stat st{};
    if (xell_os().stat(file, &st) != 0 || st.st_size < 0)
        return XEL_STATUS_FAILED;
    // One transfer carries the header and the image.
    if (static_cast<uint64_t>(st.st_size) > static_cast<uint64_t>(INT32_MAX) - sizeof(xel_ioctl_phy_t))
        return XEL_STATUS_EINVAL;
    auto size = static_cast<size_t>(st.st_size);
    std::vector<uint8_t> buffer;
    if (!xell_alloc(&buffer, sizeof(xel_ioctl_phy_t) + size))
        return XEL_STATUS_ENOMEM;
    std::vector<uint8_t> image;
    xel_status_t status = xell_file_read(file, &image);
    if (status != XEL_STATUS_OK)
        return status;
    // Nothing read, or less than the file system said: not the image.
    if (image.empty() || image.size() != size)
        return XEL_STATUS_FAILED;
    uint8_t sum = 0;
    for (uint8_t byte : image)
        sum ^= byte;
    if (sum != 0)
        return XEL_STATUS_CHECKSUM_FAIL;
    std::copy(image.begin(), image.end(), buffer.begin() + sizeof(xel_ioctl_phy_t));
    xel_ioctl_phy_t record{};
    record.bufsz = size;
    status = xell_phy_transfer(ioc, XEL_CMD_PHY_UPDATE, &buffer, &record);
    if (status != XEL_STATUS_OK)
        return status;
    // The whole image is read back: a size cut to 16 bits would fail every
    // image of 64 KiB or more.
    std::vector<uint8_t> back(size);
    status = xell_phy_read(ioc, back.data(), static_cast<uint32_t>(size), false);
    if (status != XEL_STATUS_OK)
        return status;
    return back == image ? XEL_STATUS_OK : XEL_STATUS_FAILED;
}
