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
#include <vector>

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
    for (uint32_t i = 0; i < attr_.npart; i++) {
        std::error_code ec;
        uintmax_t written = fs::file_size(file(attr_.part[i].part_type, attr_.part[i].part_instance), ec);
        if (!ec)
            attr_.part[i].part_len = static_cast<uint32_t>(std::min<uintmax_t>(written, attr_.part[i].part_size));
    }
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

// ---- the drivers' flash requests ----------------------------------------------

namespace {

// The boot partition of a port is where its boot configuration lives.
sim_port_state *boot_port(sim_call &call, uint32_t instance)
{
    auto found = call.host.ports.find(sim_port_key(call.adapter(), instance));
    return found == call.host.ports.end() ? nullptr : &found->second;
}

// A request's partition: listed in the table, and the data behind the
// record within both the transfer and the partition.
const xel_flash_part_attr_t *request_part(const sim_call &call, const sim_flash &flash, const xel_ioctl_flash_t &record)
{
    const xel_flash_part_attr_t *part = flash.part(record.type, record.instance);
    if (part == nullptr || record.bufsz > call.data.size() - sizeof record || record.bufsz > part->part_size)
        return nullptr;
    return part;
}

// The version text of the first image of an option ROM as the library
// writes it (byte-swapped per 32-bit word): 7 characters at the pointer
// the image holds at 0x16.
std::string optrom_version(const sim_flash &flash)
{
    std::vector<uint8_t> rom(4096);
    flash.read_part(XEL_FLASH_PART_OPTROM, 0, 0, rom);
    for (size_t i = 0; i + 4 <= rom.size(); i += 4)
        std::reverse(rom.begin() + static_cast<long>(i), rom.begin() + static_cast<long>(i) + 4);
    if (rom[0] != 0x55 || rom[1] != 0xaa)
        return "";
    size_t at = rom[0x16] | (rom[0x17] << 8);
    if (at + 7 > rom.size())
        return "";
    std::string text(rom.begin() + static_cast<long>(at), rom.begin() + static_cast<long>(at) + 7);
    return text.substr(0, strnlen(text.c_str(), text.size()));
}

} // namespace

// The table with each partition's length in use.
int32_t sim_flash_get_attr(sim_call &call)
{
    auto record = answer_record<xel_ioctl_flash_attr_t>(call);
    record.attr = sim_flash(call.root, call.adapter()).attr();
    store(call, record);
    return XEL_STATUS_OK;
}

// Erasing the boot partition of a port also blanks its boot configuration.
int32_t sim_flash_erase_part(sim_call &call)
{
    auto record = load<xel_ioctl_flash_t>(call);
    sim_flash flash(call.root, call.adapter());
    if (flash.part(record.type, record.instance) == nullptr)
        return XEL_STATUS_EINVAL;
    if (record.type == XEL_FLASH_PART_BOOT) {
        sim_port_state *port = boot_port(call, record.instance);
        if (port == nullptr)
            return XEL_STATUS_EINVAL;
        port->boot.assign(sizeof(xel_boot_cfg_t), 0xff);
        call.changed = true;
    }
    return flash.erase_part(record.type, record.instance) ? XEL_STATUS_OK : XEL_STATUS_FAILED;
}

int32_t sim_flash_read_part(sim_call &call)
{
    auto record = load<xel_ioctl_flash_t>(call);
    sim_flash flash(call.root, call.adapter());
    if (request_part(call, flash, record) == nullptr)
        return XEL_STATUS_EINVAL;
    std::span<uint8_t> out = call.data.subspan(sizeof record, record.bufsz);
    flash.read_part(record.type, record.instance, 0, out);
    sim_port_state *port = record.type == XEL_FLASH_PART_BOOT ? boot_port(call, record.instance) : nullptr;
    if (port != nullptr && !port->boot.empty())
        std::copy_n(port->boot.begin(), std::min(port->boot.size(), out.size()), out.begin());
    if (call.flash_fault != nullptr && !out.empty())
        out[out.size() / 2] ^= 0x5a;
    return XEL_STATUS_OK;
}

// A write replaces the partition's contents and sets its length; one that
// fails halfway has stored the first half when it answers.
int32_t sim_flash_update_part(sim_call &call)
{
    auto record = load<xel_ioctl_flash_t>(call);
    sim_flash flash(call.root, call.adapter());
    if (request_part(call, flash, record) == nullptr)
        return XEL_STATUS_EINVAL;
    std::span<const uint8_t> data = call.data.subspan(sizeof record, record.bufsz);
    if (call.flash_fault != nullptr)
        data = data.first(data.size() / 2);
    if (!flash.write_part(record.type, record.instance, data))
        return XEL_STATUS_FAILED;
    sim_port_state *port = record.type == XEL_FLASH_PART_BOOT ? boot_port(call, record.instance) : nullptr;
    if (port != nullptr) {
        port->boot.assign(sizeof(xel_boot_cfg_t), 0xff);
        std::copy_n(data.begin(), std::min(data.size(), port->boot.size()), port->boot.begin());
        call.changed = true;
    }
    return call.flash_fault != nullptr ? call.flash_fault->value : XEL_STATUS_OK;
}

int32_t sim_flash_enable_optrom(sim_call &call)
{
    call.host.optrom_enabled.at(call.ref.adapter_index) = 1;
    call.changed = true;
    return XEL_STATUS_OK;
}

int32_t sim_flash_disable_optrom(sim_call &call)
{
    call.host.optrom_enabled.at(call.ref.adapter_index) = 0;
    call.changed = true;
    return XEL_STATUS_OK;
}

// The boot code's version: the option ROM's own once one has been
// written, else the one the adapter came with; none while the option ROM
// is switched off.
int32_t sim_boot_get_cfg_version(sim_call &call)
{
    auto record = load<xel_ioctl_flash_t>(call);
    if (record.bufsz < 64 || record.bufsz > call.data.size() - sizeof record)
        return XEL_STATUS_EINVAL;
    std::span<uint8_t> out = call.data.subspan(sizeof record, record.bufsz);
    std::fill(out.begin(), out.end(), 0);
    if (!call.host.optrom_enabled.at(call.ref.adapter_index))
        return XEL_STATUS_OK;
    sim_flash flash(call.root, call.adapter());
    std::string version = optrom_version(flash);
    if (version.empty())
        version = call.adapter().optrom_ver;
    std::copy_n(version.begin(), std::min<size_t>(version.size(), 63), out.begin());
    return XEL_STATUS_OK;
}
