// Flash partitions of an adapter.
#pragma once

#include "xel_ioctl.h"
#include "xell_ioc.h"

enum xel_flash_part_type_t : uint32_t {
    XEL_FLASH_PART_FWIMG = 2,
    XEL_FLASH_PART_ASIC = 6,
};

// The partition table of the IOC's adapter.
xel_status_t xell_flash_get_attr(xell_t *ioc, xel_flash_attr_t *attr);
