// The asynchronous event service: fetching an application's pending
// events from an IOC's driver.
#pragma once

#include "xel_aen_records.h"
#include "xell_ioc.h"

// Fetches up to *count (at most 64) pending events of the application
// from the IOC's driver into entries; *count becomes the number returned,
// never more than was asked for. The transport's failure is printed and
// returned; else the status the driver wrote into the record, entries
// being copied only when it is 0.
xel_status_t xell_aen_get_events(xell_t *ioc, xel_aen_entry_t *entries, int *count, int app_id);
