#include "sim_fabric_diag.h"

#include "sim_fabric_frames.h"
#include "sim_faults.h"
#include "sim_port.h"
#include "xel_fcdiag_records.h"
#include "xel_ioctl.h"
#include "xel_status.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

uint32_t be32(const uint8_t *b)
{
    return (uint32_t{b[0]} << 24) | (uint32_t{b[1]} << 16) | (uint32_t{b[2]} << 8) | b[3];
}

void put_be32(uint8_t *to, uint32_t value)
{
    to[0] = static_cast<uint8_t>(value >> 24);
    to[1] = static_cast<uint8_t>(value >> 16);
    to[2] = static_cast<uint8_t>(value >> 8);
    to[3] = static_cast<uint8_t>(value);
}

const sim_rport *by_wwn(const std::vector<sim_rport> &rports, const uint8_t *wwn_bytes)
{
    wwn_t wwn;
    std::memcpy(&wwn, wwn_bytes, sizeof wwn);
    for (const auto &r : rports)
        if (r.pwwn == wwn)
            return &r;
    return nullptr;
}

// A port name entry (tag 2, length 8) naming a port the fabric knows.
bool port_name_entry(const uint8_t *tag_len)
{
    return tag_len[0] == 0 && tag_len[1] == FCGS_PORT_TAG_NAME && tag_len[2] == 0 && tag_len[3] == 8;
}

// The switch a remote port sits on: the disks on the function's own
// switch, the tape and the other host behind an inter-switch link.
bool behind_isl(const sim_rport &r)
{
    return r.kind == sim_rport_kind::tape || r.kind == sim_rport_kind::initiator;
}

wwn_t switch_wwn(uint8_t domain)
{
    const uint8_t bytes[8] = {0x10, 0x00, 0x02, 0x00, 0x00, 0x00, 0x00, domain};
    wwn_t wwn;
    std::memcpy(&wwn, bytes, sizeof wwn);
    return wwn;
}

wwn_t switch_port_wwn(uint8_t domain, uint32_t port)
{
    const uint8_t bytes[8] = {0x20, static_cast<uint8_t>(port), 0x00, 0x02, 0x00, 0x00, 0x00, domain};
    wwn_t wwn;
    std::memcpy(&wwn, bytes, sizeof wwn);
    return wwn;
}

void path_entry(std::vector<uint8_t> *bytes, uint8_t domain, uint32_t ingress, uint32_t egress)
{
    fcgs_ftrace_path_info e{};
    wwn_t sw = switch_wwn(domain);
    wwn_t in = switch_port_wwn(domain, ingress);
    wwn_t out = switch_port_wwn(domain, egress);
    std::memcpy(e.switch_name, &sw, sizeof sw);
    put_be32(e.domain_id, domain);
    std::memcpy(e.ingress_port_name, &in, sizeof in);
    put_be32(e.ingress_phys_port_num, ingress);
    std::memcpy(e.egress_port_name, &out, sizeof out);
    put_be32(e.egress_phys_port_num, egress);
    const auto *b = reinterpret_cast<const uint8_t *>(&e);
    bytes->insert(bytes->end(), b, b + sizeof e);
}

constexpr uint32_t isl_port = 47;

std::vector<uint8_t> ping(const sim_call &call, const std::vector<sim_rport> &rports, const ct_hdr_t &ct,
                          std::span<const uint8_t> payload)
{
    (void)call;
    if (payload.size() < sizeof(fcgs_fcping_req_t) || !port_name_entry(payload.data() + 4))
        return sim_ct_response(ct, CT_RSP_REJECT, 0x09, 0x00);
    const sim_rport *r = by_wwn(rports, payload.data() + offsetof(fcgs_fcping_req_t, port_val));
    if (r == nullptr)
        return sim_ct_response(ct, CT_RSP_REJECT, 0x09, 0x02); // port name not registered
    // The switch pings with ECHO, which the other host's initiator ignores.
    if (r->kind == sim_rport_kind::initiator)
        return sim_ct_response(ct, CT_RSP_REJECT, 0x09, CT_RJT_EXPL_ECHO_TIMEOUT);
    auto bytes = sim_ct_response(ct, CT_RSP_ACCEPT, 0, 0);
    const uint8_t *token = payload.data() + offsetof(fcgs_fcping_req_t, token);
    bytes.insert(bytes.end(), token, token + 4);
    return bytes;
}

