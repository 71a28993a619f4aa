// FC quality of service and target rate limiting of a port.
#pragma once

#include "xel_pcifn_records.h"
#include "xel_port_records.h"
#include "xel_stats_records.h"
#include "xell_ioc.h"

struct xell_stats_t;

// Every QoS operation answers XEL_STATUS_QOS_FC_ONLY on anything but an FC
// IOC, before any request.
xel_status_t xell_qos_get_attr(xell_t *ioc, xel_qos_attr_s *attr);
// Refused while QoS is on, rate limiting is on or the configured topology
// is loop; persists "qos".
xel_status_t xell_qos_enable(xell_t *ioc);
xel_status_t xell_qos_disable(xell_t *ioc);
xel_status_t xell_qos_get_vc_attr(xell_t *ioc, xel_qos_vc_attr_s *attr);
// The statistics and the table that prints them (xell_xel_fcport_stats).
xel_status_t xell_qos_get_stats(xell_t *ioc, const xell_stats_t **desc, xel_fcport_stats_t *stats);
xel_status_t xell_qos_reset_stats(xell_t *ioc);
// Refused while rate limiting is on; the driver judges the values.
xel_status_t xell_qos_set_bw(xell_t *ioc, uint8_t high, uint8_t med, uint8_t low);

// From the port attributes.
xel_status_t xell_ratelim_get_attr(xell_t *ioc, xell_trl_attr_t *attr);
// Refused while rate limiting is on, QoS is on or the configured topology
// is loop; persists "ratelim".
xel_status_t xell_ratelim_enable(xell_t *ioc);
xel_status_t xell_ratelim_disable(xell_t *ioc);
// Persists "defspeed".
xel_status_t xell_ratelim_set_speed(xell_t *ioc, uint32_t speed);
