// The event service over the emulated host: events that another process
// (xelsim) raises reach the registered callbacks through the watchers.
// Every wait is bounded, so a lost event fails a test instead of hanging it.
#include "emulated_host.h"
#include "sim_netlink.h"
#include "xell.h"
#include "xell_aen.h"
#include "xell_discovery.h"
#include "xell_lport.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <condition_variable>
#include <cstring>
#include <mutex>
#include <string>
#include <vector>

extern char **environ;

namespace {

using namespace std::chrono_literals;

// What the callbacks saw, in order, as "name:detail".
struct journal {
    std::mutex mutex;
    std::condition_variable grew;
    std::vector<std::string> calls;

    void add(const std::string &call)
    {
        std::lock_guard<std::mutex> lock(mutex);
        calls.push_back(call);
        grew.notify_all();
    }
    // Waits a few seconds at most for n calls; the calls seen by then.
    std::vector<std::string> wait_for(size_t n)
    {
        std::unique_lock<std::mutex> lock(mutex);
        grew.wait_for(lock, 5s, [&] { return calls.size() >= n; });
        return calls;
    }
};

struct listener {
    journal *log;
    std::string name;
    xell_aen_handle_t handle = nullptr;
};

void plain(void *user, int32_t type, const void *, uint32_t, uint32_t)
{
    auto *l = static_cast<listener *>(user);
    l->log->add(l->name + ":" + std::to_string(type));
}

void unregisters_itself(void *user, int32_t type, const void *data, uint32_t sec, uint32_t usec)
{
    auto *l = static_cast<listener *>(user);
    plain(user, type, data, sec, usec);
    EXPECT_EQ(xell_port_aen_unregister(l->handle), XEL_STATUS_OK);
}

std::string hex(uint64_t v)
{
    char text[24];
    std::snprintf(text, sizeof text, "%llx", static_cast<unsigned long long>(v));
    return text;
}

void snia_adapter(void *user, wwn_t pwwn, uint32_t event)
{
    auto *l = static_cast<listener *>(user);
    l->log->add(l->name + ":" + hex(pwwn) + "," + hex(event));
}

void snia_lport(void *user, wwn_t lpwwn, uint32_t event, uint32_t port_id)
{
    auto *l = static_cast<listener *>(user);
    l->log->add(l->name + ":" + hex(lpwwn) + "," + hex(event) + "," + hex(port_id));
}

void snia_itnim(void *user, wwn_t lpwwn, wwn_t rpwwn, uint32_t event)
{
    auto *l = static_cast<listener *>(user);
    l->log->add(l->name + ":" + hex(lpwwn) + "," + hex(rpwwn) + "," + hex(event));
}

// The emulated kernel, telling the journal of each device node it refuses.
class RefusingSys : public EmulatedSys {
public:
    RefusingSys(SimHost &host, journal *log) : EmulatedSys(host), log_(log) {}
    int open(const char *path, int flags, mode_t mode = 0) override
    {
        int fd = EmulatedSys::open(path, flags, mode);
        if (fd < 0 && std::strncmp(path, "/dev/", 5) == 0)
            log_->add(std::string("refused:") + path);
        return fd;
    }

private:
    journal *log_;
};

class AenService : public EmulatedHostTest {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(start("default"));
        xell_libinit(xel_aen_app_test);
        ASSERT_GT(xell_adapter_scan(), 0);
        for (xell_t *ioc = xell_ioc_get_list(); ioc != nullptr; ioc = ioc->next)
            iocs.push_back(ioc);
        ASSERT_GE(iocs.size(), 2u);
        ASSERT_TRUE(xell_ioc_is_storage(iocs[0]) && xell_ioc_is_storage(iocs[1]));
    }
    void TearDown() override
    {
        xell_aen_exit();
        xell_libexit();
        EmulatedHostTest::TearDown();
    }

    // Runs xelsim event add in its own process on this host.
    void raise(const char *pci, int category, int type)
    {
        std::string env_root = "IXO_SIM_ROOT=" + root.path();
        std::vector<std::string> words = {XELSIM_PATH, "event",  "add", "--fn", pci, "--cat",
                                          std::to_string(category), "--type", std::to_string(type)};
        std::vector<char *> argv, envp{env_root.data(), nullptr};
        for (auto &w : words)
            argv.push_back(w.data());
        argv.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
        pid_t pid = -1;
        ASSERT_EQ(posix_spawn(&pid, XELSIM_PATH, &actions, nullptr, argv.data(), envp.data()), 0);
        posix_spawn_file_actions_destroy(&actions);
        int status = 0;
        ASSERT_EQ(waitpid(pid, &status, 0), pid);
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "xelsim event add " << pci;
    }

