// What the diag commands (ixodiag*.cpp) share.
#pragma once

#include "xel_diag_records.h"

#include <cstdint>
#include <cstdio>

// A loopback type word: "int" (FC loopback only), "serdes", "ext". 0 or
// E_CLI_INCORRECT_CMD.
int ixo_diag_get_type(const char *word, uint32_t *opmode, bool fc_lp);
// A loopback speed word: 1, 2, 4, 8, 16, 10 or auto. 0 or E_CLI_INCORRECT_CMD.
int ixo_diag_get_speed(const char *word, uint32_t *speed);
// A decimal count from 1 up to max; false for anything else.
bool ixo_diag_get_count(const char *word, uint64_t max, uint32_t *count);
// One to eight hexadecimal digits.
bool ixo_diag_get_pattern(const char *word, uint32_t *pattern);

// The maker's IEEE OUI, whose 16G modules also report power-on hours.
constexpr uint32_t IXO_SFP_MAKER_OUI = 0x007a3c;
// The SFP EEPROM decoded, as diag --sfpshow prints it.
void ixo_sfp_print(std::FILE *out, const sfp_mem_t &sfp);
