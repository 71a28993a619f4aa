#include "xell_stats.h"

#include <cstdio>
#include <cstring>

namespace {

// Counters sit at any offset the driver chose; copy them out rather than
// dereference a possibly misaligned pointer.
template <class T> T read_counter(const unsigned char *at)
{
    T value;
    std::memcpy(&value, at, sizeof value);
    return value;
}

} // namespace

void xell_print_stats(const xell_stats_t *stats, const void *record, std::size_t base, const char *member)
{
    if (!stats || !record || !stats->desc)
        return;
    const auto *bytes = static_cast<const unsigned char *>(record);
    for (int i = 0; i < stats->count; i++) {
        const xell_stats_desc_t &row = stats->desc[i];
        if (member && row.parent_type == XELL_UNION && row.type == XELL_STRUCT &&
            (!row.xell_stats || !std::strstr(row.xell_stats->struct_name, member)))
            continue;
        const unsigned char *at = bytes + base + row.offset;
        switch (row.type) {
        case XELL_UINT16:
            std::printf("\t%s : %hu\n", row.desc, read_counter<unsigned short>(at));
            break;
        case XELL_UINT32:
            std::printf("\t%s : %u\n", row.desc, read_counter<unsigned int>(at));
            break;
        case XELL_UINT64:
            std::printf("\t%s : %llu\n", row.desc, read_counter<unsigned long long>(at));
            break;
        case XELL_STRUCT:
        case XELL_UNION:
            xell_print_stats(row.xell_stats, record, base + row.offset, member);
            break;
        }
    }
}
