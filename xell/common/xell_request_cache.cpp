#include "xell_request_cache.h"

#include "xel_fabric_records.h"
#include "xel_ioctl.h"
#include "xel_port_records.h"
#include "xell_transport.h"

#include <cstddef>
#include <cstring>
#include <map>
#include <mutex>
#include <vector>

namespace {

// The reads whose answer stays the same until a request changes something.
// A record that carries its data behind it names where its pointer to that
// data lies, so that two requests with their data at other addresses are
// still the same request.
struct xell_kept_read {
    uint32_t cmd;
    int buf_ptr_at; // -1: the record holds no pointer
};

constexpr xell_kept_read kept_reads[] = {
    {XEL_CMD_IOC_COMPARE_VERSIONS, -1},
    {XEL_CMD_IOC_GET_ATTR, -1},
    {XEL_CMD_IOC_GET_INFO, -1},
    {XEL_CMD_IOCFC_GET_ATTR, -1},
    {XEL_CMD_PORT_GET_ATTR, -1},
    {XEL_CMD_ETHPORT_GET_ATTR, -1},
    {XEL_CMD_CEE_GET_ATTR, offsetof(xel_ioctl_cee_t, buf_ptr)},
    {XEL_CMD_SFP_MEDIA, -1},
    {XEL_CMD_SFP_SPEED, -1},
    {XEL_CMD_DIAG_DPORT_GET_STATE, -1},
    {XEL_CMD_PORT_GET_TRUNK_ATTR, -1},
    {XEL_CMD_FAA_QUERY, -1},
    {XEL_CMD_QOS_GET_ATTR, -1},
    {XEL_CMD_QOS_GET_VC_ATTR, -1},
    {XEL_CMD_PCIFN_CFG_GET, -1},
    {XEL_CMD_VHBA_GET_ATTR, -1},
    {XEL_CMD_BIOS_QUERY, -1},
    {XEL_CMD_BIOS_PBC_QUERY, -1},
    {XEL_CMD_ETHBOOT_QUERY, -1},
    {XEL_CMD_FLASH_GET_ATTR, -1},
    {XEL_CMD_BOOT_GET_CFG_VERSION, offsetof(xel_ioctl_flash_t, buf_ptr)},
    {XEL_CMD_LPORT_GET_ATTR, -1},
    {XEL_CMD_FABRIC_GET_LPORTS, offsetof(xel_ioctl_fabric_lports_t, buf_ptr)},
    {XEL_CMD_LPORT_GET_RPORTS, offsetof(xel_ioctl_lport_rports_t, rbuf_ptr)},
    {XEL_CMD_RPORT_GET_ATTR_BY_QUALIFIER, -1},
    {XEL_CMD_RPORT_GET_SCSI_ADDRESS, -1},
    {XEL_CMD_ITNIM_GET_ATTR, -1},
    {XEL_CMD_VPORT_GET_ATTR, -1},
    {XEL_CMD_FCPIM_LUNMASK_QUERY, -1},
    {XEL_CMD_FCPIM_THROTTLE_QUERY, -1},
};

// Frames and SCSI commands to remote ports pass through the driver without
// changing what it answers to the reads above, so they keep them.
bool xell_passes_through(uint32_t cmd)
{
    return cmd == XEL_CMD_FCPT || cmd == XEL_CMD_SCSI_CMND;
}

struct xell_kept_answer {
    std::vector<uint8_t> bytes;
    xel_status_t status = XEL_STATUS_OK;
};

// Boot updates send from several threads.
std::mutex kept_mutex;
std::map<std::string, xell_kept_answer> kept_answers;
std::map<std::string, xel_flash_attr_t> kept_layouts; // by PCI function

const xell_kept_read *xell_kept_read_of(uint32_t cmd)
{
    for (const auto &read : kept_reads)
        if (read.cmd == cmd)
            return &read;
    return nullptr;
}

uint64_t xell_pointer_at(const uint8_t *record, int offset)
{
    uint64_t value;
    std::memcpy(&value, record + offset, sizeof value);
    return value;
}

} // namespace

xell_cached_request::xell_cached_request(const xell_t *ioc, uint32_t cmd, void *args, int size)
    : args_(static_cast<uint8_t *>(args)), size_(static_cast<size_t>(size == 0 ? XELL_ARGS_SIZE : size))
{
    passes_ = xell_passes_through(cmd);
    const xell_kept_read *read = xell_kept_read_of(cmd);
    if (read == nullptr || size < 0 || size_ < xel_cmd_size(cmd))
        return;
    buf_ptr_at_ = read->buf_ptr_at;
    // Data anywhere but right behind the record would not be in the answer.
    if (buf_ptr_at_ >= 0 &&
        xell_pointer_at(args_, buf_ptr_at_) != reinterpret_cast<uintptr_t>(args_ + xel_cmd_size(cmd)))
        return;
    key_.assign(ioc->devpath);
    key_.push_back('\0');
    key_.append(reinterpret_cast<const char *>(&cmd), sizeof cmd);
    key_.append(reinterpret_cast<const char *>(args_), size_);
    if (buf_ptr_at_ >= 0)
        std::memset(key_.data() + key_.size() - size_ + static_cast<size_t>(buf_ptr_at_), 0, sizeof(uint64_t));
    kept_ = true;
}

bool xell_cached_request::answered(xel_status_t *status) const
{
    std::lock_guard<std::mutex> lock(kept_mutex);
    if (!kept_) {
        if (!passes_)
            kept_answers.clear();
        return false;
    }
    auto found = kept_answers.find(key_);
    if (found == kept_answers.end())
        return false;
    uint64_t pointer = buf_ptr_at_ >= 0 ? xell_pointer_at(args_, buf_ptr_at_) : 0;
    std::memcpy(args_, found->second.bytes.data(), size_);
    if (buf_ptr_at_ >= 0)
        std::memcpy(args_ + buf_ptr_at_, &pointer, sizeof pointer);
    *status = found->second.status;
    return true;
}

void xell_cached_request::keep(xel_status_t status) const
{
    std::lock_guard<std::mutex> lock(kept_mutex);
    // Again after a change went out: another thread may have kept what it
    // read while this request was on its way.
    if (!kept_) {
        if (!passes_)
            kept_answers.clear();
        return;
    }
    kept_answers[key_] = {std::vector<uint8_t>(args_, args_ + size_), status};
}

void xell_request_cache_forget()
{
    std::lock_guard<std::mutex> lock(kept_mutex);
    kept_answers.clear();
    kept_layouts.clear();
}

bool xell_request_cache_flash_layout(const xell_t *ioc, xel_flash_attr_t *attr)
{
    std::lock_guard<std::mutex> lock(kept_mutex);
    auto found = kept_layouts.find(ioc->ioc_hwpath);
    if (found == kept_layouts.end())
        return false;
    *attr = found->second;
    return true;
}

void xell_request_cache_keep_flash_layout(const xell_t *ioc, const xel_flash_attr_t &attr)
{
    std::lock_guard<std::mutex> lock(kept_mutex);
    kept_layouts[ioc->ioc_hwpath] = attr;
}
