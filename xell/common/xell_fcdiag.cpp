// Fabric diagnostics: the requests go out through the FC pass-through and
// their answers are read only as far as the bytes that arrived.
#include "xell_fcdiag.h"

#include "xell.h"
#include "xell_diag.h"
#include "xell_fcpt.h"
#include "xell_lport.h"
#include "xell_port.h"

#include <cstring>

namespace {

constexpr uint32_t fcdiag_gs_tsecs = 20;
constexpr uint32_t fcdiag_els_tsecs = 21;

void put_be16(uint8_t *to, uint16_t value)
{
    to[0] = static_cast<uint8_t>(value >> 8);
    to[1] = static_cast<uint8_t>(value);
}

void put_be32(uint8_t *to, uint32_t value)
{
    to[0] = static_cast<uint8_t>(value >> 24);
    to[1] = static_cast<uint8_t>(value >> 16);
    to[2] = static_cast<uint8_t>(value >> 8);
    to[3] = static_cast<uint8_t>(value);
}

// A port name tag, length and the WWN's wire bytes.
void put_port_name(uint8_t *tag, uint8_t *len, uint8_t *val, wwn_t wwn)
{
    put_be16(tag, FCGS_PORT_TAG_NAME);
    put_be16(len, sizeof wwn);
    std::memcpy(val, &wwn, sizeof wwn);
}

xel_status_t local_pid(xell_t *ioc, uint16_t vf_id, wwn_t lpwwn, uint32_t *pid)
{
    xel_lport_attr_t lport{};
    xel_status_t status = xell_lport_get_attr(ioc, vf_id, lpwwn, &lport);
    if (status != XEL_STATUS_OK)
        return status;
    if (lport.pid == 0)
        return XEL_STATUS_PORT_OFFLINE;
    *pid = xel_pid_value(lport.pid);
    return XEL_STATUS_OK;
}

// A CT request to the fabric configuration server and the check of its
// answer: an accept that carries the token at token_at (payload offset).
xel_status_t fcdiag_gs(xell_t *ioc, uint16_t vf_id, wwn_t lpwwn, wwn_t rpwwn, uint16_t cmd, const void *payload,
                       uint32_t size, size_t token_at, void *rsp, uint32_t *rspsz)
{
    uint32_t pid = 0;
    xel_status_t status = local_pid(ioc, vf_id, lpwwn, &pid);
    if (status != XEL_STATUS_OK)
        return status;
    fchs_t fchs{};
    xell_gs_req_fchdr_build(&fchs, pid);
    uint8_t request[sizeof(ct_hdr_t) + sizeof(fcgs_ftrace_req_t)] = {};
    ct_hdr_t ct{};
    xell_gs_req_cthdr_build(&ct, cmd);
    std::memcpy(request, &ct, sizeof ct);
    std::memcpy(request + sizeof ct, payload, size);
    status = xell_fcpt(ioc, 0, lpwwn, rpwwn, fcdiag_gs_tsecs, false, XEL_FC_CLASS_3, fchs, request,
                       static_cast<uint32_t>(sizeof ct + size), rsp, rspsz);
    if (status != XEL_STATUS_OK)
        return status;
    // No answer, or one too short for its CT header, tells nothing.
    const auto *bytes = static_cast<const uint8_t *>(rsp);
    if (*rspsz < sizeof(ct_hdr_t))
        return XEL_STATUS_FAILED;
    ct_hdr_t answer;
    std::memcpy(&answer, bytes, sizeof answer);
    if (xell_ct_rsp_code(answer) != CT_RSP_ACCEPT)
        return XEL_STATUS_FABRIC_RJT;
    size_t token = sizeof(ct_hdr_t) + token_at;
    if (*rspsz < token + sizeof FCDIAG_TOKEN || std::memcmp(bytes + token, FCDIAG_TOKEN, sizeof FCDIAG_TOKEN) != 0)
        return XEL_STATUS_EPROTOCOL;
    return XEL_STATUS_OK;
}

// A reject's reason bytes must have arrived to be read.
bool ls_rjt_whole(uint32_t rspsz)
{
    return rspsz >= offsetof(fc_ls_rjt_t, reason_code_expl) + 1;
}

} // namespace

xel_status_t xell_fcdiag_fcping(xell_t *ioc, uint16_t vf_id, wwn_t lpwwn, wwn_t rpwwn, void *rsp, uint32_t *rspsz)
{
    if (ioc == nullptr)
        return XEL_STATUS_FAILED;
    fcgs_fcping_req_t ping{};
    put_be32(ping.revision, 1);
    put_port_name(ping.port_tag, ping.port_len, ping.port_val, rpwwn);
    std::memcpy(ping.token, FCDIAG_TOKEN, sizeof ping.token);
    return fcdiag_gs(ioc, vf_id, lpwwn, rpwwn, FCGS_FPING, &ping, sizeof ping, offsetof(fcgs_fcping_resp_t, token),
                     rsp, rspsz);
}

