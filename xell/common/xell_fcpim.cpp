#include "xell_fcpim.h"

#include "xell_request.h"
#include "xell_stats.h"

#include <cstring>

xel_status_t xell_fcpim_get_modstats(xell_t *ioc, const xell_stats_t **desc, xel_itnim_iostats_t *stats)
{
    xel_ioctl_fcpim_modstats_t record{};
    xel_status_t status = xell_request(ioc, XEL_CMD_FCPIM_GET_MODSTATS, &record, 0, 0, sizeof record);
    if (status == XEL_STATUS_OK) {
        *stats = record.stats;
        *desc = &xell_xel_itnim_iostats;
    }
    return status;
}

xel_status_t xell_fcpim_clr_modstats(xell_t *ioc)
{
    return xell_header_request(ioc, XEL_CMD_FCPIM_CLR_MODSTATS, 0, 0, 8);
}

xel_status_t xell_fcpim_get_del_itn_stats(xell_t *ioc, const xell_stats_t **desc, xel_fcpim_del_itn_stats_t *stats)
{
    xel_ioctl_fcpim_del_itn_stats_t record{};
    xel_status_t status = xell_request(ioc, XEL_CMD_FCPIM_GET_DEL_ITN_STATS, &record, 0, 0, sizeof record);
    if (status == XEL_STATUS_OK) {
        *stats = record.stats;
        *desc = &xell_xel_fcpim_del_itn_stats;
    }
    return status;
}

uint64_t xell_itnim_get_iothroughput(const xell_stats_t *desc, const xel_itnim_iostats_t *stats)
{
    const char *names[2] = {"Read data transferred in bytes", "Write data transferred in bytes"};
    bool found[2] = {};
    uint64_t total = 0;
    for (int i = 0; desc != nullptr && i < desc->count && !(found[0] && found[1]); i++) {
        const xell_stats_desc_t &row = desc->desc[i];
        for (int n = 0; n < 2; n++) {
            if (found[n] || std::strcmp(row.desc, names[n]) != 0 || row.offset + 4 > sizeof *stats)
                continue;
            uint32_t value = 0;
            std::memcpy(&value, reinterpret_cast<const uint8_t *>(stats) + row.offset, sizeof value);
            total += value;
            found[n] = true;
        }
    }
    return total;
}
