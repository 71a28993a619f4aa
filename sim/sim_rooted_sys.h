// A seam that runs every call on the real kernel, with the system's own
// paths (/sys, /dev, /proc, /lib/firmware, /etc/xel.conf and the files
// beside it) mapped under an emulated root directory; every other path is
// the user's, opened where the user named it. The emulated host builds on
// it; tests use it alone for code that only needs files.
#pragma once

#include "xell_sys.h"

#include <string>

class RootedSys : public xell_sys {
public:
    explicit RootedSys(std::string root);

    const std::string &root() const { return root_; }
    // Every sleep lasts its time multiplied by scale (1 by default).
    void set_time_scale(double scale) { time_scale_ = scale; }
    // Whether a path is one of the system's own, and its normal form then.
    static bool host_owns(const char *path, std::string *normal = nullptr);
    // The real path of a path: "/etc/xel.conf" -> "<root>/etc/xel.conf",
    // "/tmp/drv.trc" and "drv.trc" unchanged.
    std::string host_path(const char *path) const;

    int open(const char *path, int flags, mode_t mode = 0) override;
    int close(int fd) override;
    ssize_t read(int fd, void *buf, size_t count) override;
    ssize_t write(int fd, const void *buf, size_t count) override;
    off_t lseek(int fd, off_t offset, int whence) override;
    int fsync(int fd) override;
    int fchmod(int fd, mode_t mode) override;
    int ftruncate(int fd, off_t length) override;
    int fallocate(int fd, off_t offset, off_t length) override;
    int rename(const char *from, const char *to) override;
    int unlink(const char *path) override;
    int mkdir(const char *path, mode_t mode) override;
    int flock(int fd, int operation) override;
    int stat(const char *path, struct stat *st) override;
    int lstat(const char *path, struct stat *st) override;
    int fstat(int fd, struct stat *st) override;
    ssize_t readlink(const char *path, char *buf, size_t size) override;
    // In a fixed order that is not sorted, as a real file system lists.
    int list_dir(const char *path, std::vector<std::string> *names) override;
    int ioctl(int fd, unsigned long request, void *arg) override;
    int socket(int domain, int type, int protocol) override;
    int bind(int fd, const struct sockaddr *addr, socklen_t len) override;
    ssize_t send(int fd, const void *buf, size_t len, int flags) override;
    ssize_t recv(int fd, void *buf, size_t len, int flags) override;
    ssize_t recvmsg(int fd, struct msghdr *msg, int flags) override;
    // Real descriptors: the kernel's own poll and pipes.
    int poll(struct pollfd *fds, nfds_t nfds, int timeout_ms) override;
    int pipe(int fds[2]) override;
    int mount(const char *source, const char *target, const char *fstype, unsigned long flags,
              const void *data) override;
    void sleep_ms(unsigned milliseconds) override;
    pid_t getpid() override;

private:
    std::string root_;
    double time_scale_ = 1.0;
};
