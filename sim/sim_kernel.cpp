#include "sim_kernel.h"

#include "sim_bsg.h"
#include "sim_netlink.h"
#include "xel_bsg.h"
#include "xel_ioctl.h"

#include <fcntl.h>
#include <linux/netlink.h>
#include <linux/sockios.h>
#include <scsi/sg.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <vector>

namespace {

constexpr const char *debugfs_prefix = "/sys/kernel/debug/";

bool starts_with(const std::string &text, const char *prefix)
{
    return text.compare(0, std::strlen(prefix), prefix) == 0;
}

// The number that ends a path such as "/dev/bsg/fc_host5"; -1 when none.
int trailing_number(const std::string &text, size_t from)
{
    if (from >= text.size())
        return -1;
    char *end = nullptr;
    long value = std::strtol(text.c_str() + from, &end, 10);
    return *end == '\0' && value >= 0 ? static_cast<int>(value) : -1;
}

// What a network request carries: the record the code names and, for a
// record whose buffer (bufsz at 8, buf_ptr at 16) lies right behind it, that
// buffer too, which the driver fills as it would through buf_ptr.
std::span<uint8_t> kwo_transfer(uint32_t cmd, void *arg)
{
    auto *record = static_cast<uint8_t *>(arg);
    size_t size = xel_cmd_size(cmd);
    if (size >= sizeof(xel_ioctl_buf_t)) {
        xel_ioctl_buf_t header;
        std::memcpy(&header, record, sizeof header);
        if (header.buf_ptr == reinterpret_cast<uintptr_t>(record + size))
            size += header.bufsz;
    }
    return {record, size};
}

} // namespace

EmulatedSys::EmulatedSys(SimHost &host) : RootedSys(host.root()), host_(host), caller_(sim_read_caller(host.root()))
{
}

bool EmulatedSys::refused(const char *path, sim_access access) const
{
    std::string normal;
    if (sim_caller_owns_host_files(caller_) || !host_owns(path, &normal))
        return false;
    std::error_code ec;
    int err = sim_caller_refusal(caller_, normal, std::filesystem::is_directory(host_path(path), ec), access);
    if (err != 0)
        errno = err;
    return err != 0;
}

int EmulatedSys::rename(const char *from, const char *to)
{
    return refused(from, sim_access::write) || refused(to, sim_access::write) ? -1 : RootedSys::rename(from, to);
}

int EmulatedSys::unlink(const char *path)
{
    return refused(path, sim_access::write) ? -1 : RootedSys::unlink(path);
}

int EmulatedSys::mkdir(const char *path, mode_t mode)
{
    return refused(path, sim_access::write) ? -1 : RootedSys::mkdir(path, mode);
}

int EmulatedSys::stat(const char *path, struct stat *st)
{
    return refused(path, sim_access::look) ? -1 : RootedSys::stat(path, st);
}

int EmulatedSys::lstat(const char *path, struct stat *st)
{
    return refused(path, sim_access::look) ? -1 : RootedSys::lstat(path, st);
}

ssize_t EmulatedSys::readlink(const char *path, char *buf, size_t size)
{
    return refused(path, sim_access::look) ? -1 : RootedSys::readlink(path, buf, size);
}

int EmulatedSys::list_dir(const char *path, std::vector<std::string> *names)
{
    return refused(path, sim_access::read) ? -1 : RootedSys::list_dir(path, names);
}

