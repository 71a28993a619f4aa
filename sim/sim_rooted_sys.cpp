#include "sim_rooted_sys.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cerrno>
#include <ctime>
#include <filesystem>
#include <string_view>
#include <utility>

namespace {

bool in_tree(std::string_view path, std::string_view tree)
{
    return path.starts_with(tree) && (path.size() == tree.size() || path[tree.size()] == '/');
}

// The paths the emulated host owns: the kernel's file systems, the device
// nodes, the firmware the drivers load, and the configuration file with
// the lock and temporary files beside it (and /etc itself, which the
// write-back syncs). Every other path is the user's own file.
bool host_owned(const std::string &path)
{
    for (std::string_view tree : {"/sys", "/dev", "/proc", "/lib/firmware"})
        if (in_tree(path, tree))
            return true;
    constexpr std::string_view conf = "/etc/xel.conf";
    return path == "/etc" || (path.starts_with(conf) && path.find('/', conf.size()) == std::string::npos);
}

} // namespace

RootedSys::RootedSys(std::string root) : root_(std::move(root))
{
    while (root_.size() > 1 && root_.back() == '/')
        root_.pop_back();
}

// Judged on the normal form, so that "/dev/../tmp/x" is the user's file.
bool RootedSys::host_owns(const char *path, std::string *normal)
{
    if (path[0] != '/')
        return false;
    std::string form = std::filesystem::path(path).lexically_normal().string();
    if (form.size() > 1 && form.back() == '/')
        form.pop_back();
    if (!host_owned(form))
        return false;
    if (normal)
        *normal = std::move(form);
    return true;
}

std::string RootedSys::host_path(const char *path) const
{
    return host_owns(path) ? root_ + path : std::string(path);
}

int RootedSys::open(const char *path, int flags, mode_t mode)
{
    return ::open(host_path(path).c_str(), flags, mode);
}

int RootedSys::close(int fd)
{
    return ::close(fd);
}

ssize_t RootedSys::read(int fd, void *buf, size_t count)
{
    return ::read(fd, buf, count);
}

ssize_t RootedSys::write(int fd, const void *buf, size_t count)
{
    return ::write(fd, buf, count);
}

off_t RootedSys::lseek(int fd, off_t offset, int whence)
{
    return ::lseek(fd, offset, whence);
}

int RootedSys::fsync(int fd)
{
    return ::fsync(fd);
}

int RootedSys::fchmod(int fd, mode_t mode)
{
    return ::fchmod(fd, mode);
}

int RootedSys::ftruncate(int fd, off_t length)
{
    return ::ftruncate(fd, length);
}

int RootedSys::fallocate(int fd, off_t offset, off_t length)
{
    return ::fallocate(fd, 0, offset, length);
}

int RootedSys::rename(const char *from, const char *to)
{
    return ::rename(host_path(from).c_str(), host_path(to).c_str());
}

int RootedSys::unlink(const char *path)
{
    return ::unlink(host_path(path).c_str());
}

int RootedSys::mkdir(const char *path, mode_t mode)
{
    return ::mkdir(host_path(path).c_str(), mode);
}

int RootedSys::flock(int fd, int operation)
{
    return ::flock(fd, operation);
}

int RootedSys::stat(const char *path, struct stat *st)
{
    return ::stat(host_path(path).c_str(), st);
}

int RootedSys::lstat(const char *path, struct stat *st)
{
    return ::lstat(host_path(path).c_str(), st);
}

int RootedSys::fstat(int fd, struct stat *st)
{
    return ::fstat(fd, st);
}

ssize_t RootedSys::readlink(const char *path, char *buf, size_t size)
{
    return ::readlink(host_path(path).c_str(), buf, size);
}

int RootedSys::list_dir(const char *path, std::vector<std::string> *names)
{
    DIR *dir = ::opendir(host_path(path).c_str());
    if (dir == nullptr)
        return -1;
    names->clear();
    while (const struct dirent *entry = ::readdir(dir)) {
        std::string name = entry->d_name;
        if (name != "." && name != "..")
            names->push_back(std::move(name));
    }
    ::closedir(dir);
    // A real file system lists a directory in an order of its own (a hash
    // of the names on ext4 and in sysfs), not sorted. A fixed hash order
    // keeps runs repeatable and proves the library sorts where order matters.
    auto fnv1a = [](const std::string &name) {
        uint32_t hash = 2166136261u;
        for (unsigned char c : name)
            hash = (hash ^ c) * 16777619u;
        return hash;
    };
    std::sort(names->begin(), names->end(), [&](const std::string &a, const std::string &b) {
        uint32_t ha = fnv1a(a);
        uint32_t hb = fnv1a(b);
        return ha != hb ? ha < hb : a < b;
    });
    return 0;
}

// Nothing under the emulated root is a device: requests to real
// descriptors are refused as the kernel refuses them for plain files.
int RootedSys::ioctl(int fd, unsigned long request, void *arg)
{
    (void)fd;
    (void)request;
    (void)arg;
    errno = ENOTTY;
    return -1;
}

// The emulated host has no network of its own.
int RootedSys::socket(int domain, int type, int protocol)
{
    (void)domain;
    (void)type;
    (void)protocol;
    errno = EAFNOSUPPORT;
    return -1;
}

int RootedSys::bind(int fd, const struct sockaddr *addr, socklen_t len)
{
    (void)fd;
    (void)addr;
    (void)len;
    errno = EBADF;
    return -1;
}

ssize_t RootedSys::send(int fd, const void *buf, size_t len, int flags)
{
    (void)fd;
    (void)buf;
    (void)len;
    (void)flags;
    errno = EBADF;
    return -1;
}

ssize_t RootedSys::recv(int fd, void *buf, size_t len, int flags)
{
    (void)fd;
    (void)buf;
    (void)len;
    (void)flags;
    errno = EBADF;
    return -1;
}

ssize_t RootedSys::recvmsg(int fd, struct msghdr *msg, int flags)
{
    (void)fd;
    (void)msg;
    (void)flags;
    errno = EBADF;
    return -1;
}

int RootedSys::poll(struct pollfd *fds, nfds_t nfds, int timeout_ms)
{
    return ::poll(fds, nfds, timeout_ms);
}

int RootedSys::pipe(int fds[2])
{
    return ::pipe2(fds, O_CLOEXEC);
}

// Mounting is not emulated; the emulated debugfs is always there.
int RootedSys::mount(const char *source, const char *target, const char *fstype, unsigned long flags,
                     const void *data)
{
    (void)source;
    (void)target;
    (void)fstype;
    (void)flags;
    (void)data;
    errno = EPERM;
    return -1;
}

// Sleeps really pass, so that a process waiting for another (a lock, a
// state) sees it act; tests shorten every wait with the time scale.
void RootedSys::sleep_ms(unsigned milliseconds)
{
    auto scaled = static_cast<long long>(static_cast<double>(milliseconds) * time_scale_ * 1000000.0);
    struct timespec left = {static_cast<time_t>(scaled / 1000000000LL), static_cast<long>(scaled % 1000000000LL)};
    while (::nanosleep(&left, &left) == -1 && errno == EINTR) {
    }
}

pid_t RootedSys::getpid()
{
    return ::getpid();
}
