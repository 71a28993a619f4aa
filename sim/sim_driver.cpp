// The commands the emulated drivers and firmware answer. A record is read
// from the request, answered and written back in place; the caller writes
// the status the answer returns into the record's first word.
#include "sim_driver.h"
#include "sim_vport.h"
#include "sim_fcpim.h"

#include "sim_events.h"
#include "xel_aen_records.h"
#include "xel_auth_records.h"
#include "xel_pcifn_records.h"
#include "xel_debug_records.h"

#include <algorithm>
#include <cstring>

namespace {

std::string name_field(const char (&name)[64])
{
    return std::string(name, strnlen(name, sizeof name));
}

bool operational(const sim_call &call)
{
    return call.st.ioc_state == XEL_IOC_OPERATIONAL;
}

// With traffic on, every statistics read finds the counters moved on.
void run_traffic(sim_call &call)
{
    if (!call.host.topology.traffic)
        return;
    call.st.drv_stats[SIM_DRV_MAILBOX_INTRS] += 3;
    call.st.drv_stats[SIM_DRV_HB_COUNT] += 1;
    call.st.fw_stats[SIM_FW_IOIM_FRAMES_PARSED] += 128;
    call.changed = true;
}

int32_t compare_versions(sim_call &call)
{
    auto ver = load<xel_ioctl_ver_t>(call);
    ver.version = call.host.topology.driver_version;
    store(call, ver);
    return XEL_STATUS_OK;
}

// Enable and disable: an IOC already there says so; otherwise it goes
// through the transient state, and stays there when a fault holds it.
int32_t change_state(sim_call &call, bool enable)
{
    uint32_t target = enable ? XEL_IOC_OPERATIONAL : XEL_IOC_DISABLED;
    if (call.st.ioc_state == target)
        return enable ? XEL_STATUS_IOC_ENABLED : XEL_STATUS_IOC_DISABLED;
    auto &drv = call.st.drv_stats;
    drv[enable ? SIM_DRV_ENABLE_REQS : SIM_DRV_DISABLE_REQS]++;
    call.st.fw_stats[enable ? SIM_FW_ENABLE_REQS : SIM_FW_DISABLE_REQS]++;
    if (call.stuck) {
        call.st.ioc_state = enable ? XEL_IOC_ENABLING : XEL_IOC_DISABLING;
    } else {
        call.st.ioc_state = target;
        drv[enable ? SIM_DRV_ENABLE_REPLIES : SIM_DRV_DISABLE_REPLIES]++;
        drv[enable ? SIM_DRV_ENABLE_EVENTS : SIM_DRV_DISABLE_EVENTS]++;
    }
    call.changed = true;
    return XEL_STATUS_OK;
}

int32_t ioc_enable(sim_call &call)
{
    return change_state(call, true);
}

int32_t ioc_disable(sim_call &call)
{
    return change_state(call, false);
}

int32_t ioc_get_attr(sim_call &call)
{
    auto record = answer_record<xel_ioctl_ioc_attr_t>(call);
    sim_fill_ioc_attr(call, &record.ioc_attr);
    store(call, record);
    return XEL_STATUS_OK;
}

int32_t ioc_get_info(sim_call &call)
{
    auto record = answer_record<xel_ioctl_ioc_info_t>(call);
    sim_fill_ioc_info(call, &record);
    store(call, record);
    return XEL_STATUS_OK;
}

int32_t ioc_get_stats(sim_call &call)
{
    run_traffic(call);
    auto record = answer_record<xel_ioctl_ioc_stats_t>(call);
    static_assert(sizeof record.stats.drv_stats == sizeof call.st.drv_stats);
    std::memcpy(&record.stats.drv_stats, call.st.drv_stats.data(), sizeof call.st.drv_stats);
    uint32_t fw_words[SIM_FW_IOC_WORDS] = {};
    static_assert(sizeof record.stats.fw_stats == sizeof fw_words);
    for (const auto &[word, value] : call.st.fw_stats)
        if (word < SIM_FW_IOC_WORDS)
            fw_words[word] = value;
    std::memcpy(&record.stats.fw_stats, fw_words, sizeof fw_words);
    store(call, record);
    return XEL_STATUS_OK;
}

int32_t ioc_reset_stats(sim_call &call)
{
    call.st.drv_stats.fill(0);
    for (uint32_t i = 0; i < SIM_FW_IOC_WORDS; i++)
        call.st.fw_stats.erase(i);
    call.changed = true;
    return XEL_STATUS_OK;
}

int32_t adapter_set_name(sim_call &call)
{
    call.host.adapter_names[call.ref.adapter_index] = name_field(load<xel_ioctl_ioc_name_t>(call).name);
    call.changed = true;
    return XEL_STATUS_OK;
}

int32_t ioc_set_name(sim_call &call)
{
    call.st.name = name_field(load<xel_ioctl_ioc_name_t>(call).name);
    call.changed = true;
    return XEL_STATUS_OK;
}

// The firmware statistics go into the data behind the record, which the
// caller's buf_ptr points at in its own memory.
int32_t ioc_get_fwstats(sim_call &call)
{
    auto record = load<xel_ioctl_buf_t>(call);
    if (!operational(call))
        return XEL_STATUS_IOC_NON_OP;
    if (record.bufsz < XEL_FW_STATS_SIZE)
        return XEL_STATUS_EINVAL;
    run_traffic(call);
    uint8_t *stats = call.data.data() + sizeof record;
    std::memset(stats, 0, XEL_FW_STATS_SIZE);
    for (const auto &[word, value] : call.st.fw_stats)
        if (word < XEL_FW_STATS_SIZE / 4)
            std::memcpy(stats + word * 4, &value, sizeof value);
    return XEL_STATUS_OK;
}

int32_t ioc_reset_fwstats(sim_call &call)
{
    if (!operational(call))
        return XEL_STATUS_IOC_NON_OP;
    call.st.fw_stats.clear();
    call.changed = true;
    return XEL_STATUS_OK;
}

int32_t iocfc_get_attr(sim_call &call)
{
    auto record = answer_record<xel_ioctl_iocfc_attr_t>(call);
    record.attr.coalesce = call.st.coalesce;
    record.attr.delay = call.st.delay;
    record.attr.latency = call.st.latency;
    record.attr.num_cqs = 4;
    record.attr.num_ioim_reqs = 2000;
    record.attr.num_tskim_reqs = 128;
    record.attr.num_fcxp_reqs = 64;
    record.attr.num_uf_bufs = 64;
    record.attr.num_rports = 1024;
    store(call, record);
    return XEL_STATUS_OK;
}

int32_t iocfc_intr_set(sim_call &call)
{
    if (!operational(call))
        return XEL_STATUS_IOC_NON_OP;
    auto record = load<xel_ioctl_iocfc_intr_t>(call);
    call.st.coalesce = record.coalesce;
    call.st.delay = record.delay;
    call.st.latency = record.latency;
    call.st.fw_stats[SIM_FW_IOCFC_SET_INTR_REQS]++;
    call.changed = true;
    return XEL_STATUS_OK;
}

// The vHBA and vNIC enable and disable of a function: the IOC's own,
// each on its driver's side only.
int32_t side_change_state(sim_call &call, bool storage, bool enable)
{
    if (call.fn().storage() != storage)
        return XEL_STATUS_CMD_NOTSUPP;
    return change_state(call, enable);
}

int32_t vhba_enable(sim_call &call)
{
    return side_change_state(call, true, true);
}

int32_t vhba_disable(sim_call &call)
{
    return side_change_state(call, true, false);
}

int32_t vnic_enable(sim_call &call)
{
    return side_change_state(call, false, true);
}

int32_t vnic_disable(sim_call &call)
{
    return side_change_state(call, false, false);
}

// Every code the model answers, with the layout of its record.
const sim_command commands[] = {
    {XEL_CMD_IOC_COMPARE_VERSIONS, 0, false, compare_versions},
    {XEL_CMD_IOC_ENABLE, 0, true, ioc_enable},
    {XEL_CMD_IOC_DISABLE, 0, true, ioc_disable},
    {XEL_CMD_IOC_GET_ATTR, 0, true, ioc_get_attr},
    {XEL_CMD_IOC_GET_INFO, 0, true, ioc_get_info},
    {XEL_CMD_IOC_GET_STATS, 0, true, ioc_get_stats},
    {XEL_CMD_IOC_RESET_STATS, 0, true, ioc_reset_stats},
    {XEL_CMD_ADAPTER_SET_NAME, 0, true, adapter_set_name},
    {XEL_CMD_IOC_SET_NAME, 0, true, ioc_set_name},
    {XEL_CMD_IOC_GET_FWSTATS, XEL_FW_STATS_SIZE, true, ioc_get_fwstats},
    {XEL_CMD_IOC_RESET_FWSTATS, 0, true, ioc_reset_fwstats},
    {XEL_CMD_FLASH_GET_ATTR, 0, true, sim_flash_get_attr},
    {XEL_CMD_IOCFC_GET_ATTR, 0, true, iocfc_get_attr},
    {XEL_CMD_IOCFC_INTR_SET, 0, true, iocfc_intr_set},
    // The port model: sim_driver_port.cpp.
    {XEL_CMD_PORT_ENABLE, 0, true, sim_port_enable},
    {XEL_CMD_PORT_DISABLE, 0, true, sim_port_disable},
    {XEL_CMD_PORT_GET_ATTR, 0, true, sim_port_get_attr},
    {XEL_CMD_PORT_GET_STATS, XEL_PORT_STATS_SIZE, true, sim_port_get_stats},
    {XEL_CMD_PORT_RESET_STATS, 0, true, sim_port_reset_stats},
    {XEL_CMD_PORT_CFG_TOPOLOGY, 0, true, sim_port_cfg_topology},
    {XEL_CMD_PORT_CFG_SPEED, 0, true, sim_port_cfg_speed},
    {XEL_CMD_PORT_CFG_HARDALPA, 0, true, sim_port_cfg_hardalpa},
    {XEL_CMD_PORT_CLR_HARDALPA, 0, true, sim_port_clr_hardalpa},
    {XEL_CMD_PORT_CFG_MAXFRSIZE, 0, true, sim_port_cfg_maxfrsize},
    {XEL_CMD_PORT_CFG_RNID_INFO, 0, true, sim_port_cfg_rnid_info},
    {XEL_CMD_PORT_GET_RNID_INFO, 0, true, sim_port_get_rnid_info},
    {XEL_CMD_PORT_CFG_MODE, 0, true, sim_port_cfg_mode},
    {XEL_CMD_PORT_BBSC_ENABLE, 0, true, sim_port_bbsc_enable},
    {XEL_CMD_PORT_BBSC_DISABLE, 0, true, sim_port_bbsc_disable},
    {XEL_CMD_PORT_NWPART_ENABLE, 0, true, sim_port_nwpart},
    {XEL_CMD_PORT_NWPART_DISABLE, 0, true, sim_port_nwpart},
    {XEL_CMD_CEE_RESET_STATS, 0, true, sim_cee_reset_stats},
    {XEL_CMD_CEE_GET_ATTR, sizeof(xel_cee_attr_t), true, sim_cee_get_attr},
    {XEL_CMD_CEE_GET_STATS, sizeof(xel_cee_stats_t), true, sim_cee_get_stats},
    {XEL_CMD_SFP_MEDIA, 0, true, sim_sfp_media},
    {XEL_CMD_SFP_SPEED, 0, true, sim_sfp_speed},
    {XEL_CMD_DIAG_DPORT_ENABLE, 0, true, sim_dport_enable},
    {XEL_CMD_DIAG_DPORT_DISABLE, 0, true, sim_dport_disable},
    {XEL_CMD_DIAG_DPORT_GET_STATE, 0, true, sim_dport_get_state},
    {XEL_CMD_DIAG_SFP_QUERY, 0, true, sim_sfp_query},
    // The diagnostics: sim_diag.cpp.
    {XEL_CMD_DIAG_TSENSOR_QUERY, 0, true, sim_diag_tsensor_query},
    {XEL_CMD_DIAG_MEMTEST, 0, true, sim_diag_memtest},
    {XEL_CMD_DIAG_LOOPBACK, 0, true, sim_diag_loopback},
    {XEL_CMD_DIAG_FWPING, 0, true, sim_diag_fwping},
    {XEL_CMD_DIAG_QUEUETEST, 0, true, sim_diag_queuetest},
    {XEL_CMD_DIAG_LED_TEST, 0, true, sim_diag_led_test},
    {XEL_CMD_DIAG_BEACON_LPORT, 0, true, sim_diag_beacon},
    {XEL_CMD_DIAG_ETH_LOOPBACK, 0, true, sim_diag_eth_loopback},
    {XEL_CMD_DIAG_GET_LB_STATUS, 0, true, sim_diag_get_lb_status},
    // The flash: sim_flash.cpp.
    {XEL_CMD_FLASH_ERASE_PART, 0, true, sim_flash_erase_part},
    {XEL_CMD_FLASH_READ_PART, 0, true, sim_flash_read_part},
    {XEL_CMD_FLASH_UPDATE_PART, 0, true, sim_flash_update_part},
    {XEL_CMD_FLASH_ENABLE_OPTROM, 0, true, sim_flash_enable_optrom},
    {XEL_CMD_FLASH_DISABLE_OPTROM, 0, true, sim_flash_disable_optrom},
    {XEL_CMD_BOOT_GET_CFG_VERSION, 0, true, sim_boot_get_cfg_version},
    {XEL_CMD_ETHPORT_GET_ATTR, 0, true, sim_ethport_get_attr},
    {XEL_CMD_LPORT_GET_ATTR, 0, true, sim_lport_get_attr},
    {XEL_CMD_VPORT_GET_ATTR, 0, true, sim_vport_get_attr},
    {XEL_CMD_VPORT_GET_STATS, 0, true, sim_vport_get_stats},
    {XEL_CMD_VPORT_RESET_STATS, 0, true, sim_vport_reset_stats},
    {XEL_CMD_VPORT_START, 0, true, sim_vport_start},
    {XEL_CMD_VPORT_STOP, 0, true, sim_vport_stop},
    {XEL_CMD_QOS_GET_ATTR, 0, true, sim_qos_get_attr},
    // PCI functions, vHBA and vNIC: sim_pcifn.cpp, sim_vnic.cpp.
    {XEL_CMD_PCIFN_CFG_GET, 0, true, sim_pcifn_cfg_get},
    {XEL_CMD_VHBA_CREATE, 0, true, sim_pcifn_create},
    {XEL_CMD_VHBA_DELETE, 0, true, sim_pcifn_delete},
    {XEL_CMD_PCIFN_ENABLE, 0, true, sim_pcifn_enable},
    {XEL_CMD_PCIFN_DISABLE, 0, true, sim_pcifn_disable},
    {XEL_CMD_PCIFN_CFG_TYPE, 0, true, sim_pcifn_cfg_type},
    {XEL_CMD_VHBA_SET_BW, 0, true, sim_pcifn_set_bw},
    {XEL_CMD_VNIC_GET_ATTR, XEL_VNIC_ATTR_SIZE, true, sim_vnic_get_attr},
    {XEL_CMD_VNIC_ENABLE, 0, true, vnic_enable},
    {XEL_CMD_VNIC_DISABLE, 0, true, vnic_disable},
    {XEL_CMD_VNIC_GET_STATS, XEL_VNIC_STATS_SIZE, true, sim_vnic_get_stats},
    {XEL_CMD_VNIC_CLEAR_STATS, 0, true, sim_vnic_clear_stats},
    {XEL_CMD_VHBA_GET_ATTR, 0, true, sim_vhba_get_attr},
    {XEL_CMD_VHBA_ENABLE, 0, true, vhba_enable},
    {XEL_CMD_VHBA_DISABLE, 0, true, vhba_disable},
    {XEL_CMD_FCPIM_GET_MODSTATS, 0, true, sim_fcpim_get_modstats},
    {XEL_CMD_FCPIM_CLR_MODSTATS, 0, true, sim_fcpim_clr_modstats},
    {XEL_CMD_FCPIM_GET_DEL_ITN_STATS, 0, true, sim_fcpim_get_del_itn_stats},
    // The initiator module's settings and LUN masking: sim_fcpim.cpp.
    {XEL_CMD_FCPIM_FAST_FAILOVER, 0, true, sim_fcpim_fast_failover},
    {XEL_CMD_FCPIM_QDEPTH, 0, true, sim_fcpim_qdepth},
    {XEL_CMD_FCPIM_PROFILE_ON, 0, true, sim_fcpim_profile_on},
    {XEL_CMD_FCPIM_PROFILE_OFF, 0, true, sim_fcpim_profile_off},
    {XEL_CMD_FCPIM_LUNMASK_QUERY, 0, true, sim_fcpim_lunmask_query},
    {XEL_CMD_FCPIM_LUNMASK_ENABLE, 0, true, sim_fcpim_lunmask_enable},
    {XEL_CMD_FCPIM_LUNMASK_DISABLE, 0, true, sim_fcpim_lunmask_disable},
    {XEL_CMD_FCPIM_LUNMASK_ADD, 0, true, sim_fcpim_lunmask_add},
    {XEL_CMD_FCPIM_LUNMASK_DELETE, 0, true, sim_fcpim_lunmask_delete},
    {XEL_CMD_FCPIM_LUNMASK_CLEAR, 0, true, sim_fcpim_lunmask_clear},
    {XEL_CMD_FCPIM_THROTTLE_QUERY, 0, true, sim_fcpim_throttle_query},
    {XEL_CMD_FCPIM_THROTTLE_SET, 0, true, sim_fcpim_throttle_set},
    {XEL_CMD_QOS_ENABLE, 0, true, sim_qos_enable},
    {XEL_CMD_QOS_DISABLE, 0, true, sim_qos_disable},
    {XEL_CMD_QOS_GET_VC_ATTR, 0, true, sim_qos_get_vc_attr},
    {XEL_CMD_QOS_GET_STATS, sizeof(xel_ioctl_fcport_stats_t) - xel_cmd_size(XEL_CMD_QOS_GET_STATS), true,
     sim_qos_get_stats},
    {XEL_CMD_QOS_RESET_STATS, 0, true, sim_qos_reset_stats},
    {XEL_CMD_QOS_SET_BW, 0, true, sim_qos_set_bw},
    {XEL_CMD_RATELIM_ENABLE, 0, true, sim_ratelim_enable},
    {XEL_CMD_RATELIM_DISABLE, 0, true, sim_ratelim_disable},
    {XEL_CMD_RATELIM_SET_SPEED, 0, true, sim_ratelim_set_speed},
    {XEL_CMD_BIOS_CFG, 0, true, sim_bios_cfg},
    {XEL_CMD_BIOS_QUERY, 0, true, sim_bios_query},
    {XEL_CMD_BIOS_PBC_QUERY, 0, true, sim_bios_pbc_query},
    // Debug capture: sim_debug.cpp.
    {XEL_CMD_DEBUG_DRV_TRACE, 0, true, sim_debug_drv_trace},
    {XEL_CMD_DEBUG_DRV_STATE, XEL_DEBUG_TRACE_SIZE, true, sim_debug_drv_state},
    {XEL_CMD_DEBUG_FW_STATE_CLR, 0, true, sim_debug_fw_state_clr},
    {XEL_CMD_DEBUG_DTRC_START, 0, true, sim_debug_dtrc_start},
    {XEL_CMD_DEBUG_DTRC_STOP, 0, true, sim_debug_dtrc_stop},
    {XEL_CMD_DEBUG_FW_CORE, XEL_DEBUG_CORE_CHUNK, true, sim_debug_fw_core},
    {XEL_CMD_DIAG_MEMREAD, 0, true, sim_diag_memread},
    {XEL_CMD_DEBUG_PORTLOG, sizeof(xel_plog_t), true, sim_debug_portlog},
    {XEL_CMD_DEBUG_PORTLOG_CLR, 0, true, sim_debug_portlog_clr},
    {XEL_CMD_DEBUG_PORTLOG_CTL, 0, true, sim_debug_portlog_ctl},
    {XEL_CMD_ETHBOOT_CFG, 0, true, sim_ethboot_cfg},
    {XEL_CMD_ETHBOOT_QUERY, 0, true, sim_ethboot_query},
    {XEL_CMD_FABRIC_GET_LPORTS, 0, true, sim_fabric_get_lports},
    {XEL_CMD_FCOE_GET_STATS, 0, true, sim_fcoe_get_stats},
    {XEL_CMD_FCOE_RESET_STATS, 0, true, sim_fcoe_reset_stats},
    {XEL_CMD_FCOE_PORT_ENABLE, 0, true, sim_fcoe_port_enable},
    {XEL_CMD_FCOE_PORT_DISABLE, 0, true, sim_fcoe_port_disable},
    {XEL_CMD_PORT_ENABLE_TRUNK, 0, true, sim_port_enable_trunk},
    {XEL_CMD_PORT_DISABLE_TRUNK, 0, true, sim_port_disable_trunk},
    {XEL_CMD_PORT_GET_TRUNK_ATTR, 0, true, sim_port_get_trunk_attr},
    {XEL_CMD_FAA_QUERY, 0, true, sim_faa_query},
    // The product data: sim_vpd.cpp.
    {XEL_CMD_FRUVPD_GET_MAX_SIZE, 0, true, sim_fruvpd_get_max_size},
    {XEL_CMD_FRUVPD_READ, 0, true, sim_fruvpd_read},
    {XEL_CMD_FRUVPD_WRITE, 0, true, sim_fruvpd_write},
    {XEL_CMD_TFRU_READ, 0, true, sim_tfru_read},
    {XEL_CMD_TFRU_WRITE, 0, true, sim_tfru_write},
    {XEL_CMD_MFG_UPDATE, 0, true, sim_mfg_update},
    {XEL_CMD_ADAPTER_CFG_MODE, 0, true, sim_adapter_cfg_mode},
    // PHY, IP over FC, authentication, log levels: sim_phy.cpp, sim_ipfc.cpp,
    // sim_auth.cpp, sim_log.cpp.
    {XEL_CMD_PHY_GET_ATTR, 0, true, sim_phy_get_attr},
    {XEL_CMD_PHY_GET_STATS, 0, true, sim_phy_get_stats},
    {XEL_CMD_PHY_UPDATE, 0, true, sim_phy_update},
    {XEL_CMD_PHY_READ, 0, true, sim_phy_read},
    {XEL_CMD_IPFC_GET_ATTR, 0, true, sim_ipfc_get_attr},
    {XEL_CMD_IPFC_GET_STATS, 0, true, sim_ipfc_get_stats},
    {XEL_CMD_IPFC_RESET_STATS, 0, true, sim_ipfc_reset_stats},
    {XEL_CMD_IPFC_ENABLE, 0, true, sim_ipfc_enable},
    {XEL_CMD_IPFC_DISABLE, 0, true, sim_ipfc_disable},
    {XEL_CMD_AUTH_GET_ATTR, 0, true, sim_auth_get_attr},
    {XEL_CMD_AUTH_GET_STATS, 0, true, sim_auth_get_stats},
    {XEL_CMD_AUTH_RESET_STATS, 0, true, sim_auth_reset_stats},
    {XEL_CMD_AUTH_REINIT, 0, true, sim_auth_reinit},
    {XEL_CMD_AUTH_SET_POLICY, 0, true, sim_auth_set_policy},
    {XEL_CMD_AUTH_SET_ALGO, 0, true, sim_auth_set_algo},
    {XEL_CMD_AUTH_SET_GROUP, 0, true, sim_auth_set_group},
    {XEL_CMD_AUTH_SET_SECRETSOURCE, 0, true, sim_auth_set_secretsource},
    {XEL_CMD_AUTH_SET_SECRETSTRING, 0, true, sim_auth_set_secret},
    {XEL_CMD_LOG_SET_LEVEL, 0, true, sim_log_set_level, XEL_LOG_INSTANCE_OFFSET},
    {XEL_CMD_LOG_GET_LEVEL, 0, true, sim_log_get_level, XEL_LOG_INSTANCE_OFFSET},
    // The fabric: sim_rport.cpp.
    {XEL_CMD_LPORT_GET_RPORTS, 0, true, sim_lport_get_rports},
    {XEL_CMD_LPORT_GET_STATS, 0, true, sim_lport_get_stats},
    {XEL_CMD_LPORT_GET_IOSTATS, 0, true, sim_lport_get_iostats},
    {XEL_CMD_LPORT_RESET_STATS, 0, true, sim_lport_reset_stats},
    {XEL_CMD_RPORT_GET_ATTR_BY_QUALIFIER, 0, true, sim_rport_get_attr},
    {XEL_CMD_RPORT_GET_STATS, 0, true, sim_rport_get_stats},
    {XEL_CMD_RPORT_RESET_STATS, 0, true, sim_rport_reset_stats},
    {XEL_CMD_RPORT_GET_SCSI_ADDRESS, 0, true, sim_rport_get_scsi_address},
    {XEL_CMD_RPORT_SET_SPEED, 0, true, sim_rport_set_speed},
    {XEL_CMD_ITNIM_GET_ATTR, 0, true, sim_itnim_get_attr},
    {XEL_CMD_ITNIM_GET_IOSTATS, 0, true, sim_itnim_get_iostats},
    {XEL_CMD_ITNIM_GET_ITNSTATS, 0, true, sim_itnim_get_itnstats},
    {XEL_CMD_ITNIM_RESET_STATS, 0, true, sim_itnim_reset_stats},
    {XEL_CMD_ITNIM_GET_IOPROFILE, 0, true, sim_itnim_get_ioprofile},
    {XEL_CMD_VF_GET_STATS, 0, true, sim_vf_get_stats},
    {XEL_CMD_VF_RESET_STATS, 0, true, sim_vf_reset_stats},
    // The event queues: sim_events.cpp.
    {XEL_CMD_AEN_GET_EVENTS, 0, true, sim_aen_get_events, XEL_AEN_INSTANCE_OFFSET, XEL_AEN_STATUS_OFFSET},
};

} // namespace

const sim_command *sim_find_command(uint32_t cmd)
{
    for (const auto &command : commands)
        if (command.cmd == cmd)
            return &command;
    return nullptr;
}

uint32_t sim_storage_form(const std::string &driver, uint32_t cmd)
{
    if (driver != "kwo")
        return cmd;
    if (xel_cmd_group(cmd) != XEL_KWO_GROUP)
        return 0;
    return (cmd & ~0xff00u) | (0x43u << 8);
}
