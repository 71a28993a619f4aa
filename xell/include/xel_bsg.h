// The envelope of a storage request: the block SCSI generic (bsg) v4
// header of the kernel's published interface, carrying an FC transport
// vendor request whose first vendor word is the command code.
#pragma once

#include <linux/bsg.h>

#include <cstddef>
#include <cstdint>

constexpr unsigned long XEL_SG_IO = 0x2285;
constexpr uint32_t XEL_BSG_PROTOCOL_SCSI = 0;
constexpr uint32_t XEL_BSG_SUB_PROTOCOL_SCSI_TRANSPORT = 2;
constexpr uint32_t XEL_BSG_TIMEOUT_MS = 60000;

constexpr uint32_t FC_BSG_HST_VENDOR = 0x800000FF;
// The adapter family's PCI vendor id, which the driver checks.
constexpr uint64_t XEL_PCI_VENDOR_ID = 0x7a3c;

// The FC transport request block of a host vendor request, as the kernel
// lays it out (packed): message code, vendor id, vendor words.
#pragma pack(push, 1)
struct xel_fc_bsg_vendor_request_t {
    uint32_t msgcode;
    uint64_t vendor_id;
    uint32_t vendor_cmd[4];
};
#pragma pack(pop)
static_assert(sizeof(xel_fc_bsg_vendor_request_t) == 28);
static_assert(offsetof(xel_fc_bsg_vendor_request_t, vendor_id) == 4);
static_assert(offsetof(xel_fc_bsg_vendor_request_t, vendor_cmd) == 12);
static_assert(sizeof(struct sg_io_v4) == 160);
