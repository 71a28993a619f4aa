// The callback lists of the event service, one per category, and the
// delivery of each event to the callbacks that match it. A callback runs
// without its list's lock, so that it may register or unregister; a
// record is marked busy under the same lock that found it, and an
// unregistration waits for a busy record's callback to return (unless
// that callback is the one unregistering).
#include "xell_aen.h"

#include "xell_discovery.h"
#include "xell_lport.h"
#include "xell_request_cache.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <cstdio>
#include <cstring>
#include <list>
#include <mutex>
#include <thread>

struct xell_aen_reg {
    void *userData = nullptr;
    xell_aen_cbfn_t cbfn = nullptr;
    uint8_t data[40] = {}; // the filter
    int flags = 0;         // bit 0: the SNIA form
    bool storage = true;   // the driver of the IOC: xel, else kwo
    bool has_ioc = false;  // an adapter record: registered with an adapter
    int fd = -1;           // the IOC's driver descriptor
    int inst = -1;
    uint64_t delivered = 0; // the last delivery that reached it
    bool busy = false;
    bool removed = false;
    std::thread::id runner;
};

namespace {

struct aen_list {
    std::mutex mutex;
    std::condition_variable idle;
    std::list<xell_aen_reg *> records; // newest first
};

enum aen_list_id { L_ADAPTER, L_PORT, L_LPORT, L_RPORT, L_ITNIM, L_IOC, L_ETHPORT, L_AUDIT, L_COUNT };

aen_list &list_of(aen_list_id id)
{
    static aen_list lists[L_COUNT];
    return lists[id];
}

std::atomic<uint64_t> delivery_seq{0};

wwn_t wwn_at(const uint8_t *data, size_t off)
{
    wwn_t w;
    std::memcpy(&w, data + off, sizeof w);
    return w;
}

xel_status_t aen_register(aen_list_id id, const xell_t *ioc, xell_aen_cbfn_t cbfn, void *user_data,
                          const void *filter, size_t filter_len, int flags, xell_aen_handle_t *cbhandle)
{
    auto *rec = new (std::nothrow) xell_aen_reg;
    if (rec == nullptr)
        return XEL_STATUS_ENOMEM;
    rec->userData = user_data;
    rec->cbfn = cbfn;
    rec->flags = flags;
    if (filter != nullptr)
        std::memcpy(rec->data, filter, std::min(filter_len, sizeof rec->data));
    if (ioc != nullptr) {
        rec->has_ioc = true;
        rec->inst = ioc->instance;
        rec->fd = ioc->fd;
        rec->storage = xell_ioc_is_storage(ioc);
    } else {
        rec->inst = id == L_LPORT || id == L_ITNIM ? 65535 : -1;
    }
    aen_list &list = list_of(id);
    std::lock_guard<std::mutex> lock(list.mutex);
    list.records.push_front(rec);
    *cbhandle = rec;
    return XEL_STATUS_OK;
}

xel_status_t aen_unregister(aen_list_id id, xell_aen_handle_t handle)
{
    aen_list &list = list_of(id);
    std::unique_lock<std::mutex> lock(list.mutex);
    auto it = std::find(list.records.begin(), list.records.end(), handle);
    if (it == list.records.end()) {
        std::printf("Event callback not registered for handle: %p\n", static_cast<void *>(handle));
        return XEL_STATUS_FAILED;
    }
    list.records.erase(it);
    if (handle->busy && handle->runner == std::this_thread::get_id()) {
        handle->removed = true; // its delivery frees it once the callback returns
        return XEL_STATUS_OK;
    }
    list.idle.wait(lock, [handle] { return !handle->busy; });
    delete handle;
    return XEL_STATUS_OK;
}

using aen_match = bool (*)(const xell_aen_reg &rec, const xel_aen_entry_t &entry, bool storage);
// Calls a record's callback in its category's form; a status other than
// OK ends the event's delivery.
using aen_call = xel_status_t (*)(const xell_aen_reg &rec, const xel_aen_entry_t &entry, bool storage);

xel_status_t call_plain(const xell_aen_reg &rec, const xel_aen_entry_t &e, bool)
{
    if (rec.cbfn != nullptr)
        rec.cbfn(rec.userData, e.aen_type, e.aen_data, e.tv_sec, e.tv_usec);
    return XEL_STATUS_OK;
}

// The callback as the SNIA form registered it (xell_aen_snia_cb).
template <typename F> F snia_cb(xell_aen_cbfn_t fn)
{
    return reinterpret_cast<F>(reinterpret_cast<void (*)()>(fn));
}

bool snia_form(const xell_aen_reg &rec)
{
    return (rec.flags & XELL_AEN_FLAG_SNIA) != 0 && rec.cbfn != nullptr;
}

uint32_t snia_code(uint32_t category, const xel_aen_entry_t &e)
{
    return xell_snia_event_convert(category, static_cast<uint32_t>(e.aen_type));
}

xel_status_t call_adapter(const xell_aen_reg &rec, const xel_aen_entry_t &e, bool storage)
{
    if (!snia_form(rec))
        return call_plain(rec, e, storage);
    snia_cb<xell_snia_adapter_cbfn_t>(rec.cbfn)(rec.userData, wwn_at(e.aen_data, 16),
                                                         snia_code(XEL_AEN_CAT_ADAPTER, e));
    return XEL_STATUS_OK;
}

// The logical port's address as the driver holds it now; false when no
// IOC of the driver has the instance.
bool lport_pid(const xel_aen_entry_t &e, bool storage, uint32_t *pid)
{
    auto hold = xell_ioc_list_hold();
    for (xell_t *ioc = xell_ioc_get_list(); ioc != nullptr; ioc = ioc->next) {
        if (xell_ioc_is_storage(ioc) != storage ||
            static_cast<uint16_t>(ioc->instance) != static_cast<uint16_t>(e.xeld_num))
            continue;
        uint16_t vf_id;
        std::memcpy(&vf_id, e.aen_data, sizeof vf_id);
        xel_lport_attr_t attr{};
        xell_request_cache_forget(); // the address the port has now, not one read before the event
        *pid = xell_lport_get_attr(ioc, vf_id, wwn_at(e.aen_data, 16), &attr) == XEL_STATUS_OK ? attr.pid : 0;
        return true;
    }
    return false;
}

xel_status_t call_lport(const xell_aen_reg &rec, const xel_aen_entry_t &e, bool storage)
{
    if (!snia_form(rec))
        return call_plain(rec, e, storage);
    uint32_t pid = 0;
    if (!lport_pid(e, storage, &pid))
        return XEL_STATUS_FAILED;
    snia_cb<xell_snia_lport_cbfn_t>(rec.cbfn)(rec.userData, wwn_at(e.aen_data, 16),
                                                       snia_code(XEL_AEN_CAT_LPORT, e), pid);
    return XEL_STATUS_OK;
}

xel_status_t call_itnim(const xell_aen_reg &rec, const xel_aen_entry_t &e, bool storage)
{
    if (!snia_form(rec))
        return call_plain(rec, e, storage);
    snia_cb<xell_snia_itnim_cbfn_t>(rec.cbfn)(rec.userData, wwn_at(e.aen_data, 16), wwn_at(e.aen_data, 24),
                                                       snia_code(XEL_AEN_CAT_ITNIM, e));
    return XEL_STATUS_OK;
}

bool same_instance(const xell_aen_reg &rec, const xel_aen_entry_t &entry, bool storage)
{
    return rec.has_ioc && rec.storage == storage &&
           static_cast<uint16_t>(rec.inst) == static_cast<uint16_t>(entry.xeld_num);
}

// Calls each matching record once, newest first, and returns when none
// is left that this delivery has not reached. A record whose callback
// runs for another delivery is waited for, not passed over.
xel_status_t aen_deliver(aen_list_id id, const xel_aen_entry_t &entry, bool storage, aen_match match,
                         aen_call call = call_plain)
{
    aen_list &list = list_of(id);
    uint64_t seq = ++delivery_seq;
    std::unique_lock<std::mutex> lock(list.mutex);
    for (;;) {
        xell_aen_reg *rec = nullptr;
        bool wait = false;
        for (xell_aen_reg *r : list.records) {
            if (r->delivered == seq || !match(*r, entry, storage))
                continue;
            if (r->busy) {
                // A callback of this thread delivering again does not wait for itself.
                wait = wait || r->runner != std::this_thread::get_id();
                continue;
            }
            rec = r;
            break;
        }
        if (rec == nullptr) {
            if (!wait)
                return XEL_STATUS_OK;
            list.idle.wait(lock);
            continue;
        }
        rec->delivered = seq;
        rec->busy = true;
        rec->runner = std::this_thread::get_id();
        lock.unlock();
        xel_status_t status = call(*rec, entry, storage);
        lock.lock();
        rec->busy = false;
        list.idle.notify_all();
        if (rec->removed)
            delete rec;
        if (status != XEL_STATUS_OK)
            return status;
    }
}

bool match_adapter(const xell_aen_reg &rec, const xel_aen_entry_t &e, bool)
{
    if (e.aen_type == 1) // ADD: the registrations made without an adapter
        return !rec.has_ioc;
    return rec.has_ioc && std::memcmp(rec.data, e.aen_data, 12) == 0;
}

bool match_port(const xell_aen_reg &rec, const xel_aen_entry_t &e, bool storage)
{
    if (!same_instance(rec, e, storage))
        return false;
    xel_aen_port_data_t ev, filt;
    std::memcpy(&ev, e.aen_data, sizeof ev);
    std::memcpy(&filt, rec.data, sizeof filt);
    if (ev.pwwn != 0 && ev.pwwn == filt.pwwn)
        return true;
    return std::memcmp(&ev.mac, &filt.mac, sizeof ev.mac) == 0;
}

bool match_lport(const xell_aen_reg &rec, const xel_aen_entry_t &e, bool storage)
{
    if (!same_instance(rec, e, storage))
        return false;
    wwn_t reg = wwn_at(rec.data, 16);
    return e.aen_type == 1 ? reg == 0 : reg == wwn_at(e.aen_data, 16);
}

bool match_rport(const xell_aen_reg &rec, const xel_aen_entry_t &e, bool storage)
{
    return same_instance(rec, e, storage) && wwn_at(rec.data, 16) == wwn_at(e.aen_data, 16);
}

bool match_itnim(const xell_aen_reg &rec, const xel_aen_entry_t &e, bool storage)
{
    if (!same_instance(rec, e, storage) || wwn_at(rec.data, 16) != wwn_at(e.aen_data, 16))
        return false;
    wwn_t rpwwn = wwn_at(rec.data, 24);
    return rpwwn == 0 || rpwwn == wwn_at(e.aen_data, 24);
}

bool match_ioc(const xell_aen_reg &rec, const xel_aen_entry_t &e, bool storage)
{
    return same_instance(rec, e, storage);
}

bool match_ethport(const xell_aen_reg &rec, const xel_aen_entry_t &e, bool storage)
{
    return same_instance(rec, e, storage) && std::memcmp(rec.data, e.aen_data, sizeof(mac_t)) == 0;
}

bool match_audit(const xell_aen_reg &rec, const xel_aen_entry_t &e, bool storage)
{
    return same_instance(rec, e, storage) && wwn_at(rec.data, 0) == wwn_at(e.aen_data, 0);
}

// Where each category's events go; the others (target initiator, IP over
// FC, team, VLAN) have no callbacks.
struct aen_route {
    uint32_t category;
    aen_list_id list;
    aen_match match;
    aen_call call;
};
constexpr aen_route routes[] = {
    {XEL_AEN_CAT_ADAPTER, L_ADAPTER, match_adapter, call_adapter},
    {XEL_AEN_CAT_PORT, L_PORT, match_port, call_plain},
    {XEL_AEN_CAT_LPORT, L_LPORT, match_lport, call_lport},
    {XEL_AEN_CAT_RPORT, L_RPORT, match_rport, call_plain},
    {XEL_AEN_CAT_ITNIM, L_ITNIM, match_itnim, call_itnim},
    {XEL_AEN_CAT_AUDIT, L_AUDIT, match_audit, call_plain},
    {XEL_AEN_CAT_IOC, L_IOC, match_ioc, call_plain},
    {XEL_AEN_CAT_ETHPORT, L_ETHPORT, match_ethport, call_plain},
};

xel_status_t aen_route_entry(const xel_aen_entry_t &e, bool storage)
{
    for (const aen_route &r : routes)
        if (r.category == e.aen_category)
            return aen_deliver(r.list, e, storage, r.match, r.call);
    return XEL_STATUS_OK;
}

xel_status_t aen_dispatch(bool storage, int readcnt, const xel_aen_entry_t *entries)
{
    int count = readcnt > 0 ? readcnt / static_cast<int>(sizeof(xel_aen_entry_t)) : 0;
    xel_status_t first_failure = XEL_STATUS_OK;
    for (int i = 0; i < count; i++) {
        xel_status_t status = aen_route_entry(entries[i], storage);
        if (first_failure == XEL_STATUS_OK)
            first_failure = status;
    }
    return first_failure;
}

// One event of the storage driver's, as the delivery entry points take it.
xel_status_t aen_event(uint32_t category, int inst, const void *data, int32_t type, timeval tv)
{
    xel_aen_entry_t e{};
    e.aen_category = category;
    e.aen_type = type;
    if (data != nullptr)
        std::memcpy(e.aen_data, data, sizeof e.aen_data);
    e.tv_sec = static_cast<uint32_t>(tv.tv_sec);
    e.tv_usec = static_cast<uint32_t>(tv.tv_usec);
    e.xeld_num = inst;
    return aen_route_entry(e, true);
}

} // namespace

