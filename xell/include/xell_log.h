// The severity threshold of the driver's and firmware's log modules. A
// level set for all modules is recorded in the configuration file
// ("log-level") once the driver accepted it.
#pragma once

#include "xel_auth_records.h"
#include "xell_ioc.h"

xel_status_t xell_log_set_level(xell_t *ioc, uint32_t level, int16_t module);
// *level is 0 unless the driver answered with success.
xel_status_t xell_log_get_level(xell_t *ioc, uint32_t *level, int16_t module);
// "Critical", "Error", "Warning" or "Info" for 1 to 4; "" for anything else.
const char *xell_get_log_level_str(int level);
