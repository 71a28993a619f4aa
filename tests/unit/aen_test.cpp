// Delivery of events to the registered callbacks: matching, order, once
// each, and registrations that change while an event is delivered.
#include "xell_aen.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

namespace {

struct seen {
    std::vector<std::string> calls;
};

void record_call(void *user, int32_t type, const void *, uint32_t, uint32_t)
{
    auto *p = static_cast<std::pair<seen *, std::string> *>(user);
    p->first->calls.push_back(p->second + ":" + std::to_string(type));
}

xell_t make_ioc(int instance, xel_ioc_type_t type, wwn_t pwwn)
{
    xell_t ioc;
    ioc.instance = instance;
    ioc.ioc_type = type;
    ioc.pwwn = pwwn;
    return ioc;
}

xel_aen_entry_t entry(uint32_t category, int32_t type, int instance, const void *data, size_t len)
{
    xel_aen_entry_t e{};
    e.aen_category = category;
    e.aen_type = type;
    e.xeld_num = instance;
    std::memcpy(e.aen_data, data, len);
    return e;
}

xel_aen_entry_t port_entry(int32_t type, int instance, wwn_t pwwn)
{
    xel_aen_port_data_t d{};
    d.pwwn = pwwn;
    d.mac = {{1, 2, 3, 4, 5, 6}};
    return entry(XEL_AEN_CAT_PORT, type, instance, &d, sizeof d);
}

TEST(AenDelivery, PortEventsReachTheMatchingCallbacksOnceNewestFirst)
{
    xell_t a = make_ioc(0, XEL_IOC_TYPE_FC, 0x11), b = make_ioc(1, XEL_IOC_TYPE_FC, 0x22);
    seen s;
    std::pair<seen *, std::string> first{&s, "first"}, second{&s, "second"}, other{&s, "other"};
    xel_aen_port_data_t fa{}, fb{};
    fa.pwwn = 0x11;
    fb.pwwn = 0x22;
    xell_aen_handle_t h1, h2, h3;
    ASSERT_EQ(xell_port_aen_register(&a, record_call, &first, &fa, &h1), XEL_STATUS_OK);
    ASSERT_EQ(xell_port_aen_register(&a, record_call, &second, &fa, &h2), XEL_STATUS_OK);
    ASSERT_EQ(xell_port_aen_register(&b, record_call, &other, &fb, &h3), XEL_STATUS_OK);
    // An IOC event (no callbacks), then two port events in order.
    xel_aen_entry_t list[] = {entry(XEL_AEN_CAT_IOC, 3, 0, "", 0), port_entry(1, 0, 0x11), port_entry(2, 1, 0x22),
                              port_entry(2, 0, 0x99)};
    EXPECT_EQ(xell_aen_handling(sizeof list, list), XEL_STATUS_OK);
    // The last one carries another WWN but the MAC the FC filter leaves zero: not matched.
    EXPECT_EQ(s.calls, (std::vector<std::string>{"second:1", "first:1", "other:2"}));
    EXPECT_EQ(xell_port_aen_unregister(h1), XEL_STATUS_OK);
    EXPECT_EQ(xell_port_aen_unregister(h2), XEL_STATUS_OK);
    EXPECT_EQ(xell_port_aen_unregister(h3), XEL_STATUS_OK);
    EXPECT_EQ(xell_port_aen_unregister(h3), XEL_STATUS_FAILED);
}

TEST(AenDelivery, InstancesOfTheOtherDriverDoNotMatch)
{
    xell_t nic = make_ioc(0, XEL_IOC_TYPE_LL, 0);
    seen s;
    std::pair<seen *, std::string> tag{&s, "ioc"};
    xell_aen_handle_t h;
    ASSERT_EQ(xell_ioc_aen_register(&nic, record_call, &tag, &h), XEL_STATUS_OK);
    xel_aen_entry_t e = entry(XEL_AEN_CAT_IOC, 4, 0, "", 0);
    xell_aen_handling(sizeof e, &e); // the storage driver's instance 0
    EXPECT_TRUE(s.calls.empty());
    xell_aen_handling_from(&nic, sizeof e, &e);
    EXPECT_EQ(s.calls, (std::vector<std::string>{"ioc:4"}));
    xell_ioc_aen_unregister(h);
}

TEST(AenDelivery, LogicalPortNewReachesTheRegistrationsForAllPorts)
{
    xell_t a = make_ioc(2, XEL_IOC_TYPE_FC, 0x11);
    seen s;
    std::pair<seen *, std::string> all{&s, "all"}, one{&s, "one"};
    uint8_t any[24] = {}, mine[24] = {};
    wwn_t lpwwn = 0x77;
    std::memcpy(mine + 16, &lpwwn, sizeof lpwwn);
    xell_aen_handle_t h1, h2;
    xell_lport_aen_register(&a, record_call, &all, any, &h1, 0);
    xell_lport_aen_register(&a, record_call, &one, mine, &h2, 0);
    xel_aen_entry_t list[] = {entry(XEL_AEN_CAT_LPORT, 1, 2, mine, sizeof mine),
                              entry(XEL_AEN_CAT_LPORT, 3, 2, mine, sizeof mine)};
    xell_aen_handling(sizeof list, list);
    EXPECT_EQ(s.calls, (std::vector<std::string>{"all:1", "one:3"}));
    xell_lport_aen_unregister(h1);
    xell_lport_aen_unregister(h2);
}

struct self_remover {
    xell_aen_handle_t handle = nullptr;
    int calls = 0;
};

void remove_self(void *user, int32_t, const void *, uint32_t, uint32_t)
{
    auto *r = static_cast<self_remover *>(user);
    r->calls++;
    EXPECT_EQ(xell_ioc_aen_unregister(r->handle), XEL_STATUS_OK);
}

TEST(AenDelivery, ACallbackThatUnregistersItselfLeavesTheOthersTheirEvent)
{
    xell_t a = make_ioc(5, XEL_IOC_TYPE_FC, 0x11);
    seen s;
    std::pair<seen *, std::string> before{&s, "before"}, after{&s, "after"};
    self_remover r;
    xell_aen_handle_t h1, h2;
    xell_ioc_aen_register(&a, record_call, &before, &h1);
    xell_ioc_aen_register(&a, remove_self, &r, &r.handle);
    xell_ioc_aen_register(&a, record_call, &after, &h2);
    xel_aen_entry_t list[] = {entry(XEL_AEN_CAT_IOC, 1, 5, "", 0), entry(XEL_AEN_CAT_IOC, 2, 5, "", 0)};
    xell_aen_handling(sizeof list, list);
    EXPECT_EQ(r.calls, 1);
    EXPECT_EQ(s.calls, (std::vector<std::string>{"after:1", "before:1", "after:2", "before:2"}));
    xell_ioc_aen_unregister(h1);
    xell_ioc_aen_unregister(h2);
}

std::atomic<int> slow_state{0};

void slow_callback(void *, int32_t, const void *, uint32_t, uint32_t)
{
    slow_state = 1;
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    slow_state = 2;
}

void snia_lport_call(void *user, wwn_t, uint32_t event, uint32_t)
{
    static_cast<seen *>(user)->calls.push_back("snia:" + std::to_string(event));
}

// A SNIA logical port event of an instance no IOC has cannot be delivered;
// the events behind it in the batch still are.
TEST(AenDelivery, AFailedDeliveryLeavesTheLaterEventsTheirs)
{
    xell_t a = make_ioc(0, XEL_IOC_TYPE_FC, 0x11);
    seen s;
    std::pair<seen *, std::string> port{&s, "port"};
    xel_aen_port_data_t fa{};
    fa.pwwn = 0x11;
    uint8_t lfilter[24] = {};
    wwn_t lpwwn = 0x11;
    std::memcpy(lfilter + 16, &lpwwn, sizeof lpwwn);
    xell_aen_handle_t hl, hp;
    ASSERT_EQ(xell_lport_aen_register(&a, xell_aen_snia_cb(snia_lport_call), &s, lfilter, &hl, XELL_AEN_FLAG_SNIA),
              XEL_STATUS_OK);
    ASSERT_EQ(xell_port_aen_register(&a, record_call, &port, &fa, &hp), XEL_STATUS_OK);
    xel_aen_entry_t list[] = {entry(XEL_AEN_CAT_LPORT, 3, 0, lfilter, sizeof lfilter), port_entry(1, 0, 0x11)};
    EXPECT_EQ(xell_aen_handling(sizeof list, list), XEL_STATUS_FAILED);
    EXPECT_EQ(s.calls, std::vector<std::string>{"port:1"});
    EXPECT_EQ(xell_lport_aen_unregister(hl), XEL_STATUS_OK);
    EXPECT_EQ(xell_port_aen_unregister(hp), XEL_STATUS_OK);
}

// The entry points take one storage driver event each, to its own category.
TEST(AenDelivery, EntryPointsDeliverToTheirCategory)
{
    xell_t a = make_ioc(2, XEL_IOC_TYPE_FC, 0x11);
    seen s;
    std::pair<seen *, std::string> port{&s, "port"}, ioc{&s, "ioc"};
    xel_aen_port_data_t fa{};
    fa.pwwn = 0x11;
    xell_aen_handle_t hp, hi;
    ASSERT_EQ(xell_port_aen_register(&a, record_call, &port, &fa, &hp), XEL_STATUS_OK);
    ASSERT_EQ(xell_ioc_aen_register(&a, record_call, &ioc, &hi), XEL_STATUS_OK);
    uint8_t data[40] = {};
    std::memcpy(data, &fa, sizeof fa);
    timeval tv{};
    EXPECT_EQ(xell_ioc_event(2, data, 3, tv), XEL_STATUS_OK);
    EXPECT_EQ(xell_port_event(2, data, 1, tv), XEL_STATUS_OK);
    EXPECT_EQ(xell_port_event(1, data, 2, tv), XEL_STATUS_OK); // another instance
    EXPECT_EQ(s.calls, (std::vector<std::string>{"ioc:3", "port:1"}));
    EXPECT_EQ(xell_port_aen_unregister(hp), XEL_STATUS_OK);
    EXPECT_EQ(xell_ioc_aen_unregister(hi), XEL_STATUS_OK);
}

// Registrations without a descriptor (no IOC, or a storage IOC reached
// through a node opened per request) put nothing into the select set.
TEST(AenDelivery, OnlyRealDescriptorsAreCollected)
{
    xell_t with_fd = make_ioc(0, XEL_IOC_TYPE_LL, 0), without = make_ioc(1, XEL_IOC_TYPE_FC, 0x11);
    with_fd.fd = 7;
    without.fd = -1;
    seen s;
    xell_aen_handle_t h[3];
    ASSERT_EQ(xell_ioc_aen_register(nullptr, record_call, &s, &h[0]), XEL_STATUS_OK);
    ASSERT_EQ(xell_ioc_aen_register(&without, record_call, &s, &h[1]), XEL_STATUS_OK);
    ASSERT_EQ(xell_ethport_aen_register(&with_fd, record_call, &s, nullptr, &h[2]), XEL_STATUS_OK);
    xell_aen_fd_list fds;
    xell_aen_fd_collect(&fds);
    EXPECT_EQ(fds.maxfd, 7);
    for (int fd = 0; fd < 7; fd++)
        EXPECT_FALSE(FD_ISSET(fd, &fds.set)) << fd;
    EXPECT_TRUE(FD_ISSET(7, &fds.set));
    EXPECT_EQ(xell_ioc_aen_unregister(h[0]), XEL_STATUS_OK);
    EXPECT_EQ(xell_ioc_aen_unregister(h[1]), XEL_STATUS_OK);
    EXPECT_EQ(xell_ethport_aen_unregister(h[2]), XEL_STATUS_OK);
}

TEST(AenDelivery, UnregistrationWaitsForTheRunningCallback)
{
    xell_t a = make_ioc(6, XEL_IOC_TYPE_FC, 0x11);
    xell_aen_handle_t h;
    xell_ioc_aen_register(&a, slow_callback, nullptr, &h);
    xel_aen_entry_t e = entry(XEL_AEN_CAT_IOC, 1, 6, "", 0);
    std::thread watcher([&] { xell_aen_handling(sizeof e, &e); });
    while (slow_state == 0)
        std::this_thread::yield();
    EXPECT_EQ(xell_ioc_aen_unregister(h), XEL_STATUS_OK);
    EXPECT_EQ(slow_state, 2);
    watcher.join();
}

} // namespace

