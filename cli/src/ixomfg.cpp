#include "ixo_commands.h"
#include "ixo_usage.h"

#include <cstdio>

void ixo_mfg_usage(bool bhelp)
{
    std::fputs("\nUsage: ixo mfg [OPTIONS] [ARGUMENTS] ...\n", stdout);
    if (!bhelp)
        return;

    std::fputs("Direct manufacturing block specific commands using this option\n"
               "Example: ixo mfg --update <ad_id> <serial_num> <part_num> <card_type>"
               " <nports> <mode> <pwwn>\n"
               "Available commands are:\n"
               "\t--update <ad_id> <serial_num> <part_num> <card_type> <nports> <mode> <pwwn>"
               " [<mac>] [--cap <capabilities>] [--ablk <asic_block_file>]\n"
               "\t\tWrite the manufacturing block of the adapter\n"
               "\t\tserial_num can contain a maximum of 11 characters\n"
               "\t\tcard_type is the card model number\n"
               "\t\tmode is the initial mode {hba | cna | nic}\n"
               "\t\tmac is required or refused depending on the card type\n"
               "\t\tcapabilities is a comma separated list of:\n"
               "\t\t\thba, cna, nic, fc16g, sriov, mezz\n"
               "\t\t--cap and --ablk are used by the newer card types only\n\n",
               stdout);
    ixo_usage_ad_id_forms();
}
