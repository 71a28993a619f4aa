// Injected faults: finding the one a request meets, using it up, and the
// names the control tool and the request log give them.
#pragma once

#include "sim_state.h"

#include <cstdint>
#include <string>

// The fault that applies to a request with this code (storage form) on
// the function: the first one it meets (a status or errno fault for the
// code, or a never-state fault for enable and disable) that has no
// requests left to let pass; the faults before it that still had some
// count this one off (and say so in counted). -1 when none applies.
int sim_find_fault(sim_host_state &state, const std::string &pci, uint32_t cmd, bool *counted);
// The codes a never-state fault may hold: IOC and port enable and disable.
bool sim_never_state_code(uint32_t cmd);
// Uses up one request of a fault; a fault with none left goes away.
void sim_use_fault(sim_host_state &state, int index);

// "EIO" for 5; a number for an errno without a name here.
std::string sim_errno_name(int err);
// Reads "EIO", "eio" or "5".
bool sim_parse_errno(const std::string &text, int *err);

// One line for the fault list: function, code, what it does, how often.
std::string sim_fault_text(const sim_fault &fault);
