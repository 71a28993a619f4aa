// The requests the vHBA and vNIC operations share.
#pragma once

#include "xell_ioc.h"

#include <cstdint>

// A create of a function of the class on the port; the new function's
// number comes back in pcifn.
xel_status_t xell_pcifn_create_request(xell_t *ioc, uint16_t pcifn_class, int bw_min, int bw_max, int *pcifn,
                                       int port);
// A delete or bandwidth change of a configured function of the class.
xel_status_t xell_pcifn_change_request(xell_t *ioc, uint32_t cmd, int port, int pcifn, uint16_t pcifn_class,
                                       int bw_min, int bw_max);
