#include "ixotable.h"

#include "ixo_commands.h"

#include <iterator>

// Rows are in alphabetical order of the command word. A command whose
// handler is null answers "not supported"; the comment names the handler
// that will run it.
namespace {

const ixo_cmd_desc_t ixo_adapter_cmd_desc[] = {
    {"--autostart", 2, 2, ADAPTER_ID, PATH_ANY, ixo_adapter_autostart},
    {"--count", 0, 0, ADAPTER_ID, PATH_ANY, ixo_adapter_count},
    {"--disable", 1, 1, ADAPTER_ID, PATH_ANY, ixo_adapter_disable},
    {"--enable", 1, 1, ADAPTER_ID, PATH_ANY, ixo_adapter_enable},
    {"--list", 0, 0, ID_NONE, PATH_ANY, ixo_adapter_list},
    {"--mode", 2, 3, ADAPTER_ID, PATH_ANY, ixo_adapter_mode},
    {"--name", 1, 2, ADAPTER_ID, PATH_ANY, ixo_adapter_name},
    {"--query", 1, 2, ADAPTER_ID, PATH_ANY, ixo_adapter_query},
};
static_assert(std::size(ixo_adapter_cmd_desc) == 8);

const ixo_cmd_desc_t ixo_auth_cmd_desc[] = {
    {"--algo", 2, 2, PCIFN_ID, PATH_FC, ixo_auth_setalgo},
    {"--encrypt", 2, 2, PCIFN_ID, PATH_FC, ixo_auth_setencryptstring},
    {"--policy", 2, 2, PCIFN_ID, PATH_FC, ixo_auth_setpolicy},
    {"--secret", 2, 2, PCIFN_ID, PATH_FC, ixo_auth_setsecretstring},
    {"--show", 1, 1, PCIFN_ID, PATH_FC, ixo_auth_show},
    {"--stats", 1, 1, PCIFN_ID, PATH_FC, ixo_auth_stats},
    {"--statsclr", 1, 1, PCIFN_ID, PATH_FC, ixo_auth_statsclr},
};
static_assert(std::size(ixo_auth_cmd_desc) == 7);

const ixo_cmd_desc_t ixo_bios_cmd_desc[] = {
    {"--disable", 1, 1, PORT_ID, PATH_FC, ixo_bios_disable},
    {"--enable", 1, 19, PORT_ID, PATH_FC, ixo_bios_enable},
    {"--query", 1, 1, PORT_ID, PATH_FC, ixo_bios_query},
};
static_assert(std::size(ixo_bios_cmd_desc) == 3);

const ixo_cmd_desc_t ixo_boot_cmd_desc[] = {
    {"--blunZone", 8, 8, ID_NONE, PATH_ANY, ixo_boot_zone},
    {"--update", 2, 4, ID_NONE, PATH_ANY, ixo_boot_update},
};
static_assert(std::size(ixo_boot_cmd_desc) == 2);

const ixo_cmd_desc_t ixo_bootdup_cmd_desc[] = {
    {"--query", 1, 5, ID_NONE, PATH_ANY, ixo_bootdup_query},
    {"--read", 3, 3, ADAPTER_ID, PATH_ANY, ixo_bootdup_read},
    {"--swquery", 1, 5, ID_NONE, PATH_ANY, ixo_bootdup_swquery},
    {"--update", 3, 7, ID_NONE, PATH_ANY, ixo_bootdup_update},
};
static_assert(std::size(ixo_bootdup_cmd_desc) == 4);

const ixo_cmd_desc_t ixo_dcb_cmd_desc[] = {
    {"--query", 1, 1, PORT_ID, PATH_ANY_OPER, ixo_dcb_query},
    {"--stats", 1, 1, PORT_ID, PATH_ANY_OPER, ixo_dcb_get_stats},
    {"--statsclr", 1, 1, PORT_ID, PATH_ANY_OPER, ixo_dcb_clear_stats},
};
static_assert(std::size(ixo_dcb_cmd_desc) == 3);

const ixo_cmd_desc_t ixo_debug_cmd_desc[] = {
    {"--dsave", 2, 2, PCIFN_ID, PATH_ANY, ixo_driver_dumpstate},
    {"--dstart", 1, 1, PCIFN_ID, PATH_ANY, ixo_driver_controltrace_start},
    {"--dstop", 1, 1, PCIFN_ID, PATH_ANY, ixo_driver_controltrace_stop},
    {"--dtrc", 2, 2, PCIFN_ID, PATH_ANY, ixo_driver_dumptrace},
    {"--dump", 1, 1, PCIFN_ID, PATH_ANY, ixo_driver_dump_registers},
    {"--fcoresave", 2, 2, PCIFN_ID, PATH_ANY, ixo_fw_dumpcore},
    {"--fsave", 2, 2, PCIFN_ID, PATH_ANY, ixo_fw_dumpstate},
    {"--fsaveclr", 1, 1, PCIFN_ID, PATH_ANY, ixo_fw_state_clear},
    {"--fstart", 1, 1, PCIFN_ID, PATH_ANY, ixo_fw_controltrace_start},
    {"--fstop", 1, 1, PCIFN_ID, PATH_ANY, ixo_fw_controltrace_stop},
    {"--ftrc", 2, 2, PCIFN_ID, PATH_ANY, ixo_fw_dumptrace},
    {"--itrc", 1, 1, ID_NONE, PATH_ANY, ixo_imdriver_dumptrace},
    {"--membase", 1, 1, PCIFN_ID, PATH_ANY, ixo_diag_membase},
    {"--memread", 1, 3, PCIFN_ID, PATH_ANY, ixo_diag_memread},
    {"--portlog", 1, 1, PCIFN_ID, PATH_FC, ixo_portlog},
    {"--portlogclear", 1, 1, PCIFN_ID, PATH_FC, ixo_portlogclr},
    {"--portlogctl", 2, 2, PCIFN_ID, PATH_FC, ixo_portlogctl},
    {"--regread", 2, 4, PCIFN_ID, PATH_ANY, ixo_diag_readregister},
    {"--regwrite", 3, 4, PCIFN_ID, PATH_ANY, ixo_diag_writeregister},
};
static_assert(std::size(ixo_debug_cmd_desc) == 19);

const ixo_cmd_desc_t ixo_diag_cmd_desc[] = {
    {"--beacon", 2, 3, PORT_ID, PATH_ANY_OPER, ixo_diag_beacon},
    {"--dportdisable", 1, 1, PORT_ID, PATH_FC, ixo_diag_dport_disable},
    {"--dportenable", 1, 1, PORT_ID, PATH_FC, ixo_diag_dport_enable},
    {"--ethloopback", 1, 7, PORT_ID, PATH_ETH, ixo_diag_ethloopback},
    {"--ledtest", 3, 5, PORT_ID, PATH_ANY_OPER, ixo_diag_led_test},
    {"--loopback", 1, 9, PORT_ID, PATH_FC, ixo_diag_loopback},
    {"--memtest", 1, 1, ADAPTER_ID, PATH_ANY, ixo_diag_memtest},
    {"--pciloopback", 2, 4, PCIFN_ID, PATH_ANY_OPER, ixo_diag_pciloopback},
    {"--queuetest", 1, 3, PORT_ID, PATH_FC, ixo_diag_queuetest},
    {"--sfpshow", 1, 1, PORT_ID, PATH_ANY_OPER, ixo_diag_sfpshow},
    {"--tempshow", 1, 1, ADAPTER_ID, PATH_ANY, ixo_diag_showtemp},
};
static_assert(std::size(ixo_diag_cmd_desc) == 11);

const ixo_cmd_desc_t ixo_ethboot_cmd_desc[] = {
    {"--disable", 1, 1, PORT_ID, PATH_ETH, ixo_ethboot_disable},
    {"--enable", 1, 1, PORT_ID, PATH_ETH, ixo_ethboot_enable},
    {"--query", 1, 1, PORT_ID, PATH_ETH, ixo_ethboot_query},
    {"--vlan", 2, 2, PORT_ID, PATH_ETH, ixo_ethboot_vlan},
};
static_assert(std::size(ixo_ethboot_cmd_desc) == 4);

const ixo_cmd_desc_t ixo_vf_cmd_desc[] = {
    {"--stats", 1, 1, PORT_ID, PATH_FC, ixo_vf_stats_hdlr},
    {"--statsclr", 1, 1, PORT_ID, PATH_FC, ixo_vf_statsclr_hdlr},
};
static_assert(std::size(ixo_vf_cmd_desc) == 2);

const ixo_cmd_desc_t ixo_fcoe_cmd_desc[] = {
    {"--disable", 1, 1, PORT_ID, PATH_FC, ixo_fcoe_disable_hdlr},
    {"--enable", 1, 1, PORT_ID, PATH_FC, ixo_fcoe_enable_hdlr},
    {"--stats", 1, 1, PORT_ID, PATH_FC, ixo_fcoe_stats_hdlr},
    {"--statsclr", 1, 1, PORT_ID, PATH_FC, ixo_fcoe_statsclr_hdlr},
};
static_assert(std::size(ixo_fcoe_cmd_desc) == 4);

const ixo_cmd_desc_t ixo_fcdiag_cmd_desc[] = {
    {"--fcecho", 2, 4, PCIFN_ID, PATH_FC, ixo_fcdiag_echo_hdlr},
    {"--fcping", 2, 4, PCIFN_ID, PATH_FC, ixo_fcdiag_ping_hdlr},
    {"--fctraceroute", 2, 4, PCIFN_ID, PATH_FC, ixo_fcdiag_trcrt_hdlr},
    {"--linkbeacon", 2, 2, PORT_ID, PATH_FC, ixo_fcdiag_bcn_swport_hdlr},
    {"--scsitest", 2, 4, PCIFN_ID, PATH_FC, ixo_fcdiag_scsitest_hdlr},
};
static_assert(std::size(ixo_fcdiag_cmd_desc) == 5);

const ixo_cmd_desc_t ixo_fcpim_cmd_desc[] = {
    {"--ioperf", 1, 9, ID_NONE, PATH_FC, ixo_fcpim_ioperf_hdlr},
    {"--lunlist", 1, 5, PCIFN_ID, PATH_FC, ixo_fcpim_lunlist_hdlr},
    {"--lunmaskadd", 3, 5, PORT_ID, PATH_FC, ixo_fcpim_lm_add_hdlr},
    {"--lunmaskclear", 1, 1, PORT_ID, PATH_FC, ixo_fcpim_lm_clear_hdlr},
    {"--lunmaskdelete", 3, 5, PORT_ID, PATH_FC, ixo_fcpim_lm_del_hdlr},
    {"--lunmaskdisable", 1, 1, PORT_ID, PATH_FC, ixo_fcpim_lm_dis_hdlr},
    {"--lunmaskenable", 1, 1, PORT_ID, PATH_FC, ixo_fcpim_lm_en_hdlr},
    {"--lunmaskquery", 1, 5, PORT_ID, PATH_FC, ixo_fcpim_lm_query_hdlr},
    {"--pathtov", 2, 2, PCIFN_ID, PATH_FC, ixo_fcpim_pathtov_hdlr},
    {"--profile_off", 1, 1, PCIFN_ID, PATH_FC, ixo_fcpim_prof_off_hdlr},
    {"--profile_on", 1, 1, PCIFN_ID, PATH_FC, ixo_fcpim_prof_on_hdlr},
    {"--query", 2, 4, PCIFN_ID, PATH_FC, ixo_fcpim_query_hdlr},
    {"--stats", 2, 4, PCIFN_ID, PATH_FC, ixo_fcpim_stats_hdlr},
    {"--statsclr", 2, 4, PCIFN_ID, PATH_FC, ixo_fcpim_statsclr_hdlr},
    {"--throttleclear", 1, 1, PCIFN_ID, PATH_FC, ixo_fcpim_throttle_clear_hdlr},
    {"--throttlequery", 1, 1, PCIFN_ID, PATH_FC, ixo_fcpim_throttle_query_hdlr},
    {"--throttleset", 2, 2, PCIFN_ID, PATH_FC, ixo_fcpim_throttle_set_hdlr},
};
static_assert(std::size(ixo_fcpim_cmd_desc) == 17);

const ixo_cmd_desc_t ixo_flash_cmd_desc[] = {
    {"--doptrom", 1, 1, ADAPTER_ID, PATH_ANY, ixo_flash_disable_optrom_hdlr},
    {"--dumpasicblk", 2, 2, ADAPTER_ID, PATH_ANY, ixo_flash_dumpasicblk_hdlr},
    {"--eoptrom", 1, 1, ADAPTER_ID, PATH_ANY, ixo_flash_enable_optrom_hdlr},
    {"--erase", 2, 8, ADAPTER_ID, PATH_ANY, ixo_flash_erase_hdlr},
    {"--query", 1, 1, ADAPTER_ID, PATH_ANY, ixo_flash_query_hdlr},
    {"--read", 3, 15, ADAPTER_ID, PATH_ANY, ixo_flash_read_hdlr},
    {"--update", 3, 13, ADAPTER_ID, PATH_ANY, ixo_flash_update_hdlr},
};
static_assert(std::size(ixo_flash_cmd_desc) == 7);

const ixo_cmd_desc_t ixo_fruvpd_cmd_desc[] = {
    {"--read", 2, 2, ADAPTER_ID, PATH_ANY, ixo_fruvpd_read},
    {"--update", 2, 2, ADAPTER_ID, PATH_ANY, ixo_fruvpd_update},
};
static_assert(std::size(ixo_fruvpd_cmd_desc) == 2);

const ixo_cmd_desc_t ixo_ipfc_cmd_desc[] = {
    {"--disable", 1, 1, PCIFN_ID, PATH_FC, ixo_ipfc_disable_hdlr},
    {"--enable", 1, 1, PCIFN_ID, PATH_FC, ixo_ipfc_enable_hdlr},
    {"--query", 1, 1, PCIFN_ID, PATH_FC, ixo_ipfc_query_hdlr},
    {"--stats", 1, 1, PCIFN_ID, PATH_FC, ixo_ipfc_stats_hdlr},
    {"--statsclr", 1, 1, PCIFN_ID, PATH_FC, ixo_ipfc_statsclr_hdlr},
};
static_assert(std::size(ixo_ipfc_cmd_desc) == 5);

const ixo_cmd_desc_t ixo_lport_cmd_desc[] = {
    {"--bfs_list", 1, 1, PCIFN_ID, PATH_FC, ixo_lport_bfs_list},
    {"--list", 1, 1, PCIFN_ID, PATH_FC, ixo_lport_list},
    {"--query", 1, 3, PCIFN_ID, PATH_FC, ixo_lport_query},
    {"--stats", 1, 3, PCIFN_ID, PATH_FC, ixo_lport_statistics},
    {"--statsclr", 1, 3, PCIFN_ID, PATH_FC, ixo_lport_statsclr},
};
static_assert(std::size(ixo_lport_cmd_desc) == 5);

const ixo_cmd_desc_t ixo_log_cmd_desc[] = {
    {"--level", 1, 4, PCIFN_ID, PATH_ANY, ixo_log_level},
};
static_assert(std::size(ixo_log_cmd_desc) == 1);

const ixo_cmd_desc_t ixo_mfg_cmd_desc[] = {
    {"--update", 7, 12, ADAPTER_ID, PATH_ANY, ixo_mfg_update},
};
static_assert(std::size(ixo_mfg_cmd_desc) == 1);

const ixo_cmd_desc_t ixo_pcifn_cmd_desc[] = {
    {"--list", 1, 1, ADAPTER_ID, PATH_ANY, ixo_pcifn_list},
};
static_assert(std::size(ixo_pcifn_cmd_desc) == 1);

const ixo_cmd_desc_t ixo_phy_cmd_desc[] = {
    {"--query", 1, 1, PORT_ID, PATH_ANY_OPER, ixo_phy_query},
    {"--read", 2, 2, PORT_ID, PATH_ANY_OPER, ixo_phy_read_fw},
    {"--stats", 1, 1, PORT_ID, PATH_ANY_OPER, ixo_phy_stats},
    {"--update", 2, 2, ID_NONE, PATH_ANY_OPER, ixo_phy_update_fw},
};
static_assert(std::size(ixo_phy_cmd_desc) == 4);

const ixo_cmd_desc_t ixo_port_cmd_desc[] = {
    {"--alpaclr", 1, 1, PORT_ID, PATH_FC, ixo_port_alpaclr},
    {"--alpaset", 1, 2, PORT_ID, PATH_FC, ixo_port_alpaset},
    {"--bfs_list", 1, 1, ADAPTER_ID, PATH_ANY, ixo_port_bfs_list},
    {"--dfsize", 1, 2, PORT_ID, PATH_FC, ixo_port_rfsize},
    {"--disable", 1, 1, PORT_ID, PATH_ANY, ixo_port_disable},
    {"--enable", 1, 1, PORT_ID, PATH_ANY, ixo_port_enable},
    {"--events", 1, 1, ADAPTER_ID, PATH_ANY, ixo_port_get_events},
    {"--faa", 2, 2, PORT_ID, PATH_FC, ixo_port_faa_query},
    {"--fccr_disable", 1, 1, PORT_ID, PATH_FC, ixo_port_bbsc_disable},
    {"--fccr_enable", 1, 1, PORT_ID, PATH_FC, ixo_port_bbsc_enable},
    {"--fccr_query", 1, 1, PORT_ID, PATH_FC, ixo_port_bbsc_query},
    {"--fwstats", 1, 1, PORT_ID, PATH_ANY, ixo_port_fw_statistics},
    {"--fwstatsclr", 1, 1, PORT_ID, PATH_ANY, ixo_port_fw_statsclr},
    {"--list", 0, 1, ID_NONE, PATH_ANY, ixo_port_list},
    {"--mode", 2, 3, PORT_FIRST_IOC, PATH_ANY, ixo_port_cfg_mode},
    {"--name", 1, 2, PORT_ID, PATH_ANY, ixo_port_name},
    {"--pcifn_ethlist", 2, 2, ADAPTER_ID, PATH_ANY, ixo_port_pcifn_ethlist},
    {"--pcifn_fclist", 2, 2, ADAPTER_ID, PATH_ANY, ixo_port_pcifn_fclist},
    {"--pcifn_list", 2, 2, ADAPTER_ID, PATH_ANY, ixo_port_pcifn_list},
    {"--perf", 1, 5, ID_NONE, PATH_FC, ixo_port_perf},
    {"--query", 1, 1, PORT_ID, PATH_ANY, ixo_port_query},
    {"--speed", 1, 2, PORT_ID, PATH_FC, ixo_port_speed},
    {"--stats", 1, 1, PORT_ID, PATH_ANY_OPER, ixo_port_statistics},
    {"--statsclr", 1, 1, PORT_ID, PATH_ANY_OPER, ixo_port_statsclr},
    {"--topology", 1, 2, PORT_ID, PATH_FC, ixo_port_topology},
};
static_assert(std::size(ixo_port_cmd_desc) == 25);

const ixo_cmd_desc_t ixo_qos_cmd_desc[] = {
    {"--disable", 1, 1, PORT_ID, PATH_FC, ixo_qos_disable},
    {"--enable", 1, 1, PORT_ID, PATH_FC, ixo_qos_enable},
    {"--query", 1, 2, PORT_ID, PATH_FC, ixo_qos_query},
    {"--setbw", 7, 7, PORT_ID, PATH_FC, ixo_qos_setbw},
    {"--stats", 1, 1, PORT_ID, PATH_FC, ixo_qos_stats},
    {"--statsclr", 1, 1, PORT_ID, PATH_FC, ixo_qos_statsclr},
};
static_assert(std::size(ixo_qos_cmd_desc) == 6);

const ixo_cmd_desc_t ixo_ratelim_cmd_desc[] = {
    {"--defspeed", 1, 2, PORT_ID, PATH_FC, ixo_ratelim_defspeed},
    {"--disable", 1, 1, PORT_ID, PATH_FC, ixo_ratelim_disable},
    {"--enable", 1, 1, PORT_ID, PATH_FC, ixo_ratelim_enable},
    {"--query", 1, 1, PORT_ID, PATH_FC, ixo_ratelim_query},
};
static_assert(std::size(ixo_ratelim_cmd_desc) == 4);

const ixo_cmd_desc_t ixo_rport_cmd_desc[] = {
    {"--bfs_list", 1, 2, PCIFN_ID, PATH_FC, ixo_rport_bfs_list_hdlr},
    {"--list", 1, 3, PCIFN_ID, PATH_FC, ixo_rport_list_hdlr},
    {"--query", 2, 4, PCIFN_ID, PATH_FC, ixo_rport_query_hdlr},
    {"--speed", 3, 5, PCIFN_ID, PATH_FC, ixo_rport_speed_hdlr},
    {"--stats", 2, 4, PCIFN_ID, PATH_FC, ixo_rport_stats_hdlr},
    {"--statsclr", 2, 4, PCIFN_ID, PATH_FC, ixo_rport_statsclr_hdlr},
};
static_assert(std::size(ixo_rport_cmd_desc) == 6);

const ixo_cmd_desc_t ixo_trunk_cmd_desc[] = {
    {"--disable", 1, 1, ADAPTER_ID, PATH_FC, ixo_trunk_disable},
    {"--enable", 1, 1, ADAPTER_ID, PATH_FC, ixo_trunk_enable},
    {"--query", 1, 1, ADAPTER_ID, PATH_FC, ixo_trunk_query},
};
static_assert(std::size(ixo_trunk_cmd_desc) == 3);

const ixo_cmd_desc_t ixo_vhba_cmd_desc[] = {
    {"--bw", 2, 2, PCIFN_FIRST_IOC, PATH_FC, ixo_vhba_bw_hdlr},
    {"--create", 1, 3, PORT_FIRST_IOC, PATH_FC, ixo_vhba_create_hdlr},
    {"--delete", 1, 1, PCIFN_FIRST_IOC, PATH_FC, ixo_vhba_delete_hdlr},
    {"--disable", 1, 1, PCIFN_ID, PATH_FC, ixo_vhba_disable_hdlr},
    {"--enable", 1, 1, PCIFN_ID, PATH_FC, ixo_vhba_enable_hdlr},
    {"--intr", 3, 5, PCIFN_ID, PATH_FC, ixo_vhba_intr_hdlr},
    {"--query", 1, 1, PCIFN_ID, PATH_FC, ixo_vhba_query_hdlr},
    {"--stats", 1, 1, PCIFN_ID, PATH_FC, ixo_vhba_stats_hdlr},
    {"--statsclr", 1, 1, PCIFN_ID, PATH_FC, ixo_vhba_statsclr_hdlr},
};
static_assert(std::size(ixo_vhba_cmd_desc) == 9);

const ixo_cmd_desc_t ixo_vnic_cmd_desc[] = {
    {"--bw", 3, 5, PCIFN_FIRST_IOC, PATH_ETH, ixo_vnic_bw_hdlr},
    {"--create", 1, 5, PORT_FIRST_IOC, PATH_ETH, ixo_vnic_create_hdlr},
    {"--delete", 1, 1, PCIFN_FIRST_IOC, PATH_ETH, ixo_vnic_delete_hdlr},
    {"--disable", 1, 1, PCIFN_ID, PATH_ETH, ixo_vnic_disable_hdlr},
    {"--enable", 1, 1, PCIFN_ID, PATH_ETH, ixo_vnic_enable_hdlr},
    {"--query", 1, 1, PCIFN_ID, PATH_ETH, ixo_vnic_query_hdlr},
    {"--stats", 1, 1, PCIFN_ID, PATH_ETH, ixo_vnic_stats_hdlr},
    {"--statsclr", 1, 1, PCIFN_ID, PATH_ETH, ixo_vnic_statsclr_hdlr},
};
static_assert(std::size(ixo_vnic_cmd_desc) == 8);

const ixo_cmd_desc_t ixo_vport_cmd_desc[] = {
    {"--create", 2, 6, PCIFN_ID, PATH_FC, ixo_vport_create_hdlr},
    {"--delete", 2, 2, PCIFN_ID, PATH_FC, ixo_vport_delete_hdlr},
    {"--query", 2, 2, PCIFN_ID, PATH_FC, ixo_vport_query_hdlr},
    {"--stats", 2, 2, PCIFN_ID, PATH_FC, ixo_vport_stats_hdlr},
    {"--statsclr", 2, 2, PCIFN_ID, PATH_FC, ixo_vport_statsclr_hdlr},
};
static_assert(std::size(ixo_vport_cmd_desc) == 5);

template <std::size_t N>
constexpr int count(const ixo_cmd_desc_t (&)[N])
{
    return static_cast<int>(N);
}

} // namespace

