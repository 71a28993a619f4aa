// What the library reads from SCSI answers, apart from the commands.
#include "xell_scsi.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

uint32_t xell_get_be32(const uint8_t *from)
{
    return (uint32_t{from[0]} << 24) | (uint32_t{from[1]} << 16) | (uint32_t{from[2]} << 8) | from[3];
}

void xell_put_be32(uint8_t *to, uint32_t value)
{
    to[0] = static_cast<uint8_t>(value >> 24);
    to[1] = static_cast<uint8_t>(value >> 16);
    to[2] = static_cast<uint8_t>(value >> 8);
    to[3] = static_cast<uint8_t>(value);
}

} // namespace

uint32_t xell_scsi_lun_number(lun_t lun)
{
    uint8_t b[8];
    std::memcpy(b, &lun, sizeof b);
    // Linux keeps each two-byte level with its addressing method, the
    // first level lowest: LUN 5 is 5 in peripheral and 0x4005 in flat
    // addressing.
    uint64_t number = 0;
    for (int i = 0; i < 8; i += 2)
        number |= ((uint64_t{b[i]} << 8) | b[i + 1]) << (i * 8);
    return static_cast<uint32_t>(number);
}

uint32_t xell_scsi_reportluns_count(const uint8_t *data, uint32_t size, uint8_t scsi_status)
{
    if (scsi_status != 0 || size < 8)
        return 0;
    return std::min(xell_get_be32(data) / 8, (size - 8) / 8);
}

// The list is rebuilt beside the data, so that a kept entry is never read
// after it was overwritten.
void xell_scsi_lm_filter(const xel_lunmask_cfg_s &cfg, wwn_t lpwwn, wwn_t rpwwn, uint8_t *data, uint32_t size)
{
    if (data == nullptr || size < 8)
        return;
    uint32_t count = xell_scsi_reportluns_count(data, size, 0);
    std::vector<uint8_t> kept(size, 0);
    uint32_t n = 0;
    static const uint8_t lun0[8] = {};
    for (uint32_t i = 1; i <= count; i++) {
        const uint8_t *entry = data + 8 * i;
        lun_t lun = 0;
        std::memcpy(&lun, entry, sizeof lun);
        bool keep = std::memcmp(entry, lun0, sizeof lun0) == 0;
        for (const xel_lun_mask_s &m : cfg.lun_list)
            keep = keep || (m.state == 1 && m.lun == lun && m.lp_wwn == lpwwn && m.rp_wwn == rpwwn);
        if (keep)
            std::memcpy(kept.data() + 8 * ++n, entry, 8);
    }
    xell_put_be32(kept.data(), 8 * n);
    std::memcpy(data, kept.data(), size);
}
