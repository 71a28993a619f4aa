// Payloads of the fabric diagnostics: the fabric configuration server's
// ping and trace route (behind a CT header), ELS ECHO and the link beacon
// ELS to the fabric controller. Wire order throughout: multi-byte fields
// are big-endian byte arrays, so no field depends on the host.
#pragma once

#include <cstddef>
#include <cstdint>

constexpr uint16_t FCGS_FTRACE = 0x0400; // Fabric Trace Route
constexpr uint16_t FCGS_FPING = 0x0401;  // Fabric Ping
constexpr uint16_t FCGS_PORT_TAG_NAME = 2;
constexpr uint8_t FCDIAG_TOKEN[4] = {'Y', 'R', 'S', 'T'};
constexpr uint32_t FCDIAG_MAX_HOPS = 20;

struct fcgs_fcping_req_t {
    uint8_t revision[4];
    uint8_t port_tag[2];
    uint8_t port_len[2];
    uint8_t port_val[8];
    uint8_t token[4];
};
static_assert(sizeof(fcgs_fcping_req_t) == 20 && offsetof(fcgs_fcping_req_t, token) == 16);

struct fcgs_fcping_resp_t {
    uint8_t token[4];
};

struct fcgs_ftrace_req_t {
    uint8_t revision[4];
    uint8_t src_port_tag[2];
    uint8_t src_port_len[2];
    uint8_t src_port_val[8];
    uint8_t dst_port_tag[2];
    uint8_t dst_port_len[2];
    uint8_t dst_port_val[8];
    uint8_t token[4];
    uint8_t vendor_id[8];
    uint8_t vendor_info[8];
    uint8_t max_hop_cnt[4];
};
static_assert(sizeof(fcgs_ftrace_req_t) == 52 && offsetof(fcgs_ftrace_req_t, dst_port_val) == 20);
static_assert(offsetof(fcgs_ftrace_req_t, token) == 28 && offsetof(fcgs_ftrace_req_t, max_hop_cnt) == 48);

struct fcgs_ftrace_path_info {
    uint8_t switch_name[8];
    uint8_t domain_id[4];
    uint8_t ingress_port_name[8];
    uint8_t ingress_phys_port_num[4];
    uint8_t egress_port_name[8];
    uint8_t egress_phys_port_num[4];
};
static_assert(sizeof(fcgs_ftrace_path_info) == 36 && offsetof(fcgs_ftrace_path_info, egress_phys_port_num) == 32);

struct fcgs_ftrace_resp_t {
    uint8_t revision[4];
    uint8_t token[4];
    uint8_t vendor_id[8];
    uint8_t vendor_info[8];
    uint8_t str_rej_reason_code[4];
    uint8_t num_path_info_entries[4];
    // the path entries follow
};
static_assert(sizeof(fcgs_ftrace_resp_t) == 32 && offsetof(fcgs_ftrace_resp_t, str_rej_reason_code) == 24);

// ELS ECHO: the code, three zero bytes, then the filler up to the length.
constexpr uint8_t ELS_ECHO_FILL = 0xA5;
constexpr uint32_t ELS_ECHO_MIN = 4;
constexpr uint32_t ELS_ECHO_MAX = 128;

struct fc_ls_rjt_t {
    uint8_t els_cmd;
    uint8_t rsvd[4];
    uint8_t reason_code;
    uint8_t reason_code_expl;
    uint8_t vendor_unique;
};
static_assert(sizeof(fc_ls_rjt_t) == 8 && offsetof(fc_ls_rjt_t, reason_code) == 5);

constexpr uint8_t ELS_LINK_E2E_BEACON = 0x81;
constexpr uint32_t LINK_E2E_BEACON_ON = 1;
constexpr uint32_t LINK_E2E_BEACON_OFF = 2;

struct link_e2e_beacon_param_t {
    uint8_t beacon_type;
    uint8_t beacon_frequency;
    uint8_t beacon_duration[2];
};
static_assert(sizeof(link_e2e_beacon_param_t) == 4);

struct link_e2e_beacon_req_t {
    uint8_t ls_code[4];
    uint8_t ls_sub_cmd[4];
    link_e2e_beacon_param_t beacon_parm;
};
static_assert(sizeof(link_e2e_beacon_req_t) == 12 && offsetof(link_e2e_beacon_req_t, beacon_parm) == 8);

// LS_RJT reasons and explanations the beacon's answer is read by.
constexpr uint8_t LS_RJT_UNABLE = 0x09;
constexpr uint8_t LS_RJT_NOT_SUPPORTED = 0x0B;
constexpr uint8_t LS_RJT_EXPL_IN_PROGRESS = 0x19;
constexpr uint8_t LS_RJT_EXPL_NOT_SUPPORTED = 0x2C;
// A CT reject explanation some switches give a ping they could not echo.
constexpr uint8_t CT_RJT_EXPL_ECHO_TIMEOUT = 0xF5;
