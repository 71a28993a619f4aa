// Usage printers and command handlers of every command class, one source
// file per class (ixo<class>.cpp). A handler the table names is declared
// here once it exists.
#pragma once

#include "ixo_id.h"

void ixo_adapter_usage(bool bhelp);
void ixo_auth_usage(bool bhelp);
void ixo_bios_usage(bool bhelp);
void ixo_boot_usage(bool bhelp);
void ixo_bootdup_usage(bool bhelp);
void ixo_dcb_usage(bool bhelp);
void ixo_debug_usage(bool bhelp);
void ixo_diag_usage(bool bhelp);
void ixo_ethboot_usage(bool bhelp);
void ixo_vf_usage(bool bhelp);
void ixo_fcoe_usage(bool bhelp);
void ixo_fcdiag_usage(bool bhelp);
void ixo_fcpim_usage(bool bhelp);
void ixo_flash_usage(bool bhelp);
void ixo_fruvpd_usage(bool bhelp);
void ixo_ipfc_usage(bool bhelp);
void ixo_lport_usage(bool bhelp);
void ixo_log_usage(bool bhelp);
void ixo_mfg_usage(bool bhelp);
void ixo_pcifn_usage(bool bhelp);
void ixo_phy_usage(bool bhelp);
void ixo_port_usage(bool bhelp);
void ixo_qos_usage(bool bhelp);
void ixo_ratelim_usage(bool bhelp);
void ixo_rport_usage(bool bhelp);
void ixo_trunk_usage(bool bhelp);
void ixo_vhba_usage(bool bhelp);
void ixo_vnic_usage(bool bhelp);
void ixo_vport_usage(bool bhelp);

// Adapter class (ixoadapter*.cpp); ixo_adapter_cfg_nwpart has no row.
int ixo_adapter_autostart(char **argv, int argc, ixo_id_t *id);
int ixo_adapter_cfg_nwpart(char **argv, int argc, ixo_id_t *id);
int ixo_adapter_count(char **argv, int argc, ixo_id_t *id);
int ixo_adapter_disable(char **argv, int argc, ixo_id_t *id);
int ixo_adapter_enable(char **argv, int argc, ixo_id_t *id);
int ixo_adapter_list(char **argv, int argc, ixo_id_t *id);
int ixo_adapter_mode(char **argv, int argc, ixo_id_t *id);
int ixo_adapter_name(char **argv, int argc, ixo_id_t *id);
int ixo_adapter_query(char **argv, int argc, ixo_id_t *id);
// Product data classes (ixofruvpd.cpp, ixomfg.cpp).
int ixo_fruvpd_read(char **argv, int argc, ixo_id_t *id);
int ixo_fruvpd_update(char **argv, int argc, ixo_id_t *id);
int ixo_mfg_update(char **argv, int argc, ixo_id_t *id);

// Boot settings classes (ixobios.cpp, ixoethboot.cpp).
int ixo_bios_disable(char **argv, int argc, ixo_id_t *id);
int ixo_bios_enable(char **argv, int argc, ixo_id_t *id);
int ixo_bios_query(char **argv, int argc, ixo_id_t *id);
int ixo_ethboot_disable(char **argv, int argc, ixo_id_t *id);
int ixo_ethboot_enable(char **argv, int argc, ixo_id_t *id);
int ixo_ethboot_query(char **argv, int argc, ixo_id_t *id);
int ixo_ethboot_vlan(char **argv, int argc, ixo_id_t *id);

// Debug class (ixodebug.cpp).
int ixo_diag_membase(char **argv, int argc, ixo_id_t *id);
int ixo_diag_memread(char **argv, int argc, ixo_id_t *id);
int ixo_diag_readregister(char **argv, int argc, ixo_id_t *id);
int ixo_diag_writeregister(char **argv, int argc, ixo_id_t *id);
int ixo_driver_controltrace_start(char **argv, int argc, ixo_id_t *id);
int ixo_driver_controltrace_stop(char **argv, int argc, ixo_id_t *id);
int ixo_driver_dumpstate(char **argv, int argc, ixo_id_t *id);
int ixo_driver_dumptrace(char **argv, int argc, ixo_id_t *id);
int ixo_fw_controltrace_start(char **argv, int argc, ixo_id_t *id);
int ixo_fw_controltrace_stop(char **argv, int argc, ixo_id_t *id);
int ixo_fw_dumpcore(char **argv, int argc, ixo_id_t *id);
int ixo_fw_dumpstate(char **argv, int argc, ixo_id_t *id);
int ixo_fw_dumptrace(char **argv, int argc, ixo_id_t *id);
int ixo_fw_state_clear(char **argv, int argc, ixo_id_t *id);
int ixo_imdriver_dumptrace(char **argv, int argc, ixo_id_t *id);
int ixo_portlog(char **argv, int argc, ixo_id_t *id);
int ixo_portlogclr(char **argv, int argc, ixo_id_t *id);
int ixo_portlogctl(char **argv, int argc, ixo_id_t *id);
int ixo_driver_dump_registers(char **argv, int argc, ixo_id_t *id);

