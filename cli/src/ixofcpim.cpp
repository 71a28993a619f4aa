// The fcpim class: path time-out, I/O profiling, nexus query and
// statistics, and the I/O throttle. LUN masking, the LUN list and the I/O
// monitor have files of their own.
#include "ixo_commands.h"
#include "ixo_errors.h"
#include "ixo_usage.h"
#include "ixo_values.h"
#include "ixofcdiag.h"
#include "xell_fcpim.h"
#include "xell_lport.h"
#include "xell_state.h"
#include "xell_stats.h"

#include <cstdio>

namespace {

constexpr int max_path_tov = 60;

// The I/O size buckets of the profile display.
const char *const ixo_io_buckets[XEL_IOBUCKET_MAX] = {
    "< 512B               ", "512B to < 1K         ", "1K   to < 2K         ", "2K   to < 4K         ",
    "4K   to < 8K         ", "8K   to < 16K        ", "16K  to < 32K        ", "32K  to < 64K        ",
    "64K  to < 128K       ", "128K to < 256K       ", "256K to < 512K       ", "512K to < 1M         ",
    "1M   to < 2M         ", "> 2M                 "};

void ixo_support_line(const char *label, uint8_t supported)
{
    std::fputs(label, stdout);
    std::fputs(supported ? "Supported\n" : "Not Supported\n", stdout);
}

void ixo_print_ioprofile(const xel_itnim_ioprofile_t &p)
{
    uint32_t buckets = p.index < XEL_IOBUCKET_MAX ? p.index : XEL_IOBUCKET_MAX;
    std::printf("IO profile start time             : %d\n", static_cast<int>(p.io_profile_start_time));
    std::fputs("IO completions:\n", stdout);
    for (uint32_t i = 0; i < buckets; i++)
        std::printf("      %s       : %u\n", ixo_io_buckets[i], p.iocomps[i]);
    std::fputs("IO latency based in IO size in Millisecond:\n", stdout);
    for (uint32_t i = 0; i < buckets; i++) {
        std::printf("      %s\n", ixo_io_buckets[i]);
        std::printf("              min                 : %lu\n", static_cast<unsigned long>(p.io_latency.min[i] & 0xffffffffu));
        std::printf("              max                 : %lu\n", static_cast<unsigned long>(p.io_latency.max[i] & 0xffffffffu));
        std::printf("              average             : %lu\n", static_cast<unsigned long>(p.io_latency.avg[i] & 0xffffffffu));
    }
}

int ixo_fcpim_query(xell_t *ioc, wwn_t rpwwn, wwn_t lpwwn, uint16_t vf_id)
{
    xel_itnim_attr_t attr{};
    xel_status_t status = xell_itnim_get_attr(ioc, vf_id, lpwwn, rpwwn, &attr);
    if (status != XEL_STATUS_OK)
        return status;
    std::printf("FCP IM state                      : %s\n", xell_itnim_state_to_string(static_cast<int32_t>(attr.state)));
    ixo_support_line("Data retransmission support       : ", attr.retry);
    ixo_support_line("REC support                       : ", attr.rec_support);
    ixo_support_line("Task retry identification support : ", attr.task_retry_id);
    ixo_support_line("Confirmed completions support     : ", attr.conf_comp);
    xel_itnim_ioprofile_t profile{};
    status = xell_itnim_get_ioprofile(ioc, vf_id, lpwwn, rpwwn, &profile);
    if (status == XEL_STATUS_IOPROFILE_OFF) {
        std::fputs("IO profile support:                OFF\n", stdout);
        return XEL_STATUS_OK;
    }
    if (status == XEL_STATUS_OK)
        ixo_print_ioprofile(profile);
    return status;
}

int ixo_fcpim_stats(xell_t *ioc, wwn_t rpwwn, wwn_t lpwwn, uint16_t vf_id)
{
    const xell_stats_t *desc = nullptr;
    xel_itnim_stats_t stats{};
    xel_status_t status = xell_itnim_get_itnstats(ioc, vf_id, lpwwn, rpwwn, &desc, &stats);
    if (status != XEL_STATUS_OK)
        return status;
    std::fputs("\nITNIM Stats:\n", stdout);
    xell_print_stats(desc, &stats, 0, nullptr);
    xel_itnim_iostats_t iostats{};
    status = xell_itnim_get_iostats(ioc, vf_id, lpwwn, rpwwn, &desc, &iostats);
    if (status != XEL_STATUS_OK)
        return status;
    std::fputs("\nHAL fcpim statistics\n", stdout);
    xell_print_stats(desc, &iostats, 0, nullptr);
    std::printf("\nTotal data transferred in bytes  : %u\n", xell_itnim_get_iothroughput(desc, &iostats));
    return status;
}

int ixo_fcpim_statsclr(xell_t *ioc, wwn_t rpwwn, wwn_t lpwwn, uint16_t vf_id)
{
    xel_status_t status = xell_itnim_reset_stats(ioc, vf_id, lpwwn, rpwwn);
    if (status == XEL_STATUS_OK)
        std::fputs("Successfully reset the fcpim level stats\n", stdout);
    return status;
}

// The remote port in argv[4] and "-l <lpwwn>" from argv[5], then run.
int ixo_fcpim_nexus_hdlr(char **argv, int argc, ixo_id_t *id, int (*run)(xell_t *, wwn_t, wwn_t, uint16_t))
{
    wwn_t rpwwn = 0;
    wwn_t lpwwn = 0;
    uint16_t vf_id = 0;
    int error = ixo_fcdiag_parse_args(argv, argc, 5, &rpwwn, &lpwwn, &vf_id);
    if (error != E_CLI_NO_ERROR)
        return error;
    return id->xell == nullptr ? XEL_STATUS_FAILED : run(id->xell, rpwwn, lpwwn, vf_id);
}

} // namespace

