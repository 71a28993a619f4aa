#include "sim_registers.h"

#include "xel_bsg.h"

namespace {

// The serdes sit behind an address register and a data register per port:
// the address written selects the serdes register the data register reads
// and writes. What is selected, and what has been written to the serdes,
// is kept in the same map above the register space.
constexpr uint32_t serdes_data[2] = {0x26800, 0x26C00};
constexpr uint32_t selected_key = 0x80000000u;
constexpr uint32_t serdes_key = 0xC0000000u;

int serdes_port_of_addr(uint32_t off)
{
    if (off == 0x220D0 || off == 0x1E034)
        return 0;
    if (off == 0x224D0 || off == 0x1E038)
        return 1;
    return -1;
}

int serdes_port_of_data(uint32_t off)
{
    return off == serdes_data[0] ? 0 : off == serdes_data[1] ? 1 : -1;
}

uint32_t stored(const sim_function_state &st, uint32_t key, uint32_t otherwise)
{
    auto it = st.registers.find(key);
    return it == st.registers.end() ? otherwise : it->second;
}

uint32_t serdes_slot(int port, uint32_t selected)
{
    return serdes_key | (static_cast<uint32_t>(port) << 20) | (selected & 0xFFFFFu);
}

// A serdes register reads as 0x5e000000 with its address; reading an
// equaliser parameter (address ending 0xE0) gives, in bits 9 to 14, a
// value for the parameter chosen in the low five bits of the register
// 0x10 below it.
uint32_t serdes_read(const sim_function_state &st, int port)
{
    uint32_t selected = stored(st, selected_key | serdes_data[port], 0);
    uint32_t slot = serdes_slot(port, selected);
    if (st.registers.count(slot) != 0)
        return st.registers.at(slot);
    if ((selected & 0xFF) == 0xE0) {
        uint32_t param = stored(st, serdes_slot(port, selected - 0x10), 0) & 0x1F;
        return 0x5e000000u | (((param * 5 + 3) & 0x3F) << 9);
    }
    return 0x5e000000u | (selected & 0xFFFFFu);
}

// The receive and transmit descriptor pages: 16 words for the FID in
// their index register, "RD" or "TD", the FID and the word's number.
bool descriptor_read(const sim_function_ref &ref, const sim_function_state &st, uint32_t off, uint32_t *value)
{
    if (off < 0x8000 || off >= 0x8040)
        return false;
    uint32_t page = stored(st, ref.adapter->device_id == 0x22 ? 0x30118 : 0x14008, 0);
    uint32_t index_reg = page == 0x10 ? 0x1B00C : page == 0x14 ? 0x1B814 : 0;
    if (index_reg == 0)
        return false;
    uint32_t fid = stored(st, index_reg, 0);
    uint32_t tag = page == 0x10 ? 0x5244u : 0x5444u;
    *value = (tag << 16) | ((fid & 0xFF) << 8) | ((off - 0x8000) / 4);
    return true;
}

// The CAMs, paged in at 0xA000 (multicast) and 0xA800 (unicast) by 0xA1
// in the function's page register: two words an entry, the MAC address's
// first two bytes then its last four. The first multicast entry is the
// broadcast address, the first unicast one the function's own MAC.
bool cam_read(const sim_function_ref &ref, const sim_function_state &st, uint32_t off, uint32_t *value)
{
    static const uint32_t fn_page[] = {0x14008, 0x14108, 0x14308, 0x14408};
    if (off < 0xA000 || off >= 0xB000 || stored(st, fn_page[ref.function->pci_function() % 4], 0) != 0xA1)
        return false;
    bool unicast = off >= 0xA800;
    uint32_t at = off - (unicast ? 0xA800 : 0xA000);
    *value = 0;
    if (at >= 8)
        return true;
    mac_t broadcast{};
    for (auto &b : broadcast.mac)
        b = 0xff;
    const mac_t &mac = unicast ? ref.function->mac : broadcast;
    const uint8_t *b = mac.mac;
    *value = at == 0 ? (uint32_t{b[0]} << 8) | b[1]
                     : (uint32_t{b[2]} << 24) | (uint32_t{b[3]} << 16) | (uint32_t{b[4]} << 8) | b[5];
    return true;
}

} // namespace

bool sim_register_range_ok(uint32_t off, uint64_t nwords)
{
    return off % 4 == 0 && off + nwords * 4 <= SIM_REGISTER_SPACE;
}

uint32_t sim_register_read(const sim_function_ref &ref, const sim_function_state &st, uint32_t off)
{
    int port = serdes_port_of_data(off);
    if (port >= 0)
        return serdes_read(st, port);
    auto written = st.registers.find(off);
    if (written != st.registers.end())
        return written->second;
    uint32_t value = 0;
    if (descriptor_read(ref, st, off, &value) || cam_read(ref, st, off, &value))
        return value;
    if (off == 0)
        return (static_cast<uint32_t>(ref.adapter->device_id) << 16) | static_cast<uint32_t>(XEL_PCI_VENDOR_ID);
    if (off == 0x14208) // the serdes bus (AHB) is on for both ports
        return 0x7FC00000u;
    return (off * 2654435761u) ^ (ref.function->pci_function() << 28) ^ ref.adapter->card_type;
}

void sim_register_write(sim_function_state &st, uint32_t off, uint32_t word)
{
    int port = serdes_port_of_data(off);
    if (port >= 0) {
        st.registers[serdes_slot(port, stored(st, selected_key | off, 0))] = word;
        return;
    }
    st.registers[off] = word;
    port = serdes_port_of_addr(off);
    if (port >= 0)
        st.registers[selected_key | serdes_data[port]] = word;
}
