// IP over FC on a storage function. The attribute, statistics and reset
// requests go to the IP over FC device (/dev/xelipfc); enable and disable
// go to the storage driver and are recorded in the configuration file
// ("ipfc-enable") once the driver accepted them.
#pragma once

#include "xel_phy_records.h"
#include "xell_ioc.h"
#include "xell_stats.h"

xel_status_t xell_ipfc_get_attr(xell_t *ioc, xel_ipfc_attr_t *attr);
// The counters and their table (xell_xel_ipfc_stats), on success only.
xel_status_t xell_ipfc_get_stats(xell_t *ioc, const xell_stats_t **desc, xel_ipfc_stats_t *stats);
xel_status_t xell_ipfc_reset_stats(xell_t *ioc);
xel_status_t xell_ipfc_enable(xell_t *ioc);
xel_status_t xell_ipfc_disable(xell_t *ioc);
