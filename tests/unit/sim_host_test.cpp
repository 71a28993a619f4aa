// The emulated host as the emulated kernel drives it: driver requests with
// real records, faults, the request log, debugfs, and many requesters at once.
#include "sim_host.h"
#include "sim_state.h"
#include "sim_topology.h"
#include "temp_root.h"
#include "xel_ioctl.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>
#include <thread>

namespace {

class SimHostTest : public ::testing::Test {
protected:
    void SetUp() override { create("default"); }

    void create(const std::string &preset)
    {
        std::string error;
        ASSERT_TRUE(sim_create_host(root.path(), preset, &error)) << error;
    }

    template <typename T>
    static std::span<uint8_t> bytes(T &record)
    {
        return {reinterpret_cast<uint8_t *>(&record), sizeof record};
    }
    // A request to xel through the BSG node of a SCSI host. The default
    // host numbers its SCSI hosts from 2 in instance order.
    template <typename T>
    int xel(int scsi_host, uint32_t cmd, T &record)
    {
        auto instance = static_cast<uint16_t>(scsi_host - 2);
        std::memcpy(bytes(record).data() + offsetof(xel_ioctl_hdr_t, xeld_num), &instance, sizeof instance);
        return host.driver_request({"xel", scsi_host, cmd, bytes(record)});
    }
    // A request on /dev/kwo, its code carrying the group byte 0x44.
    template <typename T>
    int kwo(uint32_t cmd, T &record)
    {
        return host.driver_request({"kwo", -1, xel_cmd_for_kwo(cmd), bytes(record)});
    }

    xel_ioc_attr_t attr_of(int scsi_host)
    {
        xel_ioctl_ioc_attr_t record{};
        EXPECT_EQ(xel(scsi_host, XEL_CMD_IOC_GET_ATTR, record), 0);
        EXPECT_EQ(record.status, 0);
        return record.ioc_attr;
    }
    int32_t header_request(int scsi_host, uint32_t cmd)
    {
        xel_ioctl_gen_t record{};
        EXPECT_EQ(xel(scsi_host, cmd, record), 0);
        return record.status;
    }

    void add_fault(const sim_fault &fault)
    {
        sim_store(root.path()).transact([&](sim_store::session &s) {
            s.state.faults.push_back(fault);
            s.changed = true;
        });
    }
    std::vector<std::string> log_lines()
    {
        std::string text;
        EXPECT_EQ(sim_store(root.path()).read_log(&text), 0);
        std::vector<std::string> lines;
        std::istringstream in(text);
        for (std::string line; std::getline(in, line);)
            lines.push_back(line);
        return lines;
    }

