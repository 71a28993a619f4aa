#include "emulated_host.h"
#include "sim_kernel.h"
#include "sim_state.h"
#include "sim_topology.h"
#include "temp_root.h"
#include "xel_bsg.h"
#include "xell_adapter.h"
#include "xell_discovery.h"
#include "xell_stats.h"
#include "xell_transport.h"

#include <fcntl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <functional>
#include <memory>
#include <string>

namespace {

class EmulatedKernel : public EmulatedHostTest {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(start("default"));
        kernel->set_time_scale(0.001);
    }

    void add_fault(sim_fault fault)
    {
        sim_store store(root.path());
        ASSERT_EQ(store.transact([&](sim_store::session &s) {
            s.state.faults.push_back(fault);
            s.changed = true;
        }),
                  0);
    }

    // An IOC information request for instance 0 on host 2's node, as the
    // library builds it; change mutates the envelope before it is sent.
    int send_info_request(const std::function<void(struct sg_io_v4 &, xel_fc_bsg_vendor_request_t &)> &change)
    {
        xell_args_t record{};
        xel_fc_bsg_vendor_request_t request{};
        request.msgcode = FC_BSG_HST_VENDOR;
        request.vendor_id = XEL_PCI_VENDOR_ID;
        request.vendor_cmd[0] = XEL_CMD_IOC_GET_INFO;
        struct sg_io_v4 header {};
        header.guard = 'Q';
        header.subprotocol = XEL_BSG_SUB_PROTOCOL_SCSI_TRANSPORT;
        header.request_len = sizeof request;
        header.request = reinterpret_cast<uintptr_t>(&request);
        header.dout_xferp = header.din_xferp = reinterpret_cast<uintptr_t>(&record);
        header.dout_xfer_len = header.din_xfer_len = sizeof record;
        change(header, request);
        int fd = kernel->open("/dev/bsg/fc_host2", O_RDWR | O_NONBLOCK, 0);
        EXPECT_GE(fd, 0);
        errno = 0;
        int rc = kernel->ioctl(fd, XEL_SG_IO, &header);
        int err = rc < 0 ? errno : 0;
        kernel->close(fd);
        if (err == 0) {
            EXPECT_EQ(std::string(record.ioc_info.hwpath), "0000:05:00.0");
        }
        return err;
    }

};

} // namespace

TEST_F(EmulatedKernel, DecodesTheStorageEnvelopeAsTheKernelDoes)
{
    using H = struct sg_io_v4;
    using R = xel_fc_bsg_vendor_request_t;
    struct {
        const char *what;
        std::function<void(H &, R &)> change;
        int err;
    } const cases[] = {
        {"well formed", [](H &, R &) {}, 0},
        {"guard", [](H &h, R &) { h.guard = 'S'; }, EINVAL},
        {"protocol", [](H &h, R &) { h.protocol = 1; }, EINVAL},
        {"subprotocol", [](H &h, R &) { h.subprotocol = 0; }, EINVAL},
        {"short request block", [](H &h, R &) { h.request_len = 12; }, EINVAL},
        {"not a vendor request", [](H &, R &r) { r.msgcode = 0x80000001; }, EOPNOTSUPP},
        {"other vendor", [](H &, R &r) { r.vendor_id = 0x1657; }, ESRCH},
        {"transfer below the code's size", [](H &h, R &) { h.dout_xfer_len = h.din_xfer_len = 512; }, EINVAL},
        {"lengths differ", [](H &h, R &) { h.din_xfer_len = 528; }, EINVAL},
    };
    for (const auto &c : cases)
        EXPECT_EQ(send_info_request(c.change), c.err) << c.what;
}

TEST_F(EmulatedKernel, NetworkDriverTakesOnlyItsOwnGroup)
{
    int fd = kernel->open("/dev/kwo", O_RDWR, 0);
    ASSERT_GE(fd, 0);
    xel_ioctl_ioc_attr_t record{};
    errno = 0;
    EXPECT_EQ(kernel->ioctl(fd, XEL_CMD_IOC_GET_ATTR, &record), -1);
    EXPECT_EQ(errno, ENOTTY);
    EXPECT_EQ(kernel->ioctl(fd, xel_cmd_for_kwo(XEL_CMD_IOC_GET_ATTR), &record), 0);
    EXPECT_EQ(record.status, XEL_STATUS_OK);
    EXPECT_EQ(record.ioc_attr.pci_attr.pcifn, 2u); // instance 0 of kwo: 0000:06:00.2
    kernel->close(fd);
}

