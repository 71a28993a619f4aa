// Logical ports of a storage function: the base port and its virtual
// ports (vf_id 0 is the base fabric).
#pragma once

#include "xel_port_records.h"
#include "xell_ioc.h"

// The WWNs of the logical ports; *count is the room in lports on the way
// in and the number found on the way out (never more than the room).
xel_status_t xell_fabric_get_lports(xell_t *ioc, uint16_t vf_id, wwn_t *lports, int *count);
xel_status_t xell_lport_get_attr(xell_t *ioc, uint16_t vf_id, wwn_t pwwn, xel_lport_attr_t *attr);
