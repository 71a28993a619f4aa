// The fcdiag commands: FC ping and trace route through the fabric
// configuration server, ECHO to a remote port, the link beacon and the
// SCSI test (ixofcdiag_scsitest.cpp).
#include "ixofcdiag.h"

#include "ixo_commands.h"
#include "ixo_errors.h"
#include "ixo_lpwwn.h"
#include "ixo_usage.h"
#include "ixo_values.h"
#include "xel_ioctl.h"
#include "xell_fcdiag.h"
#include "xell_fcpt.h"

#include <strings.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

uint32_t ixo_be32(const uint8_t (&b)[4])
{
    return (uint32_t{b[0]} << 24) | (uint32_t{b[1]} << 16) | (uint32_t{b[2]} << 8) | b[3];
}

} // namespace

void ixo_fcdiag_usage(bool bhelp)
{
    (void)bhelp;
    std::fputs("\nUsage: ixo fcdiag [OPTIONS] [ARGUMENTS] ...\n"
               "Direct fcdiagnostic commands using this option\n"
               "Example: ixo fcdiag --linkbeacon <port_id> {on | off}\n"
               "Available commands are:\n"
               "\t--fcecho <pcifn> <rpwwn> [-l <lpwwn>]\n"
               "\t\tSends an FC Echo Extended Link Services\n"
               "\t\t(ELS) request to a remote port\n\n"
               "\t--fcping <pcifn> <rpwwn> [-l <lpwwn>]\n"
               "\t\tDetermines the basic connectivity between\n"
               "\t\ttwo Fibre Channel network points\n\n"
               "\t--fctraceroute <pcifn> <rpwwn> [-l <lpwwn>]\n"
               "\t\tReports on a SAN path, including node hops and\n"
               "\t\tlatency data\n\n"
               "\t--linkbeacon <port_id> {on | off}\n"
               "\t\tBlinks the link\n\n"
               "\t--scsitest <pcifn> <rpwwn> [-l <lpwwn>]\n"
               "\t\tTests the SCSI components\n\n",
               stdout);
    ixo_usage_port_id_forms();
    ixo_usage_pcifn_id_fn_form();
}

// ---- the handlers -----------------------------------------------------------

int ixo_fcdiag_parse_args(char **argv, int argc, int first, wwn_t *rpwwn, wwn_t *lpwwn, uint16_t *vf_id)
{
    *lpwwn = 0;
    *vf_id = 0;
    if (!ixo_get_port_wwn(argv[4], rpwwn))
        return E_CLI_BAD_WWN;
    return ixo_fill_vfid_lpwwn(argv, argc, first, vf_id, lpwwn);
}

xel_status_t ixo_fcdiag_base_lpwwn(xell_t *ioc, wwn_t *lpwwn)
{
    if (*lpwwn != 0)
        return XEL_STATUS_OK;
    xel_ioctl_ioc_info_t info{};
    xel_status_t status = xell_ioc_get_info(ioc, &info);
    if (status == XEL_STATUS_OK)
        *lpwwn = info.pwwn;
    return status;
}

