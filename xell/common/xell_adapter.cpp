#include "xell_adapter.h"

#include "xell_config.h"
#include "xell_discovery.h"
#include "xell_flash.h"
#include "xell_pcifn.h"
#include "xell_request.h"
#include "xell_request_cache.h"
#include "xell_port.h"
#include "xell_transport.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace {

std::vector<std::unique_ptr<xell_adapter_t>> adapter_list;

template <size_t N>
void xell_copy_field(char (&dst)[N], const char *src)
{
    std::snprintf(dst, N, "%s", src);
}

const char *xell_adapter_type_text(uint32_t cap_bm)
{
    bool storage = (cap_bm & XEL_CAP_STORAGE) != 0;
    bool converged = (cap_bm & XEL_CAP_CONVERGED) != 0;
    bool network = (cap_bm & XEL_CAP_NETWORK) != 0;
    if (storage && (converged || network))
        return "AnyIO";
    if (storage)
        return "HBA";
    if (converged)
        return "CNA";
    if (network)
        return "NIC";
    return "--";
}

xell_port_t *xell_adapter_port_for(xell_adapter_t *adapter, int port_num)
{
    for (auto &port : adapter->port_list)
        if (port->id == port_num)
            return port.get();
    adapter->port_list.push_back(std::make_unique<xell_port_t>());
    adapter->port_list.back()->id = port_num;
    return adapter->port_list.back().get();
}

void xell_adapter_fill(xell_adapter_t *adapter, const xell_t *ioc, const xel_ioc_attr_t &attr,
                       const xel_ioctl_ioc_info_t &info)
{
    xell_copy_field(adapter->serial_num, ioc->serialnum);
    xell_copy_field(adapter->model_descr, attr.adapter_attr.model_descr);
    xell_copy_field(adapter->adapter_hwpath, ioc->adapter_hwpath);
    xell_copy_field(adapter->name, info.name);
    adapter->cna_capable = attr.adapter_attr.cna_capable != 0;
    adapter->trunk_capable = attr.adapter_attr.trunk_capable != 0;
    xell_copy_field(adapter->adapter_type, xell_adapter_type_text(attr.cap_bm));
}

// Places one IOC of the list in its adapter and port; false with the last
// error set when its attributes or information cannot be read.
bool xell_adapter_place_ioc(xell_t *ioc)
{
    xel_ioc_attr_t attr{};
    xel_status_t status = xell_ioc_get_attr(ioc, &attr);
    if (status != XEL_STATUS_OK) {
        xell_set_last_error(status);
        return false;
    }
    ioc->port_num = static_cast<int>(attr.port_id);
    ioc->pcifn_id = static_cast<int>(attr.pci_attr.pcifn);
    ioc->vendor_id = attr.pci_attr.vendor_id;
    ioc->device_id = attr.pci_attr.device_id;
    // The information of a function that is not reported is refused; the
    // function is left out, and the rest of the host still works.
    if (xell_ioc_is_unreported(&attr))
        return true;
    xel_ioctl_ioc_info_t info{};
    status = xell_ioc_get_info(ioc, &info);
    if (status != XEL_STATUS_OK) {
        xell_set_last_error(status);
        return false;
    }
    for (auto &adapter : adapter_list) {
        if (xell_compare_ad_hwpath(adapter->adapter_hwpath, info.adapter_hwpath) != 0)
            continue;
        ioc->ad_id = adapter->id;
        if (xell_port_add_ioc(xell_adapter_port_for(adapter.get(), ioc->port_num), ioc, &attr) != XEL_STATUS_OK)
            return false;
        if (ioc->port_num + 1 > adapter->port_count)
            adapter->port_count = ioc->port_num + 1;
        return true;
    }
    auto adapter = std::make_unique<xell_adapter_t>();
    adapter->id = static_cast<int>(adapter_list.size()) + 1;
    adapter->port_count = ioc->port_num + 1;
    ioc->ad_id = adapter->id;
    xell_adapter_fill(adapter.get(), ioc, attr, info);
    if (xell_port_add_ioc(xell_adapter_port_for(adapter.get(), ioc->port_num), ioc, &attr) != XEL_STATUS_OK)
        return false;
    adapter_list.push_back(std::move(adapter));
    return true;
}

// Every IOC found and every adapter made has a record in the configuration
// file: one load and at most one write-back for the whole host, whatever
// its size. Failures here are not the command's.
void xell_adapter_register()
{
    std::vector<const xell_t *> iocs;
    for (const xell_t *ioc = xell_ioc_get_list(); ioc != nullptr; ioc = ioc->next)
        iocs.push_back(ioc);
    std::vector<const char *> serials;
    for (const auto &adapter : adapter_list)
        serials.push_back(adapter->serial_num);
    xell_config_register(iocs, serials);
}

