// Remote ports of a logical port: their attributes, statistics, SCSI
// address and assigned speed, and two queries that go out as frames: the
// symbolic name from the name server and the link error counters.
#include "xell_fcpt.h"
#include "xell_lport.h"
#include "xell_port.h"
#include "xell_request.h"

#include <algorithm>
#include <cstring>

namespace {

// A zero local WWN means the base port.
xel_status_t xell_base_pwwn(xell_t *ioc, wwn_t *pwwn)
{
    if (*pwwn != 0)
        return XEL_STATUS_OK;
    xel_port_attr_s attr{};
    xel_status_t status = xell_port_get_attr(ioc, &attr);
    if (status == XEL_STATUS_OK)
        *pwwn = attr.pwwn;
    return status;
}

xel_status_t xell_rport_attr_request(xell_t *ioc, uint16_t vf_id, wwn_t pwwn, wwn_t rpwwn, uint32_t pid,
                                     xel_rport_attr_t *attr)
{
    if (ioc == nullptr)
        return XEL_STATUS_FAILED;
    xel_status_t status = xell_base_pwwn(ioc, &pwwn);
    if (status != XEL_STATUS_OK)
        return status;
    xel_ioctl_rport_attr_t record{};
    record.vf_id = vf_id;
    record.pwwn = pwwn;
    record.rpwwn = rpwwn;
    record.pid = pid;
    status = xell_request(ioc, XEL_CMD_RPORT_GET_ATTR_BY_QUALIFIER, &record, 0, 0, sizeof record);
    if (status == XEL_STATUS_OK)
        *attr = record.attr;
    return status;
}

xel_status_t xell_rport_pair_request(xell_t *ioc, uint32_t cmd, uint16_t vf_id, wwn_t pwwn, wwn_t rpwwn)
{
    if (ioc == nullptr)
        return XEL_STATUS_FAILED;
    xel_ioctl_rport_t record{};
    record.vf_id = vf_id;
    record.pwwn = pwwn;
    record.rpwwn = rpwwn;
    return xell_request(ioc, cmd, &record, 0, 0, sizeof record);
}

} // namespace

xel_status_t xell_rport_add(xell_t *ioc, uint16_t vf_id, wwn_t pwwn, wwn_t rpwwn)
{
    return xell_rport_pair_request(ioc, XEL_CMD_RPORT_ADD, vf_id, pwwn, rpwwn);
}

xel_status_t xell_rport_remove(xell_t *ioc, uint16_t vf_id, wwn_t pwwn, wwn_t rpwwn)
{
    return xell_rport_pair_request(ioc, XEL_CMD_RPORT_REMOVE, vf_id, pwwn, rpwwn);
}

xel_status_t xell_rport_get_attr(xell_t *ioc, uint16_t vf_id, wwn_t pwwn, wwn_t rpwwn, xel_rport_attr_t *attr)
{
    return xell_rport_attr_request(ioc, vf_id, pwwn, rpwwn, 0, attr);
}

xel_status_t xell_rport_get_attr_by_qualifier(xell_t *ioc, uint16_t vf_id, wwn_t pwwn,
                                              const xel_rport_qualifier_t &qual, xel_rport_attr_t *attr)
{
    return xell_rport_attr_request(ioc, vf_id, pwwn, qual.pwwn, qual.pid, attr);
}

xel_status_t xell_rport_get_stats(xell_t *ioc, uint16_t vf_id, wwn_t pwwn, wwn_t rpwwn, const xell_stats_t **desc,
                                  xel_rport_stats_t *stats)
{
    if (ioc == nullptr)
        return XEL_STATUS_FAILED;
    xel_status_t status = xell_base_pwwn(ioc, &pwwn);
    if (status != XEL_STATUS_OK)
        return status;
    xel_ioctl_rport_stats_t record{};
    record.vf_id = vf_id;
    record.pwwn = pwwn;
    record.rpwwn = rpwwn;
    status = xell_request(ioc, XEL_CMD_RPORT_GET_STATS, &record, 0, 0, sizeof record);
    if (status == XEL_STATUS_OK) {
        *stats = record.stats;
        *desc = &xell_xel_rport_stats;
    }
    return status;
}

xel_status_t xell_rport_reset_stats(xell_t *ioc, uint16_t vf_id, wwn_t pwwn, wwn_t rpwwn)
{
    if (ioc == nullptr)
        return XEL_STATUS_FAILED;
    xel_status_t status = xell_base_pwwn(ioc, &pwwn);
    if (status != XEL_STATUS_OK)
        return status;
    return xell_rport_pair_request(ioc, XEL_CMD_RPORT_RESET_STATS, vf_id, pwwn, rpwwn);
}

