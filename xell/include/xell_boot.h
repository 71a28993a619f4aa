// Boot image packages: a ustar archive holding the image archive (or being
// it) and the MD5 digest of it; the image archive's "boot.txt" names the
// images of each card type. The update checks the whole package before
// it writes anything.
#pragma once

#include "xel_status.h"
#include "xel_ioctl.h"
#include "xell_ioc.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

constexpr int XELL_BOOT_MAX_ADAPTERS = 16;

// One member of an archive; its content lies in the package's bytes.
struct IMAGEFILE_DATA_T {
    std::string iname;
    std::span<const uint8_t> ibuf;
    size_t isize = 0;
};

// One card section of "boot.txt"; a name is empty when its keyword is absent.
struct CARD_DATA_T {
    uint32_t card_type = 0;
    std::string firmware_name;
    std::string option_rom_name;
    std::string option_rom_2_name;
    std::string boot_overlay_name;
    std::string pxe_overlay_name;
    std::string fw_config_name;
    std::string asic_block_name;
    std::vector<uint8_t> port;
    int portcnt = 0;
};

// A package read and checked: the file's bytes and the tables over them.
struct xell_boot_package {
    std::vector<uint8_t> bytes;
    std::vector<IMAGEFILE_DATA_T> images;
    std::vector<CARD_DATA_T> cards;
};

// ---- the package (xell_boot_package.cpp) ----

// Reads a member size: octal digits up to a NUL or a space, at least one.
bool xell_octal_to_decimal(const char *field, size_t len, uint64_t *value);
// The members of a ustar archive up to its terminating zero block.
xel_status_t xell_tar_read(std::span<const uint8_t> archive, std::vector<IMAGEFILE_DATA_T> *members);
// Checks the package in pkg->bytes (the two members, the digest) and
// builds its image and card tables.
xel_status_t xell_boot_package_read(xell_boot_package *pkg);
// The card sections of "boot.txt".
xel_status_t xell_boot_parse_cards(std::span<const uint8_t> text, std::vector<CARD_DATA_T> *cards);

// ---- the images (xell_boot_image.cpp) ----

// The boot version an adapter's update reads from its option ROM:
// "00.00.00.00" until then.
struct xell_boot_version {
    char text[12];
    bool read;
    xell_boot_version();
};

// Reverses the bytes of each whole 32-bit word.
void xell_swap32(uint8_t *buf, size_t size);
// Gives each image of an option ROM chain the device id and new checksums;
// with version, reads the boot version from the first PC-compatible image.
xel_status_t xell_boot_set_devid_chksum(std::span<uint8_t> rom, uint16_t devid, bool version,
                                        xell_boot_version *boot_version);
// The VPD image written after the option ROM, for the adapters whose VPD
// carries the version; false for the others.
struct xell_boot_vpd_source {
    std::string model_descr;
    const uint8_t *vpd = nullptr; // the adapter's own 512 bytes
    uint8_t vpd_version = 0;
    uint8_t vpd_len = 0;
    const char *serial = nullptr; // 12 bytes
};
bool xell_boot_vpd_refresh(const xell_boot_vpd_source &src, const xell_boot_version &version,
                           std::vector<uint8_t> *out);
// The 512-byte VPD image of the cards that come without one.
std::vector<uint8_t> xell_boot_default_vpd();

// ---- the update (xell_boot.cpp, xell_boot_update.cpp) ----

xel_status_t xell_boot_fwupdate(xell_t *xell, const char *fwimgfile, uint16_t devid, uint16_t *status,
                                xel_status_t *err_code);
xel_status_t xell_boot_flash_data(xell_t *xell, uint16_t devid, uint32_t cardtype, int image_count, int card_count);
// The same with the IOC attributes already read.
xel_status_t xell_boot_flash_data_attr(xell_t *xell, const xel_ioc_attr_t &attr, uint16_t devid, uint32_t cardtype,
                                       int image_count, int card_count);
xel_status_t xell_boot_get_cfg_version(xell_t *xell, char *cfg_ver);
// Every adapter in a thread of its own, all joined before it returns.
xel_status_t xell_update_adapter_thread(uint16_t *status, xel_status_t *err_code, int image_count, int card_count);
// The package the running update applies, shared read-only by its threads.
const xell_boot_package *xell_boot_current_package();
