#include "sim_fabric_frames.h"

#include "sim_fabric_diag.h"
#include "sim_port.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

uint32_t fc_id(const uint8_t *bytes)
{
    return (uint32_t{bytes[0]} << 16) | (uint32_t{bytes[1]} << 8) | bytes[2];
}

void put_fc_id(uint8_t *bytes, uint32_t id)
{
    bytes[0] = static_cast<uint8_t>(id >> 16);
    bytes[1] = static_cast<uint8_t>(id >> 8);
    bytes[2] = static_cast<uint8_t>(id);
}

void put_be32(uint8_t *to, uint32_t value)
{
    to[0] = static_cast<uint8_t>(value >> 24);
    to[1] = static_cast<uint8_t>(value >> 16);
    to[2] = static_cast<uint8_t>(value >> 8);
    to[3] = static_cast<uint8_t>(value);
}

// What is filled in, cut to the reply buffer.
uint32_t answer(std::span<uint8_t> reply, const std::vector<uint8_t> &bytes)
{
    size_t n = std::min(reply.size(), bytes.size());
    std::copy_n(bytes.begin(), n, reply.begin());
    return static_cast<uint32_t>(n);
}

const sim_rport *by_pid(const std::vector<sim_rport> &rports, uint32_t pid)
{
    for (const auto &r : rports)
        if (r.pid_value == pid)
            return &r;
    return nullptr;
}

// The name server knows every port logged into the fabric.
std::vector<uint8_t> name_server(const std::vector<sim_rport> &rports, const ct_hdr_t &ct,
                                 std::span<const uint8_t> query)
{
    uint16_t cmd = static_cast<uint16_t>((ct.cmd_rsp_code[0] << 8) | ct.cmd_rsp_code[1]);
    if (cmd == NS_GID_PN) {
        if (query.size() < 8)
            return sim_ct_response(ct, CT_RSP_REJECT, 0x09, 0x00);
        wwn_t wwn;
        std::memcpy(&wwn, query.data(), sizeof wwn);
        for (const auto &r : rports)
            if (r.pwwn == wwn) {
                auto bytes = sim_ct_response(ct, CT_RSP_ACCEPT, 0, 0);
                uint8_t id[4] = {0};
                put_fc_id(id + 1, r.pid_value);
                bytes.insert(bytes.end(), id, id + 4);
                return bytes;
            }
        return sim_ct_response(ct, CT_RSP_REJECT, 0x09, 0x02); // port name not registered
    }
    if (cmd != NS_GSPN_ID && cmd != NS_GPN_ID && cmd != NS_GNN_ID)
        return sim_ct_response(ct, CT_RSP_REJECT, 0x0B, 0x00);
    const sim_rport *r = query.size() >= 4 ? by_pid(rports, fc_id(query.data() + 1)) : nullptr;
    if (r == nullptr)
        return sim_ct_response(ct, CT_RSP_REJECT, 0x09, 0x01); // port identifier not registered
    auto bytes = sim_ct_response(ct, CT_RSP_ACCEPT, 0, 0);
    if (cmd == NS_GSPN_ID) {
        bytes.push_back(static_cast<uint8_t>(r->ns_symname.size()));
        bytes.insert(bytes.end(), r->ns_symname.begin(), r->ns_symname.end());
        return bytes;
    }
    wwn_t wwn = cmd == NS_GPN_ID ? r->pwwn : r->nwwn;
    const auto *w = reinterpret_cast<const uint8_t *>(&wwn);
    bytes.insert(bytes.end(), w, w + sizeof wwn);
    return bytes;
}

// A remote port answers link status and echo; anything else it rejects
// as not supported.
std::vector<uint8_t> rport_els(std::span<const uint8_t> request)
{
    uint8_t code = request.empty() ? 0 : request[0];
    if (code == ELS_RLS) {
        std::vector<uint8_t> bytes(28, 0);
        bytes[0] = ELS_ACC;
        const uint32_t counters[6] = {0, 2, 1, 0, 5, 0};
        for (size_t i = 0; i < 6; i++)
            put_be32(bytes.data() + 4 + 4 * i, counters[i]);
        return bytes;
    }
    if (code == ELS_ECHO) {
        std::vector<uint8_t> bytes(request.begin(), request.end());
        bytes[0] = ELS_ACC;
        return bytes;
    }
    return {ELS_LS_RJT, 0, 0, 0, 0, 0x0B, 0x00, 0x00};
}

} // namespace

