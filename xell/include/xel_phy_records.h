// Request records of the 10G Ethernet PHY module of a port and of IP over
// FC on a storage function, checked against the sizes their codes encode.
#pragma once

#include "xel_ioctl.h"
#include "xel_stats_records.h"

#include <cstddef>
#include <cstdint>

// ---- the PHY module ------------------------------------------------------------

enum xel_phy_status : uint32_t {
    XEL_PHY_STATUS_GOOD = 0,
    XEL_PHY_STATUS_NOT_PRESENT = 1,
    XEL_PHY_STATUS_BAD = 2,
};

// Bits of the PHY's status registers as the attributes report them.
constexpr uint32_t XEL_PHY_AN_LP_ABLE = 1u << 0;    // an_status: link partner can auto-negotiate
constexpr uint32_t XEL_PHY_AN_ABLE = 1u << 3;       // an_status: the PHY can auto-negotiate
constexpr uint32_t XEL_PHY_AN_COMPLETE = 1u << 5;   // an_status
constexpr uint32_t XEL_PHY_PMA_LINK_UP = 1u << 1;   // pma_pmd_status
constexpr uint32_t XEL_PHY_PMA_SIGNAL = 1u << 0;    // pma_pmd_signal
constexpr uint32_t XEL_PHY_PCS_LINK_UP = 1u << 1;   // pcs_status

struct xel_phy_attr_t {
    uint32_t status; // xel_phy_status
    uint32_t length;
    uint32_t fw_ver;
    uint32_t an_status;
    uint32_t pma_pmd_status;
    uint32_t pma_pmd_signal;
    uint32_t pcs_status;
};
static_assert(sizeof(xel_phy_attr_t) == 28);

// The PHY records name the port (instance) beside the IOC.
struct xel_ioctl_phy_attr_t {
    int32_t status;
    uint16_t xeld_num;
    uint16_t instance;
    xel_phy_attr_t attr;
};
static_assert(sizeof(xel_ioctl_phy_attr_t) == xel_cmd_size(XEL_CMD_PHY_GET_ATTR));
static_assert(offsetof(xel_ioctl_phy_attr_t, attr) == 8);

struct xel_ioctl_phy_stats_t {
    int32_t status;
    uint16_t xeld_num;
    uint16_t instance;
    xel_phy_stats_t stats;
};
static_assert(sizeof(xel_ioctl_phy_stats_t) == xel_cmd_size(XEL_CMD_PHY_GET_STATS));

// Firmware write and read: the image travels right behind the record.
struct xel_ioctl_phy_t {
    int32_t status;
    uint16_t xeld_num;
    uint16_t instance;
    uint64_t bufsz;
    uint64_t buf_ptr;
};
static_assert(sizeof(xel_ioctl_phy_t) == xel_cmd_size(XEL_CMD_PHY_UPDATE));
static_assert(sizeof(xel_ioctl_phy_t) == xel_cmd_size(XEL_CMD_PHY_READ));
static_assert(offsetof(xel_ioctl_phy_t, bufsz) == 8 && offsetof(xel_ioctl_phy_t, buf_ptr) == 16);

// What the firmware read of the phy class asks for.
constexpr uint32_t XEL_PHY_FW_READ_SIZE = 4096;

// ---- IP over FC ----------------------------------------------------------------

struct xel_ipfc_attr_t {
    uint32_t enabled; // boolean
    uint32_t mtu;
    char eth_name[64];
};
static_assert(sizeof(xel_ipfc_attr_t) == 72);

struct xel_ioctl_ipfc_attr_t {
    int32_t status;
    uint16_t xeld_num;
    uint16_t rsvd;
    xel_ipfc_attr_t attr;
    uint32_t rsvd1;
};
static_assert(sizeof(xel_ioctl_ipfc_attr_t) == xel_cmd_size(XEL_CMD_IPFC_GET_ATTR));
static_assert(offsetof(xel_ioctl_ipfc_attr_t, attr) == 8);

struct xel_ioctl_ipfc_stats_t {
    int32_t status;
    uint16_t xeld_num;
    uint16_t rsvd;
    xel_ipfc_stats_t stats;
};
static_assert(sizeof(xel_ioctl_ipfc_stats_t) == xel_cmd_size(XEL_CMD_IPFC_GET_STATS));