    TempRoot root;
    SimHost host{root.path()};
};

TEST_F(SimHostTest, InformationIdentifiesEveryFunction)
{
    struct expected {
        const char *driver;
        int target; // xel: SCSI host; kwo: instance
        const char *pci;
        uint32_t ioc_type;
        const char *identity;
    };
    const expected cases[] = {
        {"xel", 2, "0000:05:00.0", XEL_IOC_TYPE_FC, "10:00:00:7a:3c:05:10:00"},
        {"xel", 5, "0000:06:00.1", XEL_IOC_TYPE_FCoE, "10:00:00:7a:3c:06:20:01"},
        {"kwo", 1, "0000:06:00.3", XEL_IOC_TYPE_LL, "00:7a:3c:06:22:01"},
    };
    for (const auto &c : cases) {
        xel_ioctl_ioc_info_t info{};
        auto instance = static_cast<uint16_t>(std::string(c.driver) == "kwo" ? c.target : c.target - 2);
        info.xeld_num = instance;
        int err = std::string(c.driver) == "kwo" ? kwo(XEL_CMD_IOC_GET_INFO, info)
                                                 : xel(c.target, XEL_CMD_IOC_GET_INFO, info);
        ASSERT_EQ(err, 0) << c.pci;
        EXPECT_EQ(info.status, 0);
        EXPECT_STREQ(info.hwpath, c.pci);
        EXPECT_EQ(std::string(info.adapter_hwpath), std::string(c.pci).substr(0, 11) + "0");
        EXPECT_EQ(info.ioc_type, c.ioc_type);
        std::string identity = c.ioc_type == XEL_IOC_TYPE_LL ? sim_mac_text(info.mac) : sim_wwn_text(info.pwwn);
        EXPECT_EQ(identity, c.identity);
        EXPECT_EQ(info.xeld_num, instance); // the caller's header stays
        if (c.ioc_type == XEL_IOC_TYPE_LL) {
            EXPECT_STREQ(info.eth_name, "eth3");
            EXPECT_EQ(info.pwwn, 0u);
        } else {
            EXPECT_EQ(info.host, static_cast<uint32_t>(c.target));
        }
    }
}

TEST_F(SimHostTest, AttributesDescribeTheAdapterAndThePort)
{
    xel_ioc_attr_t hba = attr_of(3);
    EXPECT_EQ(hba.state, XEL_IOC_OPERATIONAL);
    EXPECT_STREQ(hba.adapter_attr.serial_num, "TSF16050001");
    EXPECT_STREQ(hba.adapter_attr.model, "XF1602");
    EXPECT_EQ(hba.adapter_attr.nports, 2);
    EXPECT_EQ(hba.adapter_attr.max_speed, 16);
    EXPECT_EQ(hba.pci_attr.vendor_id, 0x7a3c);
    EXPECT_EQ(hba.pci_attr.pcifn, 1u);
    EXPECT_EQ(hba.port_id, 1u);
    EXPECT_EQ(hba.cap_bm, XEL_CAP_STORAGE);
    EXPECT_STREQ(hba.driver_attr.driver, "xel");
    EXPECT_EQ(hba.adapter_attr.vpd.data[0], 0x82); // a PCI VPD image
    EXPECT_EQ(hba.adapter_attr.vpd.vendor, 0x08);

    xel_ioctl_ioc_attr_t record{};
    ASSERT_EQ(kwo(XEL_CMD_IOC_GET_ATTR, record), 0);
    EXPECT_EQ(record.ioc_attr.pci_attr.device_id, 0x22);
    EXPECT_EQ(record.ioc_attr.ioc_type, XEL_IOC_TYPE_LL);
    EXPECT_EQ(record.ioc_attr.port_mode, 2u);
    EXPECT_TRUE(record.ioc_attr.adapter_attr.cna_capable);
    EXPECT_STREQ(record.ioc_attr.driver_attr.driver, "kwo");
}

TEST_F(SimHostTest, EnableAndDisableMoveTheStateForEveryProcess)
{
    EXPECT_EQ(header_request(2, XEL_CMD_IOC_ENABLE), XEL_STATUS_IOC_ENABLED);
    EXPECT_EQ(header_request(2, XEL_CMD_IOC_DISABLE), XEL_STATUS_OK);
    EXPECT_EQ(header_request(2, XEL_CMD_IOC_DISABLE), XEL_STATUS_IOC_DISABLED);
    SimHost other(root.path());
    xel_ioctl_ioc_attr_t record{};
    ASSERT_EQ(other.driver_request({"xel", 2, XEL_CMD_IOC_GET_ATTR, bytes(record)}), 0);
    EXPECT_EQ(record.ioc_attr.state, XEL_IOC_DISABLED); // a disabled IOC still answers
    EXPECT_EQ(attr_of(3).state, XEL_IOC_OPERATIONAL);   // its sibling is untouched
    EXPECT_EQ(header_request(2, XEL_CMD_IOC_ENABLE), XEL_STATUS_OK);
    EXPECT_EQ(attr_of(2).state, XEL_IOC_OPERATIONAL);
}

TEST_F(SimHostTest, ANeverStateFaultLeavesTheIocInTransit)
{
    add_fault({"0000:05:00.0", sim_fault_kind::never_state, 0, 0, 2});
    EXPECT_EQ(header_request(2, XEL_CMD_IOC_DISABLE), XEL_STATUS_OK);
    EXPECT_EQ(attr_of(2).state, XEL_IOC_DISABLING);
    EXPECT_EQ(header_request(2, XEL_CMD_IOC_ENABLE), XEL_STATUS_OK);
    EXPECT_EQ(attr_of(2).state, XEL_IOC_ENABLING);
    // Both uses are gone: the next request gets there.
    EXPECT_EQ(header_request(2, XEL_CMD_IOC_ENABLE), XEL_STATUS_OK);
    EXPECT_EQ(attr_of(2).state, XEL_IOC_OPERATIONAL);
}

TEST_F(SimHostTest, StatusAndErrnoFaultsAreUsedUp)
{
    add_fault({"0000:06:00.2", sim_fault_kind::transport_errno, XEL_CMD_IOC_GET_INFO, EIO, 2});
    add_fault({"0000:05:00.1", sim_fault_kind::status, XEL_CMD_IOC_DISABLE, 56, -1});
    xel_ioctl_ioc_info_t info{};
    info.status = 77; // untouched by a request that is not delivered
    EXPECT_EQ(kwo(XEL_CMD_IOC_GET_INFO, info), EIO);
    EXPECT_EQ(info.status, 77);
    EXPECT_EQ(kwo(XEL_CMD_IOC_GET_INFO, info), EIO);
    EXPECT_EQ(kwo(XEL_CMD_IOC_GET_INFO, info), 0);
    EXPECT_EQ(info.status, 0);
    for (int i = 0; i < 3; i++)
        EXPECT_EQ(header_request(3, XEL_CMD_IOC_DISABLE), 56);
    EXPECT_EQ(attr_of(3).state, XEL_IOC_OPERATIONAL);
    EXPECT_EQ(header_request(4, XEL_CMD_IOC_DISABLE), XEL_STATUS_OK); // other functions are not hit
}

TEST_F(SimHostTest, AFaultAfterNLetsTheRequestsItMeetsFirstPass)
{
    // Each fault counts only the requests that reach it: the second one
    // sees the first read, which the first fault lets pass, and takes the
    // second; the first fault then takes the third.
    add_fault({"0000:05:00.0", sim_fault_kind::status, XEL_CMD_IOC_GET_ATTR, 56, 1, 2});
    add_fault({"0000:05:00.0", sim_fault_kind::status, XEL_CMD_IOC_GET_ATTR, 57, 1, 1});
    std::vector<int32_t> statuses;
    for (int i = 0; i < 4; i++) {
        xel_ioctl_ioc_attr_t record{};
        EXPECT_EQ(xel(2, XEL_CMD_IOC_GET_ATTR, record), 0);
        statuses.push_back(record.status);
    }
    EXPECT_EQ(statuses, (std::vector<int32_t>{0, 57, 56, 0}));
    EXPECT_EQ(attr_of(3).state, XEL_IOC_OPERATIONAL); // another function's reads are not counted
}

TEST_F(SimHostTest, RequestsTheModelCannotTake)
{
    xel_ioctl_gen_t small{};
    EXPECT_EQ(xel(2, xel_cmd(0x43, 200, 8), small), 0);
    EXPECT_EQ(small.status, XEL_STATUS_CMD_NOTSUPP);
    EXPECT_EQ(xel(9, XEL_CMD_IOC_ENABLE, small), ENODEV);
    EXPECT_EQ(xel(2, XEL_CMD_IOC_GET_ATTR, small), EINVAL); // shorter than its record
    EXPECT_EQ(host.driver_request({"kwo", -1, XEL_CMD_IOC_ENABLE, bytes(small)}), ENOTTY); // group 0x43 on kwo
    small.xeld_num = 2;
    EXPECT_EQ(kwo(XEL_CMD_IOC_ENABLE, small), ENODEV);
    xel_ioctl_buf_t no_room{};
    no_room.bufsz = XEL_FW_STATS_SIZE;
    EXPECT_EQ(xel(2, XEL_CMD_IOC_GET_FWSTATS, no_room), EFAULT);

    TempRoot elsewhere;
    SimHost nothing(elsewhere.path());
    EXPECT_EQ(nothing.driver_request({"xel", 2, XEL_CMD_IOC_ENABLE, bytes(small)}), ENODEV);
}

TEST_F(SimHostTest, NamesBelongToTheIocAndToTheAdapter)
{
    xel_ioctl_ioc_name_t name{};
    std::strcpy(name.name, "fabricA");
    ASSERT_EQ(xel(4, XEL_CMD_IOC_SET_NAME, name), 0);
    std::strcpy(name.name, "rack7");
    name.xeld_num = 0;
    ASSERT_EQ(kwo(XEL_CMD_ADAPTER_SET_NAME, name), 0);
    xel_ioctl_ioc_info_t info{};
    ASSERT_EQ(xel(4, XEL_CMD_IOC_GET_INFO, info), 0);
    EXPECT_STREQ(info.port_name, "fabricA");
    EXPECT_STREQ(info.name, "rack7"); // named through a network function of the same adapter
    ASSERT_EQ(xel(2, XEL_CMD_IOC_GET_INFO, info), 0);
    EXPECT_STREQ(info.name, "");
    EXPECT_STREQ(info.port_name, "");
}

TEST_F(SimHostTest, StatisticsReadAndReset)
{
    xel_ioctl_ioc_stats_t stats{};
    ASSERT_EQ(xel(2, XEL_CMD_IOC_GET_STATS, stats), 0);
    EXPECT_EQ(stats.stats.drv_stats.enable_replies, 1u);
    EXPECT_EQ(stats.stats.fw_stats.enable_requests, 1u);
    EXPECT_EQ(header_request(2, XEL_CMD_IOC_RESET_STATS), 0);
    ASSERT_EQ(xel(2, XEL_CMD_IOC_GET_STATS, stats), 0);
    EXPECT_EQ(stats.stats.drv_stats.mailbox_interrupts, 0u);
    EXPECT_EQ(stats.stats.fw_stats.enable_requests, 0u);

    // The firmware statistics arrive behind their request record.
    struct {
        xel_ioctl_buf_t record;
        xel_fw_stats_t stats;
    } fw{};
    static_assert(sizeof fw == XEL_FW_STATS_XFER);
    fw.record.bufsz = XEL_FW_STATS_SIZE;
    ASSERT_EQ(xel(3, XEL_CMD_IOC_GET_FWSTATS, fw), 0);
    EXPECT_EQ(fw.record.status, 0);
    EXPECT_EQ(fw.stats.ioc_stats.get_attr_requests, 1u);
    EXPECT_EQ(header_request(3, XEL_CMD_IOC_RESET_FWSTATS), 0);
    ASSERT_EQ(xel(3, XEL_CMD_IOC_GET_FWSTATS, fw), 0);
    EXPECT_EQ(fw.stats.ioc_stats.get_attr_requests, 0u);

    // The firmware of a disabled IOC does not answer.
    ASSERT_EQ(header_request(3, XEL_CMD_IOC_DISABLE), 0);
    ASSERT_EQ(xel(3, XEL_CMD_IOC_GET_FWSTATS, fw), 0);
    EXPECT_EQ(fw.record.status, XEL_STATUS_IOC_NON_OP);
}

TEST_F(SimHostTest, VersionAndInterruptSettings)
{
    xel_ioctl_ver_t ver{};
    ASSERT_EQ(kwo(XEL_CMD_IOC_COMPARE_VERSIONS, ver), 0); // no instance: any network function answers
    EXPECT_EQ(ver.status, 0);
    EXPECT_EQ(ver.version, XEL_DRV_VERSION);

    xel_ioctl_iocfc_intr_t intr{};
    intr.coalesce = 0;
    intr.latency = 50;
    intr.delay = 400;
    ASSERT_EQ(xel(5, XEL_CMD_IOCFC_INTR_SET, intr), 0);
    EXPECT_EQ(intr.status, 0);
    xel_ioctl_iocfc_attr_t attr{};
    ASSERT_EQ(xel(5, XEL_CMD_IOCFC_GET_ATTR, attr), 0);
    EXPECT_EQ(attr.attr.coalesce, 0);
    EXPECT_EQ(attr.attr.latency, 50);
    EXPECT_EQ(attr.attr.delay, 400);
    ASSERT_EQ(xel(4, XEL_CMD_IOCFC_GET_ATTR, attr), 0);
    EXPECT_EQ(attr.attr.coalesce, 1); // per function
}

TEST_F(SimHostTest, FlashPartitionsFitTheAdapter)
{
    auto partitions = [&](int scsi_host) {
        xel_ioctl_flash_attr_t record{};
        EXPECT_EQ(xel(scsi_host, XEL_CMD_FLASH_GET_ATTR, record), 0);
        std::vector<uint32_t> types;
        for (uint32_t i = 0; i < record.attr.npart; i++) {
            types.push_back(record.attr.part[i].part_type);
            if (i) {
                EXPECT_GE(record.attr.part[i].part_off,
                          record.attr.part[i - 1].part_off + record.attr.part[i - 1].part_size);
            }
        }
        return types;
    };
    auto hba = partitions(2);
    auto cna = partitions(4);
    EXPECT_EQ(std::count(hba.begin(), hba.end(), 3u), 2); // firmware tunables per port
    EXPECT_EQ(std::count(hba.begin(), hba.end(), 6u), 0); // no ASIC block but on device 0x22
    EXPECT_EQ(std::count(cna.begin(), cna.end(), 6u), 1);
    EXPECT_EQ(std::count(cna.begin(), cna.end(), 8u), 1); // network boot ROM
}

TEST_F(SimHostTest, TheLogNamesEveryRequest)
{
    add_fault({"0000:06:00.3", sim_fault_kind::transport_errno, XEL_CMD_IOC_ENABLE, ENXIO, 1});
    xel_ioctl_gen_t record{};
    record.xeld_num = 1;
    kwo(XEL_CMD_IOC_ENABLE, record);
    kwo(XEL_CMD_IOC_ENABLE, record);
    header_request(2, xel_cmd(0x43, 200, 8));
    xel(8, XEL_CMD_IOC_ENABLE, record);
    record.xeld_num = 1; // not the instance of host 2's function
    host.driver_request({"xel", 2, XEL_CMD_IOC_ENABLE, bytes(record)});
    EXPECT_EQ(log_lines(), (std::vector<std::string>{
                               "kwo 1   0xC0084403 errno ENXIO  0000:06:00.3",
                               "kwo 1   0xC0084403 status 59    0000:06:00.3",
                               "xel 0   0xC00843C8 status 26    0000:05:00.0",
                               "xel 6   0xC0084303 errno ENODEV -",
                               "xel 1   0xC0084303 errno ENODEV 0000:05:00.0",
                           }));
}

TEST_F(SimHostTest, DebugfsTracesAndRegisters)
{
    std::string trace, again;
    ASSERT_TRUE(host.debugfs_trace("xel", "0000:05:00.1", "drvtrc", &trace));
    EXPECT_EQ(trace.substr(0, trace.find('\n')), "xel drvtrc 0000:05:00.1");
    EXPECT_NE(trace.find("host3"), std::string::npos);
    ASSERT_TRUE(host.debugfs_trace("xel", "0000:05:00.1", "drvtrc", &again));
    EXPECT_EQ(trace, again);
    EXPECT_TRUE(host.debugfs_trace("kwo", "0000:06:00.2", "fwsave", &trace));
    EXPECT_FALSE(host.debugfs_trace("kwo", "0000:05:00.0", "fwtrc", &trace)); // xel's function
    EXPECT_FALSE(host.debugfs_trace("xel", "0000:05:00.0", "regrd", &trace));

    std::string words;
    ASSERT_TRUE(host.register_read("xel", "0000:05:00.0", 0, 2, &words));
    ASSERT_EQ(words.size(), 8u);
    uint32_t ids;
    std::memcpy(&ids, words.data(), 4);
    EXPECT_EQ(ids, 0x00217a3cu);
    ASSERT_TRUE(host.register_write("xel", "0000:05:00.0", 0x30118, 0x180));
    ASSERT_TRUE(host.register_read("xel", "0000:05:00.0", 0x30118, 1, &words));
    uint32_t value;
    std::memcpy(&value, words.data(), 4);
    EXPECT_EQ(value, 0x180u);
    ASSERT_TRUE(host.register_read("xel", "0000:05:00.1", 0x30118, 1, &words));
    std::memcpy(&value, words.data(), 4);
    EXPECT_NE(value, 0x180u); // each function has its own registers
    EXPECT_FALSE(host.register_read("xel", "0000:05:00.0", 2, 1, &words));          // unaligned
    EXPECT_FALSE(host.register_read("xel", "0000:05:00.0", 0x7fffc, 2, &words));    // past the end
    EXPECT_FALSE(host.register_write("kwo", "0000:05:00.0", 0, 1));
}

// Toggles an IOC many times; returns how many toggles took effect.
int toggle(SimHost &host, int scsi_host, int times)
{
    int took = 0;
    for (int i = 0; i < times; i++) {
        xel_ioctl_gen_t record{};
        uint32_t cmd = i % 2 ? XEL_CMD_IOC_ENABLE : XEL_CMD_IOC_DISABLE;
        int err = host.driver_request({"xel", scsi_host, cmd, {reinterpret_cast<uint8_t *>(&record), sizeof record}});
        took += err == 0 && record.status == 0;
    }
    return took;
}

TEST_F(SimHostTest, ThreadsAndProcessesLoseNoUpdate)
{
    constexpr int per_worker = 40;
    int pipe_fds[2];
    ASSERT_EQ(::pipe(pipe_fds), 0);
    pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        SimHost mine(root.path());
        int took = toggle(mine, 2, per_worker);
        ssize_t n = ::write(pipe_fds[1], &took, sizeof took);
        ::_exit(n == sizeof took ? 0 : 1);
    }
    int took[3] = {};
    std::thread a([&] { took[0] = toggle(host, 2, per_worker); });
    std::thread b([&] {
        SimHost second(root.path());
        took[1] = toggle(second, 2, per_worker);
    });
    a.join();
    b.join();
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_EQ(status, 0);
    ASSERT_EQ(::read(pipe_fds[0], &took[2], sizeof took[2]), static_cast<ssize_t>(sizeof took[2]));
    ::close(pipe_fds[0]);
    ::close(pipe_fds[1]);

    xel_ioctl_ioc_stats_t stats{};
    ASSERT_EQ(xel(2, XEL_CMD_IOC_GET_STATS, stats), 0);
    const auto &drv = stats.stats.drv_stats;
    EXPECT_EQ(drv.enable_requests + drv.disable_requests - 1, static_cast<uint32_t>(took[0] + took[1] + took[2]));
    EXPECT_EQ(log_lines().size(), static_cast<size_t>(3 * per_worker + 1));
}

} // namespace
