// The emulated port: one physical port per port number of an adapter,
// shared by the FCoE and Ethernet functions of a converged adapter. Port
// enable and disable act on the whole port, FCoE enable and disable on the
// FCoE function alone; configured speed, topology and credit recovery take
// effect when the port comes up from disabled. What the port reports
// (state, speed, topology, FC address) follows from that, from its link,
// SFP and fabric login and from the IOC state of the function asked. The
// port's trunk, CEE, SFP, D-port, counters and logical ports have files of
// their own.
#include "sim_port.h"

#include <algorithm>
#include <chrono>
#include <cstddef>
#include <cstdio>
#include <cstring>

// ---- the port's state ---------------------------------------------------------

sim_port_state &sim_port_of(const sim_call &call)
{
    return call.host.ports[sim_port_key(call.adapter(), call.fn().port)];
}

bool sim_is_fc(const sim_call &call)
{
    return call.fn().ioc_type == XEL_IOC_TYPE_FC;
}

bool sim_is_fcoe(const sim_call &call)
{
    return call.fn().ioc_type == XEL_IOC_TYPE_FCoE;
}

bool sim_port_has_link(const sim_port_state &port)
{
    return port.enabled && !port.in_transit && port.link && port.sfp_present &&
           port.sfp_media != XEL_SFP_MEDIA_UNSUPPORT;
}

namespace {

int64_t wall_clock_ms()
{
    auto now = std::chrono::system_clock::now().time_since_epoch();
    return std::chrono::duration_cast<std::chrono::milliseconds>(now).count();
}

} // namespace

int64_t sim_beacon_end_ms(uint32_t seconds)
{
    return seconds == 0 ? 0 : wall_clock_ms() + int64_t{seconds} * 1000;
}

bool sim_beacon_lapse(sim_port_state &port)
{
    if (!port.beacon || port.beacon_until_ms == 0 || wall_clock_ms() < port.beacon_until_ms)
        return false;
    port.beacon = port.link_e2e_beacon = false;
    port.beacon_seconds = 0;
    port.beacon_until_ms = 0;
    return true;
}

uint32_t sim_side_state(const sim_function &fn, const sim_function_state &st, const sim_port_state &port)
{
    uint32_t ioc = st.ioc_state;
    if (ioc == XEL_IOC_DISABLED || ioc == XEL_IOC_DISABLING)
        return XEL_PORT_ST_IOCDIS;
    if (ioc != XEL_IOC_OPERATIONAL)
        return XEL_PORT_ST_IOCDOWN;
    if (port.in_transit)
        return port.enabled ? XEL_PORT_ST_ENABLING : XEL_PORT_ST_DISABLING;
    if (!port.enabled)
        return port.preboot_disabled ? XEL_PORT_ST_PREBOOT_DISABLED : XEL_PORT_ST_DISABLED;
    if (fn.ioc_type == XEL_IOC_TYPE_FCoE && !port.fcoe_enabled)
        return XEL_PORT_ST_DISABLED;
    if (port.dport && fn.ioc_type == XEL_IOC_TYPE_FC)
        return XEL_PORT_ST_DPORT;
    // A refused authentication keeps the storage side from logging in.
    bool up = sim_port_has_link(port) && !(fn.storage() && port.authfail);
    return up ? XEL_PORT_ST_LINKUP : XEL_PORT_ST_LINKDOWN;
}

uint32_t sim_side_state(const sim_call &call, const sim_port_state &port)
{
    return sim_side_state(call.fn(), call.st, port);
}

bool sim_link_up(const sim_call &call, const sim_port_state &port)
{
    return sim_side_state(call, port) == XEL_PORT_ST_LINKUP;
}

uint32_t sim_port_max_speed(const sim_call &call)
{
    return sim_is_fc(call) ? call.adapter().max_speed : XEL_PORT_SPEED_10GBPS;
}

uint32_t sim_operational_speed(const sim_call &call, const sim_port_state &port)
{
    if (!sim_link_up(call, port))
        return XEL_PORT_SPEED_UNKNOWN;
    return port.op_speed == XEL_PORT_SPEED_AUTO ? sim_port_max_speed(call) : port.op_speed;
}

