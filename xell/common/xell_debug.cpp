#include "xell_debug.h"

#include "xell_request.h"
#include "xell_sys.h"

#include <fcntl.h>

#include <algorithm>
#include <new>
#include <vector>

namespace {

// Opens path for writing as fopen's "w" would (truncating).
int xell_debug_open(const char *path, bool append)
{
    int flags = O_WRONLY | O_CREAT | (append ? O_APPEND : O_TRUNC);
    return xell_os().open(path, flags, 0644);
}

bool xell_debug_write(int fd, const uint8_t *data, size_t size)
{
    size_t done = 0;
    while (done < size) {
        ssize_t n = xell_os().write(fd, data + done, size - done);
        if (n <= 0)
            return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

xel_status_t xell_debug_save(const char *path, const uint8_t *data, size_t size, xel_status_t status)
{
    int fd = xell_debug_open(path, false);
    if (fd < 0)
        return XEL_STATUS_EFOPEN;
    bool ok = xell_debug_write(fd, data, size);
    ok = xell_os().close(fd) == 0 && ok;
    return ok ? status : XEL_STATUS_FAILED;
}

// A trace read into a buffer of its own; bufsz is bounded by that buffer.
xel_status_t xell_debug_trace(xell_t *ioc, uint32_t cmd, const char *path)
{
    if (ioc == nullptr)
        return XEL_STATUS_FAILED;
    std::vector<uint8_t> buf;
    try {
        buf.resize(XEL_DEBUG_TRACE_SIZE);
    } catch (const std::bad_alloc &) {
        return XEL_STATUS_ENOMEM;
    }
    xel_ioctl_debug_t record{};
    record.bufsz = XEL_DEBUG_TRACE_SIZE;
    xel_status_t status = xell_request_data(ioc, cmd, &record, buf.data(), buf.size(), 0, 0);
    if (status != XEL_STATUS_OK)
        return status;
    return xell_debug_save(path, buf.data(), std::min<size_t>(record.bufsz, buf.size()), status);
}

} // namespace

xel_status_t xell_debug_drv_trace(xell_t *ioc, const char *path)
{
    return xell_debug_trace(ioc, XEL_CMD_DEBUG_DRV_TRACE, path);
}

xel_status_t xell_debug_fw_trace(xell_t *ioc, const char *path)
{
    return xell_debug_trace(ioc, XEL_CMD_DEBUG_FW_TRACE, path);
}

xel_status_t xell_debug_fw_state(xell_t *ioc, const char *path)
{
    return xell_debug_trace(ioc, XEL_CMD_DEBUG_FW_STATE, path);
}

xel_status_t xell_debug_drv_state(xell_t *ioc, const char *path)
{
    return xell_debug_trace(ioc, XEL_CMD_DEBUG_DRV_STATE, path);
}

xel_status_t xell_debug_fw_state_clr(xell_t *ioc)
{
    if (ioc == nullptr)
        return XEL_STATUS_FAILED;
    return xell_header_request(ioc, XEL_CMD_DEBUG_FW_STATE_CLR, 0, 0, sizeof(xel_ioctl_gen_t));
}

xel_status_t xell_debug_fw_core(xell_t *ioc, const char *path)
{
    if (ioc == nullptr)
        return XEL_STATUS_FAILED;
    int fd = xell_debug_open(path, false);
    if (fd < 0)
        return XEL_STATUS_EFOPEN;
    std::vector<uint8_t> chunk(XEL_DEBUG_CORE_CHUNK);
    xel_ioctl_debug_t record{};
    xel_status_t status = XEL_STATUS_FAILED;
    for (int n = 0; n < XELL_CORE_MAX_CHUNKS; n++) {
        record.status = 0;
        record.bufsz = XEL_DEBUG_CORE_CHUNK;
        status = xell_request_data(ioc, XEL_CMD_DEBUG_FW_CORE, &record, chunk.data(), chunk.size(), 0, 0);
        if (status != XEL_STATUS_OK)
            break;
        if (!xell_debug_write(fd, chunk.data(), std::min<size_t>(record.bufsz, chunk.size()))) {
            status = XEL_STATUS_FAILED;
            break;
        }
        if (record.offset == 0)
            break;
        if (n + 1 == XELL_CORE_MAX_CHUNKS)
            status = XEL_STATUS_FAILED;
    }
    if (xell_os().close(fd) != 0 && status == XEL_STATUS_OK)
        status = XEL_STATUS_FAILED;
    return status;
}

xel_status_t xell_debug_control_dtrc(xell_t *ioc, bool start)
{
    if (ioc == nullptr)
        return XEL_STATUS_FAILED;
    return xell_header_request(ioc, start ? XEL_CMD_DEBUG_DTRC_START : XEL_CMD_DEBUG_DTRC_STOP, 0, 0,
                               sizeof(xel_ioctl_gen_t));
}

xel_status_t xell_debug_control_ftrc(xell_t *ioc, bool start)
{
    (void)ioc;
    (void)start;
    return XEL_STATUS_CMD_NOTSUPP;
}

xel_status_t xell_diag_memread(xell_t *ioc, uint64_t addr, uint32_t nwords, uint32_t *words, uint64_t *kva)
{
    if (ioc == nullptr)
        return XEL_STATUS_FAILED;
    if (nwords > XEL_MEMREAD_MAX_WORDS)
        return XEL_STATUS_EINVAL;
    std::vector<uint8_t> data(static_cast<size_t>(nwords) * 4);
    xel_ioctl_memread_t record{};
    record.uLength = nwords;
    record.uAddress = addr;
    xel_status_t status = xell_request_data(ioc, XEL_CMD_DIAG_MEMREAD, &record, data.data(), data.size(), 0, 0);
    if (status != XEL_STATUS_OK)
        return status;
    std::copy(data.begin(), data.end(), reinterpret_cast<uint8_t *>(words));
    *kva = record.kva_address;
    return XEL_STATUS_OK;
}

xel_status_t xell_debug_portlog(xell_t *ioc, xel_plog_t *plog)
{
    if (ioc == nullptr)
        return XEL_STATUS_FAILED;
    xel_ioctl_debug_t record{};
    record.bufsz = sizeof *plog;
    return xell_request_data(ioc, XEL_CMD_DEBUG_PORTLOG, &record, plog, sizeof *plog, 0, 0);
}

xel_status_t xell_debug_portlog_clr(xell_t *ioc)
{
    if (ioc == nullptr)
        return XEL_STATUS_FAILED;
    return xell_header_request(ioc, XEL_CMD_DEBUG_PORTLOG_CLR, 0, 0, sizeof(xel_ioctl_gen_t));
}

xel_status_t xell_debug_portlog_ctl(xell_t *ioc, bool enable)
{
    if (ioc == nullptr)
        return XEL_STATUS_FAILED;
    xel_ioctl_portlog_ctl_t record{};
    record.enable = enable ? 1 : 0;
    return xell_request(ioc, XEL_CMD_DEBUG_PORTLOG_CTL, &record, 0, 0, sizeof record);
}
