// The option words the fabric commands share: "-l <lpwwn>" pairs naming
// the logical port, and the adapter, port and PCI function of a network
// interface.
#pragma once

#include "xel_types.h"

#include <cstdint>

// From argv[first] to the end the words must come in pairs "-l" and a
// WWN; the last pair wins. 0, 4007 for another word or a lone "-l", 4008
// for a malformed WWN. vf_id is not set.
int ixo_fill_vfid_lpwwn(char **argv, int argc, int first, uint16_t *vf_id, wwn_t *lpwwn);
// 0 when a network IOC has the interface name (its numbers filled in), 1
// otherwise.
int ixo_get_port_num(const char *ifname, int *ad, int *port, int *pcifn);
