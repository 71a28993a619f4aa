// Injected faults: finding the one a request meets, using it up, and the
// names the control tool and the request log give them.
#pragma once

#include "sim_state.h"

#include <cstdint>
#include <string>

// The first fault on the function that a request with this code (storage
// form) meets: a status or errno fault for the code, or a never-state
// fault for enable and disable. -1 when there is none.
int sim_find_fault(const sim_host_state &state, const std::string &pci, uint32_t cmd);
// Uses up one request of a fault; a fault with none left goes away.
void sim_use_fault(sim_host_state &state, int index);

// "EIO" for 5; a number for an errno without a name here.
std::string sim_errno_name(int err);
// Reads "EIO", "eio" or "5".
bool sim_parse_errno(const std::string &text, int *err);

// One line for the fault list: function, code, what it does, how often.
std::string sim_fault_text(const sim_fault &fault);
