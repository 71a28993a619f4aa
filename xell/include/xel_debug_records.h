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

// The firmware's port log: a ring of records from head to tail.
constexpr int XEL_PLOG_RECS = 256;
constexpr int XEL_PLOG_ENTRY = 32;
constexpr uint8_t XEL_PLOG_TYPE_INT = 1;
constexpr uint8_t XEL_PLOG_TYPE_STRING = 2;

struct xel_plog_rec_t {
    uint64_t tv;     // time stamp, seconds
    uint8_t port;
    uint8_t mid;     // module id
    uint8_t eid;     // event id
    uint8_t log_type;
    uint8_t log_num_ints;
    uint8_t rsvd;
    uint16_t misc;   // length
    uint8_t log_entry[XEL_PLOG_ENTRY]; // big-endian 32-bit integers, or a string
};
static_assert(sizeof(xel_plog_rec_t) == 48 && offsetof(xel_plog_rec_t, log_entry) == 16);

struct xel_plog_t {
    char plog_sig[8]; // "12pl123"
    uint8_t plog_enabled;
    uint8_t rsvd[7];
    uint32_t ticks;
    uint16_t head;
    uint16_t tail;
    xel_plog_rec_t plog_recs[XEL_PLOG_RECS];
};
static_assert(sizeof(xel_plog_t) == 12312 && offsetof(xel_plog_t, plog_recs) == 24);

// Port log control: the enable flag behind the header.
struct xel_ioctl_portlog_ctl_t {
    int32_t status;
    uint16_t xeld_num;
    uint16_t rsvd;
    uint32_t enable;
    uint32_t rsvd1;
};
static_assert(sizeof(xel_ioctl_portlog_ctl_t) == xel_cmd_size(XEL_CMD_DEBUG_PORTLOG_CTL));
static_assert(offsetof(xel_ioctl_portlog_ctl_t, enable) == 8);
