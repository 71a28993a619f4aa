// The emulated kernel: the seam that ixo-sim runs on. Paths map under the
// emulated root like RootedSys; the special files the drivers and the
// kernel provide are served here and handed to the emulated host.
#pragma once

#include "sim_caller.h"
#include "sim_host.h"
#include "sim_rooted_sys.h"

#include <cstdint>
#include <map>
#include <mutex>
#include <string>

class EmulatedSys : public RootedSys {
public:
    // The caller is the one xelsim set for the host (sim_caller.h).
    explicit EmulatedSys(SimHost &host);

    sim_caller caller() const { return caller_; }
    void set_caller(sim_caller caller) { caller_ = caller; }

    int open(const char *path, int flags, mode_t mode = 0) override;
    int rename(const char *from, const char *to) override;
    int unlink(const char *path) override;
    int mkdir(const char *path, mode_t mode) override;
    int stat(const char *path, struct stat *st) override;
    int lstat(const char *path, struct stat *st) override;
    ssize_t readlink(const char *path, char *buf, size_t size) override;
    int list_dir(const char *path, std::vector<std::string> *names) override;
    int close(int fd) override;
    ssize_t read(int fd, void *buf, size_t count) override;
    ssize_t write(int fd, const void *buf, size_t count) override;
    int ioctl(int fd, unsigned long request, void *arg) override;
    // Internet datagram sockets, for ethtool requests; the host has no
    // other network.
    int socket(int domain, int type, int protocol) override;
    // The SCSI transport's netlink socket (sim_netlink.h): its bind and
    // its messages, which come from the kernel (port id 0).
    int bind(int fd, const struct sockaddr *addr, socklen_t len) override;
    ssize_t recvmsg(int fd, struct msghdr *msg, int flags) override;
    // A wait moves the host's clock on by its length, whatever the time
    // scale makes of it.
    void sleep_ms(unsigned milliseconds) override;

private:
    enum class kind {
        bsg,          // /dev/bsg/fc_host<N>: FC transport requests to xel
        rport_bsg,    // /dev/bsg/rport-<H>:<C>-<N>: ELS and CT to a remote port
        scsi_generic, // /dev/sg<N>: SCSI commands to a LUN
        kwo,          // /dev/kwo: network driver requests
        xelipfc,      // /dev/xelipfc: IP over FC
        trace,        // debugfs drvtrc, fwtrc, fwsave
        reg_read,     // debugfs regrd
        reg_write,    // debugfs regwr
        vport_create, // fc_host vport_create
        vport_delete, // fc_host vport_delete
        scsi_scan,    // scsi_host scan
        scsi_delete,  // scsi_device delete
        mounts,       // /proc/mounts
        inet_socket,  // a datagram socket: SIOCETHTOOL
        netlink,      // a netlink socket of the SCSI transport protocol
    };
    struct special_file {
        kind type;
        int host = -1;        // bsg, vport files
        int channel = -1;     // rport_bsg
        int number = -1;      // rport_bsg: the remote port; scsi_generic: N
        std::string driver;   // debugfs files
        std::string pci;      // debugfs files
        std::string name;     // debugfs file name; a bound netlink socket's name
        std::string contents; // what a read returns
        size_t offset = 0;    // read position in contents
    };

    // True, with errno set, when the caller may not have the access.
    bool refused(const char *path, sim_access access) const;
    bool classify(const std::string &path, special_file *file) const;
    bool classify_scsi(const std::string &path, special_file *file) const;
    special_file *find(int fd);
    int bsg_request(int host, struct sg_io_v4 *header);
    int rport_bsg_request(const special_file &file, struct sg_io_v4 *header);
    int sg_request(int sg, void *header);
    int kwo_request(unsigned long request, void *arg);
    int ipfc_request(unsigned long request, void *arg);
    int ethtool_request(struct ifreq *ifr);
    int netlink_socket(int type, int protocol);
    // Takes a descriptor just made (or -1) as a special file of the kind.
    int add_special(int fd, kind type);
    ssize_t read_special(special_file &file, void *buf, size_t count);
    ssize_t write_special(special_file &file, const void *buf, size_t count);

    SimHost &host_;
    sim_caller caller_;
    std::mutex mutex_;
    std::map<int, special_file> specials_;
};
