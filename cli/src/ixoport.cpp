#include "ixoport.h"

#include "ixo_commands.h"
#include "ixo_usage.h"

#include <cstdio>
#include <cstring>

xell_port_t *ixo_port_of(const xell_t *ioc)
{
    return xell_adapter_get_port(xell_adapter_get_by_idx(ioc->ad_id), ioc->port_num);
}

uint32_t ixo_port_fc_addr(uint32_t pid)
{
    uint8_t bytes[4];
    std::memcpy(bytes, &pid, sizeof bytes);
    return static_cast<uint32_t>(bytes[0]) << 16 | static_cast<uint32_t>(bytes[1]) << 8 | bytes[2];
}

void ixo_port_print_preboot_note()
{
    std::fputs("\n# indicates operation performed from pre-boot configuration.\n\n", stdout);
}

void ixo_port_usage(bool bhelp)
{
    std::fputs("\nUsage: ixo port [OPTIONS] [ARGUMENTS] ...\n"
               "Direct Physical Port specific commands using this option\n"
               "Example: ixo port --query <port_id>\n"
               "Available commands are:\n"
               "\t--dfsize <port_id> [<dfsize>] \n"
               "\t\tQuery or set received data field size \n"
               "\t\tAllowed dfsize values are auto, 512, 1024, 2048 and 2112\n\n"
               "\t\tIf set to auto uses default value 2112\n\n"
               "\t--disable <port_id> \n"
               "\t\tDisable the port\n\n"
               "\t--enable <port_id> \n"
               "\t\tEnable the port\n\n",
               stdout);
    if (bhelp)
        std::fputs("\t--events <port_id>\n"
                   "\t\tprints out the events for the port\n\n",
                   stdout);
    std::fputs("\t--faa <port_id> <--query>\n"
               "\t\tQueries the attributes of Fabric Assigned Address\n\n",
               stdout);
    if (bhelp)
        std::fputs("\t--fccr_enable <port_id>\n"
                   "\t\tEnable Fibre Channel Credit Recovery\n\n"
                   "\t--fccr_disable <port_id>\n"
                   "\t\tDisable Fibre Channel Credit Recovery\n\n"
                   "\t--fccr_query <port_id>\n"
                   "\t\tQuery Fibre Channel Credit Recovery State\n\n",
                   stdout);
    std::fputs("\t--fwstats <port_id>\n"
               "\t\tDisplay firmware level statistics\n\n"
               "\t--fwstatsclr <port_id>\n"
               "\t\tClears firmware level statistics\n\n"
               "\t--list [-verbose | -terse]\n"
               "\t\tList all ports in the system\n"
               "\t\t\tterse    -  Does not list PCI Functions\n"
               "\t\t\tverbose  -  Lists all PCI Functions\n"
               "\t\t\tThe default output is verbose\n"
               "\t--mode <port_id> {HBA|CNA|NIC} [-f]\n"
               "\t\tSet the mode for the port\n"
               "\t\t-f: Force the command to reset all the settings configured on the port\n"
               "\t--name <port_id> [<port_name>]\n"
               "\t\tQuery or set port name\n"
               "\t\tName should contain a maximum of 15 characters\n"
               "\t\tThe first letter has to be an alphabet\n"
               "\t\tName can contain only alphanumeric characters\n"
               "\t\tOnly possible exceptions being \"-\" and \"_\"\n\n"
               "\t--perf <port_range|all> [-c count] [-i interval] \n"
               "\t\tDisplay data throughput in units of:\n"
               "\t\t\tBytes/sec, KBytes/sec, MBytes/sec & GBytes/sec\n"
               "\t\t\tAn asterisk implies error reading from driver\n\n"
               "\t\tport_range, for example, could be 1/0 or 1/0-2/1\n\n"
               "\t--query <port_id>\n"
               "\t\tQuery the port details\n\n"
               "\t--speed <port_id> [1|2|4|8|16|10|auto] \n"
               "\t\tQuery or set the port speed\n"
               "\t\t1G speed is not valid for an 8G/16G HBA\n"
               "\t\t1G speed is valid for an 8G Mezz HBA\n"
               "\t\t16G/8G speed is not valid for a 4G HBA\n"
               "\t\t16G speed is not valid for a 8G HBA\n"
               "\t\t10G is the only valid speed for 10G FCoE CNA\n\n"
               "\t--stats <port_id>\n"
               "\t\tDisplay the port statistics\n\n"
               "\t--statsclr <port_id>\n"
               "\t\tClear the port statistics\n\n"
               "\t--topology <port_id> [p2p | loop] \n"
               "\t\tQuery or set the port topology\n"
               "\t\tNot applicable to CNA.\n\n",
               stdout);
    ixo_usage_port_id_forms();
    std::fputs("\n", stdout);
}