// Every IOC of an adapter: ports in order, then positions within a port.
template <typename Visit>
bool xell_adapter_for_each_ioc(xell_adapter_t *adapter, Visit visit)
{
    for (auto &port : adapter->port_list)
        for (int position = 0; position < port->ioc_count; position++)
            if (xell_t *ioc = xell_port_get_ioc(port.get(), position); ioc != nullptr && !visit(ioc))
                return false;
    return true;
}


// Walks every IOC of every adapter in order; stops at the first the test
// accepts.
template <typename Test>
xell_t *xell_adapter_find_ioc(Test test)
{
    for (auto &adapter : adapter_list) {
        xell_t *found = nullptr;
        xell_adapter_for_each_ioc(adapter.get(), [&](xell_t *ioc) {
            if (test(ioc))
                found = ioc;
            return found == nullptr;
        });
        if (found != nullptr)
            return found;
    }
    return nullptr;
}

} // namespace

int xell_compare_ad_hwpath(const char *a, const char *b)
{
    auto domain_and_bus = [](const char *path) {
        std::string text = path;
        size_t first = text.find(':');
        size_t second = first == std::string::npos ? first : text.find(':', first + 1);
        return second == std::string::npos ? text : text.substr(0, second);
    };
    return std::strcmp(domain_and_bus(a).c_str(), domain_and_bus(b).c_str());
}

int xell_adapter_scan()
{
    xell_set_last_error(XEL_STATUS_OK);
    // A command starts from what the drivers answer now.
    xell_request_cache_forget();
    xell_config_command_begin();
    auto hold = xell_ioc_list_hold();
    xell_ioc_handles_close();
    xell_ioc_scan();
    hold.unlock();
    adapter_list.clear();
    bool placed = true;
    for (xell_t *ioc = xell_ioc_get_list(); ioc != nullptr && placed; ioc = ioc->next)
        placed = xell_adapter_place_ioc(ioc);
    xell_adapter_register();
    return placed ? static_cast<int>(adapter_list.size()) : 0;
}

void xell_adapter_free()
{
    xell_request_cache_forget();
    auto hold = xell_ioc_list_hold();
    xell_ioc_handles_close();
    xell_ioc_free();
    adapter_list.clear();
}

unsigned xell_adapter_get_count()
{
    return static_cast<unsigned>(adapter_list.size());
}

xell_adapter_t *xell_adapter_get_by_idx(int ad_idx)
{
    if (ad_idx < 1 || ad_idx > static_cast<int>(adapter_list.size()))
        return nullptr;
    return adapter_list[static_cast<size_t>(ad_idx) - 1].get();
}

xell_port_t *xell_adapter_get_port(xell_adapter_t *adapter, int port_idx)
{
    if (adapter == nullptr || port_idx < 0 || port_idx > adapter->port_count)
        return nullptr;
    for (auto &port : adapter->port_list)
        if (port->id == port_idx)
            return port.get();
    return nullptr;
}

xell_adapter_t *xell_adapter_get_by_str(const char *text)
{
    for (auto &adapter : adapter_list)
        if (std::strcmp(adapter->serial_num, text) == 0 || std::strcmp(adapter->name, text) == 0 ||
            std::strcmp(adapter->adapter_hwpath, text) == 0)
            return adapter.get();
    return nullptr;
}

xell_t *xell_adapter_get_first_ioc(xell_adapter_t *adapter)
{
    if (adapter == nullptr)
        return nullptr;
    for (int id = 0; id < adapter->port_count; id++) {
        xell_port_t *port = xell_adapter_get_port(adapter, id);
        if (port == nullptr)
            continue;
        if (!port->fcioc_list.empty())
            return port->fcioc_list.front().get();
        if (!port->ethioc_list.empty())
            return port->ethioc_list.front().get();
    }
    return nullptr;
}

xell_t *xell_adapter_get_ioc_by_str(const char *text)
{
    return xell_adapter_find_ioc([text](const xell_t *ioc) {
        return std::strcmp(ioc->ioc_hwpath, text) == 0 || std::strcmp(ioc->port_name, text) == 0 ||
               std::strcmp(ioc->serialnum, text) == 0;
    });
}

xell_t *xell_adapter_get_ioc_by_wwn(wwn_t wwn)
{
    return xell_adapter_find_ioc(
        [wwn](const xell_t *ioc) { return xell_ioc_is_storage(ioc) && (ioc->pwwn == wwn || ioc->nwwn == wwn); });
}

