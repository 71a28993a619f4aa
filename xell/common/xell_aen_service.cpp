// The event service's watcher threads: the netlink watcher that
// xell_aen_init starts, and the poll and query watchers beside it. Every
// wait of a watcher also watches a pipe that xell_aen_exit writes, so a
// stop request is seen at once; each wait is bounded besides, so a lost
// wake-up costs a second at most. xell_aen_exit joins what it stops.
#include "xell.h"
#include "xell_aen.h"
#include "xell_discovery.h"
#include "xell_sys.h"

#include <linux/netlink.h>
#include <pthread.h>
#include <sys/socket.h>
#include <sys/uio.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <new>
#include <vector>

namespace {

constexpr int netlink_scsitransport = 18;
// The FC transport's event group and the one beside it.
constexpr uint32_t netlink_groups = 0x0C;
// One FC transport vendor event with its 64-byte entry.
constexpr size_t netlink_message_size = 120;
constexpr int watcher_period_ms = 5000;
constexpr int stop_check_ms = 1000;

std::atomic<int> cancelthread{0};
pthread_t eventThreadIdNetlink, eventThreadIdPoll, eventThreadIdQuery;
bool netlink_started = false, poll_started = false, query_started = false;
pthread_attr_t eventThreadAttr;
int is_solaris = 0;
int poll_fc_only = 0;
int netlink_fd = -1;
int wake_fds[2] = {-1, -1};
// Guards starting and stopping, not the watchers' work.
std::mutex service_mutex;

bool stop_requested()
{
    return cancelthread.load(std::memory_order_acquire) != 0;
}

// Waits up to timeout_ms for the descriptors (fds may be empty) or a stop
// request; poll's result, the wake pipe taken out.
int wait_for(std::vector<pollfd> &fds, int timeout_ms)
{
    fds.push_back({wake_fds[0], POLLIN, 0});
    int n = xell_os().poll(fds.data(), fds.size(), timeout_ms);
    int saved = errno;
    if (n > 0 && fds.back().revents != 0)
        n--;
    fds.pop_back();
    errno = saved;
    return n;
}

// Sleeps the period unless a stop request comes first.
void pause_period()
{
    std::vector<pollfd> none;
    int left = watcher_period_ms;
    while (left > 0 && !stop_requested()) {
        wait_for(none, std::min(left, stop_check_ms));
        left -= stop_check_ms;
    }
}

void *xell_aen_thread_netlink(void *arg)
{
    (void)arg; // is_solaris: the Linux message layout only
    auto *buf = new (std::nothrow) uint8_t[netlink_message_size];
    if (buf == nullptr) {
        std::fprintf(stderr, "%s:%d: malloc failed\n", __func__, 399);
        return nullptr;
    }
    sockaddr_nl from{};
    while (!stop_requested()) {
        std::vector<pollfd> fds{{netlink_fd, POLLIN, 0}};
        int n = wait_for(fds, stop_check_ms);
        if (n < 0 && errno != EINTR) {
            std::fprintf(stderr, "error\n");
            break;
        }
        if (n <= 0 || stop_requested())
            continue;
        iovec iov{buf, netlink_message_size};
        msghdr msg{};
        msg.msg_name = &from;
        msg.msg_namelen = sizeof from;
        msg.msg_iov = &iov;
        msg.msg_iovlen = 1;
        // Readable, so this does not block; a datagram longer than the
        // buffer comes truncated and its own length then disowns it.
        ssize_t got = xell_os().recvmsg(netlink_fd, &msg, MSG_WAITALL | MSG_DONTWAIT);
        if (got < 0) {
            // ENOBUFS: the socket overran and dropped messages; the next ones still count.
            if (errno == EAGAIN || errno == EINTR || errno == ENOBUFS)
                continue;
            std::fprintf(stderr, "error\n");
            break;
        }
        xel_aen_entry_t entry;
        if (got > 0 && xell_aen_netlink_entry(buf, static_cast<size_t>(got), &entry))
            xell_aen_handling(sizeof entry, &entry);
    }
    delete[] buf;
    return nullptr;
}

struct fetched_events {
    bool storage;
    std::vector<xel_aen_entry_t> entries;
};

// The pending events of one IOC, in batches of 64 until one comes short.
void fetch_ioc(xell_t *ioc, xel_aen_entry_t *batch, std::vector<fetched_events> *out)
{
    fetched_events got{xell_ioc_is_storage(ioc), {}};
    for (;;) {
        int count = XEL_AEN_MAX_ENTRIES;
        if (xell_aen_get_events(ioc, batch, &count, xell_application_id()) != XEL_STATUS_OK)
            break;
        got.entries.insert(got.entries.end(), batch, batch + count);
        if (count < XEL_AEN_MAX_ENTRIES)
            break;
    }
    if (!got.entries.empty())
        out->push_back(std::move(got));
}

// Fetches from the IOCs the filter takes while the list is held, then
// delivers with the list let go, so that a callback may rescan. True when
// any event came.
bool fetch_and_deliver(xel_aen_entry_t *batch, bool (*take)(const xell_t *ioc, const void *ctx), const void *ctx)
{
    std::vector<fetched_events> fetched;
    {
        auto hold = xell_ioc_list_hold();
        for (xell_t *ioc = xell_ioc_get_list(); ioc != nullptr && !stop_requested(); ioc = ioc->next)
            if (take(ioc, ctx))
                fetch_ioc(ioc, batch, &fetched);
    }
    for (const fetched_events &f : fetched)
        xell_aen_handling_driver(f.storage, static_cast<int>(f.entries.size() * sizeof(xel_aen_entry_t)),
                                 f.entries.data());
    return !fetched.empty();
}

struct readable_set {
    const std::vector<pollfd> *fds;
    bool fc_only;
};

bool take_readable(const xell_t *ioc, const void *ctx)
{
    const auto *r = static_cast<const readable_set *>(ctx);
    if (r->fc_only && !xell_ioc_is_storage(ioc))
        return false;
    for (const pollfd &p : *r->fds)
        if (p.fd == ioc->fd && ioc->fd >= 0 && (p.revents & POLLIN) != 0)
            return true;
    return false;
}

bool take_every(const xell_t *, const void *)
{
    return true;
}

void *xell_aen_thread_poll(void *arg)
{
    bool fc_only = arg != nullptr && *static_cast<const int *>(arg) != 0;
    auto *batch = new (std::nothrow) xel_aen_entry_t[XEL_AEN_MAX_ENTRIES];
    if (batch == nullptr) {
        std::fprintf(stderr, "%s:%d: malloc failed\n", __func__, 274);
        return nullptr;
    }
    while (!stop_requested()) {
        xell_aen_fd_list collected;
        xell_aen_fd_collect(&collected);
        std::vector<pollfd> fds;
        for (int fd = 0; fd <= collected.maxfd; fd++)
            if (FD_ISSET(fd, &collected.set))
                fds.push_back({fd, POLLIN, 0});
        int n = wait_for(fds, fds.empty() ? stop_check_ms : watcher_period_ms);
        if (n < 0 && errno != EINTR) {
            std::fprintf(stderr, "%s:%d: select failed: error %s\n", __func__, 292, std::strerror(errno));
            pause_period();
            continue;
        }
        if (n <= 0 || stop_requested())
            continue;
        readable_set readable{&fds, fc_only};
        // A descriptor that stays readable with nothing queued must not
        // spin the thread: wait the period before looking again.
        if (!fetch_and_deliver(batch, take_readable, &readable))
            pause_period();
    }
    delete[] batch;
    return nullptr;
}

void *xell_aen_thread_query(void *arg)
{
    (void)arg;
    auto *batch = new (std::nothrow) xel_aen_entry_t[XEL_AEN_MAX_ENTRIES];
    if (batch == nullptr) {
        std::fprintf(stderr, "%s:%d: malloc failed\n", __func__, 227);
        return nullptr;
    }
    while (!stop_requested()) {
        fetch_and_deliver(batch, take_every, nullptr);
        pause_period();
    }
    delete[] batch;
    return nullptr;
}

xel_status_t thread_status(int err)
{
    return err == EAGAIN || err == ENOMEM ? XEL_STATUS_ENOMEM : XEL_STATUS_FAILED;
}

// The wake pipe and the thread attributes, once for all watchers.
xel_status_t service_prepare()
{
    if (wake_fds[0] >= 0)
        return XEL_STATUS_OK;
    if (xell_os().pipe(wake_fds) < 0) {
        wake_fds[0] = wake_fds[1] = -1;
        return XEL_STATUS_FAILED;
    }
    pthread_attr_init(&eventThreadAttr);
    pthread_attr_setdetachstate(&eventThreadAttr, PTHREAD_CREATE_JOINABLE);
    pthread_attr_setinheritsched(&eventThreadAttr, PTHREAD_INHERIT_SCHED);
    pthread_attr_setscope(&eventThreadAttr, PTHREAD_SCOPE_SYSTEM);
    return XEL_STATUS_OK;
}

xel_status_t start_thread(pthread_t *id, bool *started, void *(*body)(void *), void *arg)
{
    if (*started)
        return XEL_STATUS_OK;
    xel_status_t status = service_prepare();
    if (status != XEL_STATUS_OK)
        return status;
    int err = pthread_create(id, &eventThreadAttr, body, arg);
    if (err != 0)
        return thread_status(err);
    *started = true;
    return XEL_STATUS_OK;
}

int open_netlink()
{
    int fd = xell_os().socket(AF_NETLINK, SOCK_DGRAM | SOCK_CLOEXEC, netlink_scsitransport);
    if (fd < 0)
        return -1;
    sockaddr_nl addr{};
    addr.nl_family = AF_NETLINK;
    addr.nl_pid = static_cast<uint32_t>(xell_os().getpid());
    addr.nl_groups = netlink_groups;
    if (xell_os().bind(fd, reinterpret_cast<sockaddr *>(&addr), sizeof addr) < 0) {
        xell_os().close(fd);
        return -1;
    }
    return fd;
}

void join(pthread_t id, bool *started)
{
    if (*started)
        pthread_join(id, nullptr);
    *started = false;
}

int running_count()
{
    return int{netlink_started} + int{poll_started} + int{query_started};
}

} // namespace

