#include "xell_vpd_checksum.h"

#include <cstring>

namespace {

// The end of the VPD-R area, within the image.
size_t xell_vpdr_end(const uint8_t *vpd)
{
    size_t len = vpd[XELL_VPD_VPDR_LEN_OFFSET] | (vpd[XELL_VPD_VPDR_LEN_OFFSET + 1] << 8);
    size_t end = XELL_VPD_KEYWORDS_OFFSET + len;
    return end < XELL_VPD_SIZE ? end : XELL_VPD_SIZE;
}

// The keyword at or after a position whose name is key, with all its data
// inside the area; false when the walk ends first.
bool xell_vpd_find_keyword(const uint8_t *vpd, const char key[2], size_t *data, size_t *len)
{
    size_t end = xell_vpdr_end(vpd);
    for (size_t at = XELL_VPD_KEYWORDS_OFFSET; at + 3 <= end;) {
        size_t n = vpd[at + 2];
        if (at + 3 + n > end)
            return false;
        if (vpd[at] == key[0] && vpd[at + 1] == key[1]) {
            *data = at + 3;
            *len = n;
            return true;
        }
        at += 3 + n;
    }
    return false;
}

} // namespace

xel_status_t xell_vpd_update_checksum(uint8_t *vpd)
{
    size_t data = 0, len = 0;
    if (!xell_vpd_find_keyword(vpd, "RV", &data, &len) || len == 0)
        return XEL_STATUS_CORR_VPD_DATA;
    unsigned sum = 0;
    for (size_t i = 0; i < data; i++)
        sum += vpd[i];
    vpd[data] = static_cast<uint8_t>(-sum);
    return XEL_STATUS_OK;
}

xel_status_t xell_vpd_find_fw_ver_offset(const uint8_t *vpd, size_t *offset, size_t *len)
{
    static const char names[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    for (const char *c = names; *c; c++) {
        const char key[2] = {'V', *c};
        size_t data = 0, n = 0;
        if (xell_vpd_find_keyword(vpd, key, &data, &n) && n >= 3 && std::memcmp(vpd + data, "FFV", 3) == 0) {
            *offset = data + 3;
            *len = n - 3;
            return XEL_STATUS_OK;
        }
    }
    return XEL_STATUS_CORR_VPD_DATA;
}
