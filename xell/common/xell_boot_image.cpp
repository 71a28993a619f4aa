// Adapting a package's images to one adapter before they are written: the
// option ROM chain gets the adapter's device id and new checksums, and the
// VPD image the boot version. Every pointer and length read from an image
// is checked against the image's bytes.
#include "xell_boot.h"

#include "xell_vpd_checksum.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr size_t rom_version_ptr = 0x16;
constexpr size_t rom_pcir_ptr = 0x18;
constexpr size_t rom_pnp_ptr = 0x1a;
constexpr size_t pcir_devid = 0x06;
constexpr size_t pcir_length = 0x10;
constexpr size_t pcir_code_type = 0x14;
constexpr size_t pcir_indicator = 0x15;
constexpr size_t pnp_length = 0x05;
constexpr size_t pnp_checksum = 0x09;
constexpr size_t pnp_devid = 0x0c;
constexpr size_t vpd_serial_at = 201;
constexpr size_t vpd_serial_len = 12;

uint16_t get16(std::span<const uint8_t> b, size_t at)
{
    return static_cast<uint16_t>(b[at] | (b[at + 1] << 8));
}

void put16(std::span<uint8_t> b, size_t at, uint16_t v)
{
    b[at] = static_cast<uint8_t>(v);
    b[at + 1] = static_cast<uint8_t>(v >> 8);
}

// The device ids whose option ROM images take the adapter's id.
bool xell_rom_devid(uint16_t devid)
{
    return devid == 0x14 || devid == 0x17 || devid == 0x21 || devid == 0x22;
}

uint8_t xell_negated_sum(std::span<const uint8_t> bytes)
{
    unsigned sum = 0;
    for (uint8_t b : bytes)
        sum += b;
    return static_cast<uint8_t>(-sum);
}

// Seven characters "3.0.0.0" go to positions 1-2, 4-5, 7-8 and 10-11 in
// pairs, so that the text reads "03.00.00.00".
void xell_read_version(std::span<const uint8_t> image, xell_boot_version *version)
{
    size_t at = get16(image, rom_version_ptr);
    if (at > image.size() || image.size() - at < 7)
        return;
    uint8_t text[8] = {};
    std::memcpy(text, image.data() + at, 7);
    for (int pair = 0; pair < 4; pair++) {
        version->text[3 * pair + 1] = static_cast<char>(text[2 * pair]);
        version->text[3 * pair + 2] = static_cast<char>(text[2 * pair + 1]);
    }
    version->read = true;
}

// The PnP header of an image: its device id and its own checksum.
bool xell_patch_pnp(std::span<uint8_t> image, uint16_t devid)
{
    size_t pnp = get16(image, rom_pnp_ptr);
    if (pnp > image.size() || image.size() - pnp < pnp_devid + 2)
        return false;
    size_t len = size_t{image[pnp + pnp_length]} * 16;
    if (len < pnp_devid + 2 || len > image.size() - pnp)
        return false;
    put16(image, pnp + pnp_devid, devid);
    image[pnp + pnp_checksum] = 0;
    image[pnp + pnp_checksum] = xell_negated_sum(image.subspan(pnp, len));
    return true;
}

bool xell_is_model(const std::string &descr, const char *model)
{
    return descr == model;
}

// "V7", any byte, "DCM": the 40 characters right behind it.
void xell_vpd_set_dcm(uint8_t *vpd)
{
    static const char dcm[] = "1001008018120200804121010080182302008041";
    for (size_t at = 0; at + 6 + 40 <= XELL_VPD_SIZE; at++)
        if (vpd[at] == 'V' && vpd[at + 1] == '7' && std::memcmp(vpd + at + 3, "DCM", 3) == 0) {
            std::memcpy(vpd + at + 6, dcm, 40);
            return;
        }
}

void xell_vpd_set_version(uint8_t *vpd, const xell_boot_version &version)
{
    size_t offset = 0, len = 0;
    if (xell_vpd_find_fw_ver_offset(vpd, &offset, &len) != XEL_STATUS_OK)
        return;
    size_t n = std::min(len, std::strlen(version.text));
    if (std::memcmp(vpd + offset, version.text, n) != 0)
        std::memcpy(vpd + offset, version.text, n);
}

// Appends a keyword to a VPD image being built.
size_t xell_vpd_put(std::vector<uint8_t> &vpd, size_t at, const char *key, const std::string &data)
{
    vpd[at] = static_cast<uint8_t>(key[0]);
    vpd[at + 1] = static_cast<uint8_t>(key[1]);
    vpd[at + 2] = static_cast<uint8_t>(data.size());
    std::memcpy(vpd.data() + at + 3, data.data(), data.size());
    return at + 3 + data.size();
}

} // namespace

xell_boot_version::xell_boot_version() : text("00000000000"), read(false)
{
}

void xell_swap32(uint8_t *buf, size_t size)
{
    for (size_t i = 0; i + 4 <= size; i += 4) {
        std::swap(buf[i], buf[i + 3]);
        std::swap(buf[i + 1], buf[i + 2]);
    }
}

