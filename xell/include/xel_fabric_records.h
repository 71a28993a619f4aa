// Request records of the fabric as a logical port sees it: remote ports,
// the initiator-target nexus, fabric statistics, virtual port attributes,
// the FC frame pass-through and the SCSI pass-through, and the FC frame
// and CT headers those carry (wire order). Records are host order; WWNs
// keep their wire bytes.
#pragma once

#include "xel_ioctl.h"
#include "xel_port_records.h"
#include "xel_stats_records.h"
#include "xel_types.h"

#include <scsi/sg.h>

#include <cstddef>
#include <cstdint>

// ---- remote ports -----------------------------------------------------------

struct xel_rport_qualifier_t {
    wwn_t pwwn;
    uint32_t pid;
    uint32_t rsvd;
};
static_assert(sizeof(xel_rport_qualifier_t) == 16);

struct xel_rport_qos_attr_t {
    uint8_t qos_priority; // xel_qos_priority
    uint8_t rsvd[3];
    uint32_t qos_flow_id;
};
static_assert(sizeof(xel_rport_qos_attr_t) == 8);

// scsi_function values.
constexpr uint32_t XEL_RPORT_SCSI_INITIATOR = 1;
constexpr uint32_t XEL_RPORT_SCSI_TARGET = 2;

struct xel_rport_attr_t {
    wwn_t nwwn;
    wwn_t pwwn;
    uint32_t cos_supported;
    uint32_t pid;
    uint32_t df_sz;
    uint32_t state; // xel_rport_state
    uint32_t fc_cos; // 4 class 2, 8 class 3, 12 both
    uint8_t cisc;
    uint8_t rsvd[3];
    char symname[256];
    uint32_t scsi_function;
    xel_rport_qos_attr_t qos_attr;
    uint32_t curr_speed; // xel_port_speed; 0 when not learned from the fabric
    uint8_t trl_enforced;
    uint8_t rsvd1[3];
    uint32_t assigned_speed;
};
static_assert(sizeof(xel_rport_attr_t) == 320);
static_assert(offsetof(xel_rport_attr_t, symname) == 40 && offsetof(xel_rport_attr_t, scsi_function) == 296);
static_assert(offsetof(xel_rport_attr_t, curr_speed) == 308 && offsetof(xel_rport_attr_t, assigned_speed) == 316);

// The qualifiers travel right behind the record; nrports is the room on
// the way in and the count on the way out.
struct xel_ioctl_lport_rports_t {
    int32_t status;
    uint16_t xeld_num;
    uint16_t vf_id;
    wwn_t pwwn;
    uint64_t rbuf_ptr;
    uint32_t nrports;
    uint32_t rsvd;
};
static_assert(sizeof(xel_ioctl_lport_rports_t) == xel_cmd_size(XEL_CMD_LPORT_GET_RPORTS));
static_assert(offsetof(xel_ioctl_lport_rports_t, nrports) == 24);

struct xel_ioctl_lport_stats_t {
    int32_t status;
    uint16_t xeld_num;
    uint16_t vf_id;
    wwn_t pwwn;
    xel_lport_stats_t stats;
};
static_assert(sizeof(xel_ioctl_lport_stats_t) == xel_cmd_size(XEL_CMD_LPORT_GET_STATS));

struct xel_ioctl_lport_iostats_t {
    int32_t status;
    uint16_t xeld_num;
    uint16_t vf_id;
    wwn_t pwwn;
    xel_itnim_iostats_t iostats;
};
static_assert(sizeof(xel_ioctl_lport_iostats_t) == xel_cmd_size(XEL_CMD_LPORT_GET_IOSTATS));

struct xel_ioctl_lport_reset_t {
    int32_t status;
    uint16_t xeld_num;
    uint16_t vf_id;
    wwn_t pwwn;
};
static_assert(sizeof(xel_ioctl_lport_reset_t) == xel_cmd_size(XEL_CMD_LPORT_RESET_STATS));

// Remote port add, remove, statistics reset; nexus statistics reset.
struct xel_ioctl_rport_t {
    int32_t status;
    uint16_t xeld_num;
    uint16_t vf_id;
    wwn_t pwwn;
    wwn_t rpwwn;
};
static_assert(sizeof(xel_ioctl_rport_t) == xel_cmd_size(XEL_CMD_RPORT_ADD));
static_assert(sizeof(xel_ioctl_rport_t) == xel_cmd_size(XEL_CMD_RPORT_RESET_STATS));
static_assert(sizeof(xel_ioctl_rport_t) == xel_cmd_size(XEL_CMD_ITNIM_RESET_STATS));

