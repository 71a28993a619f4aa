// Request records of the port and of the objects the port commands read
// (Ethernet port, CEE, SFP and D-port, QoS and rate limiting, boot
// configuration, logical ports): plain little-endian records with every
// field at its fixed offset, each checked against the size its command
// code encodes. State, speed and topology fields are 32-bit codes of the
// enumerations in xell_state.h.
#pragma once

#include "xel_ioctl.h"
#include "xel_stats_records.h"
#include "xel_types.h"

#include <cstddef>
#include <cstdint>

// ---- the port ------------------------------------------------------------

// Bandwidth shares of the QoS priorities, in percent.
struct xel_qos_bw_t {
    uint8_t qos_bw_set;
    uint8_t high;
    uint8_t med;
    uint8_t low;
};
static_assert(sizeof(xel_qos_bw_t) == 4);

// The settings configured on a port; most take effect at its next enable.
struct xel_port_cfg_s {
    uint8_t topology; // xel_port_topology
    uint8_t speed;    // xel_port_speed; 15 auto
    uint8_t trunked;
    uint8_t qos_enabled;
    uint8_t cfg_hardalpa;
    uint8_t hardalpa;
    uint16_t maxfrsize;
    uint8_t rx_bbcredit;
    uint8_t tx_bbcredit;
    uint8_t ratelimit;
    uint8_t trl_def_speed;
    uint8_t bb_scn;
    uint8_t bb_scn_state;
    uint8_t faa_state;
    uint8_t rsvd;
    uint16_t path_tov;
    uint16_t q_depth;
    xel_qos_bw_t qos_bw;
};
static_assert(sizeof(xel_port_cfg_s) == 24);
static_assert(offsetof(xel_port_cfg_s, maxfrsize) == 6 && offsetof(xel_port_cfg_s, bb_scn_state) == 13);
static_assert(offsetof(xel_port_cfg_s, path_tov) == 16 && offsetof(xel_port_cfg_s, qos_bw) == 20);

// Classes of service.
constexpr uint32_t FC_CLASS_2 = 4;
constexpr uint32_t FC_CLASS_3 = 8;
constexpr uint32_t FC_CLASS_2_3 = 12;

struct xel_port_attr_s {
    wwn_t nwwn;
    wwn_t pwwn;
    wwn_t factorynwwn;
    wwn_t factorypwwn;
    uint32_t cos_supported; // FC_CLASS_*
    uint32_t rsvd;
    char port_symname[256];
    uint32_t speed_supported; // the highest speed the port runs
    uint32_t pbind_enabled;
    xel_port_cfg_s pport_cfg;
    uint32_t port_state; // xel_port_states
    uint32_t speed;      // operational
    uint32_t topology;   // operational
    uint32_t beacon;
    uint32_t link_e2e_beacon;
    uint32_t bbsc_op_status;
    uint32_t pid; // FC address: the first three bytes in memory, most significant first
    uint32_t port_type; // xel_port_type
    uint32_t loopback;
    uint32_t authfail;
    uint16_t fcoe_vlan;
    uint8_t rsvd1[6];
};
static_assert(sizeof(xel_port_attr_s) == 376);
static_assert(offsetof(xel_port_attr_s, cos_supported) == 32 && offsetof(xel_port_attr_s, port_symname) == 40);
static_assert(offsetof(xel_port_attr_s, speed_supported) == 296 && offsetof(xel_port_attr_s, pport_cfg) == 304);
static_assert(offsetof(xel_port_attr_s, port_state) == 328 && offsetof(xel_port_attr_s, bbsc_op_status) == 348);
static_assert(offsetof(xel_port_attr_s, pid) == 352 && offsetof(xel_port_attr_s, fcoe_vlan) == 368);

