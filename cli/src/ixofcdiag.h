// What the fcdiag commands share: their words and the base port default.
#pragma once

#include "xel_types.h"
#include "xell_ioc.h"

#include <cstdint>

// argv[4] the remote port WWN, then "-l <lpwwn>" pairs from argv[first].
int ixo_fcdiag_parse_args(char **argv, int argc, int first, wwn_t *rpwwn, wwn_t *lpwwn, uint16_t *vf_id);
// A zero local WWN becomes the IOC's own port WWN, read from the IOC
// information; a failing read is returned.
xel_status_t ixo_fcdiag_base_lpwwn(xell_t *ioc, wwn_t *lpwwn);
int ixo_fcdiag_scsitest(xell_t *ioc, wwn_t rpwwn, wwn_t lpwwn, uint16_t vf_id);
// A byte count: "-----" when negative, plain below 1 MiB, else in MB, GB
// or whole TB with two decimals.
void ixo_print_sizef(int64_t size);
