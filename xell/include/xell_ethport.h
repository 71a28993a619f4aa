// The Ethernet side of a port, as the network driver reports it.
#pragma once

#include "xel_port_records.h"
#include "xell_ioc.h"

xel_status_t xell_ethport_get_attr(xell_t *ioc, xel_ethport_attr_s *attr);