// The SCSI mid layer's files: scsi_host/host<N>/scan and
// scsi_device/<H:C:T:L>/device/delete (the name kept in name).
bool EmulatedSys::classify_scsi(const std::string &path, special_file *file) const
{
    const std::string hosts = "/sys/class/scsi_host/host";
    const std::string devices = "/sys/class/scsi_device/";
    const std::string tail = "/device/delete";
    if (starts_with(path, hosts.c_str()) && path.size() > hosts.size() + 5 && path.compare(path.size() - 5, 5, "/scan") == 0) {
        std::string number = path.substr(hosts.size(), path.size() - 5 - hosts.size());
        if (number.empty() || number.find_first_not_of("0123456789") != std::string::npos)
            return false;
        file->type = kind::scsi_scan;
        file->host = std::atoi(number.c_str());
        return true;
    }
    if (starts_with(path, devices.c_str()) && path.size() > devices.size() + tail.size() &&
        path.compare(path.size() - tail.size(), tail.size(), tail) == 0) {
        file->name = path.substr(devices.size(), path.size() - tail.size() - devices.size());
        if (file->name.find('/') != std::string::npos)
            return false;
        file->type = kind::scsi_delete;
        return true;
    }
    return false;
}

bool EmulatedSys::classify(const std::string &path, special_file *file) const
{
    int h = -1;
    int c = -1;
    int n = -1;
    char end = 0;
    if ((std::sscanf(path.c_str(), "/dev/bsg/rport-%d:%d-%d%c", &h, &c, &n, &end) == 3 ||
         std::sscanf(path.c_str(), "/dev/rport-%d:%d-%d%c", &h, &c, &n, &end) == 3) &&
        h >= 0 && c >= 0 && n >= 0) {
        file->type = kind::rport_bsg;
        file->host = h;
        file->channel = c;
        file->number = n;
        return true;
    }
    if (starts_with(path, "/dev/sg")) {
        file->type = kind::scsi_generic;
        file->number = trailing_number(path, 7);
        return file->number >= 0;
    }
    if (starts_with(path, "/dev/bsg/fc_host") || starts_with(path, "/dev/fc_host")) {
        file->type = kind::bsg;
        file->host = trailing_number(path, path.rfind("fc_host") + 7);
        return file->host >= 0;
    }
    if (path == "/dev/kwo" || path == "/dev/xelipfc") {
        file->type = path == "/dev/kwo" ? kind::kwo : kind::xelipfc;
        return true;
    }
    if (path == "/proc/mounts") {
        file->type = kind::mounts;
        file->contents = "debugfs /sys/kernel/debug debugfs rw,relatime 0 0\n";
        return true;
    }
    if (starts_with(path, "/sys/class/fc_host/host")) {
        size_t slash = path.find('/', 23);
        if (slash == std::string::npos)
            return false;
        std::string name = path.substr(slash + 1);
        if (name != "vport_create" && name != "vport_delete")
            return false;
        file->type = name == "vport_create" ? kind::vport_create : kind::vport_delete;
        file->host = std::atoi(path.c_str() + 23);
        return true;
    }
    if (classify_scsi(path, file))
        return true;
    if (starts_with(path, debugfs_prefix)) {
        // /sys/kernel/debug/<driver>/pci_dev:<pci>/<file>
        std::string rest = path.substr(std::strlen(debugfs_prefix));
        size_t first = rest.find('/');
        size_t second = first == std::string::npos ? first : rest.find('/', first + 1);
        if (second == std::string::npos || rest.compare(first + 1, 8, "pci_dev:") != 0)
            return false;
        file->driver = rest.substr(0, first);
        file->pci = rest.substr(first + 9, second - first - 9);
        file->name = rest.substr(second + 1);
        if (file->name == "drvtrc" || file->name == "fwtrc" || file->name == "fwsave")
            file->type = kind::trace;
        else if (file->name == "regrd")
            file->type = kind::reg_read;
        else if (file->name == "regwr")
            file->type = kind::reg_write;
        else
            return false;
        return true;
    }
    return false;
}

