// The kernel between a caller's SG_IO on an FC BSG node and the storage
// driver: the block layer's bsg-lib and the FC transport class. It checks
// the request as they do, hands the driver a job, and returns the job's
// outcome as they do, in the sg_io_v4 header and the response buffer.
#pragma once

#include "xel_bsg.h"

#include <array>
#include <cstdint>
#include <functional>
#include <span>

// The node a request came through: a SCSI host's, or a remote port's
// (which the fabric brings).
enum class sim_bsg_node { fc_host, rport };

// The largest transfer one request maps each way: the queue's maximum of
// 65535 sectors of 512 bytes.
constexpr uint32_t sim_bsg_max_transfer = 65535u * 512u;

// A job as the FC transport hands it to the driver. The driver reads the
// request block and payload, fills the reply payload and sets result (0
// or a SCSI-style result) and how many reply payload bytes it filled.
struct sim_bsg_job {
    uint32_t msgcode = 0;
    std::span<const uint8_t> request;         // the request block, message code first
    std::span<const uint8_t> request_payload; // data out (or a lone data in)
    std::span<uint8_t> reply_payload;         // data in of a request with data both ways
    int32_t result = 0;
    uint32_t reply_payload_rcv_len = 0;
    std::array<uint8_t, XEL_BSG_REPLY_BUFFER_SIZE> reply{}; // reply block; result and length go in front
};

// The driver's entry: 0 when it completed the job, else the errno with
// which it refuses it.
using sim_bsg_driver = std::function<int(sim_bsg_job &job)>;

// SG_IO on an FC BSG node. rawio: the caller holds CAP_SYS_RAWIO. Returns
// 0 with the header answered, or -1 with errno (and the header as sent).
int sim_bsg_sg_io(sim_bsg_node node, bool rawio, struct sg_io_v4 *header, const sim_bsg_driver &driver);