xel_status_t xell_adapter_aen_register(xell_adapter_t *adapter, xell_aen_cbfn_t cbfn, void *user_data,
                                       xell_aen_handle_t *cbhandle, int flag)
{
    uint8_t filter[40] = {};
    xell_t *first = nullptr;
    if (adapter != nullptr) {
        std::memcpy(filter, adapter->serial_num, sizeof adapter->serial_num);
        xell_port_t *port0 = xell_adapter_get_port(adapter, 0);
        first = port0 != nullptr && xell_port_get_ioc_count(port0) > 0 ? xell_port_get_ioc(port0, 0)
                                                                         : xell_adapter_get_first_ioc(adapter);
        if (first != nullptr) {
            wwn_t pwwn = xell_ioc_get_pwwn(first);
            std::memcpy(filter + 16, &pwwn, sizeof pwwn);
        }
    }
    xel_status_t status = aen_register(L_ADAPTER, first, cbfn, user_data, filter, sizeof filter, flag, cbhandle);
    // An adapter is known by its serial number; one with no IOC is still not "no adapter".
    if (status == XEL_STATUS_OK && adapter != nullptr)
        (*cbhandle)->has_ioc = true;
    return status;
}

xel_status_t xell_port_aen_register(xell_t *ioc, xell_aen_cbfn_t cbfn, void *user_data, const void *data,
                                    xell_aen_handle_t *cbhandle)
{
    xel_aen_port_data_t filter{};
    if (data != nullptr) {
        xel_aen_port_data_t given;
        std::memcpy(&given, data, sizeof given);
        // A storage IOC is known by its port WWN, a network one by its MAC.
        if (ioc == nullptr || xell_ioc_is_storage(ioc))
            filter.pwwn = given.pwwn;
        else
            filter.mac = given.mac;
    }
    return aen_register(L_PORT, ioc, cbfn, user_data, &filter, sizeof filter, 0, cbhandle);
}