namespace {

// A netlink message as the FC transport sends a vendor event, laid out by
// hand from the kernel's headers.
std::vector<uint8_t> nl_message(uint64_t vendor, uint16_t datalen, const xel_aen_entry_t &e)
{
    std::vector<uint8_t> m(16 + 36 + 64);
    uint32_t len = static_cast<uint32_t>(m.size());
    std::memcpy(m.data(), &len, 4);
    std::memcpy(m.data() + 16 + 16, &vendor, 8);
    std::memcpy(m.data() + 16 + 26, &datalen, 2);
    std::memcpy(m.data() + 16 + 36, &e, sizeof e);
    return m;
}

TEST(AenNetlink, OnlyTheFamilysWholeVendorEventsAreTaken)
{
    xel_aen_entry_t e = port_entry(1, 3, 0x42);
    xel_aen_entry_t out{};
    std::vector<uint8_t> good = nl_message((1ull << 56) | 0x7a3c, 64, e);
    ASSERT_TRUE(xell_aen_netlink_entry(good.data(), good.size(), &out));
    EXPECT_EQ(std::memcmp(&out, &e, sizeof e), 0);
    struct {
        const char *what;
        std::vector<uint8_t> msg;
        size_t len;
    } refused[] = {
        {"another vendor", nl_message((1ull << 56) | 0x1077, 64, e), good.size()},
        {"another id type", nl_message(0x7a3c, 64, e), good.size()},
        {"vendor data too short", nl_message((1ull << 56) | 0x7a3c, 40, e), good.size()},
        {"received short", good, good.size() - 1},
    };
    for (auto &c : refused)
        EXPECT_FALSE(xell_aen_netlink_entry(c.msg.data(), c.len, &out)) << c.what;
    std::vector<uint8_t> claims_more = good;
    uint32_t big = 4096;
    std::memcpy(claims_more.data(), &big, 4);
    EXPECT_FALSE(xell_aen_netlink_entry(claims_more.data(), claims_more.size(), &out));
}

} // namespace
