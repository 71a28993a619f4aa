// The fcpim I/O monitor: IOPS and throughput of the initiator module, of
// logical ports or of nexuses, over one port or a range of ports, sampled
// every interval.
#include "ixo_commands.h"
#include "ixo_errors.h"
#include "ixo_values.h"
#include "xell.h"
#include "xell_adapter.h"
#include "xell_fcpim.h"
#include "xell_lport.h"
#include "xell_port.h"

#include <cstdio>
#include <cstring>
#include <vector>

namespace {

constexpr size_t ixo_max_iocs = 1024;
constexpr size_t ixo_max_items = 1024;
constexpr int ixo_max_lports = 256;

enum ixo_perf_type { PERF_IM = 1, PERF_LPORT = 2, PERF_RPORT = 3, PERF_ITN = 4 };

struct ixo_fcpim_perf_t {
    wwn_t lpwwn = 0;
    wwn_t rpwwn = 0;
    uint32_t old_ios = 0;
    uint32_t new_ios = 0;
    uint32_t old_perf = 0;
    uint32_t new_perf = 0;
};

struct ixo_fcpim_perf_attr_t {
    int ad_id = 0;
    int port_id = 0;
    int pcifn_id = 0;
    xell_t *xell = nullptr;
    int perf_type = PERF_IM;
    std::vector<ixo_fcpim_perf_t> perf;
};

struct ixo_ioperf_args {
    int64_t count = -1;
    uint32_t interval = 1;
    bool lport = false; // "-l" given
    bool rport = false; // "-r" given
    wwn_t lpwwn = 0;
    wwn_t rpwwn = 0;
    bool all_lports = false;
    bool all_rports = false;
};

int ixo_ioperf_number(char **argv, int argc, int i, uint64_t max, uint64_t *value)
{
    if (i + 1 >= argc)
        return E_CLI_TOO_FEW_ARGS;
    return ixo_parse_uint(argv[i + 1], max, value) ? E_CLI_NO_ERROR : E_CLI_INCORRECT_CMD;
}

// "-l" and "-r" take a WWN when the next word is not an option.
int ixo_ioperf_wwn(char **argv, int argc, int *i, wwn_t *wwn)
{
    if (*i + 1 >= argc || std::strchr(argv[*i + 1], '-') != nullptr)
        return E_CLI_NO_ERROR;
    ++*i;
    return ixo_get_port_wwn(argv[*i], wwn) ? E_CLI_NO_ERROR : E_CLI_BAD_WWN;
}

int ixo_ioperf_options(char **argv, int argc, ixo_ioperf_args *a)
{
    for (int i = 4; i < argc; i++) {
        uint64_t value = 0;
        int error = E_CLI_NO_ERROR;
        if (std::strcmp(argv[i], "-c") == 0 || std::strcmp(argv[i], "-i") == 0) {
            bool count = argv[i][1] == 'c';
            error = ixo_ioperf_number(argv, argc, i++, UINT32_MAX, &value);
            if (count)
                a->count = static_cast<int64_t>(value);
            else
                a->interval = static_cast<uint32_t>(value);
        } else if (std::strcmp(argv[i], "-l") == 0) {
            a->lport = true;
            error = ixo_ioperf_wwn(argv, argc, &i, &a->lpwwn);
        } else if (std::strcmp(argv[i], "-r") == 0) {
            a->rport = true;
            error = ixo_ioperf_wwn(argv, argc, &i, &a->rpwwn);
        } else {
            error = E_CLI_INCORRECT_CMD;
        }
        if (error != E_CLI_NO_ERROR)
            return error;
    }
    a->all_lports = (a->lport && a->lpwwn == 0) || (a->rport && !a->lport);
    a->all_rports = a->rport && a->rpwwn == 0;
    return E_CLI_NO_ERROR;
}

// The storage IOCs of the ports from first to last, in adapter, port and
// IOC order.
std::vector<xell_t *> ixo_ioperf_iocs(xell_t *first, xell_t *last)
{
    if (first == nullptr) {
        std::printf("\nInvalid first port_id\n\n");
        return {};
    }
    if (last != nullptr &&
        (last->ad_id < first->ad_id || (last->ad_id == first->ad_id && last->port_num < first->port_num))) {
        std::printf("\nIgnoring invalid last port_id\n\n");
        last = nullptr;
    }
    if (last == nullptr)
        return {first};
    std::vector<xell_t *> iocs;
    for (int a = first->ad_id; a <= last->ad_id; a++) {
        xell_adapter_t *adapter = xell_adapter_get_by_idx(a);
        if (adapter == nullptr) {
            std::fprintf(stderr, "ERROR: Could not get adapter handle!!\n");
            continue;
        }
        int from = a == first->ad_id ? first->port_num : 0;
        int to = a == last->ad_id ? last->port_num : adapter->port_count - 1;
        for (int p = from; p <= to; p++) {
            xell_port_t *port = xell_adapter_get_port(adapter, p);
            for (int n = 0; port != nullptr && n < xell_port_get_ioc_count(port); n++) {
                xell_t *ioc = xell_port_get_ioc(port, n);
                if (ioc == nullptr || !xell_ioc_is_storage(ioc))
                    continue;
                if (iocs.size() == ixo_max_iocs) {
                    std::printf("\nWarning: Port range too high, reduced based on space available.\n\n");
                    return iocs;
                }
                iocs.push_back(ioc);
            }
        }
    }
    return iocs;
}

bool ixo_ioperf_lports(xell_t *ioc, const ixo_ioperf_args &a, std::vector<wwn_t> *lports)
{
    if (!a.all_lports) {
        if (a.lpwwn != 0)
            lports->push_back(a.lpwwn);
        return true;
    }
    lports->resize(ixo_max_lports);
    int count = ixo_max_lports;
    if (xell_fabric_get_lports(ioc, 0, lports->data(), &count) != XEL_STATUS_OK) {
        std::fprintf(stderr, "\nERROR: Could not get port details for %d/%d/%d\n\n", ioc->ad_id, ioc->port_num,
                     ioc->pcifn_id);
        return false;
    }
    if (count == ixo_max_lports)
        std::printf("\nWarning: lport list (%d) reduced for %d/%d/%d\n", count, ioc->ad_id, ioc->port_num,
                    ioc->pcifn_id);
    lports->resize(static_cast<size_t>(count));
    return true;
}

void ixo_ioperf_all_rports(ixo_fcpim_perf_attr_t &rec, const std::vector<wwn_t> &lports)
{
    rec.perf_type = PERF_ITN;
    for (wwn_t lp : lports) {
        int room = static_cast<int>(ixo_max_items - rec.perf.size());
        std::vector<wwn_t> rports(static_cast<size_t>(room));
        int count = room;
        xel_status_t status = room > 0 ? xell_lport_get_rports(rec.xell, 0, lp, rports.data(), &count)
                                       : XEL_STATUS_OK;
        if (status != XEL_STATUS_OK || count == 0) {
            std::fprintf(stderr, "ERROR: Could not get rport details of %d/%d/%d: %s\n", rec.ad_id, rec.port_id,
                         rec.pcifn_id, xell_status_to_string(status));
            continue;
        }
        if (count == room)
            std::printf("\nWarning: rport list (%d) reduced for %llx\n\n", count, static_cast<unsigned long long>(lp));
        for (int i = 0; i < count; i++)
            rec.perf.push_back({lp, rports[static_cast<size_t>(i)]});
    }
}

bool ixo_ioperf_items(ixo_fcpim_perf_attr_t &rec, const ixo_ioperf_args &a)
{
    std::vector<wwn_t> lports;
    if (!ixo_ioperf_lports(rec.xell, a, &lports))
        return false;
    xel_rport_attr_t attr{};
    if (a.all_rports) {
        ixo_ioperf_all_rports(rec, lports);
    } else if (a.rpwwn != 0 && a.lpwwn != 0) {
        rec.perf_type = PERF_ITN;
        if (xell_rport_get_attr(rec.xell, 0, a.lpwwn, a.rpwwn, &attr) == XEL_STATUS_OK)
            rec.perf.push_back({a.lpwwn, a.rpwwn});
    } else if (a.rpwwn != 0) {
        rec.perf_type = PERF_RPORT;
        for (wwn_t lp : lports)
            if (xell_rport_get_attr(rec.xell, 0, lp, a.rpwwn, &attr) == XEL_STATUS_OK)
                rec.perf.push_back({lp, a.rpwwn});
    } else if (!lports.empty()) {
        rec.perf_type = PERF_LPORT;
        for (wwn_t lp : lports)
            rec.perf.push_back({lp, 0});
    } else {
        rec.perf_type = PERF_IM;
        rec.perf.push_back({});
    }
    return true;
}

// The remote-port sampler names its failure after the remote port, the
// nexus sampler after the nexus.
xel_status_t ixo_ioperf_itn(ixo_fcpim_perf_t &item, xell_t *ioc, ixo_fcpim_perf_t &into, bool rport)
{
    const xell_stats_t *desc = nullptr;
    xel_itnim_iostats_t io{};
    xel_status_t status = xell_itnim_get_iostats(ioc, 0, item.lpwwn, item.rpwwn, &desc, &io);
    if (status != XEL_STATUS_OK) {
        char lp[24];
        char rp[24];
        std::fprintf(stderr,
                     rport ? "ERROR: Failed to get rport %s:%s IO stats, error code = %d\n"
                           : "ERROR: Failed to get itnim %s:%s stats, error code = %d\n",
                     ixo_wwn2str(lp, item.lpwwn), ixo_wwn2str(rp, item.rpwwn), static_cast<int>(status));
        return status;
    }
    into.new_ios += io.total_io_completions;
    into.new_perf += xell_itnim_get_iothroughput(desc, &io);
    return XEL_STATUS_OK;
}

// One sample of an IOC's items into their new_ fields.
xel_status_t ixo_ioperf_sample(ixo_fcpim_perf_attr_t &rec)
{
    const xell_stats_t *desc = nullptr;
    xel_itnim_iostats_t io{};
    xel_status_t status = XEL_STATUS_OK;
    ixo_fcpim_perf_t &first = rec.perf.front();
    char lp[24];
    switch (rec.perf_type) {
    case PERF_IM:
        status = xell_fcpim_get_modstats(rec.xell, &desc, &io);
        if (status != XEL_STATUS_OK)
            std::fprintf(stderr, "ERROR: Failed to get fcpim stats, error code = %d\n", static_cast<int>(status));
        break;
    case PERF_LPORT:
        status = xell_lport_get_iostats(rec.xell, 0, first.lpwwn, &desc, &io);
        if (status != XEL_STATUS_OK)
            std::fprintf(stderr, "ERROR: Failed to get lport %s stats, error code = %d\n", ixo_wwn2str(lp, first.lpwwn),
                         static_cast<int>(status));
        break;
    case PERF_RPORT:
        // The nexuses of the remote port through every logical port add up
        // on one line.
        first.new_ios = first.new_perf = 0;
        for (ixo_fcpim_perf_t &item : rec.perf)
            if ((status = ixo_ioperf_itn(item, rec.xell, first, true)) != XEL_STATUS_OK)
                return status;
        rec.perf.resize(1);
        return XEL_STATUS_OK;
    default:
        for (ixo_fcpim_perf_t &item : rec.perf) {
            item.new_ios = item.new_perf = 0;
            if ((status = ixo_ioperf_itn(item, rec.xell, item, false)) != XEL_STATUS_OK)
                return status;
        }
        return XEL_STATUS_OK;
    }
    if (status == XEL_STATUS_OK) {
        first.new_ios = io.total_io;
        first.new_perf = xell_itnim_get_iothroughput(desc, &io);
        rec.perf.resize(1);
    }
    return status;
}

xel_status_t ixo_ioperf_sample_all(std::vector<ixo_fcpim_perf_attr_t> &recs)
{
    for (ixo_fcpim_perf_attr_t &rec : recs) {
        if (rec.xell == nullptr || rec.perf.empty())
            continue;
        xel_status_t status = ixo_ioperf_sample(rec);
        if (status != XEL_STATUS_OK)
            return status;
    }
    return XEL_STATUS_OK;
}

void ixo_ioperf_header(const ixo_ioperf_args &a)
{
    std::fputs(" Port ", stdout);
    if (a.lport)
        std::fputs("       lport WWN         ", stdout);
    if (a.rport)
        std::fputs("       rport WWN         ", stdout);
    std::fputs("   IOPs     Throughput\n", stdout);
    int width = 7 + 25 * ((a.lport ? 1 : 0) + (a.rport ? 1 : 0)) + 23;
    for (int i = 0; i < width; i++)
        std::putchar('=');
    std::fputs("\n", stdout);
}

// Bytes per second as whole units and a tenth: MB/s, KB/s, B/s, blank at 0.
void ixo_fcpim_throughput(uint32_t value)
{
    if (value >= (1u << 20))
        std::printf("%4u.%u%s ", value >> 20, (value / 104857) % 10, " MB/s");
    else if (value >= 1024)
        std::printf("%4u.%u%s ", value >> 10, (value / 102) % 10, " KB/s");
    else
        std::printf("%4u.%u%s ", value, 0u, value == 0 ? "     " : " B/s ");
}

void ixo_ioperf_line(const ixo_fcpim_perf_attr_t &rec, ixo_fcpim_perf_t &item, const ixo_ioperf_args &a)
{
    std::printf("%2d/%d/%d  ", rec.ad_id, rec.port_id, rec.pcifn_id);
    if (a.lport) {
        ixo_print_pwwn(item.lpwwn);
        std::fputs("  ", stdout);
    }
    if (a.rport) {
        ixo_print_pwwn(item.rpwwn);
        std::fputs("  ", stdout);
    }
    // Counters wrap: the differences are taken modulo 2^32.
    uint32_t iops = (item.new_ios - item.old_ios) / a.interval;
    uint32_t perf = (item.new_perf - item.old_perf) / a.interval;
    std::printf("%6u%s   ", iops, " ");
    ixo_fcpim_throughput(perf);
    std::fputs("\n", stdout);
    item.old_ios = item.new_ios;
    item.old_perf = item.new_perf;
    item.new_ios = item.new_perf = 0;
}

void ixo_ioperf_keep_old(std::vector<ixo_fcpim_perf_attr_t> &recs)
{
    for (ixo_fcpim_perf_attr_t &rec : recs)
        for (ixo_fcpim_perf_t &item : rec.perf) {
            item.old_ios = item.new_ios;
            item.old_perf = item.new_perf;
            item.new_ios = item.new_perf = 0;
        }
}

xel_status_t ixo_ioperf_build(xell_t *first, xell_t *last, const ixo_ioperf_args &a,
                              std::vector<ixo_fcpim_perf_attr_t> *recs)
{
    for (xell_t *ioc : ixo_ioperf_iocs(first, last)) {
        ixo_fcpim_perf_attr_t rec;
        rec.ad_id = ioc->ad_id;
        rec.port_id = ioc->port_num;
        rec.pcifn_id = ioc->pcifn_id;
        rec.xell = ioc;
        if (!ixo_ioperf_items(rec, a))
            return XEL_STATUS_FAILED;
        recs->push_back(std::move(rec));
    }
    return recs->empty() ? XEL_STATUS_FAILED : XEL_STATUS_OK;
}

} // namespace

