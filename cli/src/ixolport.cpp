#include "ixo_commands.h"
#include "ixo_usage.h"

#include <cstdio>

void ixo_lport_usage(bool bhelp)
{
    (void)bhelp;
    std::fputs("\nUsage: ixo lport [OPTIONS] [ARGUMENTS] ...\n"
               "Direct RPORT specific commands using this option\n"
               "Example: ixo lport --query <pcifn>\n"
               "Available commands are:\n"
               "\t--list <pcifn>\n"
               "\t\tlists the lports\n\n"
               "\t--query <pcifn> [-l <lpwwn>]\n"
               "\t\tQueries attributes of logical port\n\n"
               "\t--stats <pcifn> [-l <lpwwn>]\n"
               "\t\t Displays lport level statistics\n\n"
               "\t--statsclr <pcifn> [-l <lpwwn>]\n"
               "\t\t clears lport level statistics\n\n",
               stdout);
    ixo_usage_pcifn_id_fn_form();
}
