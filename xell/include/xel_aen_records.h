// Asynchronous event notifications: the entry the drivers queue and
// deliver, and the request that fetches an application's pending entries.
#pragma once

#include "xel_ioctl.h"

#include <cstddef>
#include <cstdint>

enum xel_aen_category_t : uint32_t {
    XEL_AEN_CAT_ADAPTER = 1,
    XEL_AEN_CAT_PORT = 2,
    XEL_AEN_CAT_LPORT = 3,
    XEL_AEN_CAT_RPORT = 4,
    XEL_AEN_CAT_ITNIM = 5,
    XEL_AEN_CAT_TIN = 6,
    XEL_AEN_CAT_IPFC = 7,
    XEL_AEN_CAT_AUDIT = 8,
    XEL_AEN_CAT_IOC = 9,
    XEL_AEN_CAT_ETHPORT = 10,
    XEL_AEN_CAT_TEAM = 11,
    XEL_AEN_CAT_VLAN = 12,
};
constexpr uint32_t XEL_AEN_MAX_CAT = 12;

// The reader of a driver event queue.
enum xel_aen_app_t : int32_t {
    xel_aen_app_ixo = 0,
    xel_aen_app_qmv = 1,
    xel_aen_app_cim = 2,
    xel_aen_app_snia = 3,
    xel_aen_app_test = 4,
};

#pragma pack(push, 4)
struct xel_aen_port_data_t {
    wwn_t pwwn;
    wwn_t fwwn;
    int32_t phy_port_num;
    int16_t ioc_type;
    int16_t level;
    mac_t mac;
    int16_t rsvd;
};
#pragma pack(pop)
static_assert(sizeof(xel_aen_port_data_t) == 32 && offsetof(xel_aen_port_data_t, mac) == 24);

struct xel_aen_entry_t {
    uint32_t aen_category; // xel_aen_category_t
    int32_t aen_type;
    uint8_t aen_data[40];  // the category's record
    uint32_t tv_sec;
    uint32_t tv_usec;
    int32_t seq_num;
    int32_t xeld_num;      // the instance of the IOC that raised it
};
static_assert(sizeof(xel_aen_entry_t) == 64);
static_assert(offsetof(xel_aen_entry_t, aen_data) == 8 && offsetof(xel_aen_entry_t, tv_sec) == 48 &&
              offsetof(xel_aen_entry_t, seq_num) == 56 && offsetof(xel_aen_entry_t, xeld_num) == 60);

constexpr int32_t XEL_AEN_MAX_ENTRIES = 64;

// The vendor identifier the drivers give their FC transport events: the
// PCI type in the top byte, the family's PCI vendor ID below.
constexpr uint64_t XEL_AEN_NL_VENDOR_ID = (1ull << 56) | 0x7a3c;

// The instance leads this record and the status sits behind the counts;
// the entries follow from offset 24, as many as aen_count asks for. The
// record the code encodes has room for one.
struct xel_ioctl_aen_t {
    int32_t xeld_num;
    int32_t aen_count; // in: entries wanted; out: entries returned
    int32_t app_id;    // xel_aen_app_t
    int32_t status;
    int32_t block;
    uint32_t rsvd;
    xel_aen_entry_t aen_list[1];
};
static_assert(sizeof(xel_ioctl_aen_t) == xel_cmd_size(XEL_CMD_AEN_GET_EVENTS));
static_assert(offsetof(xel_ioctl_aen_t, status) == 12 && offsetof(xel_ioctl_aen_t, aen_list) == 24);
constexpr size_t XEL_AEN_INSTANCE_OFFSET = offsetof(xel_ioctl_aen_t, xeld_num);
constexpr size_t XEL_AEN_STATUS_OFFSET = offsetof(xel_ioctl_aen_t, status);
