#include "ixo_commands.h"
#include "ixo_usage.h"

#include <cstdio>

void ixo_log_usage(bool bhelp)
{
    (void)bhelp;
    std::fputs("\nUsage: ixo log [OPTIONS] [ARGUMENTS] ...\n"
               "Direct driver log specific commands using this option\n"
               "Example: ixo log --level <pcifn> Warning\n"
               "Available commands are:\n"
               "\t--level <pcifn> [Critical | Error | Warning | Info]"
               " [-m {fw | hal | fcs | drv | aen | all}]\n"
               "\t\tQuery or set the log level\n"
               "\t\t-m: Log module, default all\n"
               "\t\tThe module can not be chosen on an Ethernet pcifn\n\n",
               stdout);
    ixo_usage_pcifn_id_forms();
}