struct xel_ioctl_port_attr_t {
    int32_t status;
    uint16_t xeld_num;
    uint16_t rsvd;
    xel_port_attr_s attr;
};
static_assert(sizeof(xel_ioctl_port_attr_t) == xel_cmd_size(XEL_CMD_PORT_GET_ATTR));
static_assert(offsetof(xel_ioctl_port_attr_t, attr) == 8);

// Port statistics travel right behind their 24-byte record (buffer size
// and address).
using xel_ioctl_port_stats_t = xel_ioctl_buf_t;
static_assert(sizeof(xel_ioctl_port_stats_t) == xel_cmd_size(XEL_CMD_PORT_GET_STATS));
constexpr uint32_t XEL_PORT_STATS_SIZE = sizeof(xel_port_stats_t);
constexpr int XEL_PORT_STATS_XFER = sizeof(xel_ioctl_port_stats_t) + XEL_PORT_STATS_SIZE;
static_assert(XEL_PORT_STATS_SIZE == 336 && XEL_PORT_STATS_XFER == 360);

struct xel_ioctl_port_cfg_topo_t {
    int32_t status;
    uint16_t xeld_num;
    uint16_t rsvd;
    uint32_t topo; // xel_port_topology
    uint32_t rsvd1;
};
static_assert(sizeof(xel_ioctl_port_cfg_topo_t) == xel_cmd_size(XEL_CMD_PORT_CFG_TOPOLOGY));

struct xel_ioctl_port_cfg_speed_t {
    int32_t status;
    uint16_t xeld_num;
    uint16_t rsvd;
    uint32_t speed; // xel_port_speed
    uint32_t rsvd1;
};
static_assert(sizeof(xel_ioctl_port_cfg_speed_t) == xel_cmd_size(XEL_CMD_PORT_CFG_SPEED));

struct xel_ioctl_port_alpa_t {
    int32_t status;
    uint16_t xeld_num;
    uint16_t rsvd;
    uint8_t alpa;
    uint8_t rsvd1[7];
};
static_assert(sizeof(xel_ioctl_port_alpa_t) == xel_cmd_size(XEL_CMD_PORT_CFG_HARDALPA));
static_assert(sizeof(xel_ioctl_port_alpa_t) == xel_cmd_size(XEL_CMD_PORT_CLR_HARDALPA));

// The frame size takes the place of the header's reserved half-word.
struct xel_ioctl_port_cfg_maxfrsize_t {
    int32_t status;
    uint16_t xeld_num;
    uint16_t maxfrsize;
};
static_assert(sizeof(xel_ioctl_port_cfg_maxfrsize_t) == xel_cmd_size(XEL_CMD_PORT_CFG_MAXFRSIZE));

// Node identification data; 44 bytes, so the WWN sits unaligned for the
// record behind the header.
#pragma pack(push, 4)
struct xel_port_rnid_s {
    wwn_t wwn;
    uint32_t unittype;
    uint32_t portid;
    uint32_t attached_nodes_num;
    uint16_t ip_version;
    uint16_t udp_port;
    uint8_t ipaddr[16];
    uint16_t rsvd;
    uint16_t topologydiscoveryflags;
};
#pragma pack(pop)
static_assert(sizeof(xel_port_rnid_s) == 44);
static_assert(offsetof(xel_port_rnid_s, ip_version) == 20 && offsetof(xel_port_rnid_s, topologydiscoveryflags) == 42);

struct xel_ioctl_port_rnid_t {
    int32_t status;
    uint16_t xeld_num;
    uint16_t rsvd;
    xel_port_rnid_s info;
    uint32_t rsvd1;
};
static_assert(sizeof(xel_ioctl_port_rnid_t) == xel_cmd_size(XEL_CMD_PORT_CFG_RNID_INFO));
static_assert(sizeof(xel_ioctl_port_rnid_t) == xel_cmd_size(XEL_CMD_PORT_GET_RNID_INFO));
static_assert(offsetof(xel_ioctl_port_rnid_t, info) == 8 && offsetof(xel_ioctl_port_rnid_t, rsvd1) == 52);

