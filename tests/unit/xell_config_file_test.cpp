// The file itself: the lock protocol, the atomic write-back and its
// failures, concurrent processes, and what survives write-backs.

#include "config_fixture.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <string_view>

namespace {

const std::string one_fc = "xel0-port-wwn = \"20:00:00:00:00:00:00:01\";\n";

// Records the waits of the lock; optionally releases a lock held by the
// test at a given wait.
class WaitingSys : public RootedSys {
public:
    using RootedSys::RootedSys;
    void sleep_ms(unsigned ms) override
    {
        waits.push_back(ms);
        if (static_cast<int>(waits.size()) == release_at)
            ::flock(held_fd, LOCK_UN);
    }
    std::vector<unsigned> waits;
    int release_at = -1;
    int held_fd = -1;
};

// Fails (or dies in) one step of writing the new file.
class FaultSys : public RootedSys {
public:
    enum class Fault { open, write, fsync, close, rename, kill };
    FaultSys(std::string root, Fault fault) : RootedSys(std::move(root)), fault_(fault) {}

    int open(const char *path, int flags, mode_t mode) override
    {
        bool tmp = std::string_view(path).ends_with(".tmp") && (flags & O_CREAT);
        if (tmp && fault_ == Fault::open) {
            errno = EACCES;
            return -1;
        }
        int fd = RootedSys::open(path, flags, mode);
        if (tmp)
            tmp_fd_ = fd;
        return fd;
    }
    ssize_t write(int fd, const void *buf, size_t count) override
    {
        if (fd == tmp_fd_ && (fault_ == Fault::write || fault_ == Fault::kill)) {
            // Half the text reaches the file, then the disk is full or the
            // process is killed.
            RootedSys::write(fd, buf, count / 2);
            if (fault_ == Fault::kill)
                ::raise(SIGKILL);
            errno = ENOSPC;
            return -1;
        }
        return RootedSys::write(fd, buf, count);
    }
    int fsync(int fd) override
    {
        if (fd == tmp_fd_ && fault_ == Fault::fsync) {
            errno = EIO;
            return -1;
        }
        return RootedSys::fsync(fd);
    }
    int close(int fd) override
    {
        int rc = RootedSys::close(fd);
        if (fd == tmp_fd_ && fault_ == Fault::close) {
            errno = EIO;
            return -1;
        }
        return rc;
    }
    int rename(const char *from, const char *to) override
    {
        if (fault_ == Fault::rename) {
            errno = EXDEV;
            return -1;
        }
        return RootedSys::rename(from, to);
    }

private:
    Fault fault_;
    int tmp_fd_ = -1;
};

// Another process's write-back replaces the file between our open and our lock.
class ReplacingSys : public RootedSys {
public:
    ReplacingSys(std::string root, std::string replacement)
        : RootedSys(std::move(root)), replacement_(std::move(replacement))
    {
    }
    int flock(int fd, int operation) override
    {
        if ((operation & LOCK_EX) && !replaced_) {
            replaced_ = true;
            std::string conf = host_path("/etc/xel.conf");
            std::ofstream(conf + ".other") << replacement_;
            ::rename((conf + ".other").c_str(), conf.c_str());
        }
        return RootedSys::flock(fd, operation);
    }

private:
    std::string replacement_;
    bool replaced_ = false;
};

TEST_F(ConfigTest, OneLoadAtATimeInAProcess)
{
    write_file(one_fc);
    EXPECT_EQ(sync(), XEL_STATUS_FAILED); // nothing loaded: the file must not be clobbered
    EXPECT_EQ(read_file(), one_fc);
    ASSERT_EQ(load(), XEL_STATUS_OK);
    EXPECT_EQ(load(), XEL_STATUS_FAILED);
    EXPECT_EQ(xell_config_ioc_get_num(), 1);
    xell_config_unload();
    EXPECT_EQ(load(), XEL_STATUS_OK);
}

TEST_F(ConfigTest, ALockHeldElsewhereIsAwaitedThenGivenUp)
{
    write_file(one_fc);
    int held = ::open(conf_path().c_str(), O_RDWR);
    ASSERT_EQ(::flock(held, LOCK_EX), 0);

    auto sys = std::make_unique<WaitingSys>(root_);
    WaitingSys *waiting = sys.get();
    install(std::move(sys));
    EXPECT_EQ(load(), XEL_STATUS_EFOPEN);
    EXPECT_EQ(waiting->waits, std::vector<unsigned>(59, 1000)); // 60 attempts one second apart
    EXPECT_FALSE(xell_config_is_loaded());

    waiting->waits.clear();
    waiting->held_fd = held;
    waiting->release_at = 3;
    EXPECT_EQ(load(), XEL_STATUS_OK);
    EXPECT_EQ(waiting->waits.size(), 3U);
    ::close(held);
}

TEST_F(ConfigTest, ALockOnAReplacedFileIsTakenAgainOnTheNewOne)
{
    write_file(one_fc);
    install(std::make_unique<ReplacingSys>(root_, "xel5-port-speed = 8;\n"));
    ASSERT_EQ(load(), XEL_STATUS_OK);
    EXPECT_EQ(xell_config_ioc_get(5)->speed, 8);
    EXPECT_EQ(xell_config_ioc_get_num(), 0);
}

TEST_F(ConfigTest, AMissingFileIsCreatedEmptyWithMode0644)
{
    mode_t old = ::umask(077);
    EXPECT_EQ(load(), XEL_STATUS_OK);
    ::umask(old);
    EXPECT_EQ(xell_config_ioc_get_num(), 0);
    EXPECT_EQ(file_stat().st_mode & 07777, 0644U);
    EXPECT_EQ(read_file(), "");
}

TEST_F(ConfigTest, WriteBackKeepsModeAndSymbolicLink)
{
    // A name beside the configuration, which the emulated host owns too.
    std::string real = root_ + "/etc/xel.conf.real";
    std::ofstream(real) << one_fc;
    ::chmod(real.c_str(), 0600);
    ASSERT_EQ(::symlink("xel.conf.real", conf_path().c_str()), 0);

    ASSERT_EQ(load(), XEL_STATUS_OK);
    xell_t fc = fc_ioc(1);
    xell_config_speed(&fc, 8);
    ASSERT_EQ(sync(), XEL_STATUS_OK);

    struct stat st = {};
    ASSERT_EQ(::lstat(conf_path().c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));
    EXPECT_EQ(file_stat().st_mode & 07777, 0600U);
    EXPECT_EQ(body_lines(read_file()), (std::vector<std::string>{one_fc.substr(0, one_fc.size() - 1),
                                                                 "xel0-port-speed = 8;"}));
}

TEST_F(ConfigTest, AFailedWriteBackLeavesThePreviousFile)
{
    using Fault = FaultSys::Fault;
    for (Fault fault : {Fault::open, Fault::write, Fault::fsync, Fault::close, Fault::rename}) {
        SCOPED_TRACE(static_cast<int>(fault));
        write_file(one_fc);
        install(std::make_unique<FaultSys>(root_, fault));
        ASSERT_EQ(load(), XEL_STATUS_OK);
        xell_t fc = fc_ioc(1);
        xell_config_speed(&fc, 8);
        EXPECT_EQ(sync(), XEL_STATUS_EFOPEN);
        EXPECT_EQ(read_file(), one_fc);
        EXPECT_FALSE(std::filesystem::exists(conf_path() + ".tmp"));
        EXPECT_FALSE(xell_config_is_loaded());
    }
}

TEST_F(ConfigTest, AWriterKilledMidWriteLeavesThePreviousFile)
{
    write_file(one_fc);
    pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        FaultSys dying(root_, FaultSys::Fault::kill);
        xell_os_install(&dying);
        xell_t fc = fc_ioc(1);
        if (xell_config_load(xell_get_cfg_path()) == XEL_STATUS_OK) {
            xell_config_speed(&fc, 8);
            xell_config_sync(xell_get_cfg_path());
        }
        ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(pid, &status, 0), pid);
    ASSERT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(read_file(), one_fc);

