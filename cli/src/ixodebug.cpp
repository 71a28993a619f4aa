#include "ixo_commands.h"
#include "ixo_usage.h"

#include <cstdio>

void ixo_debug_usage(bool bhelp)
{
    (void)bhelp;
    std::fputs("\nUsage: ixo debug [OPTIONS] [ARGUMENTS] ...\n"
               "Direct Debugging commands using this option\n"
               "Example: ixo debug --portlog <pcifn>\n"
               "Available commands are:\n"
               "\t--dsave <pcifn> <outfile>\n"
               "\t\tSaves driver data structure states in raw form in <outfile>\n\n"
               "\t--dstart <pcifn>\n"
               "\t\tStarts the driver trace accumulation\n\n"
               "\t--dstop <pcifn>\n"
               "\t\tStops the driver trace accumulation\n\n"
               "\t--dtrc <pcifn> <outfile>\n"
               "\t\tDump driver trace information to <outfile>\n\n"
               "\t--fcoresave <port_id> <outfile>\n"
               "\t\tSaves firmware core dump in raw form in <outfile>\n\n"
               "\t--fsave <pcifn> <outfile>\n"
               "\t\tDump saved firmware trace information to file <outfile>\n\n"
               "\t--fsaveclr <pcifn>\n"
               "\t\tClears the saved firmware trace information\n\n"
               "\t--ftrc <port_id> <outfile>\n"
               "\t\tDump firmware trace information to file <outfile>\n\n"
               "\t--itrc <outfile>\n"
               "\t\tDump IM driver trace information to <outfile>\n\n"
               "\t--membase <pcifn>\n"
               "\t\tRead kva base\n\n"
               "\t--memread <pcifn> [kva] [nwords]\n"
               "\t\tRead nwords from kva offset = kva\n\n"
               "\t--portlog <pcifn>\n"
               "\t\tDisplay port log contents\n\n"
               "\t--portlogclear <pcifn>\n"
               "\t\tClears the port log for <pcifn>\n\n"
               "\t--portlogctl <pcifn> <enable | disable>\n"
               "\t\tEnables/disables port logging\n\n"
               "\t--regread <port_id> <addr> [<nwords>] [--force]\n"
               "\t\tRead register/memory contents\n\n"
               "\t--regwrite <port_id> <addr> <value> [--force]\n"
               "\t\tWrite to register/memory\n"
               "\t\t--force option forces register read/write\n\n",
               stdout);
    ixo_usage_port_id_forms();
    ixo_usage_pcifn_id_fn_form();
}
