// The emulated host: each driver request finds its PCI function, meets any
// injected fault, is answered by the driver model and is logged, all
// within one locked access to the state under the root.
#include "sim_host.h"

#include "sim_driver.h"
#include "sim_fabric_jobs.h"
#include "sim_faults.h"
#include "sim_registers.h"
#include "sim_state.h"
#include "sim_vport.h"
#include "sim_fcpim.h"
#include "xel_bsg.h"

#include <linux/ethtool.h>

#include <algorithm>
#include <chrono>
#include <thread>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

struct SimHost::impl {
    explicit impl(const std::string &root) : store(root) {}
    sim_store store;
};

namespace {

// What the request log says about one request.
struct log_entry {
    std::string driver;
    std::string instance = "-";
    uint32_t code = 0;
    std::string pci = "-";

    std::string line(const std::string &outcome) const
    {
        char text[160];
        std::snprintf(text, sizeof text, "%-3s %-3s 0x%08X %-12s %s", driver.c_str(), instance.c_str(), code,
                      outcome.c_str(), pci.c_str());
        return text;
    }
};

int not_delivered(sim_store::session &s, const log_entry &entry, int err)
{
    s.log.push_back(entry.line("errno " + sim_errno_name(err)));
    return err;
}

int answered(sim_store::session &s, const log_entry &entry, std::span<uint8_t> data, int32_t status,
             size_t status_at = 0)
{
    std::memcpy(data.data() + status_at, &status, sizeof status);
    s.log.push_back(entry.line("status " + std::to_string(status)));
    return 0;
}

// xel: the function behind the SCSI host of the node (on /dev/xelipfc,
// which has no host, the instance in the record); kwo: the instance in the
// record, or any function for a record without one. Either driver's
// instance is the function's index among its functions.
const sim_function_ref *find_function(const std::vector<sim_function_ref> &refs, const sim_driver_request &request,
                                      int instance)
{
    if (request.driver == "xel" && request.host >= 0) {
        for (const auto &ref : refs)
            if (ref.function->host == request.host)
                return &ref;
        return nullptr;
    }
    if (instance < 0)
        return refs.empty() ? nullptr : &refs.front();
    return static_cast<size_t>(instance) < refs.size() ? &refs[static_cast<size_t>(instance)] : nullptr;
}

int answer_request(sim_store::session &s, const std::string &root, const sim_driver_request &request)
{
    log_entry entry{request.driver, "-", request.cmd};
    uint32_t cmd = sim_storage_form(request.driver, request.cmd);
    if (cmd == 0)
        return not_delivered(s, entry, ENOTTY);
    const sim_command *command = sim_find_command(cmd);
    bool has_instance = command ? command->has_instance : true;
    int instance = -1;
    size_t instance_at = command ? command->instance_at : offsetof(xel_ioctl_hdr_t, xeld_num);
    if (has_instance && request.data.size() >= instance_at + sizeof(uint16_t)) {
        uint16_t xeld_num;
        std::memcpy(&xeld_num, request.data.data() + instance_at, sizeof xeld_num);
        instance = xeld_num;
        entry.instance = std::to_string(xeld_num);
    }
    std::vector<sim_function_ref> refs = sim_driver_functions(s.state.topology, request.driver);
    const sim_function_ref *ref = find_function(refs, request, instance);
    if (!ref)
        return not_delivered(s, entry, ENODEV);
    entry.pci = ref->function->pci;
    // A record for another instance than the node's function is refused as
    // one for an instance the driver does not have.
    if (request.driver == "xel" && instance >= 0 && instance != ref - refs.data())
        return not_delivered(s, entry, ENODEV);
    size_t record_size = command ? xel_cmd_size(cmd) : sizeof(int32_t);
    if (request.data.size() < record_size)
        return not_delivered(s, entry, EINVAL);
    if (command && request.data.size() < record_size + command->data_after)
        return not_delivered(s, entry, EFAULT);

    sim_call call{s.state, *ref, s.state.functions.at(entry.pci), request.data, root};
    int fault = sim_find_fault(s.state, entry.pci, cmd, &s.changed);
    if (fault >= 0) {
        sim_fault f = s.state.faults[static_cast<size_t>(fault)];
        if (f.kind == sim_fault_kind::flash_half || f.kind == sim_fault_kind::flash_corrupt) {
            call.flash_fault = &f;
            int32_t status = command->answer(call);
            sim_use_fault(s.state, fault);
            s.changed = true;
            return answered(s, entry, request.data, status, command->status_at);
        }
        if (f.kind == sim_fault_kind::result) {
            call.result_fault = f.value;
        } else if (f.kind != sim_fault_kind::never_state) {
            sim_use_fault(s.state, fault);
            s.changed = true;
            if (f.kind == sim_fault_kind::transport_errno)
                return not_delivered(s, entry, f.value);
            return answered(s, entry, request.data, f.value, command ? command->status_at : 0);
        } else {
            call.stuck = true;
        }
    }
    int32_t status = command ? command->answer(call) : XEL_STATUS_CMD_NOTSUPP;
    if ((call.stuck || call.result_fault) && status == XEL_STATUS_OK) {
        sim_use_fault(s.state, fault);
        s.changed = true;
    }
    s.changed = s.changed || call.changed;
    return answered(s, entry, request.data, status, command ? command->status_at : 0);
}

unsigned flash_write_time(const sim_topology &topology, const sim_driver_request &request)
{
    if (topology.flash_latency_ms == 0 || sim_storage_form(request.driver, request.cmd) != XEL_CMD_FLASH_UPDATE_PART ||
        request.data.size() < sizeof(xel_ioctl_flash_t))
        return 0;
    size_t chunks = (request.data.size() - sizeof(xel_ioctl_flash_t) + 65535) / 65536;
    return static_cast<unsigned>(std::max<size_t>(chunks, 1) * topology.flash_latency_ms);
}

// The flash request an ethtool command stands for, as the flash faults name it.
uint32_t ethtool_flash_cmd(uint32_t ethtool_cmd)
{
    if (ethtool_cmd == ETHTOOL_GEEPROM)
        return XEL_CMD_FLASH_READ_PART;
    if (ethtool_cmd == ETHTOOL_SEEPROM || ethtool_cmd == ETHTOOL_FLASHDEV)
        return XEL_CMD_FLASH_UPDATE_PART;
    return 0;
}

// The network driver's answer, with the flash fault it meets used up.
int ethtool_answer(sim_store::session &s, const std::string &root, const sim_function_ref &ref,
                   const sim_ethtool_request &request)
{
    uint32_t cmd = ethtool_flash_cmd(request.cmd);
    int index = cmd != 0 ? sim_find_fault(s.state, ref.function->pci, cmd, &s.changed) : -1;
    if (index < 0)
        return sim_kwo_ethtool(root, ref, request);
    sim_fault fault = s.state.faults[static_cast<size_t>(index)];
    if (fault.kind != sim_fault_kind::flash_half && fault.kind != sim_fault_kind::flash_corrupt)
        return sim_kwo_ethtool(root, ref, request);
    int result = sim_kwo_ethtool(root, ref, request, &fault);
    sim_use_fault(s.state, index);
    s.changed = true;
    return result;
}

const sim_function_ref *find_by_pci(const std::vector<sim_function_ref> &refs, const std::string &pci)
{
    for (const auto &ref : refs)
        if (ref.function->pci == pci)
            return &ref;
    return nullptr;
}

// Trace text in the drivers' one-event-a-line form; the same function in
// the same state always traces the same.
std::string trace_text(const sim_function_ref &ref, const sim_function_state &st, const std::string &file)
{
    return sim_trace_text(ref, st, file);
}

} // namespace