uint32_t sim_fc_address(uint8_t domain, uint8_t area, uint8_t port)
{
    const uint8_t bytes[4] = {domain, area, port, 0};
    uint32_t pid;
    std::memcpy(&pid, bytes, sizeof pid);
    return pid;
}

// Fabric ports get a domain per adapter and an area per port (a trunk the
// area of its first port); a loop port its hard AL_PA, or 0xef. A port
// looped back to itself has no fabric to give it one.
uint32_t sim_port_address(const sim_call &call, const sim_port_state &port)
{
    if (!sim_link_up(call, port) || port.loopback)
        return 0;
    if (port.op_topology == XEL_PORT_TOPOLOGY_LOOP)
        return sim_fc_address(0, 0, port.op_cfg_hardalpa ? port.op_hardalpa : 0xef);
    uint32_t number = port.trunked ? 0 : call.fn().port;
    return sim_fc_address(static_cast<uint8_t>(0x0a + call.ref.adapter_index), static_cast<uint8_t>(0x10 + number), 0);
}

// The configured settings take effect as the port comes up.
void sim_port_come_up(sim_port_state &port)
{
    port.op_topology = port.cfg_topology;
    port.op_speed = port.cfg_speed;
    port.op_cfg_hardalpa = port.cfg_hardalpa;
    port.op_hardalpa = port.hardalpa;
    port.op_bbsc = port.bbsc;
    port.op_qos = port.qos;
    port.op_ratelimit = port.ratelimit;
    port.op_trl_def_speed = port.trl_def_speed;
    port.op_qos_bw = port.qos_bw;
    if (port.op_qos == 1)
        sim_qos_login(port);
}

namespace {

xel_boot_cfg_t boot_record(const sim_port_state &port)
{
    xel_boot_cfg_t cfg;
    std::memset(&cfg, 0xff, sizeof cfg);
    std::memcpy(&cfg, port.boot.data(), std::min(port.boot.size(), sizeof cfg));
    return cfg;
}

void set_boot_record(sim_port_state &port, const xel_boot_cfg_t &cfg)
{
    port.boot.resize(sizeof cfg);
    std::memcpy(port.boot.data(), &cfg, sizeof cfg);
}

uint16_t boot_checksum(xel_boot_cfg_t cfg)
{
    cfg.chksum = 0;
    const auto *bytes = reinterpret_cast<const uint8_t *>(&cfg);
    uint16_t sum = 0;
    for (size_t i = 0; i < sizeof cfg; i += 2) {
        uint16_t word;
        std::memcpy(&word, bytes + i, sizeof word);
        sum ^= word;
    }
    return sum;
}

// The port as its functions describe it: any one of them saying so takes
// its link down, loops it back, and so on.
void seed_port(const sim_adapter &ad, const sim_function &fn, sim_port_state *port)
{
    port->link = port->link && fn.link;
    port->loopback = port->loopback || fn.loopback;
    port->authfail = port->authfail || fn.authfail;
    if (fn.sfp_media != XEL_SFP_MEDIA_SW)
        port->sfp_media = static_cast<uint8_t>(fn.sfp_media);
    port->sfp_present = port->sfp_present && fn.sfp_present;
    port->phy.present = port->phy.present && fn.phy;
    port->dport = port->dport || fn.dport;
    if (fn.preboot_disabled)
        port->enabled = false;
    port->preboot_disabled = port->preboot_disabled || fn.preboot_disabled;
    if (fn.qos != 0)
        port->qos = port->op_qos = static_cast<uint8_t>(fn.qos);
    if (fn.ratelimit != 0)
        port->ratelimit = port->op_ratelimit = static_cast<uint8_t>(fn.ratelimit);
    port->trunked = ad.trunked;
    port->mode_cfg = ad.port_mode;
}

// ---- enable and disable -----------------------------------------------------

int32_t set_port_enabled(sim_call &call, bool enable)
{
    if (call.st.ioc_state != XEL_IOC_OPERATIONAL)
        return XEL_STATUS_IOC_NON_OP;
    sim_port_state &port = sim_port_of(call);
    // Diagnostics hold the port until D-port is turned off.
    if (port.dport)
        return XEL_STATUS_DPORT_ERR;
    if (enable && !call.stuck && (!port.enabled || !port.fcoe_enabled || port.in_transit))
        sim_port_come_up(port);
    port.enabled = enable;
    port.in_transit = call.stuck;
    port.preboot_disabled = false;
    if (enable)
        port.fcoe_enabled = true;
    call.changed = true;
    return XEL_STATUS_OK;
}

int32_t set_fcoe_enabled(sim_call &call, bool enable)
{
    if (!sim_is_fcoe(call))
        return XEL_STATUS_CMD_NOTSUPP;
    if (call.st.ioc_state != XEL_IOC_OPERATIONAL)
        return XEL_STATUS_IOC_NON_OP;
    sim_port_state &port = sim_port_of(call);
    if (enable && !port.fcoe_enabled)
        sim_port_come_up(port);
    port.fcoe_enabled = enable;
    call.changed = true;
    return XEL_STATUS_OK;
}

// Settings the FC side of a port takes; the Ethernet function has none.
int32_t fc_setting(sim_call &call, void (*apply)(sim_call &call, sim_port_state &port))
{
    if (!call.fn().storage())
        return XEL_STATUS_CMD_NOTSUPP;
    apply(call, sim_port_of(call));
    call.changed = true;
    return XEL_STATUS_OK;
}

} // namespace

