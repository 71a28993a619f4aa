#include "ixo_commands.h"
#include "ixo_usage.h"

#include <cstdio>

void ixo_ipfc_usage(bool bhelp)
{
    (void)bhelp;
    std::fputs("\nUsage: ixo ipfc [OPTIONS] [ARGUMENTS] ...\n"
               "Direct IP over FC specific commands using this option\n"
               "Example: ixo ipfc --query <pcifn>\n"
               "Available commands are:\n"
               "\t--disable <pcifn>\n"
               "\t\tDisable IP over FC\n\n"
               "\t--enable <pcifn>\n"
               "\t\tEnable IP over FC\n\n"
               "\t--query <pcifn>\n"
               "\t\tQuery the IP over FC state, MTU and network device\n\n"
               "\t--stats <pcifn>\n"
               "\t\tDisplay the IP over FC statistics\n\n"
               "\t--statsclr <pcifn>\n"
               "\t\tClear the IP over FC statistics\n\n",
               stdout);
    ixo_usage_pcifn_id_forms();
}
