// The adapter model: the IOC list grouped into adapters (functions on one
// PCI domain and bus) and their physical ports, built once per command.
#pragma once

#include "xel_ioctl.h"
#include "xell.h"
#include "xell_ioc.h"

#include <memory>
#include <vector>

struct xell_port_t {
    int id = 0; // physical port number
    wwn_t factorypwwn = 0;
    wwn_t factorynwwn = 0;
    mac_t factory_mac = {};
    xel_ioc_type_t ioc_type = XEL_IOC_TYPE_FC; // of its first IOC
    int ioc_count = 0;
    // The port's own copies of its IOC handles; a copy's id is its position
    // in the port, counted across both lists in the order added.
    std::vector<std::unique_ptr<xell_t>> fcioc_list;
    std::vector<std::unique_ptr<xell_t>> ethioc_list;
};

struct xell_adapter_t {
    char serial_num[12] = {};
    char name[64] = {};
    char model_descr[128] = {};
    char adapter_hwpath[32] = {};
    char adapter_type[32] = {};
    int id = 0; // adapter number, from 1
    bool cna_capable = false;
    bool trunk_capable = false;
    int port_count = 0; // highest physical port number seen + 1
    std::vector<std::unique_ptr<xell_port_t>> port_list; // in the order found
};

// The adapter mode record of a mode change.
struct xel_adapter_cfg_mode_t {
    uint16_t max_pf;
    uint16_t max_vf;
    uint32_t mode;
};
static_assert(sizeof(xel_adapter_cfg_mode_t) == 8);

unsigned xell_adapter_get_count();
xell_adapter_t *xell_adapter_get_by_idx(int ad_idx);
xell_port_t *xell_adapter_get_port(xell_adapter_t *adapter, int port_idx);
xell_adapter_t *xell_adapter_get_by_str(const char *text);
xell_t *xell_adapter_get_first_ioc(xell_adapter_t *adapter);
xell_t *xell_adapter_get_ioc_by_str(const char *text);
xell_t *xell_adapter_get_ioc_by_wwn(wwn_t wwn);
xell_t *xell_adapter_get_ioc_by_mac(mac_t mac);
xell_t *xell_adapter_get_ioc_by_inst(int instance);
void xell_adapter_get_serial_num(const xell_adapter_t *adapter, char *buf);
void xell_adapter_get_model(const xell_adapter_t *adapter, char *buf);
void xell_adapter_get_hw_path(const xell_adapter_t *adapter, char *buf);
void xell_adapter_get_type(const xell_adapter_t *adapter, char *buf);
const char *xell_adapter_get_name(int ad_id);
int xell_adapter_get_port_count(int ad_id);
xel_status_t xell_adapter_get_hw_port_count(int ad_id, int *count);
bool xell_adapter_is_cna_capable(int ad_idx);
bool xell_adapter_is_disabled(xell_adapter_t *adapter);
xel_status_t xell_adapter_enable(xell_adapter_t *adapter);
xel_status_t xell_adapter_disable(xell_adapter_t *adapter);
void xell_adapter_set_name(int ad_id, const char *name);
// Changes the adapter's personality once the mode is allowed; with
// cleanup_req its settings are reset afterwards.
xel_status_t xell_adapter_cfg_mode(xell_t *ioc, const xel_adapter_cfg_mode_t *cfg, bool cleanup_req);
xel_status_t xell_adapter_cleanup(xell_t *ioc);
void xell_adapter_update_ioc(xell_adapter_t *adapter, const xell_t *ioc);
int xell_compare_ad_hwpath(const char *a, const char *b);

// The IOCs of a port by position: the storage copy at that position, else
// the network copy.
int xell_port_get_ioc_count(const xell_port_t *port);
xell_t *xell_port_get_ioc(xell_port_t *port, int position);

// Moves *ioc to the operational PCI function of its port when it is not
// operational itself; always 0.
xel_status_t xell_ioc_get_operational_pf(xell_t **ioc);
