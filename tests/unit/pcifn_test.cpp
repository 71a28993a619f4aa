#include "xell_pcifn.h"

#include <gtest/gtest.h>

// Bandwidth words come out in units of 100 Mbit/s (or as the percentage),
// counted in whole numbers: a fraction of a gigabit never loses a unit.
TEST(PcifnBandwidth, WordsConvertExactlyOrAreRefused)
{
    struct {
        const char *text;
        xel_status_t status;
        int value;
    } const cases[] = {
        {"500", XEL_STATUS_OK, 5},
        {"500M", XEL_STATUS_OK, 5},
        {"6.5G", XEL_STATUS_OK, 65},
        {"9.2G", XEL_STATUS_OK, 92},
        {"2.3G", XEL_STATUS_OK, 23},
        {"10G", XEL_STATUS_OK, 100},
        {"10000", XEL_STATUS_OK, 100},
        {"50%", XEL_STATUS_OK, 50},
        {"0", XEL_STATUS_OK, 0},
        {"150M", XEL_STATUS_INVALID_BW, 0},
        {"10.5M", XEL_STATUS_INVALID_BW, 0},
        {"101%", XEL_STATUS_INVALID_BW, 0},
        {"1.5%", XEL_STATUS_INVALID_BW, 0},
        {"0.25G", XEL_STATUS_INVALID_BW, 0},
        {"10.1G", XEL_STATUS_INVALID_BW, 0},
        {"5.G", XEL_STATUS_INVALID_BW, 0},
        {".5G", XEL_STATUS_INVALID_BW, 0},
        {"1.2.3G", XEL_STATUS_INVALID_BW, 0},
        {"G", XEL_STATUS_INVALID_BW, 0},
        {"", XEL_STATUS_INVALID_BW, 0},
        {"5g", XEL_STATUS_INVALID_BW, 0},
        {"-5", XEL_STATUS_INVALID_BW, 0},
        {"99999999999999999999G", XEL_STATUS_INVALID_BW, 0},
    };
    for (const auto &c : cases) {
        int value = -7;
        EXPECT_EQ(xell_convert_bw(nullptr, c.text, &value), c.status) << c.text;
        EXPECT_EQ(value, c.status == XEL_STATUS_OK ? c.value : -7) << c.text;
    }
    int value = 0;
    EXPECT_EQ(xell_convert_bw(nullptr, nullptr, &value), XEL_STATUS_FAILED);
}