// Port class (ixoport*.cpp): argv is the whole vector, id the resolved target.
int ixo_port_alpaclr(char **argv, int argc, ixo_id_t *id);
int ixo_port_alpaset(char **argv, int argc, ixo_id_t *id);
int ixo_port_bbsc_disable(char **argv, int argc, ixo_id_t *id);
int ixo_port_bbsc_enable(char **argv, int argc, ixo_id_t *id);
int ixo_port_bbsc_query(char **argv, int argc, ixo_id_t *id);
int ixo_port_bfs_list(char **argv, int argc, ixo_id_t *id);
int ixo_port_cfg_mode(char **argv, int argc, ixo_id_t *id);
int ixo_port_disable(char **argv, int argc, ixo_id_t *id);
int ixo_port_enable(char **argv, int argc, ixo_id_t *id);
int ixo_port_faa_query(char **argv, int argc, ixo_id_t *id);
int ixo_port_fw_statistics(char **argv, int argc, ixo_id_t *id);
int ixo_port_fw_statsclr(char **argv, int argc, ixo_id_t *id);
int ixo_port_get_events(char **argv, int argc, ixo_id_t *id);
int ixo_port_list(char **argv, int argc, ixo_id_t *id);
int ixo_port_name(char **argv, int argc, ixo_id_t *id);
int ixo_port_pcifn_ethlist(char **argv, int argc, ixo_id_t *id);
int ixo_port_pcifn_fclist(char **argv, int argc, ixo_id_t *id);
int ixo_port_pcifn_list(char **argv, int argc, ixo_id_t *id);
int ixo_port_query(char **argv, int argc, ixo_id_t *id);
int ixo_port_rfsize(char **argv, int argc, ixo_id_t *id);
int ixo_port_speed(char **argv, int argc, ixo_id_t *id);
int ixo_port_statistics(char **argv, int argc, ixo_id_t *id);
int ixo_port_statsclr(char **argv, int argc, ixo_id_t *id);
int ixo_port_topology(char **argv, int argc, ixo_id_t *id);

// Diag class (ixodiag*.cpp).
int ixo_diag_beacon(char **argv, int argc, ixo_id_t *id);
int ixo_diag_dport_disable(char **argv, int argc, ixo_id_t *id);
int ixo_diag_dport_enable(char **argv, int argc, ixo_id_t *id);
int ixo_diag_ethloopback(char **argv, int argc, ixo_id_t *id);
int ixo_diag_led_test(char **argv, int argc, ixo_id_t *id);
int ixo_diag_loopback(char **argv, int argc, ixo_id_t *id);
int ixo_diag_memtest(char **argv, int argc, ixo_id_t *id);
int ixo_diag_pciloopback(char **argv, int argc, ixo_id_t *id);
int ixo_diag_queuetest(char **argv, int argc, ixo_id_t *id);
int ixo_diag_sfpshow(char **argv, int argc, ixo_id_t *id);
int ixo_diag_showtemp(char **argv, int argc, ixo_id_t *id);

// Flash class (ixoflash.cpp).
int ixo_flash_disable_optrom_hdlr(char **argv, int argc, ixo_id_t *id);
int ixo_flash_dumpasicblk_hdlr(char **argv, int argc, ixo_id_t *id);
int ixo_flash_enable_optrom_hdlr(char **argv, int argc, ixo_id_t *id);
int ixo_flash_erase_hdlr(char **argv, int argc, ixo_id_t *id);
int ixo_flash_query_hdlr(char **argv, int argc, ixo_id_t *id);
int ixo_flash_read_hdlr(char **argv, int argc, ixo_id_t *id);
int ixo_flash_update_hdlr(char **argv, int argc, ixo_id_t *id);
// Writes <file>.hex beside a file: its 16-bit little-endian words, eight
// to a line after the line's byte offset.
xel_status_t ixo_flash_hex_dump(const char *file);

// Boot class (ixoboot.cpp).
int ixo_boot_update(char **argv, int argc, ixo_id_t *id);
int ixo_boot_zone(char **argv, int argc, ixo_id_t *id);

// Boot duplication class (ixobootdup.cpp).
int ixo_bootdup_query(char **argv, int argc, ixo_id_t *id);
int ixo_bootdup_read(char **argv, int argc, ixo_id_t *id);
int ixo_bootdup_swquery(char **argv, int argc, ixo_id_t *id);
int ixo_bootdup_update(char **argv, int argc, ixo_id_t *id);

