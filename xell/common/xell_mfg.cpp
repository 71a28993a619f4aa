// The manufacturing block: written once at the factory with the card's
// identity, and for the newer card types its capabilities and ASIC block.
#include "xell_vpd.h"

#include "xel_vpd_records.h"
#include "xell_flash.h"
#include "xell_transport.h"

#include <algorithm>
#include <cstring>
#include <ctime>
#include <vector>

namespace {

// The family's card model numbers.
constexpr uint32_t fc_only_cards[] = {402, 415, 425, 804, 815, 825, 1602, 1604};
constexpr uint32_t ethernet_cards[] = {1002, 1007, 1010, 1012, 1020, 1741, 1867};
constexpr uint32_t any_io_cards[] = {1860, 1869};
constexpr uint32_t newer_cards[] = {1002, 1012, 1602, 1604, 1860, 1867};

template <size_t N>
bool xell_card_in(const uint32_t (&list)[N], uint32_t card_type)
{
    return std::find(std::begin(list), std::end(list), card_type) != std::end(list);
}

void xell_put_be(uint8_t *at, uint64_t value, size_t bytes)
{
    for (size_t i = 0; i < bytes; i++)
        at[i] = static_cast<uint8_t>(value >> (8 * (bytes - 1 - i)));
}

void xell_put_text(char *field, size_t size, const char *text)
{
    if (text != nullptr)
        std::memcpy(field, text, strnlen(text, size));
}

void xell_mfg_set_caps(xel_mfg_block_t *mfg, uint32_t cm)
{
    const struct {
        uint32_t bit;
        uint8_t *flag;
    } caps[] = {{XELL_MFG_CAP_HBA, &mfg->cap_hba},     {XELL_MFG_CAP_CNA, &mfg->cap_cna},
                {XELL_MFG_CAP_NIC, &mfg->cap_nic},     {XELL_MFG_CAP_FC16G, &mfg->cap_fc16g},
                {XELL_MFG_CAP_SRIOV, &mfg->cap_sriov}, {XELL_MFG_CAP_MEZZ, &mfg->cap_mezz}};
    for (const auto &cap : caps)
        if (cm & cap.bit)
            *cap.flag = 'y';
}

// The ASIC block file, with the NIC function's load bit as asked. A file
// too short to hold that bit is refused before anything is sent.
xel_status_t xell_mfg_read_asic(const char *path, bool nfc_load, std::vector<uint8_t> *asic)
{
    xel_status_t status = xell_file_read(path, asic);
    if (status != XEL_STATUS_OK)
        return status;
    if (asic->size() <= XEL_ASIC_NFC_LOAD_OFFSET)
        return XEL_STATUS_EINVAL;
    uint8_t &byte = (*asic)[XEL_ASIC_NFC_LOAD_OFFSET];
    byte = static_cast<uint8_t>(nfc_load ? byte | XEL_ASIC_NFC_LOAD_BIT : byte & ~XEL_ASIC_NFC_LOAD_BIT);
    return XEL_STATUS_OK;
}

} // namespace

bool xell_mfg_card_type_known(uint32_t card_type)
{
    return xell_card_in(fc_only_cards, card_type) || xell_card_in(ethernet_cards, card_type) ||
           xell_card_in(any_io_cards, card_type);
}

bool xell_mfg_card_type_newer(uint32_t card_type)
{
    return xell_card_in(newer_cards, card_type);
}

bool xell_mfg_card_type_needs_mac(uint32_t card_type)
{
    return xell_card_in(ethernet_cards, card_type);
}

bool xell_mfg_card_type_refuses_mac(uint32_t card_type)
{
    return xell_card_in(fc_only_cards, card_type);
}

xel_status_t xell_mfg_update(xell_t *xell, const char *serial, const char *partnum, wwn_t mfg_wwn, const mac_t *mac,
                             uint32_t card_type, uint8_t nports, const char *name, uint32_t cm,
                             const char *initial_mode, const char *asic_block, bool nfc_load)
{
    (void)name; // the block has no field for the card's name
    if (!xell_mfg_card_type_known(card_type))
        return XEL_STATUS_EINVAL;
    xel_ioctl_mfg_t record{};
    xel_mfg_block_t &mfg = record.mfg;
    // A text longer than its field would be cut where it is written.
    if (serial == nullptr || std::strlen(serial) >= sizeof mfg.tsry_serialnum || partnum == nullptr ||
        std::strlen(partnum) > sizeof mfg.tsry_partnum)
        return XEL_STATUS_EINVAL;
    bool newer = xell_mfg_card_type_newer(card_type);
    std::vector<uint8_t> asic;
    if (newer && asic_block != nullptr) {
        xel_status_t status = xell_mfg_read_asic(asic_block, nfc_load, &asic);
        if (status != XEL_STATUS_OK)
            return status;
    }
    mfg.version = 3;
    std::memcpy(mfg.mfg_sig, "MFG", 3);
    mfg.mfgsize = 1;
    xell_put_text(mfg.tsry_serialnum, sizeof mfg.tsry_serialnum, serial);
    xell_put_text(mfg.tsry_partnum, sizeof mfg.tsry_partnum, partnum);
    std::memcpy(mfg.mfg_wwn, &mfg_wwn, sizeof mfg.mfg_wwn);
    if (mac != nullptr)
        std::memcpy(mfg.mfg_mac, mac->mac, sizeof mfg.mfg_mac);
    xell_put_be(mfg.card_type, card_type, sizeof mfg.card_type);
    mfg.mfg_nports = mfg.num_wwn = nports;
    xell_put_text(mfg.initial_mode, sizeof mfg.initial_mode, initial_mode);
    std::time_t now = std::time(nullptr);
    std::tm local{};
    if (now == static_cast<std::time_t>(-1) || localtime_r(&now, &local) == nullptr)
        return XEL_STATUS_FAILED;
    mfg.mfg_day = static_cast<uint8_t>(local.tm_mday);
    mfg.mfg_month = static_cast<uint8_t>(local.tm_mon + 1);
    xell_put_be(mfg.mfg_year, static_cast<uint64_t>(local.tm_year + 1900), sizeof mfg.mfg_year);
    if (newer) {
        xell_mfg_set_caps(&mfg, cm);
        record.asic_len = static_cast<uint32_t>(asic.size());
    }
    record.xeld_num = static_cast<uint16_t>(xell->instance);
    std::vector<uint8_t> buffer(sizeof record + asic.size());
    record.asic_addr_lo = static_cast<uint32_t>(reinterpret_cast<uintptr_t>(buffer.data() + sizeof record));
    std::memcpy(buffer.data(), &record, sizeof record);
    if (!asic.empty())
        std::memcpy(buffer.data() + sizeof record, asic.data(), asic.size());
    xel_status_t status =
        xell_ioctl(xell, XEL_CMD_MFG_UPDATE, buffer.data(), 0, 0, static_cast<int>(buffer.size()));
    if (status != XEL_STATUS_OK)
        return status;
    std::memcpy(&record, buffer.data(), sizeof record);
    return static_cast<xel_status_t>(record.status);
}
