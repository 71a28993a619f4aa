// The SFP of a port: its media, the speeds it runs and its EEPROM, laid
// out as SFF-8472 gives it (serial ID page A0h, diagnostics page A2h). The
// maker's own modules calibrate their diagnostics internally; a module
// the adapter does not support is another vendor's, calibrated externally.
#include "sim_port.h"

#include "xel_diag_records.h"

#include <cstdio>
#include <cstring>
#include <numeric>

bool sim_sfp_supports(const sim_call &call, uint32_t speed)
{
    if (speed == XEL_PORT_SPEED_AUTO)
        return true;
    if (!sim_is_fc(call))
        return speed == XEL_PORT_SPEED_10GBPS;
    switch (call.adapter().max_speed) {
    case 16:
        return speed == 2 || speed == 4 || speed == 8 || speed == 16;
    case 8:
        return speed == 2 || speed == 4 || speed == 8 || (speed == 1 && call.adapter().is_mezz);
    default:
        return speed == 1 || speed == 2 || speed == 4;
    }
}

int32_t sim_sfp_media(sim_call &call)
{
    const sim_port_state &port = sim_port_of(call);
    if (!port.sfp_present)
        return XEL_STATUS_NO_SFP_DEV;
    auto record = answer_record<xel_ioctl_sfp_media_t>(call);
    record.media = port.sfp_media;
    store(call, record);
    return XEL_STATUS_OK;
}

int32_t sim_sfp_speed(sim_call &call)
{
    return sim_sfp_supports(call, load<xel_ioctl_sfp_speed_t>(call).speed) ? XEL_STATUS_OK
                                                                           : XEL_STATUS_UNSUPP_SFP_SPEED;
}

