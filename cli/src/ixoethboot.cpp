// The ethboot commands: network boot of an Ethernet port and its VLAN.
#include "ixo_commands.h"
#include "ixo_errors.h"
#include "ixo_values.h"
#include "xell_bios.h"

#include <cstdio>

void ixo_ethboot_usage(bool bhelp)
{
    (void)bhelp;
    std::fputs("\nUsage: ixo ethboot [OPTIONS] [ARGUMENTS] ...\n"
               "Direct network boot specific commands using this option\n"
               "Example: ixo ethboot --query <port_id>\n"
               "Available commands are:\n"
               "\t--disable <port_id>\n"
               "\t\tDisable network boot for the port\n\n"
               "\t--enable <port_id>\n"
               "\t\tEnable network boot for the port\n\n"
               "\t--query <port_id>\n"
               "\t\tQuery the network boot configuration\n\n"
               "\t--vlan <port_id> <vlan_id>\n"
               "\t\tSet the VLAN used for network boot\n"
               "\t\tvlan_id can be between 0-4094\n\n"
               "\n\tport id could be any of:\n"
               "\t\t<adapter_id/port_id>\n"
               "\t\t<port-name>\n"
               "\t\t<port-hwpath>\n",
               stdout);
}

namespace {

int ixo_ethboot_enable_disable(xell_t *ioc, bool enable)
{
    xel_status_t status = enable ? xell_ethboot_enable(ioc) : xell_ethboot_disable(ioc);
    if (status == XEL_STATUS_OK)
        std::printf("Ethboot configuration %s\n", enable ? "enabled" : "disabled");
    return status;
}

} // namespace

int ixo_ethboot_enable(char **argv, int argc, ixo_id_t *id)
{
    (void)argv;
    (void)argc;
    return id->xell == nullptr ? XEL_STATUS_FAILED : ixo_ethboot_enable_disable(id->xell, true);
}

int ixo_ethboot_disable(char **argv, int argc, ixo_id_t *id)
{
    (void)argv;
    (void)argc;
    return id->xell == nullptr ? XEL_STATUS_FAILED : ixo_ethboot_enable_disable(id->xell, false);
}

// The parser refuses anything above 4094 with -1, which must not reach the
// record as 65535.
int ixo_ethboot_vlan(char **argv, int argc, ixo_id_t *id)
{
    if (id->xell == nullptr)
        return XEL_STATUS_FAILED;
    if (argc < 5)
        return E_CLI_TOO_FEW_ARGS;
    int vlan = ixo_parse_vlan_id(argv[4]);
    if (vlan < 0)
        return E_CLI_INCORRECT_CMD;
    xel_status_t status = xell_ethboot_vlan(id->xell, static_cast<uint16_t>(vlan));
    if (status == XEL_STATUS_OK)
        std::fputs("Ethboot vlan configuration successful\n", stdout);
    return status;
}

int ixo_ethboot_query(char **argv, int argc, ixo_id_t *id)
{
    (void)argv;
    (void)argc;
    if (id->xell == nullptr)
        return XEL_STATUS_FAILED;
    xel_ethboot_cfg_t cfg{};
    xel_status_t status = xell_ethboot_query(id->xell, &cfg);
    if (status != XEL_STATUS_OK)
        return status;
    std::fputs("Ethernet boot Configuration :\n", stdout);
    std::printf("\tBoot Enable:\t%s\n", cfg.enable ? "Enabled" : "Disabled");
    std::printf("\tVLAN ID:\t%d\n", cfg.vlan);
    return XEL_STATUS_OK;
}
