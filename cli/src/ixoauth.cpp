#include "ixo_commands.h"

#include <cstdio>

void ixo_auth_usage(bool bhelp)
{
    std::fputs("\nUsage: ixo auth [OPTIONS] [ARGUMENTS] ...\n"
               "Direct authentication specific commands using this option\n"
               "Example: ixo auth --show <pcifn>\n"
               "Available commands are:\n"
               "\t--algo <pcifn> {md5 | sha1 | ms | sm}\n"
               "\t\tSet the authentication hash algorithm\n\n",
               stdout);
    if (bhelp)
        std::fputs("\t--encrypt <pcifn> <word,word,...>\n"
                   "\t\tSet the secret from its encoded words\n\n",
                   stdout);
    std::fputs("\t--policy <pcifn> {on | off}\n"
               "\t\tTurn authentication on or off\n\n"
               "\t--secret <pcifn> <secret>\n"
               "\t\tSet the authentication secret\n"
               "\t\tSecret should contain 8 to 40 alphanumeric characters\n\n"
               "\t--show <pcifn>\n"
               "\t\tShow the authentication settings and status\n\n"
               "\t--stats <pcifn>\n"
               "\t\tDisplay the authentication statistics\n\n"
               "\t--statsclr <pcifn>\n"
               "\t\tClear the authentication statistics\n\n"
               "\n\tpcifn id could be any of:\n"
               "\t\t<adapter_id/port_id>\n"
               "\t\t<adapter_id/port_id/pcifn_id>\n"
               "\t\t<port-pwwn>\n"
               "\t\t<port-name>\n"
               "\t\t<port-hwpath>\n",
               stdout);
}
