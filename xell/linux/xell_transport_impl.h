// Pieces of the transport shared by the storage and the network path.
#pragma once

#include "xell_transport.h"

#include <string>

// Storage IOCs (FC, FCoE) go through BSG; the rest through /dev/kwo.
xel_status_t xell_bsg_ioctl(xell_t *ioc, uint32_t cmd, void *args, int size);
xel_status_t xell_kwo_ioctl(xell_t *ioc, uint32_t cmd, void *args, int size);

// Codes the library serves itself. Each returns 0 and leaves its outcome
// in the record's status.
xel_status_t xell_debugfs_trace(const xell_t *ioc, uint32_t cmd, void *args);
xel_status_t xell_debugfs_register(const xell_t *ioc, uint32_t cmd, void *args);
xel_status_t xell_sysfs_vport_delete(const xell_t *ioc, void *args);
xel_status_t xell_sysfs_vport_create(const xell_t *ioc, void *args);
xel_status_t xell_ethtool_flash(xell_t *ioc, uint32_t cmd, void *args);
// SCSI commands to LUNs and FC pass-through frames travel on the node the
// caller opened into the handle's sg_fd (xell_scsi_passthru.cpp,
// xell_fcpt_bsg.cpp).
xel_status_t xell_scsi_passthru(xell_t *ioc, void *args);
xel_status_t xell_fcpt_passthru(xell_t *ioc, void *args);

// The debugfs directory of a PCI function: "/sys/kernel/debug/<drv>/pci_dev:<pci>".
std::string xell_debugfs_dir(const xell_t *ioc);
