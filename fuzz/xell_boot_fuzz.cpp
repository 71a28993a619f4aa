// libFuzzer target for the boot image package reader. The first byte
// picks what the rest is read as: a whole package (archive, digest,
// boot.txt, then every option ROM image of it patched for each device
// id), a boot.txt text, an option ROM chain, or a VPD image refreshed as
// each model would. Nothing may read or write outside the input, and a
// refreshed VPD image always carries a valid checksum.

#include "xell_boot.h"
#include "xell_vpd_checksum.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

void patch_chain(std::vector<uint8_t> rom)
{
    for (uint16_t devid : {0x13, 0x22}) {
        std::vector<uint8_t> copy = rom;
        xell_boot_version version;
        xell_boot_set_devid_chksum(copy, devid, true, &version);
        if (version.text[11] != '\0' && version.text[11] != '0')
            std::abort(); // the version text stays within its buffer
    }
}

void refresh_vpd(const uint8_t *data, size_t size)
{
    std::vector<uint8_t> own(XELL_VPD_SIZE, 0);
    std::memcpy(own.data(), data, size < own.size() ? size : own.size());
    xell_boot_version version;
    for (const char *model : {"Tessary-M41", "Tessary-M60"}) {
        xell_boot_vpd_source src;
        src.model_descr = model;
        src.vpd = own.data();
        src.vpd_version = 3;
        src.vpd_len = size > 0 ? data[0] : 0;
        src.serial = "SERIAL000000";
        std::vector<uint8_t> out;
        if (!xell_boot_vpd_refresh(src, version, &out))
            continue;
        if (out.size() != XELL_VPD_SIZE)
            std::abort();
        if (src.model_descr == "Tessary-M60")
            xell_swap32(out.data(), out.size());
        std::vector<uint8_t> again = out;
        // Refreshing the checksum of a refreshed image changes nothing.
        if (xell_vpd_update_checksum(again.data()) == XEL_STATUS_OK && again != out)
            std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    uint8_t mode = data[0] % 4;
    data++;
    size--;
    if (mode == 0) {
        xell_boot_package pkg;
        pkg.bytes.assign(data, data + size);
        if (xell_boot_package_read(&pkg) == XEL_STATUS_OK)
            for (const IMAGEFILE_DATA_T &image : pkg.images)
                patch_chain(std::vector<uint8_t>(image.ibuf.begin(), image.ibuf.end()));
    } else if (mode == 1) {
        std::vector<CARD_DATA_T> cards;
        if (xell_boot_parse_cards({data, size}, &cards) == XEL_STATUS_OK)
            for (const CARD_DATA_T &card : cards)
                if (card.port.empty() || static_cast<int>(card.port.size()) != card.portcnt)
                    std::abort(); // every section configures its ports
    } else if (mode == 2) {
        patch_chain(std::vector<uint8_t>(data, data + size));
    } else {
        refresh_vpd(data, size);
    }
    return 0;
}
