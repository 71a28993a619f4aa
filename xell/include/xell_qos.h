// FC quality of service and target rate limiting of a port.
#pragma once

#include "xel_port_records.h"
#include "xell_ioc.h"

// XEL_STATUS_QOS_FC_ONLY on anything but an FC IOC.
xel_status_t xell_qos_get_attr(xell_t *ioc, xel_qos_attr_s *attr);
// From the port attributes.
xel_status_t xell_ratelim_get_attr(xell_t *ioc, xell_trl_attr_t *attr);
