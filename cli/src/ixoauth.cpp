#include "ixo_commands.h"
#include "ixo_usage.h"

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
               "\t\tClear the authentication statistics\n\n",
               stdout);
    ixo_usage_pcifn_id_forms();
}
