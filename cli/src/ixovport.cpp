#include "ixo_commands.h"
#include "ixo_usage.h"

#include <cstdio>

void ixo_vport_usage(bool bhelp)
{
    (void)bhelp;
    std::fputs("\nUsage: ixo vport [OPTIONS] [ARGUMENTS] ...\n"
               "Direct VPORT specific commands using this option\n"
               "Example: ixo vport --delete <pcifn> <vpwwn> \n"
               "Available commands are:\n\n"
               "\t--create <pcifn> <vpwwn> [-n <vnwwn>] [-s <sname>]\n"
               "\t\tCreates additional vports\n\n"
               "\t--delete <pcifn> <vpwwn>\n"
               "\t\tDeletes vport\n\n"
               "\t--query <pcifn> <vpwwn>\n"
               "\t\tQueries vport status\n\n"
               "\t--stats <pcifn> <vpwwn>\n"
               "\t\tPrint vport statistics\n\n"
               "\t--statsclr <pcifn> <vpwwn>\n"
               "\t\t resets vport statistics\n\n",
               stdout);
    ixo_usage_pcifn_id_forms();
    std::fputs("\n", stdout);
}
