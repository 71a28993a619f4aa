// The port object: the IOCs (PCI functions) of one physical port, lookups
// over them, and every driver request that reads or changes a port. Each
// request works on one IOC handle and returns the transport's failure, or
// else the status the driver answered; output records are filled only on
// success. Operations that change a persistent setting record it in the
// configuration store once the driver accepted the change.
//
// The port commands also read other objects; their headers are included
// here so that the port's users find everything in one place.
#pragma once

#include "xel_port_records.h"
#include "xel_status.h"
#include "xell_adapter.h"
#include "xell_bios.h"
#include "xell_cee.h"
#include "xell_diag.h"
#include "xell_ethport.h"
#include "xell_flash.h"
#include "xell_ioc.h"
#include "xell_lport.h"
#include "xell_pcifn.h"
#include "xell_qos.h"
#include "xell_state.h"
#include "xell_stats.h"

// ---- the port model (no request) ------------------------------------------

// Appends a copy of the handle to the port (the attributes are not used):
// its id becomes the port's IOC count, and the first IOC gives the port its
// number, factory WWNs and (network functions) factory MAC. XEL_STATUS_ENOMEM,
// with the last error set, when no copy can be made.
xel_status_t xell_port_add_ioc(xell_port_t *port, const xell_t *ioc, const xel_ioc_attr_t *attr);
// The IOC of that id in the storage (FC, FCoE) or network list; null when
// none, or for no port.
xell_t *xell_port_get_fcioc(xell_port_t *port, int index);
xell_t *xell_port_get_ethioc(xell_port_t *port, int index);
// Heads of the lists; the first IOC is the first storage IOC, else the
// first network IOC.
xell_t *xell_port_get_first_fcioc(xell_port_t *port);
xell_t *xell_port_get_first_ethioc(xell_port_t *port);
xell_t *xell_port_get_first_ioc(xell_port_t *port);
// The first IOC of that PCI function number, storage list first.
xell_t *xell_port_get_ioc_by_pcifn(xell_port_t *port, int pcifn);
// The port-state name; "Unknown" below 0 or above 16.
const char *xell_port_get_state_name(int state);
// True when port port_num of adapter ad_idx exists and its IOC's port name
// (the storage IOC's, else the network IOC's) is the non-empty name nm. An
// empty name never matches, so that a name can be cleared.
bool xell_config_get_port_name_exists(int ad_idx, const char *nm, int port_num);

// ---- enable and disable -----------------------------------------------------

// On a converged port (a storage and a network IOC) whose Ethernet side
// stays up, enable and disable act on the FCoE function alone; otherwise
// on the whole port through the given IOC. Persist "port-enable".
xel_status_t xell_port_enable(xell_t *ioc);
// Also brings an enabled boot configuration's topology in line with the
// port's configured one, but only once the driver accepted the disable
// and only from a boot configuration that was read.
xel_status_t xell_port_disable(xell_t *ioc);
xel_status_t xell_fcoe_port_enable(xell_t *ioc);
xel_status_t xell_fcoe_port_disable(xell_t *ioc);

// ---- attributes and statistics ----------------------------------------------

xel_status_t xell_port_get_attr(xell_t *ioc, xel_port_attr_s *attr);
// The 336-byte port statistics and the table that prints them
// (xell_xel_port_stats).
xel_status_t xell_port_get_stats(xell_t *ioc, const xell_stats_t **desc, xel_port_stats_t *stats);
xel_status_t xell_port_reset_stats(xell_t *ioc);
// The FCoE port statistics and their table (xell_xel_fcport_stats).
xel_status_t xell_fcoe_get_stats(xell_t *ioc, const xell_stats_t **desc, xel_fcport_stats_t *stats);
xel_status_t xell_fcoe_reset_stats(xell_t *ioc);

// ---- persistent settings (take effect at the next enable) ------------------

xel_status_t xell_port_cfg_topology(xell_t *ioc, uint32_t topology);
xel_status_t xell_port_cfg_speed(xell_t *ioc, uint32_t speed);
xel_status_t xell_port_cfg_hardalpa(xell_t *ioc, uint8_t alpa);
xel_status_t xell_port_clr_hardalpa(xell_t *ioc);
xel_status_t xell_port_cfg_maxfrsize(xell_t *ioc, uint16_t maxfrsize);

// ---- node identification ----------------------------------------------------

xel_status_t xell_port_cfg_rnid_info(xell_t *ioc, xel_port_rnid_s info);
xel_status_t xell_port_get_rnid_info(xell_t *ioc, xel_port_rnid_s *info);

// ---- trunking (adapter index from 1) ------------------------------------------

xel_status_t xell_port_get_trunk_attr(xell_t *ioc, xel_trunk_attr_s *attr);
// OK, or why the adapter cannot bundle its ports: no IOC, mezzanine card,
// CNA-capable card, fewer than two ports (checked in that order).
xel_status_t xell_adapter_is_trunk_capable(xell_adapter_t *adapter);
// Enables trunking on every port after checking that they agree (QoS,
// rate limiting, speed) and none is trunked or fabric-addressed; undoes
// the ports already done when one fails.
xel_status_t xell_trunk_enable(int ad_idx);
xel_status_t xell_trunk_disable(int ad_idx);
xel_status_t xell_trunk_query(int ad_idx, xel_trunk_attr_s *attr);
// XEL_STATUS_NEED_PORTS_DISABLE while a trunked port of the IOC's adapter
// is not disabled.
xel_status_t xell_trunk_get_ports_state(xell_t *ioc);

// ---- fabric-assigned address, personality, credit recovery, partitions -----

xel_status_t xell_faa_query(xell_t *ioc, xel_faa_attr_s *attr);
// Changes the port's personality for its next start; with cleanup also
// forgets the port's settings (configuration file and flash).
xel_status_t xell_port_cfg_mode(xell_t *ioc, const xel_port_cfg_mode_t *cfg, int port_num, bool cleanup);
// The running personality (active) or the one configured for the next start.
xel_status_t xell_port_mode_get(xell_t *ioc, bool active, xel_mode_t *mode);
xel_status_t xell_port_is_cna(xell_t *ioc, bool active, bool *is_cna);
// XEL_STATUS_BBSC_FC_ONLY on anything but an FC IOC.
xel_status_t xell_port_bbsc_enable(xell_t *ioc);
xel_status_t xell_port_bbsc_disable(xell_t *ioc);
// The port number is not used.
xel_status_t xell_port_nwpart_enable(xell_t *ioc, int port_num);
xel_status_t xell_port_nwpart_disable(xell_t *ioc, int port_num);

// ---- type text ------------------------------------------------------------

constexpr int XELL_PORT_TYPE_TEXT = 15; // room for the text and its NUL
// "<speed> <function>" such as "16G FC" or "10G Eth", at most 14
// characters. An unknown IOC or card type prints a line and gives
// XEL_STATUS_EINVAL.
xel_status_t xell_port_get_type(xell_t *ioc, char *type);
