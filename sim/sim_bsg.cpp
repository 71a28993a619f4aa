#include "sim_bsg.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <vector>

namespace {

template <typename T = uint8_t>
T *user_memory(uint64_t address)
{
    return reinterpret_cast<T *>(static_cast<uintptr_t>(address));
}

int fail(int err)
{
    errno = err;
    return -1;
}

// The message codes the FC transport knows: the node that takes each, the
// request block it needs (message code included), and whether it must
// carry frames both ways.
struct message_rule {
    uint32_t msgcode;
    sim_bsg_node node;
    size_t min_request_len;
    bool needs_payloads;
};

constexpr size_t code_len = sizeof(uint32_t);
constexpr message_rule message_rules[] = {
    {FC_BSG_HST_ADD_RPORT, sim_bsg_node::fc_host, code_len + sizeof(xel_fc_bsg_host_add_rport_t), false},
    {FC_BSG_HST_DEL_RPORT, sim_bsg_node::fc_host, code_len + sizeof(xel_fc_bsg_host_del_rport_t), false},
    {FC_BSG_HST_ELS_NOLOGIN, sim_bsg_node::fc_host, code_len + sizeof(xel_fc_bsg_host_els_t), true},
    {FC_BSG_HST_CT, sim_bsg_node::fc_host, code_len + sizeof(xel_fc_bsg_host_ct_t), true},
    {FC_BSG_HST_VENDOR, sim_bsg_node::fc_host, code_len + sizeof(uint64_t), false},
    {FC_BSG_RPT_ELS, sim_bsg_node::rport, code_len + sizeof(xel_fc_bsg_rport_els_t), true},
    {FC_BSG_RPT_CT, sim_bsg_node::rport, code_len + sizeof(xel_fc_bsg_rport_ct_t), true},
};

// The FC transport's check of a job before the driver sees it; 0 or the
// errno the job then completes with.
int transport_check(sim_bsg_node node, const sim_bsg_job &job)
{
    if (job.request.size() < code_len)
        return ENOMSG;
    const message_rule *rule = nullptr;
    for (const auto &r : message_rules)
        if (r.msgcode == job.msgcode && r.node == node)
            rule = &r;
    if (rule == nullptr)
        return EBADR;
    if (job.request.size() < rule->min_request_len)
        return ENOMSG;
    if (rule->needs_payloads && (job.request_payload.empty() || job.reply_payload.empty()))
        return EINVAL;
    if (job.msgcode == FC_BSG_HST_VENDOR) {
        uint64_t vendor_id;
        std::memcpy(&vendor_id, job.request.data() + code_len, sizeof vendor_id);
        if (vendor_id != XEL_PCI_VENDOR_ID)
            return ESRCH;
    }
    return 0;
}

// bsg-lib's end of a request: the result in the header's status fields,
// the reply block in the response buffer, the residual data in. A
// negative result fails the call with that errno, the reply then holding
// the result alone.
int complete(const sim_bsg_job &job, bool both_ways, struct sg_io_v4 *user, struct sg_io_v4 header)
{
    auto result = static_cast<uint32_t>(job.result);
    header.device_status = result & 0xff;
    header.transport_status = (result >> 16) & 0xff;
    header.driver_status = 0;
    header.info = header.device_status || header.transport_status ? XEL_SG_INFO_CHECK : 0;
    header.response_len = 0;
    std::array<uint8_t, XEL_BSG_REPLY_BUFFER_SIZE> reply = job.reply;
    xel_fc_bsg_reply_t front{job.result, job.reply_payload_rcv_len, {}};
    std::memcpy(reply.data(), &front, offsetof(xel_fc_bsg_reply_t, reply_data));
    size_t reply_len = job.result < 0 ? sizeof front.result : reply.size();
    if (header.response != 0) {
        header.response_len = static_cast<uint32_t>(std::min<size_t>(header.max_response_len, reply_len));
        std::memcpy(user_memory(header.response), reply.data(), header.response_len);
    }
    header.dout_resid = 0;
    uint32_t received = std::min(job.reply_payload_rcv_len, header.din_xfer_len);
    header.din_resid = both_ways ? static_cast<int32_t>(header.din_xfer_len - received) : 0;
    if (job.result < 0)
        return fail(-job.result);
    *user = header;
    return 0;
}

} // namespace

int sim_bsg_sg_io(sim_bsg_node node, bool rawio, struct sg_io_v4 *user, const sim_bsg_driver &driver)
{
    struct sg_io_v4 header = *user;
    if (header.guard != 'Q' || header.protocol != XEL_BSG_PROTOCOL_SCSI ||
        header.subprotocol != XEL_BSG_SUB_PROTOCOL_SCSI_TRANSPORT)
        return fail(EINVAL);
    if (!rawio)
        return fail(EPERM);
    if ((header.request_len > 0 && header.request == 0) || (header.dout_xfer_len > 0 && header.dout_xferp == 0) ||
        (header.din_xfer_len > 0 && header.din_xferp == 0))
        return fail(EFAULT);
    if (header.dout_xfer_len > sim_bsg_max_transfer || header.din_xfer_len > sim_bsg_max_transfer)
        return fail(EINVAL);

    std::vector<uint8_t> request(user_memory(header.request), user_memory(header.request) + header.request_len);
    sim_bsg_job job;
    job.request = request;
    if (request.size() >= code_len)
        std::memcpy(&job.msgcode, request.data(), code_len);
    // A lone data-in buffer is mapped as the request's own data.
    bool both_ways = header.dout_xfer_len > 0 && header.din_xfer_len > 0;
    if (header.dout_xfer_len > 0)
        job.request_payload = {user_memory(header.dout_xferp), header.dout_xfer_len};
    else
        job.request_payload = {user_memory(header.din_xferp), header.din_xfer_len};
    if (both_ways)
        job.reply_payload = {user_memory(header.din_xferp), header.din_xfer_len};

    int err = transport_check(node, job);
    if (err == 0)
        err = driver(job);
    if (err != 0) {
        job.result = -err;
        job.reply_payload_rcv_len = 0;
    }
    return complete(job, both_ways, user, header);
}