    xel_aen_port_data_t port_filter(const xell_t *ioc)
    {
        xel_aen_port_data_t f{};
        f.pwwn = ioc->pwwn;
        return f;
    }
    // Registers the listener for the first IOC's port events and starts the service.
    void listen_port0(listener *l)
    {
        xel_aen_port_data_t f0 = port_filter(iocs[0]);
        ASSERT_EQ(xell_port_aen_register(iocs[0], plain, l, &f0, &l->handle), XEL_STATUS_OK);
        ASSERT_EQ(xell_aen_init(), XEL_STATUS_OK);
    }

    std::vector<xell_t *> iocs;
    journal log;
};

TEST_F(AenService, TheFrontEndStartsNoWatcherOtherApplicationsTheNetlinkOne)
{
    xell_libinit(xel_aen_app_ixo);
    EXPECT_EQ(xell_aen_init(), XEL_STATUS_OK);
    EXPECT_EQ(xell_aen_watcher_count(), 0);
    xell_libinit(xel_aen_app_test);
    EXPECT_EQ(xell_aen_init(), XEL_STATUS_OK);
    EXPECT_EQ(xell_aen_watcher_count(), 1);
    auto begun = std::chrono::steady_clock::now();
    xell_aen_exit();
    EXPECT_LT(std::chrono::steady_clock::now() - begun, 1500ms);
    EXPECT_EQ(xell_aen_watcher_count(), 0);
}

TEST_F(AenService, EventsFromAnotherProcessReachTheMatchingCallbacksOnceInOrder)
{
    listener older{&log, "port0.old"}, newer{&log, "port0.new"}, other{&log, "port1"}, audit{&log, "audit0"},
        ioc{&log, "ioc1"};
    xel_aen_port_data_t f0 = port_filter(iocs[0]), f1 = port_filter(iocs[1]);
    ASSERT_EQ(xell_port_aen_register(iocs[0], plain, &older, &f0, &older.handle), XEL_STATUS_OK);
    ASSERT_EQ(xell_port_aen_register(iocs[0], plain, &newer, &f0, &newer.handle), XEL_STATUS_OK);
    ASSERT_EQ(xell_port_aen_register(iocs[1], plain, &other, &f1, &other.handle), XEL_STATUS_OK);
    ASSERT_EQ(xell_audit_aen_register(iocs[0], plain, &audit, &iocs[0]->pwwn, &audit.handle), XEL_STATUS_OK);
    ASSERT_EQ(xell_ioc_aen_register(iocs[1], plain, &ioc, &ioc.handle), XEL_STATUS_OK);
    ASSERT_EQ(xell_aen_init(), XEL_STATUS_OK);

    raise("0000:05:00.0", XEL_AEN_CAT_PORT, 1);
    raise("0000:05:00.0", XEL_AEN_CAT_AUDIT, 4);
    raise("0000:05:00.1", XEL_AEN_CAT_PORT, 2);
    raise("0000:05:00.0", XEL_AEN_CAT_RPORT, 1); // no registration: consumed silently
    raise("0000:05:00.1", XEL_AEN_CAT_IOC, 3);
    raise("0000:05:00.1", XEL_AEN_CAT_IOC, 4);
    // The last event comes last, so nothing was delivered twice before it.
    std::vector<std::string> want = {"port0.new:1", "port0.old:1", "audit0:4", "port1:2", "ioc1:3", "ioc1:4"};
    EXPECT_EQ(log.wait_for(want.size()), want);
    for (listener *l : {&older, &newer, &other})
        EXPECT_EQ(xell_port_aen_unregister(l->handle), XEL_STATUS_OK);
    EXPECT_EQ(xell_audit_aen_unregister(audit.handle), XEL_STATUS_OK);
    EXPECT_EQ(xell_ioc_aen_unregister(ioc.handle), XEL_STATUS_OK);
}

