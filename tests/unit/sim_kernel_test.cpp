#include "emulated_host.h"
#include "sim_bsg.h"
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

    // What an IOC information request for instance 0 on host 2's node
    // came back with: the errno, the header and the reply block.
    struct outcome {
        int err = 0;
        struct sg_io_v4 header {};
        xel_fc_bsg_reply_t reply{};
    };
    // Sends the request as the library builds it; change mutates the
    // envelope before it is sent.
    outcome send_info_request(const std::function<void(struct sg_io_v4 &, xel_fc_bsg_vendor_request_t &)> &change)
    {
        xell_args_t record{};
        xel_fc_bsg_vendor_request_t request{};
        request.msgcode = FC_BSG_HST_VENDOR;
        request.vendor_id = XEL_PCI_VENDOR_ID;
        request.vendor_cmd[0] = XEL_CMD_IOC_GET_INFO;
        outcome out;
        out.reply.result = 1234; // unwritten
        struct sg_io_v4 &header = out.header;
        header.guard = 'Q';
        header.subprotocol = XEL_BSG_SUB_PROTOCOL_SCSI_TRANSPORT;
        header.request_len = sizeof request;
        header.request = reinterpret_cast<uintptr_t>(&request);
        header.response = reinterpret_cast<uintptr_t>(&out.reply);
        header.max_response_len = sizeof out.reply;
        header.dout_xferp = header.din_xferp = reinterpret_cast<uintptr_t>(&record);
        header.dout_xfer_len = header.din_xfer_len = sizeof record;
        change(header, request);
        int fd = kernel->open("/dev/bsg/fc_host2", O_RDWR | O_NONBLOCK, 0);
        EXPECT_GE(fd, 0);
        errno = 0;
        int rc = kernel->ioctl(fd, XEL_SG_IO, &header);
        out.err = rc < 0 ? errno : 0;
        kernel->close(fd);
        if (out.err == 0) {
            EXPECT_EQ(std::string(record.ioc_info.hwpath), "0000:05:00.0");
        }
        return out;
    }
};

} // namespace

// The block layer, the FC transport and the storage driver in turn. A
// request refused before it became a job leaves the reply block alone; a
// job refused or failed comes back as its negative result alone.
TEST_F(EmulatedKernel, AnswersTheStorageEnvelopeAsTheKernelDoes)
{
    using H = struct sg_io_v4;
    using R = xel_fc_bsg_vendor_request_t;
    constexpr int32_t unwritten = 1234;
    struct {
        const char *what;
        std::function<void(H &, R &)> change;
        int err;
        int32_t result; // in the reply block
    } const cases[] = {
        {"well formed", [](H &, R &) {}, 0, 0},
        // bsg-lib
        {"guard", [](H &h, R &) { h.guard = 'S'; }, EINVAL, unwritten},
        {"protocol", [](H &h, R &) { h.protocol = 1; }, EINVAL, unwritten},
        {"subprotocol", [](H &h, R &) { h.subprotocol = 0; }, EINVAL, unwritten},
        {"data out above the queue's maximum", [](H &h, R &) { h.dout_xfer_len = sim_bsg_max_transfer + 1; }, EINVAL,
         unwritten},
        {"data in above the queue's maximum", [](H &h, R &) { h.din_xfer_len = sim_bsg_max_transfer + 1; }, EINVAL,
         unwritten},
        // the FC transport
        {"no message code", [](H &h, R &) { h.request_len = 3; }, ENOMSG, -ENOMSG},
        {"vendor id cut short", [](H &h, R &) { h.request_len = 11; }, ENOMSG, -ENOMSG},
        {"unknown message code", [](H &, R &r) { r.msgcode = 0x800000F0; }, EBADR, -EBADR},
        {"remote port ELS on a host", [](H &, R &r) { r.msgcode = FC_BSG_RPT_ELS; }, EBADR, -EBADR},
        {"remote port CT on a host", [](H &, R &r) { r.msgcode = FC_BSG_RPT_CT; }, EBADR, -EBADR},
        {"other vendor", [](H &, R &r) { r.vendor_id = 0x1657; }, ESRCH, -ESRCH},
        {"host ELS without frames both ways",
         [](H &h, R &r) {
             r.msgcode = FC_BSG_HST_ELS_NOLOGIN;
             h.din_xfer_len = 0;
         },
         EINVAL, -EINVAL},
        // the storage driver
        // (a vendor request block carries no frame record for an ELS or CT)
        {"host ELS without its frame record", [](H &, R &r) { r.msgcode = FC_BSG_HST_ELS_NOLOGIN; }, EINVAL, -EINVAL},
        {"host CT without its frame record", [](H &, R &r) { r.msgcode = FC_BSG_HST_CT; }, EINVAL, -EINVAL},
        {"add rport", [](H &, R &r) { r.msgcode = FC_BSG_HST_ADD_RPORT; }, EOPNOTSUPP, -EOPNOTSUPP},
        {"no command word", [](H &h, R &) { h.request_len = 12; }, EINVAL, -EINVAL},
        {"data out below the code's size", [](H &h, R &) { h.dout_xfer_len = 512; }, EINVAL, -EINVAL},
    };
    for (const auto &c : cases) {
        outcome out = send_info_request(c.change);
        EXPECT_EQ(out.err, c.err) << c.what;
        EXPECT_EQ(out.reply.result, c.result) << c.what;
    }
}

