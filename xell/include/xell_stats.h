// Statistics descriptors: one constant table per statistics record, one row
// per counter or nested record, and the printer that walks them. The tables
// hold every counter label users see.
#pragma once

#include <cstddef>
#include <cstdint>

enum xell_field_type : uint32_t {
    XELL_UINT16 = 0,
    XELL_UINT32 = 1,
    XELL_UINT64 = 2,
    XELL_STRUCT = 3,
    XELL_UNION = 4,
};

struct xell_stats_t;

// One row. For a counter, desc is the printed label; for a nested record it
// is the member name (never printed) and xell_stats is that record's table.
// offset counts from the start of the record the owning table describes;
// id is a counter id unique within the library (0 for nested rows).
struct xell_stats_desc_t {
    xell_field_type parent_type; // XELL_STRUCT, or XELL_UNION in a union's table
    xell_field_type type;
    char desc[64];
    std::size_t offset;
    int id;
    const xell_stats_t *xell_stats;
};

struct xell_stats_t {
    int count;
    char struct_name[64]; // the record's type name; union members are chosen by it
    const xell_stats_desc_t *desc;
};

// Prints every counter reachable from stats as "\t<label> : <value>\n",
// reading record + base + row offset. With a member name, only those union
// members whose record name contains it are printed; without one, every
// member of a union is printed, each from the union's start. Nothing is
// printed without a table or a record.
void xell_print_stats(const xell_stats_t *stats, const void *record, std::size_t base, const char *member);

extern const xell_stats_t xell_xel_fw_ioc_stats;
extern const xell_stats_t xell_xel_ioc_drv_stats;
extern const xell_stats_t xell_xel_ioc_stats;
extern const xell_stats_t xell_xel_port_fc_stats;
extern const xell_stats_t xell_xel_port_eth_stats;
extern const xell_stats_t xell_xel_port_stats;
extern const xell_stats_t xell_xel_cee_stats;
extern const xell_stats_t xell_kwod_ethport_stats;
extern const xell_stats_t xell_kwo_stats_txf;
extern const xell_stats_t xell_kwo_stats_rxf;
extern const xell_stats_t xell_kwo_stats_fc_tx;
extern const xell_stats_t xell_kwo_stats_fc_rx;
extern const xell_stats_t xell_cna_stats_rad;
extern const xell_stats_t xell_cna_stats_bpc_tx;
extern const xell_stats_t xell_cna_stats_bpc_rx;
extern const xell_stats_t xell_cna_stats_mac_tx;
extern const xell_stats_t xell_cna_stats_mac_rx;
extern const xell_stats_t xell_kwo_stats;
extern const xell_stats_t xell_xel_ethport_stats;
extern const xell_stats_t xell_xel_vf_stats;
extern const xell_stats_t xell_auth_proto_stats;
extern const xell_stats_t xell_xel_auth_stats;
extern const xell_stats_t xell_xel_lport_stats;
extern const xell_stats_t xell_xel_vport_stats;
extern const xell_stats_t xell_xel_rport_hal_stats;
extern const xell_stats_t xell_xel_rport_stats;
extern const xell_stats_t xell_xel_rport_remote_link_stats;
extern const xell_stats_t xell_xel_itnim_stats;
extern const xell_stats_t xell_xel_iprp_stats;
extern const xell_stats_t xell_xel_ipfc_stats;
extern const xell_stats_t xell_xel_fw_ioim_stats;
extern const xell_stats_t xell_xel_fw_tio_stats;
extern const xell_stats_t xell_xel_fw_io_stats;
extern const xell_stats_t xell_xel_fw_port_fpg_stats;
extern const xell_stats_t xell_xel_fw_lpsm_stats;
extern const xell_stats_t xell_xel_fw_port_lksm_stats;
extern const xell_stats_t xell_xel_fw_port_snsm_stats;
extern const xell_stats_t xell_xel_fw_port_physm_stats;
extern const xell_stats_t xell_xel_fw_fip_stats;
extern const xell_stats_t xell_xel_fw_lps_stats;
extern const xell_stats_t xell_xel_fw_fcoe_stats;
extern const xell_stats_t xell_xel_fw_fcoe_port_stats;
extern const xell_stats_t xell_xel_fw_fc_uport_stats;
extern const xell_stats_t xell_xel_fw_fc_port_stats;
extern const xell_stats_t xell_xel_fw_port_stats;
extern const xell_stats_t xell_xel_fw_fcxchg_stats;
extern const xell_stats_t xell_xel_fw_trunk_stats;
extern const xell_stats_t xell_xel_fw_advsm_stats;
extern const xell_stats_t xell_xel_fw_iocfc_stats;
extern const xell_stats_t xell_xel_fw_eth_sndrcv_stats;
extern const xell_stats_t xell_xel_fw_mac_mod_stats;
extern const xell_stats_t xell_xel_fw_qe_mod_stats;
extern const xell_stats_t xell_xel_fw_stats;
extern const xell_stats_t xell_xel_qos_stats;
extern const xell_stats_t xell_xel_fcoe_stats;
extern const xell_stats_t xell_xel_fcport_stats;
extern const xell_stats_t xell_xel_fcpim_del_itn_stats;
extern const xell_stats_t xell_xel_itnim_iostats;
extern const xell_stats_t xell_xel_phy_stats;
extern const xell_stats_t xell_xel_vnic_stats_bpc;
extern const xell_stats_t xell_xel_vnic_stats_rad;
extern const xell_stats_t xell_xel_vnic_stats_txq;
extern const xell_stats_t xell_xel_vnic_stats_txf;
extern const xell_stats_t xell_xel_vnic_stats_rxq;
extern const xell_stats_t xell_xel_vnic_stats_rxp;
extern const xell_stats_t xell_xel_vnic_stats_rxf;
extern const xell_stats_t xell_xel_vnic_stats;

