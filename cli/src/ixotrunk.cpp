#include "ixo_commands.h"
#include "ixo_usage.h"

#include <cstdio>

void ixo_trunk_usage(bool bhelp)
{
    (void)bhelp;
    std::fputs("\nUsage: ixo trunk [OPTIONS] [ARGUMENTS] ...\n"
               "Direct Tessary adapter specific commands using this option\n"
               "Example: ixo trunk --enable <ad_id>\n"
               "Available commands are:\n\n"
               "\t--disable <ad_id>\n"
               "\t\tDisable trunk for adapter if currently enabled\n\n"
               "\t--enable <ad_id>\n"
               "\t\tEnable trunk for adapter if currently disabled\n\n"
               "\t--query <ad_id>\n"
               "\t\tQuery the trunk details\n\n",
               stdout);
    ixo_usage_ad_id_forms();
}
