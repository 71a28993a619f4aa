// The diagnostic requests: one record per operation, sent for one IOC.
// Result areas go out zeroed, so that a field the driver leaves alone
// reads as nothing found.
#include "xell_diag.h"

#include "xell_port.h"
#include "xell_request.h"

#include <bit>

namespace {

uint32_t to_big_endian(uint32_t value)
{
    if constexpr (std::endian::native == std::endian::little)
        return __builtin_bswap32(value);
    return value;
}

} // namespace

xel_status_t xell_sfp_media(xell_t *ioc, xel_defs_sfp_media_t *media)
{
    xel_ioctl_sfp_media_t record{};
    xel_status_t status = xell_request(ioc, XEL_CMD_SFP_MEDIA, &record, 0, 0, sizeof record);
    if (status == XEL_STATUS_OK)
        *media = static_cast<xel_defs_sfp_media_t>(record.media);
    return status;
}

xel_status_t xell_sfp_speed(xell_t *ioc, uint32_t speed)
{
    xel_ioctl_sfp_speed_t record{};
    record.speed = speed;
    return xell_request(ioc, XEL_CMD_SFP_SPEED, &record, 0, 0, sizeof record);
}

xel_status_t xell_diag_dport_get_state(xell_t *ioc, xel_dport_state_t *state)
{
    xel_ioctl_dport_state_t record{};
    xel_status_t status = xell_request(ioc, XEL_CMD_DIAG_DPORT_GET_STATE, &record, 0, 0, sizeof record);
    if (status == XEL_STATUS_OK)
        *state = static_cast<xel_dport_state_t>(record.state);
    return status;
}

xel_status_t xell_diag_dport_enable(xell_t *ioc)
{
    return xell_header_request(ioc, XEL_CMD_DIAG_DPORT_ENABLE, 0, 0, sizeof(xel_ioctl_gen_t));
}

xel_status_t xell_diag_dport_disable(xell_t *ioc)
{
    return xell_header_request(ioc, XEL_CMD_DIAG_DPORT_DISABLE, 0, 0, sizeof(xel_ioctl_gen_t));
}

xel_status_t xell_diag_regread(xell_t *ioc, uint32_t off, int nwords, uint32_t *buf, uint32_t force)
{
    xel_ioctl_regread_t record{};
    record.off = off;
    record.nwords = static_cast<uint32_t>(nwords);
    record.inst_no = ioc->instance;
    record.force = force;
    record.buf_ptr = reinterpret_cast<uintptr_t>(buf);
    return xell_request(ioc, XEL_CMD_DIAG_REGREAD, &record, 0, 0, sizeof record);
}

xel_status_t xell_diag_regwrite(xell_t *ioc, uint32_t off, uint32_t word, uint32_t force)
{
    xel_ioctl_regwrite_t record{};
    record.off = off;
    record.word = word;
    record.inst_no = ioc->instance;
    record.force = force;
    return xell_request(ioc, XEL_CMD_DIAG_REGWRITE, &record, 0, 0, sizeof record);
}

double xell_diag_junction_temp(uint16_t device_id, uint16_t raw)
{
    uint32_t r = raw & 0x3FFu;
    uint32_t r2 = r * r;
    switch (device_id) {
    case 0x22:
        return -0.00007 * r2 + 0.7981 * r - 277.3;
    case 0x14:
    case 0x21:
        return -0.000253 * r2 + 0.965671 * r - 315.850429;
    default:
        return 0.2196 * r - 77.209;
    }
}

double xell_diag_board_temp(uint16_t raw)
{
    // Half-degree steps in the top nine bits.
    return static_cast<double>(static_cast<int16_t>(raw) >> 7) / 2.0;
}

xel_status_t xell_diag_tsensor_query(xell_t *ioc, xel_diag_showtemp_t *temp)
{
    // The attributes first: read before the sensor request, they come from
    // what discovery already asked instead of a second request.
    xel_ioc_attr_t attr{};
    xel_status_t attr_status = xell_ioc_get_attr(ioc, &attr);
    if (attr_status != XEL_STATUS_OK)
        return attr_status;
    xel_ioctl_diag_temp_t record{};
    xel_status_t status = xell_request(ioc, XEL_CMD_DIAG_TSENSOR_QUERY, &record, 0, 0, sizeof record);
    temp->status = record.result.status;
    temp->ts_junc = record.result.ts_junc != 0;
    temp->ts_brd = record.result.ts_brd != 0;
    if (temp->ts_junc)
        temp->junc_temp = xell_diag_junction_temp(attr.pci_attr.device_id, record.result.temp);
    if (temp->ts_brd)
        temp->brd_temp = xell_diag_board_temp(record.result.brd_temp);
    return status;
}

xel_status_t xell_diag_post(xell_t *, xel_diag_post_result_t *)
{
    return XEL_STATUS_CMD_NOTSUPP;
}

xel_status_t xell_diag_pom_query(xell_t *, xel_pom_attr_t *)
{
    return XEL_STATUS_CMD_NOTSUPP;
}

xel_status_t xell_diag_memtest(xell_t *ioc, uint32_t pat, xel_diag_memtest_result_t *result)
{
    xel_ioctl_diag_memtest_t record{};
    record.pat = pat;
    xel_status_t status = xell_request(ioc, XEL_CMD_DIAG_MEMTEST, &record, 0, 0, sizeof record);
    *result = record.result;
    return status;
}

