// Fabric diagnostics through the FC pass-through: ping and trace route
// through the fabric configuration server, ECHO to a remote port, the
// link beacon to the fabric controller, and the texts of their rejects.
#pragma once

#include "xel_fcdiag_records.h"
#include "xell_ioc.h"

#include <cstdint>

// *rspsz: the response buffer's size in, the bytes received out. A zero
// lpwwn names the base port.
xel_status_t xell_fcdiag_fcping(xell_t *ioc, uint16_t vf_id, wwn_t lpwwn, wwn_t rpwwn, void *rsp, uint32_t *rspsz);
xel_status_t xell_fcdiag_fctraceroute(xell_t *ioc, uint16_t vf_id, wwn_t lpwwn, wwn_t rpwwn, void *rsp,
                                      uint32_t *rspsz);
// The in size is also the ECHO's length (4 to 128).
xel_status_t xell_fcdiag_fcecho(xell_t *ioc, uint16_t vf_id, wwn_t lpwwn, wwn_t rpwwn, void *rsp, uint32_t *rspsz);
xel_status_t xell_fcdiag_beacon_swport(xell_t *ioc, bool beacon, link_e2e_beacon_param_t param, void *rsp,
                                       uint32_t *rspsz);

// Each writes at most 64 bytes, the terminator included; nothing for a
// null buffer.
constexpr size_t XELL_RJT_TEXT_MAX = 64;
void xell_ls_rjt_reason(uint8_t code, char *text);
void xell_ls_rjt_reason_expl(uint8_t code, char *text);
void xell_ftrc_strc_rjt_reason_expl(uint8_t code, char *text);
void xell_fcct_rjt_reason(uint8_t code, char *text);
void xell_fcct_rjt_reason_expl(uint8_t code, char *text);