const ixo_cmd_class_desc_t ixo_class_desc[30] = {
    {"adapter", count(ixo_adapter_cmd_desc), COMMON, E_ALL, ixo_adapter_cmd_desc, ixo_adapter_usage},
    {"auth", count(ixo_auth_cmd_desc), COMMON, E_WINDOWS | E_VMWARE | E_LINUX, ixo_auth_cmd_desc, ixo_auth_usage},
    {"bios", count(ixo_bios_cmd_desc), COMMON, E_ALL, ixo_bios_cmd_desc, ixo_bios_usage},
    {"boot", count(ixo_boot_cmd_desc), COMMON, E_ALL, ixo_boot_cmd_desc, ixo_boot_usage},
    {"bootdup", count(ixo_bootdup_cmd_desc), COMMON, E_ALL | E_HIDDEN, ixo_bootdup_cmd_desc, ixo_bootdup_usage},
    {"dcb", count(ixo_dcb_cmd_desc), CNA, E_ALL, ixo_dcb_cmd_desc, ixo_dcb_usage},
    {"debug", count(ixo_debug_cmd_desc), COMMON, E_ALL, ixo_debug_cmd_desc, ixo_debug_usage},
    {"diag", count(ixo_diag_cmd_desc), COMMON, E_ALL, ixo_diag_cmd_desc, ixo_diag_usage},
    {"ethboot", count(ixo_ethboot_cmd_desc), ETH, E_ALL, ixo_ethboot_cmd_desc, ixo_ethboot_usage},
    {"fabric", count(ixo_vf_cmd_desc), FC, E_ALL, ixo_vf_cmd_desc, ixo_vf_usage},
    {"fcoe", count(ixo_fcoe_cmd_desc), CNA, E_ALL, ixo_fcoe_cmd_desc, ixo_fcoe_usage},
    {"fcdiag", count(ixo_fcdiag_cmd_desc), FC, E_ALL, ixo_fcdiag_cmd_desc, ixo_fcdiag_usage},
    {"fcpim", count(ixo_fcpim_cmd_desc), FC, E_ALL, ixo_fcpim_cmd_desc, ixo_fcpim_usage},
    {"flash", count(ixo_flash_cmd_desc), COMMON, E_WINDOWS | E_SOLARIS | E_LINUX | E_HIDDEN, ixo_flash_cmd_desc, ixo_flash_usage},
    {"fruvpd", count(ixo_fruvpd_cmd_desc), COMMON, E_ALL | E_HIDDEN, ixo_fruvpd_cmd_desc, ixo_fruvpd_usage},
    {"ipfc", count(ixo_ipfc_cmd_desc), FC, E_SOLARIS | E_LINUX | E_HIDDEN, ixo_ipfc_cmd_desc, ixo_ipfc_usage},
    {"lport", count(ixo_lport_cmd_desc), FC, E_ALL, ixo_lport_cmd_desc, ixo_lport_usage},
    {"log", count(ixo_log_cmd_desc), COMMON, E_ALL, ixo_log_cmd_desc, ixo_log_usage},
    {"mfg", count(ixo_mfg_cmd_desc), COMMON, E_LINUX | E_HIDDEN, ixo_mfg_cmd_desc, ixo_mfg_usage},
    {"pcifn", count(ixo_pcifn_cmd_desc), COMMON, E_ALL, ixo_pcifn_cmd_desc, ixo_pcifn_usage},
    {"phy", count(ixo_phy_cmd_desc), CNA, E_ALL, ixo_phy_cmd_desc, ixo_phy_usage},
    {"port", count(ixo_port_cmd_desc), COMMON, E_ALL, ixo_port_cmd_desc, ixo_port_usage},
    {"qos", count(ixo_qos_cmd_desc), FC, E_ALL, ixo_qos_cmd_desc, ixo_qos_usage},
    {"ratelim", count(ixo_ratelim_cmd_desc), FC, E_ALL, ixo_ratelim_cmd_desc, ixo_ratelim_usage},
    {"rport", count(ixo_rport_cmd_desc), FC, E_ALL, ixo_rport_cmd_desc, ixo_rport_usage},
    {"trunk", count(ixo_trunk_cmd_desc), FC, E_ALL, ixo_trunk_cmd_desc, ixo_trunk_usage},
    {"vhba", count(ixo_vhba_cmd_desc), FC, E_ALL, ixo_vhba_cmd_desc, ixo_vhba_usage},
    {"vnic", count(ixo_vnic_cmd_desc), ETH, E_ALL, ixo_vnic_cmd_desc, ixo_vnic_usage},
    {"vport", count(ixo_vport_cmd_desc), FC, E_WINDOWS | E_VMWARE | E_LINUX, ixo_vport_cmd_desc, ixo_vport_usage},
    {"none", 0, TYPE_MAX, E_INVALID, nullptr, nullptr},
};
