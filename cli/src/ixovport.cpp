#include "ixo_commands.h"
#include "ixo_errors.h"
#include "ixo_usage.h"
#include "ixo_values.h"
#include "xell_lport.h"

#include <cstdio>
#include <cstring>

void ixo_vport_usage(bool bhelp)
{
    (void)bhelp;
    std::fputs("\nUsage: ixo vport [OPTIONS] [ARGUMENTS] ...\n"
               "Direct VPORT specific commands using this option\n"
               "Example: ixo vport --delete <pcifn> <vpwwn> \n"
               "Available commands are:\n\n"
               "\t--create <pcifn> <vpwwn> [-n <vnwwn>] [-s <sname>]\n"
               "\t\tCreates additional vports\n\n"
               "\t--delete <pcifn> <vpwwn>\n"
               "\t\tDeletes vport\n\n"
               "\t--query <pcifn> <vpwwn>\n"
               "\t\tQueries vport status\n\n"
               "\t--stats <pcifn> <vpwwn>\n"
               "\t\tPrint vport statistics\n\n"
               "\t--statsclr <pcifn> <vpwwn>\n"
               "\t\t resets vport statistics\n\n",
               stdout);
    ixo_usage_pcifn_id_forms();
    std::fputs("\n", stdout);
}

namespace {

constexpr size_t ixo_max_symname = 128;

// "-n <vnwwn>" and "-s <sname>" from argv[5] on.
int ixo_vport_options(char **argv, int argc, xel_lport_cfg_t *cfg)
{
    bool have_n = false;
    bool have_s = false;
    for (int i = 5; i < argc; i += 2) {
        bool is_n = std::strcmp(argv[i], "-n") == 0;
        bool is_s = std::strcmp(argv[i], "-s") == 0;
        if ((!is_n && !is_s) || i + 1 >= argc)
            return E_CLI_INCORRECT_CMD;
        if ((is_n && have_n) || (is_s && have_s))
            return E_CLI_INCORRECT_ARG;
        if (is_n) {
            have_n = true;
            if (!ixo_get_port_wwn(argv[i + 1], &cfg->nwwn))
                return E_CLI_BAD_WWN;
        } else {
            have_s = true;
            size_t len = std::strlen(argv[i + 1]);
            if (len > ixo_max_symname)
                return E_CLI_INCORRECT_ARG;
            std::memcpy(cfg->sym_name, argv[i + 1], len);
        }
    }
    return E_CLI_NO_ERROR;
}

int ixo_vport_wwn(char **argv, wwn_t *vpwwn)
{
    return ixo_get_port_wwn(argv[4], vpwwn) ? E_CLI_NO_ERROR : E_CLI_BAD_WWN;
}

const char *ixo_vport_role(uint32_t roles)
{
    switch (roles) {
    case 1:
        return "FCP initiator";
    case 2:
        return "FCP target";
    case 4:
        return "IP over FC";
    default:
        return "";
    }
}

} // namespace

int ixo_vport_create_hdlr(char **argv, int argc, ixo_id_t *id)
{
    xel_lport_cfg_t cfg{};
    int error = ixo_vport_wwn(argv, &cfg.pwwn);
    if (error == E_CLI_NO_ERROR)
        error = ixo_vport_options(argv, argc, &cfg);
    if (error != E_CLI_NO_ERROR)
        return error;
    cfg.roles = 1;
    xel_status_t status = xell_vport_create(id->xell, 0, &cfg);
    if (status == XEL_STATUS_OK)
        std::fputs("Vport addition successful\n", stdout);
    return status;
}

int ixo_vport_delete_hdlr(char **argv, int argc, ixo_id_t *id)
{
    (void)argc;
    wwn_t vpwwn = 0;
    int error = ixo_vport_wwn(argv, &vpwwn);
    if (error != E_CLI_NO_ERROR)
        return error;
    xel_vport_attr_t attr{};
    xel_status_t status = xell_vport_get_attr(id->xell, 0, vpwwn, &attr);
    if (status != XEL_STATUS_OK)
        return status;
    if (attr.port_attr.port_cfg.preboot_vp) {
        std::fputs("A delete of a vport created via the Pre-Boot configuration is not allowed\n", stderr);
        return XEL_STATUS_CMD_NOTSUPP;
    }
    status = xell_vport_delete(id->xell, 0, vpwwn, attr.port_attr.port_cfg.nwwn);
    if (status == XEL_STATUS_OK)
        std::fputs("Vport deletion successful\n", stdout);
    return status;
}

int ixo_vport_query_hdlr(char **argv, int argc, ixo_id_t *id)
{
    (void)argc;
    wwn_t vpwwn = 0;
    int error = ixo_vport_wwn(argv, &vpwwn);
    if (error != E_CLI_NO_ERROR)
        return error;
    xel_vport_attr_t attr{};
    xel_status_t status = xell_vport_get_attr(id->xell, 0, vpwwn, &attr);
    if (status != XEL_STATUS_OK)
        return status;
    const xel_lport_attr_t &a = attr.port_attr;
    std::fputs("Port wwn:\t", stdout);
    ixo_print_pwwn(a.port_cfg.pwwn);
    std::fputs("\nNode wwn:\t", stdout);
    ixo_print_pwwn(a.port_cfg.nwwn);
    std::fputs("\nFC Addr:\t", stdout);
    if (a.pid == 0)
        std::fputs("--\n", stdout);
    else
        std::printf("%06x\n", xel_pid_value(a.pid));
    std::printf("State:\t\t%s\n", xell_vport_get_state_name(attr.vport_state));
    std::fputs("Role:\t\t", stdout);
    std::fputs(ixo_vport_role(a.port_cfg.roles), stdout);
    std::printf("\nSymbolic-Name:\t%.*s\n", static_cast<int>(sizeof a.port_cfg.sym_name), a.port_cfg.sym_name);
    if (a.port_cfg.preboot_vp)
        std::fputs("\nThis VP was created from pre-boot configuration\n\n", stdout);
    return XEL_STATUS_OK;
}

int ixo_vport_stats_hdlr(char **argv, int argc, ixo_id_t *id)
{
    (void)argc;
    wwn_t vpwwn = 0;
    int error = ixo_vport_wwn(argv, &vpwwn);
    if (error != E_CLI_NO_ERROR)
        return error;
    const xell_stats_t *desc = nullptr;
    xel_vport_stats_t stats{};
    xel_status_t status = xell_vport_get_stats(id->xell, 0, vpwwn, &desc, &stats);
    if (status != XEL_STATUS_OK)
        return status;
    std::fputs("\nVport Statistics\n", stdout);
    xell_print_stats(desc, &stats, 0, nullptr);
    return XEL_STATUS_OK;
}

int ixo_vport_statsclr_hdlr(char **argv, int argc, ixo_id_t *id)
{
    (void)argc;
    wwn_t vpwwn = 0;
    int error = ixo_vport_wwn(argv, &vpwwn);
    if (error != E_CLI_NO_ERROR)
        return error;
    xel_status_t status = xell_vport_reset_stats(id->xell, 0, vpwwn);
    if (status == XEL_STATUS_OK)
        std::fputs("Successfully reset the vport level stats\n", stdout);
    return status;
}