std::string sim_trace_text(const sim_function_ref &ref, const sim_function_state &st, const std::string &file)
{
    const sim_function &fn = *ref.function;
    const sim_adapter &ad = *ref.adapter;
    std::vector<std::pair<const char *, std::string>> events;
    if (file == "drvtrc") {
        char ids[40];
        std::snprintf(ids, sizeof ids, "vendor 0x%04x device 0x%04x", static_cast<unsigned>(XEL_PCI_VENDOR_ID),
                      ad.device_id);
        events = {{"probe", fn.pci + " " + ids},
                  {"ioc_attach", std::string("driver ") + fn.driver() + " " + ad.driver_ver},
                  {"ioc_enable", "port " + std::to_string(fn.port)},
                  {"ioc_state", sim_ioc_state_name(st.ioc_state)}};
        if (fn.storage() && fn.host >= 0)
            events.insert(events.begin() + 2, {"scsi_host", "host" + std::to_string(fn.host)});
        if (!st.models.debug.drv_trace)
            events.push_back({"trace_stop", "driver tracing stopped"});
    } else if (file == "fwtrc") {
        events = {{"fw_boot", "firmware " + ad.fw_ver},
                  {"hb_start", "heartbeat running"},
                  {"port_cfg", "port " + std::to_string(fn.port) + " max speed " + std::to_string(ad.max_speed) + "G"},
                  {"ioc_state", sim_ioc_state_name(st.ioc_state)}};
    } else if (!st.models.debug.fw_saved_clear) {
        events = {{"fw_save", "no firmware fault since boot"}};
    }
    std::string text = fn.driver() + std::string(" ") + file + " " + fn.pci + "\n";
    char line[160];
    for (size_t i = 0; i < events.size(); i++) {
        std::snprintf(line, sizeof line, "%08zu %-12s %s\n", i + 1, events[i].first, events[i].second.c_str());
        text += line;
    }
    return text;
}

