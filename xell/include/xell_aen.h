// The asynchronous event service: fetching an application's pending
// events from an IOC's driver, the callbacks registered for them, and the
// watcher threads that deliver them.
#pragma once

#include "xel_aen_records.h"
#include "xell_adapter.h"
#include "xell_ioc.h"

#include <sys/select.h>
#include <sys/time.h>

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
// The SNIA form, for a registration whose flag has XELL_AEN_FLAG_SNIA:
// the callback given is one of these, cast with xell_aen_snia_cb, and is
// handed the SNIA HBA API event code (xell_snia_event_convert).
constexpr int XELL_AEN_FLAG_SNIA = 0x1;
using xell_snia_adapter_cbfn_t = void (*)(void *user_data, wwn_t pwwn, uint32_t event);
// port_id: the logical port's FC address now, 0 when it cannot be read.
using xell_snia_lport_cbfn_t = void (*)(void *user_data, wwn_t lpwwn, uint32_t event, uint32_t port_id);
using xell_snia_itnim_cbfn_t = void (*)(void *user_data, wwn_t lpwwn, wwn_t rpwwn, uint32_t event);
template <typename F> xell_aen_cbfn_t xell_aen_snia_cb(F fn)
{
    return reinterpret_cast<xell_aen_cbfn_t>(reinterpret_cast<void (*)()>(fn));
}
// The SNIA HBA API code of an adapter, logical port or target nexus
// event; 0 for any other.
uint32_t xell_snia_event_convert(uint32_t category, uint32_t event);

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
// in order; categories without callbacks are passed over. An event whose
// delivery fails (a SNIA logical port event of an instance no IOC has)
// does not keep the entries behind it from theirs; its status is returned
// (the first one's, if several fail), else 0.
xel_status_t xell_aen_handling(int readcnt, const xel_aen_entry_t *entries);
// The same for entries fetched from an IOC, matched with that IOC's driver.
xel_status_t xell_aen_handling_from(const xell_t *ioc, int readcnt, const xel_aen_entry_t *entries);
// The same for entries of the storage (true) or the network driver.
xel_status_t xell_aen_handling_driver(bool storage, int readcnt, const xel_aen_entry_t *entries);
// One event of the storage driver's to its category's callbacks: data is
// the category's 40-byte record, inst the IOC's instance (the adapter
// event has none).
xel_status_t xell_adapter_event(const void *data, int32_t type, timeval tv);
xel_status_t xell_port_event(int inst, const void *data, int32_t type, timeval tv);
xel_status_t xell_lport_event(int inst, const void *data, int32_t type, timeval tv);
xel_status_t xell_rport_event(int inst, const void *data, int32_t type, timeval tv);
xel_status_t xell_itnim_event(int inst, const void *data, int32_t type, timeval tv);
xel_status_t xell_ioc_event(int inst, const void *data, int32_t type, timeval tv);
xel_status_t xell_ethport_event(int inst, const void *data, int32_t type, timeval tv);
xel_status_t xell_audit_event(int inst, const void *data, int32_t type, timeval tv);

// The descriptors of every registration's IOC, for a select set.
struct xell_aen_fd_list {
    fd_set set;
    int maxfd = -1;
    xell_aen_fd_list() { FD_ZERO(&set); }
};
void xell_aen_fd_collect(xell_aen_fd_list *fd_list);

// ---- the service and its watchers (xell_aen_service.cpp) ----

// Starts the netlink watcher for the application xell_libinit named; the
// front end (0) gets none. The socket is bound before it returns, so no
// event posted afterwards is missed. XEL_STATUS_FAILED when the socket
// cannot be had or the thread not made (ENOMEM when the system lacks the
// resources); the service is then not running.
xel_status_t xell_aen_init();
// Stops every watcher and waits for it to end: each sees the request at
// once, and within a second at the latest. The service may start again.
void xell_aen_exit();
// The alternatives to the netlink watcher: waiting on the registrations'
// descriptors (only FC and FCoE IOCs when fc_only), or fetching every
// IOC's pending events each period (5 seconds) from the start. Stopped
// by xell_aen_exit like the netlink watcher.
enum class xell_aen_watcher { poll, query };
xel_status_t xell_aen_start_watcher(xell_aen_watcher which, bool fc_only);
// The watcher threads running now.
int xell_aen_watcher_count();

// ---- the netlink watcher's messages (xell_aen.cpp) ----

constexpr uint64_t XELL_AEN_NL_VENDOR_ID = XEL_AEN_NL_VENDOR_ID;
// Takes the event entry out of one received SCSI transport netlink
// message of len bytes: false for a message of another vendor, of another
// kind, or shorter (by its own length or by what was received) than an
// entry needs. Nothing past len is read.
bool xell_aen_netlink_entry(const uint8_t *msg, size_t len, xel_aen_entry_t *entry);
