// The boot duplication operations behind the commands; a null stream
// stands for standard output, a null adapter for all of them.
#pragma once

#include "xell_adapter.h"

#include <cstdint>
#include <cstdio>

xel_status_t ixo_bootdup_query_internal(xell_adapter_t *pa, FILE *logfp, FILE *outfp, bool bupdate_oper,
                                        uint16_t bootdup_update_status, bool breboot_req);
xel_status_t ixo_bootdup_swquery_internal(xell_adapter_t *pa, FILE *logfp, FILE *outfp, bool bupdate_oper,
                                          uint16_t bootdup_update_status, bool breboot_req);
xel_status_t ixo_bootdup_update_internal(xell_adapter_t *pa, const char *fw_file, FILE *logfp, FILE *outfp);
xel_status_t ixo_bootdup_fw_read(xell_adapter_t *pa, const char *fw_file, FILE *logfp);
xel_status_t ixo_bootdup_pbc_dump_hex(const char *file);
