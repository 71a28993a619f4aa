#include "sim_ethtool.h"

#include "sim_flash.h"
#include "xel_bsg.h"
#include "xell_state.h"

#include <linux/ethtool.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

namespace {

// The firmware loader: a file by name under the root's /lib/firmware. A
// name that would leave that directory is no firmware file.
int request_firmware(const std::string &root, const std::string &name, std::vector<uint8_t> *image)
{
    if (name.empty())
        return EINVAL;
    if (name.front() == '/' || name == ".." || name.starts_with("../") || name.find("/../") != std::string::npos ||
        name.ends_with("/.."))
        return ENOENT;
    std::ifstream in(root + "/lib/firmware/" + name, std::ios::binary);
    if (!in)
        return ENOENT;
    image->assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return 0;
}

// The ethtool core's checks of an EEPROM request against the device's
// EEPROM length, then the driver's: the magic names the device.
int eeprom_check(const sim_flash &flash, const sim_function_ref &ref, const sim_ethtool_request &request)
{
    uint64_t end = uint64_t{request.offset} + request.data.size();
    if (request.data.empty() || end > flash.size())
        return EINVAL;
    uint32_t magic = static_cast<uint32_t>(ref.adapter->device_id) * 65536u + static_cast<uint32_t>(XEL_PCI_VENDOR_ID);
    return request.magic == magic ? 0 : EINVAL;
}

bool writes_half(const sim_fault *fault)
{
    return fault != nullptr && fault->kind == sim_fault_kind::flash_half;
}

// Half of what a write carries, when a fault cuts it short.
std::span<const uint8_t> written(std::span<const uint8_t> data, const sim_fault *fault)
{
    return writes_half(fault) ? data.first(data.size() / 2) : data;
}

int write_result(bool stored, const sim_fault *fault)
{
    return !stored || writes_half(fault) ? EIO : 0;
}

// A write carries a partition: the 4 bytes before its start hold the
// length of what follows.
int eeprom_write(sim_flash &flash, const sim_ethtool_request &request, const sim_fault *fault)
{
    const xel_flash_part_attr_t *part = request.offset <= UINT32_MAX - 4 ? flash.part_at(request.offset + 4) : nullptr;
    uint32_t length = 0;
    if (request.data.size() >= sizeof length)
        std::memcpy(&length, request.data.data(), sizeof length);
    if (part == nullptr || request.data.size() < sizeof length || length != request.data.size() - sizeof length ||
        length > part->part_size)
        return EINVAL;
    std::span<const uint8_t> data = written(request.data.subspan(sizeof length), fault);
    bool stored = flash.write_part(part->part_type, part->part_instance, data);
    return write_result(stored, fault);
}

// Only the firmware image is flashed from a file.
int flash_device(sim_flash &flash, const std::string &root, const sim_ethtool_request &request, const sim_fault *fault)
{
    const xel_flash_part_attr_t *part = flash.part(XEL_FLASH_PART_FWIMG, 0);
    if (request.region != XEL_FLASH_PART_FWIMG || part == nullptr)
        return EINVAL;
    std::vector<uint8_t> image;
    if (int err = request_firmware(root, request.file, &image))
        return err;
    if (image.size() > part->part_size)
        return EINVAL;
    return write_result(flash.write_part(XEL_FLASH_PART_FWIMG, 0, written(image, fault)), fault);
}

} // namespace

bool sim_ethtool_decode(struct ifreq *ifr, sim_ethtool_request *request, int *err)
{
    auto *record = reinterpret_cast<uint8_t *>(ifr->ifr_data);
    if (record == nullptr) {
        *err = EFAULT;
        return false;
    }
    request->ifname.assign(ifr->ifr_name, strnlen(ifr->ifr_name, sizeof ifr->ifr_name));
    std::memcpy(&request->cmd, record, sizeof request->cmd);
    if (request->cmd == ETHTOOL_GEEPROM || request->cmd == ETHTOOL_SEEPROM) {
        struct ethtool_eeprom eeprom;
        std::memcpy(&eeprom, record, sizeof eeprom);
        request->magic = eeprom.magic;
        request->offset = eeprom.offset;
        request->data = {record + sizeof eeprom, eeprom.len};
    } else if (request->cmd == ETHTOOL_FLASHDEV) {
        struct ethtool_flash flash;
        std::memcpy(&flash, record, sizeof flash);
        flash.data[ETHTOOL_FLASH_MAX_FILENAME - 1] = '\0';
        request->region = flash.region;
        request->file = flash.data;
    }
    return true;
}

int sim_kwo_ethtool(const std::string &root, const sim_function_ref &ref, const sim_ethtool_request &request,
                    const sim_fault *fault)
{
    // Reading and writing the EEPROM and flashing want CAP_NET_ADMIN, as
    // does every command the core does not know.
    if (!request.net_admin)
        return EPERM;
    sim_flash flash(root, *ref.adapter);
    switch (request.cmd) {
    case ETHTOOL_GEEPROM:
        if (int err = eeprom_check(flash, ref, request))
            return err;
        flash.read(request.offset, request.data);
        if (fault != nullptr && fault->kind == sim_fault_kind::flash_corrupt)
            request.data[request.data.size() / 2] ^= 0x5a;
        return 0;
    case ETHTOOL_SEEPROM:
        if (int err = eeprom_check(flash, ref, request))
            return err;
        return eeprom_write(flash, request, fault);
    case ETHTOOL_FLASHDEV:
        return flash_device(flash, root, request, fault);
    default:
        return EOPNOTSUPP;
    }
}
