#include "ixo_commands.h"
#include "ixo_usage.h"

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
