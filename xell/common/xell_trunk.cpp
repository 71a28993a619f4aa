// Trunking: a two-port adapter bundling its FC ports into one link.
#include "xell_port.h"

#include "xell_request.h"

namespace {

xell_t *xell_trunk_member(xell_adapter_t *adapter, int port_idx)
{
    return xell_port_get_first_fcioc(xell_adapter_get_port(adapter, port_idx));
}

xel_status_t xell_port_enable_trunk(xell_t *ioc)
{
    return xell_header_request(ioc, XEL_CMD_PORT_ENABLE_TRUNK, 0, 0, 8);
}

xel_status_t xell_port_disable_trunk(xell_t *ioc)
{
    return xell_header_request(ioc, XEL_CMD_PORT_DISABLE_TRUNK, 0, 0, 8);
}

// What the members of a trunk must agree on.
struct xell_trunk_settings {
    uint8_t speed;
    bool qos;
    uint8_t high, med, low;
    uint8_t trlenabled;
};

xel_status_t xell_trunk_read_settings(xell_t *ioc, xell_trunk_settings *settings)
{
    xel_port_attr_s attr{};
    xel_status_t status = xell_port_get_attr(ioc, &attr);
    if (status != XEL_STATUS_OK)
        return status;
    if (attr.pport_cfg.trunked)
        return XEL_STATUS_TRUNK_ENABLED;
    xel_faa_attr_s faa{};
    status = xell_faa_query(ioc, &faa);
    if (status != XEL_STATUS_OK)
        return status;
    if (faa.pwwn_source == XEL_FAA_FABRIC)
        return XEL_STATUS_ERROR_FAA_OPER;
    xel_qos_attr_s qos{};
    status = xell_qos_get_attr(ioc, &qos);
    if (status != XEL_STATUS_OK)
        return status;
    xell_trl_attr_t trl{};
    status = xell_ratelim_get_attr(ioc, &trl);
    if (status != XEL_STATUS_OK)
        return status;
    *settings = {attr.pport_cfg.speed, qos.state != 0, qos.qos_bw.high, qos.qos_bw.med, qos.qos_bw.low,
                 trl.trlenabled};
    return XEL_STATUS_OK;
}

xel_status_t xell_trunk_compare(const xell_trunk_settings &ref, const xell_trunk_settings &other)
{
    if (ref.qos != other.qos || ref.high != other.high || ref.med != other.med || ref.low != other.low)
        return XEL_STATUS_QOS_MISMATCH;
    if (ref.trlenabled != other.trlenabled)
        return XEL_STATUS_TRL_MISMATCH;
    if (ref.speed != other.speed)
        return XEL_STATUS_SPEED_MISMATCH;
    return XEL_STATUS_OK;
}

// Every FC IOC of every port must be untrunked, addressed by the port
// itself, and set up like the first.
xel_status_t xell_trunk_check_ports(xell_adapter_t *adapter)
{
    bool have_reference = false;
    xell_trunk_settings reference{};
    for (int port_idx = 0; port_idx < adapter->port_count; port_idx++) {
        xell_port_t *port = xell_adapter_get_port(adapter, port_idx);
        for (int index = 0; port != nullptr && index < port->ioc_count; index++) {
            xell_t *ioc = xell_port_get_fcioc(port, index);
            if (ioc == nullptr)
                continue;
            xell_trunk_settings settings{};
            xel_status_t status = xell_trunk_read_settings(ioc, &settings);
            if (status != XEL_STATUS_OK)
                return status;
            if (!have_reference) {
                reference = settings;
                have_reference = true;
                continue;
            }
            status = xell_trunk_compare(reference, settings);
            if (status != XEL_STATUS_OK)
                return status;
        }
    }
    return XEL_STATUS_OK;
}

// The adapter of that index, when it can bundle its ports.
xel_status_t xell_trunk_adapter(int ad_idx, xell_adapter_t **adapter)
{
    *adapter = xell_adapter_get_by_idx(ad_idx);
    if (*adapter == nullptr)
        return XEL_STATUS_FAILED;
    return xell_adapter_is_trunk_capable(*adapter);
}

} // namespace

xel_status_t xell_port_get_trunk_attr(xell_t *ioc, xel_trunk_attr_s *attr)
{
    xel_ioctl_trunk_attr_t record{};
    xel_status_t status = xell_request(ioc, XEL_CMD_PORT_GET_TRUNK_ATTR, &record, 0, 0, sizeof record);
    if (status == XEL_STATUS_OK)
        *attr = record.attr;
    return status;
}

xel_status_t xell_adapter_is_trunk_capable(xell_adapter_t *adapter)
{
    xell_t *ioc = xell_adapter_get_first_ioc(adapter);
    if (ioc == nullptr)
        return XEL_STATUS_FAILED;
    xel_ioc_attr_t attr{};
    xel_status_t status = xell_ioc_get_attr(ioc, &attr);
    if (status != XEL_STATUS_OK)
        return status;
    if (attr.adapter_attr.is_mezz)
        return XEL_STATUS_TRUNK_UNSUPP_MEZZ;
    if (attr.adapter_attr.cna_capable)
        return XEL_STATUS_TRUNK_UNSUPP_CNA;
    if (adapter->port_count < 2)
        return XEL_STATUS_TRUNK_UNSUPP_SINGLE_PORT;
    return XEL_STATUS_OK;
}

