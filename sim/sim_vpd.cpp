// The adapter's product data as the firmware keeps it: the FRU VPD area
// and the temporary FRU area (files beside the state, erased until
// written), the manufacturing block and ASIC block it writes into the
// flash, and the personality change for every port of the adapter.
#include "sim_driver.h"
#include "sim_flash.h"
#include "xel_vpd_records.h"
#include "xell_state.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr uint32_t tfru_size = 256;

// An area's bytes: what was written, erased flash beyond it.
std::vector<uint8_t> read_area(const std::string &path, uint32_t size)
{
    std::vector<uint8_t> bytes(size, 0xff);
    std::ifstream in(path, std::ios::binary);
    if (in)
        in.read(reinterpret_cast<char *>(bytes.data()), static_cast<std::streamsize>(size));
    return bytes;
}

bool write_area(const std::string &path, const std::vector<uint8_t> &bytes)
{
    std::error_code ec;
    fs::create_directories(fs::path(path).parent_path(), ec);
    std::string temp = path + ".new";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out.write(reinterpret_cast<const char *>(bytes.data()), static_cast<std::streamsize>(bytes.size())) ||
            !out.flush())
            return false;
    }
    fs::rename(temp, path, ec);
    return !ec;
}

std::string area_path(const sim_call &call, const char *kind)
{
    return sim_state_dir(call.root) + "/" + kind + "/" + call.adapter().hwpath();
}

// A read or write of [offset, offset + len) within an area of size bytes,
// at most room bytes at a time.
template <typename Record>
int32_t area_transfer(sim_call &call, const char *kind, uint32_t size, uint32_t room, bool write)
{
    auto record = load<Record>(call);
    if (record.len > room || record.offset > size || record.len > size - record.offset)
        return XEL_STATUS_EINVAL;
    std::string path = area_path(call, kind);
    std::vector<uint8_t> bytes = read_area(path, size);
    auto from = bytes.begin() + record.offset;
    if (!write) {
        std::copy_n(from, record.len, record.data);
        store(call, record);
        return XEL_STATUS_OK;
    }
    std::copy_n(record.data, record.len, from);
    return write_area(path, bytes) ? XEL_STATUS_OK : XEL_STATUS_FAILED;
}

} // namespace

int32_t sim_fruvpd_get_max_size(sim_call &call)
{
    if (call.adapter().fru_size == 0)
        return XEL_STATUS_FRU_NOT_PRESENT;
    auto record = answer_record<xel_ioctl_fruvpd_max_size_t>(call);
    record.max_size = call.adapter().fru_size;
    store(call, record);
    return XEL_STATUS_OK;
}

int32_t sim_fruvpd_read(sim_call &call)
{
    if (call.adapter().fru_size == 0)
        return XEL_STATUS_FRU_NOT_PRESENT;
    return area_transfer<xel_ioctl_fruvpd_t>(call, "fru", call.adapter().fru_size, XEL_FRUVPD_CHUNK, false);
}

int32_t sim_fruvpd_write(sim_call &call)
{
    if (call.adapter().fru_size == 0)
        return XEL_STATUS_FRU_NOT_PRESENT;
    return area_transfer<xel_ioctl_fruvpd_t>(call, "fru", call.adapter().fru_size, XEL_FRUVPD_CHUNK, true);
}

int32_t sim_tfru_read(sim_call &call)
{
    return area_transfer<xel_ioctl_tfru_t>(call, "tfru", tfru_size, XEL_TFRU_DATA_SIZE, false);
}

int32_t sim_tfru_write(sim_call &call)
{
    return area_transfer<xel_ioctl_tfru_t>(call, "tfru", tfru_size, XEL_TFRU_DATA_SIZE, true);
}

// The block goes to the manufacturing partition; an ASIC block behind the
// record replaces the ASIC partition.
int32_t sim_mfg_update(sim_call &call)
{
    auto record = load<xel_ioctl_mfg_t>(call);
    if (record.mfg.version == 0 || std::memcmp(record.mfg.mfg_sig, "MFG", 3) != 0)
        return XEL_STATUS_EINVAL;
    sim_flash flash(call.root, call.adapter());
    if (record.asic_len > call.data.size() - sizeof record)
        return XEL_STATUS_EINVAL;
    if (record.asic_len > 0) {
        const xel_flash_part_attr_t *asic = flash.part(XEL_FLASH_PART_ASIC, 0);
        if (asic == nullptr || record.asic_len > asic->part_size)
            return XEL_STATUS_EINVAL;
        if (!flash.write_part(XEL_FLASH_PART_ASIC, 0, call.data.subspan(sizeof record, record.asic_len)))
            return XEL_STATUS_FAILED;
    }
    const auto *block = reinterpret_cast<const uint8_t *>(&record.mfg);
    return flash.write_part(XEL_FLASH_PART_MFG, 0, std::span(block, sizeof record.mfg)) ? XEL_STATUS_OK
                                                                                        : XEL_STATUS_FAILED;
}

// Every port of the adapter starts in the new personality next time.
int32_t sim_adapter_cfg_mode(sim_call &call)
{
    struct {
        int32_t status;
        uint16_t xeld_num;
        uint16_t rsvd;
        uint16_t max_pf;
        uint16_t max_vf;
        uint32_t mode;
    } record;
    static_assert(sizeof record == xel_cmd_size(XEL_CMD_ADAPTER_CFG_MODE));
    std::memcpy(&record, call.data.data(), sizeof record);
    if (record.mode < XEL_MODE_HBA || record.mode > XEL_MODE_NIC)
        return XEL_STATUS_EINVAL;
    for (uint32_t port = 0; port < call.adapter().nports; port++) {
        auto found = call.host.ports.find(sim_port_key(call.adapter(), port));
        if (found != call.host.ports.end())
            found->second.mode_cfg = record.mode;
    }
    call.changed = true;
    return XEL_STATUS_OK;
}