xel_status_t xell_fcdiag_fctraceroute(xell_t *ioc, uint16_t vf_id, wwn_t lpwwn, wwn_t rpwwn, void *rsp,
                                      uint32_t *rspsz)
{
    if (ioc == nullptr)
        return XEL_STATUS_FAILED;
    fcgs_ftrace_req_t trace{};
    put_be32(trace.revision, 1);
    put_port_name(trace.src_port_tag, trace.src_port_len, trace.src_port_val, lpwwn);
    put_port_name(trace.dst_port_tag, trace.dst_port_len, trace.dst_port_val, rpwwn);
    std::memcpy(trace.token, FCDIAG_TOKEN, sizeof trace.token);
    put_be32(trace.max_hop_cnt, FCDIAG_MAX_HOPS);
    return fcdiag_gs(ioc, vf_id, lpwwn, rpwwn, FCGS_FTRACE, &trace, sizeof trace, offsetof(fcgs_ftrace_resp_t, token),
                     rsp, rspsz);
}

xel_status_t xell_fcdiag_fcecho(xell_t *ioc, uint16_t vf_id, wwn_t lpwwn, wwn_t rpwwn, void *rsp, uint32_t *rspsz)
{
    if (ioc == nullptr)
        return XEL_STATUS_FAILED;
    uint32_t length = *rspsz;
    if (length < ELS_ECHO_MIN || length > ELS_ECHO_MAX)
        return XEL_STATUS_EINVAL;
    uint32_t pid = 0;
    xel_status_t status = local_pid(ioc, vf_id, lpwwn, &pid);
    if (status != XEL_STATUS_OK && status != XEL_STATUS_PORT_OFFLINE)
        return status;
    xel_rport_attr_t rport{};
    xel_status_t rstatus = xell_rport_get_attr(ioc, vf_id, lpwwn, rpwwn, &rport);
    if (rstatus != XEL_STATUS_OK)
        return rstatus;
    if (status != XEL_STATUS_OK)
        return status;
    if (rport.pid == 0)
        return XEL_STATUS_RPORT_OFFLINE;

    fchs_t fchs{};
    xell_els_req_fchdr_build(&fchs, xel_pid_value(rport.pid), pid);
    uint8_t echo[ELS_ECHO_MAX];
    std::memset(echo, ELS_ECHO_FILL, sizeof echo);
    echo[0] = ELS_ECHO;
    echo[1] = echo[2] = echo[3] = 0;
    status = xell_fcpt(ioc, 0, lpwwn, rpwwn, fcdiag_els_tsecs, false, XEL_FC_CLASS_3, fchs, echo, length, rsp, rspsz);
    if (status != XEL_STATUS_OK)
        return status;
    const auto *bytes = static_cast<const uint8_t *>(rsp);
    if (*rspsz == 0)
        return XEL_STATUS_FAILED;
    if (bytes[0] == ELS_LS_RJT)
        return ls_rjt_whole(*rspsz) ? XEL_STATUS_FCPT_LS_RJT : XEL_STATUS_EPROTOCOL;
    return XEL_STATUS_OK;
}

xel_status_t xell_fcdiag_beacon_swport(xell_t *ioc, bool beacon, link_e2e_beacon_param_t param, void *rsp,
                                       uint32_t *rspsz)
{
    if (ioc == nullptr)
        return XEL_STATUS_FAILED;
    if (*rspsz < sizeof(link_e2e_beacon_req_t))
        return XEL_STATUS_EINVAL;
    xel_port_attr_s port{};
    xel_status_t status = xell_port_get_attr(ioc, &port);
    if (status != XEL_STATUS_OK)
        return status;
    if (port.pid == 0)
        return XEL_STATUS_PORT_OFFLINE;
    if (beacon && port.link_e2e_beacon != 0)
        return XEL_STATUS_LBEACON_ON;
    if (beacon && port.beacon != 0)
        return XEL_STATUS_BEACON_ON;
    if (!beacon && port.link_e2e_beacon == 0)
        return XEL_STATUS_LBEACON_OFF;

    fchs_t fchs{};
    xell_els_req_fchdr_build(&fchs, FC_FABRIC_CONTROLLER, xel_pid_value(port.pid));
    link_e2e_beacon_req_t request{};
    request.ls_code[0] = ELS_LINK_E2E_BEACON;
    put_be32(request.ls_sub_cmd, beacon ? LINK_E2E_BEACON_ON : LINK_E2E_BEACON_OFF);
    request.beacon_parm = param;
    status = xell_fcpt(ioc, 0, port.pwwn, 0, fcdiag_els_tsecs, false, XEL_FC_CLASS_3, fchs, &request, sizeof request,
                       rsp, rspsz);
    if (status != XEL_STATUS_OK)
        return status;
    const auto *bytes = static_cast<const uint8_t *>(rsp);
    if (*rspsz == 0)
        return XEL_STATUS_FAILED;
    if (bytes[0] == ELS_ACC)
        return xell_diag_beacon_swport(ioc, beacon, 0);
    if (bytes[0] != ELS_LS_RJT || !ls_rjt_whole(*rspsz))
        return XEL_STATUS_EPROTOCOL;
    uint8_t reason = bytes[offsetof(fc_ls_rjt_t, reason_code)];
    uint8_t expl = bytes[offsetof(fc_ls_rjt_t, reason_code_expl)];
    if (reason == LS_RJT_UNABLE && expl == LS_RJT_EXPL_IN_PROGRESS)
        return XEL_STATUS_SINGLE_BEACON_ALLOWED;
    if (reason == LS_RJT_NOT_SUPPORTED || expl == LS_RJT_EXPL_NOT_SUPPORTED)
        return XEL_STATUS_BEACON_NOT_SUPP_BY_SWITCH;
    return XEL_STATUS_FCPT_LS_RJT;
}
