#include "sim_fabric_jobs.h"

#include "sim_driver.h"
#include "sim_fabric.h"
#include "sim_fabric_diag.h"
#include "sim_fabric_frames.h"
#include "sim_port.h"
#include "sim_scsi_target.h"
#include "xel_fabric_records.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace {

template <typename T = uint8_t>
T *user_memory(uint64_t address)
{
    return reinterpret_cast<T *>(static_cast<uintptr_t>(address));
}

const sim_function_ref *by_host(const std::vector<sim_function_ref> &refs, int host)
{
    for (const auto &ref : refs)
        if (ref.function->host == host)
            return &ref;
    return nullptr;
}

const sim_function_ref *by_pci(const std::vector<sim_function_ref> &refs, const std::string &pci)
{
    for (const auto &ref : refs)
        if (ref.function->pci == pci)
            return &ref;
    return nullptr;
}

// The message's frame must be of the kind the message carries.
bool frame_fits(uint32_t msgcode, uint8_t type)
{
    bool els = msgcode == FC_BSG_HST_ELS_NOLOGIN || msgcode == FC_BSG_RPT_ELS;
    return type == (els ? FC_TYPE_ELS : FC_TYPE_SERVICES);
}

std::string node_name(int host, int rport)
{
    if (rport < 0)
        return "fc_host" + std::to_string(host);
    return "rport-" + std::to_string(host) + ":0-" + std::to_string(rport);
}

// Whether the function's port has found the remote port (logged in, with
// the number the node has).
bool rport_found(const sim_call &call, int rport)
{
    if (sim_port_address(call, sim_port_of(call)) == 0)
        return false;
    return static_cast<size_t>(rport) < sim_fabric_rports(call.ref.adapter_index, call.fn()).size();
}

} // namespace

int sim_fcpt_job(sim_store::session &s, int host, int rport, sim_bsg_job &job)
{
    auto refs = sim_driver_functions(s.state.topology, "xel");
    const sim_function_ref *ref = by_host(refs, host);
    if (ref == nullptr)
        return ENODEV;
    if (job.request.size() < sizeof(xel_bsg_fcpt_request_t))
        return EINVAL;
    xel_bsg_fcpt_request_t block;
    std::memcpy(&block, job.request.data(), sizeof block);
    if (block.vendor.payload_len != static_cast<int32_t>(sizeof(xel_bsg_fcpt_t)) || block.vendor.payload == 0)
        return EINVAL;
    auto *side_at = user_memory(block.vendor.payload);
    xel_bsg_fcpt_t side;
    std::memcpy(&side, side_at, sizeof side);
    if (!frame_fits(job.msgcode, side.fchs.type))
        return EINVAL;

    std::span<uint8_t> no_data;
    sim_call call{s.state, *ref, s.state.functions.at(ref->function->pci), no_data, ""};
    if (rport >= 0 && !rport_found(call, rport))
        return ENXIO;
    std::string node = node_name(host, rport);
    s.frames.push_back(sim_frame_log_request(node, side.fchs, job.request_payload));
    uint32_t received = 0;
    side.status = sim_fabric_frame(call, side.fchs, job.request_payload, job.reply_payload, &received);
    if (sim_frame_fault(s.state, ref->function->pci, side.fchs, job.reply_payload, &received, &side.status))
        s.changed = true;
    s.frames.push_back(sim_frame_log_reply(node, side.status, job.reply_payload.first(received)));
    std::memcpy(side_at, &side, sizeof side);
    job.reply_payload_rcv_len = received;
    return 0;
}

// The SCSI generic driver checks the request and the midlayer sends the
// CDB to the LUN; a LUN whose nexus is gone answers no connection.
int sim_scsi_generic_job(sim_store::session &s, const std::string &root, int sg, sg_io_hdr_t *h)
{
    if (h->interface_id != 'S')
        return ENOSYS;
    if (h->cmd_len < 6 || h->cmd_len > 16 || h->cmdp == nullptr || (h->dxfer_len > 0 && h->dxferp == nullptr))
        return EINVAL;
    auto devices = sim_fabric_sg_devices(s.state.topology);
    if (sg < 0 || static_cast<size_t>(sg) >= devices.size())
        return ENXIO;
    const sim_sg_device &dev = devices[static_cast<size_t>(sg)];
    auto refs = sim_driver_functions(s.state.topology, "xel");
    const sim_function_ref *ref = by_pci(refs, dev.pci);
    if (ref == nullptr)
        return ENXIO;
    std::span<uint8_t> no_data;
    sim_call call{s.state, *ref, s.state.functions.at(dev.pci), no_data, root};

    h->status = h->masked_status = h->msg_status = 0;
    h->sb_len_wr = 0;
    h->host_status = h->driver_status = 0;
    h->resid = static_cast<int>(h->dxfer_len);
    h->duration = 0;
    h->info = 0;
    if (!rport_found(call, static_cast<int>(dev.target))) {
        h->host_status = 0x01; // DID_NO_CONNECT
        h->info = SG_INFO_CHECK;
        return 0;
    }
    const sim_rport rport = sim_fabric_rports(ref->adapter_index, *ref->function)[dev.target];
    std::span<const uint8_t> cdb(h->cmdp, h->cmd_len);
    sim_scsi_answer answer = sim_scsi_target_answer(rport, dev.lun_index, cdb);
    size_t data_len = 0;
    if (h->dxfer_direction == SG_DXFER_FROM_DEV || h->dxfer_direction == SG_DXFER_TO_FROM_DEV) {
        data_len = std::min<size_t>(h->dxfer_len, answer.data.size());
        if (data_len > 0) // an answer without data has no buffer to copy from
            std::memcpy(h->dxferp, answer.data.data(), data_len);
    }
    h->resid = static_cast<int>(h->dxfer_len - data_len);
    h->status = answer.status;
    h->masked_status = static_cast<uint8_t>(answer.status >> 1);
    if (!answer.sense.empty() && h->sbp != nullptr) {
        h->sb_len_wr = static_cast<uint8_t>(std::min<size_t>(h->mx_sb_len, answer.sense.size()));
        std::memcpy(h->sbp, answer.sense.data(), h->sb_len_wr);
    }
    // The SCSI generic driver says the sense came with the status.
    if (!answer.sense.empty())
        h->driver_status = 0x08; // DRIVER_SENSE
    if (h->status != 0 || h->driver_status != 0)
        h->info = SG_INFO_CHECK;
    char device[64];
    std::snprintf(device, sizeof device, "%d:0:%u:%llu", dev.host, dev.target,
                  static_cast<unsigned long long>(dev.linux_lun));
    s.frames.push_back(
        sim_frame_log_cdb(device, "sg" + std::to_string(dev.sg), cdb, answer, data_len));
    return 0;
}
