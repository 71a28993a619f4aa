#include "xell_ioc.h"

#include "xel_ioctl.h"
#include "xell_config.h"
#include "xell_discovery.h"
#include "xell_request.h"
#include "xell_request_cache.h"
#include "xell_stats.h"
#include "xell_sys.h"
#include "xell_transport.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

template <size_t N, size_t M>
void xell_copy_text(char (&dst)[N], const char (&src)[M])
{
    std::snprintf(dst, N, "%.*s", static_cast<int>(strnlen(src, M)), src);
}

// Sends a record whose header carries the IOC's instance.
template <typename Record>
xel_status_t xell_ioc_request(xell_t *ioc, uint32_t cmd, Record *record)
{
    return xell_request(ioc, cmd, record, 0, 0, sizeof(Record));
}

xel_status_t xell_ioc_header_request(xell_t *ioc, uint32_t cmd)
{
    return xell_header_request(ioc, cmd, 0, 0, sizeof(xel_ioctl_gen_t));
}


// State polls after an enable or disable: the state is checked at once,
// then with waits that grow to a second, at most this many times.
constexpr int max_state_polls = 20;
constexpr unsigned first_poll_wait_ms = 10;
constexpr unsigned max_poll_wait_ms = 1000;

xel_status_t xell_ioc_wait_state(xell_t *ioc, uint32_t state)
{
    unsigned wait = first_poll_wait_ms;
    for (int poll = 0; poll < max_state_polls; poll++) {
        // Each poll asks the driver anew.
        xell_request_cache_forget();
        xel_ioc_attr_t attr{};
        if (xell_ioc_get_attr(ioc, &attr) == XEL_STATUS_OK && attr.state == state)
            return XEL_STATUS_OK;
        if (poll + 1 < max_state_polls)
            xell_os().sleep_ms(wait);
        wait = wait * 2 < max_poll_wait_ms ? wait * 2 : max_poll_wait_ms;
    }
    return XEL_STATUS_FAILED;
}

xel_status_t xell_ioc_change_state(xell_t *ioc, uint32_t cmd, uint32_t state)
{
    xel_status_t status = xell_ioc_header_request(ioc, cmd);
    if (status != XEL_STATUS_OK)
        return status;
    return xell_ioc_wait_state(ioc, state);
}

} // namespace

wwn_t xell_ioc_get_pwwn(const xell_t *ioc)
{
    return ioc->pwwn;
}

wwn_t xell_ioc_get_nwwn(const xell_t *ioc)
{
    return ioc->nwwn;
}

mac_t xell_ioc_get_mac(const xell_t *ioc)
{
    return ioc->mac;
}

mac_t xell_ioc_get_factory_mac(const xell_t *ioc)
{
    return ioc->factory_mac;
}

int xell_ioc_get_port_id(const xell_t *ioc)
{
    return ioc->port_num;
}

xel_ioc_type_t xell_ioc_get_ioc_type(const xell_t *ioc)
{
    return ioc->ioc_type;
}

const char *xell_ioc_get_name(const xell_t *ioc)
{
    return ioc->port_name;
}

const char *xell_ioc_get_eth_name(const xell_t *ioc)
{
    return ioc->eth_name;
}

const char *xell_ioc_get_sn(const xell_t *ioc)
{
    return ioc->serialnum;
}

int xell_ioc_get_instance(const xell_t *ioc)
{
    return ioc->instance;
}

int xell_ioc_get_pcifn(const xell_t *ioc)
{
    return ioc->pcifn_id;
}

int xell_ioc_get_adapter_id(const xell_t *ioc)
{
    return ioc->ad_id;
}

int xell_ioc_get_index(const xell_t *ioc)
{
    return ioc->id;
}

void xell_ioc_get_path(const xell_t *ioc, char *devpath, char *ioc_hwpath, char *adapter_hwpath)
{
    std::strcpy(devpath, ioc->devpath);
    std::strcpy(ioc_hwpath, ioc->ioc_hwpath);
    std::strcpy(adapter_hwpath, ioc->adapter_hwpath);
}

// Handles belong to the lists that hold them.
void xell_ioc_close(xell_t *ioc)
{
    (void)ioc;
}

xell_t *xell_ioc_get_by_eth_name(const char *name)
{
    for (xell_t *ioc = xell_ioc_get_list(); ioc != nullptr; ioc = ioc->next)
        if (std::strcmp(ioc->eth_name, name) == 0)
            return ioc;
    return nullptr;
}

int xell_ioc_get_inst_num_by_pwwn(wwn_t wwn)
{
    for (xell_t *ioc = xell_ioc_get_list(); ioc != nullptr; ioc = ioc->next)
        if (xell_ioc_is_storage(ioc) && ioc->pwwn == wwn)
            return ioc->instance;
    return -1;
}

