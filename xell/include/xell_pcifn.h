// PCI functions of an adapter: the configuration block (which functions
// exist, their personality, resources and bandwidth), the checks around
// it, and the vHBA and vNIC operations.
#pragma once

#include "xel_pcifn_records.h"
#include "xel_stats_records.h"
#include "xell_ioc.h"
#include "xell_state.h"

struct xell_stats_t;

// Whether the IOC's adapter may take the mode: only device 0x22
// (XEL_STATUS_FEATURE_NOT_SUPPORTED otherwise), and only a mode its
// capability word in flash allows (XEL_STATUS_UNSUPP_MODE otherwise).
xel_status_t xell_verify_mode_change(xell_t *ioc, xel_mode_t mode);

// The operations below first require an operational IOC
// (XEL_STATUS_IOC0_DISABLED otherwise).
xel_status_t xell_pcifn_cfg_get(xell_t *ioc, xel_ablk_cfg_t *cfg);
// XEL_STATUS_INV_PCIFN unless the function is 0 to 15, exists in the
// configured table and belongs to the port.
xel_status_t xell_verify_cfg_pcifn_id(xell_t *ioc, int port, int pcifn);
// A bandwidth word ("500", "500M", "6.5G", "50%") in units of 100 Mbit/s,
// or the percentage; XEL_STATUS_INVALID_BW for anything else.
xel_status_t xell_convert_bw(xell_t *ioc, const char *text, int *value);
// The IOC's function in the active table; -1 and -1 when it has none.
xel_status_t xell_pcifn_get_bandwidth(xell_t *ioc, int *bw_min, int *bw_max);
// The same in the configured table, where changes before a reboot are.
xel_status_t xell_pcifn_get_cfg_bandwidth(xell_t *ioc, int *bw_min, int *bw_max);

xel_status_t xell_pcifn_enable(xell_t *ioc, int pcifn);
xel_status_t xell_pcifn_disable(xell_t *ioc, int pcifn);
xel_status_t xell_pcifn_cfg_type(xell_t *ioc, int pcifn, uint32_t pcifn_class);

// ---- vHBA -------------------------------------------------------------------

xel_status_t xell_vhba_create(xell_t *ioc, int bw_max, int *pcifn, int port);
xel_status_t xell_vhba_delete(xell_t *ioc, int port, int pcifn);
xel_status_t xell_vhba_set_bw(xell_t *ioc, int bw_max, int port, int pcifn);
xel_status_t xell_vhba_get_attr(xell_t *ioc, xel_vhba_attr_t *attr);
xel_status_t xell_vhba_enable(xell_t *ioc);
xel_status_t xell_vhba_disable(xell_t *ioc);

// ---- vNIC -------------------------------------------------------------------

xel_status_t xell_vnic_create(xell_t *ioc, int bw_min, int bw_max, int *pcifn, int port);
xel_status_t xell_vnic_delete(xell_t *ioc, int port, int pcifn);
// A change the driver accepted on a port other than 0 is also sent through
// that port's IOC of the function.
xel_status_t xell_vnic_set_bw(xell_t *ioc, int bw_min, int bw_max, int port, int pcifn);
// The counts of the record are checked against its arrays
// (XEL_STATUS_FAILED when one is beyond them).
xel_status_t xell_vnic_get_attr(xell_t *ioc, xel_vnic_attr_t *attr);
xel_status_t xell_vnic_enable(xell_t *ioc);
xel_status_t xell_vnic_disable(xell_t *ioc);
xel_status_t xell_vnic_get_stats(xell_t *ioc, const xell_stats_t **desc, xel_vnic_stats_t *stats);
xel_status_t xell_vnic_clear_stats(xell_t *ioc);
