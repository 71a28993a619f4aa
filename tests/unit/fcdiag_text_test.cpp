#include "ixofcdiag.h"
#include "xell_fcdiag.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

TEST(FcdiagSize, UnitsByBoundary)
{
    constexpr int64_t tb = int64_t{1} << 40;
    struct {
        int64_t size;
        const char *text;
    } const cases[] = {
        {-1, "-----"},
        {0, "0"},
        {1048575, "1048575"},
        {1048576, "1.00MB"},
        {1572864, "1.50MB"},
        {1073741824, "1.00GB"},
        {tb - 1, "1024.00GB"},
        {tb, "1.00TB"},
        {tb + tb / 2, "1.00TB"}, // whole terabytes only
        {5 * tb + tb / 2, "5.00TB"},
    };
    for (const auto &c : cases) {
        testing::internal::CaptureStdout();
        ixo_print_sizef(c.size);
        EXPECT_EQ(testing::internal::GetCapturedStdout(), c.text) << c.size;
    }
}

using text_fn = void (*)(uint8_t, char *);

TEST(FcdiagRejectText, KnownCodesAndTheRest)
{
    struct {
        text_fn fn;
        uint8_t code;
        const char *text;
    } const cases[] = {
        {xell_ls_rjt_reason, 1, "Invalid ELS command code"},
        {xell_ls_rjt_reason, 11, "Command not supported"},
        {xell_ls_rjt_reason, 2, "Unknown reason code (2)"},
        {xell_ls_rjt_reason_expl, 0, "No additional Info"},
        {xell_ls_rjt_reason_expl, 19, "Associator header requrired"},
        {xell_ls_rjt_reason_expl, 45, "Invalid payload length"},
        {xell_ls_rjt_reason_expl, 46, "Unknown reason expl (46)"},
        {xell_ftrc_strc_rjt_reason_expl, 0, "Command Completed Successfully"},
        {xell_ftrc_strc_rjt_reason_expl, 10, "Fabric Build in progress"},
        {xell_ftrc_strc_rjt_reason_expl, 11, "Unknown Reason Code : 0xb"},
        {xell_ftrc_strc_rjt_reason_expl, 239, "Unknown Reason Code : 0xef"},
        {xell_ftrc_strc_rjt_reason_expl, 240, "Vendor Specific Error : 0xf0"},
        {xell_ftrc_strc_rjt_reason_expl, 255, "Vendor Specific Error : 0xff"},
        {xell_fcct_rjt_reason, 14, "Session Could not be Established"},
        {xell_fcct_rjt_reason, 255, "Vendor Specific"},
        {xell_fcct_rjt_reason, 6, "Unknown Reason Code"},
        {xell_fcct_rjt_reason_expl, 19, "No object registered in the specified scope"},
        {xell_fcct_rjt_reason_expl, 22, "No device attached"},
        {xell_fcct_rjt_reason_expl, 23, "Unknown Explanation"},
    };
    for (const auto &c : cases) {
        char text[XELL_RJT_TEXT_MAX + 16];
        std::memset(text, 'x', sizeof text);
        c.fn(c.code, text);
        EXPECT_STREQ(text, c.text) << static_cast<int>(c.code);
        EXPECT_EQ(text[XELL_RJT_TEXT_MAX], 'x'); // nothing past the limit
        c.fn(c.code, nullptr);                  // and nothing without a buffer
    }
}

} // namespace
