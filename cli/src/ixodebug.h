// The debug commands' displays.
#pragma once

#include "xel_debug_records.h"

#include <cstdint>

// The port log as a table of its records from head to tail, or the line
// that says why there is none.
void ixo_debug_portlog_print(const xel_plog_t &plog);
// Words eight to a line, each line led by the address of its first word
// (wide: as a 64-bit number, else as eight digits).
void ixo_debug_print_words(uint64_t addr, const uint32_t *words, uint32_t count, bool wide);
// Register words under the line that says where they were read.
void ixo_debug_print_registers(uint32_t addr, const uint32_t *words, uint32_t count);
