// Records of the PCI function configuration, the vHBA and the vNIC, as the
// drivers exchange them.
#pragma once

#include "xel_ioctl.h"
#include "xel_types.h"

#include <cstddef>
#include <cstdint>

// Personalities of a PCI function.
constexpr uint16_t XEL_PCIFN_CLASS_FC = 0x0C04;  // 3076
constexpr uint16_t XEL_PCIFN_CLASS_ETH = 0x0200; // 512

constexpr int XEL_ABLK_MAX_PFS = 16;
constexpr int XEL_ABLK_MAX_PORTS = 2;

struct xel_ablk_cfg_pf_t {
    uint16_t pers;
    uint8_t port_id;
    uint8_t optrom;
    uint8_t valid;
    uint8_t sriov;
    uint8_t max_vfs;
    uint8_t enabled;
    uint16_t num_qpairs;
    uint16_t num_vectors;
    uint16_t bw_min;
    uint16_t bw_max;
};
static_assert(sizeof(xel_ablk_cfg_pf_t) == 16);
static_assert(offsetof(xel_ablk_cfg_pf_t, valid) == 4 && offsetof(xel_ablk_cfg_pf_t, enabled) == 7);
static_assert(offsetof(xel_ablk_cfg_pf_t, num_qpairs) == 8 && offsetof(xel_ablk_cfg_pf_t, bw_max) == 14);

struct xel_ablk_cfg_port_t {
    uint8_t mode;
    uint8_t type;
    uint8_t max_pfs;
    uint8_t nw_part;
    uint8_t rsvd[4];
};
static_assert(sizeof(xel_ablk_cfg_port_t) == 8);

struct xel_ablk_cfg_inst_t {
    uint8_t nports;
    uint8_t max_pfs;
    uint8_t rsvd[6];
    xel_ablk_cfg_pf_t pf_cfg[XEL_ABLK_MAX_PFS];
    xel_ablk_cfg_port_t port_cfg[XEL_ABLK_MAX_PORTS];
};
static_assert(sizeof(xel_ablk_cfg_inst_t) == 280);
static_assert(offsetof(xel_ablk_cfg_inst_t, pf_cfg) == 8 && offsetof(xel_ablk_cfg_inst_t, port_cfg) == 264);

// Instance 0 is the active configuration, instance 1 the one the adapter
// starts with next.
struct xel_ablk_cfg_t {
    xel_ablk_cfg_inst_t inst[2];
};
static_assert(sizeof(xel_ablk_cfg_t) == 560);

constexpr int XEL_ABLK_ACTIVE = 0;
constexpr int XEL_ABLK_CONFIGURED = 1;

struct xel_ioctl_ablk_cfg_t {
    int32_t status;
    uint16_t xeld_num;
    uint16_t rsvd;
    xel_ablk_cfg_t cfg;
};
static_assert(sizeof(xel_ioctl_ablk_cfg_t) == xel_cmd_size(XEL_CMD_PCIFN_CFG_GET));
static_assert(offsetof(xel_ioctl_ablk_cfg_t, cfg) == 8);

// Create, delete, enable, disable, personality and bandwidth of a function.
struct xel_ioctl_pcifn_t {
    int32_t status;
    uint16_t xeld_num;
    uint16_t pcifn_id;
    uint16_t bw_min;
    uint16_t bw_max;
    uint8_t port;
    uint8_t rsvd0[3];
    uint32_t pcifn_class;
    uint32_t rsvd;
};
static_assert(sizeof(xel_ioctl_pcifn_t) == 24);
static_assert(offsetof(xel_ioctl_pcifn_t, bw_min) == 8 && offsetof(xel_ioctl_pcifn_t, port) == 12);
static_assert(offsetof(xel_ioctl_pcifn_t, pcifn_class) == 16 && offsetof(xel_ioctl_pcifn_t, rsvd) == 20);
static_assert(sizeof(xel_ioctl_pcifn_t) == xel_cmd_size(XEL_CMD_VHBA_CREATE));

