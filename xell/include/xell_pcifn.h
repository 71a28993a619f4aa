// PCI function personalities of an adapter.
#pragma once

#include "xell_ioc.h"
#include "xell_state.h"

// Whether the IOC's adapter may take the mode: only device 0x22
// (XEL_STATUS_FEATURE_NOT_SUPPORTED otherwise), and only a mode its
// capability word in flash allows (XEL_STATUS_UNSUPP_MODE otherwise).
xel_status_t xell_verify_mode_change(xell_t *ioc, xel_mode_t mode);
