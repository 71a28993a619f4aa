#include "emulated_host.h"
#include "sim_rooted_sys.h"
#include "temp_root.h"
#include "xell_discovery.h"
#include "xell_transport.h"

#include <gtest/gtest.h>
#include <sys/file.h>

#include <algorithm>
#include <iterator>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

// Plain files under a temporary root, with mount requests counted.
class FileHost : public ::testing::Test {
protected:
    class CountingSys : public RootedSys {
    public:
        using RootedSys::RootedSys;
        int mounts = 0;
        int mount(const char *, const char *target, const char *fstype, unsigned long, const void *) override
        {
            mounts += std::string(target) == "/sys/kernel/debug" && std::string(fstype) == "debugfs";
            return 0;
        }
    };

    void SetUp() override { xell_os_install(&sys); }
    void TearDown() override
    {
        xell_ioc_free();
        xell_os_install(nullptr);
    }
    void write(const std::string &relative, const std::string &text)
    {
        std::filesystem::path file = root.path() + relative;
        std::filesystem::create_directories(file.parent_path());
        std::ofstream(file) << text;
    }
    std::string read(const std::string &relative)
    {
        std::ifstream in(root.path() + relative);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    TempRoot root;
    CountingSys sys{root.path()};
};

} // namespace

TEST_F(FileHost, DebugfsIsMountedOnlyForADebugfsServiceAndOnlyWhenMissing)
{
    xell_ioc_scan(); // no driver directories: nothing found, nothing mounted
    EXPECT_EQ(sys.mounts, 0);
    root.mkdir("/sys/bus/pci/drivers/kwo/0000:06:00.0");
    xell_ioc_scan(); // a driver but no device node
    EXPECT_EQ(sys.mounts, 0);

    xell_t ioc;
    ioc.ioc_type = XEL_IOC_TYPE_FC;
    std::strcpy(ioc.ioc_hwpath, "0000:05:00.0");
    xel_ioctl_debug_t trace{};
    ASSERT_EQ(xell_ioctl(&ioc, XEL_CMD_DEBUG_FW_TRACE, &trace, 0, 0, sizeof trace), XEL_STATUS_OK);
    EXPECT_EQ(sys.mounts, 1);
    write("/proc/mounts", "sysfs /sys sysfs rw 0 0\ndebugfs /sys/kernel/debug debugfs rw 0 0\n");
    ASSERT_EQ(xell_ioctl(&ioc, XEL_CMD_DEBUG_FW_TRACE, &trace, 0, 0, sizeof trace), XEL_STATUS_OK);
    EXPECT_EQ(sys.mounts, 1);
}

TEST_F(FileHost, StorageFunctionsNeedANumberedHostEntry)
{
    root.mkdir("/sys/bus/pci/drivers/xel/0000:05:00.0/host");
    root.mkdir("/sys/bus/pci/drivers/xel/0000:05:00.0/hostx");
    root.mkdir("/sys/bus/pci/drivers/xel/0000:05:00.1/scsi_host");
    root.mkdir("/sys/bus/pci/drivers/xel/module");
    // Neither function has a usable host entry, so no request goes out and
    // nothing is found; no node is needed.
    EXPECT_EQ(xell_ioc_scan(), 0);
}

TEST_F(FileHost, OsNameOfAScsiAddress)
{
    root.mkdir("/sys/class/scsi_device/2:0:1:0/device/block:sdc");
    root.mkdir("/sys/class/scsi_device/2:0:1:1/device/block/sdd");
    root.mkdir("/sys/class/scsi_device/2:0:1:2/device/tape/st0");
    root.mkdir("/sys/class/scsi_device/2:0:1:3/device/other");
    std::filesystem::create_directories(root.path() + "/sys/class/scsi_device/2:0:1:4/device");
    std::filesystem::create_directory_symlink("../../../block/sde",
                                              root.path() + "/sys/class/scsi_device/2:0:1:4/device/block");
    struct {
        uint32_t lun;
        xel_status_t status;
        const char *node;
    } const cases[] = {{0, XEL_STATUS_OK, "/dev/sdc"}, {1, XEL_STATUS_OK, "/dev/sdd"}, {2, XEL_STATUS_OK, "/dev/st0"},
                       {3, XEL_STATUS_FAILED, ""},     {4, XEL_STATUS_OK, "/dev/sde"}, {9, XEL_STATUS_FAILED, ""}};
    for (const auto &c : cases) {
        char node[256] = {};
        char *buf = node;
        uint32_t ndev = 0;
        EXPECT_EQ(xell_get_osname(2, 0, 1, c.lun, &buf, &ndev), c.status) << c.lun;
        EXPECT_STREQ(node, c.node) << c.lun;
        EXPECT_EQ(ndev, c.status == XEL_STATUS_OK ? 1u : 0u) << c.lun;
    }
}

