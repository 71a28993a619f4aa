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
