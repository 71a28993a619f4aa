// The emulated root holds only the system's own paths; every other path a
// command names is the user's real file, relative or absolute.
#include "ixo_values.h"
#include "sim_rooted_sys.h"
#include "temp_root.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

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