    // The dead writer's lock went with it; its temporary file is replaced.
    ASSERT_EQ(load(), XEL_STATUS_OK);
    xell_t fc = fc_ioc(1);
    xell_config_speed(&fc, 16);
    ASSERT_EQ(sync(), XEL_STATUS_OK);
    EXPECT_EQ(body_lines(read_file()).back(), "xel0-port-speed = 16;");
    EXPECT_FALSE(std::filesystem::exists(conf_path() + ".tmp"));
}

TEST_F(ConfigTest, ConcurrentProcessesLoseNoUpdate)
{
    constexpr int procs = 4, rounds = 25;
    ASSERT_EQ(load(), XEL_STATUS_OK);
    for (uint8_t p = 0; p < procs; p++)
        xell_config_ioc_add(test_wwn(p));
    ASSERT_EQ(sync(), XEL_STATUS_OK);
    sys_->set_time_scale(0.01);

    auto vport_wwn = [](int p, int r) {
        uint8_t b[8] = {0x21, 0, 0, 0, 0, 0, static_cast<uint8_t>(p), static_cast<uint8_t>(r)};
        wwn_t w;
        std::memcpy(&w, b, sizeof w);
        return w;
    };
    std::vector<pid_t> children;
    for (int p = 0; p < procs; p++) {
        pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            xell_t fc = fc_ioc(static_cast<uint8_t>(p));
            for (int r = 0; r < rounds; r++) {
                xel_status_t st;
                while ((st = xell_config_load(xell_get_cfg_path())) == XEL_STATUS_EFOPEN) {
                }
                xell_config_fcpim(&fc, static_cast<uint16_t>(r + 1));
                xell_config_vport_add(&fc, 0, vport_wwn(p, r), 0, "v", 1);
                if (st != XEL_STATUS_OK || xell_config_sync(xell_get_cfg_path()) != XEL_STATUS_OK)
                    ::_exit(1);
            }
            ::_exit(0);
        }
        children.push_back(pid);
    }
    for (pid_t pid : children) {
        int status = 0;
        ASSERT_EQ(::waitpid(pid, &status, 0), pid);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }

    ASSERT_EQ(load(), XEL_STATUS_OK);
    for (int p = 0; p < procs; p++) {
        const xell_ioc_config_t *rec = xell_config_ioc_get(p);
        EXPECT_EQ(rec->pathtov, rounds);
        ASSERT_EQ(rec->vport.size(), static_cast<size_t>(rounds));
        for (int r = 0; r < rounds; r++)
            EXPECT_EQ(xell_wwn_convert(rec->vport[static_cast<size_t>(r)].pwwn), vport_wwn(p, r));
    }
}

TEST_F(ConfigTest, CarriedLinesSurviveEveryWriteBack)
{
    const std::vector<std::string> carried = {"num-ios = 512", "rport-del-timeout = 90;", "power = on",
                                              "adapter-SN1-power = \"save1\";", "kwo0-port-mtu = 9000;"};
    std::string text = one_fc;
    for (const std::string &line : carried)
        text += line + "\n";
    write_file(text);
    xell_t fc = fc_ioc(1);
    for (int speed : {2, 4, 8}) {
        ASSERT_EQ(load(), XEL_STATUS_OK);
        EXPECT_EQ(xell_config_ioc_get(0)->mtu, 9000);
        xell_config_speed(&fc, speed);
        ASSERT_EQ(sync(), XEL_STATUS_OK);
    }
    std::vector<std::string> lines = body_lines(read_file());
    for (const std::string &line : carried)
        EXPECT_EQ(std::count(lines.begin(), lines.end(), line), 1) << line;
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "xel0-port-speed = 8;"), 1);
}

} // namespace
