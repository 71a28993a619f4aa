#include "ixo_commands.h"
#include "ixo_usage.h"

#include <cstdio>

void ixo_vhba_usage(bool bhelp)
{
    (void)bhelp;
    std::fputs("\nUsage: ixo vhba [OPTIONS] [ARGUMENTS] ...\n"
               "Available commands are:\n\n"
               "\t--disable <pcifn>\n"
               "\t\t Disables the vHBA\n\n"
               "\t--enable <pcifn>\n"
               "\t\t Enables the vHBA\n\n"
               "\t--intr <pcifn> <-c> {on | off} [<latency> <delay>]\n"
               "\t\t Configures interrupt attributes for the vHBA\n"
               "\t\tLatency can be between 0-225 micro seconds\n"
               "\t\tLatency value of 0 means the minimum latency\n"
               "\t\tvalue supported by the hardware and not literal 0\n"
               "\t\tLatency value 0 disables latency monitor timeout interrupt\n\n"
               "\t\tDelay can be between 0-1125 micro seconds\n"
               "\t\tDelay value of 0 disables the delay timeout interrupt\n"
               "\n\tport id could be any of:\n"
               "\t--query <pcifn>\n"
               "\t\tQueries vHBA status\n\n"
               "\t--stats <pcifn>\n"
               "\t\t Displays statistics of the vHBA\n\n"
               "\t--statsclr <pcifn>\n"
               "\t\t Clears statistics of the vHBA\n\n",
               stdout);
    ixo_usage_port_id_forms();
    std::fputs("\n\tpcifn id could be any of:\n"
               "\t\t<adapter_id/port_id>\n"
               "\t\t<adapter_id/port_id/pcifn_id>\n\n",
               stdout);
}
