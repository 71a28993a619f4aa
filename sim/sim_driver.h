// The driver and firmware model: what the xel and kwo drivers answer to
// each command code, for one PCI function, from the host state.
#pragma once

#include "sim_state.h"
#include "xel_ioctl.h"
#include "xel_port_records.h"

#include <cstdint>
#include <cstring>
#include <span>
#include <string>

// One request as a command's answer sees it.
struct sim_call {
    sim_host_state &host;
    const sim_function_ref &ref;
    sim_function_state &st;
    std::span<uint8_t> data;    // the record and the data behind it
    const std::string &root;    // the emulated root, where models keep large contents (the flash)
    bool stuck = false;         // an injected fault keeps enable and disable from finishing
    const sim_fault *flash_fault = nullptr; // an injected fault the flash write or read meets
    bool changed = false;       // the answer changed the host state
    int32_t result_fault = 0;   // a diagnostic's result record reports this (an injected fault)

    const sim_adapter &adapter() const { return *ref.adapter; }
    const sim_function &fn() const { return *ref.function; }
};

// The request's record, as sent.
template <typename T>
T load(const sim_call &call)
{
    T record;
    std::memcpy(&record, call.data.data(), sizeof record);
    return record;
}

template <typename T>
void store(sim_call &call, const T &record)
{
    std::memcpy(call.data.data(), &record, sizeof record);
}

// The record with everything behind its header cleared, ready to answer.
template <typename T>
T answer_record(const sim_call &call)
{
    T record{};
    std::memcpy(&record, call.data.data(), sizeof(xel_ioctl_hdr_t));
    return record;
}

// A command the model knows. Its record is the size its code encodes;
// some records are followed by data that is answered in the same transfer.
struct sim_command {
    uint32_t cmd;
    uint32_t data_after;        // bytes answered behind the record
    bool has_instance;          // the record carries xeld_num (at offset 4 unless instance_at says)
    int32_t (*answer)(sim_call &call);
    uint32_t instance_at = 4;   // where xeld_num sits in the record
    uint32_t status_at = 0;     // where the answer's status goes
};

// The command of a code in its storage form, or null when the model does
// not know it (such a request answers XEL_STATUS_CMD_NOTSUPP).
const sim_command *sim_find_command(uint32_t cmd);

// The storage form of a code as a driver got it: kwo's group byte 0x44
// back to the general group 0x43. A kwo code of another group gives 0.
uint32_t sim_storage_form(const std::string &driver, uint32_t cmd);