// Converged Ethernet: dcb (ixodcb.cpp), fcoe (ixofcoe.cpp), phy (ixophy.cpp)
// and IP over FC (ixoipfc.cpp).
int ixo_dcb_query(char **argv, int argc, ixo_id_t *id);
int ixo_dcb_get_stats(char **argv, int argc, ixo_id_t *id);
int ixo_dcb_clear_stats(char **argv, int argc, ixo_id_t *id);
int ixo_fcoe_enable_hdlr(char **argv, int argc, ixo_id_t *id);
int ixo_fcoe_disable_hdlr(char **argv, int argc, ixo_id_t *id);
int ixo_fcoe_stats_hdlr(char **argv, int argc, ixo_id_t *id);
int ixo_fcoe_statsclr_hdlr(char **argv, int argc, ixo_id_t *id);
int ixo_phy_query(char **argv, int argc, ixo_id_t *id);
int ixo_phy_read_fw(char **argv, int argc, ixo_id_t *id);
int ixo_phy_stats(char **argv, int argc, ixo_id_t *id);
int ixo_phy_update_fw(char **argv, int argc, ixo_id_t *id);
int ixo_ipfc_enable_hdlr(char **argv, int argc, ixo_id_t *id);
int ixo_ipfc_disable_hdlr(char **argv, int argc, ixo_id_t *id);
int ixo_ipfc_query_hdlr(char **argv, int argc, ixo_id_t *id);
int ixo_ipfc_stats_hdlr(char **argv, int argc, ixo_id_t *id);
int ixo_ipfc_statsclr_hdlr(char **argv, int argc, ixo_id_t *id);

// Authentication (ixoauth.cpp) and log levels (ixolog.cpp).
int ixo_auth_show(char **argv, int argc, ixo_id_t *id);
int ixo_auth_setpolicy(char **argv, int argc, ixo_id_t *id);
int ixo_auth_setalgo(char **argv, int argc, ixo_id_t *id);
int ixo_auth_setsecretstring(char **argv, int argc, ixo_id_t *id);
int ixo_auth_setencryptstring(char **argv, int argc, ixo_id_t *id);
int ixo_auth_stats(char **argv, int argc, ixo_id_t *id);
int ixo_auth_statsclr(char **argv, int argc, ixo_id_t *id);
int ixo_log_level(char **argv, int argc, ixo_id_t *id);
// Trunk, QoS and rate-limit classes (ixotrunk.cpp, ixoqos.cpp, ixoratelim.cpp).
int ixo_trunk_enable(char **argv, int argc, ixo_id_t *id);
int ixo_trunk_disable(char **argv, int argc, ixo_id_t *id);
int ixo_trunk_query(char **argv, int argc, ixo_id_t *id);
int ixo_qos_enable(char **argv, int argc, ixo_id_t *id);
int ixo_qos_disable(char **argv, int argc, ixo_id_t *id);
int ixo_qos_query(char **argv, int argc, ixo_id_t *id);
int ixo_qos_setbw(char **argv, int argc, ixo_id_t *id);
int ixo_qos_stats(char **argv, int argc, ixo_id_t *id);
int ixo_qos_statsclr(char **argv, int argc, ixo_id_t *id);
int ixo_ratelim_enable(char **argv, int argc, ixo_id_t *id);
int ixo_ratelim_disable(char **argv, int argc, ixo_id_t *id);
int ixo_ratelim_query(char **argv, int argc, ixo_id_t *id);
int ixo_ratelim_defspeed(char **argv, int argc, ixo_id_t *id);

// PCI function, vHBA and vNIC classes (ixopcifn.cpp, ixovhba.cpp, ixovnic*.cpp).
int ixo_pcifn_list(char **argv, int argc, ixo_id_t *id);
int ixo_vhba_create_hdlr(char **argv, int argc, ixo_id_t *id);
int ixo_vhba_delete_hdlr(char **argv, int argc, ixo_id_t *id);
int ixo_vhba_bw_hdlr(char **argv, int argc, ixo_id_t *id);
int ixo_vhba_enable_hdlr(char **argv, int argc, ixo_id_t *id);
int ixo_vhba_disable_hdlr(char **argv, int argc, ixo_id_t *id);
int ixo_vhba_intr_hdlr(char **argv, int argc, ixo_id_t *id);
int ixo_vhba_query_hdlr(char **argv, int argc, ixo_id_t *id);
int ixo_vhba_stats_hdlr(char **argv, int argc, ixo_id_t *id);
int ixo_vhba_statsclr_hdlr(char **argv, int argc, ixo_id_t *id);
int ixo_vnic_create_hdlr(char **argv, int argc, ixo_id_t *id);
int ixo_vnic_delete_hdlr(char **argv, int argc, ixo_id_t *id);
int ixo_vnic_bw_hdlr(char **argv, int argc, ixo_id_t *id);
int ixo_vnic_enable_hdlr(char **argv, int argc, ixo_id_t *id);
int ixo_vnic_disable_hdlr(char **argv, int argc, ixo_id_t *id);
int ixo_vnic_query_hdlr(char **argv, int argc, ixo_id_t *id);
int ixo_vnic_stats_hdlr(char **argv, int argc, ixo_id_t *id);
int ixo_vnic_statsclr_hdlr(char **argv, int argc, ixo_id_t *id);

