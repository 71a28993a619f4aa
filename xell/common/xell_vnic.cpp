// vNIC operations of the network driver.
#include "xell_adapter.h"
#include "xell_pcifn.h"
#include "xell_pcifn_internal.h"
#include "xell_port.h"
#include "xell_request.h"
#include "xell_stats.h"

#include <memory>


namespace {

// Every count in the record lies within the array it counts.
bool xell_vnic_attr_sane(const xel_vnic_attr_t &attr)
{
    if (attr.num_txf > XEL_VNIC_MAX_TXF || attr.num_rxf > XEL_VNIC_MAX_RXF)
        return false;
    for (uint32_t i = 0; i < attr.num_txf; i++)
        if (attr.txf[i].num_txq > XEL_VNIC_MAX_TXQ)
            return false;
    for (uint32_t i = 0; i < attr.num_rxf; i++) {
        const xel_vnic_rxf_attr_t &rxf = attr.rxf[i];
        if (rxf.num_ucast > XEL_VNIC_MAX_UCAST || rxf.num_ucast_vlan > XEL_VNIC_MAX_UCAST_VLAN ||
            rxf.num_mcast > XEL_VNIC_MAX_MCAST || rxf.num_rxp > XEL_VNIC_MAX_RXP)
            return false;
        for (uint32_t p = 0; p < rxf.num_rxp; p++)
            if (rxf.rxp[p].num_rxq > XEL_VNIC_MAX_RXQ)
                return false;
    }
    return true;
}

bool xell_vnic_stats_sane(const xel_vnic_stats_t &stats)
{
    if (stats.num_txf > std::size(stats.txf_stats) || stats.num_rxf > std::size(stats.rxf_stats))
        return false;
    for (uint64_t i = 0; i < stats.num_txf; i++)
        if (stats.txf_stats[i].num_txq > std::size(stats.txf_stats[i].txq_stats))
            return false;
    for (uint64_t i = 0; i < stats.num_rxf; i++) {
        const xel_vnic_stats_rxf_t &rxf = stats.rxf_stats[i];
        if (rxf.num_rxp > std::size(rxf.rxp_stats))
            return false;
        for (uint64_t p = 0; p < rxf.num_rxp; p++)
            if (rxf.rxp_stats[p].num_rxq > std::size(rxf.rxp_stats[p].rxq_stats))
                return false;
    }
    return true;
}

} // namespace

xel_status_t xell_vnic_create(xell_t *ioc, int bw_min, int bw_max, int *pcifn, int port)
{
    return xell_pcifn_create_request(ioc, XEL_PCIFN_CLASS_ETH, bw_min, bw_max, pcifn, port);
}

xel_status_t xell_vnic_delete(xell_t *ioc, int port, int pcifn)
{
    return xell_pcifn_change_request(ioc, XEL_CMD_VHBA_DELETE, port, pcifn, XEL_PCIFN_CLASS_ETH, 0, 0);
}

xel_status_t xell_vnic_set_bw(xell_t *ioc, int bw_min, int bw_max, int port, int pcifn)
{
    xel_status_t status =
        xell_pcifn_change_request(ioc, XEL_CMD_VHBA_SET_BW, port, pcifn, XEL_PCIFN_CLASS_ETH, bw_min, bw_max);
    if (status != XEL_STATUS_OK || port == 0)
        return status;
    xell_adapter_t *adapter = xell_adapter_get_by_idx(ioc->ad_id);
    xell_t *own = xell_port_get_ioc_by_pcifn(xell_adapter_get_port(adapter, port), pcifn);
    if (own == nullptr)
        return XEL_STATUS_FAILED;
    return xell_pcifn_change_request(own, XEL_CMD_VHBA_SET_BW, port, pcifn, XEL_PCIFN_CLASS_ETH, bw_min, bw_max);
}

xel_status_t xell_vnic_get_attr(xell_t *ioc, xel_vnic_attr_t *attr)
{
    xel_ioctl_vnic_buf_t record{};
    record.pcifn_id = static_cast<uint16_t>(ioc->pcifn_id);
    record.buf_size = XEL_VNIC_ATTR_SIZE;
    auto data = std::make_unique<xel_vnic_attr_t>();
    xel_status_t status = xell_request_data(ioc, XEL_CMD_VNIC_GET_ATTR, &record, data.get(), sizeof *data,
                                            XEL_VNIC_ATTR_XFER, XEL_VNIC_ATTR_XFER);
    if (status != XEL_STATUS_OK)
        return status;
    if (!xell_vnic_attr_sane(*data))
        return XEL_STATUS_FAILED;
    *attr = *data;
    return XEL_STATUS_OK;
}

xel_status_t xell_vnic_enable(xell_t *ioc)
{
    return xell_header_request(ioc, XEL_CMD_VNIC_ENABLE, 0, 8, 8);
}

xel_status_t xell_vnic_disable(xell_t *ioc)
{
    return xell_header_request(ioc, XEL_CMD_VNIC_DISABLE, 0, 8, 8);
}

xel_status_t xell_vnic_get_stats(xell_t *ioc, const xell_stats_t **desc, xel_vnic_stats_t *stats)
{
    xel_ioctl_vnic_buf_t record{};
    record.buf_size = XEL_VNIC_STATS_SIZE;
    auto data = std::make_unique<xel_vnic_stats_t>();
    xel_status_t status = xell_request_data(ioc, XEL_CMD_VNIC_GET_STATS, &record, data.get(), sizeof *data,
                                            XEL_VNIC_STATS_XFER, XEL_VNIC_STATS_XFER);
    if (status != XEL_STATUS_OK)
        return status;
    if (!xell_vnic_stats_sane(*data))
        return XEL_STATUS_FAILED;
    *stats = *data;
    *desc = &xell_xel_vnic_stats;
    return XEL_STATUS_OK;
}

xel_status_t xell_vnic_clear_stats(xell_t *ioc)
{
    return xell_header_request(ioc, XEL_CMD_VNIC_CLEAR_STATS, 0, 8, 8);
}
