// The port performance monitor: the transmit and receive throughput of a
// range of ports, one line per interval. FC ports are measured from their
// FC counters, Ethernet ports from their Ethernet counters, and a
// converged port gets two column groups: its FCoE traffic and the sum of
// its vNICs. Counter glitches never produce a rate the link cannot carry.
#include "ixoport.h"

#include "ixo_commands.h"
#include "ixo_errors.h"
#include "ixo_values.h"

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int ixo_perf_max_ports = 32;
constexpr int ixo_perf_max_entries = 64;
constexpr int ixo_perf_column = 16;

struct ixo_port_perf_attr_t {
    int ad_id = 0;
    int port_id = 0;
    xel_ioc_type_t ad_type = XEL_IOC_TYPE_FC;
    xel_ioc_type_t op_type = XEL_IOC_TYPE_FC;
    xell_t *xell = nullptr;
    int was_halted = 0;
    uint32_t speed = 0;
};

// Two counters per entry: index 0 transmit, 1 receive.
using ixo_perf_sample = uint64_t[2];

struct ixo_perf_state {
    std::vector<ixo_port_perf_attr_t> attrs;
    ixo_perf_sample preold_perf_int[ixo_perf_max_entries] = {};
    ixo_perf_sample old_perf_int[ixo_perf_max_entries] = {};
    ixo_perf_sample new_perf_int[ixo_perf_max_entries] = {};
    ixo_perf_sample perf_int[ixo_perf_max_entries] = {};
    ixo_perf_sample perf_exp[ixo_perf_max_entries] = {};
    const char *unit[ixo_perf_max_entries][2] = {};
};

// ---- words -------------------------------------------------------------------

// A decimal option value.
bool ixo_perf_value(const char *text, uint64_t *value)
{
    return ixo_verify_num(text) && ixo_parse_uint(text, UINT32_MAX, value);
}

int ixo_perf_options(char **argv, int argc, uint64_t *count, uint64_t *interval)
{
    bool seen_count = false, seen_interval = false;
    for (int i = 4; i < argc; i += 2) {
        bool is_count = std::strcmp(argv[i], "-c") == 0;
        bool is_interval = std::strcmp(argv[i], "-i") == 0;
        if ((!is_count && !is_interval) || (is_count && seen_count) || (is_interval && seen_interval))
            return E_CLI_INCORRECT_CMD;
        if (i + 1 >= argc)
            return E_CLI_TOO_FEW_ARGS;
        if (!ixo_perf_value(argv[i + 1], is_count ? count : interval))
            return E_CLI_INCORRECT_CMD;
        (is_count ? seen_count : seen_interval) = true;
    }
    return E_CLI_NO_ERROR;
}

xell_t *ixo_port_first_ioc_of(int ad_idx, int port_idx)
{
    return xell_port_get_first_ioc(xell_adapter_get_port(xell_adapter_get_by_idx(ad_idx), port_idx));
}

// "all": the first port of the lowest adapter that has one to the last
// port of the highest.
int ixo_port_get_port_range(xell_t **first, xell_t **last)
{
    int count = static_cast<int>(xell_adapter_get_count());
    if (count == 0 || xell_adapter_get_by_idx(1) == nullptr)
        return E_CLI_INCORRECT_ADAPTER_ID;
    *first = *last = nullptr;
    for (int a = 1; a <= count && *first == nullptr; a++) {
        xell_adapter_t *adapter = xell_adapter_get_by_idx(a);
        for (int p = 0; adapter != nullptr && p < adapter->port_count && *first == nullptr; p++)
            *first = ixo_port_first_ioc_of(a, p);
    }
    for (int a = count; a >= 1 && *last == nullptr; a--) {
        xell_adapter_t *adapter = xell_adapter_get_by_idx(a);
        for (int p = adapter != nullptr ? adapter->port_count - 1 : -1; p >= 0 && *last == nullptr; p--)
            *last = ixo_port_first_ioc_of(a, p);
    }
    return *first != nullptr ? E_CLI_NO_ERROR : E_CLI_OPEN_ADAPTER_FAILED;
}

