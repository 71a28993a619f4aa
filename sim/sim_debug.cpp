// The drivers' debug capture: the driver state, trace control, the saved
// firmware trace clear, the firmware core in chunks and driver memory.
#include "sim_driver.h"
#include "xel_debug_records.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

// The driver's state as it dumps it: a text of its IOC and settings.
std::string drv_state_text(const sim_call &call)
{
    const auto &st = call.st;
    char text[256];
    std::snprintf(text, sizeof text,
                  "%s drvstate %s\nioc_state %s\nname %s\ncoalesce %u delay %u latency %u\ndrv_trace %s\n",
                  call.fn().driver(), call.fn().pci.c_str(), sim_ioc_state_name(st.ioc_state), st.name.c_str(),
                  st.coalesce, st.delay, st.latency, st.models.debug.drv_trace ? "on" : "off");
    return text;
}

} // namespace

// The bytes of a function's firmware core: every byte follows from its
// offset and the PCI function, so a reader can check it.
uint8_t sim_core_byte(uint32_t pci_function, uint32_t offset)
{
    return static_cast<uint8_t>((offset * 7u + (offset >> 12) + pci_function * 0x40u) & 0xffu);
}

int32_t sim_debug_drv_state(sim_call &call)
{
    auto record = load<xel_ioctl_debug_t>(call);
    std::span<uint8_t> out = call.data.subspan(sizeof record);
    std::string text = drv_state_text(call);
    size_t n = std::min({text.size(), out.size(), static_cast<size_t>(record.bufsz)});
    std::copy_n(text.begin(), n, out.begin());
    record.bufsz = static_cast<uint32_t>(n);
    store(call, record);
    return XEL_STATUS_OK;
}

int32_t sim_debug_drv_trace(sim_call &call)
{
    auto record = load<xel_ioctl_debug_t>(call);
    std::span<uint8_t> out = call.data.subspan(sizeof record);
    std::string text = sim_trace_text(call.ref, call.st, "drvtrc");
    size_t n = std::min({text.size(), out.size(), static_cast<size_t>(record.bufsz)});
    std::copy_n(text.begin(), n, out.begin());
    record.bufsz = static_cast<uint32_t>(n);
    store(call, record);
    return XEL_STATUS_OK;
}

int32_t sim_debug_fw_state_clr(sim_call &call)
{
    call.st.models.debug.fw_saved_clear = true;
    call.changed = true;
    return XEL_STATUS_OK;
}

int32_t sim_debug_dtrc_start(sim_call &call)
{
    call.st.models.debug.drv_trace = true;
    call.changed = true;
    return XEL_STATUS_OK;
}

int32_t sim_debug_dtrc_stop(sim_call &call)
{
    call.st.models.debug.drv_trace = false;
    call.changed = true;
    return XEL_STATUS_OK;
}

// Chunks of the core from the record's offset; the driver advances the
// offset and sets it to 0 with the last chunk.
int32_t sim_debug_fw_core(sim_call &call)
{
    auto record = load<xel_ioctl_debug_t>(call);
    uint32_t size = SIM_CORE_SIZE;
    if (record.offset >= size)
        return XEL_STATUS_EINVAL;
    std::span<uint8_t> out = call.data.subspan(sizeof record);
    auto offset = static_cast<uint32_t>(record.offset);
    uint32_t n = std::min({size - offset, XEL_DEBUG_CORE_CHUNK, static_cast<uint32_t>(out.size())});
    for (uint32_t i = 0; i < n; i++)
        out[i] = sim_core_byte(call.fn().pci_function(), offset + i);
    record.bufsz = n;
    record.offset = offset + n == size ? 0 : offset + n;
    store(call, record);
    return XEL_STATUS_OK;
}

// Driver memory: the words at a kernel address from the base, each the
// low half of its address.
int32_t sim_diag_memread(sim_call &call)
{
    auto record = load<xel_ioctl_memread_t>(call);
    if (record.uLength > (call.data.size() - sizeof record) / 4)
        return XEL_STATUS_EINVAL;
    record.kva_address = SIM_KVA_BASE + (static_cast<uint64_t>(call.fn().pci_function()) << 24);
    std::span<uint8_t> out = call.data.subspan(sizeof record);
    for (uint32_t i = 0; i < record.uLength; i++) {
        auto word = static_cast<uint32_t>(record.uAddress + i * 4u);
        std::memcpy(out.data() + i * 4, &word, sizeof word);
    }
    store(call, record);
    return XEL_STATUS_OK;
}

namespace {

constexpr uint64_t plog_boot_time = 1767225600; // when the firmware came up

void plog_ints(xel_plog_rec_t *rec, std::initializer_list<uint32_t> values)
{
    rec->log_type = XEL_PLOG_TYPE_INT;
    rec->log_num_ints = static_cast<uint8_t>(values.size());
    rec->misc = static_cast<uint16_t>(values.size() * 4);
    size_t i = 0;
    for (uint32_t v : values) {
        uint8_t be[4] = {static_cast<uint8_t>(v >> 24), static_cast<uint8_t>(v >> 16), static_cast<uint8_t>(v >> 8),
                         static_cast<uint8_t>(v)};
        std::memcpy(rec->log_entry + 4 * i++, be, 4);
    }
}

// A string fills its whole entry with no terminator, as the firmware
// writes one of 32 characters.
void plog_text(xel_plog_rec_t *rec, const std::string &text)
{
    rec->log_type = XEL_PLOG_TYPE_STRING;
    size_t n = std::min(text.size(), sizeof rec->log_entry);
    std::memcpy(rec->log_entry, text.data(), n);
    rec->misc = static_cast<uint16_t>(n);
}

} // namespace

// The port's events since the firmware came up: its start, the link and
// the fabric login, until the log is cleared.
int32_t sim_debug_portlog(sim_call &call)
{
    auto record = load<xel_ioctl_debug_t>(call);
    xel_plog_t plog{};
    std::memcpy(plog.plog_sig, "12pl123", 8);
    plog.plog_enabled = call.st.portlog ? 1 : 0;
    plog.ticks = 1000;
    if (!call.st.models.debug.plog_cleared) {
        auto port = static_cast<uint8_t>(call.fn().port);
        xel_plog_rec_t *r = plog.plog_recs;
        r[0] = {plog_boot_time, port, 1, 1, 0, 0, 0, 0, {}};
        plog_ints(&r[0], {call.fn().port, 0x10, 0xdeadbeef});
        r[1] = {plog_boot_time + 2, port, 2, 3, 0, 0, 0, 0, {}};
        plog_text(&r[1], "link up at " + std::to_string(call.adapter().max_speed) + "G");
        r[2] = {plog_boot_time + 3, port, 3, 5, 0, 0, 0, 0, {}};
        plog_text(&r[2], "fabric login accepted, pid 0a1000ff");
        plog.tail = 3;
    }
    std::span<uint8_t> out = call.data.subspan(sizeof record);
    size_t n = std::min(out.size(), sizeof plog);
    std::memcpy(out.data(), &plog, n);
    record.bufsz = static_cast<uint32_t>(n);
    store(call, record);
    return XEL_STATUS_OK;
}

int32_t sim_debug_portlog_clr(sim_call &call)
{
    call.st.models.debug.plog_cleared = true;
    call.changed = true;
    return XEL_STATUS_OK;
}

int32_t sim_debug_portlog_ctl(sim_call &call)
{
    call.st.portlog = load<xel_ioctl_portlog_ctl_t>(call).enable != 0;
    call.changed = true;
    return XEL_STATUS_OK;
}
