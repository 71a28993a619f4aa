// A function's register file as debugfs reaches it: 512 KiB of 32-bit
// registers that read as a fixed pattern until written, with the few the
// register dump reads through pages and address and data pairs.
#pragma once

#include "sim_state.h"
#include "sim_topology.h"

#include <cstdint>

constexpr uint32_t SIM_REGISTER_SPACE = 0x80000;

// Whole aligned words within the register space.
bool sim_register_range_ok(uint32_t off, uint64_t nwords);
uint32_t sim_register_read(const sim_function_ref &ref, const sim_function_state &st, uint32_t off);
void sim_register_write(sim_function_state &st, uint32_t off, uint32_t word);
