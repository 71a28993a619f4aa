// The FRU VPD area, moved between the adapter and a file in 4096-byte
// slices, and the small temporary FRU area.
#include "xell_vpd.h"

#include "xel_vpd_records.h"
#include "xell_flash.h"
#include "xell_request.h"
#include "xell_sys.h"

#include <fcntl.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

namespace {

// Reads or writes size bytes of the area through buf; the first failing
// slice ends the transfer with its status, the slices before it stay done.
xel_status_t xell_fruvpd_transfer(xell_t *xell, uint8_t *buf, uint32_t size, bool write)
{
    if (size == 0)
        return XEL_STATUS_FAILED;
    uint32_t cmd = write ? XEL_CMD_FRUVPD_WRITE : XEL_CMD_FRUVPD_READ;
    for (uint32_t offset = 0; offset < size;) {
        auto record = std::make_unique<xel_ioctl_fruvpd_t>();
        record->offset = offset;
        record->len = std::min(size - offset, XEL_FRUVPD_CHUNK);
        uint32_t len = record->len;
        if (write)
            std::memcpy(record->data, buf + offset, len);
        xel_status_t status = xell_request(xell, cmd, record.get(), 0, 0, sizeof *record);
        if (status != XEL_STATUS_OK)
            return status;
        if (!write)
            std::memcpy(buf + offset, record->data, len);
        offset += len;
    }
    return XEL_STATUS_OK;
}

xel_status_t xell_fruvpd_write_file(const char *path, const std::vector<uint8_t> &data)
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

xel_status_t xell_tfru_request(xell_t *xell, uint32_t cmd, uint32_t offset, uint32_t len, xel_ioctl_tfru_t *record)
{
    if (len > XEL_TFRU_DATA_SIZE)
        return XEL_STATUS_EINVAL;
    record->offset = offset;
    record->len = len;
    return xell_request(xell, cmd, record, 0, 0, sizeof *record);
}

} // namespace

xel_status_t xell_fruvpd_get_max_size(xell_t *xell, uint32_t *max)
{
    xel_ioctl_fruvpd_max_size_t record{};
    xel_status_t status = xell_request(xell, XEL_CMD_FRUVPD_GET_MAX_SIZE, &record, 0, 0, sizeof record);
    if (status == XEL_STATUS_OK)
        *max = record.max_size;
    return status;
}

xel_status_t xell_fruvpd_read(xell_t *xell, const char *file)
{
    uint32_t max = 0;
    xel_status_t status = xell_fruvpd_get_max_size(xell, &max);
    if (status != XEL_STATUS_OK)
        return status;
    std::vector<uint8_t> data;
    try {
        data.resize(max);
    } catch (const std::bad_alloc &) {
        return XEL_STATUS_ENOMEM;
    }
    status = xell_fruvpd_transfer(xell, data.data(), max, false);
    if (status != XEL_STATUS_OK)
        return status;
    return xell_fruvpd_write_file(file, data);
}

xel_status_t xell_fruvpd_update(xell_t *xell, const char *file)
{
    uint32_t max = 0;
    xel_status_t status = xell_fruvpd_get_max_size(xell, &max);
    if (status != XEL_STATUS_OK)
        return status;
    std::vector<uint8_t> data;
    status = xell_file_read(file, &data);
    if (status != XEL_STATUS_OK)
        return status;
    if (data.size() > max)
        return XEL_STATUS_INVALID_FRU_VPD_FILE;
    return xell_fruvpd_transfer(xell, data.data(), static_cast<uint32_t>(data.size()), true);
}

xel_status_t xell_tfru_read(xell_t *xell, uint32_t offset, uint32_t len, uint8_t *data)
{
    xel_ioctl_tfru_t record{};
    xel_status_t status = xell_tfru_request(xell, XEL_CMD_TFRU_READ, offset, len, &record);
    if (status == XEL_STATUS_OK)
        std::memcpy(data, record.data, len);
    return status;
}

xel_status_t xell_tfru_write(xell_t *xell, uint32_t offset, uint32_t len, const uint8_t *data)
{
    xel_ioctl_tfru_t record{};
    if (len <= XEL_TFRU_DATA_SIZE)
        std::memcpy(record.data, data, len);
    return xell_tfru_request(xell, XEL_CMD_TFRU_WRITE, offset, len, &record);
}
