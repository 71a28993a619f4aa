#include "xell_sys.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/mount.h>
#include <unistd.h>

#include <cerrno>
#include <ctime>

namespace {

// Forwards every call to the kernel.
class LinuxSys final : public xell_sys {
public:
    int open(const char *path, int flags, mode_t mode) override { return ::open(path, flags, mode); }
    int close(int fd) override { return ::close(fd); }
    ssize_t read(int fd, void *buf, size_t count) override { return ::read(fd, buf, count); }
    ssize_t write(int fd, const void *buf, size_t count) override { return ::write(fd, buf, count); }
    off_t lseek(int fd, off_t offset, int whence) override { return ::lseek(fd, offset, whence); }
    int fsync(int fd) override { return ::fsync(fd); }
    int fchmod(int fd, mode_t mode) override { return ::fchmod(fd, mode); }
    int ftruncate(int fd, off_t length) override { return ::ftruncate(fd, length); }
    int fallocate(int fd, off_t offset, off_t length) override { return ::fallocate(fd, 0, offset, length); }
    int rename(const char *from, const char *to) override { return ::rename(from, to); }
    int unlink(const char *path) override { return ::unlink(path); }
    int mkdir(const char *path, mode_t mode) override { return ::mkdir(path, mode); }
    int flock(int fd, int operation) override { return ::flock(fd, operation); }
    int stat(const char *path, struct stat *st) override { return ::stat(path, st); }
    int lstat(const char *path, struct stat *st) override { return ::lstat(path, st); }
    int fstat(int fd, struct stat *st) override { return ::fstat(fd, st); }
    ssize_t readlink(const char *path, char *buf, size_t size) override { return ::readlink(path, buf, size); }
    int list_dir(const char *path, std::vector<std::string> *names) override;
    int ioctl(int fd, unsigned long request, void *arg) override { return ::ioctl(fd, request, arg); }
    int socket(int domain, int type, int protocol) override { return ::socket(domain, type, protocol); }
    int bind(int fd, const struct sockaddr *addr, socklen_t len) override { return ::bind(fd, addr, len); }
    ssize_t send(int fd, const void *buf, size_t len, int flags) override { return ::send(fd, buf, len, flags); }
    ssize_t recv(int fd, void *buf, size_t len, int flags) override { return ::recv(fd, buf, len, flags); }
    ssize_t recvmsg(int fd, struct msghdr *msg, int flags) override { return ::recvmsg(fd, msg, flags); }
    int poll(struct pollfd *fds, nfds_t nfds, int timeout_ms) override { return ::poll(fds, nfds, timeout_ms); }
    int pipe(int fds[2]) override { return ::pipe2(fds, O_CLOEXEC); }
    int mount(const char *source, const char *target, const char *fstype, unsigned long flags,
              const void *data) override
    {
        return ::mount(source, target, fstype, flags, data);
    }
    void sleep_ms(unsigned milliseconds) override;
    pid_t getpid() override { return ::getpid(); }
};

int LinuxSys::list_dir(const char *path, std::vector<std::string> *names)
{
    DIR *dir = ::opendir(path);
    if (dir == nullptr)
        return -1;
    names->clear();
    while (const struct dirent *entry = ::readdir(dir)) {
        std::string name = entry->d_name;
        if (name != "." && name != "..")
            names->push_back(std::move(name));
    }
    ::closedir(dir);
    return 0;
}

void LinuxSys::sleep_ms(unsigned milliseconds)
{
    struct timespec left = {static_cast<time_t>(milliseconds / 1000), static_cast<long>(milliseconds % 1000) * 1000000L};
    while (::nanosleep(&left, &left) == -1 && errno == EINTR) {
    }
}

LinuxSys linux_sys;
xell_sys *active = &linux_sys;

} // namespace

xell_sys &xell_os()
{
    return *active;
}

void xell_os_install(xell_sys *sys)
{
    active = sys != nullptr ? sys : &linux_sys;
}
