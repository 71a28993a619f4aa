#include "ixo_fn_state.h"

#include <cstdio>

int ixo_fn_set_state(xell_t *ioc, bool enable, const char *noun, ixo_fn_switch_t on, ixo_fn_switch_t off)
{
    xel_ioc_attr_t attr{};
    xel_status_t status = xell_ioc_get_attr(ioc, &attr);
    if (status != XEL_STATUS_OK)
        return status;
    const char *word = enable ? "enabled" : "disabled";
    uint32_t there = enable ? XEL_IOC_OPERATIONAL : XEL_IOC_DISABLED;
    if (attr.state == there) {
        std::printf("%s is already %s\n", noun, word);
        return XEL_STATUS_OK;
    }
    status = enable ? on(ioc) : off(ioc);
    if (status == XEL_STATUS_OK)
        std::printf("%s %s\n", noun, word);
    return status;
}
