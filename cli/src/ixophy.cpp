#include "ixo_commands.h"
#include "ixo_usage.h"

#include <cstdio>

void ixo_phy_usage(bool bhelp)
{
    (void)bhelp;
    std::fputs("\nUsage: ixo phy [OPTIONS] [ARGUMENTS] ...\n"
               "Direct PHY module specific commands using this option\n"
               "Example: ixo phy --query <port_id>\n"
               "Available commands are:\n"
               "\t--query <port_id>\n"
               "\t\tQuery the PHY module attributes\n\n"
               "\t--read <port_id> <file>\n"
               "\t\tRead the PHY firmware into <file>\n\n"
               "\t--stats <port_id>\n"
               "\t\tDisplay the PHY module statistics\n\n"
               "\t--update {<ad_id> | -a} <fw_file>\n"
               "\t\tUpdate the PHY firmware on every port of the adapter,\n"
               "\t\tor of all the adapters with -a\n"
               "\t\tThe new firmware takes effect after adapter --disable and --enable\n\n",
               stdout);
    ixo_usage_port_id_forms();
    ixo_usage_ad_id_forms();
}