// ---- the ports as a host starts -----------------------------------------------

std::string sim_port_key(const sim_adapter &adapter, uint32_t port)
{
    return adapter.hwpath().substr(0, 7) + "/" + std::to_string(port);
}

std::map<std::string, sim_port_state> sim_initial_ports(const sim_topology &topology)
{
    std::map<std::string, sim_port_state> ports;
    for (const auto &ad : topology.adapters)
        for (const auto &fn : ad.functions) {
            sim_port_state &port = ports[sim_port_key(ad, fn.port)];
            seed_port(ad, fn, &port);
            sim_seed_counters(topology, ad, fn, &port);
            if (port.boot.empty()) {
                xel_boot_cfg_t boot{};
                boot.version = XEL_BOOT_CFG_VERSION;
                boot.speed = XEL_PORT_SPEED_AUTO;
                boot.topology = XEL_PORT_TOPOLOGY_P2P;
                boot.chksum = boot_checksum(boot);
                set_boot_record(port, boot);
            }
        }
    return ports;
}

uint32_t sim_port_mode_cfg(const sim_call &call)
{
    return sim_port_of(call).mode_cfg;
}

int32_t sim_port_enable(sim_call &call)
{
    return set_port_enabled(call, true);
}

int32_t sim_port_disable(sim_call &call)
{
    return set_port_enabled(call, false);
}

int32_t sim_fcoe_port_enable(sim_call &call)
{
    return set_fcoe_enabled(call, true);
}

int32_t sim_fcoe_port_disable(sim_call &call)
{
    return set_fcoe_enabled(call, false);
}

// ---- attributes ---------------------------------------------------------

namespace {

void fill_cfg(const sim_port_state &port, xel_port_cfg_s *cfg)
{
    cfg->topology = port.cfg_topology;
    cfg->speed = port.cfg_speed;
    cfg->trunked = port.trunked;
    cfg->qos_enabled = port.qos;
    cfg->cfg_hardalpa = port.cfg_hardalpa;
    cfg->hardalpa = port.hardalpa;
    cfg->maxfrsize = port.maxfrsize;
    cfg->rx_bbcredit = 16;
    cfg->tx_bbcredit = 8;
    cfg->ratelimit = port.ratelimit;
    cfg->trl_def_speed = port.trl_def_speed;
    cfg->bb_scn = port.bbsc ? 14 : 0;
    cfg->bb_scn_state = port.bbsc;
    cfg->faa_state = XEL_FAA_DISABLED;
    cfg->path_tov = 30;
    cfg->q_depth = 32;
    cfg->qos_bw = {1, port.qos_bw[0], port.qos_bw[1], port.qos_bw[2]};
}

} // namespace

