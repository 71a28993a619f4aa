#include "bsg_reply.h"
#include "sim_rooted_sys.h"
#include "temp_root.h"
#include "xel_bsg.h"
#include "xell.h"
#include "xell_transport.h"

#include <fcntl.h>
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace {

// Records what reaches the kernel: the nodes opened, the requests made and
// their envelopes, and answers with a chosen errno or, for a storage
// request, with a reply that reshape may change.
class RecordingSys : public RootedSys {
public:
    using RootedSys::RootedSys;

    struct request {
        int fd;
        unsigned long code;
        std::vector<uint8_t> payload; // the record as the kernel received it
        struct sg_io_v4 header {};
        xel_fc_bsg_vendor_request_t vendor{};
    };
    std::vector<std::string> opened;
    std::vector<request> requests;
    int open_fds = 0;
    int fail_with = 0;
    std::function<void(struct sg_io_v4 &, xel_fc_bsg_reply_t &)> reshape;

    int open(const char *path, int flags, mode_t mode) override
    {
        int fd = RootedSys::open(path, flags, mode);
        if (fd >= 0) {
            opened.push_back(path);
            open_fds++;
        }
        return fd;
    }
    int close(int fd) override
    {
        open_fds--;
        return RootedSys::close(fd);
    }
    int ioctl(int fd, unsigned long code, void *arg) override
    {
        request r{fd, code, {}, {}, {}};
        if (code == XEL_SG_IO) {
            std::memcpy(&r.header, arg, sizeof r.header);
            std::memcpy(&r.vendor, reinterpret_cast<void *>(static_cast<uintptr_t>(r.header.request)), sizeof r.vendor);
            auto *data = reinterpret_cast<uint8_t *>(static_cast<uintptr_t>(r.header.dout_xferp));
            r.payload.assign(data, data + r.header.dout_xfer_len);
            std::memset(data, 0, 4); // the driver's answer: status 0
            answer(static_cast<struct sg_io_v4 *>(arg));
        } else {
            auto *data = static_cast<uint8_t *>(arg);
            r.payload.assign(data, data + xel_cmd_size(static_cast<uint32_t>(code)));
        }
        requests.push_back(r);
        if (fail_with != 0) {
            errno = fail_with;
            return -1;
        }
        return 0;
    }

private:
    void answer(struct sg_io_v4 *header)
    {
        bsg_reply_delivered(header);
        if (!reshape)
            return;
        auto *reply = reinterpret_cast<xel_fc_bsg_reply_t *>(static_cast<uintptr_t>(header->response));
        reshape(*header, *reply);
    }
};

class TransportTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        root.touch("/dev/bsg/fc_host7");
        root.touch("/dev/kwo");
        xell_os_install(&sys);
        storage.ioc_type = XEL_IOC_TYPE_FC;
        storage.instance = 3;
        std::strcpy(storage.devpath, "/dev/bsg/fc_host7");
        network.ioc_type = XEL_IOC_TYPE_LL;
        network.instance = 1;
        network.fd = sys.open("/dev/kwo", O_RDWR, 0);
    }
    void TearDown() override
    {
        sys.close(network.fd);
        xell_os_install(nullptr);
    }

    TempRoot root;
    RecordingSys sys{root.path()};
    xell_t storage;
    xell_t network;
};

} // namespace