// A range word: FC ports first, then Ethernet ones. A second word that is
// not of the adapter/port form is only looked up: never a second target.
int ixo_perf_range_word(const char *word, xell_t **first, xell_t **last)
{
    int status = ixo_get_port_id(word, IXO_IOC_TYPE_FC, first, last);
    if (status != E_CLI_NO_ERROR)
        status = ixo_get_port_id(word, IXO_IOC_TYPE_ETH, first, last);
    if (status != E_CLI_NO_ERROR)
        return status;
    std::string text = word;
    size_t dash = text.find('-');
    ixo_pcifn_t numbers{};
    if (dash == std::string::npos || text.find('/') == std::string::npos ||
        !ixo_get_adapter_port_id(text.substr(dash + 1).c_str(), &numbers, false))
        *last = nullptr;
    return E_CLI_NO_ERROR;
}

// ---- the ports and entries ---------------------------------------------------

std::vector<xell_t *> ixo_perf_get_pio_range(xell_t *first, xell_t *last)
{
    if (first == nullptr) {
        std::printf("\nInvalid first port_id\n\n");
        return {};
    }
    if (last != nullptr &&
        (last->ad_id < first->ad_id || (last->ad_id == first->ad_id && last->port_num <= first->port_num))) {
        std::printf("\nIgnoring invalid last port_id\n\n");
        last = first;
    }
    if (last == nullptr)
        last = first;
    std::vector<xell_t *> list;
    bool truncated = false;
    for (int a = first->ad_id; a <= last->ad_id; a++) {
        xell_adapter_t *adapter = xell_adapter_get_by_idx(a);
        if (adapter == nullptr) {
            std::printf("ERROR: Could not get adapter handle!!\n");
            continue;
        }
        int from = a == first->ad_id ? first->port_num : 0;
        int to = a == last->ad_id ? last->port_num : adapter->port_count - 1;
        for (int p = from; p <= to; p++) {
            xell_t *ioc = xell_port_get_first_ioc(xell_adapter_get_port(adapter, p));
            if (ioc == nullptr) {
                std::printf("\nNull XELL handle, exiting\n\n");
                return {};
            }
            if (static_cast<int>(list.size()) == ixo_perf_max_ports) {
                truncated = true;
                break;
            }
            list.push_back(ioc);
        }
    }
    if (truncated)
        std::printf("\nWarning: Port range too high, reduced based on space available.\n\n");
    return list;
}

uint32_t ixo_port_get_speed(xell_t *ioc)
{
    xel_mode_t mode = XEL_MODE_HBA;
    if (xell_port_mode_get(ioc, true, &mode) != XEL_STATUS_OK) {
        std::printf("Error: Could not retrieve port mode for %d/%d/%d\n", ioc->ad_id, ioc->port_num, ioc->pcifn_id);
        return 0;
    }
    uint32_t speed = 0;
    bool read = false;
    if (mode == XEL_MODE_HBA) {
        xel_port_attr_s attr{};
        read = xell_port_get_attr(ioc, &attr) == XEL_STATUS_OK;
        speed = attr.speed;
    } else {
        auto cee = std::make_unique<xel_cee_attr_t>();
        read = xell_cee_get_attr(ioc, cee.get()) == XEL_STATUS_OK;
        speed = cee->link_speed;
    }
    if (!read) {
        std::printf("Error: Could not retrieve port speed for %d/%d/%d\n", ioc->ad_id, ioc->port_num, ioc->pcifn_id);
        return 0;
    }
    return speed == XEL_PORT_SPEED_AUTO ? 0 : speed;
}

