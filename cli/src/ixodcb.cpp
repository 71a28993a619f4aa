#include "ixo_commands.h"

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
               "\t\tClear the DCB statistics\n\n"
               "\n\tport id could be any of:\n"
               "\t\t<adapter_id/port_id>\n"
               "\t\t<port-pwwn>\n"
               "\t\t<port-name>\n"
               "\t\t<port-hwpath>\n",
               stdout);
}
