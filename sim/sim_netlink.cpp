#include "sim_netlink.h"

#include <fcntl.h>
#include <linux/netlink.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <vector>

namespace {

// The SCSI netlink header and the FC transport's event ahead of its data.
struct sim_scsi_nl_hdr {
    uint8_t version;
    uint8_t transport;
    uint16_t magic;
    uint16_t msgtype;
    uint16_t msglen;
};
static_assert(sizeof(sim_scsi_nl_hdr) == 8);

struct sim_fc_nl_event {
    sim_scsi_nl_hdr snlh;
    uint64_t seconds;
    uint64_t vendor_id;
    uint16_t host_no;
    uint16_t event_datalen;
    uint32_t event_num;
    uint32_t event_code;
    uint32_t event_data; // the vendor data starts here and runs on
};
static_assert(sizeof(sim_fc_nl_event) == 40 && offsetof(sim_fc_nl_event, vendor_id) == 16 &&
              offsetof(sim_fc_nl_event, event_datalen) == 26 && offsetof(sim_fc_nl_event, event_data) == 36);

constexpr uint16_t scsi_transport_msg = NLMSG_MIN_TYPE + 1;
constexpr uint8_t scsi_nl_version = 1;
constexpr uint8_t scsi_nl_transport_fc = 1;
constexpr uint16_t scsi_nl_magic = 0xA1B2;
constexpr uint16_t fc_nl_async_event = 0x0100;
constexpr uint32_t fch_evt_vendor_unique = 0xffff;

std::string socket_dir(const std::string &root)
{
    return root + "/run/netlink-scsitransport";
}

// A Unix address for a name in the socket directory, reached through an
// open descriptor of it so that a long root still fits the address.
struct dir_address {
    int dirfd = -1;
    explicit dir_address(const std::string &root)
    {
        std::error_code ec;
        std::filesystem::create_directories(socket_dir(root), ec);
        dirfd = ::open(socket_dir(root).c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    }
    ~dir_address()
    {
        if (dirfd >= 0)
            ::close(dirfd);
    }
    dir_address(const dir_address &) = delete;
    dir_address &operator=(const dir_address &) = delete;
    sockaddr_un of(const std::string &name) const
    {
        sockaddr_un addr{};
        addr.sun_family = AF_UNIX;
        std::snprintf(addr.sun_path, sizeof addr.sun_path, "/proc/self/fd/%d/%s", dirfd, name.c_str());
        return addr;
    }
};

// A name is "<port id>.<groups in hex>".
bool parse_name(const std::string &name, uint32_t *port_id, uint32_t *groups)
{
    unsigned long id = 0, mask = 0;
    int used = 0;
    if (std::sscanf(name.c_str(), "%lu.%lx%n", &id, &mask, &used) != 2 || static_cast<size_t>(used) != name.size())
        return false;
    *port_id = static_cast<uint32_t>(id);
    *groups = static_cast<uint32_t>(mask);
    return true;
}

// Whether a socket still listens at the name: a stale one refuses.
bool live(const dir_address &dir, const std::string &name)
{
    int probe = ::socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (probe < 0)
        return true;
    sockaddr_un addr = dir.of(name);
    bool up = ::connect(probe, reinterpret_cast<sockaddr *>(&addr), sizeof addr) == 0;
    ::close(probe);
    return up;
}

std::vector<std::string> bound_names(const std::string &root)
{
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto &entry : std::filesystem::directory_iterator(socket_dir(root), ec))
        names.push_back(entry.path().filename().string());
    return names;
}

} // namespace

int sim_netlink_bind(const std::string &root, int fd, uint32_t port_id, uint32_t groups, std::string *name)
{
    dir_address dir(root);
    if (dir.dirfd < 0)
        return -1;
    for (const std::string &other : bound_names(root)) {
        uint32_t id = 0, mask = 0;
        if (!parse_name(other, &id, &mask) || id != port_id)
            continue;
        if (live(dir, other)) {
            errno = EADDRINUSE;
            return -1;
        }
        ::unlinkat(dir.dirfd, other.c_str(), 0);
    }
    char text[32];
    std::snprintf(text, sizeof text, "%u.%x", port_id, groups);
    sockaddr_un addr = dir.of(text);
    if (::bind(fd, reinterpret_cast<sockaddr *>(&addr), sizeof addr) < 0)
        return -1;
    *name = text;
    return 0;
}

void sim_netlink_unbind(const std::string &root, const std::string &name)
{
    if (!name.empty())
        ::unlink((socket_dir(root) + "/" + name).c_str());
}

int sim_netlink_post_vendor_event(const std::string &root, uint32_t host_no, uint64_t vendor_id,
                                  uint32_t event_num, const void *data, uint16_t data_len)
{
    size_t event_len = (offsetof(sim_fc_nl_event, event_data) + data_len + 7) & ~size_t{7};
    event_len = std::max(event_len, sizeof(sim_fc_nl_event));
    std::vector<uint8_t> msg(NLMSG_HDRLEN + event_len, 0);
    nlmsghdr nlh{};
    nlh.nlmsg_len = static_cast<uint32_t>(msg.size());
    nlh.nlmsg_type = scsi_transport_msg;
    std::memcpy(msg.data(), &nlh, sizeof nlh);
    sim_fc_nl_event ev{};
    ev.snlh = {scsi_nl_version, scsi_nl_transport_fc, scsi_nl_magic, fc_nl_async_event,
               static_cast<uint16_t>(event_len)};
    ev.seconds = static_cast<uint64_t>(std::time(nullptr));
    ev.vendor_id = vendor_id;
    ev.host_no = static_cast<uint16_t>(host_no);
    ev.event_datalen = data_len;
    ev.event_num = event_num;
    ev.event_code = fch_evt_vendor_unique;
    std::memcpy(msg.data() + NLMSG_HDRLEN, &ev, offsetof(sim_fc_nl_event, event_data));
    std::memcpy(msg.data() + NLMSG_HDRLEN + offsetof(sim_fc_nl_event, event_data), data, data_len);

    dir_address dir(root);
    int sender = ::socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (dir.dirfd < 0 || sender < 0) {
        if (sender >= 0)
            ::close(sender);
        return 0;
    }
    int reached = 0;
    for (const std::string &name : bound_names(root)) {
        uint32_t id = 0, groups = 0;
        if (!parse_name(name, &id, &groups) || (groups & SIM_SCSI_NL_GRP_FC_EVENTS) == 0)
            continue;
        sockaddr_un addr = dir.of(name);
        // A full receiver loses the message, as a netlink listener would.
        if (::sendto(sender, msg.data(), msg.size(), MSG_DONTWAIT, reinterpret_cast<sockaddr *>(&addr),
                     sizeof addr) == static_cast<ssize_t>(msg.size()))
            reached++;
        else if (errno == ECONNREFUSED)
            ::unlinkat(dir.dirfd, name.c_str(), 0);
    }
    ::close(sender);
    return reached;
}
