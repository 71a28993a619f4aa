#include "xell_transport_impl.h"

#include "xell_sys.h"

#include <cerrno>

xel_status_t xell_kwo_ioctl(xell_t *ioc, uint32_t cmd, void *args, int size)
{
    (void)size;
    switch (cmd) {
    case XEL_CMD_DEBUG_FW_TRACE:
    case XEL_CMD_DEBUG_FW_STATE:
        return xell_debugfs_trace(ioc, cmd, args);
    case XEL_CMD_DIAG_REGWRITE:
    case XEL_CMD_DIAG_REGREAD:
        return xell_debugfs_register(ioc, cmd, args);
    case XEL_CMD_FLASH_UPDATE_PART:
    case XEL_CMD_FLASH_READ_PART:
        return xell_ethtool_flash(ioc, cmd, args);
    default:
        if (xell_os().ioctl(ioc->fd, xel_cmd_for_kwo(cmd), args) < 0)
            return xell_errno_to_status(errno);
        return XEL_STATUS_OK;
    }
}
