// The FCP initiator module of a storage IOC: its I/O statistics.
#pragma once

#include "xel_fcpim_records.h"
#include "xell_ioc.h"

#include <cstdint>

struct xell_stats_t;

// The module's I/O statistics and their table (xell_xel_itnim_iostats).
xel_status_t xell_fcpim_get_modstats(xell_t *ioc, const xell_stats_t **desc, xel_itnim_iostats_t *stats);
xel_status_t xell_fcpim_clr_modstats(xell_t *ioc);
// The statistics of deleted nexuses and their table
// (xell_xel_fcpim_del_itn_stats).
xel_status_t xell_fcpim_get_del_itn_stats(xell_t *ioc, const xell_stats_t **desc, xel_fcpim_del_itn_stats_t *stats);
// Read bytes plus write bytes of an I/O statistics record, found by their
// rows in the table.
uint64_t xell_itnim_get_iothroughput(const xell_stats_t *desc, const xel_itnim_iostats_t *stats);