std::vector<uint8_t> trace_route(const sim_call &call, const std::vector<sim_rport> &rports, const ct_hdr_t &ct,
                                 std::span<const uint8_t> payload)
{
    if (payload.size() < sizeof(fcgs_ftrace_req_t) || !port_name_entry(payload.data() + 4) ||
        !port_name_entry(payload.data() + 16))
        return sim_ct_response(ct, CT_RSP_REJECT, 0x09, 0x00);
    fcgs_ftrace_resp_t answer{};
    put_be32(answer.revision, 1);
    std::memcpy(answer.token, payload.data() + offsetof(fcgs_ftrace_req_t, token), sizeof answer.token);
    wwn_t src;
    std::memcpy(&src, payload.data() + offsetof(fcgs_ftrace_req_t, src_port_val), sizeof src);
    const sim_rport *dst = by_wwn(rports, payload.data() + offsetof(fcgs_ftrace_req_t, dst_port_val));
    uint32_t hops_allowed = be32(payload.data() + offsetof(fcgs_ftrace_req_t, max_hop_cnt));
    uint32_t reject = src != call.fn().pwwn ? 4 : dst == nullptr ? 5 : 0;
    uint32_t hops = dst != nullptr && behind_isl(*dst) ? 2 : 1;
    if (reject == 0 && hops > hops_allowed)
        reject = 3;
    std::vector<uint8_t> entries;
    if (reject == 0) {
        uint8_t domain = sim_fabric_domain(call.ref.adapter_index);
        uint32_t own_port = call.fn().port;
        uint32_t target_port = 0x20 + dst->index;
        if (hops == 1) {
            path_entry(&entries, domain, own_port, target_port);
        } else {
            path_entry(&entries, domain, own_port, isl_port);
            path_entry(&entries, static_cast<uint8_t>(domain + 0x10), isl_port, target_port);
        }
    }
    put_be32(answer.str_rej_reason_code, reject);
    put_be32(answer.num_path_info_entries, static_cast<uint32_t>(entries.size() / sizeof(fcgs_ftrace_path_info)));
    auto bytes = sim_ct_response(ct, CT_RSP_ACCEPT, 0, 0);
    const auto *a = reinterpret_cast<const uint8_t *>(&answer);
    bytes.insert(bytes.end(), a, a + sizeof answer);
    bytes.insert(bytes.end(), entries.begin(), entries.end());
    return bytes;
}

std::vector<uint8_t> ls_rjt(uint8_t reason, uint8_t explanation)
{
    return {ELS_LS_RJT, 0, 0, 0, 0, reason, explanation, 0};
}

// Another port of the same adapter (the same switch) beaconing with its
// switch port.
bool other_port_beaconing(const sim_call &call)
{
    for (const auto &fn : call.adapter().functions) {
        if (fn.port == call.fn().port)
            continue;
        auto it = call.host.ports.find(sim_port_key(call.adapter(), fn.port));
        if (it == call.host.ports.end())
            continue;
        sim_beacon_lapse(it->second); // off once lapsed, whether or not this answer stores it
        if (it->second.link_e2e_beacon)
            return true;
    }
    return false;
}

} // namespace

std::vector<uint8_t> sim_config_server(const sim_call &call, const std::vector<sim_rport> &rports,
                                       const ct_hdr_t &ct, std::span<const uint8_t> payload)
{
    uint16_t cmd = static_cast<uint16_t>((ct.cmd_rsp_code[0] << 8) | ct.cmd_rsp_code[1]);
    if (cmd == FCGS_FPING)
        return ping(call, rports, ct, payload);
    if (cmd == FCGS_FTRACE)
        return trace_route(call, rports, ct, payload);
    return sim_ct_response(ct, CT_RSP_REJECT, 0x0B, 0x00);
}

std::vector<uint8_t> sim_fabric_controller(const sim_call &call, std::span<const uint8_t> request)
{
    if (request.empty() || request[0] != ELS_LINK_E2E_BEACON)
        return {};
    if (request.size() < sizeof(link_e2e_beacon_req_t))
        return ls_rjt(0x09, 45); // invalid payload length
    uint32_t sub = be32(request.data() + offsetof(link_e2e_beacon_req_t, ls_sub_cmd));
    if (sub != LINK_E2E_BEACON_ON && sub != LINK_E2E_BEACON_OFF)
        return ls_rjt(0x09, 0x00);
    // A converged port's forwarder passes no link beacon to its switch.
    if (call.fn().ioc_type == XEL_IOC_TYPE_FCoE)
        return ls_rjt(LS_RJT_NOT_SUPPORTED, LS_RJT_EXPL_NOT_SUPPORTED);
    if (sub == LINK_E2E_BEACON_ON && other_port_beaconing(call))
        return ls_rjt(LS_RJT_UNABLE, LS_RJT_EXPL_IN_PROGRESS);
    return {ELS_ACC, 0, 0, 0};
}

