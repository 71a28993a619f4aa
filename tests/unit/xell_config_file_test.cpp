// The file itself: the lock protocol, the atomic write-back and its
// failures, concurrent processes, and what survives write-backs.

#include "config_fixture.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <numeric>
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

// Fails, or dies in, the n-th call of a write-back once armed: a write
// that dies puts half its bytes down first.
class StepSys : public RootedSys {
public:
    enum class Fault { fail, kill };
    StepSys(std::string root, Fault fault, int step, int err = EIO)
        : RootedSys(std::move(root)), fault_(fault), step_(step), err_(err)
    {
    }
    bool armed = false;
    int calls = 0;

    int open(const char *path, int flags, mode_t mode) override
    {
        return hit() ? -1 : RootedSys::open(path, flags, mode);
    }
    ssize_t write(int fd, const void *buf, size_t count) override
    {
        if (armed && calls + 1 == step_ && fault_ == Fault::kill)
            RootedSys::write(fd, buf, count / 2);
        return hit() ? -1 : RootedSys::write(fd, buf, count);
    }
    off_t lseek(int fd, off_t offset, int whence) override
    {
        return hit() ? -1 : RootedSys::lseek(fd, offset, whence);
    }
    int fsync(int fd) override { return hit() ? -1 : RootedSys::fsync(fd); }
    int close(int fd) override
    {
        if (hit()) {
            RootedSys::close(fd);
            return -1;
        }
        return RootedSys::close(fd);
    }
    int ftruncate(int fd, off_t length) override { return hit() ? -1 : RootedSys::ftruncate(fd, length); }
    int fallocate(int fd, off_t offset, off_t length) override
    {
        return hit() ? -1 : RootedSys::fallocate(fd, offset, length);
    }
    int unlink(const char *path) override { return hit() ? -1 : RootedSys::unlink(path); }

private:
    bool hit()
    {
        if (!armed || ++calls != step_)
            return false;
        if (fault_ == Fault::kill)
            ::raise(SIGKILL);
        errno = err_;
        return true;
    }
    Fault fault_;
    int step_;
    int err_;
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

TEST_F(ConfigTest, ACommandWaitsSixtySecondsForTheLockInAllAndSaysSo)
{
    write_file(one_fc);
    int held = ::open(conf_path().c_str(), O_RDWR);
    ASSERT_EQ(::flock(held, LOCK_EX), 0);
    auto sum = [](const std::vector<unsigned> &waits) {
        return std::accumulate(waits.begin(), waits.end(), 0U);
    };

    auto sys = std::make_unique<WaitingSys>(root_);
    WaitingSys *waiting = sys.get();
    install(std::move(sys));
    testing::internal::CaptureStderr();
    EXPECT_EQ(load(), XEL_STATUS_EFOPEN);
    EXPECT_EQ(sum(waiting->waits), 60000U);
    EXPECT_LE(*std::max_element(waiting->waits.begin(), waiting->waits.end()), 1000U);
    EXPECT_LT(waiting->waits.front(), 100U); // a lock released soon is taken soon
    // A second load of the same command does not wait again.
    waiting->waits.clear();
    EXPECT_EQ(load(), XEL_STATUS_EFOPEN);
    EXPECT_TRUE(waiting->waits.empty());
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Waiting for the lock on /etc/xel.conf, which another process holds\n"
              "Gave up waiting for the lock on /etc/xel.conf: another process has held it for 60 seconds\n");
    EXPECT_FALSE(xell_config_is_loaded());