TEST_F(TransportTest, StorageRequestIsAnFcVendorRequestOnItsOwnNode)
{
    xel_ioctl_ioc_attr_t record{};
    record.xeld_num = 3;
    ASSERT_EQ(xell_ioctl(&storage, XEL_CMD_IOC_GET_ATTR, &record, 0, 0, sizeof record), XEL_STATUS_OK);

    ASSERT_EQ(sys.requests.size(), 1u);
    const auto &r = sys.requests[0];
    EXPECT_EQ(r.code, XEL_SG_IO);
    EXPECT_EQ(r.header.guard, 'Q');
    EXPECT_EQ(r.header.protocol, 0u);
    EXPECT_EQ(r.header.subprotocol, 2u);
    EXPECT_EQ(r.header.request_len, 28u);
    EXPECT_EQ(r.header.dout_xfer_len, sizeof record);
    EXPECT_EQ(r.header.din_xfer_len, sizeof record);
    EXPECT_EQ(r.header.dout_xferp, r.header.din_xferp);
    EXPECT_NE(r.header.response, 0u);
    EXPECT_EQ(r.header.max_response_len, sizeof(xel_fc_bsg_reply_t));
    EXPECT_EQ(r.header.timeout, 60000u);
    // Copies: the packed block's fields cannot be bound to references.
    uint32_t msgcode = r.vendor.msgcode;
    uint64_t vendor_id = r.vendor.vendor_id;
    uint32_t vendor_cmd = r.vendor.vendor_cmd[0];
    EXPECT_EQ(msgcode, 0x800000FFu);
    EXPECT_EQ(vendor_id, 0x7a3cu);
    EXPECT_EQ(vendor_cmd, 0xC6504306u); // group byte unchanged
    EXPECT_EQ(r.payload[4], 3);                     // instance in the record

    // The node is opened for the request and closed again.
    EXPECT_EQ(sys.opened.back(), "/dev/bsg/fc_host7");
    EXPECT_EQ(sys.open_fds, 1); // only the test's /dev/kwo stays open
}

TEST_F(TransportTest, SizeZeroTransfersTheWholeRequestBuffer)
{
    xell_args_t request{};
    ASSERT_EQ(xell_ioctl(&storage, XEL_CMD_IOC_GET_INFO, &request, 0, 0, 0), XEL_STATUS_OK);
    EXPECT_EQ(sys.requests.back().header.dout_xfer_len, 4112u);
    EXPECT_EQ(sys.requests.back().header.din_xfer_len, 4112u);
}

TEST_F(TransportTest, NetworkRequestCarriesGroupByte44OnTheSharedDescriptor)
{
    xel_ioctl_gen_t record{};
    ASSERT_EQ(xell_ioctl(&network, 0xC0084331, &record, 0, 0, sizeof record), XEL_STATUS_OK);
    ASSERT_EQ(sys.requests.size(), 1u);
    EXPECT_EQ(sys.requests[0].fd, network.fd);
    EXPECT_EQ(sys.requests[0].code, 0xC0084431u);
}

TEST_F(TransportTest, MissingNodeMeansNoDriver)
{
    std::strcpy(storage.devpath, "/dev/bsg/fc_host9");
    xell_set_last_error(XEL_STATUS_OK);
    xel_ioctl_gen_t record{};
    EXPECT_EQ(xell_ioctl(&storage, XEL_CMD_IOC_ENABLE, &record, 0, 0, sizeof record), XEL_STATUS_NO_DRIVER);
    EXPECT_EQ(xell_get_last_error(), XEL_STATUS_NO_DRIVER);
    EXPECT_TRUE(sys.requests.empty());
    xell_set_last_error(XEL_STATUS_OK);
}

TEST_F(TransportTest, FailedRequestsMapErrno)
{
    struct {
        int err;
        xel_status_t status;
    } const cases[] = {
        {ENOMEM, XEL_STATUS_ENOMEM}, {EINTR, XEL_STATUS_EINTR},   {EIO, XEL_STATUS_EIO},
        {ENXIO, XEL_STATUS_ENXIO},   {EBADF, XEL_STATUS_EBADF},   {ENODEV, XEL_STATUS_NODEV},
        {EINVAL, XEL_STATUS_EINVAL}, {ENOTTY, XEL_STATUS_ENOTTY}, {EOPNOTSUPP, XEL_STATUS_CMD_NOTSUPP},
        {EPERM, XEL_STATUS_INSUFFICIENT_PERMS}, {EACCES, XEL_STATUS_INSUFFICIENT_PERMS},
        {EAGAIN, XEL_STATUS_FAILED}, {EBADR, XEL_STATUS_FAILED},
    };
    for (const auto &c : cases) {
        sys.fail_with = c.err;
        xel_ioctl_gen_t record{};
        EXPECT_EQ(xell_ioctl(&storage, XEL_CMD_IOC_ENABLE, &record, 0, 0, sizeof record), c.status) << c.err;
        EXPECT_EQ(xell_ioctl(&network, XEL_CMD_IOC_ENABLE, &record, 0, 0, sizeof record), c.status) << c.err;
    }
}