// The port performance monitor (ixoport_perf.cpp).
int ixo_port_perf(char **argv, int argc, ixo_id_t *id);
// Fabric, lport and rport classes (ixofabric.cpp, ixolport.cpp, ixorport.cpp).
int ixo_vf_stats_hdlr(char **argv, int argc, ixo_id_t *id);
int ixo_vf_statsclr_hdlr(char **argv, int argc, ixo_id_t *id);
int ixo_lport_bfs_list(char **argv, int argc, ixo_id_t *id);
int ixo_lport_list(char **argv, int argc, ixo_id_t *id);
int ixo_lport_query(char **argv, int argc, ixo_id_t *id);
int ixo_lport_statistics(char **argv, int argc, ixo_id_t *id);
int ixo_lport_statsclr(char **argv, int argc, ixo_id_t *id);
int ixo_vport_create_hdlr(char **argv, int argc, ixo_id_t *id);
int ixo_vport_delete_hdlr(char **argv, int argc, ixo_id_t *id);
int ixo_vport_query_hdlr(char **argv, int argc, ixo_id_t *id);
int ixo_vport_stats_hdlr(char **argv, int argc, ixo_id_t *id);
int ixo_vport_statsclr_hdlr(char **argv, int argc, ixo_id_t *id);
int ixo_rport_bfs_list_hdlr(char **argv, int argc, ixo_id_t *id);
int ixo_rport_list_hdlr(char **argv, int argc, ixo_id_t *id);
int ixo_rport_query_hdlr(char **argv, int argc, ixo_id_t *id);
int ixo_rport_speed_hdlr(char **argv, int argc, ixo_id_t *id);
int ixo_rport_stats_hdlr(char **argv, int argc, ixo_id_t *id);
int ixo_rport_statsclr_hdlr(char **argv, int argc, ixo_id_t *id);
// The fcdiag class (ixofcdiag.cpp, ixofcdiag_scsitest.cpp).
int ixo_fcdiag_echo_hdlr(char **argv, int argc, ixo_id_t *id);
int ixo_fcdiag_ping_hdlr(char **argv, int argc, ixo_id_t *id);
int ixo_fcdiag_trcrt_hdlr(char **argv, int argc, ixo_id_t *id);
int ixo_fcdiag_bcn_swport_hdlr(char **argv, int argc, ixo_id_t *id);
int ixo_fcdiag_scsitest_hdlr(char **argv, int argc, ixo_id_t *id);
// FCP initiator class (ixofcpim*.cpp).
int ixo_fcpim_ioperf_hdlr(char **argv, int argc, ixo_id_t *id);
int ixo_fcpim_lm_add_hdlr(char **argv, int argc, ixo_id_t *id);
int ixo_fcpim_lm_clear_hdlr(char **argv, int argc, ixo_id_t *id);
int ixo_fcpim_lm_del_hdlr(char **argv, int argc, ixo_id_t *id);
int ixo_fcpim_lm_dis_hdlr(char **argv, int argc, ixo_id_t *id);
int ixo_fcpim_lm_en_hdlr(char **argv, int argc, ixo_id_t *id);
int ixo_fcpim_lm_query_hdlr(char **argv, int argc, ixo_id_t *id);
int ixo_fcpim_lunlist_hdlr(char **argv, int argc, ixo_id_t *id);
int ixo_fcpim_pathtov_hdlr(char **argv, int argc, ixo_id_t *id);
int ixo_fcpim_prof_off_hdlr(char **argv, int argc, ixo_id_t *id);
int ixo_fcpim_prof_on_hdlr(char **argv, int argc, ixo_id_t *id);
int ixo_fcpim_query_hdlr(char **argv, int argc, ixo_id_t *id);
int ixo_fcpim_stats_hdlr(char **argv, int argc, ixo_id_t *id);
int ixo_fcpim_statsclr_hdlr(char **argv, int argc, ixo_id_t *id);
int ixo_fcpim_throttle_clear_hdlr(char **argv, int argc, ixo_id_t *id);
int ixo_fcpim_throttle_query_hdlr(char **argv, int argc, ixo_id_t *id);
int ixo_fcpim_throttle_set_hdlr(char **argv, int argc, ixo_id_t *id);
