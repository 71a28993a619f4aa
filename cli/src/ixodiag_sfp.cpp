// diag --sfpshow: the SFP module's EEPROM (SFF-8472 serial ID page A0h and
// diagnostics page A2h) decoded field by field. Multi-byte values in the
// EEPROM are big-endian.
#include "ixodiag.h"

#include "ixo_commands.h"
#include "xell_diag.h"

#include <cstring>

namespace {

using names8 = const char *const[8];

names8 connector_names_hi = {"HSSDC II", "Cu pigtail", "RJ45"};
const char *const connector_names[13] = {"Unknown", "SC", "FC_1_cu", "FC_2_cu", "BNC/TNC", "FC_coax", "FiberJack",
                                         "LC", "MT-RJ", "MU", "SG", "Optical pigtail", "MPO"};
names8 encoding_names = {"Unspecified", "8B10B", "4B5B", "NRZ", "Manchester", "SONET", "64B66B"};
const int fc_speeds[8] = {100, 0, 200, 0, 400, 1600, 800, 1200};
const int fc_speed_map[8] = {1, 0, 2, 0, 3, 6, 4, 5};
names8 fc_media_names = {"SM", "", "M5", "M6", "TV", "MI", "TP", "TW"};
const char *const fc_tech_names[10] = {"Cu_FC", "Cu_P", "Cu_A", "LL", "SL", "SN", "EeL", "EaL", "LC", "SA"};
names8 fc_length_names = {"M", "L", "I", "S", "V"};
names8 eth_names = {"1000BASE-SX", "1000BASE-LX", "1000BASE-CX", "1000BASE-T",
                    "100BASE-LX",  "100BASE-FX",  "BASE-BX10",   "BASE-PX"};
names8 sonet_names = {"OC-3_short", "OC-3_inter", "OC-3_long", "", "OC-12_short", "OC-12_inter", "OC-12_long", ""};
names8 escon_names = {"OC-48_short", "OC-48_inter",  "OC-48_long", "SONET_b1",
                      "SONET_b2",    "OC-192_short", "ESCON-SMF",  "ESCON-MMF"};
names8 eth10g_names = {"10G_BASE-SR", "10G_BASE-LR", "10G_BASE-LRM", ""};
names8 option1_names = {"Linear_Rx_Out", "Power_Level", "Cooled_XCVR", "", "", "", "", ""};
names8 option2_names = {"", "Rx_LOS", "LOS", "TX_FAULT", "TX_DISABLE", "RATE_SELECT", "", ""};

uint16_t be16(const uint8_t *p)
{
    return static_cast<uint16_t>(p[0] << 8 | p[1]);
}

uint32_t be32(const uint8_t *p)
{
    return static_cast<uint32_t>(p[0]) << 24 | static_cast<uint32_t>(p[1]) << 16 |
           static_cast<uint32_t>(p[2]) << 8 | p[3];
}

float be_float(const uint8_t *p)
{
    uint32_t bits = be32(p);
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

// "%s," for every set bit of value, bit 0 first.
void print_bits(std::FILE *out, uint32_t value, const char *const *names, int count)
{
    for (int bit = 0; bit < count; bit++)
        if (value & (1u << bit))
            std::fprintf(out, "%s,", names[bit]);
}

void print_chars(std::FILE *out, const char *label, const uint8_t *text, size_t size)
{
    std::fputs(label, out);
    for (size_t i = 0; i < size; i++)
        std::fprintf(out, "%c", text[i]);
    std::fputs("\n", out);
}

void print_connector(std::FILE *out, uint8_t code)
{
    std::fprintf(out, "Connector:      %d \t", code);
    if (code <= 12)
        std::fprintf(out, "%s \n", connector_names[code]);
    else if (code >= 32 && code <= 34)
        std::fprintf(out, "%s \n", connector_names_hi[code - 32]);
    else if (code >= 128)
        std::fputs("Vendor specific\n", out);
    else
        std::fputs("Unallocated\n", out);
}

// The FC speeds in ascending order: each mapped bit fills its slot.
void print_fc_speeds(std::FILE *out, uint8_t bits)
{
    int slots[8] = {};
    for (int bit = 0; bit < 8; bit++)
        if ((bits & (1u << bit)) && fc_speed_map[bit] != 0)
            slots[fc_speed_map[bit] - 1] = fc_speeds[bit];
    bool first = true;
    for (int speed : slots) {
        if (speed == 0)
            continue;
        std::fprintf(out, first ? "%d" : ",%d", speed);
        first = false;
    }
    std::fputs("_MB/s ", out);
}

void print_transceiver(std::FILE *out, const uint8_t *xcvr)
{
    std::fputs("Transceiver:    ", out);
    for (int i = 7; i >= 0; i--)
        std::fprintf(out, "%02x", xcvr[i]);
    std::fputs("\t", out);
    uint8_t e10g = xcvr[0] >> 4;
    if (e10g != 0) {
        print_bits(out, e10g, eth10g_names, 4);
    } else {
        print_fc_speeds(out, xcvr[7]);
        print_bits(out, xcvr[6], fc_media_names, 8);
        print_bits(out, static_cast<uint32_t>(xcvr[5] >> 1) | static_cast<uint32_t>(xcvr[4] & 0x7) << 7,
                   fc_tech_names, 10);
        print_bits(out, xcvr[4] >> 3, fc_length_names, 5);
        print_bits(out, xcvr[3], eth_names, 8);
        print_bits(out, xcvr[2], sonet_names, 8);
        print_bits(out, xcvr[1], escon_names, 8);
    }
    std::fputs("\n", out);
}

void print_serial_id(std::FILE *out, const sfp_srlid_base_t &b, const sfp_srlid_ext_t &e)
{
    std::fprintf(out, "Identifier:     %d \t%s", b.id, b.id == 1 ? "GBIC\n" : b.id == 3 ? "SFP\n" : "Unknown\n");
    print_connector(out, b.connector);
    print_transceiver(out, b.xcvr);
    std::fprintf(out, "Encoding:       %d \t", b.encoding);
    if (b.encoding <= 6)
        std::fprintf(out, "%s \n", encoding_names[b.encoding]);
    else
        std::fputs("Unallocated\n", out);
    std::fprintf(out, "Baud Rate:      %d (units 100 megabaud)\n", b.br_norm);
    std::fprintf(out, "Length 9u:      %d (units km)\n", b.len_km);
    std::fprintf(out, "Length 9u:      %d (units 100 meters)\n", b.len_100m);
    std::fprintf(out, "Length 50u:     %d (units 10 meters)\n", b.len_om2);
    std::fprintf(out, "Length 62.5u:   %d (units 10 meters)\n", b.len_om1);
    std::fprintf(out, "Length Cu:      %d (units 1 meter)\n", b.len_cu);
    print_chars(out, "Vendor Name:    ", b.vendor_name, sizeof b.vendor_name);
    std::fprintf(out, "Vendor OUI:     %02x:%02x:%02x \n", b.vendor_oui[0], b.vendor_oui[1], b.vendor_oui[2]);
    print_chars(out, "Vendor PN:      ", b.vendor_pn, sizeof b.vendor_pn);
    print_chars(out, "Vendor Rev:     ", b.vendor_rev, sizeof b.vendor_rev);
    // In decimal: the field holds nanometres.
    std::fprintf(out, "Wavelength:     %d (units nm)\n", be16(b.wavelen));
    std::fprintf(out, "Options:        %02x%02x \t", e.options[0], e.options[1]);
    for (int bit = 0; bit < 8; bit++)
        if (e.options[0] & (1u << bit))
            std::fprintf(out, "%s ", option1_names[bit]);
    for (int bit = 0; bit < 8; bit++)
        if (e.options[1] & (1u << bit))
            std::fprintf(out, "%s ", option2_names[bit]);
    std::fputs("\n", out);
    std::fprintf(out, "BR Max:         %d \n", e.br_max);
    std::fprintf(out, "BR Min:         %d \n", e.br_min);
    print_chars(out, "Serial No:      ", e.vendor_sn, sizeof e.vendor_sn);
    print_chars(out, "Date Code:      ", e.date_code, sizeof e.date_code);
}

// Measurements the module calibrated itself, in SFF-8472's units:
// 1/256 degree, 100 uV, 2 uA, 0.1 uW.
void print_internal(std::FILE *out, const uint8_t *diag)
{
    auto t = static_cast<int16_t>(be16(diag));
    float temperature = static_cast<float>(t >> 8) + static_cast<float>(t & 0xFF) / 256;
    float voltage = static_cast<float>(be16(diag + 2)) * 100 / 1000000;
    float current = static_cast<float>(be16(diag + 4)) * 2 / 1000;
    float tx_power = static_cast<float>(be16(diag + 6) / 10) / 1000;
    float rx_power = static_cast<float>(be16(diag + 8) / 10) / 1000;
    std::fprintf(out, "Temperature:\t%-f Centigrade\n", static_cast<double>(temperature));
    std::fprintf(out, "Current:\t%-f mAmps\n", static_cast<double>(current));
    std::fprintf(out, "Voltage:\t%-f V\n", static_cast<double>(voltage));
    std::fprintf(out, "RX Power:\t%-f mW\n", static_cast<double>(rx_power));
    std::fprintf(out, "Tx Power:\t%-f mW\n", static_cast<double>(tx_power));
}

// slope (unsigned, 1/256 steps) x reading + offset (signed), in the units
// of the internally calibrated reading.
float calibrated(const uint8_t *constants, float reading)
{
    float slope = static_cast<float>(be16(constants)) / 256;
    auto offset = static_cast<int16_t>(be16(constants + 2));
    return slope * reading + static_cast<float>(offset);
}

// Raw readings calibrated with the constants the module stores: the same
// units as above once calibrated, shown in degrees, volts, mA and mW.
void print_external(std::FILE *out, const sfp_diag_base_t &base, const uint8_t *diag)
{
    auto t_raw = static_cast<float>(static_cast<int16_t>(be16(diag)));
    float temperature = calibrated(base.temp, t_raw) / 256;
    float voltage = calibrated(base.volt, be16(diag + 2)) * 100 / 1000000;
    float current = calibrated(base.tx_i, be16(diag + 4)) * 2 / 1000;
    float tx_power = calibrated(base.tx_pwr, be16(diag + 6)) / 10000;
    float r = be16(diag + 8);
    float rx = 0;
    for (int i = 0; i < 5; i++) // constant 4 first: Horner's rule
        rx = rx * r + be_float(base.rx_pwr + 4 * i);
    float rx_power = rx / 10000;
    std::fprintf(out, "temperature:    %-f\n", static_cast<double>(temperature));
    std::fprintf(out, "voltage:        %-f\n", static_cast<double>(voltage));
    std::fprintf(out, "curr:           %-f\n", static_cast<double>(current));
    std::fprintf(out, "tx_power:       %-f\n", static_cast<double>(tx_power));
    std::fprintf(out, "rx_power:       %-f\n", static_cast<double>(rx_power));
}

void print_diagnostics(std::FILE *out, const sfp_mem_t &sfp)
{
    uint8_t type = sfp.srlid_ext.diag_mon_type;
    if (!(type & 0x40))
        return;
    const sfp_diag_ext_t &ext = sfp.diag_ext;
    std::fprintf(out, "Status/Ctrl:    %02x\n", ext.status_ctl);
    if (type & 0x20)
        print_internal(out, ext.diag);
    else if (type & 0x10)
        print_external(out, sfp.diag_base, ext.diag);
    const uint8_t flags[4] = {ext.alarm_flags[0], ext.alarm_flags[1], ext.warning_flags[0], ext.warning_flags[1]};
    std::fprintf(out, "Alarm/Warning:  %08x\n", be32(flags));
}

} // namespace

void ixo_sfp_print(std::FILE *out, const sfp_mem_t &sfp)
{
    print_serial_id(out, sfp.srlid_base, sfp.srlid_ext);
    print_diagnostics(out, sfp);
    bool module_16g = (sfp.srlid_base.xcvr[7] & 0x20) != 0;
    const uint8_t *oui = sfp.srlid_base.vendor_oui;
    uint32_t vendor = static_cast<uint32_t>(oui[0]) << 16 | static_cast<uint32_t>(oui[1]) << 8 | oui[2];
    if (module_16g && vendor == IXO_SFP_MAKER_OUI) {
        const uint8_t *poh = sfp.usr_eeprom.poh;
        std::fprintf(out, "Power On Hours: %u hours\n",
                     static_cast<uint32_t>(poh[0]) << 16 | static_cast<uint32_t>(poh[1]) << 8 | poh[2]);
        std::fprintf(out, "O-Wrap Control: %d \n", sfp.usr_eeprom.owrap);
    }
}

int ixo_diag_sfpshow(char **, int, ixo_id_t *id)
{
    xell_t *ioc = id->xell;
    if (ioc == nullptr) {
        std::fputs("NULL HANDLE RETURNED BY THE LIBRARY\n", stdout);
        return XEL_STATUS_FAILED;
    }
    xel_ioc_attr_t attr{};
    xel_status_t status = xell_ioc_get_attr(ioc, &attr);
    if (status == XEL_STATUS_OK && attr.adapter_attr.is_mezz != 0) {
        std::fputs("This command is not applicable to Mezz cards.\n", stdout);
        xell_ioc_close(ioc);
        return XEL_STATUS_OK;
    }
    if (status != XEL_STATUS_OK)
        return status;
    sfp_mem_t sfp{};
    status = xell_diag_sfp_query(ioc, &sfp);
    if (status != XEL_STATUS_OK && status != XEL_STATUS_SFP_UNSUPP) {
        xell_ioc_close(ioc);
        return status;
    }
    if (status == XEL_STATUS_SFP_UNSUPP) {
        std::fputs("\n**************************************************\n"
                   "              UNSUPPORTED SFP\n"
                   "**************************************************\n\n",
                   stdout);
        status = XEL_STATUS_OK;
    }
    ixo_sfp_print(stdout, sfp);
    xell_ioc_close(ioc);
    return status;
}
