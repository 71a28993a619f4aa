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
// Reads the pre-boot configuration.
xel_status_t xell_bios_pbc_query(xell_t *ioc, xel_boot_pbc_t *pbc);

// Network boot of an Ethernet port. The query answers XEL_STATUS_CMD_NOTSUPP
// for a port in HBA mode; a record read without a valid version is replaced
// by the default (disabled, VLAN 0), one that could not be read is not.
xel_status_t xell_ethboot_cfg(xell_t *ioc, const xel_ethboot_cfg_t *cfg);
xel_status_t xell_ethboot_query(xell_t *ioc, xel_ethboot_cfg_t *cfg);
// XEL_STATUS_ETHBOOT_ENABLED / _DISABLED when already so.
xel_status_t xell_ethboot_enable(xell_t *ioc);
xel_status_t xell_ethboot_disable(xell_t *ioc);
// Writes only when the VLAN changes.
xel_status_t xell_ethboot_vlan(xell_t *ioc, uint16_t vlan_id);
