// Request records of the product data: the FRU VPD area, the temporary
// FRU area and the manufacturing block.
#pragma once

#include "xel_ioctl.h"

#include <cstddef>
#include <cstdint>

struct xel_ioctl_fruvpd_max_size_t {
    int32_t status;
    uint16_t xeld_num;
    uint16_t rsvd;
    uint32_t max_size;
};
static_assert(sizeof(xel_ioctl_fruvpd_max_size_t) == xel_cmd_size(XEL_CMD_FRUVPD_GET_MAX_SIZE));

constexpr uint32_t XEL_FRUVPD_CHUNK = 4096;

struct xel_ioctl_fruvpd_t {
    int32_t status;
    uint16_t xeld_num;
    uint16_t rsvd;
    uint32_t offset;
    uint32_t len;
    uint8_t data[XEL_FRUVPD_CHUNK];
};
static_assert(sizeof(xel_ioctl_fruvpd_t) == xel_cmd_size(XEL_CMD_FRUVPD_READ));
static_assert(sizeof(xel_ioctl_fruvpd_t) == xel_cmd_size(XEL_CMD_FRUVPD_WRITE));
static_assert(offsetof(xel_ioctl_fruvpd_t, data) == 16);

constexpr uint32_t XEL_TFRU_DATA_SIZE = 64;

struct xel_ioctl_tfru_t {
    int32_t status;
    uint16_t xeld_num;
    uint16_t rsvd;
    uint32_t offset;
    uint32_t len;
    uint8_t data[XEL_TFRU_DATA_SIZE];
};
static_assert(sizeof(xel_ioctl_tfru_t) == xel_cmd_size(XEL_CMD_TFRU_READ));
static_assert(sizeof(xel_ioctl_tfru_t) == xel_cmd_size(XEL_CMD_TFRU_WRITE));

// The manufacturing block, partition 7 of the flash. Multi-byte numbers
// other than the checksum are big-endian byte arrays.
struct xel_mfg_block_t {
    uint8_t version;
    char mfg_sig[3];
    uint16_t mfgsize;
    uint16_t u16_chksum;
    char tsry_serialnum[12];
    char tsry_partnum[16];
    uint8_t mfg_day;
    uint8_t mfg_month;
    uint8_t mfg_year[2];
    uint8_t mfg_wwn[8];
    uint8_t num_wwn;
    uint8_t mfg_speeds;
    uint8_t rsv[2];
    char supplier_id[12];
    char supplier_partnum[24];
    char supplier_serialnum[24];
    char supplier_revision[8];
    uint8_t mfg_mac[6];
    uint8_t num_mac;
    uint8_t rsv2;
    uint8_t card_type[4];
    uint8_t cap_nic;
    uint8_t cap_cna;
    uint8_t cap_hba;
    uint8_t cap_fc16g;
    uint8_t cap_sriov;
    uint8_t cap_mezz;
    uint8_t rsv3;
    uint8_t mfg_nports;
    char media[8];
    char initial_mode[8];
    uint8_t rsv4[84];
    uint8_t md5_chksum[16];
};
static_assert(sizeof(xel_mfg_block_t) == 256);
static_assert(offsetof(xel_mfg_block_t, tsry_serialnum) == 8 && offsetof(xel_mfg_block_t, tsry_partnum) == 20);
static_assert(offsetof(xel_mfg_block_t, mfg_year) == 38 && offsetof(xel_mfg_block_t, mfg_wwn) == 40);
static_assert(offsetof(xel_mfg_block_t, supplier_id) == 52 && offsetof(xel_mfg_block_t, mfg_mac) == 120);
static_assert(offsetof(xel_mfg_block_t, card_type) == 128 && offsetof(xel_mfg_block_t, cap_nic) == 132);
static_assert(offsetof(xel_mfg_block_t, mfg_nports) == 139 && offsetof(xel_mfg_block_t, initial_mode) == 148);
static_assert(offsetof(xel_mfg_block_t, md5_chksum) == 240);

// The ASIC block data follows the record in the same transfer; its
// address is the caller's, the upper half 0.
struct xel_ioctl_mfg_t {
    int32_t status;
    uint16_t xeld_num;
    uint16_t rsvd;
    xel_mfg_block_t mfg;
    uint32_t asic_addr_lo;
    uint32_t asic_addr_hi;
    uint32_t asic_len;
};
static_assert(sizeof(xel_ioctl_mfg_t) == xel_cmd_size(XEL_CMD_MFG_UPDATE));
static_assert(offsetof(xel_ioctl_mfg_t, asic_addr_lo) == 264 && offsetof(xel_ioctl_mfg_t, asic_len) == 272);

// Byte 28 of the ASIC partition: bit 0x04 starts the adapter on its own.
constexpr uint32_t XEL_ASIC_AUTOSTART_OFFSET = 28;
constexpr uint8_t XEL_ASIC_AUTOSTART_BIT = 0x04;
// Byte 31 of an ASIC block file: bit 0x04 loads the NIC function.
constexpr uint32_t XEL_ASIC_NFC_LOAD_OFFSET = 31;
constexpr uint8_t XEL_ASIC_NFC_LOAD_BIT = 0x04;