xel_status_t xell_lport_aen_register(xell_t *ioc, xell_aen_cbfn_t cbfn, void *user_data, const void *data,
                                     xell_aen_handle_t *cbhandle, int flag)
{
    return aen_register(L_LPORT, ioc, cbfn, user_data, data, data ? 24 : 0, flag, cbhandle);
}

xel_status_t xell_rport_aen_register(xell_t *ioc, xell_aen_cbfn_t cbfn, void *user_data, const void *data,
                                     xell_aen_handle_t *cbhandle)
{
    return aen_register(L_RPORT, ioc, cbfn, user_data, data, data ? 40 : 0, 0, cbhandle);
}

xel_status_t xell_itnim_aen_register(xell_t *ioc, xell_aen_cbfn_t cbfn, void *user_data, const void *data,
                                     xell_aen_handle_t *cbhandle, int flag)
{
    return aen_register(L_ITNIM, ioc, cbfn, user_data, data, data ? 32 : 0, flag, cbhandle);
}

xel_status_t xell_ioc_aen_register(xell_t *ioc, xell_aen_cbfn_t cbfn, void *user_data, xell_aen_handle_t *cbhandle)
{
    return aen_register(L_IOC, ioc, cbfn, user_data, nullptr, 0, 0, cbhandle);
}

