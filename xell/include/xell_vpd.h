// Product data of an adapter: the PCI VPD image shown by the adapter
// query, the FRU VPD area, the small temporary FRU area and the
// manufacturing block.
#pragma once

#include "xel_status.h"
#include "xel_types.h"
#include "xell_ioc.h"

#include <cstddef>
#include <cstdint>

// One display line of a VPD image; an empty name continues the line before.
struct xell_vpd_name_value_t {
    char name[25];
    char value[257];
};

// Checks a 512-byte VPD image and counts its display entries; *oem tells
// whether the image is an OEM's. Every walk stays inside the 512 bytes.
xel_status_t xell_vpd_get_size(const uint8_t *vpd, int *count, bool *oem, uint8_t vendor);
// Fills up to count display entries; XEL_STATUS_ENOMEM when there are more.
xel_status_t xell_vpd_populate_params(const uint8_t *vpd, uint8_t vendor, xell_vpd_name_value_t *dst, int count);
// The identifier string of an image (the product name), at most 128
// characters and never past its length field.
size_t xell_vpd_id_string_len(const uint8_t *vpd);

// The FRU VPD area: its size, and transfers between it and a file.
xel_status_t xell_fruvpd_get_max_size(xell_t *xell, uint32_t *max);
xel_status_t xell_fruvpd_read(xell_t *xell, const char *file);
xel_status_t xell_fruvpd_update(xell_t *xell, const char *file);
// The temporary FRU area: at most 64 bytes a request.
xel_status_t xell_tfru_read(xell_t *xell, uint32_t offset, uint32_t len, uint8_t *data);
xel_status_t xell_tfru_write(xell_t *xell, uint32_t offset, uint32_t len, const uint8_t *data);

// Capability bits of a manufacturing update.
constexpr uint32_t XELL_MFG_CAP_HBA = 0x01;
constexpr uint32_t XELL_MFG_CAP_CNA = 0x02;
constexpr uint32_t XELL_MFG_CAP_NIC = 0x04;
constexpr uint32_t XELL_MFG_CAP_FC16G = 0x08;
constexpr uint32_t XELL_MFG_CAP_SRIOV = 0x10;
constexpr uint32_t XELL_MFG_CAP_MEZZ = 0x20;

// The card types of the family; the newer ones take capabilities and an
// ASIC block, some need a MAC and some must not have one.
bool xell_mfg_card_type_known(uint32_t card_type);
bool xell_mfg_card_type_newer(uint32_t card_type);
bool xell_mfg_card_type_needs_mac(uint32_t card_type);
bool xell_mfg_card_type_refuses_mac(uint32_t card_type);

// Writes the manufacturing block (and, for a newer card type, the ASIC
// block from asic_block, a file name or null).
xel_status_t xell_mfg_update(xell_t *xell, const char *serial, const char *partnum, wwn_t mfg_wwn, const mac_t *mac,
                             uint32_t card_type, uint8_t nports, const char *name, uint32_t cm,
                             const char *initial_mode, const char *asic_block, bool nfc_load);
