// Flash partitions of an adapter.
#pragma once

#include "xel_ioctl.h"
#include "xell_ioc.h"
#include "xell_state.h"

#include <cstdint>
#include <vector>

// The partition table of the IOC's adapter.
xel_status_t xell_flash_get_attr(xell_t *ioc, xel_flash_attr_t *attr);
xel_status_t xell_flash_erase_part(xell_t *ioc, uint32_t type, uint8_t instance);
// Reads size bytes of a partition into buf or, with bfile, into the file
// named by buf (created or truncated): XEL_STATUS_EFOPEN when it cannot be
// opened, XEL_STATUS_FAILED for a short write.
xel_status_t xell_flash_read_part(xell_t *ioc, uint32_t type, uint8_t instance, void *buf, uint32_t size,
                                  bool bfile = false);
// Writes a partition from size bytes at filename or, with bfile, from the
// whole file it names, then reads it back: a partition that reads back
// other bytes is XEL_STATUS_FAILED. A missing file is XEL_STATUS_EFOPEN,
// an empty one XEL_STATUS_FAILED.
xel_status_t xell_flash_update_part(xell_t *ioc, uint32_t type, uint8_t instance, const void *filename, bool bfile,
                                    uint32_t size);
xel_status_t xell_flash_enable_optrom(xell_t *ioc);
xel_status_t xell_flash_disable_optrom(xell_t *ioc);
// Erases the configuration partitions (firmware and driver configuration,
// boot, pre-boot and network boot configuration) of the handle's port;
// stops at the first failure.
xel_status_t xell_flash_clr_cfg(xell_t *ioc);
// The adapter's capability word (XEL_ADAPTER_CAP_*) from the manufacturing
// block; XEL_STATUS_BADFLASH for a flag that is not 'y', 'n' or 0, or when
// no flag is set.
xel_status_t xell_flash_read_adapter_capability(xell_t *ioc, uint32_t *cm);
// A whole file through the system seam: XEL_STATUS_EFOPEN when it cannot
// be opened, XEL_STATUS_FAILED when it cannot be read.
xel_status_t xell_file_read(const char *path, std::vector<uint8_t> *buf);
// Writes data to a new or emptied file: XEL_STATUS_EFOPEN when it cannot
// be opened, XEL_STATUS_FAILED when not all of it is written.
xel_status_t xell_flash_write_file(const char *path, const std::vector<uint8_t> &data);
// The partitions the table lists, never more than it has room for.
uint32_t xell_flash_part_count(const xel_flash_attr_t &attr);
// The first listed partition of a type, or null.
const xel_flash_part_attr_t *xell_flash_find_part(const xel_flash_attr_t &attr, uint32_t type);