xel_status_t xell_trunk_enable(int ad_idx)
{
    xell_adapter_t *adapter = nullptr;
    xel_status_t status = xell_trunk_adapter(ad_idx, &adapter);
    if (status == XEL_STATUS_OK)
        status = xell_trunk_check_ports(adapter);
    if (status != XEL_STATUS_OK)
        return status;
    for (int port_idx = 0; port_idx < adapter->port_count; port_idx++) {
        xell_t *ioc = xell_trunk_member(adapter, port_idx);
        if (ioc == nullptr)
            continue;
        status = xell_port_enable_trunk(ioc);
        if (status == XEL_STATUS_OK)
            continue;
        // Undo the ports done so far.
        for (int undo = port_idx - 1; undo >= 0; undo--) {
            xell_t *done = xell_trunk_member(adapter, undo);
            if (done == nullptr)
                return XEL_STATUS_FAILED;
            xell_port_disable_trunk(done);
        }
        return status;
    }
    return XEL_STATUS_OK;
}

xel_status_t xell_trunk_disable(int ad_idx)
{
    xell_adapter_t *adapter = nullptr;
    xel_status_t status = xell_trunk_adapter(ad_idx, &adapter);
    if (status != XEL_STATUS_OK)
        return status;
    uint32_t trunked = 0;
    int untrunked = 0;
    for (int port_idx = 0; port_idx < adapter->port_count; port_idx++) {
        xell_t *ioc = xell_trunk_member(adapter, port_idx);
        if (ioc == nullptr)
            return XEL_STATUS_NO_PORT_INSTANCE;
        xel_port_attr_s attr{};
        status = xell_port_get_attr(ioc, &attr);
        if (status != XEL_STATUS_OK)
            return status;
        if (attr.pport_cfg.trunked)
            trunked |= 1u << port_idx;
        else
            untrunked++;
    }
    if (trunked == 0)
        return XEL_STATUS_TRUNK_DISABLED;
    if (untrunked > 0) {
        for (int port_idx = 0; port_idx < adapter->port_count; port_idx++) {
            if (!(trunked & (1u << port_idx)))
                continue;
            xell_t *ioc = xell_trunk_member(adapter, port_idx);
            if (ioc == nullptr)
                return XEL_STATUS_NO_PORT_INSTANCE;
            status = xell_port_disable_trunk(ioc);
        }
        return status;
    }
    for (int port_idx = adapter->port_count - 1; port_idx >= 0; port_idx--) {
        xell_t *ioc = xell_trunk_member(adapter, port_idx);
        if (ioc == nullptr)
            return XEL_STATUS_NO_PORT_INSTANCE;
        status = xell_port_disable_trunk(ioc);
        if (status == XEL_STATUS_OK)
            continue;
        // Bring back trunking on the ports already done.
        for (int redo = port_idx + 1; redo < adapter->port_count; redo++) {
            xell_t *done = xell_trunk_member(adapter, redo);
            if (done == nullptr)
                return XEL_STATUS_NO_PORT_INSTANCE;
            xell_port_enable_trunk(done);
        }
        return status;
    }
    return XEL_STATUS_OK;
}

xel_status_t xell_trunk_query(int ad_idx, xel_trunk_attr_s *attr)
{
    xell_adapter_t *adapter = nullptr;
    xel_status_t status = xell_trunk_adapter(ad_idx, &adapter);
    if (status != XEL_STATUS_OK)
        return status;
    for (int port_idx = 0; port_idx < adapter->port_count; port_idx++) {
        xell_port_t *port = xell_adapter_get_port(adapter, port_idx);
        if (port == nullptr)
            continue;
        xell_t *ioc = xell_port_get_first_fcioc(port);
        return ioc != nullptr ? xell_port_get_trunk_attr(ioc, attr) : XEL_STATUS_NO_PORT_INSTANCE;
    }
    return XEL_STATUS_FAILED;
}

xel_status_t xell_trunk_get_ports_state(xell_t *ioc)
{
    xell_adapter_t *adapter = ioc->ad_id != 0 ? xell_adapter_get_by_idx(ioc->ad_id) : nullptr;
    if (adapter == nullptr)
        return XEL_STATUS_FAILED;
    for (int port_idx = 0; port_idx < adapter->port_count; port_idx++) {
        xell_t *member = xell_trunk_member(adapter, port_idx);
        if (member == nullptr)
            continue;
        xel_port_attr_s attr{};
        xel_status_t status = xell_port_get_attr(member, &attr);
        if (status != XEL_STATUS_OK)
            return status;
        if (!attr.pport_cfg.trunked)
            return XEL_STATUS_OK;
        if (attr.port_state != XEL_PORT_ST_DISABLED)
            return XEL_STATUS_NEED_PORTS_DISABLE;
    }
    return XEL_STATUS_OK;
}