TEST_F(EmulatedKernel, TheReplyTellsWhatCameBack)
{
    outcome whole = send_info_request([](struct sg_io_v4 &, xel_fc_bsg_vendor_request_t &) {});
    ASSERT_EQ(whole.err, 0);
    EXPECT_EQ(whole.header.response_len, sizeof(xel_fc_bsg_reply_t));
    EXPECT_EQ(whole.reply.reply_payload_rcv_len, sizeof(xell_args_t));
    EXPECT_EQ(whole.header.din_resid, 0);
    EXPECT_EQ(whole.header.dout_resid, 0);
    EXPECT_EQ(whole.header.device_status | whole.header.transport_status | whole.header.driver_status, 0u);
    EXPECT_EQ(whole.header.info, 0u);

    // The driver answers the record it was sent; the rest of a longer data
    // in stays behind as residue.
    outcome longer = send_info_request([](struct sg_io_v4 &h, xel_fc_bsg_vendor_request_t &) { h.dout_xfer_len = 528; });
    ASSERT_EQ(longer.err, 0);
    EXPECT_EQ(longer.reply.reply_payload_rcv_len, 528u);
    EXPECT_EQ(longer.header.din_resid, static_cast<int32_t>(sizeof(xell_args_t) - 528));

    // A refused job answers its result alone.
    outcome refused = send_info_request([](struct sg_io_v4 &, xel_fc_bsg_vendor_request_t &r) { r.vendor_id = 1; });
    EXPECT_EQ(refused.header.response_len, 0u); // the header is left as it was sent
    EXPECT_EQ(refused.reply.reply_payload_rcv_len, 0u);
}

