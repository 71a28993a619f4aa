#include "xell_port.h"

#include "xell_config.h"
#include "xell_request.h"

#include <cstdio>
#include <cstring>
#include <new>

namespace {


xell_t *xell_port_find(std::vector<std::unique_ptr<xell_t>> &list, int index)
{
    for (auto &ioc : list)
        if (ioc->id == index)
            return ioc.get();
    return nullptr;
}

xell_port_t *xell_port_of(const xell_t *ioc)
{
    return xell_adapter_get_port(xell_adapter_get_by_idx(ioc->ad_id), ioc->port_num);
}

// The storage IOC of the IOC's port when the port is a converged one (it
// has a storage and a network IOC), with its Ethernet side's state; null
// on any other port. The IOC itself stands for its own side.
xel_status_t xell_port_converged(xell_t *ioc, xell_t **fc, uint32_t *eth_state)
{
    xell_port_t *port = xell_port_of(ioc);
    if (port == nullptr)
        return XEL_STATUS_FAILED;
    bool storage = xell_ioc_is_storage(ioc);
    *fc = storage ? ioc : xell_port_get_first_fcioc(port);
    xell_t *eth = storage ? xell_port_get_first_ethioc(port) : ioc;
    if (*fc == nullptr || eth == nullptr) {
        *fc = nullptr;
        return XEL_STATUS_OK;
    }
    xel_ethport_attr_s attr{};
    xel_status_t status = xell_ethport_get_attr(eth, &attr);
    *eth_state = attr.port_state;
    return status;
}

// The setting is kept under a port WWN: a converged port enabled or
// disabled through its Ethernet function keeps it under its FCoE function,
// so that the port comes up at the next driver load as it was left.
xel_status_t xell_port_set_enabled(xell_t *ioc, uint32_t cmd, bool enable, xell_t *keeper)
{
    return xell_config_persist_if(xell_header_request(ioc, cmd, 0, 8, 8),
                                  [&] { xell_config_enable(keeper, enable); });
}

// The boot configuration follows the port's configured topology, so that
// booting over the SAN uses what the port will come up with.
xel_status_t xell_port_sync_boot_topology(xell_t *ioc)
{
    xel_port_attr_s attr{};
    xel_boot_cfg_t boot{};
    if (xell_port_get_attr(ioc, &attr) != XEL_STATUS_OK || xell_bios_query(ioc, &boot) != XEL_STATUS_OK)
        return XEL_STATUS_OK;
    if (boot.enable != 1 || boot.topology == attr.pport_cfg.topology)
        return XEL_STATUS_OK;
    boot.topology = attr.pport_cfg.topology;
    return xell_bios_cfg(ioc, &boot);
}

template <typename Record>
xel_status_t xell_port_set(xell_t *ioc, uint32_t cmd, Record *record)
{
    return xell_request(ioc, cmd, record, 0, 0, sizeof(Record));
}

xel_status_t xell_port_cleanup(xell_t *ioc, int port_num)
{
    xell_adapter_t *adapter = xell_adapter_get_by_idx(ioc->ad_id);
    xell_port_t *port = xell_adapter_get_port(adapter, port_num);
    if (adapter == nullptr || port == nullptr)
        return XEL_STATUS_FAILED;
    xel_status_t status = xell_conf_cleanup(port);
    if (status != XEL_STATUS_OK)
        return status;
    return xell_flash_clr_cfg(ioc);
}

// The speed class of each adapter model; the dual-personality card runs
// its FC functions at 16G and everything else at 10G.
struct xell_card_speed {
    uint32_t card_type;
    const char *speed;
};
constexpr xell_card_speed xell_card_speeds[] = {
    {401, "4G"},   {402, "4G"},   {801, "8G"},   {802, "8G"},   {804, "8G"},
    {1001, "10G"}, {1012, "10G"}, {1601, "16G"}, {1602, "16G"},
};
constexpr uint32_t xell_dual_personality_card = 1002;

} // namespace

