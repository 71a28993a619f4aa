// The emulated kernel: the seam that ixo-sim runs on. Paths map under the
// emulated root like RootedSys; the special files the drivers and the
// kernel provide are served here and handed to the emulated host.
#pragma once

#include "sim_host.h"
#include "sim_rooted_sys.h"

#include <cstdint>
#include <map>
#include <mutex>
#include <string>

class EmulatedSys : public RootedSys {
public:
    explicit EmulatedSys(SimHost &host);

    int open(const char *path, int flags, mode_t mode = 0) override;
    int close(int fd) override;
    ssize_t read(int fd, void *buf, size_t count) override;
    ssize_t write(int fd, const void *buf, size_t count) override;
    int ioctl(int fd, unsigned long request, void *arg) override;

private:
    enum class kind {
        bsg,          // /dev/bsg/fc_host<N>: FC transport requests to xel
        kwo,          // /dev/kwo: network driver requests
        xelipfc,      // /dev/xelipfc: IP over FC
        trace,        // debugfs drvtrc, fwtrc, fwsave
        reg_read,     // debugfs regrd
        reg_write,    // debugfs regwr
        vport_create, // fc_host vport_create
        vport_delete, // fc_host vport_delete
        mounts,       // /proc/mounts
    };
    struct special_file {
        kind type;
        int host = -1;        // bsg, vport files
        std::string driver;   // debugfs files
        std::string pci;      // debugfs files
        std::string name;     // debugfs file name
        std::string contents; // what a read returns
        size_t offset = 0;    // read position in contents
    };

    bool classify(const std::string &path, special_file *file) const;
    special_file *find(int fd);
    int bsg_request(int host, struct sg_io_v4 *header);
    int kwo_request(unsigned long request, void *arg);
    ssize_t read_special(special_file &file, void *buf, size_t count);
    ssize_t write_special(special_file &file, const void *buf, size_t count);

    SimHost &host_;
    std::mutex mutex_;
    std::map<int, special_file> specials_;
};
