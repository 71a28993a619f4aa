// Frame and CT headers of the requests the library sends through the FC
// pass-through.
#include "xell_fcpt.h"

#include <algorithm>
#include <cstring>

void xell_put_fc_id(uint8_t *bytes, uint32_t pid)
{
    bytes[0] = static_cast<uint8_t>(pid >> 16);
    bytes[1] = static_cast<uint8_t>(pid >> 8);
    bytes[2] = static_cast<uint8_t>(pid);
}

uint32_t xell_get_fc_id(const uint8_t *bytes)
{
    return (uint32_t{bytes[0]} << 16) | (uint32_t{bytes[1]} << 8) | bytes[2];
}

uint16_t xell_ct_rsp_code(const ct_hdr_t &ct)
{
    return static_cast<uint16_t>((ct.cmd_rsp_code[0] << 8) | ct.cmd_rsp_code[1]);
}

namespace {

void xell_fchdr_build(fchs_t *fchs, uint8_t r_ctl, uint32_t d_id, uint32_t s_id, uint8_t type)
{
    std::memset(fchs, 0, sizeof *fchs);
    fchs->r_ctl = r_ctl;
    xell_put_fc_id(fchs->d_id, d_id);
    xell_put_fc_id(fchs->s_id, s_id);
    fchs->type = type;
    // First sequence, last sequence, sequence initiative.
    fchs->f_ctl[0] = 0x29;
    fchs->rx_id[0] = 0xFF;
    fchs->rx_id[1] = 0xFF;
}

} // namespace

void xell_gs_req_fchdr_build(fchs_t *fchs, uint32_t pid)
{
    xell_fchdr_build(fchs, FC_RCTL_FC4_UNSOL_CTL, FC_MGMT_SERVER, pid, FC_TYPE_SERVICES);
}

void xell_els_req_fchdr_build(fchs_t *fchs, uint32_t d_id, uint32_t s_id)
{
    xell_fchdr_build(fchs, FC_RCTL_ELS_REQ, d_id, s_id, FC_TYPE_ELS);
}

void xell_gs_req_cthdr_build(ct_hdr_t *cthdr, uint16_t gs_cmd)
{
    std::memset(cthdr, 0, sizeof *cthdr);
    cthdr->rev = 1;
    cthdr->gs_type = CT_GS_TYPE_MGMT;
    cthdr->gs_sub_type = CT_GS_SUBTYPE_CFG_SERVER;
    cthdr->cmd_rsp_code[0] = static_cast<uint8_t>(gs_cmd >> 8);
    cthdr->cmd_rsp_code[1] = static_cast<uint8_t>(gs_cmd);
}

xel_status_t xell_ns_symname_parse(const uint8_t *rsp, uint32_t rspsz, char *name, size_t size)
{
    ct_hdr_t answer{};
    if (rspsz < sizeof answer)
        return XEL_STATUS_FABRIC_RJT;
    std::memcpy(&answer, rsp, sizeof answer);
    if (xell_ct_rsp_code(answer) != CT_RSP_ACCEPT)
        return XEL_STATUS_FABRIC_RJT;
    // The name's length byte, then the name; only what arrived is read.
    if (rspsz <= sizeof answer || size == 0)
        return XEL_STATUS_OK;
    size_t length = rsp[sizeof answer];
    length = std::min({length, static_cast<size_t>(rspsz) - sizeof answer - 1, size - 1});
    std::memcpy(name, rsp + sizeof answer + 1, length);
    name[length] = '\0';
    return XEL_STATUS_OK;
}

xel_status_t xell_rls_parse(const uint8_t *rsp, uint32_t rspsz, xel_rport_remote_link_stats_t *stats)
{
    if (rspsz < 4 + sizeof *stats || rsp[0] != ELS_ACC)
        return XEL_STATUS_FAILED;
    uint32_t counters[6];
    for (size_t i = 0; i < 6; i++) {
        const uint8_t *b = rsp + 4 + 4 * i;
        counters[i] = (uint32_t{b[0]} << 24) | (uint32_t{b[1]} << 16) | (uint32_t{b[2]} << 8) | b[3];
    }
    static_assert(sizeof counters == sizeof *stats);
    std::memcpy(stats, counters, sizeof counters);
    return XEL_STATUS_OK;
}
