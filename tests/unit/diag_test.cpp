// The diagnostics: the sensor conversions, the SFP display's decoding of
// EEPROM images built byte by byte, and the library's requests over the
// emulated kernel (what is refused before any request goes out).
#include "emulated_host.h"
#include "ixodiag.h"
#include "sim_state.h"
#include "xell_diag.h"
#include "xell_port.h"
#include "xell_request_cache.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

TEST(DiagTemperature, ConvertsByDeviceCurve)
{
    const struct {
        uint16_t device_id, raw;
        double celsius;
    } cases[] = {
        {0x14, 400, 29.937971}, {0x21, 400, 29.937971}, {0x22, 700, 247.07}, {0x13, 500, 32.591},
        {0x14, 400 | 0xfc00, 29.937971}, // only the low ten bits count
    };
    for (const auto &c : cases)
        EXPECT_NEAR(xell_diag_junction_temp(c.device_id, c.raw), c.celsius, 5e-7) << c.device_id << " " << c.raw;
    EXPECT_DOUBLE_EQ(xell_diag_board_temp(static_cast<uint16_t>(12.5 * 256)), 12.5);
    EXPECT_DOUBLE_EQ(xell_diag_board_temp(static_cast<uint16_t>(static_cast<int16_t>(-12.5 * 256))), -12.5);
}

// The display of an image, as text.
std::string display(const sfp_mem_t &sfp)
{
    char *text = nullptr;
    size_t size = 0;
    std::FILE *out = open_memstream(&text, &size);
    ixo_sfp_print(out, sfp);
    std::fclose(out);
    std::string result(text, size);
    std::free(text);
    return result;
}

// The line that starts with label.
std::string line(const std::string &text, const std::string &label)
{
    size_t at = text.find(label);
    return at == std::string::npos ? "" : text.substr(at, text.find('\n', at) - at);
}

TEST(DiagSfpDisplay, DecodesCodesAndNames)
{
    const struct {
        void (*shape)(sfp_mem_t &);
        const char *label, *want;
    } cases[] = {
        {[](sfp_mem_t &m) { m.srlid_base.connector = 34; }, "Connector:", "Connector:      34 \tRJ45 "},
        {[](sfp_mem_t &m) { m.srlid_base.connector = 128; }, "Connector:", "Connector:      128 \tVendor specific"},
        {[](sfp_mem_t &m) { m.srlid_base.connector = 20; }, "Connector:", "Connector:      20 \tUnallocated"},
        {[](sfp_mem_t &m) { m.srlid_base.encoding = 7; }, "Encoding:", "Encoding:       7 \tUnallocated"},
        {[](sfp_mem_t &m) { m.srlid_base.id = 1; }, "Identifier:", "Identifier:     1 \tGBIC"},
        {[](sfp_mem_t &m) { m.srlid_base.xcvr[7] = 0xff; }, "Transceiver:",
         "Transceiver:    ff00000000000000\t100,200,400,800,1200,1600_MB/s "},
        // 10G Ethernet codes hide everything else.
        {[](sfp_mem_t &m) { m.srlid_base.xcvr[0] = 0x30, m.srlid_base.xcvr[7] = 0xff, m.srlid_base.xcvr[3] = 1; },
         "Transceiver:", "Transceiver:    ff00000001000030\t10G_BASE-SR,10G_BASE-LR,"},
        {[](sfp_mem_t &m) { m.srlid_base.xcvr[3] = 1; }, "Transceiver:",
         "Transceiver:    0000000001000000\t_MB/s 1000BASE-SX,"},
        // Transmitter bits 0-6 from byte 5 bits 1-7, bits 7-9 from byte 4 bits 0-2; lengths from byte 4 bits 3-7.
        {[](sfp_mem_t &m) { m.srlid_base.xcvr[5] = 0x82, m.srlid_base.xcvr[4] = 0x85; }, "Transceiver:",
         "Transceiver:    0000828500000000\t_MB/s Cu_FC,EeL,EaL,SA,V,"},
        {[](sfp_mem_t &m) { m.srlid_base.wavelen[0] = 0x03, m.srlid_base.wavelen[1] = 0x52; }, "Wavelength:",
         "Wavelength:     850 (units nm)"},
        {[](sfp_mem_t &m) { m.srlid_ext.options[0] = 0x05, m.srlid_ext.options[1] = 0x22; }, "Options:",
         "Options:        0522 \tLinear_Rx_Out Cooled_XCVR Rx_LOS RATE_SELECT "},
    };
    for (const auto &c : cases) {
        sfp_mem_t sfp{};
        c.shape(sfp);
        EXPECT_EQ(line(display(sfp), c.label), c.want);
    }
}

