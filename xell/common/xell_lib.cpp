#include "xell.h"
#include "xell_sys.h"

namespace {
int application_id = 0;
}

xel_status_t xell_libinit(int app_id)
{
    application_id = app_id;
    return XEL_STATUS_OK;
}

int xell_application_id()
{
    return application_id;
}

void xell_libexit()
{
    application_id = 0;
}

void xell_sleep(unsigned seconds)
{
    for (unsigned i = 0; i < seconds; i++)
        xell_os().sleep_ms(1000);
}