// A special file opens only where the emulated host made its node, so a
// missing driver looks the same as on a real host.
int EmulatedSys::open(const char *path, int flags, mode_t mode)
{
    bool writes = (flags & O_ACCMODE) != O_RDONLY || (flags & (O_CREAT | O_TRUNC)) != 0;
    if (refused(path, writes ? sim_access::write : sim_access::read))
        return -1;
    special_file file;
    if (path[0] != '/' || !classify(path, &file))
        return RootedSys::open(path, flags, mode);
    int fd;
    if (file.type == kind::mounts) {
        fd = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
    } else {
        fd = RootedSys::open(path, O_RDONLY | O_CLOEXEC);
    }
    if (fd < 0)
        return -1;
    if (file.type == kind::trace && !host_.debugfs_trace(file.driver, file.pci, file.name, &file.contents)) {
        ::close(fd);
        errno = ENOENT;
        return -1;
    }
    std::lock_guard<std::mutex> lock(mutex_);
    specials_[fd] = std::move(file);
    return fd;
}

EmulatedSys::special_file *EmulatedSys::find(int fd)
{
    std::lock_guard<std::mutex> lock(mutex_);
    auto it = specials_.find(fd);
    return it == specials_.end() ? nullptr : &it->second;
}

int EmulatedSys::close(int fd)
{
    {
        std::lock_guard<std::mutex> lock(mutex_);
        auto it = specials_.find(fd);
        if (it != specials_.end() && it->second.type == kind::netlink)
            sim_netlink_unbind(root(), it->second.name);
        if (it != specials_.end())
            specials_.erase(it);
    }
    return RootedSys::close(fd);
}

ssize_t EmulatedSys::read(int fd, void *buf, size_t count)
{
    special_file *file = find(fd);
    return file ? read_special(*file, buf, count) : RootedSys::read(fd, buf, count);
}

ssize_t EmulatedSys::write(int fd, const void *buf, size_t count)
{
    special_file *file = find(fd);
    return file ? write_special(*file, buf, count) : RootedSys::write(fd, buf, count);
}

ssize_t EmulatedSys::read_special(special_file &file, void *buf, size_t count)
{
    switch (file.type) {
    case kind::trace:
    case kind::reg_read:
    case kind::mounts: {
        size_t left = file.contents.size() - std::min(file.offset, file.contents.size());
        size_t n = std::min(left, count);
        std::memcpy(buf, file.contents.data() + file.offset, n);
        file.offset += n;
        return static_cast<ssize_t>(n);
    }
    default:
        errno = EINVAL;
        return -1;
    }
}

// Register access: "off:word" to regwr writes a register; "off:n" to regrd
// makes the next reads of that file return n words from off.
ssize_t EmulatedSys::write_special(special_file &file, const void *buf, size_t count)
{
    std::string text(static_cast<const char *>(buf), count);
    unsigned a = 0;
    unsigned b = 0;
    switch (file.type) {
    case kind::reg_write:
        if (std::sscanf(text.c_str(), "%x:%x", &a, &b) != 2 || !host_.register_write(file.driver, file.pci, a, b)) {
            errno = EINVAL;
            return -1;
        }
        return static_cast<ssize_t>(count);
    case kind::reg_read:
        if (std::sscanf(text.c_str(), "%x:%x", &a, &b) != 2 ||
            !host_.register_read(file.driver, file.pci, a, b, &file.contents)) {
            errno = EINVAL;
            return -1;
        }
        file.offset = 0;
        return static_cast<ssize_t>(count);
    case kind::scsi_scan:
    case kind::scsi_delete: {
        int err = file.type == kind::scsi_scan ? host_.scsi_host_scan(file.host, text)
                                               : host_.scsi_device_delete(file.name);
        if (err != 0) {
            errno = err;
            return -1;
        }
        return static_cast<ssize_t>(count);
    }
    case kind::vport_create:
    case kind::vport_delete: {
        int err = host_.fc_host_vport(file.host, file.type == kind::vport_create, text);
        if (err != 0) {
            errno = err;
            return -1;
        }
        return static_cast<ssize_t>(count);
    }
    default:
        errno = EINVAL;
        return -1;
    }
}

