#include "ixo_commands.h"
#include "ixo_usage.h"

#include <cstdio>

void ixo_fcdiag_usage(bool bhelp)
{
    (void)bhelp;
    std::fputs("\nUsage: ixo fcdiag [OPTIONS] [ARGUMENTS] ...\n"
               "Direct fcdiagnostic commands using this option\n"
               "Example: ixo fcdiag --linkbeacon <port_id> {on | off}\n"
               "Available commands are:\n"
               "\t--fcecho <pcifn> <rpwwn> [-l <lpwwn>]\n"
               "\t\tSends an FC Echo Extended Link Services\n"
               "\t\t(ELS) request to a remote port\n\n"
               "\t--fcping <pcifn> <rpwwn> [-l <lpwwn>]\n"
               "\t\tDetermines the basic connectivity between\n"
               "\t\ttwo Fibre Channel network points\n\n"
               "\t--fctraceroute <pcifn> <rpwwn> [-l <lpwwn>]\n"
               "\t\tReports on a SAN path, including node hops and\n"
               "\t\tlatency data\n\n"
               "\t--linkbeacon <port_id> {on | off}\n"
               "\t\tBlinks the link\n\n"
               "\t--scsitest <pcifn> <rpwwn> [-l <lpwwn>]\n"
               "\t\tTests the SCSI components\n\n",
               stdout);
    ixo_usage_port_id_forms();
    ixo_usage_pcifn_id_fn_form();
}
