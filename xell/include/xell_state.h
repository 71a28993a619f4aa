// Names of the states, speeds, types and reason codes the drivers and the
// firmware report, as the front end prints them in its tables. Every lookup
// takes the code as the driver gave it and returns a constant text that
// lives as long as the process; a code a table lacks reads "unknown".
#pragma once

#include <cstddef>
#include <cstdint>

// One row of a name table; a table ends with a row whose code is -1.
struct xel_state_t {
    int32_t code;
    const char *str;
};

enum xel_flash_status_t : uint32_t {
    XEL_FLASH_STATUS_GOOD = 0,
    XEL_FLASH_STATUS_NOT_PRESENT = 1,
    XEL_FLASH_STATUS_UNINIT = 2,
    XEL_FLASH_STATUS_BAD = 3,
    XEL_FLASH_STATUS_EMPTY = 4,
    XEL_FLASH_STATUS_CKFAIL = 5,
};

enum xel_flash_part_type_t : uint32_t {
    XEL_FLASH_PART_OPTROM = 1,
    XEL_FLASH_PART_FWIMG = 2,
    XEL_FLASH_PART_FWCFG = 3,
    XEL_FLASH_PART_DRV = 4,
    XEL_FLASH_PART_BOOT = 5,
    XEL_FLASH_PART_ASIC = 6,
    XEL_FLASH_PART_MFG = 7,
    XEL_FLASH_PART_OPTROM2 = 8,
    XEL_FLASH_PART_VPD = 9,
    XEL_FLASH_PART_PBC = 10,
    XEL_FLASH_PART_BOOTOVL = 11,
    XEL_FLASH_PART_LOG = 12,
    XEL_FLASH_PART_PXECFG = 13,
    XEL_FLASH_PART_PXEOVL = 14,
    XEL_FLASH_PART_PORTCFG = 15,
    XEL_FLASH_PART_ASICBK = 16,
};

// The IOC states (xel_ioc_state_t) are declared with the IOC attributes in
// xel_ioctl.h.

enum xel_faa_state : uint32_t {
    XEL_FAA_ENABLED = 1,
    XEL_FAA_DISABLED = 2,
};

enum xel_faa_source : uint32_t {
    XEL_FAA_FACTORY = 1,
    XEL_FAA_BLADE_SYSTEM = 2,
    XEL_FAA_FABRIC = 3,
};

enum xel_port_states : uint32_t {
    XEL_PORT_ST_UNINIT = 1,
    XEL_PORT_ST_ENABLING_QWAIT = 2,
    XEL_PORT_ST_ENABLING = 3,
    XEL_PORT_ST_LINKDOWN = 4,
    XEL_PORT_ST_LINKUP = 5,
    XEL_PORT_ST_DISABLING_QWAIT = 6,
    XEL_PORT_ST_DISABLING = 7,
    XEL_PORT_ST_DISABLED = 8,
    XEL_PORT_ST_STOPPED = 9,
    XEL_PORT_ST_IOCDOWN = 10,
    XEL_PORT_ST_IOCDIS = 11,
    XEL_PORT_ST_FWMISMATCH = 12,
    XEL_PORT_ST_PREBOOT_DISABLED = 13,
    XEL_PORT_ST_TOGGLING_QWAIT = 14,
    XEL_PORT_ST_FAA_MISCONFIG = 15,
    XEL_PORT_ST_DPORT = 16,
    XEL_PORT_ST_MAX_STATE = 17,
};

enum xel_port_speed : uint32_t {
    XEL_PORT_SPEED_UNKNOWN = 0,
    XEL_PORT_SPEED_1GBPS = 1,
    XEL_PORT_SPEED_2GBPS = 2,
    XEL_PORT_SPEED_4GBPS = 4,
    XEL_PORT_SPEED_8GBPS = 8,
    XEL_PORT_SPEED_10GBPS = 10,
    XEL_PORT_SPEED_AUTO = 15,
    XEL_PORT_SPEED_16GBPS = 16,
    XEL_PORT_SPEED_32GBPS = 32,
};

enum xel_port_type : uint32_t {
    XEL_PORT_TYPE_UNKNOWN = 1,
    XEL_PORT_TYPE_NPORT = 5,
    XEL_PORT_TYPE_NLPORT = 6,
    XEL_PORT_TYPE_LPORT = 20,
    XEL_PORT_TYPE_P2P = 21,
    XEL_PORT_TYPE_VPORT = 22,
};