TEST_F(AenService, ACallbackThatUnregistersItselfLeavesTheOthersTheirEvents)
{
    listener once{&log, "once"}, always{&log, "always"};
    xel_aen_port_data_t f0 = port_filter(iocs[0]);
    ASSERT_EQ(xell_port_aen_register(iocs[0], plain, &always, &f0, &always.handle), XEL_STATUS_OK);
    ASSERT_EQ(xell_port_aen_register(iocs[0], unregisters_itself, &once, &f0, &once.handle), XEL_STATUS_OK);
    ASSERT_EQ(xell_aen_init(), XEL_STATUS_OK);
    raise("0000:05:00.0", XEL_AEN_CAT_PORT, 1);
    raise("0000:05:00.0", XEL_AEN_CAT_PORT, 2);
    std::vector<std::string> want = {"once:1", "always:1", "always:2"};
    EXPECT_EQ(log.wait_for(want.size()), want);
    EXPECT_EQ(xell_port_aen_unregister(once.handle), XEL_STATUS_FAILED);
    EXPECT_EQ(xell_port_aen_unregister(always.handle), XEL_STATUS_OK);
}

TEST_F(AenService, AnotherVendorsEventsAndStrayMessagesAreIgnored)
{
    listener port{&log, "port0"};
    ASSERT_NO_FATAL_FAILURE(listen_port0(&port));
    xel_aen_port_data_t f0 = port_filter(iocs[0]);
    xel_aen_entry_t entry{};
    entry.aen_category = XEL_AEN_CAT_PORT;
    entry.aen_type = 5;
    entry.xeld_num = iocs[0]->instance;
    std::memcpy(entry.aen_data, &f0, sizeof f0);
    uint32_t host_no = iocs[0]->host;
    // Another vendor's event (another PCI vendor, then the family's ID as
    // another type of identifier), and one whose vendor data is too short.
    EXPECT_EQ(sim_netlink_post_vendor_event(root.path(), host_no, (1ull << 56) | 0x1234, 1, &entry, sizeof entry), 1);
    EXPECT_EQ(sim_netlink_post_vendor_event(root.path(), host_no, (2ull << 56) | 0x7a3c, 2, &entry, sizeof entry), 1);
    EXPECT_EQ(sim_netlink_post_vendor_event(root.path(), host_no, XEL_AEN_NL_VENDOR_ID, 3, &entry, 32), 1);
    raise("0000:05:00.0", XEL_AEN_CAT_PORT, 7);
    EXPECT_EQ(log.wait_for(1), std::vector<std::string>{"port0:7"});
    EXPECT_EQ(xell_port_aen_unregister(port.handle), XEL_STATUS_OK);
}

TEST_F(AenService, TheServiceStopsAtOnceAndStartsAgain)
{
    listener port{&log, "port0"};
    ASSERT_NO_FATAL_FAILURE(listen_port0(&port));
    raise("0000:05:00.0", XEL_AEN_CAT_PORT, 1);
    EXPECT_EQ(log.wait_for(1).size(), 1u);
    auto begun = std::chrono::steady_clock::now();
    xell_aen_exit();
    EXPECT_LT(std::chrono::steady_clock::now() - begun, 1500ms);
    // Stopped, the process listens no more: the kernel drops the event.
    raise("0000:05:00.0", XEL_AEN_CAT_PORT, 2);
    ASSERT_EQ(xell_aen_init(), XEL_STATUS_OK);
    raise("0000:05:00.0", XEL_AEN_CAT_PORT, 3);
    EXPECT_EQ(log.wait_for(2), (std::vector<std::string>{"port0:1", "port0:3"}));
    EXPECT_EQ(xell_port_aen_unregister(port.handle), XEL_STATUS_OK);
}

