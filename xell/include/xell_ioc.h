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
