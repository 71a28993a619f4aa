// The lport commands: the logical ports of a storage function, each one's
// attributes and statistics.
#include "ixo_commands.h"
#include "ixo_errors.h"
#include "ixo_lpwwn.h"
#include "ixo_usage.h"
#include "ixo_values.h"
#include "xell_lport.h"
#include "xell_port.h"

#include <cstdio>

void ixo_lport_usage(bool bhelp)
{
    (void)bhelp;
    std::fputs("\nUsage: ixo lport [OPTIONS] [ARGUMENTS] ...\n"
               "Direct RPORT specific commands using this option\n"
               "Example: ixo lport --query <pcifn>\n"
               "Available commands are:\n"
               "\t--list <pcifn>\n"
               "\t\tlists the lports\n\n"
               "\t--query <pcifn> [-l <lpwwn>]\n"
               "\t\tQueries attributes of logical port\n\n"
               "\t--stats <pcifn> [-l <lpwwn>]\n"
               "\t\t Displays lport level statistics\n\n"
               "\t--statsclr <pcifn> [-l <lpwwn>]\n"
               "\t\t clears lport level statistics\n\n",
               stdout);
    ixo_usage_pcifn_id_fn_form();
}

namespace {

constexpr int ixo_max_lports = 256;

const char *ixo_lport_type_column(const xel_lport_attr_t &attr)
{
    if (attr.port_type != XEL_PORT_TYPE_VPORT)
        return "BP  ";
    if (attr.port_cfg.preboot_vp)
        return "VP# ";
    return attr.port_cfg.synth_fc ? "VP* " : "VP  ";
}

void ixo_lport_label_wwn(const char *label, wwn_t wwn)
{
    std::printf("%-16s", label);
    ixo_print_pwwn(wwn);
    std::fputs("\n", stdout);
}

void ixo_lport_line_wwn(const char *label, wwn_t wwn)
{
    std::fputs(label, stdout);
    ixo_print_pwwn(wwn);
    std::fputs("\n", stdout);
}

// The options after the target, and a zero local WWN as the IOC's own.
int ixo_lport_target(char **argv, int argc, xell_t *ioc, wwn_t *lpwwn)
{
    uint16_t vf_id = 0;
    *lpwwn = 0;
    int error = ixo_fill_vfid_lpwwn(argv, argc, 4, &vf_id, lpwwn);
    if (error == E_CLI_NO_ERROR && *lpwwn == 0)
        *lpwwn = xell_ioc_get_pwwn(ioc);
    return error;
}

} // namespace

int ixo_lport_list(char **argv, int argc, ixo_id_t *id)
{
    (void)argv;
    (void)argc;
    xell_t *ioc = id->xell;
    if (ioc == nullptr)
        return XEL_STATUS_FAILED;
    xel_ioctl_ioc_info_t info{};
    xel_status_t status = xell_ioc_get_info(ioc, &info);
    if (status != XEL_STATUS_OK)
        return status;
    wwn_t lports[ixo_max_lports] = {};
    int count = ixo_max_lports;
    status = xell_fabric_get_lports(ioc, 0, lports, &count);
    if (status != XEL_STATUS_OK)
        return status;
    std::printf("%-16s%d/%d/%d\n", "Port ID:", xell_ioc_get_adapter_id(ioc), xell_ioc_get_port_id(ioc),
                xell_ioc_get_pcifn(ioc));
    std::printf("%-16s%.*s\n", "Port Name:", static_cast<int>(sizeof info.port_name), info.port_name);
    ixo_lport_label_wwn("Port PWWN:", info.pwwn);
    ixo_lport_label_wwn("Port NWWN:", info.nwwn);
    std::printf("%-16s%.*s\n", "HW Path:", static_cast<int>(sizeof info.hwpath), info.hwpath);
    std::printf("%-16s%d\n", "Num LPORTs:", count);
    ixo_print_header_line(75);
    std::fputs("PT  FC Addr  LPORT PWWN               LPORT NWWN               FC4 Roles\n", stdout);
    ixo_print_header_line(75);
    bool preboot = false;
    bool synthetic = false;
    for (int i = 0; i < count; i++) {
        xel_lport_attr_t attr{};
        status = xell_lport_get_attr(ioc, 0, lports[i], &attr);
        if (status != XEL_STATUS_OK)
            return status;
        const char *type = ixo_lport_type_column(attr);
        preboot = preboot || type[2] == '#';
        synthetic = synthetic || type[2] == '*';
        std::fputs(type, stdout);
        if (attr.pid == 0)
            std::fputs("--       ", stdout);
        else
            std::printf("%06x   ", xel_pid_value(attr.pid));
        ixo_print_pwwn(attr.port_cfg.pwwn);
        std::fputs("  ", stdout);
        ixo_print_pwwn(attr.port_cfg.nwwn);
        std::fputs("  ", stdout);
        std::printf("%s\n", xell_lport_role_to_string(static_cast<int32_t>(attr.port_cfg.roles)));
    }
    if (preboot)
        std::fputs("\n# indicates operation performed from pre-boot configuration.\n\n", stdout);
    if (synthetic)
        std::fputs("\n* indicates Synthetic-FC virtual port.\n\n", stdout);
    ixo_print_header_line(75);
    return XEL_STATUS_OK;
}

