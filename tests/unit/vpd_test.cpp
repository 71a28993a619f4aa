// The VPD parser on images built byte by byte by the PCI VPD layout, and
// the temporary FRU area over the emulated host.
#include "emulated_host.h"
#include "sim_state.h"
#include "xell_request_cache.h"
#include "xell_vpd.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace {

using image = std::array<uint8_t, 512>;

// An identifier string in its 128-byte field, VPD-R with V0 first, the
// keywords, and RV with the checksum byte.
image build(const std::vector<std::pair<std::string, std::string>> &keywords, uint8_t v0_first = 0)
{
    image v{};
    const char product[] = "Tessary XF1602";
    v[0] = 0x82;
    v[1] = 128;
    std::memcpy(&v[3], product, sizeof product - 1);
    v[131] = 0x90;
    v[134] = 'V', v[135] = '0', v[136] = 16, v[137] = v0_first;
    size_t at = 153;
    for (const auto &[key, value] : keywords) {
        std::memcpy(&v[at], key.data(), 2);
        v[at + 2] = static_cast<uint8_t>(value.size());
        std::memcpy(&v[at + 3], value.data(), value.size());
        at += 3 + value.size();
    }
    v[at] = 'R', v[at + 1] = 'V', v[at + 2] = 1;
    v[132] = static_cast<uint8_t>(at + 4 - 134);
    unsigned sum = 0;
    for (size_t i = 0; i < at + 3; i++)
        sum += v[i];
    v[at + 3] = static_cast<uint8_t>(-sum);
    return v;
}

size_t rv_data(const image &v)
{
    for (size_t at = 153; at + 3 < v.size(); at += 3 + v[at + 2])
        if (v[at] == 'R' && v[at + 1] == 'V')
            return at + 3;
    return 0;
}

std::vector<std::pair<std::string, std::string>> entries(const image &v, uint8_t vendor)
{
    int count = 0;
    bool oem = false;
    EXPECT_EQ(xell_vpd_get_size(v.data(), &count, &oem, vendor), XEL_STATUS_OK);
    std::vector<xell_vpd_name_value_t> items(static_cast<size_t>(count));
    EXPECT_EQ(xell_vpd_populate_params(v.data(), vendor, items.data(), count), XEL_STATUS_OK);
    if (count > 1) {
        EXPECT_EQ(xell_vpd_populate_params(v.data(), vendor, items.data(), count - 1), XEL_STATUS_ENOMEM);
    }
    std::vector<std::pair<std::string, std::string>> out;
    for (const auto &item : items)
        out.emplace_back(item.name, item.value);
    return out;
}

TEST(VpdParser, RefusesImagesInTheOrderOfItsChecks)
{
    const image good = build({{"PN", "P1"}});
    size_t rv = rv_data(good);
    const struct {
        const char *what;
        size_t at;
        uint8_t value;
        bool fix_checksum;
        uint8_t vendor;
        xel_status_t status;
    } cases[] = {
        {"unsupported vendor", 0, 0x82, false, 0x09, XEL_STATUS_UNSUPP_VENDOR},
        {"no RV keyword", rv - 3, 'X', false, 0x08, XEL_STATUS_CORR_VPD_DATA},
        {"checksum off", 20, 'x', false, 0x08, XEL_STATUS_VPD_CHK_SUM_ERR},
        {"identifier tag", 0, 0x83, true, 0x08, XEL_STATUS_LR_STR_TAG_ERR},
        {"VPD-R tag", 131, 0x91, true, 0x08, XEL_STATUS_LR_VPDR_TAG_ERR},
        {"first keyword", 135, '1', true, 0x08, XEL_STATUS_VPD_TSRY_HDR_ERR},
        {"the byte after the checksum evens it", rv + 1, 0, false, 0xF8, XEL_STATUS_OK},
    };
    for (const auto &c : cases) {
        image v = good;
        uint8_t old = v[c.at];
        v[c.at] = c.value;
        if (c.fix_checksum)
            v[rv] = static_cast<uint8_t>(v[rv] + old - c.value);
        if (c.status == XEL_STATUS_OK) // off by one, made good by the next byte
            v[rv] = static_cast<uint8_t>(v[rv] - 1), v[rv + 1] = 1;
        int count = 0;
        bool oem = false;
        EXPECT_EQ(xell_vpd_get_size(v.data(), &count, &oem, c.vendor), c.status) << c.what;
    }
}