xell_t *xell_adapter_get_ioc_by_mac(mac_t mac)
{
    return xell_adapter_find_ioc([mac](const xell_t *ioc) { return ioc->ioc_type != XEL_IOC_TYPE_FC && ioc->mac == mac; });
}

xell_t *xell_adapter_get_ioc_by_inst(int instance)
{
    return xell_adapter_find_ioc([instance](const xell_t *ioc) { return ioc->instance == instance; });
}

void xell_adapter_get_serial_num(const xell_adapter_t *adapter, char *buf)
{
    std::strcpy(buf, adapter->serial_num);
}

void xell_adapter_get_model(const xell_adapter_t *adapter, char *buf)
{
    std::strcpy(buf, adapter->model_descr);
}

void xell_adapter_get_hw_path(const xell_adapter_t *adapter, char *buf)
{
    std::strcpy(buf, adapter->adapter_hwpath);
}

void xell_adapter_get_type(const xell_adapter_t *adapter, char *buf)
{
    std::strcpy(buf, adapter->adapter_type);
}

const char *xell_adapter_get_name(int ad_id)
{
    xell_adapter_t *adapter = xell_adapter_get_by_idx(ad_id);
    if (adapter == nullptr)
        return nullptr;
    xell_t *ioc = xell_adapter_get_first_ioc(adapter);
    xel_ioctl_ioc_info_t info{};
    if (ioc != nullptr && xell_ioc_get_info(ioc, &info) == XEL_STATUS_OK)
        xell_copy_field(adapter->name, info.name);
    return adapter->name;
}

int xell_adapter_get_port_count(int ad_id)
{
    xell_adapter_t *adapter = xell_adapter_get_by_idx(ad_id);
    return adapter != nullptr ? adapter->port_count : -1;
}

xel_status_t xell_adapter_get_hw_port_count(int ad_id, int *count)
{
    *count = -1;
    xell_t *ioc = xell_adapter_get_first_ioc(xell_adapter_get_by_idx(ad_id));
    if (ioc == nullptr)
        return XEL_STATUS_FAILED;
    xel_ioc_attr_t attr{};
    xel_status_t status = xell_ioc_get_attr(ioc, &attr);
    if (status == XEL_STATUS_OK)
        *count = attr.adapter_attr.nports;
    return status;
}

bool xell_adapter_is_cna_capable(int ad_idx)
{
    xell_adapter_t *adapter = xell_adapter_get_by_idx(ad_idx);
    return adapter != nullptr && adapter->cna_capable;
}

bool xell_adapter_is_disabled(xell_adapter_t *adapter)
{
    if (adapter == nullptr)
        return false;
    return xell_adapter_for_each_ioc(adapter, [](xell_t *ioc) {
        xel_ioc_attr_t attr{};
        return xell_ioc_get_attr(ioc, &attr) == XEL_STATUS_OK && attr.state == XEL_IOC_DISABLED;
    });
}

xel_status_t xell_adapter_enable(xell_adapter_t *adapter)
{
    if (adapter == nullptr)
        return XEL_STATUS_FAILED;
    // Already enabled only when every function of every port is: a port's
    // first function says nothing of its network or other storage ones.
    bool all_operational = xell_adapter_for_each_ioc(adapter, [](xell_t *ioc) {
        bool operational = false;
        return xell_ioc_is_operational(ioc, &operational) == XEL_STATUS_OK && operational;
    });
    if (all_operational)
        return XEL_STATUS_AD_IS_ENABLE;
    xel_status_t result = XEL_STATUS_OK;
    bool all_already = true;
    xell_adapter_for_each_ioc(adapter, [&](xell_t *ioc) {
        xel_status_t status = xell_ioc_enable(ioc);
        if (status != XEL_STATUS_IOC_ENABLED) {
            all_already = false;
            if (status != XEL_STATUS_OK)
                result = status;
        }
        return true;
    });
    return all_already ? XEL_STATUS_AD_IS_ENABLE : result;
}

xel_status_t xell_adapter_disable(xell_adapter_t *adapter)
{
    if (adapter == nullptr)
        return XEL_STATUS_FAILED;
    xel_status_t result = XEL_STATUS_OK;
    xell_adapter_for_each_ioc(adapter, [&](xell_t *ioc) {
        xel_status_t status = xell_ioc_disable(ioc);
        if (status != XEL_STATUS_OK)
            result = status;
        return true;
    });
    return result;
}