void EmulatedSys::sleep_ms(unsigned milliseconds)
{
    host_.advance_clock(milliseconds);
    RootedSys::sleep_ms(milliseconds);
}

int EmulatedSys::ioctl(int fd, unsigned long request, void *arg)
{
    special_file *file = find(fd);
    if (file == nullptr)
        return RootedSys::ioctl(fd, request, arg);
    switch (file->type) {
    case kind::bsg:
        if (request != XEL_SG_IO)
            break;
        return bsg_request(file->host, static_cast<struct sg_io_v4 *>(arg));
    case kind::rport_bsg:
        if (request != XEL_SG_IO)
            break;
        return rport_bsg_request(*file, static_cast<struct sg_io_v4 *>(arg));
    case kind::scsi_generic:
        if (request != SG_IO)
            break;
        return sg_request(file->number, arg);
    case kind::kwo:
        return kwo_request(request, arg);
    case kind::xelipfc:
        return ipfc_request(request, arg);
    case kind::inet_socket:
        if (request != SIOCETHTOOL)
            break;
        return ethtool_request(static_cast<struct ifreq *>(arg));
    default:
        break;
    }
    errno = ENOTTY;
    return -1;
}

int EmulatedSys::socket(int domain, int type, int protocol)
{
    if (domain == AF_NETLINK)
        return netlink_socket(type, protocol);
    if ((domain != AF_INET && domain != AF_INET6) || (type & 0xf) != SOCK_DGRAM)
        return RootedSys::socket(domain, type, protocol);
    return add_special(::open("/dev/null", O_RDWR | O_CLOEXEC), kind::inet_socket);
}

int EmulatedSys::add_special(int fd, kind type)
{
    if (fd < 0)
        return -1;
    special_file file;
    file.type = type;
    std::lock_guard<std::mutex> lock(mutex_);
    specials_[fd] = std::move(file);
    return fd;
}

// The ethtool core finds the interface; the network driver answers, and
// the caller needs CAP_NET_ADMIN for what it asks.
int EmulatedSys::ethtool_request(struct ifreq *ifr)
{
    sim_ethtool_request request;
    int err = 0;
    if (sim_ethtool_decode(ifr, &request, &err)) {
        request.net_admin = sim_caller_has_capabilities(caller_);
        err = host_.ethtool_request(request);
    }
    errno = err;
    return err != 0 ? -1 : 0;
}

// The block layer and the FC transport check the envelope and hand the
// storage driver a job (sim_bsg.h).
int EmulatedSys::bsg_request(int host, struct sg_io_v4 *header)
{
    return sim_bsg_sg_io(sim_bsg_node::fc_host, sim_caller_has_capabilities(caller_), header,
                         [&](sim_bsg_job &job) { return host_.xel_bsg_job(host, job); });
}

int EmulatedSys::rport_bsg_request(const special_file &file, struct sg_io_v4 *header)
{
    return sim_bsg_sg_io(sim_bsg_node::rport, sim_caller_has_capabilities(caller_), header, [&](sim_bsg_job &job) {
        return host_.xel_rport_bsg_job(file.host, file.channel, file.number, job);
    });
}

// The SCSI generic driver takes SG_IO from a caller who could open the
// node for writing.
int EmulatedSys::sg_request(int sg, void *header)
{
    int err = host_.scsi_generic_request(sg, static_cast<sg_io_hdr_t *>(header));
    if (err != 0) {
        errno = err;
        return -1;
    }
    return 0;
}

// The network driver takes requests of its own group only, from a caller
// with CAP_SYS_ADMIN, and reads and writes exactly the record size the code
// carries.
int EmulatedSys::kwo_request(unsigned long request, void *arg)
{
    if (!sim_caller_has_capabilities(caller_)) {
        errno = EPERM;
        return -1;
    }
    auto cmd = static_cast<uint32_t>(request);
    if (xel_cmd_group(cmd) != XEL_KWO_GROUP || request > 0xffffffffUL) {
        errno = ENOTTY;
        return -1;
    }
    int err = host_.driver_request({"kwo", -1, cmd, kwo_transfer(cmd, arg)});
    if (err != 0) {
        errno = err;
        return -1;
    }
    return 0;
}

