// The vNIC query's function lines and the vNIC statistics.
#include "ixovnic.h"

#include "ixo_values.h"
#include "xell_stats.h"

#include <cinttypes>
#include <cstdio>
#include <cstring>

namespace {

const char *ixo_on_off(uint8_t flag)
{
    return flag ? "Enabled" : "Disabled";
}

void ixo_vnic_print_txf(int index, const xel_vnic_txf_attr_t &txf)
{
    std::printf("Tx function %d\n", index);
    std::printf("\tHost id\t\t\t: %d\n", txf.host_id);
    std::printf("\tHW id\t\t\t: %d\n", txf.hw_id);
    std::printf("\tQueue set id\t\t: %d\n", txf.qset_id);
    std::printf("\tQueues\t\t\t: %u\n", txf.num_txq);
    for (uint32_t q = 0; q < txf.num_txq; q++) {
        const xel_vnic_txq_attr_t &txq = txf.txq[q];
        std::printf("\tTx queue %u\n", q);
        std::printf("\t\tQueue id\t: %d\n", txq.txq_id);
        std::printf("\t\tHW id\t\t: %d\n", txq.hw_id);
        std::printf("\t\tMSI-X vector\t: %d\n", txq.msix_vector);
        std::printf("\t\tPriority\t: %d\n", txq.priority);
        std::printf("\t\tDepth\t\t: %d\n", txq.depth);
    }
}

void ixo_vnic_print_macs(const char *title, const mac_t *macs, int count)
{
    std::printf("\t%s: %d\n", title, count);
    for (int i = 0; i < count; i++) {
        std::printf("\t\t");
        ixo_print_mac(macs[i]);
        std::printf("\n");
    }
}

void ixo_vnic_print_rxp(uint32_t index, const xel_vnic_rxp_attr_t &rxp)
{
    std::printf("\tRx path %u\n", index);
    std::printf("\t\tCQ id\t\t: %d\n", rxp.cq_id);
    std::printf("\t\tHW CQ id\t: %d\n", rxp.hw_cq_id);
    for (uint32_t q = 0; q < rxp.num_rxq; q++) {
        const xel_vnic_rxq_attr_t &rxq = rxp.rxq[q];
        std::printf("\t\tRx queue %u\n", q);
        std::printf("\t\t\tQueue id\t: %d\n", rxq.rxq_id);
        std::printf("\t\t\tHW id\t\t: %d\n", rxq.hw_id);
        std::printf("\t\t\tBuffer size\t: %d\n", rxq.buf_size);
        std::printf("\t\t\tDepth\t\t: %d\n", rxq.depth);
    }
}

void ixo_vnic_print_rxf(int index, const xel_vnic_rxf_attr_t &rxf)
{
    std::printf("Rx function %d\n", index);
    std::printf("\tHost id\t\t\t: %d\n", rxf.host_id);
    std::printf("\tHW id\t\t\t: %d\n", rxf.hw_id);
    ixo_vnic_print_macs("Unicast addresses\t", rxf.ucast, rxf.num_ucast);
    std::printf("\tUnicast VLAN addresses\t: %d\n", rxf.num_ucast_vlan);
    for (int i = 0; i < rxf.num_ucast_vlan; i++) {
        std::printf("\t\t");
        ixo_print_mac(rxf.ucast_vlan[i].mac);
        std::printf(" vlan %d\n", rxf.ucast_vlan[i].vlan);
    }
    ixo_vnic_print_macs("Multicast addresses\t", rxf.mcast, rxf.num_mcast);
    std::printf("\tPromiscuous mode\t: %s\n", ixo_on_off(rxf.promisc));
    std::printf("\tDefault mode\t\t: %s\n", ixo_on_off(rxf.is_default));
    std::printf("\tVLAN filter\t\t: %s\n", ixo_on_off(rxf.vlan_filter));
    std::printf("\tRSS\t\t\t: %s\n", ixo_on_off(rxf.rss));
    std::printf("\tRx paths\t\t: %u\n", rxf.num_rxp);
    for (uint32_t p = 0; p < rxf.num_rxp; p++)
        ixo_vnic_print_rxp(p, rxf.rxp[p]);
}

// The counters of one record's table, but its first row (the record's
// index, which heads it) and its nested records; indent tabs before each.
void ixo_vnic_print_counters(const xell_stats_t *table, const void *record, const char *indent)
{
    for (int i = 1; i < table->count; i++) {
        const xell_stats_desc_t &row = table->desc[i];
        if (row.type != XELL_UINT64)
            continue;
        uint64_t value = 0;
        std::memcpy(&value, static_cast<const uint8_t *>(record) + row.offset, sizeof value);
        std::printf("%s%s\t: %" PRIu64 "\n", indent, row.desc, value);
    }
}

void ixo_vnic_print_list(const char *label, const uint64_t (&values)[8])
{
    std::printf("\t%s\t: ", label);
    for (int i = 0; i < 8; i++)
        std::printf("%s%" PRIu64, i ? "," : "", values[i]);
    std::printf("\n");
}

void ixo_vnic_print_bpc(const xel_vnic_stats_bpc_t &bpc)
{
    std::printf("BPC stats\n");
    ixo_vnic_print_list("Tx Pause", bpc.tx_pause);
    ixo_vnic_print_list("Tx Zero Pause", bpc.tx_zero_pause);
    ixo_vnic_print_list("Tx First Pause", bpc.tx_first_pause);
    ixo_vnic_print_list("Rx Pause", bpc.rx_pause);
    ixo_vnic_print_list("Rx Zero Pause", bpc.rx_zero_pause);
    ixo_vnic_print_list("Rx First Pause", bpc.rx_first_pause);
}

void ixo_vnic_print_rad(const char *title, const xel_vnic_stats_rad_t &rad)
{
    std::printf("%s\n", title);
    std::printf("\tRx frames\t: %" PRIu64 "\n", rad.rx_frames);
    ixo_vnic_print_counters(&xell_xel_vnic_stats_rad, &rad, "\t");
}

} // namespace

