// Diagnostic requests: the SFP checks and the D-port state.
#pragma once

#include "xel_port_records.h"
#include "xell_ioc.h"
#include "xell_state.h"

xel_status_t xell_sfp_media(xell_t *ioc, xel_defs_sfp_media_t *media);
// Fails when the installed SFP cannot run that speed.
xel_status_t xell_sfp_speed(xell_t *ioc, uint32_t speed);
xel_status_t xell_diag_dport_get_state(xell_t *ioc, xel_dport_state_t *state);
