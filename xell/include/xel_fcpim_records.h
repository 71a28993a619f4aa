// Records of the FCP initiator module's statistics requests.
#pragma once

#include "xel_ioctl.h"
#include "xel_types.h"
#include "xel_stats_records.h"

#include <cstddef>
#include <cstdint>

struct xel_ioctl_fcpim_modstats_t {
    int32_t status;
    uint16_t xeld_num;
    uint16_t rsvd;
    xel_itnim_iostats_t stats;
};
static_assert(sizeof(xel_ioctl_fcpim_modstats_t) == xel_cmd_size(XEL_CMD_FCPIM_GET_MODSTATS));

struct xel_ioctl_fcpim_del_itn_stats_t {
    int32_t status;
    uint16_t xeld_num;
    uint16_t rsvd;
    xel_fcpim_del_itn_stats_t stats;
};
static_assert(sizeof(xel_ioctl_fcpim_del_itn_stats_t) == xel_cmd_size(XEL_CMD_FCPIM_GET_DEL_ITN_STATS));

// Path time-out: the value rides in the header's third field.
struct xel_ioctl_fcpim_pathtov_t {
    int32_t status;
    uint16_t xeld_num;
    uint16_t path_tov;
};
static_assert(sizeof(xel_ioctl_fcpim_pathtov_t) == xel_cmd_size(XEL_CMD_FCPIM_FAST_FAILOVER));

struct xel_ioctl_fcpim_qdepth_t {
    int32_t status;
    uint16_t xeld_num;
    uint16_t q_depth;
    uint8_t rsvd[8];
};
static_assert(sizeof(xel_ioctl_fcpim_qdepth_t) == xel_cmd_size(XEL_CMD_FCPIM_QDEPTH));
static_assert(offsetof(xel_ioctl_fcpim_qdepth_t, q_depth) == 6);

// One entry of the LUN masking table.
struct xel_lun_mask_s {
    wwn_t lp_wwn;
    wwn_t rp_wwn;
    lun_t lun;
    uint8_t ua;
    uint8_t rsvd[3];
    uint16_t rp_tag;
    uint8_t lp_tag;
    uint8_t state; // 1: in use
};
static_assert(sizeof(xel_lun_mask_s) == 32);
static_assert(offsetof(xel_lun_mask_s, rp_tag) == 28 && offsetof(xel_lun_mask_s, state) == 31);

constexpr int XEL_LUNMASK_ENTRIES = 16;
constexpr uint8_t XEL_LUNMASK_DISABLED = 0;
constexpr uint8_t XEL_LUNMASK_ENABLED = 1;
constexpr uint8_t XEL_LUNMASK_UNINITIALIZED = 255;

struct xel_lunmask_cfg_s {
    uint8_t status; // XEL_LUNMASK_*
    uint8_t rsvd[7];
    xel_lun_mask_s lun_list[XEL_LUNMASK_ENTRIES];
};
static_assert(sizeof(xel_lunmask_cfg_s) == 520);
static_assert(offsetof(xel_lunmask_cfg_s, lun_list) == 8);

// The table follows the six header bytes directly, unaligned, so it is
// carried as bytes.
struct xel_ioctl_fcpim_lunmask_query_t {
    int32_t status;
    uint16_t xeld_num;
    uint8_t lmcfg[sizeof(xel_lunmask_cfg_s)];
    uint8_t rsvd[2];
};
static_assert(sizeof(xel_ioctl_fcpim_lunmask_query_t) == xel_cmd_size(XEL_CMD_FCPIM_LUNMASK_QUERY));
static_assert(offsetof(xel_ioctl_fcpim_lunmask_query_t, lmcfg) == 6);

// Add and delete. A zero pwwn means the base port; the driver writes
// back the port it used.
struct xel_ioctl_fcpim_lunmask_t {
    int32_t status;
    uint16_t xeld_num;
    uint16_t vf_id;
    wwn_t pwwn;
    wwn_t rpwwn;
    lun_t lun;
};
static_assert(sizeof(xel_ioctl_fcpim_lunmask_t) == xel_cmd_size(XEL_CMD_FCPIM_LUNMASK_ADD));
static_assert(sizeof(xel_ioctl_fcpim_lunmask_t) == xel_cmd_size(XEL_CMD_FCPIM_LUNMASK_DELETE));
static_assert(offsetof(xel_ioctl_fcpim_lunmask_t, lun) == 24);

struct xel_defs_fcpim_throttle_t {
    uint16_t max_value;
    uint16_t cur_value;
    uint16_t cfg_value;
    uint16_t rsvd;
};
static_assert(sizeof(xel_defs_fcpim_throttle_t) == 8);

// Query answers the whole record; set sends the value as cfg_value.
struct xel_ioctl_fcpim_throttle_t {
    int32_t status;
    uint16_t xeld_num;
    uint16_t rsvd;
    xel_defs_fcpim_throttle_t throttle;
};
static_assert(sizeof(xel_ioctl_fcpim_throttle_t) == xel_cmd_size(XEL_CMD_FCPIM_THROTTLE_QUERY));
static_assert(sizeof(xel_ioctl_fcpim_throttle_t) == xel_cmd_size(XEL_CMD_FCPIM_THROTTLE_SET));
static_assert(offsetof(xel_ioctl_fcpim_throttle_t, throttle.cfg_value) == 12);
