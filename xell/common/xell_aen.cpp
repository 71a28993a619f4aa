#include "xell_aen.h"

#include "xell_transport.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <new>
#include <vector>

xel_status_t xell_aen_get_events(xell_t *ioc, xel_aen_entry_t *entries, int *count, int app_id)
{
    int want = std::clamp(*count, 0, XEL_AEN_MAX_ENTRIES);
    constexpr size_t head = offsetof(xel_ioctl_aen_t, aen_list);
    std::vector<uint8_t> buffer;
    try {
        buffer.resize(sizeof(xel_aen_entry_t) * static_cast<size_t>(want) + 88);
    } catch (const std::bad_alloc &) {
        return XEL_STATUS_ENOMEM;
    }
    xel_ioctl_aen_t record{};
    record.xeld_num = ioc->instance;
    record.aen_count = want;
    record.app_id = app_id;
    std::memcpy(buffer.data(), &record, head);
    int size = static_cast<int>(sizeof(xel_aen_entry_t) * static_cast<size_t>(want) + head);
    xel_status_t status = xell_ioctl(ioc, XEL_CMD_AEN_GET_EVENTS, buffer.data(), 0, 0, size);
    if (status != XEL_STATUS_OK) {
        int err = errno;
        std::fprintf(stderr, "%s:%d ioctl error: %s, fd: %d, app: %d inst: %d\n", __func__, 356, std::strerror(err),
                     ioc->fd, app_id, ioc->instance);
        return status;
    }
    std::memcpy(&record, buffer.data(), head);
    // A driver's count is trusted only as far as the entries asked for.
    int got = std::clamp(record.aen_count, 0, want);
    *count = got;
    if (record.status == XEL_STATUS_OK)
        std::memcpy(entries, buffer.data() + head, sizeof(xel_aen_entry_t) * static_cast<size_t>(got));
    return static_cast<xel_status_t>(record.status);
}

namespace {

// The netlink header, then the FC transport's vendor event: the SCSI
// netlink header (8 bytes), seconds, the vendor id at 16, host, the vendor
// data's length at 26, event number and code, the vendor data from 36.
constexpr size_t nl_header = 16;
constexpr size_t ev_vendor_id = 16;
constexpr size_t ev_datalen = 26;
constexpr size_t ev_data = 36;

template <typename T> T field_at(const uint8_t *p)
{
    T value;
    std::memcpy(&value, p, sizeof value);
    return value;
}

} // namespace

bool xell_aen_netlink_entry(const uint8_t *msg, size_t len, xel_aen_entry_t *entry)
{
    constexpr size_t need = nl_header + ev_data + sizeof(xel_aen_entry_t);
    if (msg == nullptr || len < need)
        return false;
    uint32_t nlmsg_len = field_at<uint32_t>(msg);
    if (nlmsg_len < need || nlmsg_len > len)
        return false;
    const uint8_t *ev = msg + nl_header;
    if (field_at<uint64_t>(ev + ev_vendor_id) != XELL_AEN_NL_VENDOR_ID ||
        field_at<uint16_t>(ev + ev_datalen) < sizeof(xel_aen_entry_t))
        return false;
    std::memcpy(entry, ev + ev_data, sizeof *entry);
    return true;
}
