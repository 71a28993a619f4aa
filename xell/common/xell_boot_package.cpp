// Reading a boot image package. Every size, offset and name comes from the
// file, so each is checked against the bytes that are there before it is
// used; the package is read whole into memory and nothing is unpacked to
// disk.
#include "xell_boot.h"

#include "xell_md5.h"

#include <algorithm>
#include <cstring>
#include <string_view>

namespace {

constexpr size_t tar_block = 512;
constexpr size_t tar_name_len = 100;
constexpr size_t tar_size_off = 124;
constexpr size_t tar_size_len = 12;
constexpr size_t tar_magic_off = 257;
constexpr size_t boot_value_max = 63;
constexpr size_t boot_ports_max = 32;

// One header of the archive at offset: the member, and where the next
// header lies. end is set at the zero block that ends the archive.
xel_status_t xell_tar_member_at(std::span<const uint8_t> archive, size_t offset, IMAGEFILE_DATA_T *member,
                                size_t *next, bool *end)
{
    *end = false;
    if (offset > archive.size() || archive.size() - offset < tar_block)
        return XEL_STATUS_BAD_FILE;
    const uint8_t *header = archive.data() + offset;
    if (header[0] == 0) {
        *end = true;
        return XEL_STATUS_OK;
    }
    if (std::memcmp(header + tar_magic_off, "ustar", 5) != 0)
        return XEL_STATUS_BAD_FILE;
    uint64_t size = 0;
    if (!xell_octal_to_decimal(reinterpret_cast<const char *>(header + tar_size_off), tar_size_len, &size))
        return XEL_STATUS_BAD_FILE;
    size_t content = offset + tar_block;
    if (size > archive.size() - content)
        return XEL_STATUS_BAD_FILE;
    const char *name = reinterpret_cast<const char *>(header);
    member->iname.assign(name, strnlen(name, tar_name_len));
    member->ibuf = archive.subspan(content, static_cast<size_t>(size));
    member->isize = static_cast<size_t>(size);
    size_t padded = (static_cast<size_t>(size) + tar_block - 1) / tar_block * tar_block;
    *next = content + padded; // may lie past the end: the next read refuses it
    return XEL_STATUS_OK;
}

bool xell_name_has(const std::string &name, const char *what)
{
    return name.find(what) != std::string::npos;
}

// "<hash>" and the 32 digits after it, in the second member.
bool xell_hash_matches(std::span<const uint8_t> member, const char digest[33])
{
    std::string_view text(reinterpret_cast<const char *>(member.data()), member.size());
    size_t at = text.find("<hash>");
    if (at == std::string_view::npos || text.size() - at - 6 < 32)
        return false;
    return text.substr(at + 6, 32) == std::string_view(digest, 32);
}

std::vector<std::string_view> xell_lines(std::span<const uint8_t> bytes)
{
    std::string_view text(reinterpret_cast<const char *>(bytes.data()), bytes.size());
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        size_t nl = text.find('\n');
        lines.push_back(text.substr(0, nl));
        text = nl == std::string_view::npos ? std::string_view() : text.substr(nl + 1);
    }
    return lines;
}

xel_status_t xell_boot_check_version(const std::vector<std::string_view> &lines)
{
    if (lines.empty())
        return XEL_STATUS_BAD_FILE;
    size_t eq = lines[0].find('=');
    if (eq == std::string_view::npos || lines[0].substr(0, eq) != "Version")
        return XEL_STATUS_BAD_FILE;
    return lines[0].substr(eq + 1) == "3.0.0.0" ? XEL_STATUS_OK : XEL_STATUS_BOOT_VERSION;
}

enum class boot_key { none, cardtype, firmware, optrom, optrom2, bootovl, pxeovl, fwcfg, port, asicblock };

// Recognised by substring of the text before "=", in this order.
boot_key xell_boot_keyword(std::string_view key)
{
    auto has = [&](const char *word) { return key.find(word) != std::string_view::npos; };
    if (has("CARDTYPE"))
        return boot_key::cardtype;
    if (has("FIRMWARE"))
        return boot_key::firmware;
    if (has("OPTROM"))
        return has("OPTROM2") ? boot_key::optrom2 : boot_key::optrom;
    if (has("BOOTOVL"))
        return boot_key::bootovl;
    if (has("PXEOVL"))
        return boot_key::pxeovl;
    if (has("FWCFG"))
        return boot_key::fwcfg;
    if (has("PORT"))
        return boot_key::port;
    if (has("ASICBLOCK"))
        return boot_key::asicblock;
    return boot_key::none;
}

bool xell_boot_ports(const std::string &value, CARD_DATA_T *card)
{
    size_t start = 0;
    while (start <= value.size()) {
        size_t comma = std::min(value.find(',', start), value.size());
        std::string item = value.substr(start, comma - start);
        if (item.empty() || item.size() > 2 || item.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos ||
            card->port.size() >= boot_ports_max)
            return false;
        card->port.push_back(static_cast<uint8_t>(std::stoul(item, nullptr, 16)));
        start = comma + 1;
    }
    card->portcnt = static_cast<int>(card->port.size());
    return true;
}

bool xell_boot_card_type(const std::string &value, uint32_t *type)
{
    if (value.empty() || value.size() > 10 || value.find_first_not_of("0123456789") != std::string::npos)
        return false;
    uint64_t number = std::stoull(value);
    if (number > UINT32_MAX)
        return false;
    *type = static_cast<uint32_t>(number);
    return true;
}

