#include "xell_transport_impl.h"

#include "xell_sys.h"

#include <fcntl.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

constexpr const char *debugfs_root = "/sys/kernel/debug";

const char *xell_trace_file(uint32_t cmd)
{
    switch (cmd) {
    case XEL_CMD_DEBUG_DRV_TRACE:
        return "drvtrc";
    case XEL_CMD_DEBUG_FW_TRACE:
        return "fwtrc";
    case XEL_CMD_DEBUG_FW_STATE:
        return "fwsave";
    default:
        return nullptr;
    }
}

// Reads until the buffer is full or the file ends; -1 on a read error.
ssize_t xell_read_full(int fd, uint8_t *buf, size_t size)
{
    size_t done = 0;
    while (done < size) {
        ssize_t n = xell_os().read(fd, buf + done, size - done);
        if (n < 0)
            return -1;
        if (n == 0)
            break;
        done += static_cast<size_t>(n);
    }
    return static_cast<ssize_t>(done);
}

bool xell_write_text(int fd, const std::string &text)
{
    return xell_os().write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size());
}

bool xell_debugfs_mounted()
{
    std::string mounts;
    if (!xell_os_read_file("/proc/mounts", &mounts))
        return false;
    size_t pos = 0;
    while (pos < mounts.size()) {
        size_t end = mounts.find('\n', pos);
        std::string line = mounts.substr(pos, end == std::string::npos ? std::string::npos : end - pos);
        char device[256], dir[256], type[64];
        if (std::sscanf(line.c_str(), "%255s %255s %63s", device, dir, type) == 3 &&
            std::strcmp(dir, debugfs_root) == 0 && std::strcmp(type, "debugfs") == 0)
            return true;
        if (end == std::string::npos)
            break;
        pos = end + 1;
    }
    return false;
}

// The traces and registers live in debugfs. It is mounted only here, when
// a command needs it, so that commands that do not leave no mount behind.
void xell_debugfs_mount()
{
    if (!xell_debugfs_mounted())
        xell_os().mount("debugfs", debugfs_root, "debugfs", 0, nullptr);
}

std::string xell_hex_pair(uint32_t a, uint32_t b)
{
    char text[32];
    std::snprintf(text, sizeof text, "%x:%x", a, b);
    return text;
}

} // namespace

std::string xell_debugfs_dir(const xell_t *ioc)
{
    return std::string(debugfs_root) + "/" + (xell_ioc_is_storage(ioc) ? "xel" : "kwo") + "/pci_dev:" + ioc->ioc_hwpath;
}

// The record's bufsz becomes the number of bytes actually read, so that
// nothing beyond them is taken for trace data.
xel_status_t xell_debugfs_trace(const xell_t *ioc, uint32_t cmd, void *args)
{
    auto *record = static_cast<xel_ioctl_debug_t *>(args);
    const char *file = xell_trace_file(cmd);
    if (file == nullptr) {
        record->status = XEL_STATUS_CMD_NOTSUPP;
        return XEL_STATUS_OK;
    }
    xell_debugfs_mount();
    std::string path = xell_debugfs_dir(ioc) + "/" + file;
    int fd = xell_os().open(path.c_str(), O_RDWR);
    if (fd < 0) {
        record->status = XEL_STATUS_EFOPEN;
        return XEL_STATUS_OK;
    }
    auto *buf = reinterpret_cast<uint8_t *>(static_cast<uintptr_t>(record->buf_ptr));
    ssize_t n = xell_read_full(fd, buf, XEL_DEBUG_TRACE_SIZE);
    xell_os().close(fd);
    record->bufsz = n < 0 ? 0 : static_cast<uint32_t>(n);
    record->status = n < 0 ? XEL_STATUS_FAILED : XEL_STATUS_OK;
    return XEL_STATUS_OK;
}

// A write sends "off:word" to regwr; a read sends "off:nwords" to regrd and
// reads the words back from the same open file.
xel_status_t xell_debugfs_register(const xell_t *ioc, uint32_t cmd, void *args)
{
    auto *header = static_cast<xel_ioctl_hdr_t *>(args);
    bool write = cmd == XEL_CMD_DIAG_REGWRITE;
    xell_debugfs_mount();
    std::string path = xell_debugfs_dir(ioc) + (write ? "/regwr" : "/regrd");
    int fd = xell_os().open(path.c_str(), O_RDWR);
    if (fd < 0) {
        header->status = XEL_STATUS_EFOPEN;
        return XEL_STATUS_OK;
    }
    bool ok;
    if (write) {
        const auto *record = static_cast<const xel_ioctl_regwrite_t *>(args);
        ok = xell_write_text(fd, xell_hex_pair(record->off, record->word));
    } else {
        const auto *record = static_cast<const xel_ioctl_regread_t *>(args);
        size_t size = static_cast<size_t>(record->nwords) * 4;
        auto *buf = reinterpret_cast<uint8_t *>(static_cast<uintptr_t>(record->buf_ptr));
        ok = xell_write_text(fd, xell_hex_pair(record->off, record->nwords)) &&
             xell_read_full(fd, buf, size) == static_cast<ssize_t>(size);
    }
    xell_os().close(fd);
    header->status = ok ? XEL_STATUS_OK : XEL_STATUS_FAILED;
    return XEL_STATUS_OK;
}
