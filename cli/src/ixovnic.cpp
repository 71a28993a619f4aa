#include "ixo_commands.h"
#include "ixo_usage.h"

#include <cstdio>

void ixo_vnic_usage(bool bhelp)
{
    (void)bhelp;
    std::fputs("\nUsage: ixo vnic [OPTIONS] [ARGUMENTS] ...\n"
               "Available commands are:\n\n"
               "\t--bw <pcifn> [-bmin <min bandwidth>] [-bmax <max bandwidth>]\n"
               "\t\t Sets the bandwidth for the vNIC\n\n"
               "\t--create <port_id> [-bmin <min bandwidth>] [-bmax <max bandwidth>]\n"
               "\t\tCreates additional vNIC\n\n"
               "\t--delete <pcifn>\n"
               "\t\tDeletes given vNIC\n\n"
               "\t--disable <pcifn>\n"
               "\t\t Disables the vNIC\n\n"
               "\t--enable <pcifn>\n"
               "\t\t Enables the vNIC\n\n"
               "\t--query <pcifn>\n"
               "\t\tQueries vNIC status\n\n"
               "\t--stats <pcifn>\n"
               "\t\t Displays statistics of the vNIC\n\n"
               "\t--statsclr <pcifn>\n"
               "\t\t Clears statistics of the vNIC\n\n",
               stdout);
    ixo_usage_port_id_forms();
    std::fputs("\n\tFor --delete and --bw, pcifn id has to be:\n"
               "\t\t<adapter_id/port_id/pcifn_id>\n"
               "\n\tFor all other commands pcifn id could be any of:\n"
               "\t\t<adapter_id/port_id>\n"
               "\t\t<adapter_id/port_id/pcifn_id>\n"
               "\n\tbandwidth can be specified either as an absolute value\n",
               stdout);
    std::printf("\tor a percentage weight i.e., %s\n", "0% to 100%");
    std::printf("\tAbsolute value could range from %d[M] to %dG\n", 0, 10);
    std::fputs("\twhere M is Mbps and G is Gbps. Default unit is Mbps\n", stdout);
    std::printf("\tDefault values for min bandwidth = 0 and max bandwidth = 10000M/%s\n",
                "100%");
    std::fputs("\tAbsolute bandwidth value has to be in multiples of 100Mbps\n"
               "\tFor eg; 100M, 300M 6.5G, 10G etc are valid entries\n\n"
               "\tHowever please note that -bmax = 0 is not an valid entry\n",
               stdout);
}