bool sim_parse_frame_effect(const std::string &text, int *value)
{
    unsigned a = 0;
    unsigned b = 0;
    char end = 0;
    if (text == "token")
        *value = sim_frame_token << 16;
    else if (text == "timeout")
        *value = sim_frame_timeout << 16;
    else if (std::sscanf(text.c_str(), "reject:%2x:%2x%c", &a, &b, &end) == 2)
        *value = static_cast<int>((sim_frame_reject << 16) | (a << 8) | b);
    else if (std::sscanf(text.c_str(), "route:%u%c", &a, &end) == 1 && a <= 255)
        *value = static_cast<int>((sim_frame_route << 16) | a);
    else if (std::sscanf(text.c_str(), "cut:%u%c", &a, &end) == 1 && a <= 0xFFFF)
        *value = static_cast<int>((sim_frame_cut << 16) | a);
    else
        return false;
    return true;
}

std::string sim_frame_effect_text(int value)
{
    auto effect = static_cast<uint32_t>(value) >> 16;
    unsigned arg = static_cast<unsigned>(value) & 0xFFFF;
    char text[48];
    switch (effect) {
    case sim_frame_token:
        return "frame token changed";
    case sim_frame_timeout:
        return "frame not answered";
    case sim_frame_reject:
        std::snprintf(text, sizeof text, "frame rejected %02x:%02x", arg >> 8, arg & 0xFF);
        return text;
    case sim_frame_route:
        return "trace route rejected " + std::to_string(arg);
    default:
        return "frame cut to " + std::to_string(arg) + " bytes";
    }
}

bool sim_frame_fault(sim_host_state &state, const std::string &pci, const fchs_t &fchs, std::span<uint8_t> reply,
                     uint32_t *reply_len, int32_t *status)
{
    bool counted = false;
    int index = sim_find_fault(state, pci, XEL_CMD_FCPT, &counted);
    if (index < 0)
        return counted;
    const sim_fault fault = state.faults[static_cast<size_t>(index)];
    if (fault.kind != sim_fault_kind::frame)
        return counted;
    sim_use_fault(state, index);
    auto effect = static_cast<uint32_t>(fault.value) >> 16;
    unsigned arg = static_cast<unsigned>(fault.value) & 0xFFFF;
    bool ct = fchs.type == FC_TYPE_SERVICES;
    if (effect == sim_frame_timeout) {
        *reply_len = 0;
        *status = XEL_STATUS_ETIMER;
    } else if (effect == sim_frame_cut) {
        *reply_len = std::min<uint32_t>(*reply_len, arg);
    } else if (effect == sim_frame_token && ct && *reply_len >= sizeof(ct_hdr_t) + sizeof(fcgs_fcping_resp_t)) {
        // The ping's token follows the CT header; the trace route's its revision.
        bool route = *reply_len >= sizeof(ct_hdr_t) + sizeof(fcgs_ftrace_resp_t);
        size_t at = sizeof(ct_hdr_t) + (route ? offsetof(fcgs_ftrace_resp_t, token) : 0);
        std::memcpy(reply.data() + at, "XRST", 4);
    } else if (effect == sim_frame_route && ct && *reply_len >= sizeof(ct_hdr_t) + sizeof(fcgs_ftrace_resp_t)) {
        uint8_t *answer = reply.data() + sizeof(ct_hdr_t);
        put_be32(answer + offsetof(fcgs_ftrace_resp_t, str_rej_reason_code), arg);
        put_be32(answer + offsetof(fcgs_ftrace_resp_t, num_path_info_entries), 0);
        *reply_len = sizeof(ct_hdr_t) + sizeof(fcgs_ftrace_resp_t);
    } else if (effect == sim_frame_reject && ct && *reply_len >= sizeof(ct_hdr_t)) {
        reply[8] = CT_RSP_REJECT >> 8;
        reply[9] = CT_RSP_REJECT & 0xFF;
        reply[13] = static_cast<uint8_t>(arg >> 8);
        reply[14] = static_cast<uint8_t>(arg);
        *reply_len = sizeof(ct_hdr_t);
    } else if (effect == sim_frame_reject && !ct) {
        auto rjt = ls_rjt(static_cast<uint8_t>(arg >> 8), static_cast<uint8_t>(arg));
        *reply_len = static_cast<uint32_t>(std::min(reply.size(), rjt.size()));
        std::copy_n(rjt.begin(), *reply_len, reply.begin());
    }
    return true;
}