namespace {

void put16(uint8_t *p, uint16_t value)
{
    p[0] = static_cast<uint8_t>(value >> 8);
    p[1] = static_cast<uint8_t>(value);
}

void put_float(uint8_t *p, float value)
{
    uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    put16(p, static_cast<uint16_t>(bits >> 16));
    put16(p + 2, static_cast<uint16_t>(bits));
}

// A text field: ASCII, padded with spaces.
template <size_t N>
void put_text(uint8_t (&field)[N], const char *text)
{
    std::memset(field, ' ', N);
    std::memcpy(field, text, std::min(N, std::strlen(text)));
}

// The low byte of the sum of the bytes before the checksum.
uint8_t checksum(const void *data, size_t size)
{
    const auto *bytes = static_cast<const uint8_t *>(data);
    return static_cast<uint8_t>(std::accumulate(bytes, bytes + size, 0u));
}

struct module_kind {
    uint8_t xcvr[8];
    uint8_t encoding;
    uint8_t br_norm; // 100 megabaud
    const char *part;
};

// The module fitting the port: FC speeds by the adapter's, 10GBASE-SR on
// converged and network ports. Short wave, 850 nm, multimode fibre.
module_kind kind_for(const sim_call &call)
{
    if (!sim_is_fc(call))
        return {{0x10, 0, 0, 0, 0, 0, 0, 0}, 6, 103, "XS-10SR-01"};
    switch (call.adapter().max_speed) {
    case 16:
        return {{0, 0, 0, 0, 0x40, 0x40, 0x0c, 0x70}, 6, 140, "XS-16SW-01"};
    case 8:
        return {{0, 0, 0, 0, 0x40, 0x40, 0x0c, 0x54}, 1, 85, "XS-8SW-01"};
    default:
        return {{0, 0, 0, 0, 0x40, 0x40, 0x0c, 0x15}, 1, 43, "XS-4SW-01"};
    }
}

void fill_serial_id(const sim_call &call, bool maker, sfp_mem_t *m)
{
    sfp_srlid_base_t &b = m->srlid_base;
    module_kind kind = kind_for(call);
    b.id = 3; // SFP
    b.extid = 4;
    b.connector = 7; // LC
    std::memcpy(b.xcvr, kind.xcvr, sizeof b.xcvr);
    b.encoding = kind.encoding;
    b.br_norm = kind.br_norm;
    b.len_om2 = 10;
    b.len_om1 = 3;
    b.len_om3 = 15;
    put_text(b.vendor_name, maker ? "TESSARY" : "OEM");
    if (maker) {
        b.vendor_oui[1] = 0x7a;
        b.vendor_oui[2] = 0x3c;
    }
    put_text(b.vendor_pn, maker ? kind.part : "SFP-SR-GEN");
    put_text(b.vendor_rev, "A");
    put16(b.wavelen, 850);
    b.cc_base = checksum(&b, offsetof(sfp_srlid_base_t, cc_base));

    sfp_srlid_ext_t &e = m->srlid_ext;
    e.options[1] = 0x1a; // Rx LOS, TX_FAULT, TX_DISABLE
    char serial[17];
    std::snprintf(serial, sizeof serial, "XSN%04zu%02u", call.ref.adapter_index + 1, call.fn().port);
    put_text(e.vendor_sn, serial);
    put_text(e.date_code, "260115");
    // Digital diagnostics, average power, calibrated inside or outside.
    e.diag_mon_type = maker ? 0x68 : 0x58;
    e.en_options = 0xf0;
    e.sff_8472 = 5;
    e.cc_ext = checksum(&e, offsetof(sfp_srlid_ext_t, cc_ext));
}

// Alarm and warning thresholds, high then low, of temperature (36.5
// degrees is 0x2480), voltage, bias, Tx and Rx power, in the units of the
// measurements.
const uint16_t thresholds[20] = {0x4b00, 0xfb00, 0x4600, 0x0000, 36000, 30000, 35000, 31000, 6000, 1000,
                                 5500,   1500,   12600,  794,    10000, 1000,  12600, 158,   10000, 316};

void fill_diagnostics(const sim_port_state &port, bool maker, sfp_mem_t *m)
{
    sfp_diag_base_t &d = m->diag_base;
    for (size_t i = 0; i < 20; i++)
        put16(d.thresholds + 2 * i, thresholds[i]);
    bool light = port.link; // no light comes in without a cable
    uint16_t diag[5];
    if (maker) {
        // Calibrated: 36.5 degrees, 3.3 V, 6.5 mA, 0.5512 mW out, 0.4876 mW in.
        put_float(d.rx_pwr + 12, 1.0f);
        for (uint8_t *slope : {d.tx_i, d.tx_pwr, d.temp, d.volt})
            put16(slope, 0x0100);
        diag[0] = 0x2480, diag[1] = 33000, diag[2] = 3250, diag[3] = 5512, diag[4] = light ? 4876 : 0;
    } else {
        // Raw readings and the constants that calibrate them: 40 degrees,
        // 3.3 V, 6.4 mA, 0.51 mW out, 0.401 mW in.
        put_float(d.rx_pwr + 12, 1.0f);
        put_float(d.rx_pwr + 16, 10.0f);
        put16(d.tx_i, 0x0200);
        put16(d.tx_pwr, 0x0100);
        put16(d.tx_pwr + 2, 100);
        put16(d.temp, 0x0100);
        put16(d.temp + 2, static_cast<uint16_t>(-512));
        put16(d.volt, 0x0100);
        diag[0] = 0x2a00, diag[1] = 33000, diag[2] = 1600, diag[3] = 5000, diag[4] = light ? 4000 : 0;
    }
    d.cc_dmi = checksum(&d, offsetof(sfp_diag_base_t, cc_dmi));
    sfp_diag_ext_t &x = m->diag_ext;
    for (size_t i = 0; i < 5; i++)
        put16(x.diag + 2 * i, diag[i]);
    if (!light) {
        x.status_ctl = 0x02;         // Rx LOS
        x.alarm_flags[1] = 0x40;     // Rx power low
        x.warning_flags[1] = 0x40;
    }
    put16(m->usr_eeprom.poh + 1, 8760); // a year of service
}

} // namespace

int32_t sim_sfp_query(sim_call &call)
{
    const sim_port_state &port = sim_port_of(call);
    if (!port.sfp_present)
        return XEL_STATUS_NO_SFP_DEV;
    bool maker = port.sfp_media != XEL_SFP_MEDIA_UNSUPPORT;
    auto record = answer_record<xel_ioctl_sfp_query_t>(call);
    fill_serial_id(call, maker, &record.sfpmem);
    fill_diagnostics(port, maker, &record.sfpmem);
    store(call, record);
    return maker ? XEL_STATUS_OK : XEL_STATUS_SFP_UNSUPP;
}
