// The vHBA class: enable, disable, interrupt settings, query and
// statistics of the storage functions of a port.
#include "ixo_commands.h"
#include "ixo_fn_state.h"
#include "ixo_errors.h"
#include "ixo_usage.h"
#include "ixo_values.h"
#include "xell_fcpim.h"
#include "xell_lport.h"
#include "xell_port.h"
#include "xell_stats.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <strings.h>

void ixo_vhba_usage(bool bhelp)
{
    (void)bhelp;
    std::fputs("\nUsage: ixo vhba [OPTIONS] [ARGUMENTS] ...\n"
               "Available commands are:\n\n"
               "\t--disable <pcifn>\n"
               "\t\t Disables the vHBA\n\n"
               "\t--enable <pcifn>\n"
               "\t\t Enables the vHBA\n\n"
               "\t--intr <pcifn> <-c> {on | off} [<latency> <delay>]\n"
               "\t\t Configures interrupt attributes for the vHBA\n"
               "\t\tLatency can be between 0-225 micro seconds\n"
               "\t\tLatency value of 0 means the minimum latency\n"
               "\t\tvalue supported by the hardware and not literal 0\n"
               "\t\tLatency value 0 disables latency monitor timeout interrupt\n\n"
               "\t\tDelay can be between 0-1125 micro seconds\n"
               "\t\tDelay value of 0 disables the delay timeout interrupt\n"
               "\n\tport id could be any of:\n"
               "\t--query <pcifn>\n"
               "\t\tQueries vHBA status\n\n"
               "\t--stats <pcifn>\n"
               "\t\t Displays statistics of the vHBA\n\n"
               "\t--statsclr <pcifn>\n"
               "\t\t Clears statistics of the vHBA\n\n",
               stdout);
    ixo_usage_port_id_forms();
    std::fputs("\n\tpcifn id could be any of:\n"
               "\t\t<adapter_id/port_id>\n"
               "\t\t<adapter_id/port_id/pcifn_id>\n\n",
               stdout);
}

namespace {

// Interrupt defaults and bounds, in microseconds.
constexpr unsigned ixo_hba_latency = 225, ixo_hba_delay = 1125;
constexpr unsigned ixo_cna_latency = 5, ixo_cna_delay = 25;
constexpr unsigned ixo_max_latency = 225, ixo_max_delay = 1125;

int ixo_vhba_set_state(xell_t *ioc, bool enable)
{
    return ixo_fn_set_state(ioc, enable, "vHBA", xell_vhba_enable, xell_vhba_disable);
}

bool ixo_vhba_hba_mode(xell_t *ioc)
{
    xel_mode_t mode = XEL_MODE_HBA;
    if (xell_port_mode_get(ioc, true, &mode) != XEL_STATUS_OK)
        return ioc->ioc_type == XEL_IOC_TYPE_FC;
    return mode == XEL_MODE_HBA;
}

bool ixo_vhba_number(const char *text, unsigned *value)
{
    uint64_t number = 0;
    if (!ixo_verify_num(text) || !ixo_parse_uint(text, UINT32_MAX, &number))
        return false;
    *value = static_cast<unsigned>(number);
    return true;
}

} // namespace

// Functions cannot be created, deleted or resized on this platform.
int ixo_vhba_create_hdlr(char **, int, ixo_id_t *)
{
    return E_CLI_CMD_NOT_SUPPORTED;
}

int ixo_vhba_delete_hdlr(char **, int, ixo_id_t *)
{
    return E_CLI_CMD_NOT_SUPPORTED;
}

int ixo_vhba_bw_hdlr(char **, int, ixo_id_t *)
{
    return E_CLI_CMD_NOT_SUPPORTED;
}

int ixo_vhba_enable_hdlr(char **, int, ixo_id_t *id)
{
    return ixo_vhba_set_state(id->xell, true);
}

int ixo_vhba_disable_hdlr(char **, int, ixo_id_t *id)
{
    return ixo_vhba_set_state(id->xell, false);
}

int ixo_vhba_intr_hdlr(char **argv, int argc, ixo_id_t *id)
{
    if (std::strcmp(argv[4], "-c") != 0)
        return E_CLI_INCORRECT_ARG;
    bool on = strcasecmp(argv[5], "on") == 0;
    if (!on && strcasecmp(argv[5], "off") != 0)
        return E_CLI_INCORRECT_ARG;
    if (argc == 7)
        return E_CLI_INCORRECT_ARG;
    xell_t *ioc = id->xell;
    bool hba = ixo_vhba_hba_mode(ioc);
    unsigned latency = hba ? ixo_hba_latency : ixo_cna_latency;
    unsigned delay = hba ? ixo_hba_delay : ixo_cna_delay;
    if (argc == 8) {
        if (!ixo_vhba_number(argv[6], &latency) || !ixo_vhba_number(argv[7], &delay))
            return E_CLI_INCORRECT_CMD;
        if (latency > ixo_max_latency || delay > ixo_max_delay)
            return XEL_STATUS_EINVAL;
    }
    xel_status_t status =
        xell_iocfc_intr_set(ioc, on ? 1 : 0, static_cast<uint16_t>(delay), static_cast<uint16_t>(latency));
    if (status != XEL_STATUS_OK)
        return status;
    std::printf("\nThe intr settings have been configured with value(s):\n\n");
    std::printf("coalesce\t: %s", on ? "on\n" : "off\n");
    if (latency != 0)
        std::printf("latency\t\t: %u (micro-seconds)\n", latency);
    if (delay != 0)
        std::printf("delay\t\t: %u (micro-seconds)\n", delay);
    return XEL_STATUS_OK;
}