void ixo_vnic_print_functions(const xel_vnic_attr_t &attr)
{
    for (uint32_t i = 0; i < attr.num_txf; i++)
        ixo_vnic_print_txf(static_cast<int>(i), attr.txf[i]);
    for (uint32_t i = 0; i < attr.num_rxf; i++)
        ixo_vnic_print_rxf(static_cast<int>(i), attr.rxf[i]);
}

void ixo_vnic_print_stats(const xel_vnic_stats_t &stats)
{
    std::printf("Link toggle count\t: %" PRIu64 "\n", stats.link_toggle_count);
    std::printf("CEE toggle count\t: %" PRIu64 "\n", stats.cee_toggle_count);
    ixo_vnic_print_bpc(stats.bpc_stats);
    ixo_vnic_print_rad("RAD stats", stats.rad_stats);
    ixo_vnic_print_rad("RLB stats", stats.rlb_stats);
    for (uint64_t i = 0; i < stats.num_txf; i++) {
        const xel_vnic_stats_txf_t &txf = stats.txf_stats[i];
        std::printf("Tx Function %" PRIu64 "\n", txf.tx_function);
        ixo_vnic_print_counters(&xell_xel_vnic_stats_txf, &txf, "\t");
        for (uint64_t q = 0; q < txf.num_txq; q++) {
            std::printf("\tTx Queue %" PRIu64 "\n", txf.txq_stats[q].tx_queue);
            ixo_vnic_print_counters(&xell_xel_vnic_stats_txq, &txf.txq_stats[q], "\t\t");
        }
    }
    for (uint64_t i = 0; i < stats.num_rxf; i++) {
        const xel_vnic_stats_rxf_t &rxf = stats.rxf_stats[i];
        std::printf("Rx Function %" PRIu64 "\n", rxf.rx_function);
        ixo_vnic_print_counters(&xell_xel_vnic_stats_rxf, &rxf, "\t");
        for (uint64_t p = 0; p < rxf.num_rxp; p++) {
            const xel_vnic_stats_rxp_t &rxp = rxf.rxp_stats[p];
            std::printf("\tRx Path %" PRIu64 "\n", rxp.rx_path);
            ixo_vnic_print_counters(&xell_xel_vnic_stats_rxp, &rxp, "\t\t");
            for (uint64_t q = 0; q < rxp.num_rxq; q++) {
                std::printf("\t\tRx Queue %" PRIu64 "\n", rxp.rxq_stats[q].rx_queue);
                ixo_vnic_print_counters(&xell_xel_vnic_stats_rxq, &rxp.rxq_stats[q], "\t\t\t");
            }
        }
    }
}