struct xel_ioctl_rport_stats_t {
    int32_t status;
    uint16_t xeld_num;
    uint16_t vf_id;
    wwn_t pwwn;
    wwn_t rpwwn;
    xel_rport_stats_t stats;
    uint32_t rsvd;
};
static_assert(sizeof(xel_ioctl_rport_stats_t) == xel_cmd_size(XEL_CMD_RPORT_GET_STATS));

struct xel_ioctl_rport_attr_t {
    int32_t status;
    uint16_t xeld_num;
    uint16_t vf_id;
    wwn_t pwwn;
    wwn_t rpwwn;
    uint32_t pid; // 0, or the qualifier's
    uint32_t rsvd;
    xel_rport_attr_t attr;
};
static_assert(sizeof(xel_ioctl_rport_attr_t) == xel_cmd_size(XEL_CMD_RPORT_GET_ATTR_BY_QUALIFIER));
static_assert(offsetof(xel_ioctl_rport_attr_t, attr) == 32);

struct xel_ioctl_rport_scsi_addr_t {
    int32_t status;
    uint16_t xeld_num;
    uint16_t vf_id;
    wwn_t pwwn;
    wwn_t rpwwn;
    uint32_t host;
    uint32_t bus;
    uint32_t target;
    uint32_t lun;
};
static_assert(sizeof(xel_ioctl_rport_scsi_addr_t) == xel_cmd_size(XEL_CMD_RPORT_GET_SCSI_ADDRESS));

struct xel_ioctl_rport_speed_t {
    int32_t status;
    uint16_t xeld_num;
    uint16_t vf_id;
    uint32_t speed;
    uint32_t rsvd;
    wwn_t pwwn;
    wwn_t rpwwn;
};
static_assert(sizeof(xel_ioctl_rport_speed_t) == xel_cmd_size(XEL_CMD_RPORT_SET_SPEED));
static_assert(offsetof(xel_ioctl_rport_speed_t, pwwn) == 16);

// ---- fabric statistics ----------------------------------------------------

struct xel_ioctl_vf_stats_t {
    int32_t status;
    uint16_t xeld_num;
    uint16_t vf_id;
    xel_vf_stats_t stats;
    uint32_t rsvd;
};
static_assert(sizeof(xel_ioctl_vf_stats_t) == xel_cmd_size(XEL_CMD_VF_GET_STATS));

// ---- the initiator-target nexus ---------------------------------------------

struct xel_itnim_attr_t {
    uint32_t state; // xel_itnim_state; 5 online
    uint8_t retry;
    uint8_t task_retry_id;
    uint8_t rec_support;
    uint8_t conf_comp;
};
static_assert(sizeof(xel_itnim_attr_t) == 8);

struct xel_ioctl_itnim_attr_t {
    int32_t status;
    uint16_t xeld_num;
    uint16_t vf_id;
    wwn_t lpwwn;
    wwn_t rpwwn;
    xel_itnim_attr_t attr;
};
static_assert(sizeof(xel_ioctl_itnim_attr_t) == xel_cmd_size(XEL_CMD_ITNIM_GET_ATTR));

struct xel_ioctl_itnim_iostats_t {
    int32_t status;
    uint16_t xeld_num;
    uint16_t vf_id;
    wwn_t lpwwn;
    wwn_t rpwwn;
    xel_itnim_iostats_t iostats;
};
static_assert(sizeof(xel_ioctl_itnim_iostats_t) == xel_cmd_size(XEL_CMD_ITNIM_GET_IOSTATS));

struct xel_ioctl_itnim_itnstats_t {
    int32_t status;
    uint16_t xeld_num;
    uint16_t vf_id;
    wwn_t lpwwn;
    wwn_t rpwwn;
    xel_itnim_stats_t stats;
    uint32_t rsvd;
};
static_assert(sizeof(xel_ioctl_itnim_itnstats_t) == xel_cmd_size(XEL_CMD_ITNIM_GET_ITNSTATS));

constexpr int XEL_IOBUCKET_MAX = 14;

struct xel_itnim_latency_t {
    uint64_t min[XEL_IOBUCKET_MAX];
    uint64_t max[XEL_IOBUCKET_MAX];
    uint64_t count[XEL_IOBUCKET_MAX];
    uint64_t avg[XEL_IOBUCKET_MAX];
};

struct xel_itnim_ioprofile_t {
    uint32_t clock_res_mul;
    uint32_t clock_res_div;
    uint32_t index; // buckets in use
    uint32_t io_profile_start_time;
    uint32_t iocomps[XEL_IOBUCKET_MAX];
    xel_itnim_latency_t io_latency;
};
static_assert(sizeof(xel_itnim_ioprofile_t) == 520);
static_assert(offsetof(xel_itnim_ioprofile_t, io_latency) == 72);