xel_status_t xell_ethport_aen_register(xell_t *ioc, xell_aen_cbfn_t cbfn, void *user_data, const void *data,
                                       xell_aen_handle_t *cbhandle)
{
    return aen_register(L_ETHPORT, ioc, cbfn, user_data, data, data ? sizeof(mac_t) : 0, 0, cbhandle);
}

xel_status_t xell_audit_aen_register(xell_t *ioc, xell_aen_cbfn_t cbfn, void *user_data, const void *data,
                                     xell_aen_handle_t *cbhandle)
{
    return aen_register(L_AUDIT, ioc, cbfn, user_data, data, data ? sizeof(wwn_t) : 0, 0, cbhandle);
}

xel_status_t xell_adapter_aen_unregister(xell_aen_handle_t h) { return aen_unregister(L_ADAPTER, h); }
xel_status_t xell_port_aen_unregister(xell_aen_handle_t h) { return aen_unregister(L_PORT, h); }
xel_status_t xell_lport_aen_unregister(xell_aen_handle_t h) { return aen_unregister(L_LPORT, h); }
xel_status_t xell_rport_aen_unregister(xell_aen_handle_t h) { return aen_unregister(L_RPORT, h); }
xel_status_t xell_itnim_aen_unregister(xell_aen_handle_t h) { return aen_unregister(L_ITNIM, h); }
xel_status_t xell_ioc_aen_unregister(xell_aen_handle_t h) { return aen_unregister(L_IOC, h); }
xel_status_t xell_ethport_aen_unregister(xell_aen_handle_t h) { return aen_unregister(L_ETHPORT, h); }
xel_status_t xell_audit_aen_unregister(xell_aen_handle_t h) { return aen_unregister(L_AUDIT, h); }

