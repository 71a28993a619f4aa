// The boot configuration a port keeps in the adapter (boot over SAN).
#pragma once

#include "xel_port_records.h"
#include "xell_ioc.h"

#include <cstddef>

// XOR of the buffer's size / 2 16-bit words.
uint16_t xel_checksum_u16(const void *buf, size_t size);
// Writes the configuration with its checksum. XEL_STATUS_EINVAL, sending
// nothing, for an enabled configuration with speed 0 or more than 4 LUNs.
xel_status_t xell_bios_cfg(xell_t *ioc, const xel_boot_cfg_t *cfg);
// Reads the configuration. One that was read but is blank or foreign
// (version not 1) is replaced by the default (enabled, automatic speed)
// and that is returned; one that could not be read is left alone and the
// failure returned. A port not in HBA mode reports automatic speed.
xel_status_t xell_bios_query(xell_t *ioc, xel_boot_cfg_t *cfg);
