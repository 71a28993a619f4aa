// Parsers and printers of the argument and value kinds commands share:
// WWNs, MACs, LUNs, numbers, names, VLAN ids, speeds, topologies,
// durations and table rules.
#pragma once

#include "xel_types.h"
#include "xell_state.h" // the speed and topology codes the parsers give

#include <cstddef>
#include <cstdint>

// Eight pairs of hexadecimal digits joined by colons; the first pair is
// the first wire byte.
bool ixo_get_port_wwn(const char *text, wwn_t *wwn);
// Six pairs of hexadecimal digits joined by colons.
bool ixo_get_mac_number(const char *text, mac_t *mac);
// 16 hexadecimal digits, two per byte in wire order.
bool ixo_convert_string_to_lun(const char *text, size_t length, lun_t *lun);
int64_t ixo_str2longlong(const char *text);
lun_t ixo_str2lun(const char *text);
bool ixo_verify_num(const char *text);
bool ixo_verify_pattern(const char *text);
bool ixo_verify_lun(const char *text);
bool ixo_verify_name(const char *text);
// 0 to 4094, else -1; an empty text gives 0.
int ixo_parse_vlan_id(const char *text);
bool ixo_set_speed(const char *text, uint32_t *speed);
bool ixo_set_topology(const char *text, uint32_t *topology);
bool ixo_test_file_exists(const char *path);
// Parses a decimal number that must fit max; false for anything else, so
// that an oversized number is refused rather than wrapped.
bool ixo_parse_uint(const char *text, uint64_t max, uint64_t *value);

char *ixo_wwn2str(char *buf, wwn_t wwn);
void ixo_print_pwwn(wwn_t wwn);
void ixo_print_mac(mac_t mac);
void ixo_print_lun(lun_t lun);
void ixo_convert_lun_to_string(lun_t lun, char *buf, size_t size);
void ixo_print_duration(uint32_t seconds);
void ixo_print_header_line(uint8_t columns);
