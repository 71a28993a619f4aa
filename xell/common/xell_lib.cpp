#include "xell.h"

namespace {
int application_id = 0;
}

xel_status_t xell_libinit(int app_id)
{
    application_id = app_id;
    return XEL_STATUS_OK;
}

void xell_libexit()
{
    application_id = 0;
}