enum xel_port_topology : uint32_t {
    XEL_PORT_TOPOLOGY_NONE = 0,
    XEL_PORT_TOPOLOGY_P2P_OLD_VER = 1,
    XEL_PORT_TOPOLOGY_LOOP = 2,
    XEL_PORT_TOPOLOGY_AUTO_OLD_VER = 3,
    XEL_PORT_TOPOLOGY_AUTO = 4,
    XEL_PORT_TOPOLOGY_P2P = 5,
};

enum xel_rport_state : uint32_t {
    XEL_RPORT_UNINIT = 0,
    XEL_RPORT_OFFLINE = 1,
    XEL_RPORT_PLOGI = 2,
    XEL_RPORT_ONLINE = 3,
    XEL_RPORT_PLOGI_RETRY = 4,
    XEL_RPORT_NSQUERY = 5,
    XEL_RPORT_ADISC = 6,
    XEL_RPORT_LOGO = 7,
    XEL_RPORT_LOGORCV = 8,
    XEL_RPORT_NSDISC = 9,
    XEL_RPORT_FC4_OFF_PLOGI = 10,
    XEL_RPORT_PLOGI_PENDING = 11,
    XEL_RPORT_FC4_OFF_DELETE = 12,
    XEL_RPORT_DELETE_PENDING = 13,
};

enum xel_itnim_state : uint32_t {
    XEL_ITNIM_OFFLINE = 0,
    XEL_ITNIM_PRLI_SEND = 1,
    XEL_ITNIM_PRLI_SENT = 2,
    XEL_ITNIM_PRLI_RETRY = 3,
    XEL_ITNIM_HCB_ONLINE = 4,
    XEL_ITNIM_ONLINE = 5,
    XEL_ITNIM_HCB_OFFLINE = 6,
    XEL_ITNIM_INITIATOR = 7,
};

enum xel_auth_status : uint32_t {
    XEL_AUTH_STATUS_NONE = 0,
    XEL_AUTH_UNINIT = 1,
    XEL_AUTH_NEG_SEND = 2,
    XEL_AUTH_CHAL_WAIT = 3,
    XEL_AUTH_NEG_RETRY = 4,
    XEL_AUTH_REPLY_SEND = 5,
    XEL_AUTH_STATUS_WAIT = 6,
    XEL_AUTH_SUCCESS = 7,
    XEL_AUTH_FAILED = 8,
    XEL_AUTH_STATUS_UNKNOWN = 9,
};

enum xel_auth_algo : uint32_t {
    XEL_AUTH_ALGO_MD5 = 1,
    XEL_AUTH_ALGO_SHA1 = 2,
    XEL_AUTH_ALGO_MS = 3, // MD5, then SHA1
    XEL_AUTH_ALGO_SM = 4, // SHA1, then MD5
};

enum xel_auth_group : uint32_t {
    XEL_AUTH_GROUP_DHNULL = 0,
    XEL_AUTH_GROUP_DH768 = 1,
    XEL_AUTH_GROUP_DH1024 = 2,
    XEL_AUTH_GROUP_DH1280 = 4,
    XEL_AUTH_GROUP_DH1536 = 8,
    XEL_AUTH_GROUP_ALL = 256,
};

enum xel_auth_rej_code : uint32_t {
    XEL_AUTH_RJT_CODE_AUTH_FAILURE = 1,
    XEL_AUTH_RJT_CODE_LOGICAL_ERR = 2,
};

enum xel_auth_rej_code_exp : uint32_t {
    XEL_AUTH_MECH_NOT_USABLE = 1,
    XEL_AUTH_DH_GROUP_NOT_USABLE = 2,
    XEL_AUTH_HASH_FUNC_NOT_USABLE = 3,
    XEL_AUTH_AUTH_XACT_STARTED = 4,
    XEL_AUTH_AUTH_FAILED = 5,
    XEL_AUTH_INCORRECT_PLD = 6,
    XEL_AUTH_INCORRECT_PROTO_MSG = 7,
    XEL_AUTH_RESTART_AUTH_PROTO = 8,
};

