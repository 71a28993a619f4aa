#include "xell_transport_impl.h"

#include "xell.h"
#include "xell_request_cache.h"
#include "xell_sys.h"

#include <pthread.h>

#include <cerrno>
#include <cstring>
#include <ctime>
#include <vector>

xel_status_t xell_errno_to_status(int err)
{
    switch (err) {
    case ENOMEM:
        return XEL_STATUS_ENOMEM;
    case EINTR:
        return XEL_STATUS_EINTR;
    case EIO:
        return XEL_STATUS_EIO;
    case ENXIO:
        return XEL_STATUS_ENXIO;
    case EBADF:
        return XEL_STATUS_EBADF;
    case ENODEV:
        return XEL_STATUS_NODEV;
    case EINVAL:
        return XEL_STATUS_EINVAL;
    case ENOTTY:
        return XEL_STATUS_ENOTTY;
    case EOPNOTSUPP:
        return XEL_STATUS_CMD_NOTSUPP;
    // A caller without root's rights would otherwise read "Operation failed"
    // and never learn why.
    case EPERM:
    case EACCES:
        return XEL_STATUS_INSUFFICIENT_PERMS;
    default:
        return XEL_STATUS_FAILED;
    }
}

xel_status_t xell_node_open_status(int err)
{
    return err == EPERM || err == EACCES ? XEL_STATUS_INSUFFICIENT_PERMS : XEL_STATUS_NO_DRIVER;
}

xel_status_t xell_os_ioctl(xell_t *ioc, uint32_t cmd, void *args, int xel_len, int kwo_len, int size)
{
    (void)xel_len;
    (void)kwo_len;
    if (xell_ioc_is_storage(ioc))
        return xell_bsg_ioctl(ioc, cmd, args, size);
    return xell_kwo_ioctl(ioc, cmd, args, size);
}

xel_status_t xell_ioctl(xell_t *ioc, uint32_t cmd, void *args, int xel_len, int kwo_len, int size)
{
    xell_cached_request request(ioc, cmd, args, size);
    xel_status_t status;
    if (request.answered(&status))
        return status;
    status = xell_os_ioctl(ioc, cmd, args, xel_len, kwo_len, size);
    request.keep(status);
    return status;
}

xel_status_t xell_ioctl_nomask(xell_t *ioc, uint32_t cmd, void *buf, int len)
{
    if (len < 0 || len > XELL_ARGS_SIZE)
        return XEL_STATUS_EINVAL;
    xell_args_t request{};
    std::memcpy(request.raw, buf, static_cast<size_t>(len));
    xel_status_t status = xell_ioctl(ioc, cmd, &request, 0, 0, len);
    std::memcpy(buf, request.raw, static_cast<size_t>(len));
    return status;
}

xel_status_t xell_ioctl_ipfc(xell_t *ioc, uint32_t cmd, void *args)
{
    // Discovery may not have opened the device: the kernel's answer then.
    if (ioc->ipfc_fd < 0)
        return xell_errno_to_status(EBADF);
    if (xell_os().ioctl(ioc->ipfc_fd, cmd, args) < 0)
        return xell_errno_to_status(errno);
    return XEL_STATUS_OK;
}

void xell_update_file_handle(xell_t *src, const xell_t *dst)
{
    src->fd = dst->fd;
}

int xell_get_unix_fd(const xell_t *ioc)
{
    return ioc->fd;
}

size_t xell_my_strftime(char *buf, size_t size, const char *format, const struct tm *tm)
{
    return std::strftime(buf, size, format, tm);
}

int xell_get_time_string(long seconds, char *buf, uint8_t size)
{
    time_t t = seconds;
    struct tm local {};
    if (size == 0 || localtime_r(&t, &local) == nullptr)
        return 1;
    return xell_my_strftime(buf, size, "%x %X", &local) == 0 ? 1 : 0;
}

void xell_get_mutex_lock(void *mutex)
{
    pthread_mutex_lock(static_cast<pthread_mutex_t *>(mutex));
}

void xell_release_mutex_lock(void *mutex)
{
    pthread_mutex_unlock(static_cast<pthread_mutex_t *>(mutex));
}
