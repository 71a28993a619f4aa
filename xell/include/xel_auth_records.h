// Request records of FC link authentication and of the driver's log
// levels, checked against the sizes their codes encode.
#pragma once

#include "xel_ioctl.h"
#include "xel_stats_records.h"

#include <cstddef>
#include <cstdint>

// ---- authentication --------------------------------------------------------

enum xel_auth_secretsource : uint32_t {
    XEL_AUTH_SECSRC_LOCAL = 1,
    XEL_AUTH_SECSRC_RADIUS = 2,
    XEL_AUTH_SECSRC_TACACS = 3,
};

struct xel_auth_attr_t {
    uint32_t status;       // xel_auth_status; 0: authentication off
    uint32_t algo;         // xel_auth_algo
    uint32_t dh_grp;       // xel_auth_group
    uint32_t rjt_code;     // xel_auth_rej_code
    uint32_t rjt_code_exp; // xel_auth_rej_code_exp
    uint8_t secret_set;
    uint8_t rsvd[3];
};
static_assert(sizeof(xel_auth_attr_t) == 24);

struct xel_ioctl_auth_attr_t {
    int32_t status;
    uint16_t xeld_num;
    uint16_t rsvd;
    xel_auth_attr_t attr;
};
static_assert(sizeof(xel_ioctl_auth_attr_t) == xel_cmd_size(XEL_CMD_AUTH_GET_ATTR));

struct xel_ioctl_auth_stats_t {
    int32_t status;
    uint16_t xeld_num;
    uint16_t rsvd;
    xel_auth_stats_t stats;
};
static_assert(sizeof(xel_ioctl_auth_stats_t) == xel_cmd_size(XEL_CMD_AUTH_GET_STATS));

// Policy (a boolean), algorithm, DH group or secret source: one word.
struct xel_ioctl_auth_set_t {
    int32_t status;
    uint16_t xeld_num;
    uint16_t rsvd;
    uint32_t value;
    uint32_t rsvd1;
};
static_assert(sizeof(xel_ioctl_auth_set_t) == xel_cmd_size(XEL_CMD_AUTH_SET_POLICY));
static_assert(sizeof(xel_ioctl_auth_set_t) == xel_cmd_size(XEL_CMD_AUTH_SET_SECRETSOURCE));

constexpr size_t XEL_AUTH_SECRET_MAX = 256;

// The secret, encoded one word per character, and as plain text.
struct xel_ioctl_auth_secret_t {
    int32_t status;
    uint16_t xeld_num;
    uint16_t len; // characters of the secret
    uint32_t encrypt[XEL_AUTH_SECRET_MAX];
    char secret[XEL_AUTH_SECRET_MAX];
};
static_assert(sizeof(xel_ioctl_auth_secret_t) == xel_cmd_size(XEL_CMD_AUTH_SET_SECRETSTRING));
static_assert(offsetof(xel_ioctl_auth_secret_t, encrypt) == 8 && offsetof(xel_ioctl_auth_secret_t, secret) == 1032);

// ---- log levels ------------------------------------------------------------

// Modules a level is set for; 0 is the whole function (Ethernet).
enum xel_log_module : int16_t {
    XEL_LOG_FUNCTION_ID = 0,
    XEL_LOG_AEN_ID = 12,
    XEL_LOG_FW_ID = 13,
    XEL_LOG_HAL_ID = 14,
    XEL_LOG_FCS_ID = 15,
    XEL_LOG_MODULE_ID_ALL = 19,
    XEL_LOG_DRV_ID = 21,
};

// The instance sits behind the level here, not at offset 4.
struct xel_ioctl_log_t {
    int32_t status;
    uint32_t log_level; // xel_log_severity
    uint16_t xeld_num;
    int16_t mod_id;     // xel_log_module
    uint32_t rsvd;
};
static_assert(sizeof(xel_ioctl_log_t) == xel_cmd_size(XEL_CMD_LOG_SET_LEVEL));
static_assert(sizeof(xel_ioctl_log_t) == xel_cmd_size(XEL_CMD_LOG_GET_LEVEL));
static_assert(offsetof(xel_ioctl_log_t, xeld_num) == 8 && offsetof(xel_ioctl_log_t, mod_id) == 10);
constexpr size_t XEL_LOG_INSTANCE_OFFSET = offsetof(xel_ioctl_log_t, xeld_num);