void ixo_fcpim_usage(bool bhelp)
{
    (void)bhelp;
    std::fputs("\nUsage: ixo fcpim [OPTIONS] [ARGUMENTS] ...\n"
               "Direct FCPIM specific commands using this option\n"
               "Example: ixo fcpim --query <pcifn> <rpwwn> [-l <lpwwn>]\n"
               "Available commands are:\n"
               "\t--ioperf <pcifn> [-l [lpwwn]] [-r [rpwwn]] [-c count] [-i interval]\n"
               "\t--ioperf <port_range> [-l | -r] [-c count] [-i interval]\n"
               "\t\tShows IO performance in terms of IOPs and throughput at\n"
               "\t\tdifferent levels viz. Physical port, logical port &\n"
               "\t\tI-T sessions within a logical port\n"
               "\t\t<port_range> is low to high in the form of\n"
               "\t\t<adapter_id/port_id>-<adapter_id/port_id>\n"
               "\t\tCount is number of iterations (default = indefinite)\n"
               "\t\tInterval is sampling period (default = 1 sec)\n\n"
               "\t--lunlist <pcifn> [-l <lpwwn>] [-v verbose]\n"
               "\t\tDisplays info about each LUN connected to <pcifn>\n\n"
               "\t--lunmaskadd <port_id> <rpwwn> <LUN#> [-l <lpwwn>]\n"
               "\t\tAdd the lunmask entry <lun#> on the target <rpwwn>\n"
               "\t\tfor the initiator <lpwwn>\n"
               "\t\t<lun#> is the 64-bit lun number\n"
               "\t\tExample of lun# : 0001-0000-0000-0000\n\n"
               "\t--lunmaskclear <port_id>\n"
               "\t\tClears all the LUN masks for the given port\n\n"
               "\t--lunmaskdelete <port_id> <rpwwn> <LUN#> [-l <lpwwn>]\n"
               "\t\tDeletes the lunmask entry <lun#> on the target <rpwwn>\n"
               "\t\tfor the initiator <lpwwn>\n"
               "\t\t<lun#> is the 64-bit lun number\n"
               "\t\tExample of lun# : 0004-0000-0000-0000\n\n"
               "\t--lunmaskdisable <port_id>\n"
               "\t\tDisables lunmasking feature for the given port\n\n"
               "\t--lunmaskenable <port_id>\n"
               "\t\tEnables lunmasking feature for the given port\n\n"
               "\t--lunmaskquery <port_id> [-r <rpwwn>] [-l <lpwwn>]\n"
               "\t\tDisplays the active LUN masking configuration\n\n"
               "\t--pathtov <pcifn> <tov>\n",
               stdout);
    std::printf("\t\tSets device path timeout value [tov] in seconds (0..%d)\n\n",
                max_path_tov);
    std::fputs("\t--profile_off <pcifn>\n"
               "\t\tDisables IO profiling on fcpim\n\n"
               "\t--profile_on <pcifn>\n"
               "\t\tEnables IO profiling on fcpim\n\n"
               "\t--query <pcifn> <rpwwn> [-l <lpwwn>]\n"
               "\t\tQueries fcpim attributes\n\n"
               "\t--stats <pcifn> <rpwwn> [-l <lpwwn>]\n"
               "\t\tDisplays fcpim statistics\n\n"
               "\t--statsclr <pcifn> <rpwwn> [-l <lpwwn>]\n"
               "\t\tClears fcpim statistics\n\n"
               "\t--throttleclear <pcifn>\n"
               "\t\tConfigures IO throttle value in given fcpim to default\n\n"
               "\t--throttlequery <pcifn>\n"
               "\t\tDisplay current IO throttle values in given fcpim\n\n"
               "\t--throttleset <pcifn> <throttle_size>\n"
               "\t\tConfigures IO throttle value (1...2000) in given fcpim\n\n",
               stdout);
    ixo_usage_port_id_forms();
    ixo_usage_pcifn_id_fn_form();
}