xel_status_t xell_boot_set_devid_chksum(std::span<uint8_t> rom, uint16_t devid, bool version,
                                        xell_boot_version *boot_version)
{
    for (size_t offset = 0;;) {
        if (offset >= rom.size() || rom.size() - offset < rom_pnp_ptr + 2)
            return XEL_STATUS_BAD_BOOT_CODE;
        std::span<uint8_t> rest = rom.subspan(offset);
        size_t pcir = get16(rest, rom_pcir_ptr);
        if (pcir > rest.size() || rest.size() - pcir < pcir_indicator + 1)
            return XEL_STATUS_BAD_BOOT_CODE;
        size_t len = size_t{get16(rest, pcir + pcir_length)} * 512;
        if (len == 0 || len > rest.size() || pcir + pcir_indicator + 1 > len)
            return XEL_STATUS_BAD_BOOT_CODE;
        std::span<uint8_t> image = rest.first(len);
        if (xell_rom_devid(devid))
            put16(image, pcir + pcir_devid, devid);
        if (image[pcir + pcir_code_type] == 0) {
            if (version && !boot_version->read)
                xell_read_version(image, boot_version);
            if (!xell_rom_devid(devid))
                return XEL_STATUS_OK;
            if (!xell_patch_pnp(image, devid))
                return XEL_STATUS_BAD_BOOT_CODE;
        }
        image[len - 1] = 0;
        image[len - 1] = xell_negated_sum(image);
        offset += len;
        if (image[pcir + pcir_indicator] & 0x80)
            return XEL_STATUS_OK;
    }
}

std::vector<uint8_t> xell_boot_default_vpd()
{
    std::vector<uint8_t> vpd(XELL_VPD_SIZE, 0);
    static const char name[] = "Tessary-M41 Dual Port 16Gb Fibre Channel Adapter";
    vpd[0] = 0x82;
    put16(vpd, 1, 128);
    std::memcpy(vpd.data() + 3, name, sizeof name - 1);
    vpd[131] = 0x90;
    size_t at = xell_vpd_put(vpd, XELL_VPD_KEYWORDS_OFFSET, "V0", std::string(16, '\0'));
    at = xell_vpd_put(vpd, at, "PN", "TSM41-16G-DP0000");
    at = xell_vpd_put(vpd, at, "EC", "A00     ");
    at = xell_vpd_put(vpd, at, "MN", "TESSARY CORP");
    at = xell_vpd_put(vpd, at, "SN", std::string(vpd_serial_len, ' ')); // its data starts at byte 201
    at = xell_vpd_put(vpd, at, "V1", "M41 16GB");
    at = xell_vpd_put(vpd, at, "V2", "FFV00.00.00.00");
    at = xell_vpd_put(vpd, at, "V3", "DSV00.00");
    at = xell_vpd_put(vpd, at, "V4", "NMVTSRY ");
    at = xell_vpd_put(vpd, at, "V5", "PRT2    ");
    at = xell_vpd_put(vpd, at, "V6", "MTP16G  ");
    at = xell_vpd_put(vpd, at, "V7", "DCM" + std::string(40, '0'));
    size_t area = 236;
    put16(vpd, XELL_VPD_VPDR_LEN_OFFSET, static_cast<uint16_t>(area));
    xell_vpd_put(vpd, at, "RV", std::string(XELL_VPD_KEYWORDS_OFFSET + area - at - 3, '\0'));
    xell_vpd_update_checksum(vpd.data());
    return vpd;
}

bool xell_boot_vpd_refresh(const xell_boot_vpd_source &src, const xell_boot_version &version,
                           std::vector<uint8_t> *out)
{
    bool m41 = xell_is_model(src.model_descr, "Tessary-M41");
    bool m6x = xell_is_model(src.model_descr, "Tessary-M60") || xell_is_model(src.model_descr, "Tessary-M64");
    if (!m41 && !(m6x && src.vpd_len != 0))
        return false;
    if (m6x || (src.vpd_version == 3 && src.vpd_len != 0)) {
        out->assign(src.vpd, src.vpd + XELL_VPD_SIZE);
    } else {
        *out = xell_boot_default_vpd();
        if (src.serial != nullptr)
            std::memcpy(out->data() + vpd_serial_at, src.serial, vpd_serial_len);
    }
    uint8_t *vpd = out->data();
    if (m41 && vpd[XELL_VPD_KEYWORDS_OFFSET] == 'V' && vpd[XELL_VPD_KEYWORDS_OFFSET + 1] == '0')
        vpd[XELL_VPD_VPDR_LEN_OFFSET] = 236;
    xell_vpd_set_version(vpd, version);
    if (m41)
        xell_vpd_set_dcm(vpd);
    xell_vpd_update_checksum(vpd);
    if (m6x)
        xell_swap32(vpd, XELL_VPD_SIZE);
    return true;
}