// A job the driver completes with an error result is delivered: the call
// succeeds and the header says what went wrong. Without CAP_SYS_RAWIO
// nothing is delivered.
TEST(SimBsg, AnErrorResultIsDeliveredWithTheCheckFlag)
{
    uint8_t record[64] = {};
    xel_fc_bsg_vendor_request_t request{FC_BSG_HST_VENDOR, XEL_PCI_VENDOR_ID, {XEL_CMD_IOC_ENABLE, 0, 0, 0}};
    xel_fc_bsg_reply_t reply{};
    struct sg_io_v4 header {};
    header.guard = 'Q';
    header.subprotocol = XEL_BSG_SUB_PROTOCOL_SCSI_TRANSPORT;
    header.request_len = sizeof request;
    header.request = reinterpret_cast<uintptr_t>(&request);
    header.response = reinterpret_cast<uintptr_t>(&reply);
    header.max_response_len = sizeof reply;
    header.dout_xferp = header.din_xferp = reinterpret_cast<uintptr_t>(record);
    header.dout_xfer_len = header.din_xfer_len = sizeof record;
    auto failing_driver = [](sim_bsg_job &job) {
        job.result = (0x07 << 16) | 0x02; // an error in the transport, a check condition
        job.reply_payload_rcv_len = 8;
        return 0;
    };

    struct sg_io_v4 sent = header;
    EXPECT_EQ(sim_bsg_sg_io(sim_bsg_node::fc_host, false, &sent, failing_driver), -1);
    EXPECT_EQ(errno, EPERM);

    ASSERT_EQ(sim_bsg_sg_io(sim_bsg_node::fc_host, true, &header, failing_driver), 0);
    EXPECT_EQ(header.device_status, 0x02u);
    EXPECT_EQ(header.transport_status, 0x07u);
    EXPECT_EQ(header.driver_status, 0u);
    EXPECT_EQ(header.info, XEL_SG_INFO_CHECK);
    EXPECT_EQ(header.din_resid, static_cast<int32_t>(sizeof record - 8));
    EXPECT_EQ(reply.result, (0x07 << 16) | 0x02);
    EXPECT_EQ(reply.reply_payload_rcv_len, 8u);
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
    stats.xeld_num = static_cast<uint16_t>(second->instance);
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

// What a caller without root's privileges meets: an ordinary account is
// refused root's device nodes, debugfs and writes to the host's files;
// root without capabilities opens them all but may not send requests.
TEST_F(EmulatedKernel, AnUnprivilegedCallerMeetsTheHostsPermissions)
{
    TempRoot home;
    std::string own_file = home.path() + "/mine";
    auto open_close = [&](const char *path, int flags) {
        int fd = kernel->open(path, flags, 0644);
        int err = fd < 0 ? errno : 0;
        if (fd >= 0)
            kernel->close(fd);
        return err;
    };
    std::vector<std::string> names;
    struct stat st {};
    struct {
        const char *what;
        std::function<int()> run;
        int user, nocaps;
    } const cases[] = {
        {"open a BSG node", [&] { return open_close("/dev/bsg/fc_host2", O_RDWR | O_NONBLOCK); }, EACCES, 0},
        {"open /dev/kwo", [&] { return open_close("/dev/kwo", O_RDWR); }, EACCES, 0},
        {"look at a node", [&] { return kernel->stat("/dev/kwo", &st) < 0 ? errno : 0; }, 0, 0},
        {"list /dev/bsg", [&] { return kernel->list_dir("/dev/bsg", &names) < 0 ? errno : 0; }, 0, 0},
        {"read sysfs", [&] { return open_close("/sys/bus/pci/drivers/xel/0000:05:00.0/vendor", O_RDONLY); }, 0, 0},
        {"write sysfs", [&] { return open_close("/sys/class/fc_host/host2/vport_create", O_WRONLY); }, EACCES, 0},
        {"list debugfs", [&] { return kernel->list_dir("/sys/kernel/debug", &names) < 0 ? errno : 0; }, EACCES, 0},
        {"look into debugfs", [&] { return kernel->stat("/sys/kernel/debug/xel", &st) < 0 ? errno : 0; }, EACCES, 0},
        {"create the configuration", [&] { return open_close("/etc/xel.conf", O_RDWR | O_CREAT); }, EACCES, 0},
        {"replace it", [&] { return kernel->rename("/etc/xel.conf.tmp", "/etc/xel.conf") < 0 ? errno : 0; }, EACCES,
         ENOENT},
        {"write firmware", [&] { return open_close("/lib/firmware/fw.bin", O_WRONLY | O_CREAT); }, EACCES, 0},
        {"write one's own file", [&] { return open_close(own_file.c_str(), O_WRONLY | O_CREAT); }, 0, 0},
    };
    for (sim_caller caller : {sim_caller::user, sim_caller::nocaps}) {
        kernel->set_caller(caller);
        for (const auto &c : cases)
            EXPECT_EQ(c.run(), caller == sim_caller::user ? c.user : c.nocaps) << c.what << " as " << sim_caller_name(caller);
    }

    // The requests themselves need capabilities.
    EXPECT_EQ(send_info_request([](struct sg_io_v4 &, xel_fc_bsg_vendor_request_t &) {}).err, EPERM);
    int fd = kernel->open("/dev/kwo", O_RDWR, 0);
    xel_ioctl_ioc_attr_t record{};
    EXPECT_EQ(kernel->ioctl(fd, xel_cmd_for_kwo(XEL_CMD_IOC_GET_ATTR), &record), -1);
    EXPECT_EQ(errno, EPERM);
    kernel->close(fd);
    ASSERT_EQ(xell_adapter_scan(), 0);
    EXPECT_EQ(xell_get_last_error(), XEL_STATUS_INSUFFICIENT_PERMS);
    xell_set_last_error(XEL_STATUS_OK);
}

// The library numbers storage functions as the driver does, by position
// among the bound ones in PCI order, so every record names its node's
// instance; a function not bound to a SCSI host takes no number.
TEST_F(EmulatedKernel, StorageInstancesAgreeWithTheDriver)
{
    const char topology_text[] = R"({"adapters": [
        {"functions": [{"pci": "0000:05:00.0", "type": "fc", "port": 0, "bound": false},
                       {"pci": "0000:05:00.1", "type": "fc", "port": 1}]},
        {"functions": [{"pci": "0000:07:00.0", "type": "fc", "port": 0}]}]})";
    sim_topology topology;
    std::string error;
    ASSERT_TRUE(sim_parse_topology(topology_text, &topology, &error)) << error;
    ASSERT_TRUE(sim_create_host_from(root.path(), topology, &error)) << error;
    ASSERT_EQ(xell_adapter_scan(), 2);
    const char *expected[] = {"0000:05:00.1", "0000:07:00.0"};
    int instance = 0;
    for (xell_t *ioc = xell_ioc_get_list(); ioc != nullptr; ioc = ioc->next, instance++) {
        ASSERT_LT(instance, 2);
        EXPECT_EQ(ioc->instance, instance);
        xel_ioc_attr_t attr{};
        EXPECT_EQ(xell_ioc_get_attr(ioc, &attr), XEL_STATUS_OK) << expected[instance];
        EXPECT_STREQ(ioc->ioc_hwpath, expected[instance]);
    }
    EXPECT_EQ(instance, 2);
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
