#include "ixo_commands.h"
#include "ixo_usage.h"

#include <cstdio>

void ixo_rport_usage(bool bhelp)
{
    std::fputs("\nUsage: ixo rport [OPTIONS] [ARGUMENTS] ...\n"
               "Direct RPORT specific commands using this option\n"
               "Example: ixo rport --list <pcifn>\n"
               "Available commands are:\n"
               "\t--list <pcifn> [-l <lpwwn>]\n"
               "\t\tlist all the rports visible through the local port\n\n"
               "\t--osname <pcifn> [-l <lpwwn>]\n"
               "\t\tThis command is obsolete in driver versions 3.0.0"
               " and above.\n\t\tIt has been"
               " replaced by 'ixo fcpim --lunlist'.Please see the\n\t\t"
               "help section of fcpim for more information on its usage.\n\n"
               "\t--query <pcifn> <rpwwn> [-l <lpwwn>]\n"
               "\t\tQueries attributes of remote port\n\n",
               stdout);
    if (bhelp)
        std::fputs("\t--speed <port_id> <rpwwn> <2|4|8> [-l <lpwwn>]\n"
                   "\t\tSets the remote port speed\n\n",
                   stdout);
    std::fputs("\t--stats <pcifn> <rpwwn> [-l <lpwwn>]\n"
               "\t\tDisplay rport level statistics\n\n"
               "\t--statsclr <pcifn> <rpwwn> [-l <lpwwn>]\n"
               "\t\tClears rport level statistics\n\n",
               stdout);
    if (bhelp)
        ixo_usage_port_id_forms();
    ixo_usage_pcifn_id_fn_form();
}
