// What the library reads from SCSI answers, apart from the commands.
#include "xell_scsi.h"

#include <algorithm>
#include <cstring>

namespace {

uint32_t xell_get_be32(const uint8_t *from)
{
    return (uint32_t{from[0]} << 24) | (uint32_t{from[1]} << 16) | (uint32_t{from[2]} << 8) | from[3];
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
