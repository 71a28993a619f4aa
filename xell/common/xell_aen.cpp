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