xel_status_t xell_aen_handling(int readcnt, const xel_aen_entry_t *entries)
{
    return aen_dispatch(true, readcnt, entries);
}

xel_status_t xell_aen_handling_from(const xell_t *ioc, int readcnt, const xel_aen_entry_t *entries)
{
    return aen_dispatch(xell_ioc_is_storage(ioc), readcnt, entries);
}

uint32_t xell_snia_event_convert(uint32_t category, uint32_t event)
{
    static constexpr struct {
        uint32_t category, event, code;
    } codes[] = {
        {XEL_AEN_CAT_ADAPTER, 1, 0x101}, {XEL_AEN_CAT_ADAPTER, 2, 0x102}, {XEL_AEN_CAT_LPORT, 3, 0x202},
        {XEL_AEN_CAT_LPORT, 4, 0x201},   {XEL_AEN_CAT_ITNIM, 1, 0x402},   {XEL_AEN_CAT_ITNIM, 2, 0x401},
        {XEL_AEN_CAT_ITNIM, 3, 0x403},
    };
    for (const auto &c : codes)
        if (c.category == category && c.event == event)
            return c.code;
    return 0;
}

void xell_aen_fd_collect(xell_aen_fd_list *fd_list)
{
    for (aen_list_id id : {L_ADAPTER, L_LPORT, L_ITNIM, L_PORT, L_RPORT, L_AUDIT, L_IOC, L_ETHPORT}) {
        aen_list &list = list_of(id);
        std::lock_guard<std::mutex> lock(list.mutex);
        for (const xell_aen_reg *rec : list.records) {
            // A record without an IOC has no descriptor, and select cannot take one past its set.
            if (rec->fd < 0 || rec->fd >= FD_SETSIZE)
                continue;
            FD_SET(rec->fd, &fd_list->set);
            fd_list->maxfd = std::max(fd_list->maxfd, rec->fd);
        }
    }
}

xel_status_t xell_aen_handling_driver(bool storage, int readcnt, const xel_aen_entry_t *entries)
{
    return aen_dispatch(storage, readcnt, entries);
}

xel_status_t xell_adapter_event(const void *data, int32_t type, timeval tv)
{
    return aen_event(XEL_AEN_CAT_ADAPTER, -1, data, type, tv);
}
xel_status_t xell_port_event(int inst, const void *data, int32_t type, timeval tv)
{
    return aen_event(XEL_AEN_CAT_PORT, inst, data, type, tv);
}
xel_status_t xell_lport_event(int inst, const void *data, int32_t type, timeval tv)
{
    return aen_event(XEL_AEN_CAT_LPORT, inst, data, type, tv);
}
xel_status_t xell_rport_event(int inst, const void *data, int32_t type, timeval tv)
{
    return aen_event(XEL_AEN_CAT_RPORT, inst, data, type, tv);
}
xel_status_t xell_itnim_event(int inst, const void *data, int32_t type, timeval tv)
{
    return aen_event(XEL_AEN_CAT_ITNIM, inst, data, type, tv);
}
xel_status_t xell_ioc_event(int inst, const void *data, int32_t type, timeval tv)
{
    return aen_event(XEL_AEN_CAT_IOC, inst, data, type, tv);
}
xel_status_t xell_ethport_event(int inst, const void *data, int32_t type, timeval tv)
{
    return aen_event(XEL_AEN_CAT_ETHPORT, inst, data, type, tv);
}
xel_status_t xell_audit_event(int inst, const void *data, int32_t type, timeval tv)
{
    return aen_event(XEL_AEN_CAT_AUDIT, inst, data, type, tv);
}
