#include "ixo_commands.h"
#include "ixo_usage.h"

#include <cstdio>

void ixo_ratelim_usage(bool bhelp)
{
    (void)bhelp;
    std::fputs("\nUsage: ixo ratelim [OPTIONS] [ARGUMENTS] ...\n"
               "Direct Tessary adapter specific commands using this option\n"
               "Example: ixo ratelim --enable <port_id>\n"
               "Available commands are:\n"
               "\t--defspeed <port_id> [<1|2|4|8>]\n"
               "\t\tQuery or set the default TRL speed\n"
               "\t\tdefspeed needs to be a supported speed and less than the max speed\n"
               "\t\tat which the card can operate.\n\n"
               "\t--disable <port_id>\n"
               "\t\tDisable ratelim for Port if currently enabled\n\n"
               "\t--enable <port_id>\n"
               "\t\tEnable ratelim for Port if currently disabled\n\n"
               "\t--query <port_id>\n"
               "\t\tQuery the TRL details\n\n",
               stdout);
    ixo_usage_port_id_forms();
}
