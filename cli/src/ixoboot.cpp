#include "ixo_commands.h"
#include "ixo_usage.h"

#include <cstdio>

void ixo_boot_usage(bool bhelp)
{
    std::fputs("\nUsage: ixo boot [OPTIONS] [ARGUMENTS] ...\n"
               "Direct boot code specific commands using this option\n"
               "Example: ixo boot --update <ad_id> <image_file>\n"
               "Available commands are:\n"
               "\t--blunZone -c BLUN -p <pwwn> -r <rpwwn> -l <lun>\n"
               "\t\tPrints the switch command that creates a zone for booting\n"
               "\t\tport <pwwn> from LUN <lun> of remote port <rpwwn>\n"
               "\t\t<lun> is 2 hex digits or the full LUN of 16 hex digits\n\n",
               stdout);
    if (bhelp)
        std::fputs("\t--update <ad_id> <image_file> [-d <dev_id>]\n", stdout);
    else
        std::fputs("\t--update <ad_id> <image_file>\n", stdout);
    std::fputs("\t--update <image_file> -a\n"
               "\t\tUpdate the boot code of the adapter from the boot image file\n"
               "\t\t-a: Update the boot code of all the adapters\n",
               stdout);
    if (bhelp)
        std::fputs("\t\tdev_id should be 13 for dual port and 17 for single port card\n", stdout);
    std::fputs("\n", stdout);
    ixo_usage_ad_id_forms();
}
