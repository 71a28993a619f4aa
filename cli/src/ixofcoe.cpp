#include "ixo_commands.h"
#include "ixo_usage.h"

#include <cstdio>

void ixo_fcoe_usage(bool bhelp)
{
    (void)bhelp;
    std::fputs("\nUsage: ixo fcoe [OPTIONS] [ARGUMENTS] ...\n"
               "Direct FCoE specific commands using this option\n"
               "Example: ixo fcoe --stats <port_id>\n"
               "Available commands are:\n"
               "\t--disable <port_id>\n"
               "\t\tDisable the FCoE port\n\n"
               "\t--enable <port_id>\n"
               "\t\tEnable the FCoE port\n\n"
               "\t--stats <port_id>\n"
               "\t\tDisplay the FCoE port statistics\n\n"
               "\t--statsclr <port_id>\n"
               "\t\tClear the FCoE port statistics\n\n",
               stdout);
    ixo_usage_port_id_forms();
}
