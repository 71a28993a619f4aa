#include "ixo_commands.h"

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