struct xel_ioctl_itnim_ioprofile_t {
    int32_t status;
    uint16_t xeld_num;
    uint16_t vf_id;
    wwn_t lpwwn;
    wwn_t rpwwn;
    xel_itnim_ioprofile_t ioprofile;
};
static_assert(sizeof(xel_ioctl_itnim_ioprofile_t) == xel_cmd_size(XEL_CMD_ITNIM_GET_IOPROFILE));

// ---- virtual port attributes ------------------------------------------------

struct xel_vport_attr_t {
    xel_lport_attr_t port_attr;
    uint32_t vport_state; // xel_vport_state
    uint32_t rsvd;
};
static_assert(sizeof(xel_vport_attr_t) == 360);

struct xel_ioctl_vport_attr_t {
    int32_t status;
    uint16_t xeld_num;
    uint16_t vf_id;
    wwn_t vpwwn;
    xel_vport_attr_t vport_attr;
};
static_assert(sizeof(xel_ioctl_vport_attr_t) == xel_cmd_size(XEL_CMD_VPORT_GET_ATTR));

struct xel_ioctl_vport_stats_t {
    int32_t status;
    uint16_t xeld_num;
    uint16_t vf_id;
    wwn_t vpwwn;
    xel_vport_stats_t stats;
    uint32_t rsvd;
};
static_assert(sizeof(xel_ioctl_vport_stats_t) == xel_cmd_size(XEL_CMD_VPORT_GET_STATS));
static_assert(offsetof(xel_ioctl_vport_stats_t, stats) == 16);

// Statistics reset: the WWN alone behind the header.
struct xel_ioctl_vport_reset_stats_t {
    int32_t status;
    uint16_t xeld_num;
    uint16_t vf_id;
    wwn_t vpwwn;
};
static_assert(sizeof(xel_ioctl_vport_reset_stats_t) == xel_cmd_size(XEL_CMD_VPORT_RESET_STATS));

// ---- FC frames --------------------------------------------------------------

// The FC frame header, wire order.
struct fchs_t {
    uint8_t r_ctl;
    uint8_t d_id[3];
    uint8_t cs_ctl;
    uint8_t s_id[3];
    uint8_t type;
    uint8_t f_ctl[3];
    uint8_t seq_id;
    uint8_t df_ctl;
    uint8_t seq_cnt[2];
    uint8_t ox_id[2];
    uint8_t rx_id[2];
    uint8_t ro[4];
};
static_assert(sizeof(fchs_t) == 24 && offsetof(fchs_t, type) == 8 && offsetof(fchs_t, rx_id) == 18);

constexpr uint8_t FC_RCTL_FC4_UNSOL_CTL = 0x02; // CT
constexpr uint8_t FC_RCTL_ELS_REQ = 0x22;
constexpr uint8_t FC_TYPE_ELS = 0x01;
constexpr uint8_t FC_TYPE_SERVICES = 0x20;
// The fabric's well-known addresses.
constexpr uint32_t FC_MGMT_SERVER = 0xFFFFFA;
constexpr uint32_t FC_DIR_SERVER = 0xFFFFFC;
constexpr uint32_t FC_FABRIC_CONTROLLER = 0xFFFFFD;

// The CT header, wire order.
struct ct_hdr_t {
    uint8_t rev;
    uint8_t in_id[3];
    uint8_t gs_type;
    uint8_t gs_sub_type;
    uint8_t options;
    uint8_t rsvd;
    uint8_t cmd_rsp_code[2]; // big-endian
    uint8_t max_res_size[2];
    uint8_t frag_id;
    uint8_t reason_code;
    uint8_t exp_code;
    uint8_t vendor_unq;
};
static_assert(sizeof(ct_hdr_t) == 16 && offsetof(ct_hdr_t, cmd_rsp_code) == 8);

constexpr uint8_t CT_GS_TYPE_DIR = 0xFC;
constexpr uint8_t CT_GS_SUBTYPE_NAME_SERVER = 0x02;
constexpr uint8_t CT_GS_TYPE_MGMT = 0xFA;
constexpr uint8_t CT_GS_SUBTYPE_CFG_SERVER = 0x01;
constexpr uint16_t CT_RSP_ACCEPT = 0x8002;
constexpr uint16_t CT_RSP_REJECT = 0x8001;
// Name server queries by port identifier or port name.
constexpr uint16_t NS_GPN_ID = 0x0112;
constexpr uint16_t NS_GNN_ID = 0x0113;
constexpr uint16_t NS_GSPN_ID = 0x0118;
constexpr uint16_t NS_GID_PN = 0x0121;
constexpr uint8_t ELS_LS_RJT = 0x01;
constexpr uint8_t ELS_ACC = 0x02;
constexpr uint8_t ELS_RLS = 0x0F;
constexpr uint8_t ELS_ECHO = 0x10;

