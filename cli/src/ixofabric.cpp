#include "ixo_commands.h"

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
               "\t\tClears the stats of the fabric\n\n"
               "\n\tport id could be any of:\n"
               "\t\t<adapter_id/port_id>\n"
               "\t\t<port-pwwn>\n"
               "\t\t<port-name>\n"
               "\t\t<port-hwpath>\n",
               stdout);
}
