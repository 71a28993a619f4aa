// The emulated root holds only the system's own paths; every other path a
// command names is the user's real file, relative or absolute.
#include "ixo_values.h"
#include "sim_rooted_sys.h"
#include "temp_root.h"
#include "xell_flash.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

TEST(RootedSysTest, OnlyTheSystemsOwnPathsMapUnderTheRoot)
{
    TempRoot root;
    RootedSys sys(root.path());
    struct {
        const char *path;
        bool host;
    } const cases[] = {
        {"/sys/bus/pci/drivers/xel", true},
        {"/sys", true},
        {"/dev/bsg/fc_host2", true},
        {"/proc/mounts", true},
        {"/lib/firmware/1-kwo_tmpfw_7a3c.bin", true},
        {"/etc/xel.conf", true},
        {"/etc/xel.conf.tmp", true},
        {"/etc/xel.conf.lock", true},
        {"/etc", true}, // the write-back syncs the configuration's directory
        {"/etc/passwd", false},
        {"/etc/xel.conf/../passwd", false},
        {"/dev/../tmp/drv.trc", false},
        {"/devices/x", false},
        {"/lib/modules", false},
        {"/tmp/drv.trc", false},
        {"/home/me/fw.pkg", false},
        {"drv.trc", false},
        {"sys/x", false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(sys.host_path(c.path), c.host ? root.path() + c.path : std::string(c.path)) << c.path;
}

// A file written, renamed, looked at and removed through the seam lands
// where the user named it, whether the name is relative or absolute.
TEST(RootedSysTest, UserFilesAreWhereTheUserNamedThem)
{
    TempRoot root;
    TempRoot home; // the user's own directory, outside the emulated root
    RootedSys sys(root.path());
    xell_os_install(&sys);
    fs::path cwd = fs::current_path();
    fs::current_path(home.path());

    std::string absolute = home.path() + "/drv.trc";
    int fd = xell_os().open(absolute.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ASSERT_GE(fd, 0);
    EXPECT_EQ(xell_os().write(fd, "trace", 5), 5);
    xell_os().close(fd);
    EXPECT_EQ(fs::file_size(absolute), 5u);
    EXPECT_TRUE(ixo_test_file_exists(absolute.c_str()));

    EXPECT_EQ(xell_os().rename(absolute.c_str(), "renamed.trc"), 0);
    EXPECT_TRUE(fs::exists(home.path() + "/renamed.trc"));
    EXPECT_TRUE(ixo_test_file_exists("renamed.trc"));
    EXPECT_FALSE(ixo_test_file_exists(absolute.c_str()));
    EXPECT_EQ(xell_os().unlink("renamed.trc"), 0);
    EXPECT_FALSE(fs::exists(home.path() + "/renamed.trc"));
    EXPECT_TRUE(fs::is_empty(root.path())); // nothing of it reached the emulated root

    // The front end's existence check sees the emulated host's files too.
    root.touch("/lib/firmware/only-here.bin");
    EXPECT_TRUE(ixo_test_file_exists("/lib/firmware/only-here.bin"));

    fs::current_path(cwd);
    xell_os_install(nullptr);
}

// A user's file is read whole, past any one read's size; one that cannot
// be opened and one that cannot be read fail apart.
TEST(RootedSysTest, AFileIsReadWholeOrFailsAtOpenOrAtRead)
{
    TempRoot dir;
    std::vector<uint8_t> image(150001);
    for (size_t i = 0; i < image.size(); i++)
        image[i] = static_cast<uint8_t>(i * 7 + i / 251);
    std::ofstream(dir.path() + "/fw.bin", std::ios::binary)
        .write(reinterpret_cast<const char *>(image.data()), static_cast<std::streamsize>(image.size()));
    dir.mkdir("/a-directory");
    struct {
        const char *name;
        xel_status_t status;
        std::vector<uint8_t> data;
    } const cases[] = {
        {"/fw.bin", XEL_STATUS_OK, image},
        {"/missing.bin", XEL_STATUS_EFOPEN, {1, 2}},
        {"/a-directory", XEL_STATUS_FAILED, {}},
    };
    for (const auto &c : cases) {
        std::vector<uint8_t> data = {1, 2};
        EXPECT_EQ(xell_file_read((dir.path() + c.name).c_str(), &data), c.status) << c.name;
        EXPECT_EQ(data, c.data) << c.name;
    }
}