// ---- the port model ----------------------------------------------------------

xel_status_t xell_port_add_ioc(xell_port_t *port, const xell_t *ioc, const xel_ioc_attr_t *attr)
{
    (void)attr;
    std::unique_ptr<xell_t> copy(new (std::nothrow) xell_t(*ioc));
    if (copy == nullptr) {
        xell_set_last_error(XEL_STATUS_ENOMEM);
        return XEL_STATUS_ENOMEM;
    }
    copy->next = nullptr;
    copy->id = port->ioc_count;
    if (port->ioc_count == 0) {
        port->fcioc_list.clear();
        port->ethioc_list.clear();
        port->id = ioc->port_num;
        port->factorypwwn = ioc->factorypwwn;
        port->factorynwwn = ioc->factorynwwn;
        port->ioc_type = ioc->ioc_type;
        if (ioc->ioc_type == XEL_IOC_TYPE_FCoE || ioc->ioc_type == XEL_IOC_TYPE_LL)
            port->factory_mac = ioc->factory_mac;
    }
    (xell_ioc_is_storage(ioc) ? port->fcioc_list : port->ethioc_list).push_back(std::move(copy));
    port->ioc_count++;
    return XEL_STATUS_OK;
}

xell_t *xell_port_get_fcioc(xell_port_t *port, int index)
{
    return port != nullptr ? xell_port_find(port->fcioc_list, index) : nullptr;
}

xell_t *xell_port_get_ethioc(xell_port_t *port, int index)
{
    return port != nullptr ? xell_port_find(port->ethioc_list, index) : nullptr;
}

xell_t *xell_port_get_first_fcioc(xell_port_t *port)
{
    return port != nullptr && !port->fcioc_list.empty() ? port->fcioc_list.front().get() : nullptr;
}

xell_t *xell_port_get_first_ethioc(xell_port_t *port)
{
    return port != nullptr && !port->ethioc_list.empty() ? port->ethioc_list.front().get() : nullptr;
}

xell_t *xell_port_get_first_ioc(xell_port_t *port)
{
    xell_t *ioc = xell_port_get_first_fcioc(port);
    return ioc != nullptr ? ioc : xell_port_get_first_ethioc(port);
}

xell_t *xell_port_get_ioc_by_pcifn(xell_port_t *port, int pcifn)
{
    if (port == nullptr)
        return nullptr;
    for (auto *list : {&port->fcioc_list, &port->ethioc_list})
        for (auto &ioc : *list)
            if (ioc->pcifn_id == pcifn)
                return ioc.get();
    return nullptr;
}

const char *xell_port_get_state_name(int state)
{
    if (state < 0 || state >= static_cast<int>(XEL_PORT_ST_MAX_STATE))
        return "Unknown";
    return xell_port_states_to_string(state);
}

bool xell_config_get_port_name_exists(int ad_idx, const char *nm, int port_num)
{
    if (nm == nullptr || nm[0] == '\0')
        return false;
    xell_t *ioc = xell_port_get_first_ioc(xell_adapter_get_port(xell_adapter_get_by_idx(ad_idx), port_num));
    return ioc != nullptr && std::strncmp(ioc->port_name, nm, 128) == 0;
}

// ---- enable and disable -----------------------------------------------------

xel_status_t xell_port_enable(xell_t *ioc)
{
    xell_t *fc = nullptr;
    uint32_t eth_state = 0;
    xel_status_t status = xell_port_converged(ioc, &fc, &eth_state);
    if (status != XEL_STATUS_OK)
        return status;
    // The Ethernet side is up: only the FCoE function is down.
    if (fc != nullptr && eth_state != XEL_PORT_ST_DISABLED && eth_state != XEL_PORT_ST_DISABLING)
        return xell_fcoe_port_enable(fc);
    return xell_port_set_enabled(ioc, XEL_CMD_PORT_ENABLE, true, fc != nullptr ? fc : ioc);
}

