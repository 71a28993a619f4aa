// The envelope of a storage request: the block SCSI generic (bsg) v4
// header of the kernel's published interface, carrying an FC transport
// request block (a vendor request whose first vendor word is the command
// code) and answered with the FC transport's reply block.
#pragma once

#include <linux/bsg.h>

#include <cstddef>
#include <cstdint>

constexpr unsigned long XEL_SG_IO = 0x2285;
constexpr uint32_t XEL_BSG_PROTOCOL_SCSI = 0;
constexpr uint32_t XEL_BSG_SUB_PROTOCOL_SCSI_TRANSPORT = 2;
constexpr uint32_t XEL_BSG_TIMEOUT_MS = 60000;
// sg_io_v4 info: set when any of the device, transport or driver status is not 0.
constexpr uint32_t XEL_SG_INFO_CHECK = 0x1;
// The reply buffer bsg-lib keeps per request (the SCSI sense buffer size).
constexpr uint32_t XEL_BSG_REPLY_BUFFER_SIZE = 96;

// FC transport message codes: requests to the fc_host node...
constexpr uint32_t FC_BSG_HST_ADD_RPORT = 0x80000001;
constexpr uint32_t FC_BSG_HST_DEL_RPORT = 0x80000002;
constexpr uint32_t FC_BSG_HST_ELS_NOLOGIN = 0x80000003;
constexpr uint32_t FC_BSG_HST_CT = 0x80000004;
constexpr uint32_t FC_BSG_HST_VENDOR = 0x800000FF;
// ...and to a remote port's node.
constexpr uint32_t FC_BSG_RPT_ELS = 0x40000001;
constexpr uint32_t FC_BSG_RPT_CT = 0x40000002;

// The adapter family's PCI vendor id, which the transport checks against
// the driver's.
constexpr uint64_t XEL_PCI_VENDOR_ID = 0x7a3c;

// The kernel lays the request and reply blocks out packed.
#pragma pack(push, 1)
// The request block of a host vendor request: message code, vendor id,
// vendor words.
struct xel_fc_bsg_vendor_request_t {
    uint32_t msgcode;
    uint64_t vendor_id;
    uint32_t vendor_cmd[4];
};

// What follows the message code in the other request blocks.
struct xel_fc_bsg_host_add_rport_t {
    uint8_t reserved;
    uint8_t port_id[3];
};
using xel_fc_bsg_host_del_rport_t = xel_fc_bsg_host_add_rport_t;
struct xel_fc_bsg_host_els_t {
    uint8_t command_code;
    uint8_t port_id[3];
};
struct xel_fc_bsg_host_ct_t {
    uint8_t reserved;
    uint8_t port_id[3];
    uint32_t preamble_word0;
    uint32_t preamble_word1;
    uint32_t preamble_word2;
};
struct xel_fc_bsg_rport_els_t {
    uint8_t els_code;
};
struct xel_fc_bsg_rport_ct_t {
    uint32_t preamble_word0;
    uint32_t preamble_word1;
    uint32_t preamble_word2;
};

// The reply block: a negative result is an errno and nothing else is
// valid; otherwise it is a SCSI-style result (host byte in bits 16 to 23,
// status byte in bits 0 to 7) and the reply data follow.
struct xel_fc_bsg_ctels_reply_t {
    uint32_t status;
    uint8_t action;
    uint8_t reason_code;
    uint8_t reason_explanation;
    uint8_t vendor_unique;
};
struct xel_fc_bsg_reply_t {
    int32_t result;
    uint32_t reply_payload_rcv_len;
    union {
        uint32_t vendor_rsp[2]; // the vendor reply's first words; the driver may send more
        xel_fc_bsg_ctels_reply_t ctels_reply;
    } reply_data;
};
#pragma pack(pop)

static_assert(sizeof(xel_fc_bsg_vendor_request_t) == 28);
static_assert(offsetof(xel_fc_bsg_vendor_request_t, vendor_id) == 4);
static_assert(offsetof(xel_fc_bsg_vendor_request_t, vendor_cmd) == 12);
static_assert(sizeof(xel_fc_bsg_host_add_rport_t) == 4);
static_assert(sizeof(xel_fc_bsg_host_els_t) == 4);
static_assert(sizeof(xel_fc_bsg_host_ct_t) == 16);
static_assert(sizeof(xel_fc_bsg_rport_els_t) == 1);
static_assert(sizeof(xel_fc_bsg_rport_ct_t) == 12);
static_assert(sizeof(xel_fc_bsg_ctels_reply_t) == 8);
static_assert(sizeof(xel_fc_bsg_reply_t) == 16);
static_assert(offsetof(xel_fc_bsg_reply_t, reply_payload_rcv_len) == 4);
static_assert(offsetof(xel_fc_bsg_reply_t, reply_data) == 8);
static_assert(sizeof(struct sg_io_v4) == 160);
static_assert(offsetof(struct sg_io_v4, max_response_len) == 44);
static_assert(offsetof(struct sg_io_v4, response) == 48);
static_assert(offsetof(struct sg_io_v4, info) == 124);
static_assert(offsetof(struct sg_io_v4, response_len) == 132);
static_assert(offsetof(struct sg_io_v4, din_resid) == 136);
