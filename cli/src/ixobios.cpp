#include "ixo_commands.h"
#include "ixo_usage.h"

#include <cstdio>

void ixo_bios_usage(bool bhelp)
{
    (void)bhelp;
    std::fputs("\nUsage: ixo bios [OPTIONS] [ARGUMENTS] ...\n"
               "Direct boot over SAN specific commands using this option\n"
               "Example: ixo bios --query <port_id>\n"
               "Available commands are:\n"
               "\t--disable <port_id>\n"
               "\t\tDisable boot over SAN for the port\n\n"
               "\t--enable <port_id> [-s <speed>] [-t <topology>] [-o <boot_option>]"
               " [-d <delay>] [-p <position>] [-b <pwwn,lun>] ...\n"
               "\t\tEnable boot over SAN for the port\n"
               "\t\t-s: Port speed {1 | 2 | 4 | 8 | 16 | auto}, default auto\n"
               "\t\t-t: Port topology {p2p | loop}, default p2p\n"
               "\t\t-o: Boot LUN option, default auto\n"
               "\t\t\tauto     -  Discover the boot LUN from the fabric\n"
               "\t\t\tflash    -  Use the boot LUNs stored in flash\n"
               "\t\t\tfirstlun -  Use the first visible LUN\n"
               "\t\t-d: Bootup delay in seconds {0 | 1 | 2 | 5 | 10}, default 0\n"
               "\t\t-p: First boot LUN entry to fill {0 - 3}, default 0\n"
               "\t\t-b: Boot LUN as target port wwn and decimal LUN number,\n"
               "\t\t    up to 4 entries\n"
               "\t\tSpeed and topology cannot be set on a CNA port\n"
               "\t\tLoop topology needs boot LUN option flash or firstlun\n\n"
               "\t--query <port_id>\n"
               "\t\tQuery the boot over SAN and pre-boot configuration\n\n",
               stdout);
    ixo_usage_port_id_forms();
}
