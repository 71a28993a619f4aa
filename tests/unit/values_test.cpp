#include "ixo_values.h"

#include <gtest/gtest.h>

#include <cstdint>

TEST(ValueParsers, NumbersAreTakenOnlyWithinTheirBound)
{
    struct {
        const char *text;
        uint64_t max;
        bool ok;
        uint64_t value;
    } const cases[] = {
        {"0", 0, true, 0},
        {"1", 0, false, 0},
        {"492", 1, false, 0}, // a digit above a bound under 9 is refused, not wrapped
        {"7", 7, true, 7},
        {"8", 7, false, 0},
        {"10", 9, false, 0},
        {"0004094", 4094, true, 4094},
        {"4095", 4094, false, 0},
        {"18446744073709551615", UINT64_MAX, true, UINT64_MAX},
        {"18446744073709551616", UINT64_MAX, false, 0},
        {"", UINT64_MAX, false, 0},
        {"-1", UINT64_MAX, false, 0},
        {"1 ", UINT64_MAX, false, 0},
    };
    for (const auto &c : cases) {
        uint64_t value = 0;
        EXPECT_EQ(ixo_parse_uint(c.text, c.max, &value), c.ok) << c.text << " max " << c.max;
        if (c.ok) {
            EXPECT_EQ(value, c.value) << c.text;
        }
    }
}