// FC port statistics of a converged port (FCoE) or of QoS.
struct xel_ioctl_fcport_stats_t {
    int32_t status;
    uint16_t xeld_num;
    uint16_t rsvd;
    xel_fcport_stats_t stats;
};
static_assert(sizeof(xel_ioctl_fcport_stats_t) == xel_cmd_size(XEL_CMD_FCOE_GET_STATS));
static_assert(offsetof(xel_ioctl_fcport_stats_t, stats) == 8);

// One member link of a trunk.
struct xel_trunk_link_attr_s {
    wwn_t trunk_wwn;
    uint32_t fctl;       // xel_trunk_link_fctl
    uint32_t link_state; // xel_trunk_link_state
    uint32_t speed;      // xel_port_speed
    uint32_t deskew;
};
static_assert(sizeof(xel_trunk_link_attr_s) == 24);

struct xel_trunk_attr_s {
    uint32_t state; // xel_trunk_state
    uint32_t speed;
    uint32_t port_id; // FC address, stored as pid is
    uint32_t rsvd;
    xel_trunk_link_attr_s link_attr[2];
};
static_assert(sizeof(xel_trunk_attr_s) == 64);
static_assert(offsetof(xel_trunk_attr_s, link_attr) == 16);

struct xel_ioctl_trunk_attr_t {
    int32_t status;
    uint16_t xeld_num;
    uint16_t rsvd;
    xel_trunk_attr_s attr;
};
static_assert(sizeof(xel_ioctl_trunk_attr_t) == xel_cmd_size(XEL_CMD_PORT_GET_TRUNK_ATTR));

// Fabric-assigned port WWN.
struct xel_faa_attr_s {
    wwn_t faa;
    uint8_t faa_state;   // xel_faa_state
    uint8_t pwwn_source; // xel_faa_source
    uint8_t rsvd[6];
};
static_assert(sizeof(xel_faa_attr_s) == 16);

struct xel_ioctl_faa_attr_t {
    int32_t status;
    uint16_t xeld_num;
    uint16_t rsvd;
    xel_faa_attr_s faa_attr;
};
static_assert(sizeof(xel_ioctl_faa_attr_t) == xel_cmd_size(XEL_CMD_FAA_QUERY));

// A port's personality for its next start.
struct xel_port_cfg_mode_t {
    uint16_t max_pf;
    uint16_t max_vf;
    uint32_t mode; // xel_mode_t
};
static_assert(sizeof(xel_port_cfg_mode_t) == 8);

// The port number takes the place of the header's reserved half-word.
struct xel_ioctl_port_cfg_mode_t {
    int32_t status;
    uint16_t xeld_num;
    uint16_t instance;
    xel_port_cfg_mode_t cfg;
};
static_assert(sizeof(xel_ioctl_port_cfg_mode_t) == xel_cmd_size(XEL_CMD_PORT_CFG_MODE));
static_assert(offsetof(xel_ioctl_port_cfg_mode_t, cfg) == 8);

// ---- Ethernet port ----------------------------------------------------------

struct xel_ethport_attr_s {
    uint32_t mtu;
    uint32_t speed_supported;
    uint32_t port_state; // xel_port_states
    uint32_t speed;
};
static_assert(sizeof(xel_ethport_attr_s) == 16);

struct xel_ioctl_ethport_attr_t {
    int32_t status;
    uint16_t xeld_num;
    uint16_t rsvd;
    xel_ethport_attr_s attr;
};
static_assert(sizeof(xel_ioctl_ethport_attr_t) == xel_cmd_size(XEL_CMD_ETHPORT_GET_ATTR));

// ---- CEE (DCB) --------------------------------------------------------------

// One LLDP string the peer advertised.
struct xel_cee_lldp_str_t {
    uint8_t sub_type;
    uint8_t len;
    uint8_t rsvd[2];
    uint8_t value[128];
};
static_assert(sizeof(xel_cee_lldp_str_t) == 132);

