#include "ixo_commands.h"
#include "ixo_usage.h"

#include <cstdio>

void ixo_fruvpd_usage(bool bhelp)
{
    std::fputs("\nUsage: ixo fruvpd [OPTIONS] [ARGUMENTS] ...\n", stdout);
    if (!bhelp)
        return;

    std::fputs("Direct FRU VPD specific commands using this option\n"
               "Example: ixo fruvpd --read <ad_id> <file>\n"
               "Available commands are:\n"
               "\t--read <ad_id> <file>\n"
               "\t\tRead the FRU VPD data of the adapter into <file>\n\n"
               "\t--update <ad_id> <file>\n"
               "\t\tWrite the FRU VPD data of the adapter from <file>\n\n",
               stdout);
    ixo_usage_ad_id_forms();
}
