// Debug capture: driver and firmware traces, saved state and the firmware
// core written to files the caller names, trace control, driver memory.
#pragma once

#include "xel_debug_records.h"
#include "xell_ioc.h"

// Each writes the bytes the driver returned to path (truncating it);
// XEL_STATUS_EFOPEN when it cannot be opened, XEL_STATUS_FAILED on a short
// write. A driver refusal is returned with no file written.
xel_status_t xell_debug_drv_trace(xell_t *ioc, const char *path);
xel_status_t xell_debug_drv_state(xell_t *ioc, const char *path);
xel_status_t xell_debug_fw_trace(xell_t *ioc, const char *path);
xel_status_t xell_debug_fw_state(xell_t *ioc, const char *path);
xel_status_t xell_debug_fw_state_clr(xell_t *ioc);
// The core chunk by chunk, appended in order until the driver's offset
// returns to 0. Any failure ends it; so does a core of more than
// XELL_CORE_MAX_CHUNKS chunks (XEL_STATUS_FAILED).
constexpr int XELL_CORE_MAX_CHUNKS = 4096;
xel_status_t xell_debug_fw_core(xell_t *ioc, const char *path);
// start: driver tracing on, else off.
xel_status_t xell_debug_control_dtrc(xell_t *ioc, bool start);
// Firmware tracing cannot be switched: XEL_STATUS_CMD_NOTSUPP.
xel_status_t xell_debug_control_ftrc(xell_t *ioc, bool start);
// The port log, and its clear.
xel_status_t xell_debug_portlog(xell_t *ioc, xel_plog_t *plog);
xel_status_t xell_debug_portlog_clr(xell_t *ioc);
// Starts (enable) or stops the port log's recording.
xel_status_t xell_debug_portlog_ctl(xell_t *ioc, bool enable);
// nwords (at most XEL_MEMREAD_MAX_WORDS) from offset addr into words; the
// base is returned in kva. nwords 0 asks the base alone.
xel_status_t xell_diag_memread(xell_t *ioc, uint64_t addr, uint32_t nwords, uint32_t *words, uint64_t *kva);
