#include "xell_state.h"

#include "xel_ioctl.h"

#include <span>

namespace {

// Rows are searched in order up to the closing -1 row, whose text is never
// returned. Texts are printed as they stand, blanks and all.

// Flash status.
constexpr xel_state_t flash_status_str[] = {
    {XEL_FLASH_STATUS_GOOD, "good"},
    {XEL_FLASH_STATUS_NOT_PRESENT, "absent"},
    {XEL_FLASH_STATUS_UNINIT, "uninit"},
    {XEL_FLASH_STATUS_BAD, "bad"},
    {XEL_FLASH_STATUS_EMPTY, "empty"},
    {XEL_FLASH_STATUS_CKFAIL, "badcksum"},
    {-1, nullptr},
};

// Flash partition type.
constexpr xel_state_t flash_part_type_str[] = {
    {0, "null"},
    {XEL_FLASH_PART_OPTROM, "optrom"},
    {XEL_FLASH_PART_FWIMG, "fw"},
    {XEL_FLASH_PART_FWCFG, "cfg"},
    {XEL_FLASH_PART_DRV, "drv"},
    {XEL_FLASH_PART_BOOT, "boot"},
    {XEL_FLASH_PART_ASIC, "asic"},
    {XEL_FLASH_PART_MFG, "mfg"},
    {XEL_FLASH_PART_OPTROM2, "optrom2"},
    {XEL_FLASH_PART_VPD, "vpd"},
    {XEL_FLASH_PART_PBC, "pbc"},
    {XEL_FLASH_PART_BOOTOVL, "bootovl"},
    {XEL_FLASH_PART_LOG, "log"},
    {XEL_FLASH_PART_PXECFG, "pxecfg"},
    {XEL_FLASH_PART_PXEOVL, "pxeovl"},
    {XEL_FLASH_PART_PORTCFG, "portcfg"},
    {XEL_FLASH_PART_ASICBK, "asicbk"},
    {-1, nullptr},
};

// IOC state. Uninit and enabling have no name.
constexpr xel_state_t ioc_state_str[] = {
    {XEL_IOC_RESET, "reset"},
    {XEL_IOC_SEMWAIT, "semwait"},
    {XEL_IOC_HWINIT, "hwinit"},
    {XEL_IOC_FWMISMATCH, "firmware mismatch"},
    {XEL_IOC_GETATTR, "getattr"},
    {XEL_IOC_OPERATIONAL, "operational"},
    {XEL_IOC_INITFAIL, "init fail"},
    {XEL_IOC_HWFAIL, "hwfail"},
    {XEL_IOC_FAIL, "fail"},
    {XEL_IOC_DISABLING, "disabling"},
    {XEL_IOC_DISABLED, "disabled"},
    {XEL_IOC_ACQ_ADDR, "acq addr"},
    {-1, nullptr},
};

// FAA state.
constexpr xel_state_t faa_state_str[] = {
    {XEL_FAA_ENABLED, "Enabled"},
    {XEL_FAA_DISABLED, "Disabled"},
    {-1, nullptr},
};

// FAA source.
constexpr xel_state_t faa_source_str[] = {
    {XEL_FAA_FACTORY, "Factory"},
    {XEL_FAA_BLADE_SYSTEM, "Blade System"},
    {XEL_FAA_FABRIC, "Fabric"},
    {-1, nullptr},
};

// Port state.
constexpr xel_state_t port_states_str[] = {
    {0, "Unknown"},
    {XEL_PORT_ST_UNINIT, "Uninit"},
    {XEL_PORT_ST_ENABLING_QWAIT, "Enabling (qwait)"},
    {XEL_PORT_ST_ENABLING, "Enabling"},
    {XEL_PORT_ST_LINKDOWN, "Linkdown"},
    {XEL_PORT_ST_LINKUP, "Linkup"},
    {XEL_PORT_ST_DISABLING_QWAIT, "Disabling (qwait)"},
    {XEL_PORT_ST_DISABLING, "Disabling"},
    {XEL_PORT_ST_DISABLED, "Disabled"},
    {XEL_PORT_ST_STOPPED, "Stopped"},
    {XEL_PORT_ST_IOCDOWN, "IOC down"},
    {XEL_PORT_ST_IOCDIS, "IOC disabled"},
    {XEL_PORT_ST_FWMISMATCH, "FW mismatch"},
    {XEL_PORT_ST_PREBOOT_DISABLED, "Disabled#"},
    {XEL_PORT_ST_TOGGLING_QWAIT, "Link toggling (qwait)"},
    {XEL_PORT_ST_FAA_MISCONFIG, "FAA cfg error"},
    {XEL_PORT_ST_DPORT, "Disabled"},
    {XEL_PORT_ST_MAX_STATE, "Invalid"},
    {-1, nullptr},
};

// Port speed: three characters wide, so one-digit speeds keep a trailing
// blank.
constexpr xel_state_t port_speed_str[] = {
    {XEL_PORT_SPEED_UNKNOWN, "---"},
    {XEL_PORT_SPEED_1GBPS, "1G "},
    {XEL_PORT_SPEED_2GBPS, "2G "},
    {XEL_PORT_SPEED_4GBPS, "4G "},
    {XEL_PORT_SPEED_8GBPS, "8G "},
    {XEL_PORT_SPEED_10GBPS, "10G"},
    {XEL_PORT_SPEED_16GBPS, "16G"},
    {XEL_PORT_SPEED_32GBPS, "32G"},
    {XEL_PORT_SPEED_AUTO, "Auto"},
    {-1, nullptr},
};

// Port type.
constexpr xel_state_t port_type_str[] = {
    {XEL_PORT_TYPE_UNKNOWN, "UN"},
    {XEL_PORT_TYPE_NPORT, "N"},
    {XEL_PORT_TYPE_NLPORT, "NL"},
    {XEL_PORT_TYPE_LPORT, "LP"},
    {XEL_PORT_TYPE_P2P, "P2P"},
    {XEL_PORT_TYPE_VPORT, "VP"},
    {-1, nullptr},
};

// Port topology. The old-version codes have no name.
constexpr xel_state_t port_topology_str[] = {
    {XEL_PORT_TOPOLOGY_NONE, "Unknown"},
    {XEL_PORT_TOPOLOGY_P2P, "P2P"},
    {XEL_PORT_TOPOLOGY_LOOP, "Loop"},
    {XEL_PORT_TOPOLOGY_AUTO, "Auto"},
    {-1, nullptr},
};

// Remote port state.
constexpr xel_state_t rport_state_str[] = {
    {XEL_RPORT_UNINIT, "uninit"},
    {XEL_RPORT_OFFLINE, "offline"},
    {XEL_RPORT_PLOGI, "plogi"},
    {XEL_RPORT_ONLINE, "online"},
    {XEL_RPORT_PLOGI_RETRY, "retry"},
    {XEL_RPORT_NSQUERY, "nsquery"},
    {XEL_RPORT_ADISC, "adisc"},
    {XEL_RPORT_LOGO, "logo"},
    {XEL_RPORT_LOGORCV, "logorecv"},
    {XEL_RPORT_NSDISC, "nsdisc"},
    {-1, nullptr},
};

// Target nexus state.
constexpr xel_state_t itnim_state_str[] = {
    {XEL_ITNIM_OFFLINE, "offline"},
    {XEL_ITNIM_PRLI_SEND, "prli send"},
    {XEL_ITNIM_PRLI_SENT, "prli sent"},
    {XEL_ITNIM_PRLI_RETRY, "prli retry"},
    {XEL_ITNIM_HCB_ONLINE, "online callback"},
    {XEL_ITNIM_ONLINE, "online"},
    {XEL_ITNIM_HCB_OFFLINE, "offline callback"},
    {XEL_ITNIM_INITIATOR, "initiator"},
    {-1, nullptr},
};

// Authentication status.
constexpr xel_state_t auth_status_str[] = {
    {XEL_AUTH_STATUS_NONE, "no_auth"},
    {XEL_AUTH_UNINIT, "uninit"},
    {XEL_AUTH_NEG_SEND, "neg_send"},
    {XEL_AUTH_CHAL_WAIT, "chal_wait"},
    {XEL_AUTH_NEG_RETRY, "neg_retry"},
    {XEL_AUTH_REPLY_SEND, "reply_send"},
    {XEL_AUTH_STATUS_WAIT, "status_wait"},
    {XEL_AUTH_SUCCESS, "success"},
    {XEL_AUTH_FAILED, "failed"},
    {XEL_AUTH_STATUS_UNKNOWN, "unknown"},
    {-1, nullptr},
};

// Authentication algorithm.
constexpr xel_state_t auth_algo_str[] = {
    {XEL_AUTH_ALGO_MD5, "MD5"},
    {XEL_AUTH_ALGO_SHA1, "SHA1"},
    {XEL_AUTH_ALGO_MS, "MD5,SHA1"},
    {XEL_AUTH_ALGO_SM, "SHA1,MD5"},
    {-1, nullptr},
};

// Authentication group.
constexpr xel_state_t auth_group_str[] = {
    {XEL_AUTH_GROUP_DHNULL, "DH-NULL"},
    {XEL_AUTH_GROUP_DH768, "DH-768"},
    {XEL_AUTH_GROUP_DH1024, "DH-1024"},
    {XEL_AUTH_GROUP_DH1280, "DH-1280"},
    {XEL_AUTH_GROUP_DH1536, "DH-1536"},
    {XEL_AUTH_GROUP_ALL, "DH-ALL(1,2,3,4)"},
    {-1, nullptr},
};

// Authentication reject code.
constexpr xel_state_t auth_rej_code_str[] = {
    {XEL_AUTH_RJT_CODE_AUTH_FAILURE, "Auth fail"},
    {XEL_AUTH_RJT_CODE_LOGICAL_ERR, "Logical err"},
    {255, "Logical err"},
    {254, "no password"},
    {-1, nullptr},
};

// Authentication reject explanation.
constexpr xel_state_t auth_rej_code_exp_str[] = {
    {XEL_AUTH_MECH_NOT_USABLE, "Auth Mech"},
    {XEL_AUTH_DH_GROUP_NOT_USABLE, "DH Group"},
    {XEL_AUTH_HASH_FUNC_NOT_USABLE, "Hash Func"},
    {XEL_AUTH_AUTH_XACT_STARTED, "Auth XACT"},
    {XEL_AUTH_AUTH_FAILED, "Auth fail"},
    {XEL_AUTH_INCORRECT_PLD, "Payload"},
    {XEL_AUTH_INCORRECT_PROTO_MSG, "Proto msg"},
    {XEL_AUTH_RESTART_AUTH_PROTO, "Restart Auth"},
    {9, "Auth Concat"},
    {10, "Proto Ver."},
    {255, "-"},
    {254, "-"},
    {-1, nullptr},
};

// Virtual port state.
constexpr xel_state_t vport_state_str[] = {
    {XEL_FCS_VPORT_UNINIT, "uninit"},
    {XEL_FCS_VPORT_OFFLINE, "offline"},
    {XEL_FCS_VPORT_FDISC_SEND, "fdisc*"},
    {XEL_FCS_VPORT_FDISC, "fdisc"},
    {XEL_FCS_VPORT_FDISC_RETRY, "fdisc-retry"},
    {XEL_FCS_VPORT_FDISC_RSP_WAIT, "fdisc*"},
    {XEL_FCS_VPORT_ONLINE, "online"},
    {XEL_FCS_VPORT_DELETING, "deleting"},
    {XEL_FCS_VPORT_LOGO_SEND, "logo*"},
    {XEL_FCS_VPORT_LOGO, "logo"},
    {XEL_FCS_VPORT_ERROR, "Error"},
    {-1, nullptr},
};

// Log severity.
constexpr xel_state_t log_severity_str[] = {
    {XEL_LOG_INVALID, "invalid"},
    {XEL_LOG_CRITICAL, "Critical"},
    {XEL_LOG_ERROR, "Error"},
    {XEL_LOG_WARNING, "Warning"},
    {XEL_LOG_INFO, "Info"},
    {-1, nullptr},
};

// QoS state.
constexpr xel_state_t qos_state_str[] = {
    {XEL_QOS_DISABLED, "Disabled"},
    {XEL_QOS_ONLINE, "Online"},
    {XEL_QOS_OFFLINE, "Offline"},
    {-1, nullptr},
};

// QoS priority.
constexpr xel_state_t qos_priority_str[] = {
    {XEL_QOS_UNKNOWN, "Unknown"},
    {XEL_QOS_HIGH, "High"},
    {XEL_QOS_MED, "Medium"},
    {XEL_QOS_LOW, "Low"},
    {-1, nullptr},
};

// Link-state reason: only the CEE reasons have a name.
constexpr xel_state_t port_linkstate_rsn_str[] = {
    {CEE_LLDP_INFO_AGED_OUT, "Timeout waiting to receive from peer"},
    {CEE_LLDP_SHUTDOWN_TLV_RCVD, "Received LLDP shutdown TLV from peer"},
    {CEE_PEER_NOT_ADVERTISE_DCBX, "Peer not advertising DCBX"},
    {CEE_PEER_NOT_ADVERTISE_PG, "Peer not advertising PG TLV"},
    {CEE_PEER_NOT_ADVERTISE_PFC, "Peer not advertising PFC TLV"},
    {CEE_PEER_NOT_ADVERTISE_FCOE, "Peer not advertising FCOE TLV"},
    {CEE_PG_NOT_COMPATIBLE, "Protocol Error - PG values not compatible"},
    {CEE_PFC_NOT_COMPATIBLE, "Protocol Error - PFC values not compatible"},
    {CEE_FCOE_NOT_COMPATIBLE, "Protocol Error - FCOE values notcompatible"},
    {CEE_BAD_PG_RCVD, "Invalid PGID values received [Valid values 0-7]"},
    {CEE_BAD_BW_RCVD, "Invalid BW values received [Sum of all BW shouldequal to 100]"},
    {CEE_BAD_PFC_RCVD, "Invalid PFC values received [PFCs should beconsistent within a priority group]"},
    {CEE_BAD_APP_PRI_RCVD, "Invalid App values received [At least oneApp priority(s) must be set]"},
    {CEE_FCOE_PRI_PFC_OFF, "PFC disabled for FCoE priority(s)"},
    {CEE_DUP_CONTROL_TLV_RCVD, "Protocol Error - Duplicate Control TLVsreceived"},
    {CEE_DUP_FEAT_TLV_RCVD, "Protocol Error - Duplicate Feature TLVsreceived"},
    {CEE_APPLY_NEW_CFG, "Applying new configuration in progress.Please retry"},
    {CEE_PROTOCOL_INIT, "Protocol Initialization in progress Or Waitingto receive from Peer"},
    {CEE_PHY_LINK_DOWN, "Physical link down"},
    {CEE_ISCSI_NOT_COMPATIBLE, "Protocol Error - ISCSI values notcompatible"},
    {CEE_ISCSI_PRI_PFC_OFF, "PFC disabled for iSCSI priority(s)"},
    {CEE_ISCSI_PRI_OVERLAP_FCOE_PRI, "iSCSI priority(s) overlap FCoE priority(s)"},
    {-1, "Unknown Error."},
};

// Ethernet port CEE state.
constexpr xel_state_t ethport_cee_state_str[] = {
    {XEL_ETHPORT_CEE_LINKDOWN, "Linkdown"},
    {XEL_ETHPORT_CEE_LINKUP, "Linkup"},
    {-1, nullptr},
};

// Trunk state.
constexpr xel_state_t trunk_state_str[] = {
    {XEL_TRUNK_DISABLED, "Disabled"},
    {XEL_TRUNK_ONLINE, "Linkup"},
    {XEL_TRUNK_OFFLINE, "Linkdown"},
    {-1, nullptr},
};

// Trunk link state.
constexpr xel_state_t trunk_link_state_str[] = {
    {XEL_TRUNK_LINK_STATE_UP, "Linkup"},
    {XEL_TRUNK_LINK_STATE_DN_LINKDN, "Linkdown"},
    {XEL_TRUNK_LINK_STATE_DN_GRP_MIS, "MisGrp"},
    {XEL_TRUNK_LINK_STATE_DN_SPD_MIS, "MisSpd"},
    {XEL_TRUNK_LINK_STATE_DN_MODE_MIS, "MisMode"},
    {-1, nullptr},
};

// Trunk link flow control.
constexpr xel_state_t trunk_link_fctl_str[] = {
    {XEL_TRUNK_LINK_FCTL_NORMAL, "Normal"},
    {XEL_TRUNK_LINK_FCTL_VC, "VC"},
    {XEL_TRUNK_LINK_FCTL_VC_QOS, "QoS VC"},
    {-1, nullptr},
};

// CEE status.
constexpr xel_state_t cee_status_str[] = {
    {CEE_UP, "DCB Linkup"},
    {CEE_PHY_UP, "Linkup"},
    {CEE_PHY_DOWN, "Linkdown"},
    {CEE_LOOPBACK, "Loopback"},
    {-1, nullptr},
};

// VMQ state.
constexpr xel_state_t vmq_state_str[] = {
    {KWO_VMQ_STATE_UNDEFINED, "Undefined"},
    {KWO_VMQ_STATE_ALLOCATED, "Allocated"},
    {KWO_VMQ_STATE_SET_FILTER, "SetFilter"},
    {KWO_VMQ_STATE_PAUSED, "Paused"},
    {KWO_VMQ_STATE_RUNNING, "Running"},
    {KWO_VMQ_STATE_STOP_DMA, "StopDma"},
    {KWO_VMQ_STATE_FREEING, "Freeing"},
    {-1, nullptr},
};

// Port or adapter personality; the HBA personality prints as "FC".
constexpr xel_state_t mode_str[] = {
    {XEL_MODE_HBA, "FC"},
    {XEL_MODE_CNA, "CNA"},
    {XEL_MODE_NIC, "NIC"},
    {-1, nullptr},
};

// Logical port role, a bit mask.
constexpr xel_state_t lport_role_str[] = {
    {XEL_LPORT_ROLE_FCP_IM, "IM"},
    {XEL_LPORT_ROLE_FCP_TM, "TM"},
    {XEL_LPORT_ROLE_FCP_IPFC, "IP"},
    {XEL_LPORT_ROLE_FCP_IM | XEL_LPORT_ROLE_FCP_IPFC, "IM IP"},
    {-1, nullptr},
};

// The port-log names are indexed directly by the byte in the record.
constexpr xel_plog_mid_strings_t plog_mid_str[] = {
    {"Invalid"}, {"Debug"}, {"Driver"}, {"HAL"}, {"FCXP"}, {"UF"}, {"FCS"}, {"LPS"}, {"Max"},
};

constexpr xel_plog_eid_strings_t plog_eid_str[] = {
    {"Invalid"}, {"iocstop"}, {"iocstrt"}, {"pstop"},  {"pstart"},  {"pstchg"},  {"Tx"},      {"Tx_Ack1"}, {"Tx_Rjt"},
    {"Tx_Bsy"},  {"Rx"},      {"Rx_Ack1"}, {"Rx_Rjt"}, {"Rx_Bsy"},  {"ct_in"},   {"ct_out"},  {"drvstrt"}, {"rscn"},
    {"debug"},   {"misc"},    {"fcfdisc"}, {"fcfcvl"}, {"login"},   {"logout"},  {"trkscn"},  {""},
};

// Indexed by xel_defs_sfp_media_t.
constexpr const char *sfp_media_str[] = {"--", "cu", "lw", "sw", "el", "us"};

static_assert(std::size(plog_mid_str) == 9 && std::size(plog_eid_str) == 26 && std::size(sfp_media_str) == 6);

const char *lookup(std::span<const xel_state_t> table, int32_t code)
{
    for (const xel_state_t &row : table) {
        if (row.code == -1)
            break;
        if (row.code == code)
            return row.str;
    }
    return "unknown";
}

// Codes come from the driver: anything outside the table reads as entry 0.
template <class T, std::size_t N> const T &entry(const T (&table)[N], int32_t index)
{
    return index >= 0 && static_cast<std::size_t>(index) < N ? table[index] : table[0];
}

} // namespace

