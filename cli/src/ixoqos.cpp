// FC quality of service of a port: enable, disable, query, bandwidth and
// statistics.
#include "ixo_commands.h"
#include "ixo_errors.h"
#include "ixo_usage.h"
#include "ixo_values.h"
#include "xell_port.h"

#include <cstdint>
#include <cstdio>
#include <cstring>

void ixo_qos_usage(bool bhelp)
{
    (void)bhelp;
    std::fputs("\nUsage: ixo qos [OPTIONS] [ARGUMENTS] ...\n"
               "Direct Tessary adapter specific commands using this option\n"
               "Example: ixo qos --enable <port_id>\n"
               "Available commands are:\n\n"
               "\t--disable <port_id>\n"
               "\t\tDisable qos for Port if currently enabled\n\n"
               "\t--enable <port_id>\n"
               "\t\tEnable qos for Port if currently disabled\n\n"
               "\t--query <port_id>\n"
               "\t\tQuery the QOS details\n\n"
               "\t--setbw <port_id> -h <high> -m <med> -l <low>\n"
               "\t\tSet the bandwidth for QOS high/medium/low priorities\n\n"
               "\t--stats <port_id>\n"
               "\t\tDisplay the QOS statistics\n\n"
               "\t--statsclr <port_id>\n"
               "\t\tClear the QOS statistics\n\n",
               stdout);
    ixo_usage_port_id_forms();
}

namespace {

constexpr const char ixo_qos_applied[] = "Setting will be applied after port --disable and port --enable\n";

void ixo_qos_print_bw(const char *title, const xel_qos_bw_t &bw)
{
    std::printf("%s", title);
    std::printf("\tHigh priority:\t\t%d\n", bw.high);
    std::printf("\tMedium priority:\t%d\n", bw.med);
    std::printf("\tLow priority:\t\t%d\n", bw.low);
}

int ixo_qos_print_vc(xell_t *ioc)
{
    xel_qos_vc_attr_s vc{};
    xel_status_t status = xell_qos_get_vc_attr(ioc, &vc);
    if (status != XEL_STATUS_OK)
        return status;
    std::printf("Total vc_count:\t\t%d\n", vc.total_vc_count);
    std::printf("Shared Credits:\t\t%d\n", vc.shared_credit);
    std::printf("elp_opmode_flags:\t%d\n", static_cast<int>(vc.elp_opmode_flags));
    for (int i = 0; i < vc.total_vc_count; i++) {
        std::printf("\nvc_credit:\t\t%d\n", vc.vc_info[i].vc_credit);
        std::printf("borrow_credit:\t\t%d\n", vc.vc_info[i].borrow_credit);
        std::printf("priority:\t\t%d\n", vc.vc_info[i].priority);
    }
    return XEL_STATUS_OK;
}

// A bandwidth value: decimal digits that fit eight bits.
bool ixo_qos_bw_value(const char *text, uint8_t *value)
{
    uint64_t number = 0;
    if (!ixo_verify_num(text) || !ixo_parse_uint(text, UINT8_MAX, &number))
        return false;
    *value = static_cast<uint8_t>(number);
    return true;
}

} // namespace

int ixo_qos_enable(char **, int, ixo_id_t *id)
{
    xell_t *ioc = id->xell;
    xel_status_t status = xell_qos_enable(ioc);
    if (status == XEL_STATUS_OK) {
        std::printf("qos for port id %d/%d/%d enabled\n", ioc->ad_id, ioc->port_num, ioc->pcifn_id);
        std::fputs(ixo_qos_applied, stdout);
    } else if (status == XEL_STATUS_ERROR_TRL_ENABLED) {
        std::printf("QoS and Target Rate Limiting can't be enabled at the same time.\n");
    } else if (status == XEL_STATUS_TOPOLOGY_LOOP) {
        std::printf("QoS and Loop topology can't be enabled at the same time.\n");
    }
    return status;
}

int ixo_qos_disable(char **, int, ixo_id_t *id)
{
    xell_t *ioc = id->xell;
    xel_port_attr_s attr{};
    if (xell_port_get_attr(ioc, &attr) == XEL_STATUS_OK && attr.pport_cfg.qos_enabled == 0)
        return XEL_STATUS_QOS_DISABLED;
    xel_status_t status = xell_qos_disable(ioc);
    if (status == XEL_STATUS_OK) {
        std::printf("qos for port id %d/%d/%d disabled\n", ioc->ad_id, ioc->port_num, ioc->pcifn_id);
        std::fputs(ixo_qos_applied, stdout);
    }
    return status;
}

int ixo_qos_query(char **argv, int argc, ixo_id_t *id)
{
    bool details = false;
    if (argc > 4) {
        if (std::strcmp(argv[4], "-d") != 0)
            return E_CLI_INCORRECT_ARG;
        details = true;
    }
    xel_qos_attr_s qos{};
    xel_status_t status = xell_qos_get_attr(id->xell, &qos);
    if (status != XEL_STATUS_OK)
        return status;
    std::printf("QOS State:\t\t%s\n", xell_qos_state_to_string(qos.state));
    std::printf("Total bb_credits:\t%d\n", static_cast<int>(qos.total_bb_cr));
    ixo_qos_print_bw("QOS bandwidth (Current):\n", qos.qos_bw_op);
    ixo_qos_print_bw("QOS bandwidth (Configured):\n", qos.qos_bw);
    if (details && qos.state == XEL_QOS_ONLINE)
        return ixo_qos_print_vc(id->xell);
    return XEL_STATUS_OK;
}

int ixo_qos_setbw(char **argv, int argc, ixo_id_t *id)
{
    uint8_t high = 0, med = 0, low = 0;
    for (int i = 4; i < argc; i += 2) {
        uint8_t *value = std::strcmp(argv[i], "-h") == 0   ? &high
                         : std::strcmp(argv[i], "-m") == 0 ? &med
                         : std::strcmp(argv[i], "-l") == 0 ? &low
                                                           : nullptr;
        if (value == nullptr || i + 1 >= argc || !ixo_qos_bw_value(argv[i + 1], value))
            return E_CLI_INCORRECT_CMD;
    }
    xell_t *ioc = id->xell;
    xel_status_t status = xell_qos_set_bw(ioc, high, med, low);
    if (status == XEL_STATUS_OK) {
        std::printf("qos bandwidth for port id %d/%d/%d set to %d/%d/%d\n", ioc->ad_id, ioc->port_num,
                    ioc->pcifn_id, high, med, low);
        std::fputs(ixo_qos_applied, stdout);
    }
    return status;
}

int ixo_qos_stats(char **, int, ixo_id_t *id)
{
    const xell_stats_t *desc = nullptr;
    xel_fcport_stats_t stats{};
    xel_status_t status = xell_qos_get_stats(id->xell, &desc, &stats);
    if (status != XEL_STATUS_OK)
        return status;
    std::printf("\nQoS Stats:\n");
    xell_print_stats(desc, &stats, 0, "qos");
    return XEL_STATUS_OK;
}

int ixo_qos_statsclr(char **, int, ixo_id_t *id)
{
    xel_status_t status = xell_qos_reset_stats(id->xell);
    if (status == XEL_STATUS_OK)
        std::printf("Successfully reset the QOS stats\n");
    return status;
}