namespace {

constexpr int ixo_fcdiag_first_option = 5;

void ixo_print_ct_reject(const uint8_t *rsp)
{
    ct_hdr_t ct;
    std::memcpy(&ct, rsp, sizeof ct);
    char reason[XELL_RJT_TEXT_MAX];
    char expl[XELL_RJT_TEXT_MAX];
    xell_fcct_rjt_reason(ct.reason_code, reason);
    xell_fcct_rjt_reason_expl(ct.exp_code, expl);
    std::printf("\n Reason Code 0x%x (%s)\n", ct.reason_code, reason);
    std::printf(" Reason Code Expl 0x%x (%s)\n\n", ct.exp_code, expl);
}

void ixo_print_ls_rjt(const uint8_t *rsp)
{
    char reason[XELL_RJT_TEXT_MAX];
    char expl[XELL_RJT_TEXT_MAX];
    uint8_t code = rsp[offsetof(fc_ls_rjt_t, reason_code)];
    uint8_t code_expl = rsp[offsetof(fc_ls_rjt_t, reason_code_expl)];
    xell_ls_rjt_reason(code, reason);
    xell_ls_rjt_reason_expl(code_expl, expl);
    std::printf("\nLS_RJT reason code: 0x%x (%s)\n", code, reason);
    std::printf("LS_RJT reason code expl: 0x%x (%s)\n\n", code_expl, expl);
}

bool ixo_ct_rejected(const uint8_t *rsp)
{
    ct_hdr_t ct;
    std::memcpy(&ct, rsp, sizeof ct);
    return xell_ct_rsp_code(ct) == CT_RSP_REJECT;
}

int ixo_fcdiag_ping(xell_t *ioc, wwn_t rpwwn, wwn_t lpwwn, uint16_t vf_id)
{
    xel_status_t status = ixo_fcdiag_base_lpwwn(ioc, &lpwwn);
    if (status != XEL_STATUS_OK)
        return status;
    uint8_t rsp[256] = {};
    uint32_t rspsz = sizeof rsp;
    status = xell_fcdiag_fcping(ioc, vf_id, lpwwn, rpwwn, rsp, &rspsz);
    if (status == XEL_STATUS_FABRIC_RJT && ixo_ct_rejected(rsp)) {
        std::fputs("FC Ping Rejected by the Switch:\n", stdout);
        ct_hdr_t ct;
        std::memcpy(&ct, rsp, sizeof ct);
        if (ct.reason_code == LS_RJT_UNABLE && ct.exp_code == CT_RJT_EXPL_ECHO_TIMEOUT)
            std::fputs("\n FC-ECHO from Switch to RPORT Timed Out.\n RPORT might not support ECHO (which is optional "
                       "as per FC-LS standard)\n\n",
                       stdout);
        else
            ixo_print_ct_reject(rsp);
    } else if (status == XEL_STATUS_EPROTOCOL) {
        std::fputs("FC Ping completed with Errors: Token Mismatch Occurred\n", stdout);
    } else if (status == XEL_STATUS_OK) {
        std::fputs("FC Ping completed successfully\n", stdout);
    }
    return status;
}

void ixo_print_path_entry(const fcgs_ftrace_path_info &entry)
{
    wwn_t wwn;
    std::memcpy(&wwn, entry.switch_name, sizeof wwn);
    ixo_print_pwwn(wwn);
    std::fputs("              ", stdout);
    std::printf("%-3d", static_cast<int>(ixo_be32(entry.domain_id)));
    std::fputs("            ", stdout);
    std::printf("%-4d", static_cast<int>(ixo_be32(entry.ingress_phys_port_num)));
    std::fputs("            ", stdout);
    std::printf("%-4d\n", static_cast<int>(ixo_be32(entry.egress_phys_port_num)));
}

int ixo_print_trace_route(const uint8_t *rsp, uint32_t rspsz)
{
    if (rspsz < sizeof(ct_hdr_t) + sizeof(fcgs_ftrace_resp_t))
        return XEL_STATUS_FAILED;
    fcgs_ftrace_resp_t answer;
    std::memcpy(&answer, rsp + sizeof(ct_hdr_t), sizeof answer);
    uint32_t reject = ixo_be32(answer.str_rej_reason_code);
    if (reject != 0) {
        char text[XELL_RJT_TEXT_MAX];
        xell_ftrc_strc_rjt_reason_expl(static_cast<uint8_t>(reject), text);
        std::fputs("FC Traceroute Failed. Reason: ", stdout);
        std::printf("%s\n", text);
        return XEL_STATUS_OK;
    }
    uint32_t entries = ixo_be32(answer.num_path_info_entries);
    if (entries == 0) {
        std::fputs("FC Traceroute completed successfully\n", stdout);
        std::fputs("0 Path Info Entries returned by the switch\n", stdout);
        return XEL_STATUS_OK;
    }
    const size_t first = sizeof(ct_hdr_t) + sizeof answer;
    uint32_t arrived = static_cast<uint32_t>((rspsz - first) / sizeof(fcgs_ftrace_path_info));
    std::fputs("FC Traceroute completed successfully. Path Info:\n", stdout);
    ixo_print_header_line(76);
    std::fputs("  Switch WWN                   Switch DomainId  Ingress Port#  Egress Port# \n", stdout);
    ixo_print_header_line(76);
    for (uint32_t i = 0; i < std::min(entries, arrived); i++) {
        fcgs_ftrace_path_info entry;
        std::memcpy(&entry, rsp + first + i * sizeof entry, sizeof entry);
        ixo_print_path_entry(entry);
    }
    ixo_print_header_line(76);
    std::fputs("\n", stdout);
    return XEL_STATUS_OK;
}

int ixo_fcdiag_traceroute(xell_t *ioc, wwn_t rpwwn, wwn_t lpwwn, uint16_t vf_id)
{
    xel_status_t status = ixo_fcdiag_base_lpwwn(ioc, &lpwwn);
    if (status != XEL_STATUS_OK)
        return status;
    uint8_t rsp[1024] = {};
    uint32_t rspsz = sizeof rsp;
    status = xell_fcdiag_fctraceroute(ioc, vf_id, lpwwn, rpwwn, rsp, &rspsz);
    if (status == XEL_STATUS_OK)
        return ixo_print_trace_route(rsp, rspsz);
    if (status == XEL_STATUS_FABRIC_RJT && ixo_ct_rejected(rsp)) {
        std::fputs("FC Traceroute Rejected by the Switch:\n", stdout);
        ixo_print_ct_reject(rsp);
    } else if (status == XEL_STATUS_EPROTOCOL) {
        std::fputs("FC Traceroute completed with Errors: Token Mismatch Occurred\n", stdout);
    }
    return status;
}

int ixo_fcdiag_echo(xell_t *ioc, wwn_t rpwwn, wwn_t lpwwn, uint16_t vf_id)
{
    xel_status_t status = ixo_fcdiag_base_lpwwn(ioc, &lpwwn);
    if (status != XEL_STATUS_OK)
        return status;
    uint8_t rsp[ELS_ECHO_MAX] = {};
    uint32_t rspsz = sizeof rsp;
    status = xell_fcdiag_fcecho(ioc, vf_id, lpwwn, rpwwn, rsp, &rspsz);
    if (status == XEL_STATUS_OK) {
        std::fputs("FC ECHO completed successfully\n", stdout);
    } else if (status == XEL_STATUS_ETIMER) {
        std::fputs("RPORT might not support ECHO (which is optional as per FC-LS standard)\n", stdout);
        return XEL_STATUS_OK;
    } else if (status == XEL_STATUS_FCPT_LS_RJT) {
        ixo_print_ls_rjt(rsp);
        return XEL_STATUS_OK;
    }
    return status;
}

int ixo_fcdiag_beacon_swport(xell_t *ioc, bool on)
{
    xel_ioc_attr_t attr{};
    xel_status_t status = xell_ioc_get_attr(ioc, &attr);
    if (status != XEL_STATUS_OK)
        return status;
    if (attr.adapter_attr.is_mezz != 0) {
        std::fputs("This command is not applicable to Mezz cards\n", stdout);
        return XEL_STATUS_OK;
    }
    link_e2e_beacon_param_t param{};
    if (on) {
        param.beacon_type = 2;
        param.beacon_frequency = 3;
    }
    uint8_t rsp[256] = {};
    uint32_t rspsz = sizeof rsp;
    status = xell_fcdiag_beacon_swport(ioc, on, param, rsp, &rspsz);
    if (status == XEL_STATUS_OK) {
        std::fputs(on ? "Link beacon turned on\n" : "Link beacon turned off\n", stdout);
    } else if (status == XEL_STATUS_FCPT_LS_RJT) {
        std::fputs("\nFailed due to a reject\n", stdout);
        ixo_print_ls_rjt(rsp);
        return XEL_STATUS_OK;
    }
    return status;
}

using ixo_fcdiag_fn = int (*)(xell_t *, wwn_t, wwn_t, uint16_t);

int ixo_fcdiag_wwn_hdlr(char **argv, int argc, ixo_id_t *id, ixo_fcdiag_fn run)
{
    wwn_t rpwwn = 0;
    wwn_t lpwwn = 0;
    uint16_t vf_id = 0;
    int error = ixo_fcdiag_parse_args(argv, argc, ixo_fcdiag_first_option, &rpwwn, &lpwwn, &vf_id);
    if (error != E_CLI_NO_ERROR)
        return error;
    if (id->xell == nullptr)
        return XEL_STATUS_FAILED;
    return run(id->xell, rpwwn, lpwwn, vf_id);
}

} // namespace