struct xel_cee_lldp_cfg_t {
    xel_cee_lldp_str_t chassis_id;
    xel_cee_lldp_str_t port_id;
    xel_cee_lldp_str_t port_desc;
    xel_cee_lldp_str_t sys_name;
    xel_cee_lldp_str_t sys_desc;
    xel_cee_lldp_str_t mgmt_addr;
    uint16_t time_to_live;
    uint16_t enabled_system_cap;
};
static_assert(sizeof(xel_cee_lldp_cfg_t) == 796);

struct xel_cee_dcbx_cfg_t {
    uint8_t pgid[8];          // priority group of each priority
    uint8_t pg_percentage[8]; // bandwidth weight of each group
    uint8_t pfc_primap;
    uint8_t fcoe_primap;
    uint8_t iscsi_primap;
    uint8_t dcbx_version; // 2: DCB
    uint8_t lls_fcoe;
    uint8_t lls_lan;
    uint8_t rsvd[2];
};
static_assert(sizeof(xel_cee_dcbx_cfg_t) == 24);

struct xel_cee_attr_t {
    uint8_t cee_status;   // xel_cee_status_e
    uint8_t error_reason; // xel_port_linkstate_rsn
    xel_cee_lldp_cfg_t lldp_remote;
    xel_cee_dcbx_cfg_t dcbx_remote;
    mac_t src_mac;
    uint8_t link_speed; // xel_port_speed
    uint8_t nw_priority;
    uint8_t filler[2];
};
static_assert(sizeof(xel_cee_attr_t) == 832);
static_assert(offsetof(xel_cee_attr_t, lldp_remote) == 2 && offsetof(xel_cee_attr_t, dcbx_remote) == 798);
static_assert(offsetof(xel_cee_attr_t, src_mac) == 822 && offsetof(xel_cee_attr_t, link_speed) == 828);

// The CEE attributes and statistics travel behind a 24-byte record.
using xel_ioctl_cee_t = xel_ioctl_buf_t;
static_assert(sizeof(xel_ioctl_cee_t) == xel_cmd_size(XEL_CMD_CEE_GET_ATTR));
static_assert(sizeof(xel_ioctl_cee_t) == xel_cmd_size(XEL_CMD_CEE_GET_STATS));
constexpr int XEL_CEE_ATTR_XFER = sizeof(xel_ioctl_cee_t) + sizeof(xel_cee_attr_t);
constexpr int XEL_CEE_STATS_XFER = sizeof(xel_ioctl_cee_t) + sizeof(xel_cee_stats_t);
static_assert(XEL_CEE_ATTR_XFER == 856 && XEL_CEE_STATS_XFER == 96);

// ---- SFP and D-port ---------------------------------------------------------

enum xel_dport_state_t : uint32_t {
    XEL_DPORT_ST_DISABLED = 0,
    XEL_DPORT_ST_DISABLING = 1,
    XEL_DPORT_ST_ENABLING = 2,
    XEL_DPORT_ST_ENABLED = 3,
};

struct xel_ioctl_sfp_media_t {
    int32_t status;
    uint16_t xeld_num;
    uint16_t rsvd;
    uint32_t media; // xel_defs_sfp_media_t
};
static_assert(sizeof(xel_ioctl_sfp_media_t) == xel_cmd_size(XEL_CMD_SFP_MEDIA));

struct xel_ioctl_sfp_speed_t {
    int32_t status;
    uint16_t xeld_num;
    uint16_t rsvd;
    uint32_t speed; // xel_port_speed
};
static_assert(sizeof(xel_ioctl_sfp_speed_t) == xel_cmd_size(XEL_CMD_SFP_SPEED));

