#include "xell_transport_impl.h"

#include "xel_bsg.h"
#include "xell.h"
#include "xell_sys.h"

#include <fcntl.h>

#include <cerrno>
#include <cstddef>

namespace {

// The driver reads and rewrites the record in place: it is both the data
// going out and the data coming back. The FC transport's reply block comes
// back in the response buffer.
struct sg_io_v4 xell_bsg_header(const xel_fc_bsg_vendor_request_t *request, void *args, int size,
                                xel_fc_bsg_reply_t *reply)
{
    struct sg_io_v4 header {};
    header.guard = 'Q';
    header.protocol = XEL_BSG_PROTOCOL_SCSI;
    header.subprotocol = XEL_BSG_SUB_PROTOCOL_SCSI_TRANSPORT;
    header.request_len = sizeof *request;
    header.request = reinterpret_cast<uintptr_t>(request);
    header.response = reinterpret_cast<uintptr_t>(reply);
    header.max_response_len = sizeof *reply;
    header.dout_xferp = reinterpret_cast<uintptr_t>(args);
    header.din_xferp = reinterpret_cast<uintptr_t>(args);
    header.dout_xfer_len = static_cast<uint32_t>(size);
    header.din_xfer_len = static_cast<uint32_t>(size);
    header.timeout = XEL_BSG_TIMEOUT_MS;
    return header;
}

// A request the kernel delivered can still have failed: a nonzero result
// (or the check flag bsg-lib sets from it) means the job ended in the
// transport or the device, and a reply short of the status word means the
// driver never answered the record. Either way the record still holds what
// was sent, whose status 0 would read as success; the request failed in
// transfer, as an I/O error.
xel_status_t xell_bsg_reply_status(const struct sg_io_v4 &header, const xel_fc_bsg_reply_t &reply)
{
    if ((header.info & XEL_SG_INFO_CHECK) != 0 || header.response_len < offsetof(xel_fc_bsg_reply_t, reply_data))
        return XEL_STATUS_EIO;
    if (reply.result != 0 || reply.reply_payload_rcv_len < sizeof(int32_t))
        return XEL_STATUS_EIO;
    return XEL_STATUS_OK;
}

xel_status_t xell_bsg_vendor_request(xell_t *ioc, uint32_t cmd, void *args, int size)
{
    xel_fc_bsg_vendor_request_t request{};
    request.msgcode = FC_BSG_HST_VENDOR;
    request.vendor_id = XEL_PCI_VENDOR_ID;
    request.vendor_cmd[0] = cmd;
    xel_fc_bsg_reply_t reply{};
    struct sg_io_v4 header = xell_bsg_header(&request, args, size, &reply);

    xell_sys &os = xell_os();
    int fd = os.open(ioc->devpath, O_RDWR | O_NONBLOCK);
    if (fd < 0) {
        xel_status_t status = xell_node_open_status(errno);
        xell_set_last_error(status);
        return status;
    }
    int rc = os.ioctl(fd, XEL_SG_IO, &header);
    int err = errno;
    os.close(fd);
    return rc < 0 ? xell_errno_to_status(err) : xell_bsg_reply_status(header, reply);
}

} // namespace

xel_status_t xell_bsg_ioctl(xell_t *ioc, uint32_t cmd, void *args, int size)
{
    if (size == 0)
        size = XELL_ARGS_SIZE;
    switch (cmd) {
    case XEL_CMD_SCSI_CMND:
        return xell_scsi_passthru(ioc, args);
    case XEL_CMD_FCPT:
        return xell_fcpt_passthru(ioc, args);
    case XEL_CMD_DEBUG_DRV_TRACE:
    case XEL_CMD_DEBUG_FW_TRACE:
    case XEL_CMD_DEBUG_FW_STATE:
        return xell_debugfs_trace(ioc, cmd, args);
    case XEL_CMD_DIAG_REGWRITE:
    case XEL_CMD_DIAG_REGREAD:
        return xell_debugfs_register(ioc, cmd, args);
    case XEL_CMD_VPORT_DELETE:
        return xell_sysfs_vport_delete(ioc, args);
    case XEL_CMD_VPORT_CREATE:
        return xell_sysfs_vport_create(ioc, args);
    default:
        return xell_bsg_vendor_request(ioc, cmd, args, size);
    }
}