xel_status_t xell_port_disable(xell_t *ioc)
{
    xell_t *fc = nullptr;
    uint32_t eth_state = 0;
    xel_status_t status = xell_port_converged(ioc, &fc, &eth_state);
    if (status != XEL_STATUS_OK)
        return status;
    // The Ethernet side is down already: only the FCoE function is left.
    if (fc != nullptr && eth_state == XEL_PORT_ST_DISABLED)
        return xell_fcoe_port_disable(fc);
    status = xell_header_request(ioc, XEL_CMD_PORT_DISABLE, 0, 8, 8);
    if (status != XEL_STATUS_OK)
        return status;
    // Only a disable the driver accepted may touch the boot configuration.
    xel_status_t boot = xell_port_sync_boot_topology(ioc);
    if (boot != XEL_STATUS_OK)
        return boot;
    return xell_config_persist_if(status, [&] { xell_config_enable(fc != nullptr ? fc : ioc, false); });
}

xel_status_t xell_fcoe_port_enable(xell_t *ioc)
{
    return xell_port_set_enabled(ioc, XEL_CMD_FCOE_PORT_ENABLE, true, ioc);
}

xel_status_t xell_fcoe_port_disable(xell_t *ioc)
{
    return xell_port_set_enabled(ioc, XEL_CMD_FCOE_PORT_DISABLE, false, ioc);
}

// ---- attributes and statistics ----------------------------------------------

xel_status_t xell_port_get_attr(xell_t *ioc, xel_port_attr_s *attr)
{
    xel_ioctl_port_attr_t record{};
    xel_status_t status = xell_request(ioc, XEL_CMD_PORT_GET_ATTR, &record, 0, sizeof record, sizeof record);
    if (status == XEL_STATUS_OK)
        *attr = record.attr;
    return status;
}

xel_status_t xell_port_get_stats(xell_t *ioc, const xell_stats_t **desc, xel_port_stats_t *stats)
{
    xel_ioctl_port_stats_t record{};
    record.bufsz = XEL_PORT_STATS_SIZE;
    xel_port_stats_t data{};
    xel_status_t status = xell_request_data(ioc, XEL_CMD_PORT_GET_STATS, &record, &data, sizeof data,
                                            XEL_PORT_STATS_XFER, XEL_PORT_STATS_XFER - 4);
    if (status == XEL_STATUS_OK) {
        *stats = data;
        *desc = &xell_xel_port_stats;
    }
    return status;
}

xel_status_t xell_port_reset_stats(xell_t *ioc)
{
    return xell_header_request(ioc, XEL_CMD_PORT_RESET_STATS, 0, 8, 8);
}

xel_status_t xell_fcoe_get_stats(xell_t *ioc, const xell_stats_t **desc, xel_fcport_stats_t *stats)
{
    xel_ioctl_fcport_stats_t record{};
    xel_status_t status = xell_request(ioc, XEL_CMD_FCOE_GET_STATS, &record, 0, 0, sizeof record);
    if (status == XEL_STATUS_OK) {
        *stats = record.stats;
        *desc = &xell_xel_fcport_stats;
    }
    return status;
}

xel_status_t xell_fcoe_reset_stats(xell_t *ioc)
{
    return xell_header_request(ioc, XEL_CMD_FCOE_RESET_STATS, 0, 0, 8);
}

// ---- persistent settings ------------------------------------------------------

xel_status_t xell_port_cfg_topology(xell_t *ioc, uint32_t topology)
{
    xel_ioctl_port_cfg_topo_t record{};
    record.topo = topology;
    return xell_config_persist_if(xell_port_set(ioc, XEL_CMD_PORT_CFG_TOPOLOGY, &record),
                                  [&] { xell_config_topology(ioc, static_cast<int>(topology)); });
}

xel_status_t xell_port_cfg_speed(xell_t *ioc, uint32_t speed)
{
    xel_ioctl_port_cfg_speed_t record{};
    record.speed = speed;
    return xell_config_persist_if(xell_port_set(ioc, XEL_CMD_PORT_CFG_SPEED, &record),
                                  [&] { xell_config_speed(ioc, static_cast<int>(speed)); });
}

