// Logical ports of a storage function: the base port and its virtual
// ports (vf_id 0 is the base fabric), the remote ports each has found,
// the nexus with each target, and the fabric's statistics.
#pragma once

#include "xel_fabric_records.h"
#include "xel_port_records.h"
#include "xell_ioc.h"
#include "xell_stats.h"

// The WWNs of the logical ports; *count is the room in lports on the way
// in and the number found on the way out (never more than the room).
xel_status_t xell_fabric_get_lports(xell_t *ioc, uint16_t vf_id, wwn_t *lports, int *count);
xel_status_t xell_lport_get_attr(xell_t *ioc, uint16_t vf_id, wwn_t pwwn, xel_lport_attr_t *attr);
xel_status_t xell_lport_get_stats(xell_t *ioc, uint16_t vf_id, wwn_t pwwn, const xell_stats_t **desc,
                                  xel_lport_stats_t *stats);
xel_status_t xell_lport_get_iostats(xell_t *ioc, uint16_t vf_id, wwn_t pwwn, const xell_stats_t **desc,
                                    xel_itnim_iostats_t *stats);
xel_status_t xell_lport_reset_stats(xell_t *ioc, uint16_t vf_id, wwn_t pwwn);
// The remote ports a logical port has found; *count as for the logical
// ports (room in, found out).
xel_status_t xell_lport_get_rport_qualifiers(xell_t *ioc, uint16_t vf_id, wwn_t pwwn, xel_rport_qualifier_t *quals,
                                             int *count);
xel_status_t xell_lport_get_rports(xell_t *ioc, uint16_t vf_id, wwn_t pwwn, wwn_t *rports, int *count);

// Remote ports. A zero pwwn means the base port for the attribute and
// statistics requests.
xel_status_t xell_rport_add(xell_t *ioc, uint16_t vf_id, wwn_t pwwn, wwn_t rpwwn);
xel_status_t xell_rport_remove(xell_t *ioc, uint16_t vf_id, wwn_t pwwn, wwn_t rpwwn);
xel_status_t xell_rport_get_attr(xell_t *ioc, uint16_t vf_id, wwn_t pwwn, wwn_t rpwwn, xel_rport_attr_t *attr);
xel_status_t xell_rport_get_attr_by_qualifier(xell_t *ioc, uint16_t vf_id, wwn_t pwwn,
                                              const xel_rport_qualifier_t &qual, xel_rport_attr_t *attr);
xel_status_t xell_rport_get_stats(xell_t *ioc, uint16_t vf_id, wwn_t pwwn, wwn_t rpwwn, const xell_stats_t **desc,
                                  xel_rport_stats_t *stats);
xel_status_t xell_rport_reset_stats(xell_t *ioc, uint16_t vf_id, wwn_t pwwn, wwn_t rpwwn);
// host, bus and target are written only when the driver answers OK.
xel_status_t xell_rport_get_scsi_address(xell_t *ioc, uint16_t vf_id, wwn_t pwwn, wwn_t rpwwn, uint32_t *host,
                                         uint32_t *bus, uint32_t *target);
xel_status_t xell_rport_set_speed(xell_t *ioc, uint16_t vf_id, wwn_t pwwn, wwn_t rpwwn, uint32_t speed);
// The remote port's symbolic name from the fabric's name server (at most
// size - 1 bytes and a terminating zero).
xel_status_t xell_get_rport_symname(xell_t *ioc, uint16_t vf_id, uint32_t rpid, wwn_t lpwwn, wwn_t rpwwn,
                                    char *name, size_t size);
// The remote port's link error counters, read with an ELS RLS.
xel_status_t xell_rport_get_remote_link_error_status(xell_t *ioc, wwn_t lpwwn, wwn_t rpwwn, const xell_stats_t **desc,
                                                     xel_rport_remote_link_stats_t *stats);

// The initiator-target nexus.
xel_status_t xell_itnim_get_attr(xell_t *ioc, uint16_t vf_id, wwn_t lpwwn, wwn_t rpwwn, xel_itnim_attr_t *attr);
xel_status_t xell_itnim_get_itnstats(xell_t *ioc, uint16_t vf_id, wwn_t lpwwn, wwn_t rpwwn, const xell_stats_t **desc,
                                     xel_itnim_stats_t *stats);
xel_status_t xell_itnim_get_iostats(xell_t *ioc, uint16_t vf_id, wwn_t lpwwn, wwn_t rpwwn, const xell_stats_t **desc,
                                    xel_itnim_iostats_t *stats);
xel_status_t xell_itnim_reset_stats(xell_t *ioc, uint16_t vf_id, wwn_t lpwwn, wwn_t rpwwn);
// Latencies converted to the clock's units; buckets past the profile's
// room are not touched.
xel_status_t xell_itnim_get_ioprofile(xell_t *ioc, uint16_t vf_id, wwn_t lpwwn, wwn_t rpwwn,
                                      xel_itnim_ioprofile_t *profile);
// Read plus write bytes of an I/O statistics record, by its table.
uint32_t xell_itnim_get_iothroughput(const xell_stats_t *desc, const void *stats);

// Fabric statistics.
xel_status_t xell_vf_get_stats(xell_t *ioc, uint16_t vf_id, const xell_stats_t **desc, xel_vf_stats_t *stats);
xel_status_t xell_vf_reset_stats(xell_t *ioc, uint16_t vf_id);

// Virtual port attributes and the state's name.
xel_status_t xell_vport_get_attr(xell_t *ioc, uint16_t vf_id, wwn_t vpwwn, xel_vport_attr_t *attr);
const char *xell_vport_get_state_name(uint32_t state);

// Virtual port life cycle. Create fills a zero node WWN from the IOC and
// records the port in the configuration store; a port the store cannot
// record is deleted again. Delete removes the store's entry.
xel_status_t xell_vport_create(xell_t *ioc, uint16_t vf_id, const xel_lport_cfg_t *cfg);
xel_status_t xell_vport_delete(xell_t *ioc, uint16_t vf_id, wwn_t vpwwn, wwn_t vnwwn);
xel_status_t xell_vport_start(xell_t *ioc, uint16_t vf_id, wwn_t vpwwn);
xel_status_t xell_vport_stop(xell_t *ioc, uint16_t vf_id, wwn_t vpwwn);
xel_status_t xell_vport_get_stats(xell_t *ioc, uint16_t vf_id, wwn_t vpwwn, const xell_stats_t **desc,
                                  xel_vport_stats_t *stats);
xel_status_t xell_vport_reset_stats(xell_t *ioc, uint16_t vf_id, wwn_t vpwwn);