xel_status_t xell_diag_loopback(xell_t *ioc, uint32_t opmode, uint32_t speed, uint32_t lpcnt, uint32_t pat,
                                xel_diag_loopback_result_t *result)
{
    if (opmode == XEL_PORT_OPMODE_NORMAL || opmode == XEL_PORT_OPMODE_LB_SLW || opmode == XEL_PORT_OPMODE_LB_NLINT)
        return XEL_STATUS_CMD_NOTSUPP;
    if (opmode == XEL_PORT_OPMODE_LB_INT) {
        xel_mode_t mode = XEL_MODE_HBA;
        xel_status_t status = xell_port_mode_get(ioc, true, &mode);
        if (status != XEL_STATUS_OK)
            return status;
        if (mode != XEL_MODE_HBA)
            return XEL_STATUS_LB_INT_HBA_ONLY;
    }
    if (speed > XEL_PORT_SPEED_16GBPS)
        return XEL_STATUS_EINVAL;
    xel_status_t status = xell_trunk_get_ports_state(ioc);
    if (status != XEL_STATUS_OK)
        return status;
    xel_ioctl_diag_loopback_t record{};
    record.opmode = opmode;
    record.speed = speed;
    record.lpcnt = to_big_endian(lpcnt);
    record.pat = to_big_endian(pat);
    status = xell_request(ioc, XEL_CMD_DIAG_LOOPBACK, &record, 0, 0, sizeof record);
    *result = record.result;
    return status;
}

xel_status_t xell_diag_eth_loopback(xell_t *ioc, uint32_t opmode, uint32_t lpcnt, uint32_t pat,
                                    xel_diag_loopback_result_t *result)
{
    if (opmode != XEL_PORT_OPMODE_LB_EXT && opmode != XEL_PORT_OPMODE_LB_CBL)
        return XEL_STATUS_CMD_NOTSUPP;
    xel_ioctl_diag_eth_loopback_t record{};
    record.opmode = opmode;
    record.lpcnt = lpcnt;
    record.pat = pat;
    xel_status_t status = xell_request(ioc, XEL_CMD_DIAG_ETH_LOOPBACK, &record, 0, 0, sizeof record);
    *result = record.result;
    return status;
}

xel_status_t xell_diag_fwping(xell_t *ioc, uint32_t cnt, uint32_t pattern, xel_diag_fwping_result_t *result)
{
    xel_ioctl_diag_fwping_t record{};
    record.cnt = cnt;
    record.pattern = pattern;
    xel_status_t status = xell_request(ioc, XEL_CMD_DIAG_FWPING, &record, 0, 0, sizeof record);
    *result = record.result;
    return status;
}

xel_status_t xell_diag_queuetest(xell_t *ioc, uint32_t queue, xel_diag_qtest_result_t *result)
{
    if (ioc->ioc_type == XEL_IOC_TYPE_LL)
        return XEL_STATUS_CMD_NOTSUPP;
    xel_ioctl_diag_qtest_t record{};
    record.queue = queue;
    xel_status_t status = xell_request(ioc, XEL_CMD_DIAG_QUEUETEST, &record, 0, 0, sizeof record);
    *result = record.result;
    return status;
}

xel_status_t xell_diag_get_lb_status(xell_t *ioc)
{
    return xell_header_request(ioc, XEL_CMD_DIAG_GET_LB_STATUS, 0, 0, sizeof(xel_ioctl_gen_t));
}

xel_status_t xell_diag_sfp_query(xell_t *ioc, sfp_mem_t *sfp)
{
    xel_ioctl_sfp_query_t record{};
    xel_status_t status = xell_request(ioc, XEL_CMD_DIAG_SFP_QUERY, &record, 0, 0, sizeof record);
    *sfp = record.sfpmem;
    return status;
}

xel_status_t xell_diag_led_test(xell_t *ioc, const xel_diag_ledtest_t *ledtest)
{
    xel_ioctl_diag_led_t record{};
    record.ledtest = *ledtest;
    return xell_request(ioc, XEL_CMD_DIAG_LED_TEST, &record, 0, 0, sizeof record);
}

namespace {

xel_status_t send_beacon(xell_t *ioc, bool beacon, bool link_e2e_beacon, uint32_t sec)
{
    xel_ioctl_diag_beacon_t record{};
    record.beacon = beacon;
    record.link_e2e_beacon = link_e2e_beacon;
    record.second = sec;
    return xell_request(ioc, XEL_CMD_DIAG_BEACON_LPORT, &record, 0, 0, sizeof record);
}

} // namespace

xel_status_t xell_diag_beacon_lport(xell_t *ioc, bool beacon, uint32_t sec)
{
    xel_port_attr_s attr{};
    xel_status_t status = xell_port_get_attr(ioc, &attr);
    if (status != XEL_STATUS_OK)
        return status;
    if (attr.link_e2e_beacon != 0)
        return XEL_STATUS_LBEACON_ON;
    if (beacon && attr.beacon != 0)
        return XEL_STATUS_BEACON_ON;
    if (!beacon && attr.beacon == 0)
        return XEL_STATUS_BEACON_OFF;
    return send_beacon(ioc, beacon, false, sec);
}

xel_status_t xell_diag_beacon_swport(xell_t *ioc, bool beacon, uint32_t sec)
{
    return send_beacon(ioc, beacon, beacon, sec);
}