SimHost::SimHost(std::string root) : root_(std::move(root)), impl_(std::make_unique<impl>(root_))
{
}

SimHost::~SimHost() = default;

// The time a flash write takes is spent outside the host lock, so that
// writes to several adapters go on side by side as on real hardware.
int SimHost::driver_request(const sim_driver_request &request)
{
    int result = ENODEV;
    unsigned busy_ms = 0;
    int status = impl_->store.transact([&](sim_store::session &s) {
        result = answer_request(s, root_, request);
        busy_ms = flash_write_time(s.state.topology, request);
    });
    if (status)
        return status == ENOENT ? ENODEV : EIO;
    if (busy_ms > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(busy_ms));
    return result;
}

// Host ELS (without login) and CT go to the fabric; the other host
// messages the driver does not take.
int SimHost::xel_bsg_job(int host, sim_bsg_job &job)
{
    constexpr size_t cmd_at = offsetof(xel_fc_bsg_vendor_request_t, vendor_cmd);
    if (job.msgcode == FC_BSG_HST_ELS_NOLOGIN || job.msgcode == FC_BSG_HST_CT)
        return fcpt_job(host, -1, job);
    if (job.msgcode != FC_BSG_HST_VENDOR)
        return EOPNOTSUPP;
    if (job.request.size() < cmd_at + sizeof(uint32_t))
        return EINVAL;
    uint32_t cmd;
    std::memcpy(&cmd, job.request.data() + cmd_at, sizeof cmd);
    std::vector<uint8_t> record(job.request_payload.begin(), job.request_payload.end());
    int err = driver_request({"xel", host, cmd, record});
    if (err != 0)
        return err;
    size_t answered = std::min(record.size(), job.reply_payload.size());
    if (answered > 0)
        std::memcpy(job.reply_payload.data(), record.data(), answered);
    job.reply_payload_rcv_len = static_cast<uint32_t>(answered);
    return 0;
}

int SimHost::xel_rport_bsg_job(int host, int channel, int rport, sim_bsg_job &job)
{
    if (channel != 0)
        return ENODEV;
    return fcpt_job(host, rport, job);
}

