// The port's counters: FC or Ethernet port counters, FCoE and CEE
// counters. They start seeded and stay steady unless the topology turns
// traffic on; each reset zeroes its own.
#include "sim_port.h"

#include <algorithm>
#include <cstring>

namespace {

template <typename Record, typename Counter>
void add(std::map<uint32_t, uint64_t> &counters, Counter Record::*field, uint64_t value)
{
    Record record{};
    auto offset = static_cast<uint32_t>(reinterpret_cast<const uint8_t *>(&(record.*field)) -
                                        reinterpret_cast<const uint8_t *>(&record));
    counters[offset] += value;
}

// A port with an FCoE or Ethernet function counts Ethernet frames.
bool ethernet_port(const sim_adapter &ad, uint32_t port)
{
    return std::any_of(ad.functions.begin(), ad.functions.end(),
                       [port](const sim_function &fn) { return fn.port == port && fn.ioc_type != XEL_IOC_TYPE_FC; });
}

void seed_ethernet(sim_port_state *port)
{
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
}

void seed_fc(sim_port_state *port)
{
    add(port->stats, &xel_port_fc_stats_t::secs_reset, 3600);
    add(port->stats, &xel_port_fc_stats_t::tx_frames, 1024);
    add(port->stats, &xel_port_fc_stats_t::tx_words, 65536);
    add(port->stats, &xel_port_fc_stats_t::rx_frames, 2048);
    add(port->stats, &xel_port_fc_stats_t::rx_words, 131072);
    add(port->stats, &xel_port_fc_stats_t::loss_of_sync_count, 1);
    add(port->stats, &xel_port_fc_stats_t::loss_of_signal_count, 1);
}

// Traffic: frames (FC) or packets (Ethernet) sent and received, each of
// size words or bytes.
void add_traffic(sim_port_state &port, bool ethernet, uint64_t sent, uint64_t received, uint64_t size)
{
    if (ethernet) {
        add(port.stats, &xel_port_eth_stats_t::tx_packets, sent);
        add(port.stats, &xel_port_eth_stats_t::tx_bytes, sent * size);
        add(port.stats, &xel_port_eth_stats_t::rx_packets, received);
        add(port.stats, &xel_port_eth_stats_t::rx_bytes, received * size);
    } else {
        add(port.stats, &xel_port_fc_stats_t::tx_frames, sent);
        add(port.stats, &xel_port_fc_stats_t::tx_words, sent * size);
        add(port.stats, &xel_port_fc_stats_t::rx_frames, received);
        add(port.stats, &xel_port_fc_stats_t::rx_words, received * size);
    }
}

// With traffic on, the port's counters move at every read while the link
// is up.
void run_port_traffic(sim_call &call, sim_port_state &port)
{
    if (!call.host.topology.traffic || !sim_link_up(call, port))
        return;
    if (ethernet_port(call.adapter(), call.fn().port))
        add_traffic(port, true, 640, 1280, 1024);
    else
        add_traffic(port, false, 512, 1024, 512);
    call.changed = true;
}

// With traffic on, the FCoE function's octets move at every read while
// the link is up: 3 MiB sent and 512 bytes received.
void run_fcoe_traffic(sim_call &call, sim_port_state &port)
{
    if (!call.host.topology.traffic || !sim_link_up(call, port))
        return;
    add(port.fcoe_stats, &xel_fcoe_stats_t::tx_fcoe_unicast_octets, uint64_t{3} << 20);
    add(port.fcoe_stats, &xel_fcoe_stats_t::rx_fcoe_unicast_octets, 512);
    call.changed = true;
}

} // namespace

// A host can start as if long in service: its traffic counters beyond
// what 32 bits hold.
void sim_seed_counters(const sim_topology &topology, const sim_adapter &ad, const sim_function &fn,
                       sim_port_state *port)
{
    if (!port->stats.empty())
        return;
    bool ethernet = ethernet_port(ad, fn.port);
    if (ethernet)
        seed_ethernet(port);
    else
        seed_fc(port);
    add_traffic(*port, ethernet, topology.counter_base, topology.counter_base, 1);
}

// Counters into their record, which is at least as large as the offsets.
void sim_put_counters(const std::map<uint32_t, uint64_t> &counters, uint8_t *record, size_t size, size_t width)
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

int32_t sim_port_get_stats(sim_call &call)
{
    auto record = load<xel_ioctl_port_stats_t>(call);
    if (record.bufsz < XEL_PORT_STATS_SIZE)
        return XEL_STATUS_EINVAL;
    sim_port_state &port = sim_port_of(call);
    run_port_traffic(call, port);
    sim_put_counters(port.stats, call.data.data() + sizeof record, XEL_PORT_STATS_SIZE, sizeof(uint64_t));
    return XEL_STATUS_OK;
}

int32_t sim_port_reset_stats(sim_call &call)
{
    sim_port_of(call).stats.clear();
    call.changed = true;
    return XEL_STATUS_OK;
}

int32_t sim_fcoe_get_stats(sim_call &call)
{
    if (!sim_is_fcoe(call))
        return XEL_STATUS_CMD_NOTSUPP;
    auto record = answer_record<xel_ioctl_fcport_stats_t>(call);
    sim_port_state &port = sim_port_of(call);
    run_fcoe_traffic(call, port);
    uint8_t stats[sizeof record.stats];
    sim_put_counters(port.fcoe_stats, stats, sizeof stats, sizeof(uint64_t));
    std::memcpy(&record.stats, stats, sizeof stats);
    store(call, record);
    return XEL_STATUS_OK;
}

int32_t sim_fcoe_reset_stats(sim_call &call)
{
    if (!sim_is_fcoe(call))
        return XEL_STATUS_CMD_NOTSUPP;
    sim_port_of(call).fcoe_stats.clear();
    call.changed = true;
    return XEL_STATUS_OK;
}
