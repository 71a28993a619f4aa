// What the vNIC commands (ixovnic*.cpp) share.
#pragma once

#include "xell_pcifn.h"

// The query's transmit and receive function lines.
void ixo_vnic_print_functions(const xel_vnic_attr_t &attr);
// The vNIC counters after the IOC statistics.
void ixo_vnic_print_stats(const xel_vnic_stats_t &stats);
