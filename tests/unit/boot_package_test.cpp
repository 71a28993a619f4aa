// The boot image package reader over archives, boot.txt texts, option ROM
// chains and VPD images built here from their public layouts (POSIX
// ustar; the PCI firmware and PnP BIOS standards; PCI VPD), with the
// faults a damaged or hostile package may carry.
#include "xell_boot.h"
#include "xell_md5.h"
#include "xell_vpd_checksum.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

using bytes = std::vector<uint8_t>;

// A ustar member: header (name, octal size, "ustar" magic) and content
// padded to 512 bytes. size_field overrides the size text.
bytes member(const std::string &name, const std::string &content, const char *size_field = nullptr)
{
    bytes out(512, 0);
    std::memcpy(out.data(), name.data(), std::min<size_t>(name.size(), 100));
    char size[12];
    std::snprintf(size, sizeof size, "%011o", static_cast<unsigned>(content.size()));
    if (size_field != nullptr)
        std::memcpy(size, size_field, std::min<size_t>(std::strlen(size_field) + 1, sizeof size));
    std::memcpy(out.data() + 124, size, sizeof size);
    std::memcpy(out.data() + 257, "ustar", 6);
    out.insert(out.end(), content.begin(), content.end());
    out.resize((out.size() + 511) / 512 * 512, 0);
    return out;
}

bytes archive(std::initializer_list<bytes> members, bool terminated = true)
{
    bytes out;
    for (const bytes &m : members)
        out.insert(out.end(), m.begin(), m.end());
    if (terminated)
        out.resize(out.size() + 1024, 0);
    return out;
}

std::string text(const bytes &b)
{
    return std::string(b.begin(), b.end());
}

std::string md5(const std::string &s)
{
    char out[33];
    xell_md5(s.data(), s.size(), out);
    return out;
}

// An option ROM image: 55 AA, the version text at 0x40, the PCI data
// structure at 0x60, the PnP header at 0x80, summing to 0.
bytes rom_image(size_t blocks, uint8_t code_type, bool last, uint16_t length_field)
{
    bytes img(blocks * 512, 0);
    img[0] = 0x55;
    img[1] = 0xaa;
    img[0x16] = 0x40;
    img[0x18] = 0x60;
    img[0x1a] = 0x80;
    std::memcpy(img.data() + 0x40, "3.0.0.0", 7);
    std::memcpy(img.data() + 0x60, "PCIR", 4);
    img[0x60 + 0x10] = static_cast<uint8_t>(length_field);
    img[0x60 + 0x11] = static_cast<uint8_t>(length_field >> 8);
    img[0x60 + 0x14] = code_type;
    img[0x60 + 0x15] = last ? 0x80 : 0;
    std::memcpy(img.data() + 0x80, "$PnP", 4);
    img[0x80 + 5] = 2;
    return img;
}

uint8_t sum(const uint8_t *p, size_t n)
{
    unsigned s = 0;
    for (size_t i = 0; i < n; i++)
        s += p[i];
    return static_cast<uint8_t>(s);
}

} // namespace

TEST(BootArchive, ReadsMembersUpToTheZeroBlock)
{
    std::string long_name(100, 'n'); // fills the field, no NUL
    bytes a = archive({member("boot.txt", "Version=3.0.0.0\n"), member(long_name, std::string(700, 'x'))});
    std::vector<IMAGEFILE_DATA_T> members;
    ASSERT_EQ(xell_tar_read(a, &members), XEL_STATUS_OK);
    ASSERT_EQ(members.size(), 2u);
    EXPECT_EQ(members[0].iname, "boot.txt");
    EXPECT_EQ(text(bytes(members[0].ibuf.begin(), members[0].ibuf.end())), "Version=3.0.0.0\n");
    EXPECT_EQ(members[1].iname, long_name);
    EXPECT_EQ(members[1].isize, 700u);
}