xel_status_t xell_port_cfg_hardalpa(xell_t *ioc, uint8_t alpa)
{
    xel_ioctl_port_alpa_t record{};
    record.alpa = alpa;
    return xell_config_persist_if(xell_port_set(ioc, XEL_CMD_PORT_CFG_HARDALPA, &record),
                                  [&] { xell_config_alpa(ioc, alpa, true); });
}

xel_status_t xell_port_clr_hardalpa(xell_t *ioc)
{
    xel_ioctl_port_alpa_t record{};
    return xell_config_persist_if(xell_port_set(ioc, XEL_CMD_PORT_CLR_HARDALPA, &record),
                                  [&] { xell_config_alpa(ioc, 0, false); });
}

xel_status_t xell_port_cfg_maxfrsize(xell_t *ioc, uint16_t maxfrsize)
{
    xel_ioctl_port_cfg_maxfrsize_t record{};
    record.maxfrsize = maxfrsize;
    return xell_config_persist_if(xell_port_set(ioc, XEL_CMD_PORT_CFG_MAXFRSIZE, &record),
                                  [&] { xell_config_maxfrsz(ioc, maxfrsize); });
}

// ---- node identification ----------------------------------------------------

// These go out in a full-size request buffer.
xel_status_t xell_port_cfg_rnid_info(xell_t *ioc, xel_port_rnid_s info)
{
    xell_args_t request{};
    xel_ioctl_port_rnid_t record{};
    record.xeld_num = static_cast<uint16_t>(ioc->instance);
    record.info = info;
    std::memcpy(request.raw, &record, sizeof record);
    xel_status_t status = xell_ioctl(ioc, XEL_CMD_PORT_CFG_RNID_INFO, &request, 0, 0, 0);
    return status != XEL_STATUS_OK ? status : static_cast<xel_status_t>(request.hdr.status);
}

xel_status_t xell_port_get_rnid_info(xell_t *ioc, xel_port_rnid_s *info)
{
    xell_args_t request{};
    request.hdr.xeld_num = static_cast<uint16_t>(ioc->instance);
    xel_status_t status = xell_ioctl(ioc, XEL_CMD_PORT_GET_RNID_INFO, &request, 0, 0, 0);
    if (status != XEL_STATUS_OK)
        return status;
    xel_ioctl_port_rnid_t record;
    std::memcpy(&record, request.raw, sizeof record);
    if (record.status == XEL_STATUS_OK)
        *info = record.info;
    return static_cast<xel_status_t>(record.status);
}

// ---- fabric-assigned address, personality, credit recovery, partitions -----

xel_status_t xell_faa_query(xell_t *ioc, xel_faa_attr_s *attr)
{
    xel_ioctl_faa_attr_t record{};
    xel_status_t status = xell_request(ioc, XEL_CMD_FAA_QUERY, &record, 0, sizeof record, sizeof record);
    if (status == XEL_STATUS_OK)
        *attr = record.faa_attr;
    return status;
}

xel_status_t xell_port_cfg_mode(xell_t *ioc, const xel_port_cfg_mode_t *cfg, int port_num, bool cleanup)
{
    bool operational = false;
    xel_status_t status = xell_ioc_is_operational(ioc, &operational);
    if (status != XEL_STATUS_OK)
        return status;
    if (!operational)
        return XEL_STATUS_IOC0_DISABLED;
    xel_port_attr_s attr{};
    status = xell_port_get_attr(ioc, &attr);
    if (status != XEL_STATUS_OK)
        return status;
    if (attr.pport_cfg.trunked)
        return XEL_STATUS_ERROR_TRUNK_ENABLED;
    status = xell_verify_mode_change(ioc, static_cast<xel_mode_t>(cfg->mode));
    if (status != XEL_STATUS_OK)
        return status;
    xel_ioctl_port_cfg_mode_t record{};
    record.instance = static_cast<uint16_t>(port_num);
    record.cfg = *cfg;
    status = xell_request(ioc, XEL_CMD_PORT_CFG_MODE, &record, 0, sizeof record, sizeof record);
    if (status != XEL_STATUS_OK)
        return status;
    return cleanup ? xell_port_cleanup(ioc, port_num) : XEL_STATUS_OK;
}

