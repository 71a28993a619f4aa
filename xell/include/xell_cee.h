// DCB (CEE) of a converged port: what the port learned from its peer and
// its counters. An FC IOC has none: XEL_STATUS_CMD_NOTSUPP, nothing sent.
#pragma once

#include "xel_port_records.h"
#include "xell_ioc.h"
#include "xell_stats.h"

// The attributes are copied out whatever status the driver answered.
xel_status_t xell_cee_get_attr(xell_t *ioc, xel_cee_attr_t *attr);
// The statistics and their table (xell_xel_cee_stats), on success only.
xel_status_t xell_cee_get_stats(xell_t *ioc, const xell_stats_t **desc, xel_cee_stats_t *stats);
xel_status_t xell_cee_reset_stats(xell_t *ioc);
