// FC frames through the storage driver: an ELS or CT request with its
// frame header goes to a remote port's BSG node, or to the IOC's own node
// when it is addressed to the fabric, and the response payload comes back.
#pragma once

#include "xel_fabric_records.h"
#include "xel_stats_records.h"
#include "xell_ioc.h"

#include <cstddef>
#include <cstdint>

// *rspsz is the response buffer's size on the way in and the bytes
// received on the way out (on success).
xel_status_t xell_fcpt(xell_t *ioc, uint16_t vf_id, wwn_t lpwwn, wwn_t dpwwn, uint32_t tsecs, bool cts, uint32_t cos,
                       const fchs_t &fchs, const void *reqbuf, uint32_t reqsz, void *rspbuf, uint32_t *rspsz);
// A CT frame header to the management server from the given pid.
void xell_gs_req_fchdr_build(fchs_t *fchs, uint32_t pid);
// A CT header for the fabric configuration server.
void xell_gs_req_cthdr_build(ct_hdr_t *cthdr, uint16_t gs_cmd);
// An ELS frame header from s_id to d_id (pids).
void xell_els_req_fchdr_build(fchs_t *fchs, uint32_t d_id, uint32_t s_id);
// The 24-bit address of a pid into three wire bytes, and back.
void xell_put_fc_id(uint8_t *bytes, uint32_t pid);
uint32_t xell_get_fc_id(const uint8_t *bytes);
uint16_t xell_ct_rsp_code(const ct_hdr_t &ct);

// The replies of the two queries that go out as frames. A name server
// answer to GSPN_ID: XEL_STATUS_FABRIC_RJT unless it is an accept; the
// name (cut to size - 1 bytes and terminated) is set when it has one.
xel_status_t xell_ns_symname_parse(const uint8_t *rsp, uint32_t rspsz, char *name, size_t size);
// An ELS RLS accept: the six counters, in host order.
xel_status_t xell_rls_parse(const uint8_t *rsp, uint32_t rspsz, xel_rport_remote_link_stats_t *stats);