struct xel_ioctl_dport_state_t {
    int32_t status;
    uint16_t xeld_num;
    uint16_t rsvd;
    uint32_t state; // xel_dport_state_t
};
static_assert(sizeof(xel_ioctl_dport_state_t) == xel_cmd_size(XEL_CMD_DIAG_DPORT_GET_STATE));

// ---- QoS and rate limiting ----------------------------------------------

struct xel_qos_attr_s {
    uint8_t state; // xel_qos_state
    uint8_t rsvd[3];
    uint32_t total_bb_cr;
    xel_qos_bw_t qos_bw;    // configured
    xel_qos_bw_t qos_bw_op; // in operation
};
static_assert(sizeof(xel_qos_attr_s) == 16);

struct xel_ioctl_qos_attr_t {
    int32_t status;
    uint16_t xeld_num;
    uint16_t rsvd;
    xel_qos_attr_s attr;
};
static_assert(sizeof(xel_ioctl_qos_attr_t) == xel_cmd_size(XEL_CMD_QOS_GET_ATTR));

// Rate limiting as the port attributes carry it.
struct xell_trl_attr_t {
    uint8_t trlenabled;
    uint8_t trldefspeed; // xel_port_speed
};
static_assert(sizeof(xell_trl_attr_t) == 2);

// ---- boot configuration -----------------------------------------------------

// A boot LUN: target port WWN and LUN, both in wire order.
struct xel_boot_lun_t {
    wwn_t pwwn;
    lun_t lun;
};
static_assert(sizeof(xel_boot_lun_t) == 16);

constexpr int XEL_BOOT_LUNS = 4;
constexpr uint8_t XEL_BOOT_CFG_VERSION = 1;

struct xel_boot_cfg_t {
    uint8_t version; // 1 valid; 0xFF blank flash
    uint8_t rsvd1;
    uint16_t chksum; // XOR of the 16-bit words, taken with this field 0
    uint8_t enable;
    uint8_t speed;    // xel_port_speed
    uint8_t topology; // xel_port_topology: 5 p2p, 2 loop
    uint8_t bootopt;  // 0 fabric, 1 stored LUNs, 2 first LUN, 3 pre-boot
    uint32_t nbluns;
    uint8_t bootup_delay;
    uint8_t rsvd2[3];
    xel_boot_lun_t blun[XEL_BOOT_LUNS];
    xel_boot_lun_t blun_disc[XEL_BOOT_LUNS];
};
static_assert(sizeof(xel_boot_cfg_t) == 144);
static_assert(offsetof(xel_boot_cfg_t, enable) == 4 && offsetof(xel_boot_cfg_t, topology) == 6);
static_assert(offsetof(xel_boot_cfg_t, nbluns) == 8 && offsetof(xel_boot_cfg_t, blun) == 16);
static_assert(offsetof(xel_boot_cfg_t, blun_disc) == 80);

struct xel_ioctl_bios_t {
    int32_t status;
    uint16_t xeld_num;
    uint16_t rsvd;
    xel_boot_cfg_t cfg;
};
static_assert(sizeof(xel_ioctl_bios_t) == xel_cmd_size(XEL_CMD_BIOS_CFG));
static_assert(sizeof(xel_ioctl_bios_t) == xel_cmd_size(XEL_CMD_BIOS_QUERY));

// The pre-boot configuration the management of the enclosure set (read only).
constexpr int XEL_PBC_LUNS = 8;
struct xel_boot_pbc_t {
    uint8_t enable; // 1: BIOS on
    uint8_t speed;  // xel_port_speed
    uint8_t topology;
    uint8_t rsvd1;
    uint32_t nbluns;
    xel_boot_lun_t pblun[XEL_PBC_LUNS];
};
static_assert(sizeof(xel_boot_pbc_t) == 136 && offsetof(xel_boot_pbc_t, pblun) == 8);

struct xel_ioctl_bios_pbc_t {
    int32_t status;
    uint16_t xeld_num;
    uint16_t rsvd;
    xel_boot_pbc_t pbc;
};
static_assert(sizeof(xel_ioctl_bios_pbc_t) == xel_cmd_size(XEL_CMD_BIOS_PBC_QUERY));

