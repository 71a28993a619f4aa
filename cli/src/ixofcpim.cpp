#include "ixo_commands.h"
#include "ixo_usage.h"

#include <cstdio>

namespace {
constexpr int max_path_tov = 60;
}

void ixo_fcpim_usage(bool bhelp)
{
    (void)bhelp;
    std::fputs("\nUsage: ixo fcpim [OPTIONS] [ARGUMENTS] ...\n"
               "Direct FCPIM specific commands using this option\n"
               "Example: ixo fcpim --query <pcifn> <rpwwn> [-l <lpwwn>]\n"
               "Available commands are:\n"
               "\t--ioperf <pcifn> [-l [lpwwn]] [-r [rpwwn]] [-c count] [-i interval]\n"
               "\t--ioperf <port_range> [-l | -r] [-c count] [-i interval]\n"
               "\t\tShows IO performance in terms of IOPs and throughput at\n"
               "\t\tdifferent levels viz. Physical port, logical port &\n"
               "\t\tI-T sessions within a logical port\n"
               "\t\t<port_range> is low to high in the form of\n"
               "\t\t<adapter_id/port_id>-<adapter_id/port_id>\n"
               "\t\tCount is number of iterations (default = indefinite)\n"
               "\t\tInterval is sampling period (default = 1 sec)\n\n"
               "\t--lunlist <pcifn> [-l <lpwwn>] [-v verbose]\n"
               "\t\tDisplays info about each LUN connected to <pcifn>\n\n"
               "\t--lunmaskadd <port_id> <rpwwn> <LUN#> [-l <lpwwn>]\n"
               "\t\tAdd the lunmask entry <lun#> on the target <rpwwn>\n"
               "\t\tfor the initiator <lpwwn>\n"
               "\t\t<lun#> is the 64-bit lun number\n"
               "\t\tExample of lun# : 0001-0000-0000-0000\n\n"
               "\t--lunmaskclear <port_id>\n"
               "\t\tClears all the LUN masks for the given port\n\n"
               "\t--lunmaskdelete <port_id> <rpwwn> <LUN#> [-l <lpwwn>]\n"
               "\t\tDeletes the lunmask entry <lun#> on the target <rpwwn>\n"
               "\t\tfor the initiator <lpwwn>\n"
               "\t\t<lun#> is the 64-bit lun number\n"
               "\t\tExample of lun# : 0004-0000-0000-0000\n\n"
               "\t--lunmaskdisable <port_id>\n"
               "\t\tDisables lunmasking feature for the given port\n\n"
               "\t--lunmaskenable <port_id>\n"
               "\t\tEnables lunmasking feature for the given port\n\n"
               "\t--lunmaskquery <port_id> [-r <rpwwn>] [-l <lpwwn>]\n"
               "\t\tDisplays the active LUN masking configuration\n\n"
               "\t--pathtov <pcifn> <tov>\n",
               stdout);
    std::printf("\t\tSets device path timeout value [tov] in seconds (0..%d)\n\n",
                max_path_tov);
    std::fputs("\t--profile_off <pcifn>\n"
               "\t\tDisables IO profiling on fcpim\n\n"
               "\t--profile_on <pcifn>\n"
               "\t\tEnables IO profiling on fcpim\n\n"
               "\t--query <pcifn> <rpwwn> [-l <lpwwn>]\n"
               "\t\tQueries fcpim attributes\n\n"
               "\t--stats <pcifn> <rpwwn> [-l <lpwwn>]\n"
               "\t\tDisplays fcpim statistics\n\n"
               "\t--statsclr <pcifn> <rpwwn> [-l <lpwwn>]\n"
               "\t\tClears fcpim statistics\n\n"
               "\t--throttleclear <pcifn>\n"
               "\t\tConfigures IO throttle value in given fcpim to default\n\n"
               "\t--throttlequery <pcifn>\n"
               "\t\tDisplay current IO throttle values in given fcpim\n\n"
               "\t--throttleset <pcifn> <throttle_size>\n"
               "\t\tConfigures IO throttle value (1...2000) in given fcpim\n\n",
               stdout);
    ixo_usage_port_id_forms();
    ixo_usage_pcifn_id_fn_form();
}