const char *xell_flash_status_to_string(int32_t code)
{
    return lookup(flash_status_str, code);
}

const char *xell_flash_part_type_to_string(int32_t code)
{
    return lookup(flash_part_type_str, code);
}

const char *xell_ioc_state_to_string(int32_t code)
{
    return lookup(ioc_state_str, code);
}

const char *xell_faa_state_to_string(int32_t code)
{
    return lookup(faa_state_str, code);
}

const char *xell_faa_source_to_string(int32_t code)
{
    return lookup(faa_source_str, code);
}

const char *xell_port_states_to_string(int32_t code)
{
    return lookup(port_states_str, code);
}

const char *xell_port_speed_to_string(int32_t code)
{
    return lookup(port_speed_str, code);
}

const char *xell_port_type_to_string(int32_t code)
{
    return lookup(port_type_str, code);
}

const char *xell_port_topology_to_string(int32_t code)
{
    return lookup(port_topology_str, code);
}

const char *xell_rport_state_to_string(int32_t code)
{
    return lookup(rport_state_str, code);
}

const char *xell_itnim_state_to_string(int32_t code)
{
    return lookup(itnim_state_str, code);
}

const char *xell_auth_status_to_string(int32_t code)
{
    return lookup(auth_status_str, code);
}

const char *xell_auth_algo_to_string(int32_t code)
{
    return lookup(auth_algo_str, code);
}

