// The FCP initiator module of a storage IOC: its I/O statistics, path
// time-out, queue depth, I/O profiling, LUN masking and I/O throttle.
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
// Path time-out (0..60 seconds) and queue depth (0..2000); kept in the
// configuration file once the driver took them.
xel_status_t xell_fcpim_fast_failover(xell_t *ioc, uint16_t path_tov);
xel_status_t xell_fcpim_qdepth(xell_t *ioc, uint16_t q_depth);
// I/O profiling of every nexus; a failing transport is returned as well.
xel_status_t xell_fcpim_profile_on(xell_t *ioc);
xel_status_t xell_fcpim_profile_off(xell_t *ioc);
// LUN masking. Add and delete take the local port WWN (0: the base port)
// and write back the one the driver used; the host's SCSI layer is told
// to rescan after an add and to drop the devices a delete or a clear
// hides, best effort.
xel_status_t xell_fcpim_lunmask_enable(xell_t *ioc);
xel_status_t xell_fcpim_lunmask_disable(xell_t *ioc);
xel_status_t xell_fcpim_lunmask_query(xell_t *ioc, xel_lunmask_cfg_s *cfg);
xel_status_t xell_fcpim_lunmask_add(xell_t *ioc, uint16_t vf_id, wwn_t *pwwn, wwn_t rpwwn, lun_t lun);
xel_status_t xell_fcpim_lunmask_delete(xell_t *ioc, uint16_t vf_id, wwn_t *pwwn, wwn_t rpwwn, lun_t lun);
xel_status_t xell_fcpim_lunmask_clear(xell_t *ioc);
// The I/O throttle: the value set takes effect at the next reboot.
xel_status_t xell_fcpim_throttle_query(xell_t *ioc, xel_defs_fcpim_throttle_t *throttle);
xel_status_t xell_fcpim_throttle_set(xell_t *ioc, uint16_t value);