// Virtual ports go through the FC transport's files of the SCSI host.
TEST_F(FileHost, VirtualPortCreateFindsOnlyEntriesThatExist)
{
    xell_t ioc;
    ioc.ioc_type = XEL_IOC_TYPE_FC;
    ioc.host = 5;
    ioc.nwwn = 0x1111111111111111ULL;
    write("/sys/class/fc_host/host5/npiv_vports_inuse", "2\n");
    write("/sys/class/fc_host/host5/max_npiv_vports", "255\n");
    write("/sys/class/fc_host/host5/vport_create", "");
    write("/sys/class/fc_vports/vport-5:0-0/port_name", "0x2000000000000001\n");
    write("/sys/class/fc_vports/vport-5:0-7/port_name", "0x2000000000000002\n");
    write("/sys/class/fc_vports/vport-5:0-7/symbolic_name", "");
    write("/sys/class/fc_vports/vport-6:0-1/port_name", "0x2000000000000002\n");

    xel_ioctl_vport_create_t record{};
    const uint8_t pwwn[8] = {0x20, 0, 0, 0, 0, 0, 0, 0x02};
    std::memcpy(&record.port_cfg.pwwn, pwwn, 8);
    std::strcpy(record.port_cfg.sym_name, "vp-b");
    ASSERT_EQ(xell_ioctl(&ioc, XEL_CMD_VPORT_CREATE, &record, 0, 0, sizeof record), XEL_STATUS_OK);
    EXPECT_EQ(record.status, XEL_STATUS_OK);
    EXPECT_EQ(read("/sys/class/fc_host/host5/vport_create"), "2000000000000002:1111111111111111");
    EXPECT_EQ(read("/sys/class/fc_vports/vport-5:0-7/symbolic_name"), "vp-b");

    // No entry of this host holds the new port name.
    record.port_cfg.pwwn = 0;
    ASSERT_EQ(xell_ioctl(&ioc, XEL_CMD_VPORT_CREATE, &record, 0, 0, sizeof record), XEL_STATUS_OK);
    EXPECT_EQ(record.status, XEL_STATUS_FAILED);

    // All in use: nothing is written.
    write("/sys/class/fc_host/host5/npiv_vports_inuse", "255\n");
    write("/sys/class/fc_host/host5/vport_create", "");
    ASSERT_EQ(xell_ioctl(&ioc, XEL_CMD_VPORT_CREATE, &record, 0, 0, sizeof record), XEL_STATUS_OK);
    EXPECT_EQ(record.status, XEL_STATUS_VPORT_MAX);
    EXPECT_EQ(read("/sys/class/fc_host/host5/vport_create"), "");
}

namespace {

class ManyBuses : public EmulatedHostTest {};

} // namespace