// vHBA attributes (behind the header; the header's third field carries the
// function number).
struct xel_vhba_attr_t {
    wwn_t pwwn;
    wwn_t nwwn;
    uint32_t path_tov;     // seconds
    uint8_t plog_enabled;  // the port log records
    uint8_t io_profile;    // I/O profiling on
    uint8_t coalesce;      // interrupt coalescing on
    uint8_t rsvd;
    uint32_t delay;        // interrupt delay, microseconds
    uint32_t latency;      // interrupt latency, microseconds
};
static_assert(sizeof(xel_vhba_attr_t) == 32);
static_assert(offsetof(xel_vhba_attr_t, path_tov) == 16 && offsetof(xel_vhba_attr_t, plog_enabled) == 20);
static_assert(offsetof(xel_vhba_attr_t, delay) == 24 && offsetof(xel_vhba_attr_t, latency) == 28);

struct xel_ioctl_vhba_attr_t {
    int32_t status;
    uint16_t xeld_num;
    uint16_t pcifn_id;
    xel_vhba_attr_t attr;
};
static_assert(sizeof(xel_ioctl_vhba_attr_t) == xel_cmd_size(XEL_CMD_VHBA_GET_ATTR));

// The vNIC attribute and statistics reads carry their data behind a
// 24-byte record: the function number, the buffer size and its address.
struct xel_ioctl_vnic_buf_t {
    int32_t status;
    uint16_t xeld_num;
    uint16_t pcifn_id;
    uint32_t buf_size;
    uint32_t rsvd;
    uint64_t buf_ptr;
};
static_assert(sizeof(xel_ioctl_vnic_buf_t) == xel_cmd_size(XEL_CMD_VNIC_GET_ATTR));
static_assert(sizeof(xel_ioctl_vnic_buf_t) == xel_cmd_size(XEL_CMD_VNIC_GET_STATS));
static_assert(offsetof(xel_ioctl_vnic_buf_t, buf_size) == 8 && offsetof(xel_ioctl_vnic_buf_t, buf_ptr) == 16);

// ---- vNIC attributes ----------------------------------------------------------

constexpr int XEL_VNIC_MAX_TXF = 8;
constexpr int XEL_VNIC_MAX_TXQ = 8;
constexpr int XEL_VNIC_MAX_RXF = 16;
constexpr int XEL_VNIC_MAX_RXP = 16;
constexpr int XEL_VNIC_MAX_RXQ = 2;
constexpr int XEL_VNIC_MAX_UCAST = 16;
constexpr int XEL_VNIC_MAX_UCAST_VLAN = 16;
constexpr int XEL_VNIC_MAX_MCAST = 32;

struct xel_vnic_txq_attr_t {
    uint8_t txq_id;
    uint8_t hw_id;
    uint16_t msix_vector;
    uint16_t priority;
    uint16_t depth;
};
static_assert(sizeof(xel_vnic_txq_attr_t) == 8);

struct xel_vnic_txf_attr_t {
    uint8_t host_id;
    uint8_t hw_id;
    uint16_t qset_id;
    uint32_t num_txq;
    xel_vnic_txq_attr_t txq[XEL_VNIC_MAX_TXQ];
};
static_assert(sizeof(xel_vnic_txf_attr_t) == 72);

struct xel_vnic_rxq_attr_t {
    uint8_t rxq_id;
    uint8_t hw_id;
    uint16_t buf_size;
    uint16_t depth;
    uint16_t rsvd;
};
static_assert(sizeof(xel_vnic_rxq_attr_t) == 8);

struct xel_vnic_rxp_attr_t {
    uint8_t cq_id;
    uint8_t hw_cq_id;
    uint16_t num_rxq;
    uint32_t rsvd;
    xel_vnic_rxq_attr_t rxq[XEL_VNIC_MAX_RXQ];
};
static_assert(sizeof(xel_vnic_rxp_attr_t) == 24);

struct xel_vnic_mac_vlan_t {
    mac_t mac;
    uint16_t vlan;
};
static_assert(sizeof(xel_vnic_mac_vlan_t) == 8);