sfp_mem_t maker_16g_module()
{
    sfp_mem_t sfp{};
    sfp.srlid_base.xcvr[7] = 0x20;
    sfp.srlid_base.vendor_oui[1] = 0x7a;
    sfp.srlid_base.vendor_oui[2] = 0x3c;
    sfp.usr_eeprom.poh[0] = 0x01; // 65536 + 2 hours
    sfp.usr_eeprom.poh[2] = 0x02;
    sfp.usr_eeprom.owrap = 3;
    return sfp;
}

TEST(DiagSfpDisplay, PowerOnHoursOnlyForTheMakersSixteenGigModules)
{
    sfp_mem_t sfp = maker_16g_module();
    std::string text = display(sfp);
    EXPECT_EQ(line(text, "Power On Hours:"), "Power On Hours: 65538 hours");
    EXPECT_EQ(line(text, "O-Wrap Control:"), "O-Wrap Control: 3 ");
    sfp.srlid_base.xcvr[7] = 0x40; // 8G
    EXPECT_EQ(line(display(sfp), "Power On Hours:"), "");
    sfp = maker_16g_module();
    sfp.srlid_base.vendor_oui[0] = 0x01;
    EXPECT_EQ(line(display(sfp), "Power On Hours:"), "");
}

TEST(DiagSfpDisplay, DiagnosticsByCalibration)
{
    sfp_mem_t sfp{};
    std::string text = display(sfp);
    EXPECT_EQ(line(text, "Status/Ctrl:"), "");
    // Internally calibrated: -1.5 degrees (0xfe80), 3.2768 V, 131.07 mA, 6.5535 mW kept to microwatts.
    sfp.srlid_ext.diag_mon_type = 0x60;
    const uint8_t diag[10] = {0xfe, 0x80, 0x80, 0x00, 0xff, 0xff, 0xff, 0xff, 0x00, 0x09};
    std::memcpy(sfp.diag_ext.diag, diag, sizeof diag);
    sfp.diag_ext.alarm_flags[0] = 0x80;
    sfp.diag_ext.warning_flags[1] = 0x01;
    text = display(sfp);
    EXPECT_EQ(line(text, "Temperature:"), "Temperature:\t-1.500000 Centigrade");
    EXPECT_EQ(line(text, "Voltage:"), "Voltage:\t3.276800 V");
    EXPECT_EQ(line(text, "Current:"), "Current:\t131.070007 mAmps");
    EXPECT_EQ(line(text, "Tx Power:"), "Tx Power:\t6.553000 mW");
    EXPECT_EQ(line(text, "RX Power:"), "RX Power:\t0.000000 mW");
    EXPECT_EQ(line(text, "Alarm/Warning:"), "Alarm/Warning:  80000001");
    // Both calibration bits: the internal display wins; neither: no values.
    sfp.srlid_ext.diag_mon_type = 0x70;
    EXPECT_NE(line(display(sfp), "Temperature:"), "");
    sfp.srlid_ext.diag_mon_type = 0x40;
    text = display(sfp);
    EXPECT_EQ(line(text, "Temperature:") + line(text, "temperature:"), "");
    EXPECT_EQ(line(text, "Status/Ctrl:"), "Status/Ctrl:    00");
}