// The port model's answers (sim_driver_port.cpp), one per code.
int32_t sim_port_enable(sim_call &call);
int32_t sim_port_disable(sim_call &call);
int32_t sim_fcoe_port_enable(sim_call &call);
int32_t sim_fcoe_port_disable(sim_call &call);
int32_t sim_port_get_attr(sim_call &call);
int32_t sim_port_get_stats(sim_call &call);
int32_t sim_port_reset_stats(sim_call &call);
int32_t sim_fcoe_get_stats(sim_call &call);
int32_t sim_fcoe_reset_stats(sim_call &call);
int32_t sim_port_cfg_topology(sim_call &call);
int32_t sim_port_cfg_speed(sim_call &call);
int32_t sim_port_cfg_hardalpa(sim_call &call);
int32_t sim_port_clr_hardalpa(sim_call &call);
int32_t sim_port_cfg_maxfrsize(sim_call &call);
int32_t sim_port_cfg_rnid_info(sim_call &call);
int32_t sim_port_get_rnid_info(sim_call &call);
int32_t sim_port_cfg_mode(sim_call &call);
int32_t sim_port_bbsc_enable(sim_call &call);
int32_t sim_port_bbsc_disable(sim_call &call);
int32_t sim_port_nwpart(sim_call &call);
int32_t sim_port_enable_trunk(sim_call &call);
int32_t sim_port_disable_trunk(sim_call &call);
int32_t sim_port_get_trunk_attr(sim_call &call);
int32_t sim_faa_query(sim_call &call);
int32_t sim_ethport_get_attr(sim_call &call);
int32_t sim_cee_get_attr(sim_call &call);
int32_t sim_cee_get_stats(sim_call &call);
int32_t sim_cee_reset_stats(sim_call &call);
int32_t sim_sfp_media(sim_call &call);
int32_t sim_sfp_speed(sim_call &call);
int32_t sim_dport_enable(sim_call &call);
int32_t sim_dport_disable(sim_call &call);
int32_t sim_dport_get_state(sim_call &call);
int32_t sim_sfp_query(sim_call &call);
// The firmware's tests, LEDs and sensors (sim_diag.cpp).
int32_t sim_diag_loopback(sim_call &call);
int32_t sim_diag_eth_loopback(sim_call &call);
int32_t sim_diag_get_lb_status(sim_call &call);
int32_t sim_diag_memtest(sim_call &call);
int32_t sim_diag_fwping(sim_call &call);
int32_t sim_diag_queuetest(sim_call &call);
int32_t sim_diag_led_test(sim_call &call);
int32_t sim_diag_beacon(sim_call &call);
int32_t sim_diag_tsensor_query(sim_call &call);
int32_t sim_qos_get_attr(sim_call &call);
// The PCI function table and the vHBA (sim_pcifn.cpp), the vNIC (sim_vnic.cpp).
int32_t sim_pcifn_cfg_get(sim_call &call);
int32_t sim_pcifn_create(sim_call &call);
int32_t sim_pcifn_delete(sim_call &call);
int32_t sim_pcifn_set_bw(sim_call &call);
int32_t sim_pcifn_enable(sim_call &call);
int32_t sim_pcifn_disable(sim_call &call);
int32_t sim_pcifn_cfg_type(sim_call &call);
int32_t sim_vhba_get_attr(sim_call &call);
int32_t sim_fcpim_get_modstats(sim_call &call);
int32_t sim_fcpim_clr_modstats(sim_call &call);
int32_t sim_fcpim_get_del_itn_stats(sim_call &call);
int32_t sim_vnic_get_attr(sim_call &call);
int32_t sim_vnic_get_stats(sim_call &call);
int32_t sim_vnic_clear_stats(sim_call &call);
// QoS and rate limiting (sim_qos.cpp).
int32_t sim_qos_enable(sim_call &call);
int32_t sim_qos_disable(sim_call &call);
int32_t sim_qos_get_vc_attr(sim_call &call);
int32_t sim_qos_get_stats(sim_call &call);
int32_t sim_qos_reset_stats(sim_call &call);
int32_t sim_qos_set_bw(sim_call &call);
int32_t sim_ratelim_enable(sim_call &call);
int32_t sim_ratelim_disable(sim_call &call);
int32_t sim_ratelim_set_speed(sim_call &call);
int32_t sim_bios_cfg(sim_call &call);
int32_t sim_bios_query(sim_call &call);
int32_t sim_bios_pbc_query(sim_call &call);
// Debug capture (sim_debug.cpp). The core is SIM_CORE_SIZE bytes, each
// sim_core_byte of its offset; driver memory starts at SIM_KVA_BASE (plus
// the PCI function in bits 24 up).
constexpr uint32_t SIM_CORE_SIZE = 40000;
constexpr uint64_t SIM_KVA_BASE = 0xffffc90000000000ull;
uint8_t sim_core_byte(uint32_t pci_function, uint32_t offset);
int32_t sim_debug_drv_state(sim_call &call);
// The text of a function's debugfs trace file (drvtrc, fwtrc, fwsave); the
// network driver answers its driver trace request with it too.
std::string sim_trace_text(const sim_function_ref &ref, const sim_function_state &st, const std::string &file);
int32_t sim_debug_drv_trace(sim_call &call);
int32_t sim_debug_fw_state_clr(sim_call &call);
int32_t sim_debug_dtrc_start(sim_call &call);
int32_t sim_debug_dtrc_stop(sim_call &call);
int32_t sim_debug_fw_core(sim_call &call);
int32_t sim_diag_memread(sim_call &call);
int32_t sim_debug_portlog(sim_call &call);
int32_t sim_debug_portlog_clr(sim_call &call);
int32_t sim_debug_portlog_ctl(sim_call &call);
int32_t sim_ethboot_cfg(sim_call &call);
int32_t sim_ethboot_query(sim_call &call);
int32_t sim_fabric_get_lports(sim_call &call);
int32_t sim_lport_get_attr(sim_call &call);
// The fabric the base port logged into (sim_rport.cpp).
int32_t sim_lport_get_rports(sim_call &call);
int32_t sim_lport_get_stats(sim_call &call);
int32_t sim_lport_get_iostats(sim_call &call);
// The function's traffic by the host's clock, over all its disk nexuses.
void sim_add_traffic(const sim_call &call, xel_itnim_iostats_t *stats);
int32_t sim_lport_reset_stats(sim_call &call);
int32_t sim_rport_get_attr(sim_call &call);
int32_t sim_rport_get_stats(sim_call &call);
int32_t sim_rport_reset_stats(sim_call &call);
int32_t sim_rport_get_scsi_address(sim_call &call);
int32_t sim_rport_set_speed(sim_call &call);
int32_t sim_itnim_get_attr(sim_call &call);
int32_t sim_itnim_get_iostats(sim_call &call);
int32_t sim_itnim_get_itnstats(sim_call &call);
int32_t sim_itnim_reset_stats(sim_call &call);
int32_t sim_itnim_get_ioprofile(sim_call &call);
int32_t sim_vf_get_stats(sim_call &call);
int32_t sim_vf_reset_stats(sim_call &call);
int32_t sim_flash_get_attr(sim_call &call);
int32_t sim_flash_erase_part(sim_call &call);
int32_t sim_flash_read_part(sim_call &call);
int32_t sim_flash_update_part(sim_call &call);
int32_t sim_flash_enable_optrom(sim_call &call);
int32_t sim_flash_disable_optrom(sim_call &call);
int32_t sim_boot_get_cfg_version(sim_call &call);
// The product data (sim_vpd.cpp).
int32_t sim_fruvpd_get_max_size(sim_call &call);
int32_t sim_fruvpd_read(sim_call &call);
int32_t sim_fruvpd_write(sim_call &call);
int32_t sim_tfru_read(sim_call &call);
int32_t sim_tfru_write(sim_call &call);
int32_t sim_mfg_update(sim_call &call);
int32_t sim_adapter_cfg_mode(sim_call &call);

