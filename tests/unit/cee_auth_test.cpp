// The LLDP identifier texts, the secret's encoding and the log level names.
#include "xell_auth.h"
#include "xell_cee.h"
#include "xell_log.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct lldp_case {
    bool chassis;
    uint8_t sub_type;
    std::vector<uint8_t> value;
    uint8_t len;
    const char *text;
};

std::string lldp_text(const lldp_case &c)
{
    uint8_t value[128] = {};
    std::memcpy(value, c.value.data(), c.value.size());
    char out[XELL_LLDP_TEXT_SIZE];
    std::memset(out, 'x', sizeof out);
    if (c.chassis)
        xell_dcb_get_chassis_id(c.sub_type, value, c.len, out);
    else
        xell_dcb_get_port_id(c.sub_type, value, out);
    return out;
}

TEST(LldpId, EachForm)
{
    const lldp_case cases[] = {
        {true, 4, {0x02, 0x00, 0x5e, 0x0a, 0xff, 0x01}, 6, "02:00:5e:0a:ff:01"},
        {true, 5, {1, 192, 168, 7, 1}, 5, "192:168:7:1"},
        {true, 5, {2, 0xfe, 0x80, 0, 0, 0, 0, 0, 0, 0, 1, 2, 0xff, 0xfe, 3, 4, 5}, 17, "fe80:00:00:00:01:2ff:fe3:45"},
        {true, 5, {6, 0xab, 0x01}, 3, "ab:01"},
        {true, 7, {'s', 'w', '1'}, 3, "sw1"},
        {true, 7, {'s', 'w', '1'}, 0, ""},
        {false, 3, {0x00, 0x11, 0x22, 0x33, 0x44, 0x55}, 6, "00:11:22:33:44:55"},
        {false, 4, {10, 0, 0, 9}, 4, "10:0:0:9"},
        {false, 5, {'t', 'e', '0', '/', '1'}, 5, "te0/1"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(lldp_text(c), c.text) << "sub-type " << int(c.sub_type);
}

// A length past the value's 128 bytes, and a text that fills the value
// without a NUL, stay within the value and within the 128-character text.
TEST(LldpId, BoundedByTheValue)
{
    std::vector<uint8_t> full(128, 0x41);
    std::string text = lldp_text({true, 7, full, 255, nullptr});
    EXPECT_EQ(text, std::string(127, 'A'));
    full[0] = 9; // an unknown address family: bytes 1 to len - 1
    text = lldp_text({true, 5, full, 255, nullptr});
    EXPECT_EQ(text.size(), 127u);
    EXPECT_EQ(text.substr(0, 6), "41:41:");
    EXPECT_EQ(lldp_text({false, 1, full, 0, nullptr}).size(), 127u);
}

TEST(Secret, Encoding)
{
    std::array<uint32_t, XEL_AUTH_SECRET_MAX> words{};
    ASSERT_TRUE(xell_encrypt_string("", words.data()));
    EXPECT_EQ(words, (std::array<uint32_t, XEL_AUTH_SECRET_MAX>{}));
    // Python: pow(ord(c), 27121, 31151)
    ASSERT_TRUE(xell_encrypt_string("aZ9", words.data()));
    EXPECT_EQ(words[0], 8825u);
    EXPECT_EQ(words[1], 18622u);
    EXPECT_EQ(words[2], 20250u);
    EXPECT_EQ(words[3], 0u);
    EXPECT_EQ(xell_power(2, 10, 1000), 24u);
    EXPECT_EQ(xell_power(31150, 3, 31151), 31150u);
}

// A byte above 127 would enter the arithmetic as a negative number.
TEST(Secret, RefusesWhatItCannotEncode)
{
    std::array<uint32_t, XEL_AUTH_SECRET_MAX> words{};
    EXPECT_FALSE(xell_encrypt_string("abc\xe9", words.data()));
    EXPECT_EQ(words[0], 0u);
    EXPECT_FALSE(xell_encrypt_string(std::string(XEL_AUTH_SECRET_MAX + 1, 'a').c_str(), words.data()));
    EXPECT_TRUE(xell_encrypt_string(std::string(XEL_AUTH_SECRET_MAX, 'a').c_str(), words.data()));
}

TEST(LogLevel, NamesOnlyItsLevels)
{
    EXPECT_STREQ(xell_get_log_level_str(1), "Critical");
    EXPECT_STREQ(xell_get_log_level_str(4), "Info");
    for (int level : {-1, 0, 5, 6})
        EXPECT_STREQ(xell_get_log_level_str(level), "") << level;
}

} // namespace