TEST(BootArchive, RefusesWhatDoesNotLieInTheArchive)
{
    bytes good = member("a.bin", "abc");
    bytes no_magic = good;
    no_magic[257] = 'x';
    bytes past_end = archive({member("a.bin", "abc", "00000001000")}, false);
    const struct {
        const char *what;
        bytes archive;
    } cases[] = {
        {"no terminating zero block", archive({good}, false)},
        {"a header cut short", bytes(good.begin(), good.begin() + 300)},
        {"no ustar magic", archive({no_magic})},
        {"a size digit that is not octal", archive({member("a.bin", "abc", "0000000008")})},
        {"a size with letters", archive({member("a.bin", "abc", "12x")})},
        {"an empty size", archive({member("a.bin", "abc", "")})},
        {"a size past the archive", past_end},
        {"a huge size", archive({member("a.bin", "abc", "77777777777")})},
    };
    for (const auto &c : cases) {
        std::vector<IMAGEFILE_DATA_T> members;
        EXPECT_EQ(xell_tar_read(c.archive, &members), XEL_STATUS_BAD_FILE) << c.what;
    }
}

TEST(BootArchive, OctalSizes)
{
    uint64_t v = 0;
    EXPECT_TRUE(xell_octal_to_decimal("00000001750", 12, &v));
    EXPECT_EQ(v, 1000u);
    EXPECT_TRUE(xell_octal_to_decimal("  1750 ", 7, &v)); // as some tars pad it
    EXPECT_EQ(v, 1000u);
    EXPECT_TRUE(xell_octal_to_decimal("777777777777", 12, &v)); // the whole field, no terminator
    EXPECT_FALSE(xell_octal_to_decimal("17 50", 5, &v));
    EXPECT_FALSE(xell_octal_to_decimal("-17", 3, &v));
}

TEST(BootPackage, NeedsTheDigestOfItsFirstMember)
{
    std::string boot = "Version=3.0.0.0\nCARDTYPE=7\nFIRMWARE=fw\n";
    bytes images = archive({member("boot.txt", boot), member("fw", "firmware")});
    std::string digest = md5(text(images));
    std::string upper = digest;
    for (char &c : upper)
        c = static_cast<char>(std::toupper(c));
    const struct {
        const char *what;
        bytes package;
        xel_status_t status;
    } cases[] = {
        {"nested", archive({member("images.tar", text(images)), member("h", "x <hash>" + digest + "\n")}),
         XEL_STATUS_OK},
        {"direct", archive({member("boot.txt", boot), member("h", "<hash>" + md5(boot)), member("fw", "firmware")}),
         XEL_STATUS_OK},
        {"upper-case digest", archive({member("images.tar", text(images)), member("h", "<hash>" + upper)}),
         XEL_STATUS_BAD_FILE},
        {"digest of 31 digits", archive({member("images.tar", text(images)), member("h", "<hash>" + digest.substr(1))}),
         XEL_STATUS_BAD_FILE},
        {"no hash member", archive({member("images.tar", text(images))}), XEL_STATUS_BAD_FILE},
        {"first image not boot.txt",
         archive({member("images.tar", text(archive({member("fw", "x")}))),
                  member("h", "<hash>" + md5(text(archive({member("fw", "x")}))))}),
         XEL_STATUS_BAD_FILE},
        {"empty file", bytes(), XEL_STATUS_BAD_FILE},
    };
    for (const auto &c : cases) {
        xell_boot_package pkg;
        pkg.bytes = c.package;
        EXPECT_EQ(xell_boot_package_read(&pkg), c.status) << c.what;
        if (c.status == XEL_STATUS_OK) {
            ASSERT_EQ(pkg.cards.size(), 1u) << c.what;
            EXPECT_EQ(pkg.cards[0].card_type, 7u);
        }
    }
}

