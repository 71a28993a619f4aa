// The boot code update of one adapter from a package that has been read
// and checked whole, and the boot configuration version read.
#include "xell_boot.h"

#include "xel_ioctl.h"
#include "xell_flash.h"
#include "xell_request.h"

#include <algorithm>
#include <cstring>
#include <mutex>

namespace {

// The package of the update under way; its threads only read it.
const xell_boot_package *current_package = nullptr;

const IMAGEFILE_DATA_T *xell_boot_find_image(const xell_boot_package &pkg, const std::string &name, int image_count)
{
    if (name.empty())
        return nullptr;
    size_t count = std::min(pkg.images.size(), static_cast<size_t>(std::max(image_count, 0)));
    for (size_t i = 0; i < count; i++)
        if (pkg.images[i].iname == name)
            return &pkg.images[i];
    return nullptr;
}

std::vector<uint8_t> xell_copy(const IMAGEFILE_DATA_T &image)
{
    return std::vector<uint8_t>(image.ibuf.begin(), image.ibuf.end());
}

xel_status_t xell_boot_write(xell_t *xell, uint32_t type, uint8_t instance, const std::vector<uint8_t> &data)
{
    return xell_flash_update_part(xell, type, instance, data.data(), false, static_cast<uint32_t>(data.size()));
}

// The option ROM: device id and checksums, byte-swapped per word; then the
// VPD of the adapters that carry the boot version in it.
xel_status_t xell_boot_optrom(xell_t *xell, const IMAGEFILE_DATA_T &image, uint16_t devid,
                              const xel_ioc_attr_t &attr, xell_boot_version *version)
{
    std::vector<uint8_t> rom = xell_copy(image);
    xel_status_t status = xell_boot_set_devid_chksum(rom, devid, true, version);
    if (status != XEL_STATUS_OK)
        return status;
    xell_swap32(rom.data(), rom.size());
    status = xell_boot_write(xell, XEL_FLASH_PART_OPTROM, 0, rom);
    if (status != XEL_STATUS_OK)
        return status;
    const xel_adapter_attr_s &ad = attr.adapter_attr;
    xell_boot_vpd_source src;
    src.model_descr.assign(ad.model_descr, strnlen(ad.model_descr, sizeof ad.model_descr));
    src.vpd = ad.vpd.data;
    src.vpd_version = ad.vpd.version;
    src.vpd_len = ad.vpd.len;
    src.serial = ad.serial_num;
    std::vector<uint8_t> vpd;
    if (!xell_boot_vpd_refresh(src, *version, &vpd))
        return XEL_STATUS_OK;
    return xell_boot_write(xell, XEL_FLASH_PART_VPD, 0, vpd);
}

xel_status_t xell_boot_swapped(xell_t *xell, uint32_t type, const IMAGEFILE_DATA_T &image)
{
    std::vector<uint8_t> data = xell_copy(image);
    xell_swap32(data.data(), data.size());
    return xell_boot_write(xell, type, 0, data);
}

xel_status_t xell_boot_flash_card(xell_t *xell, const xell_boot_package &pkg, const CARD_DATA_T &card,
                                  uint16_t devid, const xel_ioc_attr_t &attr, int image_count)
{
    xell_boot_version version;
    xel_status_t status = XEL_STATUS_OK;
    if (const IMAGEFILE_DATA_T *img = xell_boot_find_image(pkg, card.firmware_name, image_count))
        status = xell_boot_write(xell, XEL_FLASH_PART_FWIMG, 0, xell_copy(*img));
    if (status != XEL_STATUS_OK)
        return status;
    if (const IMAGEFILE_DATA_T *img = xell_boot_find_image(pkg, card.option_rom_name, image_count))
        status = xell_boot_optrom(xell, *img, devid, attr, &version);
    if (status != XEL_STATUS_OK)
        return status;
    if (const IMAGEFILE_DATA_T *img = xell_boot_find_image(pkg, card.option_rom_2_name, image_count)) {
        std::vector<uint8_t> rom = xell_copy(*img);
        status = xell_boot_set_devid_chksum(rom, devid, false, &version);
        if (status == XEL_STATUS_OK) {
            xell_swap32(rom.data(), rom.size());
            status = xell_boot_write(xell, XEL_FLASH_PART_OPTROM2, 0, rom);
        }
    }
    if (status != XEL_STATUS_OK)
        return status;
    if (const IMAGEFILE_DATA_T *img = xell_boot_find_image(pkg, card.boot_overlay_name, image_count))
        status = xell_boot_swapped(xell, XEL_FLASH_PART_BOOTOVL, *img);
    if (status != XEL_STATUS_OK)
        return status;
    if (const IMAGEFILE_DATA_T *img = xell_boot_find_image(pkg, card.pxe_overlay_name, image_count))
        status = xell_boot_swapped(xell, XEL_FLASH_PART_PXEOVL, *img);
    if (status != XEL_STATUS_OK)
        return status;
    if (const IMAGEFILE_DATA_T *img = xell_boot_find_image(pkg, card.fw_config_name, image_count))
        for (size_t i = 0; i < card.port.size() && status == XEL_STATUS_OK; i++)
            status = xell_boot_write(xell, XEL_FLASH_PART_FWCFG, card.port[i], xell_copy(*img));
    if (status != XEL_STATUS_OK)
        return status;
    if (const IMAGEFILE_DATA_T *img = xell_boot_find_image(pkg, card.asic_block_name, image_count))
        status = xell_boot_write(xell, XEL_FLASH_PART_ASIC, 0, xell_copy(*img));
    if (status != XEL_STATUS_OK)
        return status;
    return xell_flash_enable_optrom(xell);
}

bool xell_boot_devid_valid(uint16_t devid)
{
    return devid == 0x13 || devid == 0x14 || devid == 0x17 || devid == 0x21;
}

void xell_boot_fail_all(xel_status_t *err_code, xel_status_t status)
{
    if (err_code != nullptr)
        std::fill(err_code, err_code + XELL_BOOT_MAX_ADAPTERS, status);
}

} // namespace