enum xel_vport_state : uint32_t {
    XEL_FCS_VPORT_UNINIT = 0,
    XEL_FCS_VPORT_OFFLINE = 1,
    XEL_FCS_VPORT_FDISC_SEND = 2,
    XEL_FCS_VPORT_FDISC = 3,
    XEL_FCS_VPORT_FDISC_RETRY = 4,
    XEL_FCS_VPORT_FDISC_RSP_WAIT = 5,
    XEL_FCS_VPORT_ONLINE = 6,
    XEL_FCS_VPORT_DELETING = 7,
    XEL_FCS_VPORT_CLEANUP = 8,
    XEL_FCS_VPORT_LOGO_SEND = 9,
    XEL_FCS_VPORT_LOGO = 10,
    XEL_FCS_VPORT_ERROR = 11,
};

enum xel_log_severity : uint32_t {
    XEL_LOG_INVALID = 0,
    XEL_LOG_CRITICAL = 1,
    XEL_LOG_ERROR = 2,
    XEL_LOG_WARNING = 3,
    XEL_LOG_INFO = 4,
    XEL_LOG_NONE = 5,
};

enum xel_qos_state : uint32_t {
    XEL_QOS_DISABLED = 0,
    XEL_QOS_ONLINE = 1,
    XEL_QOS_OFFLINE = 2,
};

enum xel_qos_priority : uint32_t {
    XEL_QOS_UNKNOWN = 0,
    XEL_QOS_HIGH = 1,
    XEL_QOS_MED = 2,
    XEL_QOS_LOW = 3,
};

// Why a port's link is down; only the CEE reasons have names to print.
enum xel_port_linkstate_rsn : uint32_t {
    XEL_PORT_LINKSTATE_RSN_NONE = 0,
    XEL_PORT_LINKSTATE_RSN_FAA_MISCONFIG = 12,
    CEE_LLDP_INFO_AGED_OUT = 20,
    CEE_LLDP_SHUTDOWN_TLV_RCVD = 21,
    CEE_PEER_NOT_ADVERTISE_DCBX = 22,
    CEE_PEER_NOT_ADVERTISE_PG = 23,
    CEE_PEER_NOT_ADVERTISE_PFC = 24,
    CEE_PEER_NOT_ADVERTISE_FCOE = 25,
    CEE_PG_NOT_COMPATIBLE = 26,
    CEE_PFC_NOT_COMPATIBLE = 27,
    CEE_FCOE_NOT_COMPATIBLE = 28,
    CEE_BAD_PG_RCVD = 29,
    CEE_BAD_BW_RCVD = 30,
    CEE_BAD_PFC_RCVD = 31,
    CEE_BAD_APP_PRI_RCVD = 32,
    CEE_FCOE_PRI_PFC_OFF = 33,
    CEE_DUP_CONTROL_TLV_RCVD = 34,
    CEE_DUP_FEAT_TLV_RCVD = 35,
    CEE_APPLY_NEW_CFG = 36,
    CEE_PROTOCOL_INIT = 37,
    CEE_PHY_LINK_DOWN = 38,
    CEE_LLS_FCOE_ABSENT = 39,
    CEE_LLS_FCOE_DOWN = 40,
    CEE_ISCSI_NOT_COMPATIBLE = 41,
    CEE_ISCSI_PRI_PFC_OFF = 42,
    CEE_ISCSI_PRI_OVERLAP_FCOE_PRI = 43,
};

enum xel_ethport_cee_state : uint32_t {
    XEL_ETHPORT_CEE_LINKDOWN = 1,
    XEL_ETHPORT_CEE_LINKUP = 2,
};

enum xel_trunk_state : uint32_t {
    XEL_TRUNK_DISABLED = 0,
    XEL_TRUNK_ONLINE = 1,
    XEL_TRUNK_OFFLINE = 2,
};

enum xel_trunk_link_state : uint32_t {
    XEL_TRUNK_LINK_STATE_UP = 1,
    XEL_TRUNK_LINK_STATE_DN_LINKDN = 2,
    XEL_TRUNK_LINK_STATE_DN_GRP_MIS = 3,
    XEL_TRUNK_LINK_STATE_DN_SPD_MIS = 4,
    XEL_TRUNK_LINK_STATE_DN_MODE_MIS = 5,
};