TEST(BootText, CardSections)
{
    auto parse = [](const std::string &s, std::vector<CARD_DATA_T> *cards) {
        return xell_boot_parse_cards({reinterpret_cast<const uint8_t *>(s.data()), s.size()}, cards);
    };
    std::vector<CARD_DATA_T> cards;
    ASSERT_EQ(parse("Version=3.0.0.0\n"
                    "# comment\n"
                    "CARDTYPE=1602\n"
                    "FIRMWARE = f w.bin\t\r\n"
                    "OPTROM2=pxe.rom\n"
                    "OPTROM=boot.rom\n"
                    "FWCFG=cfg # comment after a keyword\n"
                    "PORT=0,1f\n"
                    "other line\n"
                    "\n"
                    "CARDTYPE=1002\n"
                    "ASICBLOCK=asic\n",
                    &cards),
              XEL_STATUS_OK);
    ASSERT_EQ(cards.size(), 2u);
    EXPECT_EQ(cards[0].firmware_name, "fw.bin");
    EXPECT_EQ(cards[0].option_rom_name, "boot.rom");
    EXPECT_EQ(cards[0].option_rom_2_name, "pxe.rom");
    EXPECT_EQ(cards[0].fw_config_name, "");
    EXPECT_EQ(cards[0].port, (std::vector<uint8_t>{0, 0x1f}));
    EXPECT_EQ(cards[1].asic_block_name, "asic");
    EXPECT_EQ(cards[1].port, std::vector<uint8_t>{0}); // the file ends the section

    const struct {
        const char *text;
        xel_status_t status;
    } refused[] = {
        {"", XEL_STATUS_BAD_FILE},
        {"Version 3.0.0.0\n", XEL_STATUS_BAD_FILE},
        {"Version=3.0.0.0\r\n", XEL_STATUS_BOOT_VERSION},
        {"Version=3.0.0.0\nPORT=0\nCARDTYPE=1\n", XEL_STATUS_FAILED},
        {"Version=3.0.0.0\nCARDTYPE=1\nCARDTYPE=2\n", XEL_STATUS_FAILED},
        {"Version=3.0.0.0\nCARDTYPE=1\n\nFIRMWARE=fw\n", XEL_STATUS_FAILED},
        {"Version=3.0.0.0\nCARDTYPE=x1\n", XEL_STATUS_FAILED},
        {"Version=3.0.0.0\nCARDTYPE=99999999999\n", XEL_STATUS_FAILED},
        {"Version=3.0.0.0\nCARDTYPE=1\nPORT=0,,1\n", XEL_STATUS_FAILED},
        {"Version=3.0.0.0\nCARDTYPE=1\nPORT=100\n", XEL_STATUS_FAILED},
        {"Version=3.0.0.0\nCARDTYPE=1\nFIRMWARE=\n", XEL_STATUS_FAILED},
        {"Version=3.0.0.0\nCARDTYPE=1\nFIRMWARE\n", XEL_STATUS_FAILED},
    };
    for (const auto &c : refused)
        EXPECT_EQ(parse(c.text, &cards), c.status) << c.text;
    std::string long_value = "Version=3.0.0.0\nCARDTYPE=1\nFIRMWARE=" + std::string(64, 'f') + "\n";
    EXPECT_EQ(parse(long_value, &cards), XEL_STATUS_FAILED);
}

TEST(BootOptionRom, PatchesEachImageOfTheChain)
{
    bytes rom = rom_image(2, 0, false, 2);
    bytes efi = rom_image(1, 3, true, 1);
    rom.insert(rom.end(), efi.begin(), efi.end());
    xell_boot_version version;
    ASSERT_EQ(xell_boot_set_devid_chksum(rom, 0x21, true, &version), XEL_STATUS_OK);
    EXPECT_STREQ(version.text, "03.00.00.00");
    for (size_t off : {size_t{0}, size_t{1024}}) {
        EXPECT_EQ(rom[off + 0x60 + 6], 0x21);
        EXPECT_EQ(sum(rom.data() + off, off == 0 ? 1024 : 512), 0);
    }
    EXPECT_EQ(rom[0x80 + 0x0c], 0x21);
    EXPECT_EQ(sum(rom.data() + 0x80, 32), 0);
    EXPECT_EQ(rom[1024 + 0x80 + 0x0c], 0); // only PC-compatible images carry the PnP id

    bytes other = rom_image(1, 0, true, 1);
    bytes before = other;
    ASSERT_EQ(xell_boot_set_devid_chksum(other, 0x13, false, &version), XEL_STATUS_OK);
    EXPECT_EQ(other, before); // an id that is not patched leaves the images alone
}

