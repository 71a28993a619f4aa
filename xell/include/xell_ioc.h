// The handle of one IOC: one PCI function as one of the two drivers sees it.
#pragma once

#include "xel_status.h"
#include "xel_types.h"

struct xell_t {
    int fd = -1;      // /dev/kwo for network IOCs (shared); -1 for storage IOCs
    int sg_fd = -1;   // node of a pass-through target
    uint32_t host = 0; // SCSI host number (storage IOCs)
    int ipfc_fd = -1; // /dev/xelipfc (storage IOCs), -1 when absent
    int instance = 0; // the driver's instance: xeld_num of every request
    int port_num = 0; // physical port of the adapter, 0-based
    char devpath[256] = {};
    char ioc_hwpath[32] = {};
    char adapter_hwpath[32] = {};
    char serialnum[12] = {};
    char name[64] = {};
    char port_name[64] = {};
    char eth_name[64] = {};
    char friendlyName[256] = {};
    wwn_t pwwn = 0;
    wwn_t nwwn = 0;
    wwn_t factorypwwn = 0;
    wwn_t factorynwwn = 0;
    int id = 0; // map slot in the IOC list; position within its port in the model
    int pcifn_id = 0;
    int ad_id = 0;
    mac_t mac = {};
    mac_t factory_mac = {};
    mac_t current_mac = {};
    xel_ioc_type_t ioc_type = XEL_IOC_TYPE_FC;
    uint16_t vendor_id = 0;
    uint16_t device_id = 0;
    xell_t *next = nullptr;
};

inline bool xell_ioc_is_storage(const xell_t *ioc)
{
    return xel_ioc_type_is_storage(ioc->ioc_type);
}

struct xel_ioctl_ioc_info_t;
struct xel_ioc_attr_t;
struct xel_iocfc_attr_t;
struct xel_ioc_stats_t;
struct xel_fw_stats_t;
struct xell_stats_t;

// Accessors: no driver request.
wwn_t xell_ioc_get_pwwn(const xell_t *ioc);
wwn_t xell_ioc_get_nwwn(const xell_t *ioc);
mac_t xell_ioc_get_mac(const xell_t *ioc);
mac_t xell_ioc_get_factory_mac(const xell_t *ioc);
int xell_ioc_get_port_id(const xell_t *ioc);
xel_ioc_type_t xell_ioc_get_ioc_type(const xell_t *ioc);
const char *xell_ioc_get_name(const xell_t *ioc);
const char *xell_ioc_get_eth_name(const xell_t *ioc);
const char *xell_ioc_get_sn(const xell_t *ioc);
int xell_ioc_get_instance(const xell_t *ioc);
int xell_ioc_get_pcifn(const xell_t *ioc);
int xell_ioc_get_adapter_id(const xell_t *ioc);
int xell_ioc_get_index(const xell_t *ioc);
void xell_ioc_get_path(const xell_t *ioc, char *devpath, char *ioc_hwpath, char *adapter_hwpath);
void xell_ioc_close(xell_t *ioc);

// Lookups over the IOC list, in list order.
xell_t *xell_ioc_get_by_eth_name(const char *name);
int xell_ioc_get_inst_num_by_pwwn(wwn_t wwn);
int xell_ioc_get_inst_num_by_mac(mac_t mac);
int xell_ioc_get_global_index(const xell_t *ioc);

// Filling a handle from the driver's information record.
void xell_fill_ioc_info(xell_t *ioc, const xel_ioctl_ioc_info_t *info);
// The PCI function number at the end of a PCI address (after "." or ":").
bool xell_get_pcifn_from_hwpath(const char *path, int *id);

// Driver operations: the transport's status when the request failed,
// else the driver's.
xel_status_t xell_ioc_get_attr(xell_t *ioc, xel_ioc_attr_t *attr);
// XEL_STATUS_FAILED, copying nothing, for a function that is not reported.
xel_status_t xell_ioc_get_info(xell_t *ioc, xel_ioctl_ioc_info_t *info);
// Function 1 of a device with id 0x17 is not reported.
bool xell_ioc_is_unreported(const xel_ioc_attr_t *attr);
mac_t xell_ioc_get_current_mac(xell_t *ioc);
// Statistics records and the descriptor tables that print them.
xel_status_t xell_ioc_get_stats(xell_t *ioc, const xell_stats_t **desc, xel_ioc_stats_t *stats);
xel_status_t xell_ioc_get_fwstats(xell_t *ioc, const xell_stats_t **desc, xel_fw_stats_t *stats);
xel_status_t xell_ioc_reset_stats(xell_t *ioc);
xel_status_t xell_ioc_reset_fwstats(xell_t *ioc);
xel_status_t xell_ioc_enable(xell_t *ioc);
xel_status_t xell_ioc_disable(xell_t *ioc);
xel_status_t xell_ioc_set_name(xell_t *ioc, const char *name);
xel_status_t xell_iocfc_get_attr(xell_t *ioc, xel_iocfc_attr_t *attr);
xel_status_t xell_iocfc_intr_set(xell_t *ioc, uint8_t coalesce, uint16_t delay, uint16_t latency);
xel_status_t xell_ioc_compare_versions(xell_t *ioc);
xel_status_t xell_ioc_is_operational(xell_t *ioc, bool *flag);