int ixo_lport_query(char **argv, int argc, ixo_id_t *id)
{
    xell_t *ioc = id->xell;
    if (ioc == nullptr)
        return XEL_STATUS_FAILED;
    wwn_t lpwwn = 0;
    int error = ixo_lport_target(argv, argc, ioc, &lpwwn);
    if (error != E_CLI_NO_ERROR)
        return error;
    xel_lport_attr_t attr{};
    xel_status_t status = xell_lport_get_attr(ioc, 0, lpwwn, &attr);
    if (status != XEL_STATUS_OK)
        return status;
    xel_port_attr_s port{};
    std::fputs("Port FC Addr:\t", stdout);
    if (attr.pid == 0)
        std::fputs("--\n", stdout);
    else
        std::printf("%06x\n", xel_pid_value(attr.pid));
    std::fputs("Port Type:\t", stdout);
    if (attr.port_type == XEL_PORT_TYPE_VPORT) {
        xel_vport_attr_t vport{};
        status = xell_vport_get_attr(ioc, 0, lpwwn, &vport);
        if (status != XEL_STATUS_OK)
            return status;
        std::printf("Virtual Port (State: %s)\n", xell_vport_get_state_name(vport.vport_state));
    } else {
        status = xell_port_get_attr(ioc, &port);
        if (status != XEL_STATUS_OK)
            return status;
        std::printf("Base Port (State: %s)\n", xell_port_get_state_name(static_cast<int>(port.port_state)));
    }
    ixo_lport_line_wwn("Port PWWN:\t", attr.port_cfg.pwwn);
    ixo_lport_line_wwn("Port NWWN:\t", attr.port_cfg.nwwn);
    std::printf("Symbolic name:\t%.*s\n", static_cast<int>(sizeof attr.port_cfg.sym_name), attr.port_cfg.sym_name);
    std::printf("Role:\t\t%s\n", xell_lport_role_to_string(static_cast<int32_t>(attr.port_cfg.roles)));
    status = xell_port_get_attr(ioc, &port);
    if (status != XEL_STATUS_OK)
        return status;
    if (port.pport_cfg.topology == XEL_PORT_TOPOLOGY_LOOP)
        return XEL_STATUS_OK;
    std::fputs("Fabric Name:\t", stdout);
    if (attr.fabric_name == 0)
        std::fputs("--\n", stdout);
    else
        ixo_lport_line_wwn("", attr.fabric_name);
    std::fputs("Switch IP Addr:\t", stdout);
    if (attr.fabric_ip_addr[0] == '\0')
        std::fputs("--\n", stdout);
    else
        std::printf("%.*s\t\n", static_cast<int>(sizeof attr.fabric_ip_addr), attr.fabric_ip_addr);
    if (xell_ioc_get_ioc_type(ioc) == XEL_IOC_TYPE_FCoE) {
        std::fputs("FPMA MAC Addr:\t", stdout);
        ixo_print_mac(attr.fpma_mac);
        std::fputs("\n", stdout);
    }
    return XEL_STATUS_OK;
}

int ixo_lport_statistics(char **argv, int argc, ixo_id_t *id)
{
    xell_t *ioc = id->xell;
    if (ioc == nullptr)
        return XEL_STATUS_FAILED;
    wwn_t lpwwn = 0;
    int error = ixo_lport_target(argv, argc, ioc, &lpwwn);
    if (error != E_CLI_NO_ERROR)
        return error;
    const xell_stats_t *desc = nullptr;
    xel_lport_stats_t stats{};
    xel_status_t status = xell_lport_get_stats(ioc, 0, lpwwn, &desc, &stats);
    if (status != XEL_STATUS_OK)
        return status;
    std::fputs("\nFCS Logical Port Statistics\n", stdout);
    xell_print_stats(desc, &stats, 0, nullptr);
    xel_itnim_iostats_t iostats{};
    status = xell_lport_get_iostats(ioc, 0, lpwwn, &desc, &iostats);
    if (status == XEL_STATUS_OK) {
        std::fputs("\nITNIM IO Statistics\n", stdout);
        xell_print_stats(desc, &iostats, 0, nullptr);
        std::printf("\nTotal data transferred in bytes  : %u\n", xell_itnim_get_iothroughput(desc, &iostats));
    }
    return status;
}

int ixo_lport_statsclr(char **argv, int argc, ixo_id_t *id)
{
    xell_t *ioc = id->xell;
    if (ioc == nullptr)
        return XEL_STATUS_FAILED;
    wwn_t lpwwn = 0;
    int error = ixo_lport_target(argv, argc, ioc, &lpwwn);
    if (error != E_CLI_NO_ERROR)
        return error;
    xel_status_t status = xell_lport_reset_stats(ioc, 0, lpwwn);
    if (status == XEL_STATUS_OK)
        std::fputs("Successfully reset the lport level stats\n", stdout);
    return status;
}

int ixo_lport_bfs_list(char **argv, int argc, ixo_id_t *id)
{
    (void)argv;
    (void)argc;
    xell_t *ioc = id->xell;
    if (ioc == nullptr)
        return XEL_STATUS_FAILED;
    wwn_t lports[ixo_max_lports] = {};
    int count = ixo_max_lports;
    if (xell_fabric_get_lports(ioc, 0, lports, &count) != XEL_STATUS_OK)
        return XEL_STATUS_OK;
    for (int i = 0; i < count; i++) {
        xel_lport_attr_t attr{};
        if (xell_lport_get_attr(ioc, 0, lports[i], &attr) != XEL_STATUS_OK)
            return XEL_STATUS_OK;
        if (attr.port_type == XEL_PORT_TYPE_VPORT) {
            ixo_print_pwwn(attr.port_cfg.pwwn);
            std::fputs("\n", stdout);
        }
    }
    return XEL_STATUS_OK;
}
