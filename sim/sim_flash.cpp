#include "sim_flash.h"

#include "sim_driver.h"
#include "sim_state.h"
#include "xel_port_records.h"
#include "xell_state.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

constexpr uint8_t erased = 0xff;

// The manufacturing block as the factory wrote it: the capability flags
// (CNA, NIC and HBA on device 0x22; HBA and 16G on FC adapters).
void factory_mfg_block(const sim_adapter &ad, uint32_t offset, std::span<uint8_t> out)
{
    bool multi = ad.device_id == 0x22;
    bool fc = (ad.cap_bm & XEL_CAP_STORAGE) != 0;
    const bool flags[6] = {multi, multi, multi || fc, fc && ad.max_speed == 16, false, ad.is_mezz};
    uint8_t block[XEL_MFG_BLOCK_SIZE] = {};
    for (size_t i = 0; i < std::size(flags); i++)
        block[XEL_MFG_CAP_OFFSET + i] = flags[i] ? 'y' : 'n';
    for (size_t i = 0; i < out.size() && offset + i < sizeof block; i++)
        out[i] = block[offset + i];
}

} // namespace

sim_flash::sim_flash(const std::string &root, const sim_adapter &adapter)
    : dir_(sim_state_dir(root) + "/flash/" + adapter.hwpath()), adapter_(adapter)
{
    sim_fill_flash_attr(adapter, &attr_);
}

std::string sim_flash::file(uint32_t type, uint32_t instance) const
{
    return dir_ + "/" + std::to_string(type) + "." + std::to_string(instance);
}

const xel_flash_part_attr_t *sim_flash::part(uint32_t type, uint32_t instance) const
{
    for (uint32_t i = 0; i < attr_.npart; i++)
        if (attr_.part[i].part_type == type && attr_.part[i].part_instance == instance)
            return &attr_.part[i];
    return nullptr;
}

const xel_flash_part_attr_t *sim_flash::part_at(uint32_t address) const
{
    for (uint32_t i = 0; i < attr_.npart; i++)
        if (attr_.part[i].part_off == address)
            return &attr_.part[i];
    return nullptr;
}

uint32_t sim_flash::size() const
{
    uint32_t end = 0;
    for (uint32_t i = 0; i < attr_.npart; i++)
        end = std::max(end, attr_.part[i].part_off + attr_.part[i].part_size);
    return end;
}

void sim_flash::read_part(uint32_t type, uint32_t instance, uint32_t offset, std::span<uint8_t> out) const
{
    std::fill(out.begin(), out.end(), erased);
    std::ifstream in(file(type, instance), std::ios::binary);
    if (!in) {
        if (type == XEL_FLASH_PART_MFG)
            factory_mfg_block(adapter_, offset, out);
        return;
    }
    in.seekg(offset);
    in.read(reinterpret_cast<char *>(out.data()), static_cast<std::streamsize>(out.size()));
}

void sim_flash::read(uint32_t address, std::span<uint8_t> out) const
{
    std::fill(out.begin(), out.end(), erased);
    uint64_t end = uint64_t{address} + out.size();
    for (uint32_t i = 0; i < attr_.npart; i++) {
        const xel_flash_part_attr_t &p = attr_.part[i];
        uint64_t from = std::max<uint64_t>(address, p.part_off);
        uint64_t to = std::min<uint64_t>(end, uint64_t{p.part_off} + p.part_size);
        if (from < to)
            read_part(p.part_type, p.part_instance, static_cast<uint32_t>(from - p.part_off),
                      out.subspan(from - address, to - from));
    }
}

// Written beside and renamed over, so that a reader never sees half.
bool sim_flash::write_part(uint32_t type, uint32_t instance, std::span<const uint8_t> data)
{
    std::error_code ec;
    fs::create_directories(dir_, ec);
    std::string path = file(type, instance);
    std::string temp = path + ".new";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out.write(reinterpret_cast<const char *>(data.data()), static_cast<std::streamsize>(data.size())) ||
            !out.flush())
            return false;
    }
    return std::rename(temp.c_str(), path.c_str()) == 0;
}

bool sim_flash::erase_part(uint32_t type, uint32_t instance)
{
    return write_part(type, instance, {});
}

// ---- the storage driver's flash requests -------------------------------------

// Erasing the boot partition of a port also blanks its boot configuration.
int32_t sim_flash_erase_part(sim_call &call)
{
    auto record = load<xel_ioctl_flash_t>(call);
    if (record.type < XEL_FLASH_PART_OPTROM || record.type > XEL_FLASH_PART_ASICBK)
        return XEL_STATUS_EINVAL;
    if (record.type == XEL_FLASH_PART_BOOT) {
        auto found = call.host.ports.find(sim_port_key(call.adapter(), record.instance));
        if (found == call.host.ports.end())
            return XEL_STATUS_EINVAL;
        found->second.boot.assign(sizeof(xel_boot_cfg_t), 0xff);
        call.changed = true;
    }
    sim_flash flash(call.root, call.adapter());
    return flash.erase_part(record.type, record.instance) ? XEL_STATUS_OK : XEL_STATUS_FAILED;
}

int32_t sim_flash_read_part(sim_call &call)
{
    auto record = load<xel_ioctl_flash_t>(call);
    if (record.bufsz > call.data.size() - sizeof record)
        return XEL_STATUS_EINVAL;
    sim_flash flash(call.root, call.adapter());
    flash.read_part(record.type, record.instance, 0, call.data.subspan(sizeof record, record.bufsz));
    return XEL_STATUS_OK;
}
