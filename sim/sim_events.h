// The drivers' event queues (sim_events.cpp).
#pragma once

#include "sim_model_state.h"
#include "xel_aen_records.h"

#include <cstddef>
#include <cstdint>

struct sim_call;

// Queues an event raised by the function of the instance; data is the
// category's record (at most 40 bytes). Returns the entry queued.
xel_aen_entry_t sim_aen_raise(sim_aen_state *aen, int instance, uint32_t category, int32_t type, const uint8_t *data,
                   size_t data_len);
// The event fetch request: its status sits at offset 12, not 0.
int32_t sim_aen_get_events(sim_call &call);
