// The network driver's vNIC side of an Ethernet function: its attributes
// and its counters. With traffic on, every statistics read of a function
// whose port has a link finds its first transmit and receive functions
// moved on by fixed amounts.
#include "sim_port.h"

#include "xel_pcifn_records.h"
#include "xel_stats_records.h"

#include <cstddef>
#include <cstring>

namespace {

constexpr uint64_t sim_vnic_tx_per_read = 2097152;
constexpr uint64_t sim_vnic_rx_per_read = 5000;

constexpr uint32_t txf0 = offsetof(xel_vnic_stats_t, txf_stats);
constexpr uint32_t rxf0 = offsetof(xel_vnic_stats_t, rxf_stats);

bool network(const sim_call &call)
{
    return !call.fn().storage();
}

mac_t multicast_all_hosts()
{
    return {{0x01, 0x00, 0x5e, 0x00, 0x00, 0x01}};
}

void fill_attr(const sim_call &call, xel_vnic_attr_t *attr)
{
    auto pcifn = static_cast<uint8_t>(call.fn().pci_function());
    attr->mtu = 1500;
    attr->iscsi_prio = 4;
    attr->default_nw_prio = 0;
    attr->tx_ipv4_cso = attr->tx_tcp_cso = attr->tx_udp_cso = attr->lso = 1;
    attr->rx_ipv4_cso = attr->rx_tcp_cso = attr->rx_udp_cso = 1;
    attr->num_txf = 1;
    xel_vnic_txf_attr_t &txf = attr->txf[0];
    txf = {pcifn, static_cast<uint8_t>(pcifn * 4), pcifn, 1, {}};
    txf.txq[0] = {0, static_cast<uint8_t>(pcifn * 8), 0, 0, 2048};
    attr->num_rxf = 1;
    xel_vnic_rxf_attr_t &rxf = attr->rxf[0];
    rxf.host_id = pcifn;
    rxf.hw_id = static_cast<uint8_t>(pcifn * 4);
    rxf.num_ucast = 1;
    rxf.ucast[0] = call.fn().mac;
    rxf.num_mcast = 1;
    rxf.mcast[0] = multicast_all_hosts();
    rxf.is_default = 1;
    rxf.vlan_filter = 1;
    rxf.num_rxp = 1;
    rxf.rxp[0] = {0, static_cast<uint8_t>(pcifn * 2), 2, 0, {}};
    rxf.rxp[0].rxq[0] = {0, static_cast<uint8_t>(pcifn * 4), 2048, 4096, 0};
    rxf.rxp[0].rxq[1] = {1, static_cast<uint8_t>(pcifn * 4 + 1), 2048, 4096, 0};
}

void run_vnic_traffic(sim_call &call)
{
    if (!call.host.topology.traffic || !sim_link_up(call, sim_port_of(call)))
        return;
    call.st.vnic_stats[txf0 + offsetof(xel_vnic_stats_txf_t, ucast_bytes)] += sim_vnic_tx_per_read;
    call.st.vnic_stats[txf0 + offsetof(xel_vnic_stats_txf_t, ucast_packets)] += sim_vnic_tx_per_read / 1024;
    call.st.vnic_stats[rxf0 + offsetof(xel_vnic_stats_rxf_t, ucast_bytes)] += sim_vnic_rx_per_read;
    call.st.vnic_stats[rxf0 + offsetof(xel_vnic_stats_rxf_t, ucast_packets)] += 5;
    call.changed = true;
}

// The layout counts are the driver's own, not counters: a clear keeps
// them. A count the state holds (a test's odd driver) stands instead.
void put_layout(const std::map<uint32_t, uint64_t> &held, xel_vnic_stats_t *stats)
{
    auto put = [&](uint64_t &field, uint64_t value) {
        auto offset = static_cast<uint32_t>(reinterpret_cast<uint8_t *>(&field) - reinterpret_cast<uint8_t *>(stats));
        if (held.count(offset) == 0)
            field = value;
    };
    put(stats->num_txf, 1);
    put(stats->txf_stats[0].num_txq, 1);
    put(stats->num_rxf, 1);
    put(stats->rxf_stats[0].num_rxp, 1);
    put(stats->rxf_stats[0].rxp_stats[0].num_rxq, 2);
    put(stats->rxf_stats[0].rxp_stats[0].rxq_stats[1].rx_queue, 1);
}

} // namespace

int32_t sim_vnic_get_attr(sim_call &call)
{
    if (!network(call))
        return XEL_STATUS_CMD_NOTSUPP;
    auto record = load<xel_ioctl_vnic_buf_t>(call);
    if (record.buf_size < XEL_VNIC_ATTR_SIZE)
        return XEL_STATUS_EINVAL;
    auto *attr = reinterpret_cast<xel_vnic_attr_t *>(call.data.data() + sizeof record);
    std::memset(attr, 0, sizeof *attr);
    fill_attr(call, attr);
    return XEL_STATUS_OK;
}

int32_t sim_vnic_get_stats(sim_call &call)
{
    if (!network(call))
        return XEL_STATUS_CMD_NOTSUPP;
    auto record = load<xel_ioctl_vnic_buf_t>(call);
    if (record.buf_size < XEL_VNIC_STATS_SIZE)
        return XEL_STATUS_EINVAL;
    if (call.st.ioc_state != XEL_IOC_OPERATIONAL)
        return XEL_STATUS_IOC_NON_OP;
    run_vnic_traffic(call);
    uint8_t *data = call.data.data() + sizeof record;
    sim_put_counters(call.st.vnic_stats, data, XEL_VNIC_STATS_SIZE, sizeof(uint64_t));
    xel_vnic_stats_t layout{};
    std::memcpy(&layout, data, sizeof layout);
    put_layout(call.st.vnic_stats, &layout);
    std::memcpy(data, &layout, sizeof layout);
    return XEL_STATUS_OK;
}

int32_t sim_vnic_clear_stats(sim_call &call)
{
    if (!network(call))
        return XEL_STATUS_CMD_NOTSUPP;
    call.st.vnic_stats.clear();
    call.changed = true;
    return XEL_STATUS_OK;
}