// The library on the default host.
class DiagLibrary : public EmulatedHostTest {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(start("default"));
        ASSERT_EQ(xell_adapter_scan(), 2);
        fc = xell_port_get_ioc(xell_adapter_get_port(xell_adapter_get_by_idx(1), 0), 0);
        eth = xell_port_get_ioc(xell_adapter_get_port(xell_adapter_get_by_idx(2), 0), 1);
        ASSERT_NE(fc, nullptr);
        ASSERT_NE(eth, nullptr);
        clear_log();
    }
    void clear_log()
    {
        xell_request_cache_forget();
        ASSERT_EQ(sim_store(root.path()).clear_log(), 0);
    }
    std::string log()
    {
        std::string text;
        EXPECT_EQ(sim_store(root.path()).read_log(&text), 0);
        return text;
    }
    xell_t *fc = nullptr;
    xell_t *eth = nullptr;
};

TEST_F(DiagLibrary, RefusalsSendNothing)
{
    xel_diag_loopback_result_t lb{};
    xel_diag_qtest_result_t qt{};
    xel_diag_post_result_t post{};
    xel_pom_attr_t pom{};
    EXPECT_EQ(xell_diag_loopback(fc, XEL_PORT_OPMODE_NORMAL, 4, 1, 0, &lb), XEL_STATUS_CMD_NOTSUPP);
    EXPECT_EQ(xell_diag_loopback(fc, XEL_PORT_OPMODE_LB_SLW, 4, 1, 0, &lb), XEL_STATUS_CMD_NOTSUPP);
    EXPECT_EQ(xell_diag_loopback(fc, XEL_PORT_OPMODE_LB_NLINT, 4, 1, 0, &lb), XEL_STATUS_CMD_NOTSUPP);
    EXPECT_EQ(xell_diag_loopback(fc, XEL_PORT_OPMODE_LB_EXT, 32, 1, 0, &lb), XEL_STATUS_EINVAL);
    EXPECT_EQ(xell_diag_eth_loopback(eth, XEL_PORT_OPMODE_LB_INT, 1, 0, &lb), XEL_STATUS_CMD_NOTSUPP);
    EXPECT_EQ(xell_diag_queuetest(eth, 4, &qt), XEL_STATUS_CMD_NOTSUPP);
    EXPECT_EQ(xell_diag_post(fc, &post), XEL_STATUS_CMD_NOTSUPP);
    EXPECT_EQ(xell_diag_pom_query(fc, &pom), XEL_STATUS_CMD_NOTSUPP);
    std::string sent = log();
    for (const char *code : {"0xC0304316", "0xC02C441D", "0xC0184318"})
        EXPECT_EQ(sent.find(code), std::string::npos) << code;
}

TEST_F(DiagLibrary, LoopbackCountsTravelBigEndian)
{
    ASSERT_EQ(xell_port_disable(fc), XEL_STATUS_OK);
    xel_diag_loopback_result_t result{};
    ASSERT_EQ(xell_diag_loopback(fc, XEL_PORT_OPMODE_LB_EXT, 4, 0x01020304, 0xb5b5b5b5, &result), XEL_STATUS_OK);
    EXPECT_EQ(result.numtxmfrm, 0x01020304u);
    EXPECT_EQ(result.numrcvfrm, 0x01020304u);
    EXPECT_EQ(result.status, 0);
}

TEST_F(DiagLibrary, LinkBeaconHoldsThePortBeacon)
{
    ASSERT_EQ(xell_diag_beacon_swport(fc, true, 0), XEL_STATUS_OK);
    clear_log();
    EXPECT_EQ(xell_diag_beacon_lport(fc, true, 0), XEL_STATUS_LBEACON_ON);
    EXPECT_EQ(xell_diag_beacon_lport(fc, false, 0), XEL_STATUS_LBEACON_ON);
    EXPECT_EQ(log().find("0xC014431C"), std::string::npos);
    ASSERT_EQ(xell_diag_beacon_swport(fc, false, 0), XEL_STATUS_OK);
    EXPECT_EQ(xell_diag_beacon_lport(fc, false, 0), XEL_STATUS_BEACON_OFF);
    EXPECT_EQ(xell_diag_beacon_lport(fc, true, 5), XEL_STATUS_OK);
    EXPECT_EQ(xell_diag_beacon_lport(fc, true, 5), XEL_STATUS_BEACON_ON);
}

} // namespace