// The table of column groups; a converged port takes two.
std::vector<ixo_port_perf_attr_t> ixo_perf_get_port_attr(const std::vector<xell_t *> &iocs)
{
    std::vector<ixo_port_perf_attr_t> attrs;
    for (xell_t *ioc : iocs) {
        bool fcoe = ioc->ioc_type == XEL_IOC_TYPE_FCoE;
        if (static_cast<int>(attrs.size()) + (fcoe ? 2 : 1) > ixo_perf_max_entries) {
            std::printf("\nPort range truncated to fit the screen!\n\n");
            break;
        }
        xell_port_t *port = xell_adapter_get_port(xell_adapter_get_by_idx(ioc->ad_id), ioc->port_num);
        if (xell_adapter_get_by_idx(ioc->ad_id) == nullptr) {
            std::printf("ERROR: Could not get adapter handle!!\n");
            continue;
        }
        if (port == nullptr) {
            std::printf("ERROR: Could not get port handle!!\n");
            continue;
        }
        ixo_port_perf_attr_t entry;
        entry.xell = fcoe ? xell_port_get_first_fcioc(port) : ioc;
        entry.ad_type = ioc->ioc_type;
        entry.op_type = fcoe ? XEL_IOC_TYPE_FC : ioc->ioc_type;
        entry.ad_id = ioc->ad_id;
        entry.port_id = ioc->port_num;
        entry.speed = ixo_port_get_speed(ioc);
        attrs.push_back(entry);
        if (!fcoe)
            continue;
        ixo_port_perf_attr_t eth = entry;
        eth.xell = xell_port_get_first_ethioc(port);
        eth.speed = eth.xell != nullptr ? ixo_port_get_speed(eth.xell) : 0;
        eth.op_type = XEL_IOC_TYPE_LL;
        attrs.push_back(eth);
    }
    return attrs;
}

// ---- reading -------------------------------------------------------------------

xel_status_t ixo_perf_get_ethport_stats(ixo_port_perf_attr_t &entry, uint64_t *tx, uint64_t *rx)
{
    xell_port_t *port = xell_adapter_get_port(xell_adapter_get_by_idx(entry.ad_id), entry.port_id);
    if (port == nullptr)
        return XEL_STATUS_FAILED;
    auto stats = std::make_unique<xel_vnic_stats_t>();
    for (size_t i = 0; i < port->ethioc_list.size(); i++) {
        xell_t *ioc = port->ethioc_list[i].get();
        const xell_stats_t *desc = nullptr;
        xel_status_t status = xell_vnic_get_stats(ioc, &desc, stats.get());
        if (status != XEL_STATUS_OK) {
            if (!entry.was_halted)
                std::printf("\nCould not get vNIC port(%d/%d/%d[%zu]) statistics, error code = %d\n", entry.ad_id,
                            entry.port_id, ioc->pcifn_id, i, status);
            return status;
        }
        for (uint64_t f = 0; f < stats->num_txf; f++) {
            const xel_vnic_stats_txf_t &txf = stats->txf_stats[f];
            *tx += txf.ucast_bytes + txf.mcast_bytes + txf.bcast_bytes;
        }
        for (uint64_t f = 0; f < stats->num_rxf; f++) {
            const xel_vnic_stats_rxf_t &rxf = stats->rxf_stats[f];
            *rx += rxf.ucast_bytes + rxf.mcast_bytes + rxf.bcast_bytes;
        }
    }
    return XEL_STATUS_OK;
}

xel_status_t ixo_perf_get_port_stats(ixo_port_perf_attr_t &entry, uint64_t *tx, uint64_t *rx)
{
    *tx = *rx = 0;
    if (entry.xell == nullptr)
        return XEL_STATUS_OK;
    if (entry.ad_type == XEL_IOC_TYPE_FCoE && entry.op_type == XEL_IOC_TYPE_LL)
        return ixo_perf_get_ethport_stats(entry, tx, rx);
    const xell_stats_t *desc = nullptr;
    xel_status_t status = XEL_STATUS_OK;
    const char *kind = "FC";
    if (entry.ad_type == XEL_IOC_TYPE_FCoE) {
        kind = "FCOE";
        xel_fcport_stats_t stats{};
        status = xell_fcoe_get_stats(entry.xell, &desc, &stats);
        const xel_fcoe_stats_t &f = stats.fcoe;
        *tx = f.tx_fcoe_unicast_octets + f.tx_fcoe_multicast_octets + f.tx_fcoe_broadcast_octets;
        *rx = f.rx_fcoe_unicast_octets + f.rx_fcoe_multicast_octets + f.rx_fcoe_broadcast_octets;
    } else {
        xel_port_stats_t stats{};
        status = xell_port_get_stats(entry.xell, &desc, &stats);
        bool fc = entry.ad_type == XEL_IOC_TYPE_FC;
        kind = fc ? "FC" : "ETH";
        *tx = fc ? stats.fc.tx_words * 4 : stats.eth.tx_bytes;
        *rx = fc ? stats.fc.rx_words * 4 : stats.eth.rx_bytes;
    }
    if (status != XEL_STATUS_OK) {
        *tx = *rx = 0;
        if (!entry.was_halted)
            std::printf("\nCould not get %s port(%d/%d) statistics, error code = %d\n", kind, entry.ad_id,
                        entry.port_id, status);
    }
    return status;
}

