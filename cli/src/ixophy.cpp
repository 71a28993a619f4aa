#include "ixo_commands.h"

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
               "\t\tThe new firmware takes effect after adapter --disable and --enable\n\n"
               "\n\tport id could be any of:\n"
               "\t\t<adapter_id/port_id>\n"
               "\t\t<port-pwwn>\n"
               "\t\t<port-name>\n"
               "\t\t<port-hwpath>\n"
               "\n\t- ad_id could be any of:\n"
               "\t\t- adapter_index\n"
               "\t\t- serial number\n"
               "\t\t- adapter name\n"
               "\t\t- hw path\n",
               stdout);
}