int ixo_vhba_query_hdlr(char **, int, ixo_id_t *id)
{
    xell_t *ioc = id->xell;
    if (!xell_ioc_is_storage(ioc))
        return XEL_STATUS_FAILED;
    xell_adapter_t *adapter = xell_adapter_get_by_str(ioc->adapter_hwpath);
    xel_ioc_attr_t ioc_attr{};
    xel_vhba_attr_t attr{};
    xel_status_t status = xell_ioc_get_attr(ioc, &ioc_attr);
    if (status == XEL_STATUS_OK)
        status = xell_vhba_get_attr(ioc, &attr);
    if (status != XEL_STATUS_OK)
        return status;
    std::printf("PCI Function Index\t\t: ");
    std::printf("%d/%d/%d\n", adapter != nullptr ? adapter->id : ioc->ad_id, ioc->port_num, ioc->pcifn_id);
    std::printf("Firmware Ver\t\t\t: %s\n", ioc_attr.adapter_attr.fw_ver);
    std::printf("Port type\t\t\t: %s", ioc->ioc_type == XEL_IOC_TYPE_FCoE ? "FCoE\n" : "FC\n");
    std::printf("IOC state\t\t\t: %-8s\n", xell_ioc_state_to_string(static_cast<int32_t>(ioc_attr.state)));
    std::printf("MAC\t\t\t\t: ");
    ixo_print_mac(xell_ioc_get_mac(ioc));
    std::printf("\nPWWN\t\t\t\t: ");
    ixo_print_pwwn(attr.pwwn);
    std::printf("\nNWWN\t\t\t\t: ");
    ixo_print_pwwn(attr.nwwn);
    std::printf("\nPath TOV\t\t\t: %d seconds\n", static_cast<int>(attr.path_tov));
    std::printf("Portlog\t\t\t\t: %s\n", attr.plog_enabled ? "Enabled" : "Disabled");
    std::printf("IO Profile\t\t\t: %s\n", attr.io_profile ? "On" : "Off");
    std::printf("Interrupt coalescing\t\t: %s\n", attr.coalesce ? "on" : "off");
    std::printf("Interrupt delay\t\t\t: %d us\n", static_cast<int>(attr.delay));
    std::printf("Interrupt latency\t\t: %d us\n", static_cast<int>(attr.latency));
    return XEL_STATUS_OK;
}

int ixo_vhba_stats_hdlr(char **, int, ixo_id_t *id)
{
    xell_t *ioc = id->xell;
    std::printf("\nvHBA IOC statistics\n");
    std::printf("==================\n");
    const xell_stats_t *desc = nullptr;
    xel_ioc_stats_t ioc_stats{};
    xel_status_t status = xell_ioc_get_stats(ioc, &desc, &ioc_stats);
    if (status != XEL_STATUS_OK)
        return status;
    std::printf("\nIOC driver statistics:\n");
    xell_print_stats(desc, &ioc_stats, 0, nullptr);
    xel_itnim_iostats_t io{};
    status = xell_fcpim_get_modstats(ioc, &desc, &io);
    if (status != XEL_STATUS_OK)
        return status;
    std::printf("\nvHBA active ITN stats\n");
    std::printf("=====================\n");
    xell_print_stats(desc, &io, 0, nullptr);
    std::printf("Total data transferred in bytes  : %u\n",
                static_cast<unsigned>(xell_itnim_get_iothroughput(desc, &io)));
    xel_fcpim_del_itn_stats_t deleted{};
    if (xell_fcpim_get_del_itn_stats(ioc, &desc, &deleted) == XEL_STATUS_OK) {
        std::printf("\nvHBA deleted ITN Stats\n");
        std::printf("======================\n");
        xell_print_stats(desc, &deleted, 0, nullptr);
    }
    return XEL_STATUS_OK;
}

int ixo_vhba_statsclr_hdlr(char **, int, ixo_id_t *id)
{
    xel_status_t status = xell_ioc_reset_stats(id->xell);
    if (status == XEL_STATUS_OK)
        status = xell_fcpim_clr_modstats(id->xell);
    if (status != XEL_STATUS_OK)
        return status;
    std::printf("Successfully reset vHBA stats\n");
    std::printf("Warning: All active XEL ITN stats are cleared\n");
    return XEL_STATUS_OK;
}