void xell_adapter_set_name(int ad_id, const char *name)
{
    xell_set_last_error(XEL_STATUS_OK);
    xell_adapter_t *adapter = xell_adapter_get_by_idx(ad_id);
    if (adapter == nullptr) {
        xell_set_last_error(XEL_STATUS_NO_ADAPTER);
        return;
    }
    bool sent = xell_adapter_for_each_ioc(adapter, [name](xell_t *ioc) {
        xel_ioctl_ioc_name_t record{};
        std::snprintf(record.name, sizeof record.name, "%s", name);
        xel_status_t status = xell_request(ioc, XEL_CMD_ADAPTER_SET_NAME, &record, 0, 0, sizeof record);
        if (status != XEL_STATUS_OK)
            xell_set_last_error(status);
        return status == XEL_STATUS_OK;
    });
    if (!sent)
        return;
    xell_copy_field(adapter->name, name);
    xel_status_t status = xell_config_load(xell_get_cfg_path());
    if (status != XEL_STATUS_OK) {
        xell_set_last_error(status);
        return;
    }
    if (xell_config_ad_lookup(adapter->serial_num) == -1)
        xell_config_ad_add(adapter->serial_num);
    status = xell_config_ad_name(adapter->serial_num, name);
    if (status != XEL_STATUS_OK) {
        xell_config_unload();
        xell_set_last_error(status);
        return;
    }
    xell_config_commit(xell_get_cfg_path());
}

xel_status_t xell_adapter_cfg_mode(xell_t *ioc, const xel_adapter_cfg_mode_t *cfg, bool cleanup_req)
{
    xel_status_t status = xell_verify_mode_change(ioc, static_cast<xel_mode_t>(cfg->mode));
    if (status != XEL_STATUS_OK)
        return status;
    struct {
        int32_t status;
        uint16_t xeld_num;
        uint16_t rsvd;
        xel_adapter_cfg_mode_t cfg;
    } record{};
    static_assert(sizeof record == xel_cmd_size(XEL_CMD_ADAPTER_CFG_MODE));
    record.cfg = *cfg;
    status = xell_request(ioc, XEL_CMD_ADAPTER_CFG_MODE, &record, 0, 0, sizeof record);
    if (status == XEL_STATUS_OK && cleanup_req)
        status = xell_adapter_cleanup(ioc);
    return status;
}

// After a mode change with its settings reset: each port's configuration,
// highest port first, then the configuration kept in flash.
xel_status_t xell_adapter_cleanup(xell_t *ioc)
{
    xell_adapter_t *adapter = xell_adapter_get_by_idx(ioc->ad_id);
    if (adapter == nullptr)
        return XEL_STATUS_FAILED;
    for (int id = adapter->port_count - 1; id >= 0; id--) {
        xell_port_t *port = xell_adapter_get_port(adapter, id);
        if (port == nullptr)
            continue;
        xel_status_t status = xell_conf_cleanup(port);
        if (status != XEL_STATUS_OK)
            return status;
    }
    return xell_flash_clr_cfg(ioc);
}

void xell_adapter_update_ioc(xell_adapter_t *adapter, const xell_t *ioc)
{
    xell_port_t *port = xell_adapter_get_port(adapter, ioc->port_num);
    xell_t *first = port != nullptr ? xell_port_get_ioc(port, 0) : nullptr;
    if (first != nullptr)
        xell_update_file_handle(first, ioc);
}

int xell_port_get_ioc_count(const xell_port_t *port)
{
    return port != nullptr ? port->ioc_count : 0;
}

xell_t *xell_port_get_ioc(xell_port_t *port, int position)
{
    if (port == nullptr)
        return nullptr;
    for (auto *list : {&port->fcioc_list, &port->ethioc_list})
        for (auto &ioc : *list)
            if (ioc->id == position)
                return ioc.get();
    return nullptr;
}

xel_status_t xell_ioc_get_operational_pf(xell_t **ioc)
{
    xel_ioc_attr_t attr{};
    if (xell_ioc_get_attr(*ioc, &attr) != XEL_STATUS_OK || attr.state == XEL_IOC_OPERATIONAL)
        return XEL_STATUS_OK;
    xell_port_t *port = xell_adapter_get_port(xell_adapter_get_by_idx((*ioc)->ad_id), (*ioc)->port_num);
    for (int position = 0; position < xell_port_get_ioc_count(port); position++) {
        xell_t *candidate = xell_port_get_ioc(port, position);
        if (candidate != nullptr && xell_ioc_get_attr(candidate, &attr) == XEL_STATUS_OK &&
            attr.state == XEL_IOC_OPERATIONAL) {
            *ioc = candidate;
            break;
        }
    }
    return XEL_STATUS_OK;
}
