#include "ixo_commands.h"

#include <cstdio>

void ixo_pcifn_usage(bool bhelp)
{
    (void)bhelp;
    std::fputs("\nUsage: ixo pcifn [OPTIONS] [ARGUMENTS] ...\n"
               "Direct PCI Function specific commands using this option\n"
               "Example: ixo pcifn --list 1\n\n"
               "Available commands are:\n"
               "\t--list <adapter_id>\n"
               "\t\tLists all PCI functions configured or visible on an adapter\n\n"
               "\n\tadapter id could be any of:\n"
               "\t\t<adapter_id>\n"
               "\t\t<adapter-sn>\n"
               "\t\t<adapter-name>\n"
               "\t\t<adapter-hwpath>\n\n",
               stdout);
}