xel_status_t xell_port_mode_get(xell_t *ioc, bool active, xel_mode_t *mode)
{
    xel_ioc_attr_t attr{};
    xel_status_t status = xell_ioc_get_attr(ioc, &attr);
    if (status == XEL_STATUS_OK)
        *mode = static_cast<xel_mode_t>(active ? attr.port_mode : attr.port_mode_cfg);
    return status;
}

xel_status_t xell_port_is_cna(xell_t *ioc, bool active, bool *is_cna)
{
    xel_mode_t mode = XEL_MODE_HBA;
    xel_status_t status = xell_port_mode_get(ioc, active, &mode);
    if (status == XEL_STATUS_OK)
        *is_cna = mode == XEL_MODE_CNA;
    return status;
}

xel_status_t xell_port_bbsc_enable(xell_t *ioc)
{
    if (ioc == nullptr)
        return XEL_STATUS_NO_PORT_INSTANCE;
    if (ioc->ioc_type != XEL_IOC_TYPE_FC)
        return XEL_STATUS_BBSC_FC_ONLY;
    return xell_header_request(ioc, XEL_CMD_PORT_BBSC_ENABLE, 0, 0, 8);
}

xel_status_t xell_port_bbsc_disable(xell_t *ioc)
{
    if (ioc == nullptr)
        return XEL_STATUS_NO_PORT_INSTANCE;
    if (ioc->ioc_type != XEL_IOC_TYPE_FC)
        return XEL_STATUS_BBSC_FC_ONLY;
    return xell_header_request(ioc, XEL_CMD_PORT_BBSC_DISABLE, 0, 0, 8);
}

xel_status_t xell_port_nwpart_enable(xell_t *ioc, int port_num)
{
    (void)port_num;
    return xell_header_request(ioc, XEL_CMD_PORT_NWPART_ENABLE, 0, 8, 8);
}

xel_status_t xell_port_nwpart_disable(xell_t *ioc, int port_num)
{
    (void)port_num;
    return xell_header_request(ioc, XEL_CMD_PORT_NWPART_DISABLE, 0, 8, 8);
}

// ---- type text ------------------------------------------------------------

xel_status_t xell_port_get_type(xell_t *ioc, char *type)
{
    xel_ioc_attr_t attr{};
    xel_status_t status = xell_ioc_get_attr(ioc, &attr);
    if (status != XEL_STATUS_OK)
        return status;
    const char *function = nullptr;
    if (attr.ioc_type == XEL_IOC_TYPE_FC)
        function = "FC";
    else if (attr.ioc_type == XEL_IOC_TYPE_FCoE || attr.ioc_type == XEL_IOC_TYPE_LL)
        function = "Eth";
    if (function == nullptr) {
        std::printf("Unrecognized IOC type %d\n", static_cast<int>(attr.ioc_type));
        return XEL_STATUS_EINVAL;
    }
    uint32_t card = attr.adapter_attr.card_type;
    const char *speed = nullptr;
    if (card == xell_dual_personality_card)
        speed = attr.ioc_type == XEL_IOC_TYPE_FC ? "16G" : "10G";
    for (const auto &row : xell_card_speeds)
        if (row.card_type == card)
            speed = row.speed;
    if (speed == nullptr) {
        std::printf("Unrecognized Card Type\n");
        return XEL_STATUS_EINVAL;
    }
    std::snprintf(type, XELL_PORT_TYPE_TEXT, "%s %s", speed, function);
    return XEL_STATUS_OK;
}