const char *xell_auth_group_to_string(int32_t code)
{
    return lookup(auth_group_str, code);
}

const char *xell_auth_rej_code_to_string(int32_t code)
{
    return lookup(auth_rej_code_str, code);
}

const char *xell_auth_rej_code_exp_to_string(int32_t code)
{
    return lookup(auth_rej_code_exp_str, code);
}

const char *xell_vport_state_to_string(int32_t code)
{
    return lookup(vport_state_str, code);
}

const char *xell_log_severity_to_string(int32_t code)
{
    return lookup(log_severity_str, code);
}

const char *xell_qos_state_to_string(int32_t code)
{
    return lookup(qos_state_str, code);
}

const char *xell_qos_priority_to_string(int32_t code)
{
    return lookup(qos_priority_str, code);
}

const char *xell_port_linkstate_rsn_to_string(int32_t code)
{
    return lookup(port_linkstate_rsn_str, code);
}

const char *xell_ethport_cee_state_to_string(int32_t code)
{
    return lookup(ethport_cee_state_str, code);
}

const char *xell_trunk_state_to_string(int32_t code)
{
    return lookup(trunk_state_str, code);
}

const char *xell_trunk_link_state_to_string(int32_t code)
{
    return lookup(trunk_link_state_str, code);
}

const char *xell_trunk_link_fctl_to_string(int32_t code)
{
    return lookup(trunk_link_fctl_str, code);
}

const char *xell_cee_status_to_string(int32_t code)
{
    return lookup(cee_status_str, code);
}

const char *xell_vmq_state_to_string(int32_t code)
{
    return lookup(vmq_state_str, code);
}

const char *xell_mode_to_string(int32_t code)
{
    return lookup(mode_str, code);
}

const char *xell_lport_role_to_string(int32_t code)
{
    return lookup(lport_role_str, code);
}

const char *xel_plog_mid_strings(int32_t index)
{
    return entry(plog_mid_str, index).m_str;
}

const char *xel_plog_eid_strings(int32_t index)
{
    return entry(plog_eid_str, index).e_str;
}

const char *xell_get_sfp_media(int32_t media)
{
    return entry(sfp_media_str, media);
}

uint8_t xell_checksum_u8(const uint8_t *buf, std::size_t count)
{
    uint8_t sum = 0;
    for (std::size_t i = 0; buf && i < count; i++)
        sum = static_cast<uint8_t>(sum + buf[i]);
    return static_cast<uint8_t>(-sum);
}