// An FC address as a pid holds it: the first three bytes in memory.
inline uint32_t xel_pid_value(uint32_t pid)
{
    const auto *b = reinterpret_cast<const uint8_t *>(&pid);
    return (uint32_t{b[0]} << 16) | (uint32_t{b[1]} << 8) | b[2];
}

// ---- the FC frame pass-through -----------------------------------------------

struct xel_ioctl_fcpt_t {
    int32_t status;
    uint16_t xeld_num;
    uint16_t vf_id;
    wwn_t lpwwn;
    wwn_t dpwwn; // 0 when the frame goes to a fabric address
    uint32_t tsecs;
    int32_t cts;
    uint32_t cos;
    uint32_t rsvd;
    fchs_t fchs;
    int32_t nport_nexus_needed;
    uint32_t reqsz;
    uint32_t rspsz; // in: the response buffer's size; out: bytes received
    uint32_t rsvd1;
    uint64_t reqbuf_ptr;
    uint64_t rspbuf_ptr;
};
static_assert(sizeof(xel_ioctl_fcpt_t) == xel_cmd_size(XEL_CMD_FCPT));
static_assert(offsetof(xel_ioctl_fcpt_t, fchs) == 40 && offsetof(xel_ioctl_fcpt_t, reqbuf_ptr) == 80);

// The classes of service.
constexpr uint32_t XEL_FC_CLASS_2 = 4;
constexpr uint32_t XEL_FC_CLASS_3 = 8;

// What travels to the driver beside an ELS or CT pass-through: the frame
// and its parameters, and the status the driver writes back. The request
// block ends with a vendor data descriptor pointing at it; the pointer
// keeps all 64 bits, so the block is 32 bytes.
#pragma pack(push, 1)
struct xel_bsg_fcpt_t {
    int32_t status;
    uint16_t vf_id;
    uint16_t rsvd;
    wwn_t lpwwn;
    wwn_t dpwwn;
    uint32_t tsecs;
    int32_t cts;
    uint32_t cos;
    fchs_t fchs;
};
struct xel_bsg_vendor_data_t {
    int32_t payload_len;
    uint64_t payload;
};
struct xel_bsg_fcpt_request_t {
    uint32_t msgcode;
    uint8_t rqst_data[16];
    xel_bsg_vendor_data_t vendor;
};
#pragma pack(pop)
static_assert(sizeof(xel_bsg_fcpt_t) == 60 && offsetof(xel_bsg_fcpt_t, fchs) == 36);
static_assert(sizeof(xel_bsg_fcpt_request_t) == 32 && offsetof(xel_bsg_fcpt_request_t, vendor) == 20);

// ---- the SCSI pass-through ----------------------------------------------------

struct xel_ioctl_scsi_t {
    int32_t status;
    uint16_t xeld_num;
    uint16_t vf_id;
    wwn_t lpwwn;
    wwn_t rpwwn;
    lun_t lun;
    uint8_t cdb[16];
    int32_t write;
    uint32_t iosz;
    uint8_t rsvd1[3];
    uint8_t scsi_status;
    uint32_t snssz;
    uint64_t iobuf_ptr;
    uint64_t snsbuf_pt;
};
static_assert(sizeof(xel_ioctl_scsi_t) == xel_cmd_size(XEL_CMD_SCSI_CMND));
static_assert(offsetof(xel_ioctl_scsi_t, scsi_status) == 59 && offsetof(xel_ioctl_scsi_t, snsbuf_pt) == 72);

// The published SCSI generic version-3 request is the kernel's sg_io_hdr.
using xel_sg_io_hdr_t = sg_io_hdr_t;
static_assert(sizeof(xel_sg_io_hdr_t) == 88 && offsetof(xel_sg_io_hdr_t, status) == 64);
constexpr int XEL_SG_INTERFACE_ID = 'S';
constexpr int32_t XEL_SG_DXFER_TO_DEV = -2;
constexpr int32_t XEL_SG_DXFER_FROM_DEV = -3;
constexpr int32_t XEL_SG_DXFER_TO_FROM_DEV = -4;
constexpr uint32_t XEL_SG_TIMEOUT_MS = 30000;