// The network boot configuration of an Ethernet port.
constexpr uint8_t XEL_ETHBOOT_CFG_VERSION = 1;
struct xel_ethboot_cfg_t {
    uint8_t version; // 1 valid
    uint8_t rsvd1;
    uint16_t chksum; // XOR of the 4 16-bit words, taken with this field 0
    uint8_t enable;
    uint8_t rsvd2;
    uint16_t vlan;
};
static_assert(sizeof(xel_ethboot_cfg_t) == 8 && offsetof(xel_ethboot_cfg_t, vlan) == 6);

struct xel_ioctl_ethboot_t {
    int32_t status;
    uint16_t xeld_num;
    uint16_t rsvd;
    xel_ethboot_cfg_t cfg;
};
static_assert(sizeof(xel_ioctl_ethboot_t) == xel_cmd_size(XEL_CMD_ETHBOOT_CFG));
static_assert(sizeof(xel_ioctl_ethboot_t) == xel_cmd_size(XEL_CMD_ETHBOOT_QUERY));

// ---- logical ports ----------------------------------------------------------

struct xel_lport_attr_t {
    uint32_t state;
    uint32_t pid;
    xel_lport_cfg_t port_cfg;
    uint32_t port_type; // xel_port_type
    uint32_t loopback;
    wwn_t fabric_name;
    char fabric_ip_addr[16];
    mac_t fpma_mac;
    uint16_t authfail;
};
static_assert(sizeof(xel_lport_attr_t) == 352);
static_assert(offsetof(xel_lport_attr_t, port_cfg) == 8 && offsetof(xel_lport_attr_t, port_type) == 312);
static_assert(offsetof(xel_lport_attr_t, fabric_name) == 320 && offsetof(xel_lport_attr_t, authfail) == 350);

struct xel_ioctl_lport_attr_t {
    int32_t status;
    uint16_t xeld_num;
    uint16_t vf_id;
    wwn_t pwwn;
    xel_lport_attr_t attr;
};
static_assert(sizeof(xel_ioctl_lport_attr_t) == xel_cmd_size(XEL_CMD_LPORT_GET_ATTR));
static_assert(offsetof(xel_ioctl_lport_attr_t, attr) == 16);

// The logical port WWNs travel right behind the record; nports is the
// room on the way in and the count on the way out.
struct xel_ioctl_fabric_lports_t {
    int32_t status;
    uint16_t xeld_num;
    uint16_t vf_id;
    uint64_t buf_ptr;
    uint32_t nports;
    uint32_t rsvd;
};
static_assert(sizeof(xel_ioctl_fabric_lports_t) == xel_cmd_size(XEL_CMD_FABRIC_GET_LPORTS));
static_assert(offsetof(xel_ioctl_fabric_lports_t, nports) == 16);

// ---- flash partitions -------------------------------------------------------

// The manufacturing block's capability flags ('y', 'n' or 0), as much of
// the block as is read.
constexpr uint32_t XEL_MFG_BLOCK_SIZE = 256;
constexpr uint32_t XEL_MFG_CAP_OFFSET = 132; // cap_nic, cap_cna, cap_hba, cap_fc16g, cap_sriov, cap_mezz

// Capability bits of the adapter's capability word.
constexpr uint32_t XEL_ADAPTER_CAP_HBA = 0x01;
constexpr uint32_t XEL_ADAPTER_CAP_CNA = 0x02;
constexpr uint32_t XEL_ADAPTER_CAP_NIC = 0x04;
constexpr uint32_t XEL_ADAPTER_CAP_FC16G = 0x08;
constexpr uint32_t XEL_ADAPTER_CAP_SRIOV = 0x10;
constexpr uint32_t XEL_ADAPTER_CAP_MEZZ = 0x20;
