// The system-call seam. The library reaches the operating system only
// through the active xell_sys: the real kernel (LinuxSys) in ixo, the
// emulated host in ixo-sim. Calls follow the POSIX conventions: -1 (or a
// negative count) with errno set on failure.
#pragma once

#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/types.h>

#include <string>
#include <vector>

class xell_sys {
public:
    virtual ~xell_sys() = default;

    virtual int open(const char *path, int flags, mode_t mode = 0) = 0;
    virtual int close(int fd) = 0;
    virtual ssize_t read(int fd, void *buf, size_t count) = 0;
    virtual ssize_t write(int fd, const void *buf, size_t count) = 0;
    virtual off_t lseek(int fd, off_t offset, int whence) = 0;
    virtual int fsync(int fd) = 0;
    virtual int fchmod(int fd, mode_t mode) = 0;
    virtual int ftruncate(int fd, off_t length) = 0;
    // Reserves blocks for [offset, offset + length), growing the file when
    // the range passes its end (fallocate mode 0).
    virtual int fallocate(int fd, off_t offset, off_t length) = 0;
    virtual int rename(const char *from, const char *to) = 0;
    virtual int unlink(const char *path) = 0;
    virtual int mkdir(const char *path, mode_t mode) = 0;
    virtual int flock(int fd, int operation) = 0;
    virtual int stat(const char *path, struct stat *st) = 0;
    virtual int lstat(const char *path, struct stat *st) = 0;
    virtual int fstat(int fd, struct stat *st) = 0;
    virtual ssize_t readlink(const char *path, char *buf, size_t size) = 0;
    // The names in a directory, without "." and "..", in the order the
    // system gives them.
    virtual int list_dir(const char *path, std::vector<std::string> *names) = 0;
    virtual int ioctl(int fd, unsigned long request, void *arg) = 0;
    virtual int socket(int domain, int type, int protocol) = 0;
    virtual int bind(int fd, const struct sockaddr *addr, socklen_t len) = 0;
    virtual ssize_t send(int fd, const void *buf, size_t len, int flags) = 0;
    virtual ssize_t recv(int fd, void *buf, size_t len, int flags) = 0;
    virtual ssize_t recvmsg(int fd, struct msghdr *msg, int flags) = 0;
    // Waits at most timeout_ms (-1: without limit) for one of the descriptors.
    virtual int poll(struct pollfd *fds, nfds_t nfds, int timeout_ms) = 0;
    virtual int pipe(int fds[2]) = 0;
    virtual int mount(const char *source, const char *target, const char *fstype, unsigned long flags,
                      const void *data) = 0;
    virtual void sleep_ms(unsigned milliseconds) = 0;
    virtual pid_t getpid() = 0;
};

// The seam in use; LinuxSys unless another was installed.
xell_sys &xell_os();
// Installs a seam for the rest of the process (null restores LinuxSys).
void xell_os_install(xell_sys *sys);

// Convenience on top of the seam.
// Reads a whole file; false when it cannot be opened or read (*opened,
// when asked for, tells the two apart).
bool xell_os_read_file(const char *path, std::string *text, bool *opened = nullptr);
// Writes text to an existing file (sysfs and debugfs attributes).
int xell_os_write_text(const char *path, const std::string &text);
