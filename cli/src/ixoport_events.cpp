// The port class's event count: the events pending for the front end on
// the adapter's first IOC, counted by category.
#include "ixo_commands.h"
#include "xell_adapter.h"
#include "xell_aen.h"

#include <cstdio>

namespace {

constexpr int ixo_events_max = 128;

const char *const ixo_event_rows[] = {
    "Adapter\t\t\t%2d\n", "Port\t\t\t%2d\n", "Lport\t\t\t%2d\n", "Rport\t\t\t%2d\n", "Itnim\t\t\t%2d\n",
    "Itntm\t\t\t%2d\n",   "Ipfc\t\t\t%2d\n", "Audit\t\t\t%2d\n", "Ioc\t\t\t%2d\n",
};

} // namespace

int ixo_port_get_events(char **, int, ixo_id_t *id)
{
    xell_t *ioc = id->adapter != nullptr ? xell_adapter_get_first_ioc(id->adapter) : nullptr;
    if (ioc == nullptr)
        return XEL_STATUS_FAILED;
    xel_aen_entry_t entries[ixo_events_max] = {};
    int count = ixo_events_max;
    xel_status_t status = xell_aen_get_events(ioc, entries, &count, xel_aen_app_ixo);
    if (status != XEL_STATUS_OK)
        count = 0;
    int by_category[std::size(ixo_event_rows) + 1] = {};
    for (int i = 0; i < count; i++)
        if (entries[i].aen_category >= 1 && entries[i].aen_category <= std::size(ixo_event_rows))
            by_category[entries[i].aen_category]++;
    std::fputs("Category\t\tCount\n"
               "--------\t\t-----\n",
               stdout);
    for (size_t cat = 1; cat <= std::size(ixo_event_rows); cat++)
        std::printf(ixo_event_rows[cat - 1], by_category[cat]);
    xell_ioc_close(ioc);
    return 0;
}
