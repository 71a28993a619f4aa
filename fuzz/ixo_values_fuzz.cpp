// libFuzzer target for the value parsers of command arguments: any text
// parses without a fault; what parses as a WWN, MAC or LUN prints back as
// the same text (in lower case), and a number is taken exactly when its
// digits fit the bound it is parsed against.

#include "ixo_values.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

void check(bool ok, const char *what, const std::string &text)
{
    if (!ok) {
        std::fprintf(stderr, "ixo_values_fuzz: %s (text \"%s\")\n", what, text.c_str());
        std::abort();
    }
}

std::string lower(std::string text)
{
    for (char &c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

bool all_digits(const std::string &text)
{
    return !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
}

// Whether a string of decimal digits is at most max, compared as text so
// that no arithmetic of the parser is repeated.
bool digits_fit(const std::string &digits, uint64_t max)
{
    std::string value = digits.substr(std::min(digits.find_first_not_of('0'), digits.size()));
    std::string bound = std::to_string(max);
    if (value.size() != bound.size())
        return value.size() < bound.size();
    return value <= bound;
}

void check_identities(const std::string &text)
{
    wwn_t wwn = 0;
    if (ixo_get_port_wwn(text.c_str(), &wwn)) {
        char buf[24];
        check(lower(text) == ixo_wwn2str(buf, wwn), "a WWN does not print back as read", text);
    }
    mac_t mac{};
    if (ixo_get_mac_number(text.c_str(), &mac)) {
        const uint8_t *m = mac.mac;
        char buf[18];
        std::snprintf(buf, sizeof buf, "%02x:%02x:%02x:%02x:%02x:%02x", m[0], m[1], m[2], m[3], m[4], m[5]);
        check(lower(text) == buf, "a MAC does not print back as read", text);
    }
    lun_t lun{};
    // Callers pass the length they measured; a short text must not be read past its end.
    for (size_t length : {text.size(), size_t{16}}) {
        if (!ixo_convert_string_to_lun(text.c_str(), length, &lun))
            continue;
        char buf[20];
        ixo_convert_lun_to_string(lun, buf, sizeof buf);
        std::string digits = lower(text.substr(0, 16));
        std::string printed = digits.substr(0, 4) + '-' + digits.substr(4, 4) + '-' + digits.substr(8, 4) + '-' +
                              digits.substr(12, 4);
        check(printed == buf, "a LUN does not print back as read", text);
    }
}

void check_numbers(const std::string &text)
{
    const char *c = text.c_str();
    check(ixo_verify_num(c) == all_digits(text), "a number is not told by its digits", text);
    for (uint64_t max : {uint64_t{0}, uint64_t{1}, uint64_t{7}, uint64_t{9}, uint64_t{10}, uint64_t{4094},
                         uint64_t{UINT16_MAX}, uint64_t{INT32_MAX}, uint64_t{UINT32_MAX}, uint64_t{UINT64_MAX}}) {
        uint64_t value = UINT64_MAX;
        bool ok = ixo_parse_uint(c, max, &value);
        check(ok == (all_digits(text) && digits_fit(text, max)), "a number is taken against its bound", text);
        if (ok)
            check(value <= max && value == static_cast<uint64_t>(ixo_str2longlong(c)), "a number parses to another value",
                  text);
    }
    int vlan = ixo_parse_vlan_id(c);
    uint64_t value = 0;
    if (text.empty())
        check(vlan == 0, "an empty VLAN id is not 0", text);
    else if (ixo_parse_uint(c, 4094, &value))
        check(vlan == static_cast<int>(value), "a VLAN id parses to another value", text);
    else
        check(vlan == -1, "a VLAN id out of range is taken", text);
    // Unchecked conversions: only that they are defined for any text.
    (void)ixo_str2lun(c);
}

void check_words(const std::string &text)
{
    const char *c = text.c_str();
    if (ixo_verify_name(c))
        check(text.size() <= 15 && std::isalpha(static_cast<unsigned char>(text[0])), "a bad name is taken", text);
    if (ixo_verify_pattern(c))
        check(!text.empty() && text.size() <= 8, "a pattern of the wrong length is taken", text);
    if (ixo_verify_lun(c))
        check(text.find_first_not_of("0123456789abcdefABCDEF-") == std::string::npos, "a bad LUN is taken", text);
    uint32_t speed = 0;
    if (ixo_set_speed(c, &speed))
        check(std::to_string(speed) == text || (text == "auto" && speed == XEL_PORT_SPEED_AUTO), "a speed changes",
              text);
    uint32_t topology = 0;
    if (ixo_set_topology(c, &topology))
        check(topology == XEL_PORT_TOPOLOGY_P2P || topology == XEL_PORT_TOPOLOGY_LOOP, "an unknown topology", text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // An argument ends at its first NUL.
    std::string text(reinterpret_cast<const char *>(data), size);
    text.resize(std::strlen(text.c_str()));
    check_identities(text);
    check_numbers(text);
    check_words(text);
    return 0;
}