TEST_F(TransportTest, TraceIsReadFromDebugfsWithoutADriverRequest)
{
    std::strcpy(storage.ioc_hwpath, "0000:05:00.1");
    std::string trace = "fw trace bytes";
    root.mkdir("/sys/kernel/debug/xel/pci_dev:0000:05:00.1");
    {
        std::FILE *f = std::fopen((root.path() + "/sys/kernel/debug/xel/pci_dev:0000:05:00.1/fwtrc").c_str(), "w");
        std::fputs(trace.c_str(), f);
        std::fclose(f);
    }
    std::vector<uint8_t> buf(XEL_DEBUG_TRACE_SIZE, 0xee);
    xel_ioctl_debug_t record{};
    record.bufsz = XEL_DEBUG_TRACE_SIZE;
    record.buf_ptr = reinterpret_cast<uintptr_t>(buf.data());
    ASSERT_EQ(xell_ioctl(&storage, XEL_CMD_DEBUG_FW_TRACE, &record, 0, 0, sizeof record), XEL_STATUS_OK);
    EXPECT_EQ(record.status, XEL_STATUS_OK);
    EXPECT_EQ(record.bufsz, trace.size());
    EXPECT_EQ(std::string(buf.begin(), buf.begin() + trace.size()), trace);
    EXPECT_TRUE(sys.requests.empty());

    // No such file: the record says so.
    record.status = 0;
    ASSERT_EQ(xell_ioctl(&storage, XEL_CMD_DEBUG_FW_STATE, &record, 0, 0, sizeof record), XEL_STATUS_OK);
    EXPECT_EQ(record.status, XEL_STATUS_EFOPEN);
}

// The kernel delivered the request, but its reply says the driver never
// answered the record: that must not read as the record's status 0.
TEST_F(TransportTest, ADeliveredReplyThatFailedIsAnIoError)
{
    using H = struct sg_io_v4;
    using R = xel_fc_bsg_reply_t;
    // An error result as bsg-lib passes it on: its bytes in the header too.
    auto ended_with = [](int32_t result) {
        return [result](H &h, R &r) {
            r.result = result;
            h.device_status = static_cast<uint32_t>(result) & 0xff;
            h.transport_status = (static_cast<uint32_t>(result) >> 16) & 0xff;
            h.info = XEL_SG_INFO_CHECK;
        };
    };
    struct {
        const char *what;
        std::function<void(H &, R &)> reshape;
        xel_status_t status;
    } const cases[] = {
        {"answered", [](H &, R &) {}, XEL_STATUS_OK},
        {"host byte (an error in the transport)", ended_with(0x70000), XEL_STATUS_EIO},
        {"status byte (a check condition)", ended_with(0x02), XEL_STATUS_EIO},
        {"check flag alone", [](H &h, R &) { h.info = XEL_SG_INFO_CHECK; }, XEL_STATUS_EIO},
        {"nothing came back",
         [](H &h, R &r) {
             r.reply_payload_rcv_len = 0;
             h.din_resid = static_cast<int32_t>(h.din_xfer_len);
         },
         XEL_STATUS_EIO},
        {"no reply block", [](H &h, R &) { h.response_len = 0; }, XEL_STATUS_EIO},
    };
    for (const auto &c : cases) {
        sys.reshape = c.reshape;
        xel_ioctl_gen_t record{};
        EXPECT_EQ(xell_ioctl(&storage, XEL_CMD_IOC_ENABLE, &record, 0, 0, sizeof record), c.status) << c.what;
    }
}
