// The asynchronous event service: fetching an application's pending
// events from an IOC's driver.
#pragma once

#include "xel_aen_records.h"
#include "xell_adapter.h"
#include "xell_ioc.h"

// Fetches up to *count (at most 64) pending events of the application
// from the IOC's driver into entries; *count becomes the number returned,
// never more than was asked for. The transport's failure is printed and
// returned; else the status the driver wrote into the record, entries
// being copied only when it is 0.
xel_status_t xell_aen_get_events(xell_t *ioc, xel_aen_entry_t *entries, int *count, int app_id);

// ---- callbacks (xell_aen_register.cpp) ----

// A callback as the event service calls it: the user data given at
// registration, the event type, the category's record, the time stamp.
using xell_aen_cbfn_t = void (*)(void *user_data, int32_t type, const void *data, uint32_t sec, uint32_t usec);
// The handle of one registration.
struct xell_aen_reg;
using xell_aen_handle_t = xell_aen_reg *;

// Registration, one per category. An IOC (or adapter) may be null: the
// record then matches no instance; an adapter record without an adapter
// receives every ADD event. The filter is the category's record (or, for
// logical and remote ports and target nexus, the record with the WWNs the
// events must carry; a zero logical port WWN takes every NEW event).
xel_status_t xell_adapter_aen_register(xell_adapter_t *adapter, xell_aen_cbfn_t cbfn, void *user_data,
                                       xell_aen_handle_t *cbhandle, int flag);
xel_status_t xell_port_aen_register(xell_t *ioc, xell_aen_cbfn_t cbfn, void *user_data, const void *data,
                                    xell_aen_handle_t *cbhandle);
xel_status_t xell_lport_aen_register(xell_t *ioc, xell_aen_cbfn_t cbfn, void *user_data, const void *data,
                                     xell_aen_handle_t *cbhandle, int flag);
xel_status_t xell_rport_aen_register(xell_t *ioc, xell_aen_cbfn_t cbfn, void *user_data, const void *data,
                                     xell_aen_handle_t *cbhandle);
xel_status_t xell_itnim_aen_register(xell_t *ioc, xell_aen_cbfn_t cbfn, void *user_data, const void *data,
                                     xell_aen_handle_t *cbhandle, int flag);
xel_status_t xell_ioc_aen_register(xell_t *ioc, xell_aen_cbfn_t cbfn, void *user_data, xell_aen_handle_t *cbhandle);
xel_status_t xell_ethport_aen_register(xell_t *ioc, xell_aen_cbfn_t cbfn, void *user_data, const void *data,
                                       xell_aen_handle_t *cbhandle);
xel_status_t xell_audit_aen_register(xell_t *ioc, xell_aen_cbfn_t cbfn, void *user_data, const void *data,
                                     xell_aen_handle_t *cbhandle);
// Unregistration: XEL_STATUS_FAILED for a handle the category does not
// hold. Once it returns the callback is not running and is never called
// again (a callback may unregister itself).
xel_status_t xell_adapter_aen_unregister(xell_aen_handle_t cbhandle);
xel_status_t xell_port_aen_unregister(xell_aen_handle_t cbhandle);
xel_status_t xell_lport_aen_unregister(xell_aen_handle_t cbhandle);
xel_status_t xell_rport_aen_unregister(xell_aen_handle_t cbhandle);
xel_status_t xell_itnim_aen_unregister(xell_aen_handle_t cbhandle);
xel_status_t xell_ioc_aen_unregister(xell_aen_handle_t cbhandle);
xel_status_t xell_ethport_aen_unregister(xell_aen_handle_t cbhandle);
xel_status_t xell_audit_aen_unregister(xell_aen_handle_t cbhandle);

// Delivers readcnt / 64 entries raised by the storage driver's functions,
// in order; categories without callbacks are passed over.
xel_status_t xell_aen_handling(int readcnt, const xel_aen_entry_t *entries);
// The same for entries fetched from an IOC, matched with that IOC's driver.
xel_status_t xell_aen_handling_from(const xell_t *ioc, int readcnt, const xel_aen_entry_t *entries);

// ---- the netlink watcher's messages (xell_aen.cpp) ----

// The vendor identifier of the adapter family's FC transport events: the
// PCI type in the top byte, the PCI vendor ID below.
constexpr uint64_t XELL_AEN_NL_VENDOR_ID = (1ull << 56) | 0x7a3c;
// Takes the event entry out of one received SCSI transport netlink
// message of len bytes: false for a message of another vendor, of another
// kind, or shorter (by its own length or by what was received) than an
// entry needs. Nothing past len is read.
bool xell_aen_netlink_entry(const uint8_t *msg, size_t len, xel_aen_entry_t *entry);
