#include "ixo_commands.h"
#include "ixo_usage.h"

#include <cstdio>

void ixo_bootdup_usage(bool bhelp)
{
    std::fputs("\nUsage: ixo bootdup [OPTIONS] [ARGUMENTS] ...\n", stdout);
    if (!bhelp)
        return;

    std::fputs("Direct boot update package specific commands using this option\n"
               "Example: ixo bootdup --query -a -o <out_file>\n"
               "Available commands are:\n"
               "\t--query {<ad_id> | -a} [-o <out_file>] [-l <log_file>]\n"
               "\t\tWrite the firmware inventory of the adapter, or of all\n"
               "\t\tthe adapters with -a, as XML\n\n"
               "\t--read <ad_id> -f <fw_file>\n"
               "\t\tRead the firmware image of the adapter into <fw_file>\n"
               "\t\tand its hex dump into <fw_file>.hex\n\n"
               "\t--swquery {<ad_id> | -a} [-o <out_file>] [-l <log_file>]\n"
               "\t\tWrite the driver inventory of the adapter, or of all\n"
               "\t\tthe adapters with -a, as XML\n\n"
               "\t--update {<ad_id> | -a} -s <image_file> [-o <out_file>] [-l <log_file>]\n"
               "\t\tUpdate the boot code of the adapter, or of all the adapters\n"
               "\t\twith -a, and write the execution report as XML\n\n"
               "\n\tThe XML is written to <out_file>, or to the standard output\n"
               "\twhen -o is not given\n"
               "\tThe log is written to <log_file>, by default bootdup_log.txt\n",
               stdout);
    ixo_usage_ad_id_forms();
}