enum xel_trunk_link_fctl : uint32_t {
    XEL_TRUNK_LINK_FCTL_NORMAL = 0,
    XEL_TRUNK_LINK_FCTL_VC = 1,
    XEL_TRUNK_LINK_FCTL_VC_QOS = 2,
};

enum xel_cee_status_e : uint32_t {
    CEE_UP = 0,
    CEE_PHY_UP = 1,
    CEE_LOOPBACK = 2,
    CEE_PHY_DOWN = 3,
};

enum xel_vmq_state : uint32_t {
    KWO_VMQ_STATE_UNDEFINED = 1,
    KWO_VMQ_STATE_ALLOCATED = 2,
    KWO_VMQ_STATE_SET_FILTER = 3,
    KWO_VMQ_STATE_PAUSED = 4,
    KWO_VMQ_STATE_RUNNING = 5,
    KWO_VMQ_STATE_STOP_DMA = 6,
    KWO_VMQ_STATE_FREEING = 7,
};

enum xel_mode_t : uint32_t {
    XEL_MODE_HBA = 1,
    XEL_MODE_CNA = 2,
    XEL_MODE_NIC = 3,
};

// Role bits of a logical port.
enum xel_lport_role : uint32_t {
    XEL_LPORT_ROLE_FCP_IM = 1,
    XEL_LPORT_ROLE_FCP_TM = 2,
    XEL_LPORT_ROLE_FCP_IPFC = 4,
};

enum xel_defs_sfp_media_t : uint32_t {
    XEL_SFP_MEDIA_UNKNOWN = 0,
    XEL_SFP_MEDIA_CU = 1,
    XEL_SFP_MEDIA_LW = 2,
    XEL_SFP_MEDIA_SW = 3,
    XEL_SFP_MEDIA_EL = 4,
    XEL_SFP_MEDIA_UNSUPPORT = 5,
};

// Port-log records carry a module and an event id, each named by a short
// fixed text.
struct xel_plog_mid_strings_t {
    char m_str[8];
};
struct xel_plog_eid_strings_t {
    char e_str[8];
};

const char *xell_flash_status_to_string(int32_t code);
const char *xell_flash_part_type_to_string(int32_t code);
const char *xell_ioc_state_to_string(int32_t code);
const char *xell_faa_state_to_string(int32_t code);
const char *xell_faa_source_to_string(int32_t code);
const char *xell_port_states_to_string(int32_t code);
const char *xell_port_speed_to_string(int32_t code);
const char *xell_port_type_to_string(int32_t code);
const char *xell_port_topology_to_string(int32_t code);
const char *xell_rport_state_to_string(int32_t code);
const char *xell_itnim_state_to_string(int32_t code);
const char *xell_auth_status_to_string(int32_t code);
const char *xell_auth_algo_to_string(int32_t code);
const char *xell_auth_group_to_string(int32_t code);
const char *xell_auth_rej_code_to_string(int32_t code);
const char *xell_auth_rej_code_exp_to_string(int32_t code);
const char *xell_vport_state_to_string(int32_t code);
const char *xell_log_severity_to_string(int32_t code);
const char *xell_qos_state_to_string(int32_t code);
const char *xell_qos_priority_to_string(int32_t code);
const char *xell_port_linkstate_rsn_to_string(int32_t code);
const char *xell_ethport_cee_state_to_string(int32_t code);
const char *xell_trunk_state_to_string(int32_t code);
const char *xell_trunk_link_state_to_string(int32_t code);
const char *xell_trunk_link_fctl_to_string(int32_t code);
const char *xell_cee_status_to_string(int32_t code);
const char *xell_vmq_state_to_string(int32_t code);
const char *xell_mode_to_string(int32_t code);
const char *xell_lport_role_to_string(int32_t code);

// Port-log module (0 to 8) and event (0 to 25) names, and the SFP media name
// (0 to 5). A code outside its table reads as entry 0: "Invalid" for the
// port log, "--" (unknown media) for the SFP.
const char *xel_plog_mid_strings(int32_t index);
const char *xel_plog_eid_strings(int32_t index);
const char *xell_get_sfp_media(int32_t media);

// The byte that brings the sum of the buffer's bytes to 0 modulo 256 (0 for
// an empty buffer).
uint8_t xell_checksum_u8(const uint8_t *buf, std::size_t count);
