#include "ixo_commands.h"
#include "ixo_usage.h"

#include <cstdio>

void ixo_qos_usage(bool bhelp)
{
    (void)bhelp;
    std::fputs("\nUsage: ixo qos [OPTIONS] [ARGUMENTS] ...\n"
               "Direct Tessary adapter specific commands using this option\n"
               "Example: ixo qos --enable <port_id>\n"
               "Available commands are:\n\n"
               "\t--disable <port_id>\n"
               "\t\tDisable qos for Port if currently enabled\n\n"
               "\t--enable <port_id>\n"
               "\t\tEnable qos for Port if currently disabled\n\n"
               "\t--query <port_id>\n"
               "\t\tQuery the QOS details\n\n"
               "\t--setbw <port_id> -h <high> -m <med> -l <low>\n"
               "\t\tSet the bandwidth for QOS high/medium/low priorities\n\n"
               "\t--stats <port_id>\n"
               "\t\tDisplay the QOS statistics\n\n"
               "\t--statsclr <port_id>\n"
               "\t\tClear the QOS statistics\n\n",
               stdout);
    ixo_usage_port_id_forms();
}