int ixo_fcpim_ioperf_hdlr(char **argv, int argc, ixo_id_t *id)
{
    (void)id;
    xell_t *first = nullptr;
    xell_t *last = nullptr;
    int error = ixo_get_port_id(argv[3], IXO_IOC_TYPE_FC, &first, &last);
    if (error != E_CLI_NO_ERROR)
        return error;
    ixo_ioperf_args a;
    error = ixo_ioperf_options(argv, argc, &a);
    if (error != E_CLI_NO_ERROR)
        return error;
    if (a.interval == 0)
        return E_CLI_INVALID_INTERVAL;
    if (a.count == 0)
        return XEL_STATUS_OK;
    if (last != nullptr && (a.lpwwn != 0 || a.rpwwn != 0)) {
        std::fputs(a.lpwwn != 0 ? "\nERROR: lport WWN is invalid for port range option.\n\n"
                                : "\nERROR: rport WWN is invalid for port range option.\n\n",
                   stderr);
        return XEL_STATUS_FAILED;
    }
    std::vector<ixo_fcpim_perf_attr_t> recs;
    xel_status_t status = ixo_ioperf_build(first, last, a, &recs);
    if (status != XEL_STATUS_OK || (status = ixo_ioperf_sample_all(recs)) != XEL_STATUS_OK)
        return status;
    ixo_ioperf_keep_old(recs);
    ixo_ioperf_header(a);
    for (int64_t round = a.count;;) {
        xell_sleep(a.interval);
        if ((status = ixo_ioperf_sample_all(recs)) != XEL_STATUS_OK)
            return status;
        for (ixo_fcpim_perf_attr_t &rec : recs)
            for (ixo_fcpim_perf_t &item : rec.perf)
                ixo_ioperf_line(rec, item, a);
        if (round > 0 && --round == 0)
            break;
        std::fputs("\n", stdout);
    }
    std::fputs("\n", stdout);
    return XEL_STATUS_OK;
}
