#include "ixo_commands.h"
#include "ixo_usage.h"

#include <cstdio>

void ixo_diag_usage(bool bhelp)
{
    (void)bhelp;
    std::fputs("\nUsage: ixo diag [OPTIONS] [ARGUMENTS] ...\n"
               "Direct diagnostic commands using this option\n"
               "Example: ixo diag --sfpshow <port_id>\n\n"
               "Available commands are:\n"
               "\t--beacon <port_id> {on | off} [<duration>]\n"
               "\t\tTurns the port beacon on or off for <duration> seconds\n"
               "\t\tduration = 0 means infinite beaconing\n\n"
               "\t--dportdisable <port_id>\n"
               "\t\tTakes the port out of D-port mode\n\n"
               "\t--dportenable <port_id>\n"
               "\t\tPuts the port in D-port mode\n\n"
               "\t--ethloopback <port_id> [-t <loopback-type>]\n"
               "\t\t[-c <frame-count>] [-p <pattern>]\n"
               "\t\tRuns the Ethernet loopback test on the port\n"
               "\t\tloopback-type: {serdes | ext}, default is serdes\n"
               "\t\tframe-count: 1 to 131072, default is 131072\n"
               "\t\tpattern should be one hex word upto 4 bytes in size\n\n"
               "\t--ledtest <port_id> <led> {on | off | blink} [<color>] [<freq>]\n"
               "\t\tTests the adapter LEDs\n"
               "\t\tled: LED bit map from 1 to 7\n"
               "\t\tcolor: {green | amber}, required with on and blink\n"
               "\t\tfreq: blinks per 10 seconds, required with blink\n\n"
               "\t--loopback <port_id> [-t <loopback-type>] [-s <speed>]\n"
               "\t\t[-c <frame-count>] [-p <pattern>]\n"
               "\t\tRuns the FC loopback test on the port\n"
               "\t\tloopback-type: {int | serdes | ext}, default is serdes\n"
               "\t\tspeed: {10 | 16 | 8 | 4 | 2 |1}\n"
               "\t\tDefault speed for 16G/8G/4G FC HBAs is 4G\n"
               "\t\tDefault speed for 10G FCoE CNAs is 10G\n"
               "\t\tframe-count: default is 131072\n"
               "\t\tpattern should be one hex word upto 4 bytes in size\n\n"
               "\t--memtest <ad_id>\n"
               "\t\tRuns the memory test on the adapter\n\n"
               "\t--pciloopback <pcifn> <pattern> [-c <count>]\n"
               "\t\tRuns the PCI loopback test between host and adapter\n"
               "\t\tpattern should be one hex word upto 4 bytes in size\n"
               "\t\tcount: number of frames, default is 1\n\n"
               "\t--queuetest <port_id> [-q <queue number>]\n"
               "\t\tTests the request queues of the port\n"
               "\t\t<queue number>: CPE queue no. from 0 to 3\n"
               "\t\tdefault: test all queues\n\n"
               "\t--sfpshow <port_id>\n"
               "\t\tDisplays the SFP information of the port\n\n"
               "\t--tempshow <ad_id>\n"
               "\t\tDisplays the adapter temperature\n\n",
               stdout);
    ixo_usage_port_id_forms();
    ixo_usage_pcifn_id_fn_form();
}
