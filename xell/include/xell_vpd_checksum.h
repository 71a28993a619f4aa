// The PCI VPD image's keywords as the boot code update refreshes them: the
// "RV" checksum and the firmware version field.
#pragma once

#include "xel_status.h"

#include <cstddef>
#include <cstdint>

constexpr size_t XELL_VPD_SIZE = 512;
constexpr size_t XELL_VPD_VPDR_LEN_OFFSET = 132; // two bytes, little-endian
constexpr size_t XELL_VPD_KEYWORDS_OFFSET = 134;

// Sets the first data byte of the "RV" keyword so that every byte up to
// and including it sums to 0. XEL_STATUS_CORR_VPD_DATA when the VPD-R area
// holds no whole "RV" keyword.
xel_status_t xell_vpd_update_checksum(uint8_t *vpd);
// The firmware version field: the data after "FFV" of the first vendor
// keyword ("V0" to "V9", then "VA" to "VZ") whose data starts so.
// XEL_STATUS_CORR_VPD_DATA when there is none.
xel_status_t xell_vpd_find_fw_ver_offset(const uint8_t *vpd, size_t *offset, size_t *len);
