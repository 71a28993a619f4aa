// Discovery of the PCI functions the two drivers have claimed: the IOC
// list, storage functions first, then network functions.
#pragma once

#include "xel_ioctl.h"
#include "xell_ioc.h"

#include <cstdint>
#include <mutex>

constexpr int XELL_MAX_PCI_FUNCTIONS = 128;

struct xell_pci_host_map {
    char pci_name[128];
    int host_num;
    int instance;
};

// Keeps the IOC list and its descriptors as they are while held: a scan,
// a free or the closing of the handles waits for it (the event watchers
// read the list beside the application's thread).
std::unique_lock<std::recursive_mutex> xell_ioc_list_hold();

int xell_ioc_scan();
void xell_ioc_free();
int xell_ioc_get_num();
xell_t *xell_ioc_get_list();
// Fills what the configuration step takes from the information record.
void xell_get_ioc_params(xell_t *ioc, const xel_ioctl_ioc_info_t *info);
xel_status_t xell_get_osname(uint32_t host, uint32_t bus, uint32_t target, uint32_t lun, char **buf,
                             uint32_t *ndev);
