// libFuzzer target for a datagram the event watcher receives on the SCSI
// transport's netlink socket: the entry is taken only from a whole vendor
// event of the family, read no further than the datagram, and equals the
// vendor data's first 64 bytes; the entry then goes through delivery.

#include "xell_aen.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

void check(bool ok, const char *what)
{
    if (!ok) {
        std::fprintf(stderr, "xell_aen_fuzz: %s\n", what);
        std::abort();
    }
}

void count_call(void *user, int32_t, const void *, uint32_t, uint32_t)
{
    ++*static_cast<int *>(user);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static int calls = 0;
    static xell_aen_handle_t handle = [] {
        xell_aen_handle_t h = nullptr;
        xell_ioc_aen_register(nullptr, count_call, &calls, &h);
        return h;
    }();
    (void)handle;
    // On the heap at its exact size, so that a read past it is caught.
    auto copy = std::make_unique<uint8_t[]>(size);
    if (size > 0)
        std::memcpy(copy.get(), data, size);
    xel_aen_entry_t entry;
    if (!xell_aen_netlink_entry(copy.get(), size, &entry))
        return 0;
    constexpr size_t vendor_data = 16 + 36;
    check(size >= vendor_data + sizeof entry, "entry taken from a short datagram");
    check(std::memcmp(&entry, copy.get() + vendor_data, sizeof entry) == 0, "entry not the vendor data");
    xell_aen_handling(sizeof entry, &entry);
    return 0;
}
