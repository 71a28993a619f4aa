// The 10G Ethernet PHY module of a port: its attributes and counters, and
// its firmware, read into a file or written from one. The requests name
// the IOC's port beside its instance.
#pragma once

#include "xel_phy_records.h"
#include "xell_ioc.h"
#include "xell_stats.h"

xel_status_t xell_phy_get_attr(xell_t *ioc, xel_phy_attr_t *attr);
// The counters and their table (xell_xel_phy_stats), on success only.
xel_status_t xell_phy_get_stats(xell_t *ioc, const xell_stats_t **desc, xel_phy_stats_t *stats);
// Reads size bytes of firmware into buf, or, with to_file, into the file
// buf names (XEL_STATUS_EFOPEN when it cannot be created, XEL_STATUS_FAILED
// on a short write). The file gets what the driver says it returned, never
// more than was asked for.
xel_status_t xell_phy_read(xell_t *ioc, void *buf, uint32_t size, bool to_file);
// Writes the image file to the PHY and reads the whole image back to
// verify it. An image whose bytes do not XOR to 0 is refused with
// XEL_STATUS_CHECKSUM_FAIL, as is a file that cannot be read whole
// (XEL_STATUS_FAILED), before anything is sent.
xel_status_t xell_phy_update(xell_t *ioc, const char *file);