int ixo_fcdiag_echo_hdlr(char **argv, int argc, ixo_id_t *id)
{
    return ixo_fcdiag_wwn_hdlr(argv, argc, id, ixo_fcdiag_echo);
}

int ixo_fcdiag_ping_hdlr(char **argv, int argc, ixo_id_t *id)
{
    return ixo_fcdiag_wwn_hdlr(argv, argc, id, ixo_fcdiag_ping);
}

int ixo_fcdiag_trcrt_hdlr(char **argv, int argc, ixo_id_t *id)
{
    return ixo_fcdiag_wwn_hdlr(argv, argc, id, ixo_fcdiag_traceroute);
}

int ixo_fcdiag_scsitest_hdlr(char **argv, int argc, ixo_id_t *id)
{
    return ixo_fcdiag_wwn_hdlr(argv, argc, id, ixo_fcdiag_scsitest);
}

int ixo_fcdiag_bcn_swport_hdlr(char **argv, int argc, ixo_id_t *id)
{
    (void)argc;
    bool on = strcasecmp(argv[4], "on") == 0;
    if (!on && strcasecmp(argv[4], "off") != 0)
        return E_CLI_INCORRECT_CMD;
    if (id->xell == nullptr)
        return XEL_STATUS_FAILED;
    return ixo_fcdiag_beacon_swport(id->xell, on);
}
