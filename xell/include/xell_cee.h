// DCB (CEE) of a converged port: what the port learned from its peer and
// its counters. An FC IOC has none: XEL_STATUS_CMD_NOTSUPP, nothing sent.
#pragma once

#include "xel_port_records.h"
#include "xell_ioc.h"
#include "xell_stats.h"

#include <cstddef>

// The attributes are copied out whatever status the driver answered.
xel_status_t xell_cee_get_attr(xell_t *ioc, xel_cee_attr_t *attr);
// The statistics and their table (xell_xel_cee_stats), on success only.
xel_status_t xell_cee_get_stats(xell_t *ioc, const xell_stats_t **desc, xel_cee_stats_t *stats);
xel_status_t xell_cee_reset_stats(xell_t *ioc);

// An LLDP identifier as text in out (128 characters, cleared first): a MAC
// address, a network address, or the value as text. Never reads past the
// value's 128 bytes, whatever len says.
constexpr size_t XELL_LLDP_TEXT_SIZE = 128;
void xell_dcb_get_chassis_id(uint8_t sub_type, const uint8_t *value, uint8_t len, char *out);
void xell_dcb_get_port_id(uint8_t sub_type, const uint8_t *value, char *out);
