// The boot code update of every adapter: one thread per adapter, all of
// them joined before the update returns, so that no flash write goes on
// after it.
#include "xell_boot.h"

#include "xel_ioctl.h"
#include "xell_adapter.h"

#include <cstdio>
#include <system_error>
#include <thread>

namespace {

struct bootupdt_s {
    uint32_t ad_id = 0;
    int image_count = 0;
    int card_count = 0;
    uint32_t thread_sts = 0;
    xel_status_t code = XEL_STATUS_FAILED;
    uint32_t ret = 0;
    xell_t *ioc = nullptr; // null when the adapter or its attributes are missing
    xel_ioc_attr_t attr{};
};

// Read before any thread writes: a write makes the request cache forget
// what discovery read, and the same request would go out again.
void xell_update_adapter_prepare(bootupdt_s *rec)
{
    xell_adapter_t *adapter = xell_adapter_get_by_idx(static_cast<int>(rec->ad_id));
    xell_t *ioc = adapter != nullptr ? xell_adapter_get_first_ioc(adapter) : nullptr;
    if (ioc != nullptr && xell_ioc_get_attr(ioc, &rec->attr) == XEL_STATUS_OK)
        rec->ioc = ioc;
}

void xell_update_adapter_flash(bootupdt_s *rec)
{
    if (rec->ioc == nullptr)
        return;
    const xel_ioc_attr_t &attr = rec->attr;
    rec->code = xell_boot_flash_data_attr(rec->ioc, attr, attr.pci_attr.device_id, attr.adapter_attr.card_type,
                                          rec->image_count, rec->card_count);
    rec->ret = rec->code == XEL_STATUS_OK ? rec->ad_id : 0;
}

} // namespace

xel_status_t xell_update_adapter_thread(uint16_t *status, xel_status_t *err_code, int image_count, int card_count)
{
    unsigned count = xell_adapter_get_count();
    if (count > XELL_BOOT_MAX_ADAPTERS) {
        std::fputs("Adapter count exceeds the maximum!\n", stdout);
        return XEL_STATUS_FAILED;
    }
    bootupdt_s records[XELL_BOOT_MAX_ADAPTERS];
    for (int slot = 0; slot < XELL_BOOT_MAX_ADAPTERS; slot++) {
        records[slot].ad_id = static_cast<uint32_t>(slot + 1);
        records[slot].image_count = image_count;
        records[slot].card_count = card_count;
        err_code[slot] = XEL_STATUS_FAILED;
    }
    for (unsigned slot = 0; slot < count; slot++)
        xell_update_adapter_prepare(&records[slot]);
    std::thread threads[XELL_BOOT_MAX_ADAPTERS];
    for (unsigned slot = 0; slot < count; slot++) {
        try {
            threads[slot] = std::thread(xell_update_adapter_flash, &records[slot]);
        } catch (const std::system_error &) {
            records[slot].thread_sts = 1;
        }
    }
    for (unsigned slot = 0; slot < count; slot++)
        if (threads[slot].joinable())
            threads[slot].join();
    uint16_t mask = 0;
    for (unsigned slot = 0; slot < count; slot++) {
        err_code[slot] = records[slot].code;
        if (records[slot].ret != 0)
            mask = static_cast<uint16_t>(mask | (1u << (records[slot].ret - 1)));
    }
    *status = mask;
    return XEL_STATUS_OK;
}
