// Enabling and disabling a virtual function (vHBA, vNIC): what both
// commands print and when they send nothing.
#pragma once

#include "xel_ioctl.h"
#include "xell_ioc.h"

using ixo_fn_switch_t = xel_status_t (*)(xell_t *ioc);

// noun names the function in the texts ("vHBA", "vNIC"); a function
// already in the asked state is left alone and OK returned.
int ixo_fn_set_state(xell_t *ioc, bool enable, const char *noun, ixo_fn_switch_t on, ixo_fn_switch_t off);
