#include "xell_log.h"

#include "xell_request.h"

#include <iterator>

namespace {

constexpr const char *log_level_names[] = {"", "Critical", "Error", "Warning", "Info"};

xel_status_t xell_log_request(xell_t *ioc, uint32_t cmd, xel_ioctl_log_t *record)
{
    return xell_request(ioc, cmd, record, 0, 0, sizeof *record);
}

} // namespace

xel_status_t xell_log_set_level(xell_t *ioc, uint32_t level, int16_t module)
{
    xel_ioctl_log_t record{};
    record.log_level = level;
    record.mod_id = module;
    xel_status_t status = xell_log_request(ioc, XEL_CMD_LOG_SET_LEVEL, &record);
    if (module != XEL_LOG_MODULE_ID_ALL)
        return status;
    return xell_config_persist_if(status, [&] { xell_config_log_level(ioc, static_cast<int>(level)); });
}

xel_status_t xell_log_get_level(xell_t *ioc, uint32_t *level, int16_t module)
{
    *level = 0;
    xel_ioctl_log_t record{};
    record.mod_id = module;
    xel_status_t status = xell_log_request(ioc, XEL_CMD_LOG_GET_LEVEL, &record);
    if (status == XEL_STATUS_OK)
        *level = record.log_level;
    return status;
}

// Only the levels the list has: a 5 (none) would read past its end.
const char *xell_get_log_level_str(int level)
{
    if (level < 0 || level >= static_cast<int>(std::size(log_level_names)))
        level = 0;
    return log_level_names[level];
}
