#include "ixo_values.h"

#include "xell_sys.h"

#include <sys/stat.h>

#include <cctype>
#include <cstdio>
#include <cstring>

namespace {

int hex_value(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// count pairs of hexadecimal digits joined by colons into bytes.
bool parse_hex_pairs(const char *text, uint8_t *bytes, size_t count)
{
    if (std::strlen(text) != count * 3 - 1)
        return false;
    for (size_t i = 0; i < count; i++) {
        const char *pair = text + i * 3;
        int high = hex_value(pair[0]);
        int low = hex_value(pair[1]);
        if (high < 0 || low < 0 || (i + 1 < count && pair[2] != ':'))
            return false;
        bytes[i] = static_cast<uint8_t>(high * 16 + low);
    }
    return true;
}

bool all_of(const char *text, int (*accept)(int))
{
    for (const char *p = text; *p != '\0'; p++)
        if (!accept(static_cast<unsigned char>(*p)))
            return false;
    return true;
}

} // namespace

bool ixo_get_port_wwn(const char *text, wwn_t *wwn)
{
    uint8_t bytes[8];
    if (!parse_hex_pairs(text, bytes, 8))
        return false;
    std::memcpy(wwn, bytes, 8);
    return true;
}

bool ixo_get_mac_number(const char *text, mac_t *mac)
{
    return parse_hex_pairs(text, mac->mac, 6);
}

bool ixo_convert_string_to_lun(const char *text, size_t length, lun_t *lun)
{
    if (length != 16 || std::strlen(text) < 16)
        return false;
    uint8_t bytes[8];
    for (size_t i = 0; i < 8; i++) {
        int high = hex_value(text[i * 2]);
        int low = hex_value(text[i * 2 + 1]);
        if (high < 0 || low < 0)
            return false;
        bytes[i] = static_cast<uint8_t>(high * 16 + low);
    }
    std::memcpy(lun, bytes, 8);
    return true;
}

// No checking: each character adds its value minus '0'.
int64_t ixo_str2longlong(const char *text)
{
    uint64_t value = 0;
    for (const char *p = text; *p != '\0'; p++)
        value = value * 10 + static_cast<uint64_t>(*p - '0');
    return static_cast<int64_t>(value);
}

lun_t ixo_str2lun(const char *text)
{
    return static_cast<lun_t>(ixo_str2longlong(text));
}

bool ixo_verify_num(const char *text)
{
    return text[0] != '\0' && all_of(text, ::isdigit);
}

bool ixo_verify_pattern(const char *text)
{
    size_t length = std::strlen(text);
    return length >= 1 && length <= 8 && all_of(text, ::isxdigit);
}

bool ixo_verify_lun(const char *text)
{
    if (text[0] == '\0')
        return false;
    for (const char *p = text; *p != '\0'; p++)
        if (!std::isxdigit(static_cast<unsigned char>(*p)) && *p != '-')
            return false;
    return true;
}

bool ixo_verify_name(const char *text)
{
    size_t length = std::strlen(text);
    if (length == 0 || length > 15 || !std::isalpha(static_cast<unsigned char>(text[0])))
        return false;
    for (const char *p = text + 1; *p != '\0'; p++)
        if (!std::isalnum(static_cast<unsigned char>(*p)) && *p != '-' && *p != '_')
            return false;
    return true;
}

int ixo_parse_vlan_id(const char *text)
{
    uint64_t value = 0;
    if (text[0] == '\0')
        return 0;
    return ixo_parse_uint(text, 4094, &value) ? static_cast<int>(value) : -1;
}

bool ixo_set_speed(const char *text, uint32_t *speed)
{
    static const struct {
        const char *word;
        uint32_t speed;
    } speeds[] = {{"1", 1}, {"2", 2}, {"4", 4}, {"8", 8}, {"16", 16}, {"10", 10}, {"auto", XEL_PORT_SPEED_AUTO}};
    for (const auto &entry : speeds) {
        if (std::strcmp(text, entry.word) == 0) {
            *speed = entry.speed;
            return true;
        }
    }
    return false;
}

bool ixo_set_topology(const char *text, uint32_t *topology)
{
    if (std::strcmp(text, "p2p") == 0)
        *topology = XEL_PORT_TOPOLOGY_P2P;
    else if (std::strcmp(text, "loop") == 0)
        *topology = XEL_PORT_TOPOLOGY_LOOP;
    else
        return false;
    return true;
}

bool ixo_test_file_exists(const char *path)
{
    struct stat st {};
    return xell_os().stat(path, &st) == 0;
}

bool ixo_parse_uint(const char *text, uint64_t max, uint64_t *value)
{
    if (!ixo_verify_num(text))
        return false;
    uint64_t result = 0;
    for (const char *p = text; *p != '\0'; p++) {
        uint64_t digit = static_cast<uint64_t>(*p - '0');
        // max - digit would wrap for a digit above a bound under 9.
        if (digit > max || result > (max - digit) / 10)
            return false;
        result = result * 10 + digit;
    }
    *value = result;
    return true;
}

char *ixo_wwn2str(char *buf, wwn_t wwn)
{
    const auto *b = reinterpret_cast<const uint8_t *>(&wwn);
    std::snprintf(buf, 24, "%02x:%02x:%02x:%02x:%02x:%02x:%02x:%02x", b[0], b[1], b[2], b[3], b[4], b[5], b[6], b[7]);
    return buf;
}

void ixo_print_pwwn(wwn_t wwn)
{
    char buf[24];
    std::fputs(ixo_wwn2str(buf, wwn), stdout);
}

void ixo_print_mac(mac_t mac)
{
    const uint8_t *m = mac.mac;
    std::printf("%02x:%02x:%02x:%02x:%02x:%02x", m[0], m[1], m[2], m[3], m[4], m[5]);
}

void ixo_convert_lun_to_string(lun_t lun, char *buf, size_t size)
{
    const auto *b = reinterpret_cast<const uint8_t *>(&lun);
    std::snprintf(buf, size, "%02x%02x-%02x%02x-%02x%02x-%02x%02x", b[0], b[1], b[2], b[3], b[4], b[5], b[6], b[7]);
}

void ixo_print_lun(lun_t lun)
{
    char buf[20];
    ixo_convert_lun_to_string(lun, buf, sizeof buf);
    std::fputs(buf, stdout);
}

void ixo_print_duration(uint32_t seconds)
{
    uint32_t days = seconds / 86400;
    uint32_t rest = seconds % 86400;
    if (days == 0)
        std::printf("%02u:%02u:%02u", rest / 3600, rest % 3600 / 60, rest % 60);
    else
        std::printf("%u days, %02u:%02u:%02u", days, rest / 3600, rest % 3600 / 60, rest % 60);
}

void ixo_print_header_line(uint8_t columns)
{
    for (int i = 0; i < columns; i++)
        std::putchar('-');
    std::putchar('\n');
}
