// The FC pass-through on Linux: an ELS or CT request goes to the FC
// transport as a BSG request on the remote port's node (when it needs the
// remote port's login) or on the host's node, with the frame header and
// its parameters in a side record the driver answers.
#include "xell_transport_impl.h"

#include "xel_bsg.h"
#include "xell.h"
#include "xell_fcpt.h"
#include "xell_lport.h"
#include "xell_sys.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

// The three CT preamble words the transport takes from the first twelve
// bytes of the request.
void xell_ct_preamble(const uint8_t *req, uint32_t words[3])
{
    words[0] = (uint32_t{req[0]} << 24) | (uint32_t{req[3]} << 16) | (uint32_t{req[2]} << 8) | req[1];
    words[1] = (uint32_t{req[4]} << 24) | (uint32_t{req[5]} << 16) | (uint32_t{req[6]} << 8) | req[7];
    uint16_t upper;
    uint16_t lower;
    std::memcpy(&upper, req + 8, sizeof upper);
    std::memcpy(&lower, req + 10, sizeof lower);
    words[2] = (uint32_t{upper} << 16) | lower;
}

// The request block for the record's frame; false for a frame type the
// transport has no message for.
bool xell_fcpt_request_block(const xel_ioctl_fcpt_t &record, const uint8_t *req, xel_bsg_fcpt_request_t *block)
{
    bool rport = record.dpwwn != 0;
    if (record.fchs.type == FC_TYPE_ELS) {
        block->msgcode = rport ? FC_BSG_RPT_ELS : FC_BSG_HST_ELS_NOLOGIN;
        block->rqst_data[0] = record.reqsz > 0 ? req[0] : 0;
        if (!rport)
            std::memcpy(block->rqst_data + 1, record.fchs.d_id, 3);
        return true;
    }
    if (record.fchs.type != FC_TYPE_SERVICES || record.reqsz < 12)
        return false;
    uint32_t words[3];
    xell_ct_preamble(req, words);
    block->msgcode = rport ? FC_BSG_RPT_CT : FC_BSG_HST_CT;
    size_t at = rport ? 0 : 4;
    if (!rport)
        std::memcpy(block->rqst_data + 1, record.fchs.d_id, 3);
    std::memcpy(block->rqst_data + at, words, sizeof words);
    return true;
}

xel_status_t xell_fcpt_open_rport(xell_t *ioc, uint16_t vf_id, wwn_t lpwwn, wwn_t dpwwn)
{
    uint32_t host = 0;
    uint32_t bus = 0;
    uint32_t target = 0;
    xel_status_t status = xell_rport_get_scsi_address(ioc, vf_id, lpwwn, dpwwn, &host, &bus, &target);
    if (status != XEL_STATUS_OK)
        return status;
    char path[64];
    std::snprintf(path, sizeof path, "/dev/bsg/rport-%u:%u-%u", host, bus, target);
    struct stat st {};
    if (xell_os().stat(path, &st) != 0)
        std::snprintf(path, sizeof path, "/dev/rport-%u:%u-%u", host, bus, target);
    ioc->sg_fd = xell_os().open(path, O_RDWR | O_NONBLOCK);
    if (ioc->sg_fd < 0) {
        std::printf("Opening file %s failed\n", path);
        return XEL_STATUS_FAILED;
    }
    return XEL_STATUS_OK;
}

xel_status_t xell_fcpt_open_host(xell_t *ioc)
{
    ioc->sg_fd = xell_os().open(ioc->devpath, O_RDWR | O_NONBLOCK);
    if (ioc->sg_fd < 0) {
        xel_status_t status = xell_node_open_status(errno);
        xell_set_last_error(status);
        return status;
    }
    return XEL_STATUS_OK;
}

void xell_fcpt_close(xell_t *ioc)
{
    if (ioc->sg_fd >= 0)
        xell_os().close(ioc->sg_fd);
    ioc->sg_fd = -1;
}

} // namespace