TEST(VpdParser, NamesEntriesByKeywordAndVendor)
{
    image v = build({{"PN", "P1"}, {"EC", "A"}, {"ZZ", "hidden"}, {"V1", "FRU 42"}, {"V2", "PW:abc"},
                     {"V3", "MD no colon"}, {"V4", "plain"}, {"SN", "TS1"}},
                    1);
    int count = 0;
    bool oem = false;
    ASSERT_EQ(xell_vpd_get_size(v.data(), &count, &oem, 0x20), XEL_STATUS_OK);
    EXPECT_TRUE(oem);
    std::vector<std::pair<std::string, std::string>> want = {
        {"Product ID", "Tessary XF1602"}, {"Part Number", "P1"}, {"EDC", "A"},      {"", "FRU 42"},
        {"PW", "abc"},                   {"", "MD no colon"},   {"Vendor4 Data", "plain"}, {"Serial Number", "TS1"}};
    EXPECT_EQ(entries(v, 0x20), want);
    EXPECT_EQ(entries(v, 0x08)[2], std::make_pair(std::string("EC Level"), std::string("A")));
    EXPECT_EQ(entries(v, 0x08)[0].first, "Product Desc");
}

// Lengths in the image never move a walk past its 512 bytes: a VPD-R
// length far beyond them, and a last keyword whose data would run off.
TEST(VpdParser, WalksStayInsideTheImage)
{
    image v = build({{"PN", "P1"}});
    size_t rv = rv_data(v);
    v[rv] = static_cast<uint8_t>(v[rv] + v[132] + v[133] - 0xff - 0xff);
    v[132] = 0xff, v[133] = 0xff;
    size_t end = rv + 1;
    for (size_t at = end; at + 3 <= 509; at += 3)
        v[at] = 'V', v[at + 1] = '9', v[at + 2] = 0;
    v[509] = 'S', v[510] = 'N', v[511] = 200;
    std::vector<uint8_t> heap(v.begin(), v.end()); // exactly 512 bytes, for the sanitizer
    int count = 0;
    bool oem = false;
    ASSERT_EQ(xell_vpd_get_size(heap.data(), &count, &oem, 0x08), XEL_STATUS_OK);
    std::vector<xell_vpd_name_value_t> items(static_cast<size_t>(count));
    EXPECT_EQ(xell_vpd_populate_params(heap.data(), 0x08, items.data(), count), XEL_STATUS_OK);
    EXPECT_EQ(std::string(items.back().name), "Vendor9 Data");
    // An identifier string with no NUL in its field stops at the field.
    std::memset(heap.data() + 3, 'x', 128);
    EXPECT_EQ(xell_vpd_id_string_len(heap.data()), 128u);
}

class TfruLibrary : public EmulatedHostTest {};

TEST_F(TfruLibrary, RoundTripsAndRefusesMoreThanItsField)
{
    ASSERT_TRUE(start("default"));
    ASSERT_EQ(xell_adapter_scan(), 2);
    xell_t *ioc = xell_adapter_get_first_ioc(xell_adapter_get_by_idx(1));
    ASSERT_NE(ioc, nullptr);
    uint8_t data[64], back[64];
    for (size_t i = 0; i < sizeof data; i++)
        data[i] = static_cast<uint8_t>(i * 7);
    ASSERT_EQ(xell_tfru_write(ioc, 16, sizeof data, data), XEL_STATUS_OK);
    ASSERT_EQ(xell_tfru_read(ioc, 16, sizeof back, back), XEL_STATUS_OK);
    EXPECT_EQ(std::memcmp(data, back, sizeof data), 0);
    EXPECT_EQ(xell_tfru_read(ioc, 0, 65, back), XEL_STATUS_EINVAL);
    // A refused read leaves the caller's buffer as it was.
    std::memset(back, 0xaa, sizeof back);
    EXPECT_EQ(xell_tfru_read(ioc, 250, 16, back), XEL_STATUS_EINVAL);
    EXPECT_EQ(back[0], 0xaa);
}

} // namespace