xel_status_t xell_aen_init()
{
    if (xell_application_id() == xel_aen_app_ixo)
        return XEL_STATUS_OK;
    std::lock_guard<std::mutex> lock(service_mutex);
    if (netlink_started)
        return XEL_STATUS_OK;
    is_solaris = 0;
    netlink_fd = open_netlink();
    if (netlink_fd < 0)
        return XEL_STATUS_FAILED;
    xel_status_t status = start_thread(&eventThreadIdNetlink, &netlink_started, xell_aen_thread_netlink, &is_solaris);
    if (status != XEL_STATUS_OK) {
        xell_os().close(netlink_fd);
        netlink_fd = -1;
    }
    return status;
}

xel_status_t xell_aen_start_watcher(xell_aen_watcher which, bool fc_only)
{
    std::lock_guard<std::mutex> lock(service_mutex);
    if (which == xell_aen_watcher::query)
        return start_thread(&eventThreadIdQuery, &query_started, xell_aen_thread_query, nullptr);
    if (!poll_started)
        poll_fc_only = fc_only ? 1 : 0;
    return start_thread(&eventThreadIdPoll, &poll_started, xell_aen_thread_poll, &poll_fc_only);
}

void xell_aen_exit()
{
    std::lock_guard<std::mutex> lock(service_mutex);
    if (wake_fds[0] < 0)
        return;
    cancelthread.store(1, std::memory_order_release);
    char byte = 1;
    while (xell_os().write(wake_fds[1], &byte, 1) < 0 && errno == EINTR) {
    }
    join(eventThreadIdNetlink, &netlink_started);
    join(eventThreadIdPoll, &poll_started);
    join(eventThreadIdQuery, &query_started);
    if (netlink_fd >= 0)
        xell_os().close(netlink_fd);
    netlink_fd = -1;
    xell_os().close(wake_fds[0]);
    xell_os().close(wake_fds[1]);
    wake_fds[0] = wake_fds[1] = -1;
    pthread_attr_destroy(&eventThreadAttr);
    cancelthread.store(0, std::memory_order_release);
}

int xell_aen_watcher_count()
{
    std::lock_guard<std::mutex> lock(service_mutex);
    return running_count();
}