int32_t sim_fabric_frame(const sim_call &call, const fchs_t &fchs, std::span<const uint8_t> request,
                         std::span<uint8_t> reply, uint32_t *reply_len)
{
    *reply_len = 0;
    uint32_t own = sim_port_address(call, sim_port_of(call));
    if (own == 0)
        return XEL_STATUS_PORT_OFFLINE;
    std::vector<sim_rport> rports = sim_fabric_rports(call.ref.adapter_index, call.fn());
    uint32_t d_id = fc_id(fchs.d_id);
    if (fchs.type == FC_TYPE_SERVICES) {
        if (request.size() < sizeof(ct_hdr_t))
            return XEL_STATUS_EINVAL;
        ct_hdr_t ct;
        std::memcpy(&ct, request.data(), sizeof ct);
        std::vector<uint8_t> bytes;
        if (d_id == FC_DIR_SERVER && ct.gs_type == CT_GS_TYPE_DIR && ct.gs_sub_type == CT_GS_SUBTYPE_NAME_SERVER)
            bytes = name_server(rports, ct, request.subspan(sizeof ct));
        else if (d_id == FC_MGMT_SERVER && ct.gs_type == CT_GS_TYPE_MGMT && ct.gs_sub_type == CT_GS_SUBTYPE_CFG_SERVER)
            bytes = sim_config_server(call, rports, ct, request.subspan(sizeof ct));
        else
            bytes = sim_ct_response(ct, CT_RSP_REJECT, 0x0B, 0x00);
        *reply_len = answer(reply, bytes);
        return XEL_STATUS_OK;
    }
    if (fchs.type != FC_TYPE_ELS)
        return XEL_STATUS_EINVAL;
    if (d_id == FC_FABRIC_CONTROLLER) {
        auto bytes = sim_fabric_controller(call, request);
        if (!bytes.empty()) {
            *reply_len = answer(reply, bytes);
            return XEL_STATUS_OK;
        }
    }
    const sim_rport *target = by_pid(rports, d_id);
    // The other host's initiator ignores ECHO: the exchange times out.
    if (target != nullptr && target->kind == sim_rport_kind::initiator && !request.empty() && request[0] == ELS_ECHO)
        return XEL_STATUS_ETIMER;
    if (target == nullptr) {
        // The other well-known addresses take none of the requests the
        // library sends.
        std::vector<uint8_t> reject = {ELS_LS_RJT, 0, 0, 0, 0, 0x0B, 0x00, 0x00};
        *reply_len = answer(reply, reject);
        return XEL_STATUS_OK;
    }
    *reply_len = answer(reply, rport_els(request));
    return XEL_STATUS_OK;
}

std::string sim_hex(std::span<const uint8_t> bytes)
{
    std::string text;
    char two[3];
    for (uint8_t b : bytes) {
        std::snprintf(two, sizeof two, "%02x", b);
        text += two;
    }
    return text;
}

std::string sim_frame_log_request(const std::string &node, const fchs_t &fchs, std::span<const uint8_t> payload)
{
    const char *kind = fchs.type == FC_TYPE_ELS ? "els" : fchs.type == FC_TYPE_SERVICES ? "ct" : "fc";
    std::span<const uint8_t> header(reinterpret_cast<const uint8_t *>(&fchs), sizeof fchs);
    char ids[32];
    std::snprintf(ids, sizeof ids, "%06x>%06x", fc_id(fchs.s_id), fc_id(fchs.d_id));
    return std::string(kind) + " " + node + " " + ids + " req fchs=" + sim_hex(header) + " payload=" +
           sim_hex(payload);
}

std::string sim_frame_log_reply(const std::string &node, int32_t status, std::span<const uint8_t> payload)
{
    return "rsp " + node + " status=" + std::to_string(status) + " payload=" + sim_hex(payload);
}

std::string sim_frame_log_cdb(const std::string &device, const std::string &sg, std::span<const uint8_t> cdb,
                              const sim_scsi_answer &answer, size_t data_len)
{
    char status[8];
    std::snprintf(status, sizeof status, "0x%02x", answer.status);
    std::string line = "scsi " + device + " " + sg + " cdb=" + sim_hex(cdb) + " status=" + status;
    line += " data=" + sim_hex(std::span<const uint8_t>(answer.data).first(std::min(data_len, answer.data.size())));
    line += " sense=" + sim_hex(answer.sense);
    return line;
}

std::vector<uint8_t> sim_ct_response(const ct_hdr_t &request, uint16_t code, uint8_t reason, uint8_t explanation)
{
    ct_hdr_t ct = request;
    ct.cmd_rsp_code[0] = static_cast<uint8_t>(code >> 8);
    ct.cmd_rsp_code[1] = static_cast<uint8_t>(code);
    ct.max_res_size[0] = ct.max_res_size[1] = 0;
    ct.reason_code = reason;
    ct.exp_code = explanation;
    std::vector<uint8_t> bytes(sizeof ct);
    std::memcpy(bytes.data(), &ct, sizeof ct);
    return bytes;
}
