// The driver's log levels: per module on a storage function (module 19
// sets them all and reads the firmware's), one for the whole function on a
// network function (module 0). A level never set is Warning. The record
// carries its instance behind the level.
#include "sim_port.h"
#include "xel_auth_records.h"

namespace {

constexpr int16_t storage_modules[] = {XEL_LOG_AEN_ID, XEL_LOG_FW_ID, XEL_LOG_HAL_ID, XEL_LOG_FCS_ID, XEL_LOG_DRV_ID};

bool valid_module(const sim_call &call, int16_t module)
{
    if (!call.fn().storage())
        return module == XEL_LOG_FUNCTION_ID;
    if (module == XEL_LOG_MODULE_ID_ALL || module == XEL_LOG_FUNCTION_ID)
        return true;
    for (int16_t m : storage_modules)
        if (m == module)
            return true;
    return false;
}

} // namespace

int32_t sim_log_set_level(sim_call &call)
{
    auto record = load<xel_ioctl_log_t>(call);
    if (!valid_module(call, record.mod_id) || record.log_level < XEL_LOG_CRITICAL || record.log_level > XEL_LOG_INFO)
        return XEL_STATUS_EINVAL;
    auto &levels = call.st.models.log_levels;
    if (call.fn().storage() && (record.mod_id == XEL_LOG_MODULE_ID_ALL || record.mod_id == XEL_LOG_FUNCTION_ID)) {
        for (int16_t m : storage_modules)
            levels[m] = record.log_level;
    } else {
        levels[record.mod_id] = record.log_level;
    }
    call.changed = true;
    return XEL_STATUS_OK;
}

int32_t sim_log_get_level(sim_call &call)
{
    auto record = load<xel_ioctl_log_t>(call);
    if (!valid_module(call, record.mod_id))
        return XEL_STATUS_EINVAL;
    int16_t module = record.mod_id;
    if (call.fn().storage() && (module == XEL_LOG_MODULE_ID_ALL || module == XEL_LOG_FUNCTION_ID))
        module = XEL_LOG_FW_ID;
    const auto &levels = call.st.models.log_levels;
    auto it = levels.find(module);
    record.log_level = it != levels.end() ? it->second : static_cast<uint32_t>(XEL_LOG_WARNING);
    store(call, record);
    return XEL_STATUS_OK;
}