// ---- rates -------------------------------------------------------------------

// A counter that stood still after moving is skipped for this interval.
bool ixo_perf_port_check_sample(ixo_perf_state &s, size_t i, int dir)
{
    if (s.old_perf_int[i][dir] == s.preold_perf_int[i][dir])
        return true;
    if (s.new_perf_int[i][dir] == s.old_perf_int[i][dir]) {
        s.preold_perf_int[i][dir] = s.old_perf_int[i][dir];
        return false;
    }
    return true;
}

void ixo_perf_port_process_data(ixo_perf_state &s, size_t i, int dir, uint64_t interval)
{
    s.unit[i][dir] = " ";
    if (s.attrs[i].was_halted) {
        s.unit[i][dir] = "*";
        return;
    }
    // A plain unsigned difference is right across a wrap of the counter.
    uint64_t per_second = (s.new_perf_int[i][dir] - s.old_perf_int[i][dir]) / interval;
    uint64_t megabytes = per_second >> 20;
    if (megabytes > static_cast<uint64_t>(s.attrs[i].speed) * 128) {
        s.old_perf_int[i][dir] = s.new_perf_int[i][dir];
        s.perf_int[i][dir] = 0;
        return;
    }
    if (megabytes != 0) {
        s.perf_int[i][dir] = megabytes;
        s.perf_exp[i][dir] = (per_second / 104857) % 10;
        s.unit[i][dir] = "M";
        return;
    }
    uint64_t kilobytes = per_second >> 10;
    if (kilobytes == 0) {
        s.perf_int[i][dir] = per_second;
        if (per_second != 0)
            s.unit[i][dir] = "B";
        return;
    }
    s.perf_int[i][dir] = kilobytes;
    s.perf_exp[i][dir] = (per_second / 102) % 10;
    s.unit[i][dir] = "K";
}

// ---- output -----------------------------------------------------------------

bool ixo_perf_pair(const std::vector<ixo_port_perf_attr_t> &attrs, size_t i)
{
    return attrs[i].ad_type == XEL_IOC_TYPE_FCoE && i + 1 < attrs.size() &&
           attrs[i + 1].ad_type == XEL_IOC_TYPE_FCoE && attrs[i + 1].op_type == XEL_IOC_TYPE_LL;
}

const char *ixo_perf_type_text(const ixo_port_perf_attr_t &entry)
{
    switch (entry.op_type) {
    case XEL_IOC_TYPE_FC:
        return "      FC        ";
    case XEL_IOC_TYPE_LL:
        return "      ETH       ";
    default:
        return "    UNKNOWN     ";
    }
}

void ixo_perf_heading(const std::vector<ixo_port_perf_attr_t> &attrs)
{
    std::printf("Port");
    for (size_t i = 0; i < attrs.size(); i++) {
        if (ixo_perf_pair(attrs, i)) {
            std::printf("             %2d/%d               ", attrs[i].ad_id, attrs[i].port_id);
            i++;
        } else {
            std::printf("     %2d/%d       ", attrs[i].ad_id, attrs[i].port_id);
        }
    }
    std::printf("\nType");
    for (size_t i = 0; i < attrs.size(); i++) {
        if (ixo_perf_pair(attrs, i)) {
            std::printf("      FC              ETH       ");
            i++;
        } else {
            std::printf("%s", ixo_perf_type_text(attrs[i]));
        }
    }
    std::string rule(attrs.size() * ixo_perf_column, '=');
    std::printf("\n    %s\n    ", rule.c_str());
    for (size_t i = 0; i < attrs.size(); i++)
        std::printf("  TX       RX   ");
    std::printf("\n    %s\n", rule.c_str());
}