int xell_ioc_get_inst_num_by_mac(mac_t mac)
{
    for (xell_t *ioc = xell_ioc_get_list(); ioc != nullptr; ioc = ioc->next)
        if (ioc->ioc_type == XEL_IOC_TYPE_LL && ioc->mac == mac)
            return ioc->instance;
    return -1;
}

int xell_ioc_get_global_index(const xell_t *ioc)
{
    for (xell_t *entry = xell_ioc_get_list(); entry != nullptr; entry = entry->next)
        if (std::strcmp(entry->ioc_hwpath, ioc->ioc_hwpath) == 0)
            return entry->id;
    return -1;
}

bool xell_get_pcifn_from_hwpath(const char *path, int *id)
{
    const char *sep = std::strrchr(path, '.');
    const char *colon = std::strrchr(path, ':');
    if (sep == nullptr || (colon != nullptr && colon > sep))
        sep = colon;
    if (sep == nullptr)
        return false;
    *id = std::atoi(sep + 1);
    return true;
}

void xell_fill_ioc_info(xell_t *ioc, const xel_ioctl_ioc_info_t *info)
{
    xell_copy_text(ioc->serialnum, info->serialnum);
    xell_copy_text(ioc->ioc_hwpath, info->hwpath);
    xell_copy_text(ioc->adapter_hwpath, info->adapter_hwpath);
    xell_copy_text(ioc->name, info->name);
    xell_copy_text(ioc->port_name, info->port_name);
    ioc->ioc_type = static_cast<xel_ioc_type_t>(info->ioc_type);
    xell_get_pcifn_from_hwpath(ioc->ioc_hwpath, &ioc->pcifn_id);
    if (ioc->ioc_type == XEL_IOC_TYPE_LL) {
        ioc->pwwn = 0;
        ioc->nwwn = 0;
        ioc->mac = info->mac;
        ioc->factory_mac = info->factory_mac;
        ioc->current_mac = info->current_mac;
    } else {
        ioc->pwwn = info->pwwn;
        ioc->nwwn = info->nwwn;
        ioc->factorypwwn = info->factorypwwn;
        ioc->factorynwwn = info->factorynwwn;
        if (ioc->ioc_type == XEL_IOC_TYPE_FCoE) {
            ioc->mac = info->mac;
            ioc->factory_mac = info->factory_mac;
        }
    }
    xell_get_ioc_params(ioc, info);
    ioc->next = nullptr;
}

xel_status_t xell_ioc_get_attr(xell_t *ioc, xel_ioc_attr_t *attr)
{
    xel_ioctl_ioc_attr_t record{};
    xel_status_t status = xell_ioc_request(ioc, XEL_CMD_IOC_GET_ATTR, &record);
    if (status == XEL_STATUS_OK)
        *attr = record.ioc_attr;
    return status;
}

bool xell_ioc_is_unreported(const xel_ioc_attr_t *attr)
{
    return attr->pci_attr.device_id == 0x17 && attr->pci_attr.pcifn == 1;
}

xel_status_t xell_ioc_get_info(xell_t *ioc, xel_ioctl_ioc_info_t *info)
{
    xell_args_t request{};
    request.ioc_info.xeld_num = static_cast<uint16_t>(ioc->instance);
    xel_status_t status = xell_ioctl(ioc, XEL_CMD_IOC_GET_INFO, &request, 0, 0, 0);
    if (status != XEL_STATUS_OK)
        return status;
    xel_ioc_attr_t attr{};
    status = xell_ioc_get_attr(ioc, &attr);
    if (status != XEL_STATUS_OK)
        return status;
    if (xell_ioc_is_unreported(&attr))
        return XEL_STATUS_FAILED;
    *info = request.ioc_info;
    return static_cast<xel_status_t>(request.ioc_info.status);
}

mac_t xell_ioc_get_current_mac(xell_t *ioc)
{
    xell_args_t request{};
    request.ioc_info.xeld_num = static_cast<uint16_t>(ioc->instance);
    if (xell_ioctl(ioc, XEL_CMD_IOC_GET_INFO, &request, 0, 0, 0) == XEL_STATUS_OK &&
        request.ioc_info.status == XEL_STATUS_OK)
        ioc->current_mac = request.ioc_info.current_mac;
    return ioc->current_mac;
}

xel_status_t xell_ioc_get_stats(xell_t *ioc, const xell_stats_t **desc, xel_ioc_stats_t *stats)
{
    xel_ioctl_ioc_stats_t record{};
    xel_status_t status = xell_ioc_request(ioc, XEL_CMD_IOC_GET_STATS, &record);
    if (status == XEL_STATUS_OK) {
        *stats = record.stats;
        *desc = &xell_xel_ioc_drv_stats;
    }
    return status;
}