    // The next command waits afresh; a lock released within the first
    // second is taken without a word.
    xell_config_command_begin();
    waiting->held_fd = held;
    waiting->release_at = 3;
    testing::internal::CaptureStderr();
    EXPECT_EQ(load(), XEL_STATUS_OK);
    EXPECT_EQ(waiting->waits.size(), 3U);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
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

// The change every write-back test makes: record 0 (WWN ...:01) to speed 8.
void change_speed()
{
    xell_t fc = fc_ioc(1);
    xell_config_speed(&fc, 8);
}

TEST_F(ConfigTest, WriteBackKeepsTheFileItsOwnerModeAndLinks)
{
    struct Layout {
        const char *name;
        std::vector<std::pair<std::string, std::string>> links; // link, target
        std::string file;                                       // the file the links lead to
    };
    std::string etc = root_ + "/etc/";
    const std::vector<Layout> layouts = {
        {"plain", {}, "xel.conf"},
        {"relative", {{"xel.conf", "xel.conf.real"}}, "xel.conf.real"},
        {"absolute", {{"xel.conf", etc + "xel.conf.real"}}, "xel.conf.real"},
        {"chained", {{"xel.conf", "xel.conf.l2"}, {"xel.conf.l2", etc + "xel.conf.real"}}, "xel.conf.real"},
    };
    for (const Layout &layout : layouts) {
        SCOPED_TRACE(layout.name);
        std::filesystem::remove_all(etc);
        std::filesystem::create_directory(etc);
        std::string file = etc + layout.file;
        std::ofstream(file) << one_fc;
        ASSERT_EQ(::chmod(file.c_str(), 0640), 0);
        ASSERT_EQ(::chown(file.c_str(), 1234, 5678), 0);
        ASSERT_EQ(::link(file.c_str(), (root_ + "/hard").c_str()), 0);
        for (const auto &[link, target] : layout.links)
            ASSERT_EQ(::symlink(target.c_str(), (etc + link).c_str()), 0);
        struct stat before = {};
        ASSERT_EQ(::stat(file.c_str(), &before), 0);

        ASSERT_EQ(load(), XEL_STATUS_OK);
        change_speed();
        ASSERT_EQ(sync(), XEL_STATUS_OK);

        struct stat after = {};
        ASSERT_EQ(::stat(file.c_str(), &after), 0);
        EXPECT_EQ(after.st_ino, before.st_ino);
        EXPECT_EQ(after.st_uid, 1234U);
        EXPECT_EQ(after.st_gid, 5678U);
        EXPECT_EQ(after.st_mode & 07777, 0640U);
        EXPECT_EQ(after.st_nlink, 2U);
        for (const auto &[link, target] : layout.links) {
            char buf[4096] = {};
            EXPECT_EQ(std::string(buf, static_cast<size_t>(::readlink((etc + link).c_str(), buf, sizeof buf))), target);
        }
        EXPECT_EQ(body_lines(read_file()).back(), "xel0-port-speed = 8;");
        auto entries = std::distance(std::filesystem::directory_iterator(etc), std::filesystem::directory_iterator());
        EXPECT_EQ(entries, static_cast<std::ptrdiff_t>(layout.links.size() + 1)); // nothing left beside
        std::filesystem::remove(root_ + "/hard");
    }
}

TEST_F(ConfigTest, ADanglingLinkGetsItsTargetCreated)
{
    ASSERT_EQ(::symlink("xel.conf.real", conf_path().c_str()), 0);
    ASSERT_EQ(load(), XEL_STATUS_OK);
    xell_config_ioc_add(test_wwn(1));
    ASSERT_EQ(sync(), XEL_STATUS_OK);
    struct stat st = {};
    ASSERT_EQ(::lstat(conf_path().c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));
    ASSERT_EQ(::stat((root_ + "/etc/xel.conf.real").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0644U);
    EXPECT_EQ(body_lines(read_file()), std::vector<std::string>{one_fc.substr(0, one_fc.size() - 1)});
}

TEST_F(ConfigTest, AFailedStepOfTheWriteBackLeavesTheOldFileAndNothingBeside)
{
    write_file(one_fc);
    ASSERT_EQ(load(), XEL_STATUS_OK);
    change_speed();
    const std::string after = xell_config_text();
    xell_config_unload();

    for (int step = 1;; step++) {
        SCOPED_TRACE(step);
        write_file(one_fc);
        auto sys = std::make_unique<StepSys>(root_, StepSys::Fault::fail, step, step % 2 ? EIO : ENOSPC);
        StepSys *faulty = sys.get();
        install(std::move(sys));
        ASSERT_EQ(load(), XEL_STATUS_OK);
        change_speed();
        faulty->armed = true;
        xel_status_t status = sync();
        faulty->armed = false;
        if (faulty->calls < step) {
            EXPECT_EQ(status, XEL_STATUS_OK);
            EXPECT_EQ(read_file(), after);
            EXPECT_GT(step, 5);
            break;
        }
        // A write-back either failed with the old bytes in place, or had
        // already put the new text down whole when a later step failed.
        EXPECT_EQ(read_file(), status == XEL_STATUS_OK ? after : one_fc);
        EXPECT_FALSE(xell_config_is_loaded());
        ASSERT_EQ(load(), XEL_STATUS_OK);
        xell_config_unload();
        EXPECT_EQ(read_file(), status == XEL_STATUS_OK ? after : one_fc);
        EXPECT_FALSE(std::filesystem::exists(conf_path() + ".journal"));
    }
}

TEST_F(ConfigTest, AWriterKilledAtAnyStepLeavesTheOldOrTheNewTextWhole)
{
    write_file(one_fc);
    ASSERT_EQ(load(), XEL_STATUS_OK);
    change_speed();
    const std::string after = xell_config_text();
    xell_config_unload();

    for (int step = 1;; step++) {
        SCOPED_TRACE(step);
        write_file(one_fc);
        pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            StepSys dying(root_, StepSys::Fault::kill, step);
            xell_os_install(&dying);
            if (xell_config_load(xell_get_cfg_path()) == XEL_STATUS_OK) {
                change_speed();
                dying.armed = true;
                xell_config_sync(xell_get_cfg_path());
            }
            ::_exit(0);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(pid, &status, 0), pid);
        if (WIFEXITED(status)) {
            EXPECT_EQ(read_file(), after);
            EXPECT_GT(step, 5);
            break;
        }
        // The next load sees one text or the other, whole, and leaves
        // nothing beside the file.
        ASSERT_EQ(load(), XEL_STATUS_OK);
        std::string seen = xell_config_text();
        xell_config_unload();
        std::string file = read_file();
        EXPECT_TRUE(file == one_fc || file == after) << file;
        EXPECT_EQ(body_lines(seen).size(), body_lines(file).size());
        EXPECT_FALSE(std::filesystem::exists(conf_path() + ".journal"));
    }
}

TEST_F(ConfigTest, ALoadRemovesATemporaryFileAndAnIncompleteJournal)
{
    write_file(one_fc);
    std::ofstream(conf_path() + ".tmp") << "xel0-port-speed = 4;\n";
    std::ofstream(conf_path() + ".journal") << "xel0-port-speed = 4;\n#xel.conf journal: 00000";
    ASSERT_EQ(load(), XEL_STATUS_OK);
    EXPECT_EQ(xell_config_ioc_get(0)->speed, 0);
    xell_config_unload();
    EXPECT_EQ(read_file(), one_fc);
    EXPECT_FALSE(std::filesystem::exists(conf_path() + ".tmp"));
    EXPECT_FALSE(std::filesystem::exists(conf_path() + ".journal"));
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

namespace {

TEST_F(ConfigTest, AHandWrittenFileStaysByteForByteUntilAChangeThatKeepsItsNotes)
{
    const std::string hand = "# lab HBAs, see ticket 42\r\n\r\n"
                             "xel0-port-wwn = \"20:00:00:00:00:00:00:01\"\r\n"
                             "xel0-port-speed = 8\r\n"
                             "#   fixed speed: the switch port is old\r\n"
                             "num-ios = 1024\r\n"
                             "xel0-port-colour = blue\r\n";
    write_file(hand);
    xell_t fc = fc_ioc(1);
    // Registration finds the IOC, adds the adapter (which has no line), and
    // so changes nothing the file shows.
    EXPECT_EQ(xell_config_register({&fc}, {"SN1"}), XEL_STATUS_OK);
    EXPECT_EQ(read_file(), hand);

    for (int speed : {16, 4}) {
        ASSERT_EQ(load(), XEL_STATUS_OK);
        EXPECT_EQ(xell_config_ioc_get(0)->speed, speed == 16 ? 8 : 16);
        xell_config_speed(&fc, speed);
        ASSERT_EQ(sync(), XEL_STATUS_OK);
        std::string text = read_file();
        EXPECT_EQ(text.find('\r'), std::string::npos);
        const std::string tail = "\n#\n# Comments and other lines, as found\n#\n"
                                 "# lab HBAs, see ticket 42\n"
                                 "#   fixed speed: the switch port is old\n"
                                 "xel0-port-colour = blue\n";
        EXPECT_TRUE(text.ends_with(tail)) << text;
        std::vector<std::string> lines = body_lines(text);
        EXPECT_EQ(std::count(lines.begin(), lines.end(), "xel0-port-speed = " + std::to_string(speed) + ";"), 1);
        EXPECT_EQ(std::count(lines.begin(), lines.end(), "num-ios = 1024"), 1);
    }
}

} // namespace
