#include "bsg_reply.h"
#include "sim_rooted_sys.h"
#include "temp_root.h"
#include "xel_bsg.h"
#include "xell_ioc.h"
#include "xell_transport.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

// A storage driver whose IOC reaches the wanted state after a number of
// attribute reads (never, when negative); sleeps are recorded, not slept.
class StateDriverSys : public RootedSys {
public:
    using RootedSys::RootedSys;

    int reads_until_state = 0;
    uint32_t target_state = XEL_IOC_OPERATIONAL;
    int32_t enable_status = XEL_STATUS_OK;
    int attr_reads = 0;
    std::vector<unsigned> sleeps;

    int ioctl(int fd, unsigned long code, void *arg) override
    {
        (void)fd;
        if (code != XEL_SG_IO)
            return RootedSys::ioctl(fd, code, arg);
        auto *header = static_cast<struct sg_io_v4 *>(arg);
        xel_fc_bsg_vendor_request_t vendor;
        std::memcpy(&vendor, reinterpret_cast<void *>(static_cast<uintptr_t>(header->request)), sizeof vendor);
        void *record = reinterpret_cast<void *>(static_cast<uintptr_t>(header->din_xferp));
        if (vendor.vendor_cmd[0] == XEL_CMD_IOC_GET_ATTR) {
            auto *attr = static_cast<xel_ioctl_ioc_attr_t *>(record);
            bool reached = reads_until_state >= 0 && attr_reads >= reads_until_state;
            attr->ioc_attr.state = reached ? target_state : XEL_IOC_ENABLING;
            attr->status = XEL_STATUS_OK;
            attr_reads++;
        } else {
            static_cast<xel_ioctl_hdr_t *>(record)->status = enable_status;
        }
        bsg_reply_delivered(header);
        return 0;
    }
    void sleep_ms(unsigned ms) override { sleeps.push_back(ms); }
};

class IocStateTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        root.touch("/dev/bsg/fc_host2");
        xell_os_install(&sys);
        ioc.ioc_type = XEL_IOC_TYPE_FC;
        std::strcpy(ioc.devpath, "/dev/bsg/fc_host2");
    }
    void TearDown() override { xell_os_install(nullptr); }

    TempRoot root;
    StateDriverSys sys{root.path()};
    xell_t ioc;
};

unsigned total(const std::vector<unsigned> &sleeps)
{
    unsigned sum = 0;
    for (unsigned s : sleeps)
        sum += s;
    return sum;
}

} // namespace

TEST_F(IocStateTest, StateReachedAtOnceReturnsWithoutWaiting)
{
    EXPECT_EQ(xell_ioc_enable(&ioc), XEL_STATUS_OK);
    EXPECT_EQ(sys.attr_reads, 1);
    EXPECT_TRUE(sys.sleeps.empty());
}

TEST_F(IocStateTest, WaitsGrowTowardOneSecond)
{
    sys.reads_until_state = 5;
    EXPECT_EQ(xell_ioc_enable(&ioc), XEL_STATUS_OK);
    EXPECT_EQ(sys.attr_reads, 6);
    ASSERT_EQ(sys.sleeps.size(), 5u);
    for (size_t i = 1; i < sys.sleeps.size(); i++)
        EXPECT_LE(sys.sleeps[i - 1], sys.sleeps[i]);
    EXPECT_LT(total(sys.sleeps), 1000u);
}

TEST_F(IocStateTest, StateNeverReachedFailsAfterTwentyPolls)
{
    sys.reads_until_state = -1;
    sys.target_state = XEL_IOC_DISABLED;
    EXPECT_EQ(xell_ioc_disable(&ioc), XEL_STATUS_FAILED);
    EXPECT_EQ(sys.attr_reads, 20);
    for (unsigned s : sys.sleeps)
        EXPECT_LE(s, 1000u);
    EXPECT_EQ(sys.sleeps.back(), 1000u);
}

TEST_F(IocStateTest, DriverRefusalIsReturnedWithoutPolling)
{
    sys.enable_status = XEL_STATUS_IOC_ENABLED;
    EXPECT_EQ(xell_ioc_enable(&ioc), XEL_STATUS_IOC_ENABLED);
    EXPECT_EQ(sys.attr_reads, 0);
}

TEST(IocHandle, PciFunctionFromHardwarePath)
{
    struct {
        const char *path;
        bool found;
        int id;
    } const cases[] = {{"0000:82:00.3", true, 3}, {"0000:05:00.0", true, 0}, {"0000:05:00:1", true, 1},
                       {"noseparator", false, 7}};
    for (const auto &c : cases) {
        int id = 7;
        EXPECT_EQ(xell_get_pcifn_from_hwpath(c.path, &id), c.found) << c.path;
        EXPECT_EQ(id, c.id) << c.path;
    }
}
