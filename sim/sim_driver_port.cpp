// The emulated port: one physical port per port number of an adapter,
// shared by the FCoE and Ethernet functions of a converged adapter. Port
// enable and disable act on the whole port, FCoE enable and disable on the
// FCoE function alone; configured speed, topology and credit recovery take
// effect when the port comes up from disabled. What the port reports
// (state, speed, topology, FC address) follows from that, from its link and
// from the IOC state of the function asked.
#include "sim_driver.h"

#include "xell_state.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

namespace {

// ---- the port's state ---------------------------------------------------------

sim_port_state &port_of(const sim_call &call)
{
    return call.host.ports[sim_port_key(call.adapter(), call.fn().port)];
}

bool is_fc(const sim_call &call)
{
    return call.fn().ioc_type == XEL_IOC_TYPE_FC;
}

bool is_fcoe(const sim_call &call)
{
    return call.fn().ioc_type == XEL_IOC_TYPE_FCoE;
}

// A port with an FCoE or Ethernet function counts Ethernet frames.
bool ethernet_port(const sim_adapter &ad, uint32_t port)
{
    return std::any_of(ad.functions.begin(), ad.functions.end(),
                       [port](const sim_function &fn) { return fn.port == port && fn.ioc_type != XEL_IOC_TYPE_FC; });
}

// The port-state code the function reports for its side of the port.
uint32_t side_state(const sim_call &call, const sim_port_state &port)
{
    uint32_t ioc = call.st.ioc_state;
    if (ioc == XEL_IOC_DISABLED || ioc == XEL_IOC_DISABLING)
        return XEL_PORT_ST_IOCDIS;
    if (ioc != XEL_IOC_OPERATIONAL)
        return XEL_PORT_ST_IOCDOWN;
    if (!port.enabled || (is_fcoe(call) && !port.fcoe_enabled))
        return XEL_PORT_ST_DISABLED;
    if (port.dport && is_fc(call))
        return XEL_PORT_ST_DPORT;
    return port.link ? XEL_PORT_ST_LINKUP : XEL_PORT_ST_LINKDOWN;
}

bool link_up(const sim_call &call, const sim_port_state &port)
{
    return side_state(call, port) == XEL_PORT_ST_LINKUP;
}

// The fastest the port runs: the adapter's speed for FC, 10G for Ethernet.
uint32_t port_max_speed(const sim_call &call)
{
    return is_fc(call) ? call.adapter().max_speed : XEL_PORT_SPEED_10GBPS;
}

uint32_t operational_speed(const sim_call &call, const sim_port_state &port)
{
    if (!link_up(call, port))
        return XEL_PORT_SPEED_UNKNOWN;
    return port.op_speed == XEL_PORT_SPEED_AUTO ? port_max_speed(call) : port.op_speed;
}

// The speeds the installed SFP runs, automatic included.
bool sfp_supports(const sim_call &call, uint32_t speed)
{
    if (speed == XEL_PORT_SPEED_AUTO)
        return true;
    if (!is_fc(call))
        return speed == XEL_PORT_SPEED_10GBPS;
    switch (call.adapter().max_speed) {
    case 16:
        return speed == 2 || speed == 4 || speed == 8 || speed == 16;
    case 8:
        return speed == 2 || speed == 4 || speed == 8 || (speed == 1 && call.adapter().is_mezz);
    default:
        return speed == 1 || speed == 2 || speed == 4;
    }
}

// An FC address as the drivers store it: domain, area, port in the first
// three bytes.
uint32_t fc_address(uint8_t domain, uint8_t area, uint8_t port)
{
    const uint8_t bytes[4] = {domain, area, port, 0};
    uint32_t pid;
    std::memcpy(&pid, bytes, sizeof pid);
    return pid;
}

// Fabric ports get a domain per adapter and an area per port (a trunk the
// area of its first port); a loop port its hard AL_PA, or 0xef.
uint32_t port_address(const sim_call &call, const sim_port_state &port)
{
    if (!link_up(call, port))
        return 0;
    if (port.op_topology == XEL_PORT_TOPOLOGY_LOOP)
        return fc_address(0, 0, port.cfg_hardalpa ? port.hardalpa : 0xef);
    uint32_t number = port.trunked ? 0 : call.fn().port;
    return fc_address(static_cast<uint8_t>(0x0a + call.ref.adapter_index), static_cast<uint8_t>(0x10 + number), 0);
}

// The configured settings take effect as the port comes up.
void come_up(sim_port_state &port)
{
    port.op_topology = port.cfg_topology;
    port.op_speed = port.cfg_speed;
    port.op_bbsc = port.bbsc;
}

wwn_t wwn_of(const uint8_t (&bytes)[8])
{
    wwn_t wwn;
    std::memcpy(&wwn, bytes, sizeof wwn);
    return wwn;
}

// The fabric the ports log into.
constexpr uint8_t fabric_wwn[8] = {0x10, 0x00, 0x02, 0x00, 0x00, 0x00, 0x00, 0x01};

// The switch port at the far end of an FC port.
wwn_t switch_port_wwn(const sim_call &call, uint32_t port)
{
    const uint8_t bytes[8] = {0x20, static_cast<uint8_t>(0x10 + port), 0x02, 0x00, 0x00, 0x00, 0x00,
                              static_cast<uint8_t>(0x0a + call.ref.adapter_index)};
    return wwn_of(bytes);
}

template <typename Record, typename Counter>
void add(std::map<uint32_t, uint64_t> &counters, Counter Record::*field, uint64_t value)
{
    Record record{};
    auto offset = static_cast<uint32_t>(reinterpret_cast<const uint8_t *>(&(record.*field)) -
                                        reinterpret_cast<const uint8_t *>(&record));
    counters[offset] += value;
}

// Counters into their record, which is at least as large as the offsets.
void put_counters(const std::map<uint32_t, uint64_t> &counters, uint8_t *record, size_t size, size_t width)
{
    std::memset(record, 0, size);
    for (const auto &[offset, value] : counters) {
        if (offset + width > size)
            continue;
        if (width == sizeof(uint64_t)) {
            std::memcpy(record + offset, &value, sizeof value);
        } else {
            auto narrow = static_cast<uint32_t>(value);
            std::memcpy(record + offset, &narrow, sizeof narrow);
        }
    }
}

// With traffic on, the port's counters move at every read while the link
// is up.
void run_port_traffic(sim_call &call, sim_port_state &port)
{
    if (!call.host.topology.traffic || !link_up(call, port))
        return;
    if (ethernet_port(call.adapter(), call.fn().port)) {
        add(port.stats, &xel_port_eth_stats_t::tx_packets, 640);
        add(port.stats, &xel_port_eth_stats_t::tx_bytes, 655360);
        add(port.stats, &xel_port_eth_stats_t::rx_packets, 1280);
        add(port.stats, &xel_port_eth_stats_t::rx_bytes, 1310720);
    } else {
        add(port.stats, &xel_port_fc_stats_t::tx_frames, 512);
        add(port.stats, &xel_port_fc_stats_t::tx_words, 262144);
        add(port.stats, &xel_port_fc_stats_t::rx_frames, 1024);
        add(port.stats, &xel_port_fc_stats_t::rx_words, 524288);
    }
    call.changed = true;
}

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

void seed_port(const sim_adapter &ad, const sim_function &fn, sim_port_state *port)
{
    port->link = port->link && fn.link;
    port->dport = port->dport || fn.dport;
    port->trunked = ad.trunked;
    port->mode_cfg = ad.port_mode;
    if (!port->stats.empty())
        return;
    if (ethernet_port(ad, fn.port)) {
        add(port->stats, &xel_port_eth_stats_t::secs_reset, 3600);
        add(port->stats, &xel_port_eth_stats_t::frame_64, 512);
        add(port->stats, &xel_port_eth_stats_t::frames_65_127_bytes, 2048);
        add(port->stats, &xel_port_eth_stats_t::tx_packets, 8192);
        add(port->stats, &xel_port_eth_stats_t::tx_bytes, 8388608);
        add(port->stats, &xel_port_eth_stats_t::tx_multicast_packets, 64);
        add(port->stats, &xel_port_eth_stats_t::rx_packets, 16384);
        add(port->stats, &xel_port_eth_stats_t::rx_bytes, 16777216);
        add(port->stats, &xel_port_eth_stats_t::rx_broadcast_packets, 16);
        add(port->fcoe_stats, &xel_fcoe_stats_t::fip_link_up, 1);
        add(port->fcoe_stats, &xel_fcoe_stats_t::vlan_requests, 1);
        add(port->fcoe_stats, &xel_fcoe_stats_t::vlan_notifications, 1);
        add(port->fcoe_stats, &xel_fcoe_stats_t::discovery_requests, 2);
        add(port->fcoe_stats, &xel_fcoe_stats_t::discovery_responses, 2);
        add(port->fcoe_stats, &xel_fcoe_stats_t::tx_fcoe_unicast_frames, 4096);
        add(port->fcoe_stats, &xel_fcoe_stats_t::rx_fcoe_unicast_frames, 8192);
        add(port->cee_stats, &xel_cee_stats_t::lldp_tx_frames, 120);
        add(port->cee_stats, &xel_cee_stats_t::lldp_rx_frames, 118);
        add(port->cee_stats, &xel_cee_stats_t::lldp_rx_frames_new, 1);
        add(port->cee_stats, &xel_cee_stats_t::dcbx_phylink_ups, 1);
        add(port->cee_stats, &xel_cee_stats_t::dcbx_rx_tlvs, 354);
        add(port->cee_stats, &xel_cee_stats_t::dcbx_cee_cfg_new, 1);
        add(port->cee_stats, &xel_cee_stats_t::cee_status_up, 1);
    } else {
        add(port->stats, &xel_port_fc_stats_t::secs_reset, 3600);
        add(port->stats, &xel_port_fc_stats_t::tx_frames, 1024);
        add(port->stats, &xel_port_fc_stats_t::tx_words, 65536);
        add(port->stats, &xel_port_fc_stats_t::rx_frames, 2048);
        add(port->stats, &xel_port_fc_stats_t::rx_words, 131072);
        add(port->stats, &xel_port_fc_stats_t::loss_of_sync_count, 1);
        add(port->stats, &xel_port_fc_stats_t::loss_of_signal_count, 1);
    }
}

// The per-function answers that need a kind of function.
bool storage(const sim_call &call)
{
    return call.fn().storage();
}

// ---- enable and disable -----------------------------------------------------

int32_t set_port_enabled(sim_call &call, bool enable)
{
    if (call.st.ioc_state != XEL_IOC_OPERATIONAL)
        return XEL_STATUS_IOC_NON_OP;
    sim_port_state &port = port_of(call);
    if (enable && (!port.enabled || !port.fcoe_enabled))
        come_up(port);
    port.enabled = enable;
    if (enable)
        port.fcoe_enabled = true;
    call.changed = true;
    return XEL_STATUS_OK;
}

int32_t set_fcoe_enabled(sim_call &call, bool enable)
{
    if (!is_fcoe(call))
        return XEL_STATUS_CMD_NOTSUPP;
    if (call.st.ioc_state != XEL_IOC_OPERATIONAL)
        return XEL_STATUS_IOC_NON_OP;
    sim_port_state &port = port_of(call);
    if (enable && !port.fcoe_enabled)
        come_up(port);
    port.fcoe_enabled = enable;
    call.changed = true;
    return XEL_STATUS_OK;
}

// Settings the FC side of a port takes; the Ethernet function has none.
int32_t fc_setting(sim_call &call, void (*apply)(sim_call &call, sim_port_state &port))
{
    if (!storage(call))
        return XEL_STATUS_CMD_NOTSUPP;
    apply(call, port_of(call));
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
    return port_of(call).mode_cfg;
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

int32_t sim_port_get_attr(sim_call &call)
{
    auto record = answer_record<xel_ioctl_port_attr_t>(call);
    const sim_port_state &port = port_of(call);
    const sim_function &fn = call.fn();
    const sim_adapter &ad = call.adapter();
    xel_port_attr_s &a = record.attr;
    bool up = link_up(call, port);
    if (fn.storage()) {
        a.nwwn = a.factorynwwn = fn.nwwn;
        a.pwwn = a.factorypwwn = fn.pwwn;
        a.cos_supported = FC_CLASS_3;
        std::snprintf(a.port_symname, sizeof a.port_symname, "%s | %s | Linux | host%d", ad.model.c_str(),
                      ad.driver_ver.c_str(), fn.host);
    }
    a.speed_supported = port_max_speed(call);
    xel_port_cfg_s &cfg = a.pport_cfg;
    cfg.topology = port.cfg_topology;
    cfg.speed = port.cfg_speed;
    cfg.trunked = port.trunked;
    cfg.cfg_hardalpa = port.cfg_hardalpa;
    cfg.hardalpa = port.hardalpa;
    cfg.maxfrsize = port.maxfrsize;
    cfg.rx_bbcredit = 16;
    cfg.tx_bbcredit = 8;
    cfg.trl_def_speed = XEL_PORT_SPEED_1GBPS;
    cfg.bb_scn = port.bbsc ? 14 : 0;
    cfg.bb_scn_state = port.bbsc;
    cfg.faa_state = XEL_FAA_DISABLED;
    cfg.path_tov = 30;
    cfg.q_depth = 32;
    cfg.qos_bw = {0, 60, 30, 10};
    a.port_state = side_state(call, port);
    a.speed = operational_speed(call, port);
    a.topology = up && fn.storage() ? port.op_topology : uint32_t{XEL_PORT_TOPOLOGY_NONE};
    a.bbsc_op_status = up && port.op_bbsc;
    a.pid = fn.storage() ? port_address(call, port) : 0;
    a.port_type = !up || !fn.storage()                        ? XEL_PORT_TYPE_UNKNOWN
                  : port.op_topology == XEL_PORT_TOPOLOGY_LOOP ? XEL_PORT_TYPE_NLPORT
                                                               : XEL_PORT_TYPE_NPORT;
    if (is_fcoe(call))
        a.fcoe_vlan = 1002;
    store(call, record);
    return XEL_STATUS_OK;
}

int32_t sim_ethport_get_attr(sim_call &call)
{
    if (storage(call))
        return XEL_STATUS_CMD_NOTSUPP;
    auto record = answer_record<xel_ioctl_ethport_attr_t>(call);
    const sim_port_state &port = port_of(call);
    record.attr.mtu = 1500;
    record.attr.speed_supported = XEL_PORT_SPEED_10GBPS;
    record.attr.port_state = side_state(call, port);
    record.attr.speed = operational_speed(call, port);
    store(call, record);
    return XEL_STATUS_OK;
}

int32_t sim_faa_query(sim_call &call)
{
    if (!storage(call))
        return XEL_STATUS_CMD_NOTSUPP;
    auto record = answer_record<xel_ioctl_faa_attr_t>(call);
    record.faa_attr.faa = call.fn().pwwn;
    record.faa_attr.faa_state = XEL_FAA_DISABLED;
    record.faa_attr.pwwn_source = XEL_FAA_FACTORY;
    store(call, record);
    return XEL_STATUS_OK;
}

int32_t sim_qos_get_attr(sim_call &call)
{
    if (!is_fc(call))
        return XEL_STATUS_QOS_FC_ONLY;
    auto record = answer_record<xel_ioctl_qos_attr_t>(call);
    record.attr.state = XEL_QOS_DISABLED;
    record.attr.total_bb_cr = 16;
    record.attr.qos_bw = {1, 60, 30, 10};
    record.attr.qos_bw_op = record.attr.qos_bw;
    store(call, record);
    return XEL_STATUS_OK;
}

// ---- statistics ---------------------------------------------------------

int32_t sim_port_get_stats(sim_call &call)
{
    auto record = load<xel_ioctl_port_stats_t>(call);
    if (record.bufsz < XEL_PORT_STATS_SIZE)
        return XEL_STATUS_EINVAL;
    sim_port_state &port = port_of(call);
    run_port_traffic(call, port);
    put_counters(port.stats, call.data.data() + sizeof record, XEL_PORT_STATS_SIZE, sizeof(uint64_t));
    return XEL_STATUS_OK;
}

int32_t sim_port_reset_stats(sim_call &call)
{
    port_of(call).stats.clear();
    call.changed = true;
    return XEL_STATUS_OK;
}

int32_t sim_fcoe_get_stats(sim_call &call)
{
    if (!is_fcoe(call))
        return XEL_STATUS_CMD_NOTSUPP;
    auto record = answer_record<xel_ioctl_fcport_stats_t>(call);
    uint8_t stats[sizeof record.stats];
    put_counters(port_of(call).fcoe_stats, stats, sizeof stats, sizeof(uint64_t));
    std::memcpy(&record.stats, stats, sizeof stats);
    store(call, record);
    return XEL_STATUS_OK;
}

int32_t sim_fcoe_reset_stats(sim_call &call)
{
    if (!is_fcoe(call))
        return XEL_STATUS_CMD_NOTSUPP;
    port_of(call).fcoe_stats.clear();
    call.changed = true;
    return XEL_STATUS_OK;
}

// ---- persistent settings --------------------------------------------------

int32_t sim_port_cfg_topology(sim_call &call)
{
    auto record = load<xel_ioctl_port_cfg_topo_t>(call);
    if (is_fcoe(call))
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
    if (!storage(call))
        return XEL_STATUS_CMD_NOTSUPP;
    if (!sfp_supports(call, record.speed))
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
    return storage(call) ? XEL_STATUS_OK : XEL_STATUS_CMD_NOTSUPP;
}

int32_t sim_port_get_rnid_info(sim_call &call)
{
    if (!storage(call))
        return XEL_STATUS_CMD_NOTSUPP;
    auto record = answer_record<xel_ioctl_port_rnid_t>(call);
    record.info.wwn = call.fn().nwwn;
    record.info.unittype = 0x0a;
    record.info.portid = port_address(call, port_of(call));
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
    if (!is_fc(call))
        return XEL_STATUS_BBSC_FC_ONLY;
    return fc_setting(call, [](sim_call &, sim_port_state &port) { port.bbsc = true; });
}

int32_t sim_port_bbsc_disable(sim_call &call)
{
    if (!is_fc(call))
        return XEL_STATUS_BBSC_FC_ONLY;
    return fc_setting(call, [](sim_call &, sim_port_state &port) { port.bbsc = false; });
}

int32_t sim_port_nwpart(sim_call &call)
{
    return call.adapter().cna_capable ? XEL_STATUS_OK : XEL_STATUS_CMD_NOTSUPP;
}

// ---- trunking -----------------------------------------------------------

int32_t sim_port_enable_trunk(sim_call &call)
{
    if (!is_fc(call))
        return XEL_STATUS_CMD_NOTSUPP;
    if (!call.adapter().trunk_capable)
        return XEL_STATUS_TRUNK_UNSUPP_SINGLE_PORT;
    return fc_setting(call, [](sim_call &, sim_port_state &port) { port.trunked = true; });
}

int32_t sim_port_disable_trunk(sim_call &call)
{
    if (!is_fc(call))
        return XEL_STATUS_CMD_NOTSUPP;
    return fc_setting(call, [](sim_call &, sim_port_state &port) { port.trunked = false; });
}

// The trunk as its members see it: online while a member link is up; its
// speed the sum of the members up.
int32_t sim_port_get_trunk_attr(sim_call &call)
{
    if (!is_fc(call))
        return XEL_STATUS_CMD_NOTSUPP;
    auto record = answer_record<xel_ioctl_trunk_attr_t>(call);
    xel_trunk_attr_s &t = record.attr;
    if (port_of(call).trunked) {
        const sim_adapter &ad = call.adapter();
        uint32_t total = 0;
        for (uint32_t member = 0; member < 2 && member < ad.nports; member++) {
            const sim_port_state &port = call.host.ports[sim_port_key(ad, member)];
            bool up = port.enabled && port.link && !port.dport && port.trunked &&
                      call.st.ioc_state == XEL_IOC_OPERATIONAL;
            uint32_t speed = 0;
            if (up)
                speed = port.op_speed == XEL_PORT_SPEED_AUTO ? ad.max_speed : uint32_t{port.op_speed};
            xel_trunk_link_attr_s &link = t.link_attr[member];
            link.trunk_wwn = switch_port_wwn(call, member);
            link.fctl = XEL_TRUNK_LINK_FCTL_NORMAL;
            link.link_state = up ? XEL_TRUNK_LINK_STATE_UP : XEL_TRUNK_LINK_STATE_DN_LINKDN;
            link.speed = speed;
            link.deskew = up ? 12 * member : 0;
            total += speed;
        }
        t.state = total != 0 ? XEL_TRUNK_ONLINE : XEL_TRUNK_OFFLINE;
        t.speed = total;
        t.port_id = total != 0 ? fc_address(static_cast<uint8_t>(0x0a + call.ref.adapter_index), 0x10, 0) : 0;
    }
    store(call, record);
    return XEL_STATUS_OK;
}

// ---- CEE ----------------------------------------------------------------

namespace {

void put_lldp(xel_cee_lldp_str_t *field, uint8_t sub_type, const std::string &text)
{
    field->sub_type = sub_type;
    field->len = static_cast<uint8_t>(std::min<size_t>(text.size(), sizeof field->value));
    std::memcpy(field->value, text.data(), field->len);
}

} // namespace

// What the port learned from the DCB switch at the far end; with the
// physical link down, only that.
int32_t sim_cee_get_attr(sim_call &call)
{
    if (is_fc(call))
        return XEL_STATUS_CMD_NOTSUPP;
    auto record = load<xel_ioctl_cee_t>(call);
    if (record.bufsz < sizeof(xel_cee_attr_t))
        return XEL_STATUS_EINVAL;
    const sim_port_state &port = port_of(call);
    xel_cee_attr_t a{};
    // The port's MAC is its Ethernet function's.
    for (const auto &fn : call.adapter().functions)
        if (fn.port == call.fn().port && fn.ioc_type == XEL_IOC_TYPE_LL)
            a.src_mac = fn.mac;
    if (!port.enabled || !port.link) {
        a.cee_status = CEE_PHY_DOWN;
        a.error_reason = CEE_PHY_LINK_DOWN;
    } else {
        a.cee_status = CEE_UP;
        const uint8_t chassis[6] = {0x02, 0x00, 0x00, 0x00, 0x00, static_cast<uint8_t>(0x0a + call.ref.adapter_index)};
        a.lldp_remote.chassis_id.sub_type = 4;
        a.lldp_remote.chassis_id.len = sizeof chassis;
        std::memcpy(a.lldp_remote.chassis_id.value, chassis, sizeof chassis);
        put_lldp(&a.lldp_remote.port_id, 5, "te0/" + std::to_string(call.fn().port + 1));
        put_lldp(&a.lldp_remote.port_desc, 0, "10GbE DCB port");
        put_lldp(&a.lldp_remote.sys_name, 0, "dcb-switch-1");
        put_lldp(&a.lldp_remote.sys_desc, 0, "Emulated DCB switch");
        a.lldp_remote.time_to_live = 120;
        a.lldp_remote.enabled_system_cap = 4 | 16; // bridge, router
        xel_cee_dcbx_cfg_t &d = a.dcbx_remote;
        const uint8_t pgid[8] = {0, 0, 0, 1, 0, 0, 0, 0};
        std::memcpy(d.pgid, pgid, sizeof pgid);
        d.pg_percentage[0] = 60;
        d.pg_percentage[1] = 40;
        d.pfc_primap = 0x08;
        d.fcoe_primap = 0x08;
        d.dcbx_version = 2;
        d.lls_fcoe = 2;
        d.lls_lan = 2;
        a.link_speed = XEL_PORT_SPEED_10GBPS;
        a.nw_priority = 0;
    }
    std::memcpy(call.data.data() + sizeof record, &a, sizeof a);
    return XEL_STATUS_OK;
}

int32_t sim_cee_get_stats(sim_call &call)
{
    if (is_fc(call))
        return XEL_STATUS_CMD_NOTSUPP;
    auto record = load<xel_ioctl_cee_t>(call);
    if (record.bufsz < sizeof(xel_cee_stats_t))
        return XEL_STATUS_EINVAL;
    put_counters(port_of(call).cee_stats, call.data.data() + sizeof record, sizeof(xel_cee_stats_t),
                 sizeof(uint32_t));
    return XEL_STATUS_OK;
}

int32_t sim_cee_reset_stats(sim_call &call)
{
    if (is_fc(call))
        return XEL_STATUS_CMD_NOTSUPP;
    port_of(call).cee_stats.clear();
    call.changed = true;
    return XEL_STATUS_OK;
}

// ---- SFP and D-port -------------------------------------------------------

int32_t sim_sfp_media(sim_call &call)
{
    auto record = answer_record<xel_ioctl_sfp_media_t>(call);
    record.media = XEL_SFP_MEDIA_SW;
    store(call, record);
    return XEL_STATUS_OK;
}

int32_t sim_sfp_speed(sim_call &call)
{
    return sfp_supports(call, load<xel_ioctl_sfp_speed_t>(call).speed) ? XEL_STATUS_OK : XEL_STATUS_UNSUPP_SFP_SPEED;
}

int32_t sim_dport_enable(sim_call &call)
{
    if (!is_fc(call))
        return XEL_STATUS_CMD_NOTSUPP;
    sim_port_state &port = port_of(call);
    if (port.dport)
        return XEL_STATUS_DPORT_ENABLED;
    port.dport = true;
    call.changed = true;
    return XEL_STATUS_OK;
}

int32_t sim_dport_disable(sim_call &call)
{
    if (!is_fc(call))
        return XEL_STATUS_CMD_NOTSUPP;
    sim_port_state &port = port_of(call);
    if (!port.dport)
        return XEL_STATUS_DPORT_DISABLED;
    port.dport = false;
    call.changed = true;
    return XEL_STATUS_OK;
}

int32_t sim_dport_get_state(sim_call &call)
{
    if (!is_fc(call))
        return XEL_STATUS_CMD_NOTSUPP;
    auto record = answer_record<xel_ioctl_dport_state_t>(call);
    record.state = port_of(call).dport ? XEL_DPORT_ST_ENABLED : XEL_DPORT_ST_DISABLED;
    store(call, record);
    return XEL_STATUS_OK;
}

// ---- boot configuration ---------------------------------------------------

int32_t sim_bios_cfg(sim_call &call)
{
    if (!storage(call))
        return XEL_STATUS_CMD_NOTSUPP;
    auto record = load<xel_ioctl_bios_t>(call);
    if (boot_checksum(record.cfg) != record.cfg.chksum)
        return XEL_STATUS_CHECKSUM_FAIL;
    set_boot_record(port_of(call), record.cfg);
    call.changed = true;
    return XEL_STATUS_OK;
}

int32_t sim_bios_query(sim_call &call)
{
    if (!storage(call))
        return XEL_STATUS_CMD_NOTSUPP;
    auto record = answer_record<xel_ioctl_bios_t>(call);
    record.cfg = boot_record(port_of(call));
    store(call, record);
    return XEL_STATUS_OK;
}

// ---- flash: the configuration partitions and the manufacturing block ------

// Erasing the boot partition of a port blanks its boot configuration.
int32_t sim_flash_erase_part(sim_call &call)
{
    auto record = load<xel_ioctl_flash_t>(call);
    if (record.type < XEL_FLASH_PART_OPTROM || record.type > XEL_FLASH_PART_ASICBK)
        return XEL_STATUS_EINVAL;
    if (record.type == XEL_FLASH_PART_BOOT) {
        auto found = call.host.ports.find(sim_port_key(call.adapter(), record.instance));
        if (found == call.host.ports.end())
            return XEL_STATUS_EINVAL;
        found->second.boot.assign(sizeof(xel_boot_cfg_t), 0xff);
        call.changed = true;
    }
    return XEL_STATUS_OK;
}

// The manufacturing block carries the adapter's capability flags; the
// other partitions read as erased flash.
int32_t sim_flash_read_part(sim_call &call)
{
    auto record = load<xel_ioctl_flash_t>(call);
    if (record.bufsz > call.data.size() - sizeof record)
        return XEL_STATUS_EINVAL;
    uint8_t *data = call.data.data() + sizeof record;
    std::memset(data, 0xff, record.bufsz);
    if (record.type != XEL_FLASH_PART_MFG)
        return XEL_STATUS_OK;
    const sim_adapter &ad = call.adapter();
    bool multi = ad.device_id == 0x22;
    bool fc = (ad.cap_bm & XEL_CAP_STORAGE) != 0;
    const bool flags[6] = {multi, multi, multi || fc, fc && ad.max_speed == 16, false, ad.is_mezz};
    uint8_t block[XEL_MFG_BLOCK_SIZE] = {};
    for (size_t i = 0; i < std::size(flags); i++)
        block[XEL_MFG_CAP_OFFSET + i] = flags[i] ? 'y' : 'n';
    std::memcpy(data, block, std::min<size_t>(record.bufsz, sizeof block));
    return XEL_STATUS_OK;
}

// ---- logical ports ----------------------------------------------------------

// A storage function has its base port; virtual ports come with their own
// model.
int32_t sim_fabric_get_lports(sim_call &call)
{
    if (!storage(call))
        return XEL_STATUS_CMD_NOTSUPP;
    auto record = load<xel_ioctl_fabric_lports_t>(call);
    size_t room = (call.data.size() - sizeof record) / sizeof(wwn_t);
    if (record.nports > room)
        return XEL_STATUS_EINVAL;
    if (record.nports >= 1) {
        wwn_t pwwn = call.fn().pwwn;
        std::memcpy(call.data.data() + sizeof record, &pwwn, sizeof pwwn);
    }
    record.nports = 1;
    store(call, record);
    return XEL_STATUS_OK;
}

int32_t sim_lport_get_attr(sim_call &call)
{
    if (!storage(call))
        return XEL_STATUS_CMD_NOTSUPP;
    auto record = load<xel_ioctl_lport_attr_t>(call);
    const sim_function &fn = call.fn();
    if (record.pwwn != fn.pwwn)
        return XEL_STATUS_UNKNOWN_LWWN;
    const sim_port_state &port = port_of(call);
    xel_lport_attr_t &a = record.attr;
    a = {};
    bool up = link_up(call, port);
    a.state = up ? 1 : 0;
    a.pid = port_address(call, port);
    a.port_cfg.pwwn = fn.pwwn;
    a.port_cfg.nwwn = fn.nwwn;
    std::snprintf(a.port_cfg.sym_name, sizeof a.port_cfg.sym_name, "%s | %s | Linux | host%d",
                  call.adapter().model.c_str(), call.adapter().driver_ver.c_str(), fn.host);
    std::snprintf(a.port_cfg.node_sym_name, sizeof a.port_cfg.node_sym_name, "%s | %s | Linux",
                  call.adapter().model.c_str(), call.adapter().driver_ver.c_str());
    a.port_cfg.roles = fn.roles;
    a.port_type = !up ? XEL_PORT_TYPE_UNKNOWN
                  : port.op_topology == XEL_PORT_TOPOLOGY_LOOP ? XEL_PORT_TYPE_NLPORT
                                                               : XEL_PORT_TYPE_NPORT;
    if (up && port.op_topology != XEL_PORT_TOPOLOGY_LOOP) {
        a.fabric_name = wwn_of(fabric_wwn);
        std::snprintf(a.fabric_ip_addr, sizeof a.fabric_ip_addr, "192.0.2.10");
    }
    if (is_fcoe(call) && up) {
        uint8_t pid[4];
        std::memcpy(pid, &a.pid, sizeof pid);
        a.fpma_mac = mac_t{{0x0e, 0xfc, 0x00, pid[0], pid[1], pid[2]}};
    }
    store(call, record);
    return XEL_STATUS_OK;
}
