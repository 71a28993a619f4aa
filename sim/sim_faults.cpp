// Finding, using up and naming injected faults.
#include "sim_faults.h"

#include "sim_fabric_diag.h"
#include "xel_ioctl.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <strings.h>

namespace {

// The errnos a transport fault is likely to want, with their names.
const std::pair<int, const char *> errno_names[] = {
    {EPERM, "EPERM"},   {EINTR, "EINTR"},   {EIO, "EIO"},       {ENXIO, "ENXIO"},   {EBADF, "EBADF"},
    {EAGAIN, "EAGAIN"}, {ENOMEM, "ENOMEM"}, {EFAULT, "EFAULT"}, {EBUSY, "EBUSY"},   {ENODEV, "ENODEV"},
    {EINVAL, "EINVAL"}, {ENOTTY, "ENOTTY"}, {ENOSPC, "ENOSPC"}, {ETIMEDOUT, "ETIMEDOUT"},
    {EOPNOTSUPP, "EOPNOTSUPP"},
};

// A never-state fault without a code holds the IOC's enable and disable.
bool fault_meets(const sim_fault &fault, const std::string &pci, uint32_t cmd)
{
    if (fault.pci != pci)
        return false;
    if (fault.kind == sim_fault_kind::never_state && fault.cmd == 0)
        return cmd == XEL_CMD_IOC_ENABLE || cmd == XEL_CMD_IOC_DISABLE;
    return fault.cmd == cmd;
}

} // namespace

int sim_find_fault(sim_host_state &state, const std::string &pci, uint32_t cmd, bool *counted)
{
    for (size_t i = 0; i < state.faults.size(); i++) {
        sim_fault &fault = state.faults[i];
        if (!fault_meets(fault, pci, cmd))
            continue;
        if (fault.after == 0)
            return static_cast<int>(i);
        fault.after--;
        *counted = true;
    }
    return -1;
}

bool sim_never_state_code(uint32_t cmd)
{
    return cmd == XEL_CMD_IOC_ENABLE || cmd == XEL_CMD_IOC_DISABLE || cmd == XEL_CMD_PORT_ENABLE ||
           cmd == XEL_CMD_PORT_DISABLE;
}

void sim_use_fault(sim_host_state &state, int index)
{
    sim_fault &fault = state.faults.at(static_cast<size_t>(index));
    if (fault.remaining > 0 && --fault.remaining == 0)
        state.faults.erase(state.faults.begin() + index);
}

std::string sim_errno_name(int err)
{
    for (const auto &[value, name] : errno_names)
        if (value == err)
            return name;
    return std::to_string(err);
}

bool sim_parse_errno(const std::string &text, int *err)
{
    for (const auto &[value, name] : errno_names)
        if (strcasecmp(text.c_str(), name) == 0) {
            *err = value;
            return true;
        }
    char *end = nullptr;
    long value = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || value <= 0 || value > 4095)
        return false;
    *err = static_cast<int>(value);
    return true;
}

std::string sim_fault_text(const sim_fault &fault)
{
    char code[16] = "enable/disable";
    if (fault.kind != sim_fault_kind::never_state || fault.cmd)
        std::snprintf(code, sizeof code, "0x%08X", fault.cmd);
    std::string effect;
    switch (fault.kind) {
    case sim_fault_kind::status:
        effect = "status " + std::to_string(fault.value);
        break;
    case sim_fault_kind::transport_errno:
        effect = "errno " + sim_errno_name(fault.value);
        break;
    case sim_fault_kind::never_state:
        effect = "never reaches the state";
        break;
    case sim_fault_kind::flash_half:
        effect = "writes half, status " + std::to_string(fault.value);
        break;
    case sim_fault_kind::flash_corrupt:
        effect = "reads back other bytes";
        break;
    case sim_fault_kind::result:
        effect = "result " + std::to_string(fault.value);
        break;
    case sim_fault_kind::frame:
        effect = sim_frame_effect_text(fault.value);
        break;
    }
    std::string times = fault.remaining < 0    ? "always"
                        : fault.remaining == 1 ? "once"
                                               : std::to_string(fault.remaining) + " times";
    if (fault.after > 0)
        times += ", after " + std::to_string(fault.after);
    return fault.pci + "  " + code + "  " + effect + "  (" + times + ")";
}