// The PHY module (sim_phy.cpp), IP over FC (sim_ipfc.cpp), authentication
// (sim_auth.cpp) and log levels (sim_log.cpp).
int32_t sim_phy_get_attr(sim_call &call);
int32_t sim_phy_get_stats(sim_call &call);
int32_t sim_phy_update(sim_call &call);
int32_t sim_phy_read(sim_call &call);
int32_t sim_ipfc_get_attr(sim_call &call);
int32_t sim_ipfc_get_stats(sim_call &call);
int32_t sim_ipfc_reset_stats(sim_call &call);
int32_t sim_ipfc_enable(sim_call &call);
int32_t sim_ipfc_disable(sim_call &call);
int32_t sim_auth_get_attr(sim_call &call);
int32_t sim_auth_get_stats(sim_call &call);
int32_t sim_auth_reset_stats(sim_call &call);
int32_t sim_auth_reinit(sim_call &call);
int32_t sim_auth_set_policy(sim_call &call);
int32_t sim_auth_set_algo(sim_call &call);
int32_t sim_auth_set_group(sim_call &call);
int32_t sim_auth_set_secretsource(sim_call &call);
int32_t sim_auth_set_secret(sim_call &call);
int32_t sim_log_set_level(sim_call &call);
int32_t sim_log_get_level(sim_call &call);

// The personality a port of the function's adapter starts with next.
uint32_t sim_port_mode_cfg(const sim_call &call);

// The record fillers behind the information and attribute answers.
void sim_fill_ioc_info(const sim_call &call, xel_ioctl_ioc_info_t *info);
void sim_fill_ioc_attr(const sim_call &call, xel_ioc_attr_t *attr);
void sim_fill_flash_attr(const sim_adapter &adapter, xel_flash_attr_t *attr);