int32_t sim_port_get_attr(sim_call &call)
{
    auto record = answer_record<xel_ioctl_port_attr_t>(call);
    if (sim_beacon_lapse(sim_port_of(call)))
        call.changed = true;
    const sim_port_state &port = sim_port_of(call);
    const sim_function &fn = call.fn();
    const sim_adapter &ad = call.adapter();
    xel_port_attr_s &a = record.attr;
    bool up = sim_link_up(call, port);
    if (fn.storage()) {
        a.nwwn = a.factorynwwn = fn.nwwn;
        a.pwwn = a.factorypwwn = fn.pwwn;
        a.cos_supported = FC_CLASS_3;
        std::snprintf(a.port_symname, sizeof a.port_symname, "%s | %s | Linux | host%d", ad.model.c_str(),
                      ad.driver_ver.c_str(), fn.host);
    }
    a.speed_supported = sim_port_max_speed(call);
    fill_cfg(port, &a.pport_cfg);
    a.port_state = sim_side_state(call, port);
    a.speed = sim_operational_speed(call, port);
    a.topology = up && fn.storage() ? port.op_topology : uint32_t{XEL_PORT_TOPOLOGY_NONE};
    a.bbsc_op_status = up && port.op_bbsc;
    a.beacon = port.beacon;
    a.link_e2e_beacon = port.link_e2e_beacon;
    a.loopback = up && fn.storage() && port.loopback;
    a.authfail = fn.storage() && port.authfail;
    a.pid = fn.storage() ? sim_port_address(call, port) : 0;
    a.port_type = !up || !fn.storage()                        ? XEL_PORT_TYPE_UNKNOWN
                  : port.op_topology == XEL_PORT_TOPOLOGY_LOOP ? XEL_PORT_TYPE_NLPORT
                                                               : XEL_PORT_TYPE_NPORT;
    if (sim_is_fcoe(call))
        a.fcoe_vlan = 1002;
    store(call, record);
    return XEL_STATUS_OK;
}

int32_t sim_ethport_get_attr(sim_call &call)
{
    if (call.fn().storage())
        return XEL_STATUS_CMD_NOTSUPP;
    auto record = answer_record<xel_ioctl_ethport_attr_t>(call);
    const sim_port_state &port = sim_port_of(call);
    record.attr.mtu = 1500;
    record.attr.speed_supported = XEL_PORT_SPEED_10GBPS;
    record.attr.port_state = sim_side_state(call, port);
    record.attr.speed = sim_operational_speed(call, port);
    store(call, record);
    return XEL_STATUS_OK;
}

int32_t sim_faa_query(sim_call &call)
{
    if (!call.fn().storage())
        return XEL_STATUS_CMD_NOTSUPP;
    auto record = answer_record<xel_ioctl_faa_attr_t>(call);
    record.faa_attr.faa = call.fn().pwwn;
    record.faa_attr.faa_state = XEL_FAA_DISABLED;
    record.faa_attr.pwwn_source = XEL_FAA_FACTORY;
    store(call, record);
    return XEL_STATUS_OK;
}


// ---- persistent settings --------------------------------------------------

int32_t sim_port_cfg_topology(sim_call &call)
{
    auto record = load<xel_ioctl_port_cfg_topo_t>(call);
    if (sim_is_fcoe(call))
        return XEL_STATUS_NO_TOPOLOGY_FOR_CNA;
    if (record.topo != XEL_PORT_TOPOLOGY_P2P && record.topo != XEL_PORT_TOPOLOGY_LOOP &&
        record.topo != XEL_PORT_TOPOLOGY_AUTO)
        return XEL_STATUS_EINVAL;
    return fc_setting(call, [](sim_call &c, sim_port_state &port) {
        port.cfg_topology = static_cast<uint8_t>(load<xel_ioctl_port_cfg_topo_t>(c).topo);
    });
}

int32_t sim_port_cfg_speed(sim_call &call)
{
    auto record = load<xel_ioctl_port_cfg_speed_t>(call);
    if (!call.fn().storage())
        return XEL_STATUS_CMD_NOTSUPP;
    if (!sim_sfp_supports(call, record.speed))
        return XEL_STATUS_UNSUPP_SPEED;
    return fc_setting(call, [](sim_call &c, sim_port_state &port) {
        port.cfg_speed = static_cast<uint8_t>(load<xel_ioctl_port_cfg_speed_t>(c).speed);
    });
}