TEST(BootOptionRom, RefusesAChainThatRunsOutOrPointsOutside)
{
    bytes far_pcir = rom_image(1, 0, true, 1);
    far_pcir[0x18] = 0xff;
    far_pcir[0x19] = 0x01;
    bytes far_pnp = rom_image(1, 0, true, 1);
    far_pnp[0x1a] = 0xf8;
    far_pnp[0x1b] = 0x01;
    bytes long_pnp = rom_image(1, 0, true, 1);
    long_pnp[0x80 + 5] = 0xff;
    const struct {
        const char *what;
        bytes rom;
    } cases[] = {
        {"no last image", rom_image(1, 0, false, 1)},
        {"a length of 0", rom_image(1, 0, true, 0)},
        {"a length past the chain", rom_image(1, 0, true, 4)},
        {"a data structure pointer past the image", far_pcir},
        {"a PnP header past the image", far_pnp},
        {"a PnP length past the image", long_pnp},
        {"too short for a header", bytes(16, 0)},
        {"empty", bytes()},
    };
    for (const auto &c : cases) {
        bytes rom = c.rom;
        xell_boot_version version;
        EXPECT_EQ(xell_boot_set_devid_chksum(rom, 0x22, true, &version), XEL_STATUS_BAD_BOOT_CODE) << c.what;
    }
}

TEST(BootOptionRom, Swap32LeavesTrailingBytes)
{
    uint8_t b[6] = {1, 2, 3, 4, 5, 6};
    xell_swap32(b, sizeof b);
    EXPECT_EQ(std::vector<uint8_t>(b, b + 6), (std::vector<uint8_t>{4, 3, 2, 1, 5, 6}));
}

TEST(BootVpd, RefreshesTheDefaultImageOfACardWithoutOne)
{
    xell_boot_version version;
    std::memcpy(version.text, "03.01.02.03", 12);
    xell_boot_vpd_source src;
    src.model_descr = "Tessary-M41";
    src.serial = "SERIAL000042";
    bytes own(512, 0);
    src.vpd = own.data();
    bytes vpd;
    ASSERT_TRUE(xell_boot_vpd_refresh(src, version, &vpd));
    ASSERT_EQ(vpd.size(), 512u);
    EXPECT_EQ(vpd[0], 0x82);
    EXPECT_EQ(vpd[131], 0x90);
    EXPECT_EQ(vpd[132], 236);
    EXPECT_EQ(std::string(vpd.begin() + 201, vpd.begin() + 213), "SERIAL000042");
    std::string all(vpd.begin(), vpd.end());
    EXPECT_NE(all.find("FFV03.01.02.03"), std::string::npos);
    EXPECT_NE(all.find("DCM1001008018120200804121010080182302008041"), std::string::npos);
    size_t rv = all.find("RV", 134);
    ASSERT_NE(rv, std::string::npos);
    EXPECT_EQ(sum(vpd.data(), rv + 4), 0);

    src.model_descr = "Tessary-M60";
    src.vpd_len = 0;
    EXPECT_FALSE(xell_boot_vpd_refresh(src, version, &vpd)); // without a VPD of its own
    src.vpd_len = 1;
    bytes m60 = xell_boot_default_vpd();
    src.vpd = m60.data();
    ASSERT_TRUE(xell_boot_vpd_refresh(src, version, &vpd));
    EXPECT_EQ(vpd[3], 0x82); // swapped per 32-bit word
    src.model_descr = "Tessary XF1602";
    EXPECT_FALSE(xell_boot_vpd_refresh(src, version, &vpd));
}

TEST(BootVpd, ChecksumNeedsAWholeRvKeyword)
{
    bytes vpd = xell_boot_default_vpd();
    vpd[132] = 10; // the VPD-R area ends before "RV"
    EXPECT_EQ(xell_vpd_update_checksum(vpd.data()), XEL_STATUS_CORR_VPD_DATA);
    vpd[132] = 0xff;
    vpd[133] = 0xff; // an area past the image is bounded by it
    EXPECT_EQ(xell_vpd_update_checksum(vpd.data()), XEL_STATUS_OK);
}
