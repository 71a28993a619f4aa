#include "ixo_commands.h"
#include "ixo_usage.h"

#include <cstdio>

void ixo_dcb_usage(bool bhelp)
{
    (void)bhelp;
    std::fputs("\nUsage: ixo dcb [OPTIONS] [ARGUMENTS] ...\n"
               "Direct DCB specific commands using this option\n"
               "Example: ixo dcb --query <port_id>\n"
               "Available commands are:\n"
               "\t--query <port_id>\n"
               "\t\tQuery the DCB status and the attributes learned from the peer\n\n"
               "\t--stats <port_id>\n"
               "\t\tDisplay the DCB statistics\n\n"
               "\t--statsclr <port_id>\n"
               "\t\tClear the DCB statistics\n\n",
               stdout);
    ixo_usage_port_id_forms();
}