xel_status_t xell_rport_get_scsi_address(xell_t *ioc, uint16_t vf_id, wwn_t pwwn, wwn_t rpwwn, uint32_t *host,
                                         uint32_t *bus, uint32_t *target)
{
    if (ioc == nullptr)
        return XEL_STATUS_FAILED;
    xel_ioctl_rport_scsi_addr_t record{};
    record.vf_id = vf_id;
    record.pwwn = pwwn;
    record.rpwwn = rpwwn;
    xel_status_t status = xell_request(ioc, XEL_CMD_RPORT_GET_SCSI_ADDRESS, &record, 0, 0, sizeof record);
    if (status == XEL_STATUS_OK) {
        *host = record.host;
        *bus = record.bus;
        *target = record.target;
    }
    return status;
}

xel_status_t xell_rport_set_speed(xell_t *ioc, uint16_t vf_id, wwn_t pwwn, wwn_t rpwwn, uint32_t speed)
{
    if (ioc == nullptr)
        return XEL_STATUS_FAILED;
    xel_ioctl_rport_speed_t record{};
    record.vf_id = vf_id;
    record.speed = speed;
    record.pwwn = pwwn;
    record.rpwwn = rpwwn;
    return xell_request(ioc, XEL_CMD_RPORT_SET_SPEED, &record, 0, 0, sizeof record);
}

xel_status_t xell_get_rport_symname(xell_t *ioc, uint16_t vf_id, uint32_t rpid, wwn_t lpwwn, wwn_t rpwwn,
                                    char *name, size_t size)
{
    xel_lport_attr_t lport{};
    xel_status_t status = xell_lport_get_attr(ioc, vf_id, lpwwn, &lport);
    if (status != XEL_STATUS_OK)
        return status;
    if (lport.pid == 0)
        return XEL_STATUS_PORT_OFFLINE;
    if (lport.port_type == XEL_PORT_TYPE_P2P)
        return XEL_STATUS_NO_FABRIC;

    fchs_t fchs{};
    xell_gs_req_fchdr_build(&fchs, xel_pid_value(lport.pid));
    xell_put_fc_id(fchs.d_id, FC_DIR_SERVER);

    uint8_t request[sizeof(ct_hdr_t) + 4] = {};
    ct_hdr_t ct{};
    ct.rev = 1;
    ct.gs_type = CT_GS_TYPE_DIR;
    ct.gs_sub_type = CT_GS_SUBTYPE_NAME_SERVER;
    ct.cmd_rsp_code[0] = NS_GSPN_ID >> 8;
    ct.cmd_rsp_code[1] = NS_GSPN_ID & 0xff;
    std::memcpy(request, &ct, sizeof ct);
    xell_put_fc_id(request + sizeof ct + 1, xel_pid_value(rpid));

    uint8_t response[512] = {};
    uint32_t rspsz = sizeof response;
    status = xell_fcpt(ioc, 0, lpwwn, rpwwn, 20, false, XEL_FC_CLASS_3, fchs, request, sizeof request, response,
                       &rspsz);
    if (status != XEL_STATUS_OK || rspsz == 0)
        return status;
    return xell_ns_symname_parse(response, rspsz, name, size);
}

xel_status_t xell_rport_get_remote_link_error_status(xell_t *ioc, wwn_t lpwwn, wwn_t rpwwn, const xell_stats_t **desc,
                                                     xel_rport_remote_link_stats_t *stats)
{
    xel_port_attr_s port{};
    xel_status_t status = xell_port_get_attr(ioc, &port);
    if (status != XEL_STATUS_OK)
        return status;
    if (port.pid == 0)
        return XEL_STATUS_PORT_OFFLINE;
    xel_rport_attr_t rport{};
    status = xell_rport_get_attr(ioc, 0, lpwwn, rpwwn, &rport);
    if (status != XEL_STATUS_OK)
        return status;
    if (rport.pid == 0)
        return XEL_STATUS_RPORT_OFFLINE;

    fchs_t fchs{};
    xell_els_req_fchdr_build(&fchs, xel_pid_value(rport.pid), xel_pid_value(port.pid));
    uint8_t request[36] = {ELS_RLS};
    uint8_t response[28] = {};
    uint32_t rspsz = sizeof response;
    status = xell_fcpt(ioc, 0, lpwwn, rpwwn, 21, false, XEL_FC_CLASS_3, fchs, request, sizeof request, response,
                       &rspsz);
    if (status != XEL_STATUS_OK)
        return status;
    status = xell_rls_parse(response, rspsz, stats);
    if (status == XEL_STATUS_OK)
        *desc = &xell_xel_rport_remote_link_stats;
    return status;
}