int SimHost::fcpt_job(int host, int rport, sim_bsg_job &job)
{
    int result = ENODEV;
    int status = impl_->store.transact([&](sim_store::session &s) { result = sim_fcpt_job(s, host, rport, job); });
    return status ? (status == ENOENT ? ENODEV : EIO) : result;
}

int SimHost::scsi_generic_request(int sg, sg_io_hdr_t *header)
{
    int result = ENODEV;
    int status =
        impl_->store.transact([&](sim_store::session &s) { result = sim_scsi_generic_job(s, root_, sg, header); });
    return status ? (status == ENOENT ? ENODEV : EIO) : result;
}

int SimHost::ethtool_request(const sim_ethtool_request &request)
{
    int result = ENODEV;
    int status = impl_->store.transact([&](sim_store::session &s) {
        if (!s.state.topology.kwo_loaded)
            return;
        for (const auto &ref : sim_driver_functions(s.state.topology, "kwo"))
            if (ref.function->eth_name == request.ifname)
                result = ethtool_answer(s, root_, ref, request);
    });
    return status ? (status == ENOENT ? ENODEV : EIO) : result;
}

bool SimHost::debugfs_trace(const std::string &driver, const std::string &pci, const std::string &file,
                            std::string *contents)
{
    if (file != "drvtrc" && file != "fwtrc" && file != "fwsave")
        return false;
    bool found = false;
    impl_->store.transact([&](sim_store::session &s) {
        auto refs = sim_driver_functions(s.state.topology, driver);
        if (const sim_function_ref *ref = find_by_pci(refs, pci)) {
            *contents = trace_text(*ref, s.state.functions.at(pci), file);
            found = true;
        }
    });
    return found;
}

bool SimHost::register_read(const std::string &driver, const std::string &pci, uint32_t off, uint32_t nwords,
                            std::string *words)
{
    if (!sim_register_range_ok(off, nwords))
        return false;
    bool found = false;
    impl_->store.transact([&](sim_store::session &s) {
        auto refs = sim_driver_functions(s.state.topology, driver);
        const sim_function_ref *ref = find_by_pci(refs, pci);
        if (!ref)
            return;
        words->clear();
        for (uint32_t i = 0; i < nwords; i++) {
            uint32_t value = sim_register_read(*ref, s.state.functions.at(pci), off + i * 4);
            words->append(reinterpret_cast<const char *>(&value), sizeof value);
        }
        found = true;
    });
    return found;
}

bool SimHost::register_write(const std::string &driver, const std::string &pci, uint32_t off, uint32_t word)
{
    if (!sim_register_range_ok(off, 1))
        return false;
    bool found = false;
    impl_->store.transact([&](sim_store::session &s) {
        auto refs = sim_driver_functions(s.state.topology, driver);
        if (find_by_pci(refs, pci)) {
            sim_register_write(s.state.functions.at(pci), off, word);
            s.changed = found = true;
        }
    });
    return found;
}

void SimHost::advance_clock(unsigned milliseconds)
{
    impl_->store.transact([&](sim_store::session &s) {
        s.state.clock_ms += milliseconds;
        s.changed = true;
    });
}

int SimHost::scsi_host_scan(int host, const std::string &text)
{
    int err = ENODEV;
    int status = impl_->store.transact(
        [&](sim_store::session &s) { err = sim_scsi_host_scan(s.state, root_, host, text); });
    return status != 0 ? EIO : err;
}

int SimHost::scsi_device_delete(const std::string &name)
{
    int err = ENODEV;
    int status = impl_->store.transact(
        [&](sim_store::session &s) { err = sim_scsi_device_delete(s.state, root_, name); });
    return status != 0 ? EIO : err;
}

int SimHost::fc_host_vport(int host, bool create, const std::string &text)
{
    int err = ENODEV;
    int status = impl_->store.transact([&](sim_store::session &s) {
        bool changed = false;
        err = sim_vport_sysfs(s.state, root_, host, create, text, &changed);
        s.changed = changed;
    });
    return status != 0 ? EIO : err;
}
