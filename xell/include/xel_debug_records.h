// Records of the debug capture requests beyond the trace record
// (xel_ioctl_debug_t in xel_ioctl.h).
#pragma once

#include "xel_ioctl.h"

#include <cstddef>
#include <cstdint>

// The driver's state follows the record in the same transfer.
constexpr int XEL_DEBUG_DRV_STATE_XFER = 32 + XEL_DEBUG_TRACE_SIZE;
static_assert(XEL_DEBUG_DRV_STATE_XFER == 65600);
// One firmware core chunk, behind the record.
constexpr uint32_t XEL_DEBUG_CORE_CHUNK = 16384;

// Driver memory words: uLength words from uAddress, right behind the record;
// kva_address answers the base.
struct xel_ioctl_memread_t {
    int32_t status;
    uint16_t xeld_num;
    uint16_t rsvd;
    uint32_t uLength;
    uint32_t rsvd1;
    uint64_t kva_address;
    uint64_t uAddress;
    uint64_t buf_ptr;
};
static_assert(sizeof(xel_ioctl_memread_t) == xel_cmd_size(XEL_CMD_DIAG_MEMREAD));
static_assert(offsetof(xel_ioctl_memread_t, kva_address) == 16 && offsetof(xel_ioctl_memread_t, buf_ptr) == 32);
// The most words one memory read returns.
constexpr uint32_t XEL_MEMREAD_MAX_WORDS = 1024;