// The system lists a driver's directory in an order of its own; IOCs,
// their driver instances and the adapter numbers follow the PCI addresses.
TEST_F(ManyBuses, FunctionsAreNumberedInPciAddressOrder)
{
    sim_topology topology;
    std::string json = R"({"adapters": [)";
    for (int bus = 0x10; bus < 0x18; bus++) {
        char adapter[200];
        std::snprintf(adapter, sizeof adapter,
                      R"(%s{"functions": [{"pci": "0000:%02x:00.0", "type": "fc", "port": 0},
                                          {"pci": "0000:%02x:00.1", "type": "eth", "port": 0}]})",
                      bus == 0x10 ? "" : ",", bus, bus);
        json += adapter;
    }
    std::string error;
    ASSERT_TRUE(sim_parse_topology(json + "]}", &topology, &error)) << error;
    ASSERT_TRUE(start(topology));
    std::vector<std::string> listed;
    ASSERT_EQ(kernel->list_dir("/sys/bus/pci/drivers/xel", &listed), 0);
    ASSERT_FALSE(std::is_sorted(listed.begin(), listed.end())) << "the emulated listing must not be sorted";

    ASSERT_EQ(xell_adapter_scan(), 8);
    int position = 0;
    for (xell_t *ioc = xell_ioc_get_list(); ioc != nullptr; ioc = ioc->next, position++) {
        bool storage = position < 8;
        int bus = 0x10 + position % 8;
        char pci[16];
        std::snprintf(pci, sizeof pci, "0000:%02x:00.%d", bus, storage ? 0 : 1);
        EXPECT_STREQ(ioc->ioc_hwpath, pci);
        EXPECT_EQ(ioc->instance, position % 8) << pci;
        EXPECT_EQ(ioc->ad_id, position % 8 + 1) << pci;
    }
}

namespace {

size_t open_descriptor_count()
{
    return static_cast<size_t>(std::distance(std::filesystem::directory_iterator("/proc/self/fd"),
                                             std::filesystem::directory_iterator()));
}

class SharedDescriptors : public EmulatedHostTest, public ::testing::WithParamInterface<const char *> {};

} // namespace

// Discovery opens /dev/kwo and /dev/xelipfc even when their driver lists
// no function; a shell runs many commands, each of which must close them.
TEST_P(SharedDescriptors, AreClosedAfterEveryCommand)
{
    ASSERT_TRUE(start(GetParam()));
    xell_adapter_scan();
    xell_adapter_free();
    size_t before = open_descriptor_count();
    for (int command = 0; command < 5; command++) {
        xell_adapter_scan();
        xell_adapter_free();
    }
    EXPECT_EQ(open_descriptor_count(), before);
}

// An HBA alone (kwo lists nothing), nothing at all, a converged adapter.
INSTANTIATE_TEST_SUITE_P(Hosts, SharedDescriptors, ::testing::Values("hba", "empty", "cna"));

namespace {

// The emulated kernel, counting the locks taken on the configuration file.
class CountingKernel : public EmulatedSys {
public:
    using EmulatedSys::EmulatedSys;
    int config_locks = 0;

    int open(const char *path, int flags, mode_t mode) override
    {
        int fd = EmulatedSys::open(path, flags, mode);
        if (fd >= 0 && std::string(path) == "/etc/xel.conf")
            config_fds.push_back(fd);
        return fd;
    }
    int close(int fd) override
    {
        std::erase(config_fds, fd);
        return EmulatedSys::close(fd);
    }
    int flock(int fd, int operation) override
    {
        if ((operation & LOCK_EX) && std::find(config_fds.begin(), config_fds.end(), fd) != config_fds.end())
            config_locks++;
        return EmulatedSys::flock(fd, operation);
    }

private:
    std::vector<int> config_fds;
};

} // namespace

// Registering a host's IOCs and adapters is one configuration cycle,
// however many there are; a second command finds them registered and
// writes nothing.
TEST(Registration, IsOneConfigurationCyclePerCommand)
{
    TempRoot root;
    std::string error;
    ASSERT_TRUE(sim_create_host(root.path(), "default", &error)) << error;
    SimHost host(root.path());
    CountingKernel kernel(host);
    xell_os_install(&kernel);
    for (int command = 0; command < 2; command++) {
        kernel.config_locks = 0;
        EXPECT_EQ(xell_adapter_scan(), 2);
        xell_adapter_free();
        EXPECT_EQ(kernel.config_locks, 1) << "command " << command;
    }
    xell_os_install(nullptr);
    std::ifstream conf(root.path() + "/etc/xel.conf");
    std::string text((std::istreambuf_iterator<char>(conf)), std::istreambuf_iterator<char>());
    EXPECT_NE(text.find("xel3-port-wwn = \"10:00:00:7a:3c:06:20:01\";"), std::string::npos);
    EXPECT_NE(text.find("kwo1-port-mac = \"00:7a:3c:06:22:01\";"), std::string::npos);
}