void ixo_perf_read_all(ixo_perf_state &s, ixo_perf_sample *into)
{
    for (size_t i = 0; i < s.attrs.size(); i++)
        ixo_perf_get_port_stats(s.attrs[i], &into[i][0], &into[i][1]);
}

void ixo_perf_sample_once(ixo_perf_state &s, uint64_t interval)
{
    xell_sleep(static_cast<unsigned>(interval));
    std::memset(s.new_perf_int, 0, sizeof s.new_perf_int);
    for (size_t i = 0; i < s.attrs.size(); i++) {
        ixo_port_perf_attr_t &entry = s.attrs[i];
        if (ixo_perf_get_port_stats(entry, &s.new_perf_int[i][0], &s.new_perf_int[i][1]) != XEL_STATUS_OK) {
            for (auto *sample : {&s.new_perf_int[i], &s.old_perf_int[i], &s.preold_perf_int[i]})
                (*sample)[0] = (*sample)[1] = 0;
            entry.was_halted = 1;
        } else if (entry.was_halted) {
            for (int dir = 0; dir < 2; dir++)
                s.preold_perf_int[i][dir] = s.old_perf_int[i][dir] = s.new_perf_int[i][dir];
            entry.was_halted = 0;
        }
    }
    std::memset(s.perf_exp, 0, sizeof s.perf_exp);
    for (size_t i = 0; i < s.attrs.size(); i++)
        for (int dir = 0; dir < 2; dir++)
            if (ixo_perf_port_check_sample(s, i, dir))
                ixo_perf_port_process_data(s, i, dir, interval);
    std::printf("    ");
    for (size_t i = 0; i < s.attrs.size(); i++)
        for (int dir = 0; dir < 2; dir++)
            std::printf("%4llu.%llu%s ", static_cast<unsigned long long>(s.perf_int[i][dir]),
                        static_cast<unsigned long long>(s.perf_exp[i][dir]), s.unit[i][dir]);
    std::memcpy(s.old_perf_int, s.new_perf_int, sizeof s.old_perf_int);
    std::printf("\n");
    std::fflush(stdout);
}

} // namespace

int ixo_port_perf(char **argv, int argc, ixo_id_t *)
{
    xell_t *first = nullptr, *last = nullptr;
    int status = std::strcmp(argv[3], "all") == 0 ? ixo_port_get_port_range(&first, &last)
                                                  : ixo_perf_range_word(argv[3], &first, &last);
    if (status != E_CLI_NO_ERROR)
        return status;
    uint64_t count = 0, interval = 1;
    bool unlimited = true;
    for (int i = 4; i < argc; i++)
        if (std::strcmp(argv[i], "-c") == 0)
            unlimited = false;
    status = ixo_perf_options(argv, argc, &count, &interval);
    if (status != E_CLI_NO_ERROR)
        return status;
    if (!unlimited && count == 0)
        return XEL_STATUS_OK;
    if (interval == 0)
        return E_CLI_INCORRECT_CMD;
    auto s = std::make_unique<ixo_perf_state>();
    s->attrs = ixo_perf_get_port_attr(ixo_perf_get_pio_range(first, last));
    if (s->attrs.empty()) {
        std::printf("Invalid port range\n");
        return XEL_STATUS_FAILED;
    }
    for (size_t i = 0; i < s->attrs.size(); i++)
        for (int dir = 0; dir < 2; dir++)
            s->unit[i][dir] = " ";
    ixo_perf_heading(s->attrs);
    ixo_perf_read_all(*s, s->old_perf_int);
    std::memcpy(s->preold_perf_int, s->old_perf_int, sizeof s->preold_perf_int);
    for (uint64_t done = 0; unlimited || done < count; done++)
        ixo_perf_sample_once(*s, interval);
    std::printf("\n");
    return XEL_STATUS_OK;
}