const xell_boot_package *xell_boot_current_package()
{
    return current_package;
}

xel_status_t xell_boot_flash_data(xell_t *xell, uint16_t devid, uint32_t cardtype, int image_count, int card_count)
{
    xel_ioc_attr_t attr{};
    xel_status_t status = xell_ioc_get_attr(xell, &attr);
    if (status != XEL_STATUS_OK)
        return status;
    return xell_boot_flash_data_attr(xell, attr, devid, cardtype, image_count, card_count);
}

xel_status_t xell_boot_flash_data_attr(xell_t *xell, const xel_ioc_attr_t &attr, uint16_t devid, uint32_t cardtype,
                                       int image_count, int card_count)
{
    const xell_boot_package *pkg = current_package;
    if (pkg == nullptr)
        return XEL_STATUS_FAILED;
    size_t count = std::min(pkg->cards.size(), static_cast<size_t>(std::max(card_count, 0)));
    for (size_t i = 0; i < count; i++)
        if (pkg->cards[i].card_type == cardtype)
            return xell_boot_flash_card(xell, *pkg, pkg->cards[i], devid, attr, image_count);
    return XEL_STATUS_CARDTYPE_MISSING;
}

xel_status_t xell_boot_fwupdate(xell_t *xell, const char *fwimgfile, uint16_t devid, uint16_t *status,
                                xel_status_t *err_code)
{
    xel_ioc_attr_t attr{};
    xel_status_t attr_status = xell != nullptr ? xell_ioc_get_attr(xell, &attr) : XEL_STATUS_OK;
    if (devid != 0 && !xell_boot_devid_valid(devid)) {
        xell_boot_fail_all(err_code, XEL_STATUS_INVALID_DEVID);
        return XEL_STATUS_INVALID_DEVID;
    }
    if (xell != nullptr && attr_status != XEL_STATUS_OK) {
        xell_boot_fail_all(err_code, attr_status);
        return attr_status;
    }
    uint32_t card_type = attr.adapter_attr.card_type;
    if (xell != nullptr && devid == 0)
        devid = attr.pci_attr.device_id;

    xell_boot_package pkg;
    xel_status_t result = xell_file_read(fwimgfile, &pkg.bytes);
    if (result != XEL_STATUS_OK)
        result = XEL_STATUS_FAILED;
    if (result == XEL_STATUS_OK)
        result = xell_boot_package_read(&pkg);
    if (result != XEL_STATUS_OK) {
        xell_boot_fail_all(err_code, result);
        return result;
    }
    // One update at a time applies a package.
    static std::mutex one_update;
    std::lock_guard<std::mutex> lock(one_update);
    current_package = &pkg;
    int images = static_cast<int>(pkg.images.size());
    int cards = static_cast<int>(pkg.cards.size());
    if (xell != nullptr)
        result = xell_boot_flash_data_attr(xell, attr, devid, card_type, images, cards);
    else
        result = xell_update_adapter_thread(status, err_code, images, cards);
    current_package = nullptr;
    return result;
}

// The record is the flash request with a 64-byte buffer behind it.
xel_status_t xell_boot_get_cfg_version(xell_t *xell, char *cfg_ver)
{
    xel_ioctl_flash_t record{};
    char text[64] = {};
    record.bufsz = sizeof text;
    xel_status_t status = xell_request_data(xell, XEL_CMD_BOOT_GET_CFG_VERSION, &record, text, sizeof text, 0, 0);
    if (status == XEL_STATUS_OK)
        std::memcpy(cfg_ver, text, sizeof text);
    return status;
}