// The statistics travel right behind their 24-byte request record.
xel_status_t xell_ioc_get_fwstats(xell_t *ioc, const xell_stats_t **desc, xel_fw_stats_t *stats)
{
    static_assert(sizeof(xel_ioctl_buf_t) + sizeof(xel_fw_stats_t) == XEL_FW_STATS_XFER);
    xel_ioctl_buf_t record{};
    record.bufsz = XEL_FW_STATS_SIZE;
    xel_fw_stats_t answer{};
    xel_status_t status = xell_request_data(ioc, XEL_CMD_IOC_GET_FWSTATS, &record, &answer, sizeof answer, 0, 0);
    if (status == XEL_STATUS_OK) {
        *stats = answer;
        *desc = &xell_xel_fw_stats;
    }
    return status;
}

xel_status_t xell_ioc_reset_stats(xell_t *ioc)
{
    return xell_ioc_header_request(ioc, XEL_CMD_IOC_RESET_STATS);
}

xel_status_t xell_ioc_reset_fwstats(xell_t *ioc)
{
    return xell_ioc_header_request(ioc, XEL_CMD_IOC_RESET_FWSTATS);
}

xel_status_t xell_ioc_enable(xell_t *ioc)
{
    return xell_ioc_change_state(ioc, XEL_CMD_IOC_ENABLE, XEL_IOC_OPERATIONAL);
}

xel_status_t xell_ioc_disable(xell_t *ioc)
{
    return xell_ioc_change_state(ioc, XEL_CMD_IOC_DISABLE, XEL_IOC_DISABLED);
}

// A name the configuration file cannot keep is refused before the driver
// takes it, so that the two never disagree.
xel_status_t xell_ioc_set_name(xell_t *ioc, const char *name)
{
    xel_status_t refused = xell_config_check_ioc_name(ioc, name);
    if (refused != XEL_STATUS_OK)
        return refused;
    xel_ioctl_ioc_name_t record{};
    std::snprintf(record.name, sizeof record.name, "%s", name);
    xel_status_t status = xell_ioc_request(ioc, XEL_CMD_IOC_SET_NAME, &record);
    if (status != XEL_STATUS_OK)
        return status;
    xell_copy_text(ioc->port_name, record.name);
    status = xell_config_load(xell_get_cfg_path());
    if (status != XEL_STATUS_OK)
        return status;
    status = xell_config_ioc_name(ioc, name);
    if (status != XEL_STATUS_OK) {
        xell_config_unload();
        return status;
    }
    xell_config_commit(xell_get_cfg_path());
    return XEL_STATUS_OK;
}

xel_status_t xell_iocfc_get_attr(xell_t *ioc, xel_iocfc_attr_t *attr)
{
    if (!xell_ioc_is_storage(ioc))
        return XEL_STATUS_FAILED;
    xel_ioctl_iocfc_attr_t record{};
    xel_status_t status = xell_ioc_request(ioc, XEL_CMD_IOCFC_GET_ATTR, &record);
    if (status == XEL_STATUS_OK)
        *attr = record.attr;
    return status;
}

xel_status_t xell_iocfc_intr_set(xell_t *ioc, uint8_t coalesce, uint16_t delay, uint16_t latency)
{
    if (!xell_ioc_is_storage(ioc))
        return XEL_STATUS_FAILED;
    xel_ioctl_iocfc_intr_t record{};
    record.coalesce = coalesce;
    record.delay = delay;
    record.latency = latency;
    return xell_config_persist_if(xell_ioc_request(ioc, XEL_CMD_IOCFC_INTR_SET, &record),
                                  [&] { xell_config_iocfc_intr(ioc, coalesce != 0, delay, latency); });
}

xel_status_t xell_ioc_compare_versions(xell_t *ioc)
{
    xel_ioctl_ver_t record{};
    xel_status_t status = xell_ioctl(ioc, XEL_CMD_IOC_COMPARE_VERSIONS, &record, 0, 0, sizeof record);
    if (status != XEL_STATUS_OK)
        return status;
    if (record.status == XEL_STATUS_OK && record.version != XEL_DRV_VERSION) {
        std::printf("\nWARNING: IXO and Driver versions don't match!!!\n\n");
        return XEL_STATUS_OK;
    }
    return static_cast<xel_status_t>(record.status);
}

xel_status_t xell_ioc_is_operational(xell_t *ioc, bool *flag)
{
    if (ioc == nullptr)
        return XEL_STATUS_FAILED;
    xel_ioc_attr_t attr{};
    xel_status_t status = xell_ioc_get_attr(ioc, &attr);
    *flag = status == XEL_STATUS_OK && attr.state == XEL_IOC_OPERATIONAL;
    return status;
}