int ixo_fcpim_pathtov_hdlr(char **argv, int argc, ixo_id_t *id)
{
    (void)argc;
    uint64_t tov = 0;
    if (!ixo_parse_uint(argv[4], max_path_tov, &tov))
        return E_CLI_INCORRECT_CMD;
    xel_status_t status = xell_fcpim_fast_failover(id->xell, static_cast<uint16_t>(tov));
    if (status == XEL_STATUS_OK)
        std::printf("path timeout is set to %u\n", static_cast<unsigned>(tov));
    return status;
}

int ixo_fcpim_prof_on_hdlr(char **argv, int argc, ixo_id_t *id)
{
    (void)argv;
    (void)argc;
    xel_status_t status = xell_fcpim_profile_on(id->xell);
    if (status == XEL_STATUS_OK)
        std::fputs("fcpim profile is ON\nWarning: fcpim profile ON will affect IO Performance\n", stdout);
    else
        std::fputs("fcpim profile can not be turned ON\n", stderr);
    return status;
}

int ixo_fcpim_prof_off_hdlr(char **argv, int argc, ixo_id_t *id)
{
    (void)argv;
    (void)argc;
    xel_status_t status = xell_fcpim_profile_off(id->xell);
    if (status == XEL_STATUS_OK)
        std::fputs("fcpim profile is OFF\n", stdout);
    else
        std::fputs("fcpim profile can not be turned OFF\n", stderr);
    return status;
}

int ixo_fcpim_query_hdlr(char **argv, int argc, ixo_id_t *id)
{
    return ixo_fcpim_nexus_hdlr(argv, argc, id, ixo_fcpim_query);
}

int ixo_fcpim_stats_hdlr(char **argv, int argc, ixo_id_t *id)
{
    return ixo_fcpim_nexus_hdlr(argv, argc, id, ixo_fcpim_stats);
}

int ixo_fcpim_statsclr_hdlr(char **argv, int argc, ixo_id_t *id)
{
    return ixo_fcpim_nexus_hdlr(argv, argc, id, ixo_fcpim_statsclr);
}

int ixo_fcpim_throttle_query_hdlr(char **argv, int argc, ixo_id_t *id)
{
    (void)argv;
    (void)argc;
    xel_defs_fcpim_throttle_t throttle{};
    xel_status_t status = xell_fcpim_throttle_query(id->xell, &throttle);
    if (status != XEL_STATUS_OK)
        return status;
    std::printf("IO Throttle:\nMax allowed\t: %u\nCurrent value\t: %u\n", throttle.max_value, throttle.cur_value);
    if (throttle.cfg_value != throttle.cur_value)
        std::printf("Configured\t: %u\n", throttle.cfg_value);
    return status;
}

// The value is checked whole against the maximum before it is narrowed
// to the driver's 16 bits.
int ixo_fcpim_throttle_set_hdlr(char **argv, int argc, ixo_id_t *id)
{
    (void)argc;
    uint64_t value = 0;
    if (!ixo_parse_uint(argv[4], UINT64_MAX, &value))
        return E_CLI_INCORRECT_CMD;
    if ((value & 0xffff) == 0)
        return E_CLI_BAD_ARG;
    xel_defs_fcpim_throttle_t throttle{};
    xel_status_t status = xell_fcpim_throttle_query(id->xell, &throttle);
    if (status != XEL_STATUS_OK)
        return status;
    if (value > throttle.max_value) {
        std::fprintf(stderr, "Error: IO Throttle value can not exceed %u\n", throttle.max_value);
        return E_CLI_BAD_ARG;
    }
    status = xell_fcpim_throttle_set(id->xell, static_cast<uint16_t>(value));
    if (status == XEL_STATUS_OK)
        std::fputs("\nIO Throttle value will be effective on next reboot \nand will be subject to number of PFs created.\n",
                   stdout);
    return status;
}

int ixo_fcpim_throttle_clear_hdlr(char **argv, int argc, ixo_id_t *id)
{
    (void)argv;
    (void)argc;
    xel_defs_fcpim_throttle_t throttle{};
    xel_status_t status = xell_fcpim_throttle_query(id->xell, &throttle);
    if (status == XEL_STATUS_OK)
        status = xell_fcpim_throttle_set(id->xell, throttle.max_value);
    if (status == XEL_STATUS_OK)
        std::fputs("Default IO Throttle value will be effective on next reboot.\n", stdout);
    return status;
}
