// The fabric commands: the statistics of the base fabric.
#include "ixo_commands.h"
#include "ixo_usage.h"
#include "xell_lport.h"

#include <cstdio>

void ixo_vf_usage(bool bhelp)
{
    (void)bhelp;
    std::fputs("\nUsage: ixo fabric [OPTIONS] [ARGUMENTS] ...\n"
               "Direct Fabric specific commands using this option\n"
               "Example: ixo fabric --stats <port_id>\n"
               "Available commands are:\n"
               "\t--stats <port_id>\n"
               "\t\tPrints the stats of the fabric\n\n"
               "\t--statsclr <port_id>\n"
               "\t\tClears the stats of the fabric\n\n",
               stdout);
    ixo_usage_port_id_forms();
}

int ixo_vf_stats_hdlr(char **argv, int argc, ixo_id_t *id)
{
    (void)argv;
    (void)argc;
    if (id->xell == nullptr)
        return XEL_STATUS_FAILED;
    const xell_stats_t *desc = nullptr;
    xel_vf_stats_t stats{};
    xel_status_t status = xell_vf_get_stats(id->xell, 0, &desc, &stats);
    if (status != XEL_STATUS_OK)
        return status;
    std::fputs("\nFabric Stats:\n", stdout);
    xell_print_stats(desc, &stats, 0, nullptr);
    return status;
}

int ixo_vf_statsclr_hdlr(char **argv, int argc, ixo_id_t *id)
{
    (void)argv;
    (void)argc;
    if (id->xell == nullptr)
        return XEL_STATUS_FAILED;
    xel_status_t status = xell_vf_reset_stats(id->xell, 0);
    if (status == XEL_STATUS_OK)
        std::fputs("Successfully reset the fabric level stats\n", stdout);
    return status;
}
