// Records of the FCP initiator module's statistics requests.
#pragma once

#include "xel_ioctl.h"
#include "xel_stats_records.h"

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