int32_t sim_port_cfg_hardalpa(sim_call &call)
{
    return fc_setting(call, [](sim_call &c, sim_port_state &port) {
        port.cfg_hardalpa = true;
        port.hardalpa = load<xel_ioctl_port_alpa_t>(c).alpa;
    });
}

int32_t sim_port_clr_hardalpa(sim_call &call)
{
    return fc_setting(call, [](sim_call &, sim_port_state &port) {
        port.cfg_hardalpa = false;
        port.hardalpa = 0;
    });
}

// The receive data field sizes the firmware runs.
int32_t sim_port_cfg_maxfrsize(sim_call &call)
{
    uint16_t size = load<xel_ioctl_port_cfg_maxfrsize_t>(call).maxfrsize;
    if (size != 512 && size != 1024 && size != 2048 && size != 2112)
        return XEL_STATUS_INVLD_DFSZ;
    return fc_setting(call, [](sim_call &c, sim_port_state &port) {
        port.maxfrsize = load<xel_ioctl_port_cfg_maxfrsize_t>(c).maxfrsize;
    });
}

int32_t sim_port_cfg_rnid_info(sim_call &call)
{
    return call.fn().storage() ? XEL_STATUS_OK : XEL_STATUS_CMD_NOTSUPP;
}

int32_t sim_port_get_rnid_info(sim_call &call)
{
    if (!call.fn().storage())
        return XEL_STATUS_CMD_NOTSUPP;
    auto record = answer_record<xel_ioctl_port_rnid_t>(call);
    record.info.wwn = call.fn().nwwn;
    record.info.unittype = 0x0a;
    record.info.portid = sim_port_address(call, sim_port_of(call));
    record.info.attached_nodes_num = 1;
    store(call, record);
    return XEL_STATUS_OK;
}

// The personality comes with the next start; the port number is the
// record's instance.
int32_t sim_port_cfg_mode(sim_call &call)
{
    auto record = load<xel_ioctl_port_cfg_mode_t>(call);
    if (record.cfg.mode < XEL_MODE_HBA || record.cfg.mode > XEL_MODE_NIC)
        return XEL_STATUS_EINVAL;
    auto found = call.host.ports.find(sim_port_key(call.adapter(), record.instance));
    if (found == call.host.ports.end())
        return XEL_STATUS_EINVAL;
    found->second.mode_cfg = record.cfg.mode;
    call.changed = true;
    return XEL_STATUS_OK;
}

int32_t sim_port_bbsc_enable(sim_call &call)
{
    if (!sim_is_fc(call))
        return XEL_STATUS_BBSC_FC_ONLY;
    return fc_setting(call, [](sim_call &, sim_port_state &port) { port.bbsc = true; });
}

int32_t sim_port_bbsc_disable(sim_call &call)
{
    if (!sim_is_fc(call))
        return XEL_STATUS_BBSC_FC_ONLY;
    return fc_setting(call, [](sim_call &, sim_port_state &port) { port.bbsc = false; });
}

int32_t sim_port_nwpart(sim_call &call)
{
    return call.adapter().cna_capable ? XEL_STATUS_OK : XEL_STATUS_CMD_NOTSUPP;
}

// ---- boot configuration ---------------------------------------------------

int32_t sim_bios_cfg(sim_call &call)
{
    if (!call.fn().storage())
        return XEL_STATUS_CMD_NOTSUPP;
    auto record = load<xel_ioctl_bios_t>(call);
    if (boot_checksum(record.cfg) != record.cfg.chksum)
        return XEL_STATUS_CHECKSUM_FAIL;
    set_boot_record(sim_port_of(call), record.cfg);
    call.changed = true;
    return XEL_STATUS_OK;
}

int32_t sim_bios_query(sim_call &call)
{
    if (!call.fn().storage())
        return XEL_STATUS_CMD_NOTSUPP;
    auto record = answer_record<xel_ioctl_bios_t>(call);
    record.cfg = boot_record(sim_port_of(call));
    store(call, record);
    return XEL_STATUS_OK;
}