struct xel_vnic_rxf_attr_t {
    uint8_t host_id;
    uint8_t hw_id;
    uint16_t num_ucast;
    uint16_t num_ucast_vlan;
    uint16_t num_mcast;
    uint8_t promisc;
    uint8_t is_default;
    uint8_t vlan_filter;
    uint8_t rss;
    uint32_t num_rxp;
    mac_t ucast[XEL_VNIC_MAX_UCAST];
    xel_vnic_mac_vlan_t ucast_vlan[XEL_VNIC_MAX_UCAST_VLAN];
    mac_t mcast[XEL_VNIC_MAX_MCAST];
    xel_vnic_rxp_attr_t rxp[XEL_VNIC_MAX_RXP];
};
static_assert(sizeof(xel_vnic_rxf_attr_t) == 816);
static_assert(offsetof(xel_vnic_rxf_attr_t, num_rxp) == 12 && offsetof(xel_vnic_rxf_attr_t, ucast) == 16);
static_assert(offsetof(xel_vnic_rxf_attr_t, ucast_vlan) == 112 && offsetof(xel_vnic_rxf_attr_t, mcast) == 240);
static_assert(offsetof(xel_vnic_rxf_attr_t, rxp) == 432);

struct xel_vnic_attr_t {
    uint32_t mtu;
    uint8_t iscsi_prio;
    uint8_t default_nw_prio;
    uint8_t tx_ipv4_cso;
    uint8_t tx_tcp_cso;
    uint8_t tx_udp_cso;
    uint8_t lso;
    uint8_t rx_ipv4_cso;
    uint8_t rx_tcp_cso;
    uint8_t rx_udp_cso;
    uint8_t rsvd[3];
    uint32_t num_txf;
    uint32_t num_rxf;
    xel_vnic_txf_attr_t txf[XEL_VNIC_MAX_TXF];
    xel_vnic_rxf_attr_t rxf[XEL_VNIC_MAX_RXF];
    uint8_t rsvd_end[25400];
};
static_assert(sizeof(xel_vnic_attr_t) == 39056);
static_assert(offsetof(xel_vnic_attr_t, num_txf) == 16 && offsetof(xel_vnic_attr_t, txf) == 24);
static_assert(offsetof(xel_vnic_attr_t, rxf) == 600 && offsetof(xel_vnic_attr_t, rsvd_end) == 13656);

constexpr uint32_t XEL_VNIC_ATTR_SIZE = sizeof(xel_vnic_attr_t);
constexpr int XEL_VNIC_ATTR_XFER = sizeof(xel_ioctl_vnic_buf_t) + XEL_VNIC_ATTR_SIZE;
static_assert(XEL_VNIC_ATTR_XFER == 39080);
constexpr uint32_t XEL_VNIC_STATS_SIZE = 78320;
constexpr int XEL_VNIC_STATS_XFER = sizeof(xel_ioctl_vnic_buf_t) + XEL_VNIC_STATS_SIZE;
static_assert(XEL_VNIC_STATS_XFER == 78344);

// ---- QoS --------------------------------------------------------------------

struct xel_qos_vc_info_t {
    uint8_t vc_credit;
    uint8_t borrow_credit;
    uint8_t priority;
    uint8_t resvd;
};
static_assert(sizeof(xel_qos_vc_info_t) == 4);

constexpr int XEL_QOS_MAX_VC = 16;

struct xel_qos_vc_attr_s {
    uint16_t total_vc_count;
    uint16_t shared_credit;
    uint32_t elp_opmode_flags;
    xel_qos_vc_info_t vc_info[XEL_QOS_MAX_VC];
};
static_assert(sizeof(xel_qos_vc_attr_s) == 72);
static_assert(offsetof(xel_qos_vc_attr_s, vc_info) == 8);

struct xel_ioctl_qos_vc_attr_t {
    int32_t status;
    uint16_t xeld_num;
    uint16_t rsvd;
    xel_qos_vc_attr_s attr;
};
static_assert(sizeof(xel_ioctl_qos_vc_attr_t) == xel_cmd_size(XEL_CMD_QOS_GET_VC_ATTR));

struct xel_ioctl_qos_bw_t {
    int32_t status;
    uint16_t xeld_num;
    uint16_t rsvd;
    uint8_t qos_bw_set;
    uint8_t high;
    uint8_t med;
    uint8_t low;
};
static_assert(sizeof(xel_ioctl_qos_bw_t) == xel_cmd_size(XEL_CMD_QOS_SET_BW));

struct xel_ioctl_trl_speed_t {
    int32_t status;
    uint16_t xeld_num;
    uint16_t rsvd;
    uint32_t speed; // xel_port_speed
};
static_assert(sizeof(xel_ioctl_trl_speed_t) == xel_cmd_size(XEL_CMD_RATELIM_SET_SPEED));