xel_status_t xell_fcpt_passthru(xell_t *ioc, void *args)
{
    xel_ioctl_fcpt_t record;
    std::memcpy(&record, args, sizeof record);
    const auto *req = reinterpret_cast<const uint8_t *>(static_cast<uintptr_t>(record.reqbuf_ptr));

    xel_bsg_fcpt_t side{};
    side.vf_id = record.vf_id;
    side.lpwwn = record.lpwwn;
    side.dpwwn = record.dpwwn;
    side.tsecs = record.tsecs;
    side.cts = record.cts;
    side.cos = record.cos;
    side.fchs = record.fchs;
    xel_bsg_fcpt_request_t block{};
    if (!xell_fcpt_request_block(record, req, &block))
        return XEL_STATUS_FAILED;
    block.vendor.payload_len = sizeof side;
    block.vendor.payload = reinterpret_cast<uintptr_t>(&side);

    xel_fc_bsg_reply_t reply{};
    struct sg_io_v4 header {};
    header.guard = 'Q';
    header.protocol = XEL_BSG_PROTOCOL_SCSI;
    header.subprotocol = XEL_BSG_SUB_PROTOCOL_SCSI_TRANSPORT;
    header.request_len = sizeof block;
    header.request = reinterpret_cast<uintptr_t>(&block);
    header.response = reinterpret_cast<uintptr_t>(&reply);
    header.max_response_len = sizeof reply;
    header.timeout = XEL_BSG_TIMEOUT_MS;
    header.dout_xferp = record.reqbuf_ptr;
    header.dout_xfer_len = record.reqsz;
    header.din_xferp = record.rspbuf_ptr;
    header.din_xfer_len = record.rspsz;
    if (xell_os().ioctl(ioc->sg_fd, XEL_SG_IO, &header) < 0)
        return xell_errno_to_status(errno);
    // A job that ended in the transport never reached the driver's answer.
    if ((header.info & XEL_SG_INFO_CHECK) != 0 || reply.result != 0)
        return XEL_STATUS_EIO;
    record.status = side.status;
    uint32_t resid = header.din_resid > 0 ? static_cast<uint32_t>(header.din_resid) : 0;
    record.rspsz = resid < record.rspsz ? record.rspsz - resid : 0;
    std::memcpy(args, &record, sizeof record);
    return XEL_STATUS_OK;
}

xel_status_t xell_fcpt(xell_t *ioc, uint16_t vf_id, wwn_t lpwwn, wwn_t dpwwn, uint32_t tsecs, bool cts, uint32_t cos,
                       const fchs_t &fchs, const void *reqbuf, uint32_t reqsz, void *rspbuf, uint32_t *rspsz)
{
    if (ioc == nullptr)
        return XEL_STATUS_FAILED;
    xel_status_t status = dpwwn != 0 ? xell_fcpt_open_rport(ioc, vf_id, lpwwn, dpwwn) : xell_fcpt_open_host(ioc);
    if (status != XEL_STATUS_OK)
        return status;
    xel_ioctl_fcpt_t record{};
    record.xeld_num = static_cast<uint16_t>(ioc->instance);
    record.vf_id = vf_id;
    record.lpwwn = lpwwn;
    record.dpwwn = dpwwn;
    record.tsecs = tsecs;
    record.cts = cts ? 1 : 0;
    record.cos = cos;
    record.fchs = fchs;
    record.nport_nexus_needed = dpwwn != 0 ? 1 : 0;
    record.reqsz = reqsz;
    record.rspsz = *rspsz;
    record.reqbuf_ptr = reinterpret_cast<uintptr_t>(reqbuf);
    record.rspbuf_ptr = reinterpret_cast<uintptr_t>(rspbuf);
    status = xell_ioctl(ioc, XEL_CMD_FCPT, &record, 0, 0, sizeof record);
    xell_fcpt_close(ioc);
    if (status != XEL_STATUS_OK)
        return status;
    *rspsz = record.rspsz;
    return static_cast<xel_status_t>(record.status);
}