TEST_F(EmulatedKernel, DiscoveryFindsStorageThenNetworkFunctions)
{
    ASSERT_EQ(xell_adapter_scan(), 2);
    const char *expected[][3] = {{"0000:05:00.0", "0", "/dev/bsg/fc_host2"}, {"0000:05:00.1", "1", "/dev/bsg/fc_host3"},
                                 {"0000:06:00.0", "2", "/dev/bsg/fc_host4"}, {"0000:06:00.1", "3", "/dev/bsg/fc_host5"},
                                 {"0000:06:00.2", "0", "/dev/kwo"},          {"0000:06:00.3", "1", "/dev/kwo"}};
    int slot = 0;
    for (xell_t *ioc = xell_ioc_get_list(); ioc != nullptr; ioc = ioc->next, slot++) {
        ASSERT_LT(slot, 6);
        EXPECT_STREQ(ioc->ioc_hwpath, expected[slot][0]);
        EXPECT_EQ(ioc->instance, std::atoi(expected[slot][1]));
        EXPECT_STREQ(ioc->devpath, expected[slot][2]);
        EXPECT_EQ(ioc->id, slot);
    }
    EXPECT_EQ(slot, 6);
    EXPECT_EQ(xell_ioc_get_num(), 6);
    // A second scan starts from nothing.
    ASSERT_EQ(xell_adapter_scan(), 2);
    EXPECT_EQ(xell_ioc_get_num(), 6);
}

TEST_F(EmulatedKernel, InjectedFaultsReachTheLibrary)
{
    add_fault({"0000:05:00.1", sim_fault_kind::transport_errno, XEL_CMD_IOC_GET_STATS, EIO, 1});
    add_fault({"0000:05:00.1", sim_fault_kind::status, XEL_CMD_IOC_RESET_STATS, XEL_STATUS_DEVBUSY, -1});
    add_fault({"0000:05:00.0", sim_fault_kind::never_state, 0, 0, -1});
    ASSERT_EQ(xell_adapter_scan(), 2);
    xell_t *first = xell_adapter_get_first_ioc(xell_adapter_get_by_idx(1));
    xell_t *second = xell_port_get_ioc(xell_adapter_get_port(xell_adapter_get_by_idx(1), 1), 0);
    ASSERT_NE(second, nullptr);

    xel_ioctl_ioc_stats_t stats{};
    EXPECT_EQ(xell_ioctl(second, XEL_CMD_IOC_GET_STATS, &stats, 0, 0, sizeof stats), XEL_STATUS_EIO);
    EXPECT_EQ(xell_ioctl(second, XEL_CMD_IOC_GET_STATS, &stats, 0, 0, sizeof stats), XEL_STATUS_OK); // once
    EXPECT_EQ(xell_ioc_reset_stats(second), XEL_STATUS_DEVBUSY);
    EXPECT_EQ(xell_ioc_reset_stats(second), XEL_STATUS_DEVBUSY);

    EXPECT_EQ(xell_ioc_disable(first), XEL_STATUS_FAILED); // never reaches disabled
    EXPECT_EQ(xell_ioc_disable(second), XEL_STATUS_OK);
    EXPECT_EQ(xell_ioc_disable(second), XEL_STATUS_IOC_DISABLED);
    EXPECT_EQ(xell_ioc_enable(second), XEL_STATUS_OK);
}

TEST_F(EmulatedKernel, UnloadedDriverMeansNoDriver)
{
    std::string error;
    sim_topology topology;
    ASSERT_TRUE(sim_preset_topology("default", &topology));
    topology.kwo_loaded = false;
    for (sim_adapter &adapter : topology.adapters)
        std::erase_if(adapter.functions, [](const sim_function &fn) { return !fn.storage(); });
    ASSERT_TRUE(sim_create_host_from(root.path(), topology, &error)) << error;
    xell_set_last_error(XEL_STATUS_OK);
    EXPECT_EQ(xell_adapter_scan(), 2); // the storage functions are still found
    EXPECT_EQ(xell_get_last_error(), XEL_STATUS_NO_DRIVER);
    EXPECT_EQ(xell_ioc_get_num(), 4);
    xell_set_last_error(XEL_STATUS_OK);
}

// Firmware statistics travel behind their request record on both paths;
// the network driver fills them through the record's buffer pointer.
TEST_F(EmulatedKernel, FirmwareStatisticsOnBothPaths)
{
    ASSERT_EQ(xell_adapter_scan(), 2);
    xell_port_t *port = xell_adapter_get_port(xell_adapter_get_by_idx(2), 0);
    for (int position = 0; position < 2; position++) {
        xell_t *ioc = xell_port_get_ioc(port, position);
        ASSERT_EQ(xell_ioc_disable(ioc), XEL_STATUS_OK);
        ASSERT_EQ(xell_ioc_enable(ioc), XEL_STATUS_OK);
        const xell_stats_t *desc = nullptr;
        xel_fw_stats_t stats{};
        ASSERT_EQ(xell_ioc_get_fwstats(ioc, &desc, &stats), XEL_STATUS_OK) << position;
        EXPECT_EQ(desc, &xell_xel_fw_stats);
        const auto *bytes = reinterpret_cast<const uint8_t *>(&stats);
        EXPECT_NE(std::count(bytes, bytes + sizeof stats, 0), static_cast<long>(sizeof stats)) << position;
    }
}
