// What the port commands (ixoport*.cpp) share.
#pragma once

#include "xell_port.h"

// FC and FCoE functions; everything else is a network function.
// The port of the adapter model an IOC belongs to; null when its adapter
// or port is gone.
xell_port_t *ixo_port_of(const xell_t *ioc);
// The 24-bit FC address: the first three bytes of the field as stored,
// the first one most significant.
uint32_t ixo_port_fc_addr(uint32_t pid);
// The pre-boot footnote of a port whose state is "Disabled#".
void ixo_port_print_preboot_note();