// Stores one keyword's value in the card; false for a bad value.
bool xell_boot_set(CARD_DATA_T *card, boot_key key, const std::string &value)
{
    if (value.empty() || value.size() > boot_value_max)
        return false;
    switch (key) {
    case boot_key::cardtype:
        return xell_boot_card_type(value, &card->card_type);
    case boot_key::port:
        return xell_boot_ports(value, card);
    case boot_key::firmware:
        card->firmware_name = value;
        return true;
    case boot_key::optrom:
        card->option_rom_name = value;
        return true;
    case boot_key::optrom2:
        card->option_rom_2_name = value;
        return true;
    case boot_key::bootovl:
        card->boot_overlay_name = value;
        return true;
    case boot_key::pxeovl:
        card->pxe_overlay_name = value;
        return true;
    case boot_key::fwcfg:
        card->fw_config_name = value;
        return true;
    case boot_key::asicblock:
        card->asic_block_name = value;
        return true;
    case boot_key::none:
        break;
    }
    return false;
}

// A section without a PORT line configures port 0.
void xell_boot_close_section(CARD_DATA_T *card)
{
    if (card->port.empty()) {
        card->port.push_back(0);
        card->portcnt = 1;
    }
}

} // namespace

bool xell_octal_to_decimal(const char *field, size_t len, uint64_t *value)
{
    size_t i = 0;
    while (i < len && field[i] == ' ')
        i++;
    uint64_t number = 0;
    size_t digits = 0;
    for (; i < len && field[i] != '\0' && field[i] != ' '; i++, digits++) {
        if (field[i] < '0' || field[i] > '7' || digits >= 21)
            return false;
        number = number * 8 + static_cast<uint64_t>(field[i] - '0');
    }
    for (; i < len && field[i] != '\0'; i++)
        if (field[i] != ' ')
            return false;
    if (digits == 0)
        return false;
    *value = number;
    return true;
}

xel_status_t xell_tar_read(std::span<const uint8_t> archive, std::vector<IMAGEFILE_DATA_T> *members)
{
    members->clear();
    for (size_t offset = 0;;) {
        IMAGEFILE_DATA_T member;
        bool end = false;
        size_t next = 0;
        xel_status_t status = xell_tar_member_at(archive, offset, &member, &next, &end);
        if (status != XEL_STATUS_OK || end)
            return status;
        members->push_back(std::move(member));
        offset = next;
    }
}

xel_status_t xell_boot_parse_cards(std::span<const uint8_t> text, std::vector<CARD_DATA_T> *cards)
{
    cards->clear();
    std::vector<std::string_view> lines = xell_lines(text);
    xel_status_t status = xell_boot_check_version(lines);
    if (status != XEL_STATUS_OK)
        return status;
    bool in_section = false;
    std::vector<boot_key> seen;
    for (size_t i = 1; i < lines.size(); i++) {
        std::string_view line = lines[i];
        if (line.find('#') != std::string_view::npos)
            continue;
        if (line.empty()) {
            if (in_section)
                xell_boot_close_section(&cards->back());
            in_section = false;
            continue;
        }
        size_t eq = line.find('=');
        boot_key key = xell_boot_keyword(line.substr(0, eq));
        if (key == boot_key::none)
            continue;
        if (key == boot_key::cardtype && !in_section) {
            cards->emplace_back();
            in_section = true;
            seen.clear();
        }
        if (!in_section || eq == std::string_view::npos || std::find(seen.begin(), seen.end(), key) != seen.end())
            return XEL_STATUS_FAILED;
        seen.push_back(key);
        std::string value;
        for (char c : line.substr(eq + 1))
            if (c != ' ' && c != '\t' && c != '\r')
                value.push_back(c);
        if (!xell_boot_set(&cards->back(), key, value))
            return XEL_STATUS_FAILED;
    }
    if (in_section)
        xell_boot_close_section(&cards->back());
    return XEL_STATUS_OK;
}

xel_status_t xell_boot_package_read(xell_boot_package *pkg)
{
    std::span<const uint8_t> bytes(pkg->bytes);
    IMAGEFILE_DATA_T first, hash;
    size_t second = 0, after = 0;
    bool end = false;
    xel_status_t status = xell_tar_member_at(bytes, 0, &first, &second, &end);
    if (status != XEL_STATUS_OK || end)
        return XEL_STATUS_BAD_FILE;
    status = xell_tar_member_at(bytes, second, &hash, &after, &end);
    if (status != XEL_STATUS_OK || end)
        return XEL_STATUS_BAD_FILE;
    char digest[33];
    xell_md5(first.ibuf.data(), first.isize, digest);
    if (!xell_hash_matches(hash.ibuf, digest))
        return XEL_STATUS_BAD_FILE;

    std::span<const uint8_t> archive = xell_name_has(first.iname, "boot.txt") ? bytes : first.ibuf;
    status = xell_tar_read(archive, &pkg->images);
    if (status != XEL_STATUS_OK)
        return status;
    if (pkg->images.empty() || !xell_name_has(pkg->images.front().iname, "boot.txt"))
        return XEL_STATUS_BAD_FILE;
    return xell_boot_parse_cards(pkg->images.front().ibuf, &pkg->cards);
}