// The IP over FC device answers its own reads and reset, for a caller
// with CAP_SYS_ADMIN; the record names the storage function by its
// instance, and is read and written at the size its code carries.
int EmulatedSys::ipfc_request(unsigned long request, void *arg)
{
    if (!sim_caller_has_capabilities(caller_)) {
        errno = EPERM;
        return -1;
    }
    auto cmd = static_cast<uint32_t>(request);
    if (request > 0xffffffffUL ||
        (cmd != XEL_CMD_IPFC_GET_ATTR && cmd != XEL_CMD_IPFC_GET_STATS && cmd != XEL_CMD_IPFC_RESET_STATS)) {
        errno = ENOTTY;
        return -1;
    }
    std::span<uint8_t> record(static_cast<uint8_t *>(arg), xel_cmd_size(cmd));
    int err = host_.driver_request({"xel", -1, cmd, record});
    if (err != 0) {
        errno = err;
        return -1;
    }
    return 0;
}

// Only the SCSI transport protocol is there; the emulated host has no
// routing or other netlink families.
int EmulatedSys::netlink_socket(int type, int protocol)
{
    int base = type & ~(SOCK_CLOEXEC | SOCK_NONBLOCK);
    if (protocol != SIM_NETLINK_SCSITRANSPORT) {
        errno = EPROTONOSUPPORT;
        return -1;
    }
    if (base != SOCK_DGRAM && base != SOCK_RAW) {
        errno = ESOCKTNOSUPPORT;
        return -1;
    }
    return add_special(::socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC | (type & SOCK_NONBLOCK), 0), kind::netlink);
}

// A port id of 0 asks for the process id, as the kernel assigns it.
int EmulatedSys::bind(int fd, const struct sockaddr *addr, socklen_t len)
{
    std::lock_guard<std::mutex> lock(mutex_);
    auto it = specials_.find(fd);
    if (it == specials_.end() || it->second.type != kind::netlink)
        return RootedSys::bind(fd, addr, len);
    sockaddr_nl nl{};
    if (addr == nullptr || len < sizeof nl) {
        errno = EINVAL;
        return -1;
    }
    std::memcpy(&nl, addr, sizeof nl);
    if (nl.nl_family != AF_NETLINK) {
        errno = EINVAL;
        return -1;
    }
    if (!it->second.name.empty()) {
        errno = EINVAL;
        return -1;
    }
    uint32_t port_id = nl.nl_pid != 0 ? nl.nl_pid : static_cast<uint32_t>(getpid());
    return sim_netlink_bind(root(), fd, port_id, nl.nl_groups, &it->second.name);
}

ssize_t EmulatedSys::recvmsg(int fd, struct msghdr *msg, int flags)
{
    bool netlink = false;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        auto it = specials_.find(fd);
        netlink = it != specials_.end() && it->second.type == kind::netlink;
    }
    if (!netlink)
        return RootedSys::recvmsg(fd, msg, flags);
    void *name = msg->msg_name;
    socklen_t namelen = msg->msg_namelen;
    msg->msg_name = nullptr;
    msg->msg_namelen = 0;
    ssize_t got = ::recvmsg(fd, msg, flags);
    msg->msg_name = name;
    msg->msg_namelen = 0;
    if (got >= 0 && name != nullptr && namelen >= sizeof(sockaddr_nl)) {
        sockaddr_nl from{};
        from.nl_family = AF_NETLINK;
        from.nl_groups = SIM_SCSI_NL_GRP_FC_EVENTS;
        std::memcpy(name, &from, sizeof from);
        msg->msg_namelen = sizeof from;
    }
    return got;
}
