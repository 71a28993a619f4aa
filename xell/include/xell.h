// The adapter access library: what the front end may call.
#pragma once

#include "xel_status.h"

// Status messages and the last-error cell, one per thread.
const char *xell_status_to_string(xel_status_t status);
void xell_set_last_error(xel_status_t status);
xel_status_t xell_get_last_error();

// Library lifecycle.
xel_status_t xell_libinit(int app_id);
void xell_libexit();
// The application identifier xell_libinit was given.
int xell_application_id();
// Waits the seconds on the system's clock (the emulated host may scale it).
void xell_sleep(unsigned seconds);

// The adapter model: built by the scan, released by xell_adapter_free.
struct xell_t;
struct xell_adapter_t;
struct xell_port_t;

int xell_adapter_scan();
void xell_adapter_free();
