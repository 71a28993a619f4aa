// Flash partitions of an adapter.
#pragma once

#include "xel_ioctl.h"
#include "xell_ioc.h"
#include "xell_state.h"

#include <cstdint>

// The partition table of the IOC's adapter.
xel_status_t xell_flash_get_attr(xell_t *ioc, xel_flash_attr_t *attr);
xel_status_t xell_flash_erase_part(xell_t *ioc, uint32_t type, uint8_t instance);
// Reads size bytes of a partition into buf.
xel_status_t xell_flash_read_part(xell_t *ioc, uint32_t type, uint8_t instance, void *buf, uint32_t size);
// Erases the configuration partitions (firmware and driver configuration,
// boot, pre-boot and network boot configuration) of the handle's port;
// stops at the first failure.
xel_status_t xell_flash_clr_cfg(xell_t *ioc);
// The adapter's capability word (XEL_ADAPTER_CAP_*) from the manufacturing
// block; XEL_STATUS_BADFLASH for a flag that is not 'y', 'n' or 0, or when
// no flag is set.
xel_status_t xell_flash_read_adapter_capability(xell_t *ioc, uint32_t *cm);
