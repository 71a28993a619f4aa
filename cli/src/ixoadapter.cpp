#include "ixo_commands.h"

#include <cstdio>

void ixo_adapter_usage(bool bhelp)
{
    std::fputs("\nUsage: ixo adapter [OPTIONS] [ARGUMENTS] ...\n"
               "Example: ixo adapter --list\n\n"
               "Available commands are:\n",
               stdout);
    if (bhelp)
        std::fputs("\t--autostart <ad_id> <on | off>\n"
                   "\t\tEnables/disables auto start capability for the adapter\n\n",
                   stdout);
    std::fputs("\t--disable <ad_id>\n"
               "\t\tDisables the adapter\n\n"
               "\t--enable <ad_id>\n"
               "\t\tEnables the adapter\n\n"
               "\t--list\n"
               "\t\tList all the adapters in the system\n\n"
               "\t--mode <ad_id> <HBA|CNA|NIC> [-f]\n"
               "\t\tSet the mode for the adapter\n"
               "\t\t-f: Force the command to reset all the settings configured on the adapter\n\n"
               "\t--name <ad_id> [<adapter-name>]\n"
               "\t\tQuery or set the name of adapter\n"
               "\t\tName should contain a maximum of 15 characters\n"
               "\t\tThe first letter has to be an alphabet\n"
               "\t\tName can contain only alphanumeric characters\n"
               "\t\tOnly possible exceptions being \"-\" and \"_\"\n\n",
               stdout);
    if (bhelp)
        std::fputs("\t--power <ad_id> [-m {on | off | save1 | save2}]\n"
                   "\t\tQuery or Set the power mode for adapter\n\n",
                   stdout);
    std::fputs("\t--query <ad_id>\n"
               "\t\tQuery attributes of adapter\n\n"
               "\n\t<ad_id> could be specified in one of the following formats:\n"
               "\t\t- adapter index\n"
               "\t\t- serial number\n"
               "\t\t- adapter name\n"
               "\t\t- hw path\n"
               "\n",
               stdout);
}