TEST_F(AenService, TheSniaFormGetsTheSniaCodesAndThePortAddress)
{
    listener added{&log, "adapter"}, lport{&log, "lport"}, itnim{&log, "itnim"};
    wwn_t pwwn = iocs[0]->pwwn;
    uint8_t lfilter[24] = {}, ifilter[32] = {};
    std::memcpy(lfilter + 16, &pwwn, sizeof pwwn);
    std::memcpy(ifilter + 16, &pwwn, sizeof pwwn);
    ASSERT_EQ(xell_adapter_aen_register(nullptr, xell_aen_snia_cb(snia_adapter), &added, &added.handle,
                                        XELL_AEN_FLAG_SNIA),
              XEL_STATUS_OK);
    ASSERT_EQ(xell_lport_aen_register(iocs[0], xell_aen_snia_cb(snia_lport), &lport, lfilter, &lport.handle,
                                      XELL_AEN_FLAG_SNIA),
              XEL_STATUS_OK);
    ASSERT_EQ(xell_itnim_aen_register(iocs[0], xell_aen_snia_cb(snia_itnim), &itnim, ifilter, &itnim.handle,
                                      XELL_AEN_FLAG_SNIA),
              XEL_STATUS_OK);
    xel_lport_attr_t attr{};
    ASSERT_EQ(xell_lport_get_attr(iocs[0], 0, pwwn, &attr), XEL_STATUS_OK);
    ASSERT_NE(attr.pid, 0u);
    ASSERT_EQ(xell_aen_init(), XEL_STATUS_OK);
    raise("0000:05:00.0", XEL_AEN_CAT_ADAPTER, 1);
    raise("0000:05:00.0", XEL_AEN_CAT_LPORT, 3);
    raise("0000:05:00.0", XEL_AEN_CAT_ITNIM, 2);
    raise("0000:05:00.0", XEL_AEN_CAT_ITNIM, 9); // no SNIA code: 0
    std::string w = hex(pwwn);
    std::vector<std::string> want = {"adapter:" + w + ",101", "lport:" + w + ",202," + hex(attr.pid),
                                     "itnim:" + w + ",0,401", "itnim:" + w + ",0,0"};
    EXPECT_EQ(log.wait_for(want.size()), want);
    EXPECT_EQ(xell_adapter_aen_unregister(added.handle), XEL_STATUS_OK);
    EXPECT_EQ(xell_lport_aen_unregister(lport.handle), XEL_STATUS_OK);
    EXPECT_EQ(xell_itnim_aen_unregister(itnim.handle), XEL_STATUS_OK);
}

// The alternatives fetch from the drivers' queues: what was queued before
// they started is delivered too, and they stop as promptly. The poll
// watcher waits on the registrations' descriptors: the storage functions
// are reached through a node opened per request, so only the network
// driver's shared descriptor is there to wait on.
TEST_F(AenService, ThePollAndQueryWatchersFetchTheQueuedEvents)
{
    const struct {
        xell_aen_watcher which;
        bool fc_only;
        const char *pci;
        xel_aen_category_t category;
    } cases[] = {
        {xell_aen_watcher::query, true, "0000:05:00.1", XEL_AEN_CAT_PORT},
        {xell_aen_watcher::poll, false, "0000:06:00.3", XEL_AEN_CAT_ETHPORT},
    };
    ASSERT_EQ(iocs.size(), 6u);
    for (const auto &c : cases) {
        journal seen;
        listener l{&seen, c.pci};
        if (c.category == XEL_AEN_CAT_PORT) {
            xel_aen_port_data_t f1 = port_filter(iocs[1]);
            ASSERT_EQ(xell_port_aen_register(iocs[1], plain, &l, &f1, &l.handle), XEL_STATUS_OK);
        } else {
            ASSERT_EQ(xell_ethport_aen_register(iocs[5], plain, &l, &iocs[5]->mac, &l.handle), XEL_STATUS_OK);
        }
        raise(c.pci, c.category, 1);
        raise(c.pci, c.category, 2);
        ASSERT_EQ(xell_aen_start_watcher(c.which, c.fc_only), XEL_STATUS_OK);
        EXPECT_EQ(xell_aen_watcher_count(), 1);
        std::string name = c.pci;
        EXPECT_EQ(seen.wait_for(2), (std::vector<std::string>{name + ":1", name + ":2"}));
        auto begun = std::chrono::steady_clock::now();
        xell_aen_exit();
        EXPECT_LT(std::chrono::steady_clock::now() - begun, 1500ms);
        EXPECT_EQ(c.category == XEL_AEN_CAT_PORT ? xell_port_aen_unregister(l.handle)
                                                 : xell_ethport_aen_unregister(l.handle),
                  XEL_STATUS_OK);
    }
}

// A watcher's failed fetch is its own: the caller's last error stays as the
// caller left it, while the watcher runs and after it stops.
TEST_F(AenService, AFetchThatFailsOnAWatcherLeavesTheCallersLastErrorAlone)
{
    xell_adapter_free();
    kernel = std::make_unique<RefusingSys>(*host, &log);
    xell_os_install(kernel.get());
    ASSERT_GT(xell_adapter_scan(), 0);
    kernel->set_caller(sim_caller::user);
    xell_set_last_error(XEL_STATUS_OK);
    ASSERT_EQ(xell_aen_start_watcher(xell_aen_watcher::query, true), XEL_STATUS_OK);
    ASSERT_FALSE(log.wait_for(1).empty());
    EXPECT_EQ(xell_get_last_error(), XEL_STATUS_OK);
    xell_aen_exit();
    EXPECT_EQ(xell_get_last_error(), XEL_STATUS_OK);
    kernel->set_caller(sim_caller::root);
}

} // namespace
