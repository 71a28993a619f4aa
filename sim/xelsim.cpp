// xelsim: the control tool of the emulated host. It creates hosts from
// presets or topology files, shows their state and request log, and
// injects faults. The root is the one ixo-sim uses.
#include "sim_caller.h"
#include "sim_driver.h"
#include "sim_events.h"
#include "sim_fabric_diag.h"
#include "sim_faults.h"
#include "sim_netlink.h"
#include "sim_paths.h"
#include "sim_state.h"
#include "sim_topology.h"
#include "xel_aen_records.h"
#include "xel_ioctl.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr int exit_failure = 1;
constexpr int exit_usage = 2;

using args_t = std::vector<std::string>;

const char usage_text[] =
    "Usage: xelsim COMMAND [ARGUMENTS]\n"
    "Controls the emulated host that ixo-sim runs on; its root is IXO_SIM_ROOT,\n"
    "else ~/.ixo-sim.\n"
    "\n"
    "Commands:\n"
    "  create [PRESET | FILE.json]  create the host anew (preset \"default\" when none is given)\n"
    "  presets                      list the built-in topologies\n"
    "  show                         adapters, PCI functions, their state and names\n"
    "  log [--clear]                the driver requests answered so far, or forget them\n"
    "  frames [--clear]             the ELS and CT frames and the CDBs the fabric saw, or forget them\n"
    "  sfp PCI                      the EEPROM of the SFP in the function's port, in hexadecimal\n"
    "  vpd PCI                      the VPD the function's adapter reports, in hexadecimal\n"
    "  fault add --fn PCI --cmd CODE --status N [--times N | --once]\n"
    "                               answer the code with a status\n"
    "  fault add --fn PCI --cmd CODE --errno NAME [--times N | --once]\n"
    "                               fail the request with an errno (EIO, ENXIO, ... or a number)\n"
    "  fault add --fn PCI --cmd CODE --result N [--times N | --once]\n"
    "                               a diagnostic test runs and its result record reports status N\n"
    "  fault add --fn PCI --never-state [--cmd CODE] [--times N | --once]\n"
    "                               enable and disable answer 0 but the IOC (or port) never gets there\n"
    "  fault add --fn PCI --flash-half [--status N] [--times N | --once]\n"
    "                               a flash write keeps the first half of its data and answers N (1)\n"
    "  fault add --fn PCI --flash-corrupt [--times N | --once]\n"
    "                               a flash read answers other bytes than the flash holds\n"
    "  fault add --fn PCI --frame token|timeout|reject:RR:EE|route:N|cut:N [--times N | --once]\n"
    "                               the next pass-through frame's answer: its token changed, none (time-out),\n"
    "                               a reject (hex reason and explanation), a trace route rejection, cut short\n"
    "  fault add ... --after N      let the first N requests the fault meets pass untouched\n"
    "  fault list                   the faults still pending\n"
    "  fault clear                  remove every fault\n"
    "  event add --fn PCI --cat N --type N\n"
    "                               the function's driver queues an event of the category and type\n"
    "                               (its record filled from the function, as the driver would)\n"
    "  caller [root | user | nocaps]\n"
    "                               who runs ixo-sim from now on: root, an ordinary account,\n"
    "                               or root without its capabilities; the caller when none is given\n"
    "  reboot                       reboot the host: adapters run their configured PCI function\n"
    "                               tables, ports their configured settings\n"
    "  help                         this text\n";

int usage_error(const std::string &what)
{
    std::fprintf(stderr, "xelsim: %s\n(see 'xelsim help')\n", what.c_str());
    return exit_usage;
}

int failure(const std::string &what)
{
    std::fprintf(stderr, "xelsim: %s\n", what.c_str());
    return exit_failure;
}

// A failed access to the host, reported; 0 passes through.
int host_status(int status, const std::string &error)
{
    if (status == ENOENT)
        return failure("no emulated host here; create one with 'xelsim create'");
    return status ? failure(error) : 0;
}

// Runs fn on the host state.
int with_host(const std::function<void(sim_store::session &)> &fn)
{
    std::string error;
    sim_store store(sim_root_from_environment());
    return host_status(store.transact(fn, &error), error);
}

int cmd_create(const args_t &args)
{
    if (args.size() > 1)
        return usage_error("create takes one preset or topology file");
    std::string source = args.empty() ? "default" : args[0];
    std::string error;
    if (!sim_create_host(sim_root_from_environment(), source, &error))
        return failure(error);
    size_t functions = 0;
    with_host([&](sim_store::session &s) { functions = s.state.functions.size(); });
    std::vector<std::string> presets = sim_preset_names();
    bool preset = std::find(presets.begin(), presets.end(), source) != presets.end();
    std::printf("Created the emulated host from %s %s: %zu PCI functions\n", preset ? "preset" : "file",
                preset ? source.c_str() : std::filesystem::path(source).filename().c_str(), functions);
    return 0;
}

int cmd_presets(const args_t &args)
{
    if (!args.empty())
        return usage_error("presets takes no arguments");
    for (const auto &name : sim_preset_names()) {
        sim_topology topology;
        sim_preset_topology(name, &topology);
        std::string models;
        for (const auto &ad : topology.adapters)
            models += (models.empty() ? "" : ", ") + ad.model + " on " + ad.hwpath().substr(0, 7);
        std::printf("%-8s %s\n", name.c_str(), models.empty() ? "no adapters" : models.c_str());
    }
    return 0;
}

const char *type_name(uint32_t ioc_type)
{
    return ioc_type == XEL_IOC_TYPE_FC ? "FC" : ioc_type == XEL_IOC_TYPE_FCoE ? "FCoE" : "Eth";
}

std::string or_dash(const std::string &text)
{
    return text.empty() ? "-" : text;
}

void show_function(const sim_host_state &state, const sim_function &fn)
{
    std::string instance = "-";
    auto refs = sim_driver_functions(state.topology, fn.driver());
    for (size_t i = 0; i < refs.size(); i++)
        if (refs[i].function == &fn)
            instance = std::to_string(i);
    std::string where = fn.storage() ? (fn.host >= 0 ? "host" + std::to_string(fn.host) : "-") : fn.eth_name;
    std::string identity = fn.storage() ? sim_wwn_text(fn.pwwn) : sim_mac_text(fn.mac);
    const sim_function_state &st = state.functions.at(fn.pci);
    std::printf("  %-12s  %-3s  %-4s  %-8s  %-4s  %-4u  %-11s  %-23s  %s\n", fn.pci.c_str(), fn.driver(),
                instance.c_str(), where.c_str(), type_name(fn.ioc_type), fn.port, sim_ioc_state_name(st.ioc_state),
                identity.c_str(), or_dash(st.name).c_str());
}

void show_state(const sim_host_state &state)
{
    const sim_topology &topo = state.topology;
    std::printf("Drivers loaded:%s%s%s\n", topo.xel_loaded ? " xel" : "", topo.kwo_loaded ? " kwo" : "",
                topo.xel_loaded || topo.kwo_loaded ? "" : " none");
    if (topo.adapters.empty())
        std::printf("No adapters\n");
    for (size_t a = 0; a < topo.adapters.size(); a++) {
        const sim_adapter &ad = topo.adapters[a];
        std::printf("\nAdapter %s  %s  serial %s  device 0x%02x  %uG  name %s\n", ad.hwpath().c_str(),
                    ad.model.c_str(), ad.serial.c_str(), ad.device_id, ad.max_speed,
                    or_dash(state.adapter_names[a]).c_str());
        std::printf("  %-12s  %-3s  %-4s  %-8s  %-4s  %-4s  %-11s  %-23s  %s\n", "function", "drv", "inst", "host",
                    "type", "port", "state", "wwn/mac", "name");
        for (const auto &fn : ad.functions)
            show_function(state, fn);
    }
    if (!state.faults.empty())
        std::printf("\n%zu fault(s) pending (xelsim fault list)\n", state.faults.size());
}

int cmd_show(const args_t &args)
{
    if (!args.empty())
        return usage_error("show takes no arguments");
    return with_host([](sim_store::session &s) { show_state(s.state); });
}

int cmd_log(const args_t &args)
{
    if (args.size() > 1 || (args.size() == 1 && args[0] != "--clear"))
        return usage_error("log takes only --clear");
    std::string error, text;
    sim_store store(sim_root_from_environment());
    if (!args.empty())
        return host_status(store.clear_log(&error), error);
    int status = host_status(store.read_log(&text, &error), error);
    std::fputs(text.c_str(), stdout);
    return status;
}

int cmd_frames(const args_t &args)
{
    if (args.size() > 1 || (args.size() == 1 && args[0] != "--clear"))
        return usage_error("frames takes only --clear");
    std::string error, text;
    sim_store store(sim_root_from_environment());
    if (!args.empty())
        return host_status(store.clear_frames(&error), error);
    int status = host_status(store.read_frames(&text, &error), error);
    std::fputs(text.c_str(), stdout);
    return status;
}

// ---- faults ----

bool parse_number(const std::string &text, int base, unsigned long max, unsigned long *value)
{
    char *end = nullptr;
    errno = 0;
    *value = std::strtoul(text.c_str(), &end, base);
    return !text.empty() && text[0] != '-' && *end == '\0' && errno == 0 && *value <= max;
}

// A code as the library sends it; the network form (group byte 0x44) is
// taken back to the storage form faults are kept in.
bool parse_code(const std::string &text, uint32_t *cmd)
{
    unsigned long value;
    if (!parse_number(text, 16, 0xffffffff, &value) || value == 0)
        return false;
    *cmd = static_cast<uint32_t>(value);
    if (xel_cmd_group(*cmd) == XEL_KWO_GROUP)
        *cmd = sim_storage_form("kwo", *cmd);
    return true;
}

struct fault_options {
    std::string pci, cmd, status, err, result, frame;
    bool never_state = false;
    bool flash_half = false;    // a flash write keeps half its data (and answers --status, else 1)
    bool flash_corrupt = false; // a flash read answers other bytes
    int times = -1;
    int after = 0;
};

// Reads the options of "fault add"; an empty result means they were fine.
std::string read_fault_options(const args_t &args, fault_options *o)
{
    for (size_t i = 0; i < args.size(); i++) {
        const std::string &opt = args[i];
        bool has_value = i + 1 < args.size();
        unsigned long count;
        if (opt == "--never-state") {
            o->never_state = true;
        } else if (opt == "--flash-half") {
            o->flash_half = true;
        } else if (opt == "--flash-corrupt") {
            o->flash_corrupt = true;
        } else if (opt == "--once") {
            o->times = 1;
        } else if (!has_value) {
            return "unknown option or missing value: " + opt;
        } else if (opt == "--fn") {
            o->pci = args[++i];
        } else if (opt == "--cmd") {
            o->cmd = args[++i];
        } else if (opt == "--status") {
            o->status = args[++i];
        } else if (opt == "--errno") {
            o->err = args[++i];
        } else if (opt == "--result") {
            o->result = args[++i];
        } else if (opt == "--frame") {
            o->frame = args[++i];
        } else if (opt == "--times") {
            if (!parse_number(args[++i], 10, 1000000, &count) || count == 0)
                return "--times wants a count from 1";
            o->times = static_cast<int>(count);
        } else if (opt == "--after") {
            if (!parse_number(args[++i], 10, 1000000, &count))
                return "--after wants a count from 0";
            o->after = static_cast<int>(count);
        } else {
            return "unknown option: " + opt;
        }
    }
    int effects = (!o->status.empty() && !o->flash_half) + !o->err.empty() + !o->result.empty() + o->never_state +
                  o->flash_half + o->flash_corrupt + !o->frame.empty();
    if (o->pci.empty() || effects != 1)
        return "fault add wants --fn and one of --status, --errno, --result, --never-state, --flash-half, "
               "--flash-corrupt, --frame";
    if (!o->frame.empty()) {
        if (!o->cmd.empty())
            return "--frame takes no --cmd";
    } else if (o->flash_half || o->flash_corrupt) {
        if (!o->cmd.empty())
            return "--flash-half and --flash-corrupt take no --cmd";
    } else if (!o->never_state && o->cmd.empty()) {
        return "--status, --errno and --result want --cmd";
    }
    return "";
}

// The fault the options describe; an empty result means it is well formed.
std::string make_fault(const fault_options &o, sim_fault *fault)
{
    fault->pci = o.pci;
    fault->remaining = o.times;
    fault->after = o.after;
    if (!o.cmd.empty() && !parse_code(o.cmd, &fault->cmd))
        return "not a command code: " + o.cmd;
    unsigned long status;
    if (!o.frame.empty()) {
        fault->kind = sim_fault_kind::frame;
        fault->cmd = XEL_CMD_FCPT;
        if (!sim_parse_frame_effect(o.frame, &fault->value))
            return "--frame wants token, timeout, reject:RR:EE, route:N or cut:N";
    } else if (o.flash_half || o.flash_corrupt) {
        fault->kind = o.flash_half ? sim_fault_kind::flash_half : sim_fault_kind::flash_corrupt;
        fault->cmd = o.flash_half ? XEL_CMD_FLASH_UPDATE_PART : XEL_CMD_FLASH_READ_PART;
        fault->value = XEL_STATUS_FAILED;
        if (!o.status.empty() && !parse_number(o.status, 0, 255, &status))
            return "--status wants a status from 0 to 255";
        if (!o.status.empty())
            fault->value = static_cast<int>(status);
    } else if (o.never_state) {
        fault->kind = sim_fault_kind::never_state;
        if (fault->cmd && !sim_never_state_code(fault->cmd))
            return "--never-state applies to the IOC and port enable and disable codes only";
    } else if (!o.status.empty() || !o.result.empty()) {
        bool result = !o.result.empty();
        fault->kind = result ? sim_fault_kind::result : sim_fault_kind::status;
        if (!parse_number(result ? o.result : o.status, 0, 255, &status) || (result && status == 0))
            return result ? "--result wants a status from 1 to 255" : "--status wants a status from 0 to 255";
        fault->value = static_cast<int>(status);
    } else {
        fault->kind = sim_fault_kind::transport_errno;
        if (!sim_parse_errno(o.err, &fault->value))
            return "not an errno: " + o.err;
    }
    return "";
}

int fault_add(const args_t &args)
{
    fault_options options;
    sim_fault fault;
    std::string problem = read_fault_options(args, &options);
    if (problem.empty())
        problem = make_fault(options, &fault);
    if (!problem.empty())
        return usage_error(problem);
    bool known = false;
    int status = with_host([&](sim_store::session &s) {
        if ((known = s.state.functions.count(fault.pci) > 0)) {
            s.state.faults.push_back(fault);
            s.changed = true;
        }
    });
    if (status)
        return status;
    if (!known)
        return failure("no PCI function " + fault.pci + " in the emulated host");
    std::printf("Fault added: %s\n", sim_fault_text(fault).c_str());
    return 0;
}

int cmd_fault(const args_t &args)
{
    std::string verb = args.empty() ? "" : args[0];
    args_t rest(args.begin() + (args.empty() ? 0 : 1), args.end());
    if (verb == "add")
        return fault_add(rest);
    if ((verb != "list" && verb != "clear") || !rest.empty())
        return usage_error("fault wants add, list or clear");
    return with_host([&](sim_store::session &s) {
        if (verb == "clear") {
            std::printf("Cleared %zu fault(s)\n", s.state.faults.size());
            s.state.faults.clear();
            s.changed = true;
            return;
        }
        if (s.state.faults.empty())
            std::printf("No faults\n");
        for (const auto &fault : s.state.faults)
            std::printf("%s\n", sim_fault_text(fault).c_str());
    });
}

int cmd_caller(const args_t &args)
{
    std::string root = sim_root_from_environment();
    if (args.size() > 1)
        return usage_error("caller takes root, user or nocaps");
    sim_caller caller = sim_caller::root;
    if (args.empty()) {
        int status = with_host([&](sim_store::session &) { caller = sim_read_caller(root); });
        if (status == 0)
            std::printf("%s\n", sim_caller_name(caller));
        return status;
    }
    if (!sim_parse_caller(args[0], &caller))
        return usage_error("caller takes root, user or nocaps");
    std::string error;
    int status = host_status(sim_write_caller(root, caller, &error), error);
    if (status == 0)
        std::printf("Caller: %s\n", sim_caller_name(caller));
    return status;
}

// The EEPROM as the SFP query answers it: page A0h (96 bytes), then A2h
// (152 bytes), 16 bytes a line behind the page and offset.
void print_sfp(const uint8_t *eeprom)
{
    const struct {
        const char *page;
        size_t start, size;
    } pages[] = {{"A0h", 0, 96}, {"A2h", 96, 152}};
    for (const auto &page : pages)
        for (size_t off = 0; off < page.size; off += 16) {
            std::printf("%s %03zu:", page.page, off);
            for (size_t i = off; i < std::min(off + 16, page.size); i++)
                std::printf(" %02x", eeprom[page.start + i]);
            std::printf("\n");
        }
}

int cmd_sfp(const args_t &args)
{
    if (args.size() != 1)
        return usage_error("sfp takes a PCI function");
    std::string root = sim_root_from_environment();
    std::vector<uint8_t> record(xel_cmd_size(XEL_CMD_DIAG_SFP_QUERY));
    bool found = false;
    int32_t answer = 0;
    int status = with_host([&](sim_store::session &s) {
        for (const char *driver : {"xel", "kwo"})
            for (const auto &ref : sim_driver_functions(s.state.topology, driver))
                if (!found && ref.function->pci == args[0]) {
                    found = true;
                    sim_call call{s.state, ref, s.state.functions.at(ref.function->pci), record, root};
                    answer = sim_sfp_query(call);
                }
    });
    if (status)
        return status;
    if (!found)
        return failure("no PCI function " + args[0] + " with a driver in the emulated host");
    if (answer == XEL_STATUS_NO_SFP_DEV)
        return failure("no SFP module in the port of " + args[0]);
    print_sfp(record.data() + sizeof(xel_ioctl_hdr_t));
    return 0;
}

// The VPD record of the adapter attributes: its header, then the 512
// data bytes, 16 a line behind their offset.
int cmd_vpd(const args_t &args)
{
    if (args.size() != 1)
        return usage_error("vpd takes a PCI function");
    std::string root = sim_root_from_environment();
    std::vector<uint8_t> record(xel_cmd_size(XEL_CMD_IOC_GET_ATTR));
    xel_ioc_attr_t attr{};
    bool found = false;
    int status = with_host([&](sim_store::session &s) {
        for (const char *driver : {"xel", "kwo"})
            for (const auto &ref : sim_driver_functions(s.state.topology, driver))
                if (!found && ref.function->pci == args[0]) {
                    found = true;
                    sim_call call{s.state, ref, s.state.functions.at(ref.function->pci), record, root};
                    sim_fill_ioc_attr(call, &attr);
                }
    });
    if (status)
        return status;
    if (!found)
        return failure("no PCI function " + args[0] + " with a driver in the emulated host");
    const xel_mfg_vpd_s &vpd = attr.adapter_attr.vpd;
    std::printf("version %u vendor %u len %u\n", vpd.version, vpd.vendor, vpd.len);
    for (size_t off = 0; off < sizeof vpd.data; off += 16) {
        std::printf("%03zu:", off);
        for (size_t i = off; i < off + 16; i++)
            std::printf(" %02x", vpd.data[i]);
        std::printf("\n");
    }
    return 0;
}

int cmd_reboot(const args_t &args)
{
    if (!args.empty())
        return usage_error("reboot takes no arguments");
    std::string error;
    int status = with_host([&](sim_store::session &s) {
        sim_reboot_changes changes = sim_reboot_host(s.state);
        for (const std::string &pci : changes.removed)
            sim_remove_network_function_files(sim_root_from_environment(), pci);
        for (const std::string &pci : changes.added)
            if (!sim_build_function_files(sim_root_from_environment(), s.state.topology, pci, &error))
                break;
        s.changed = true;
    });
    if (status == 0 && !error.empty())
        return failure(error);
    if (status == 0)
        std::printf("Host rebooted\n");
    return status;
}

// The category's record as the driver fills it for the function.
std::vector<uint8_t> event_data(const sim_adapter &ad, const sim_function &fn, uint32_t category)
{
    std::vector<uint8_t> data(40, 0);
    if (category == XEL_AEN_CAT_PORT) {
        xel_aen_port_data_t port{};
        port.pwwn = fn.pwwn;
        port.phy_port_num = static_cast<int32_t>(fn.port);
        port.ioc_type = static_cast<int16_t>(fn.ioc_type);
        port.mac = fn.mac;
        std::memcpy(data.data(), &port, sizeof port);
    } else if (category == XEL_AEN_CAT_ADAPTER) {
        std::memcpy(data.data(), ad.serial.data(), std::min<size_t>(ad.serial.size(), 12));
        uint32_t nports = ad.nports;
        std::memcpy(data.data() + 12, &nports, sizeof nports);
        std::memcpy(data.data() + 16, &fn.pwwn, sizeof fn.pwwn);
    } else if (category == XEL_AEN_CAT_IOC || category == XEL_AEN_CAT_AUDIT) {
        std::memcpy(data.data(), &fn.pwwn, sizeof fn.pwwn);
        if (category == XEL_AEN_CAT_IOC) {
            int16_t type = static_cast<int16_t>(fn.ioc_type);
            std::memcpy(data.data() + 8, &type, sizeof type);
            std::memcpy(data.data() + 10, &fn.mac, sizeof fn.mac);
        }
    } else if (category == XEL_AEN_CAT_ETHPORT) {
        std::memcpy(data.data(), &fn.mac, sizeof fn.mac);
    } else if (category == XEL_AEN_CAT_LPORT || category == XEL_AEN_CAT_RPORT || category == XEL_AEN_CAT_ITNIM) {
        // The function's base logical port, on the base fabric (vf_id 0).
        std::memcpy(data.data() + 8, &fn.pwwn, sizeof fn.pwwn);
        std::memcpy(data.data() + 16, &fn.pwwn, sizeof fn.pwwn);
    }
    return data;
}

int cmd_event(const args_t &args)
{
    std::string pci;
    unsigned long category = 0, type = 0;
    bool have_cat = false, have_type = false;
    if (args.empty() || args[0] != "add")
        return usage_error("event wants add");
    for (size_t i = 1; i < args.size(); i++) {
        if (i + 1 >= args.size())
            return usage_error("unknown option or missing value: " + args[i]);
        const std::string &opt = args[i];
        const std::string &value = args[++i];
        if (opt == "--fn")
            pci = value;
        else if (opt == "--cat")
            have_cat = parse_number(value, 10, XEL_AEN_MAX_CAT, &category) && category > 0;
        else if (opt == "--type")
            have_type = parse_number(value, 10, 0x7fffffff, &type);
        else
            return usage_error("unknown option: " + opt);
    }
    if (pci.empty() || !have_cat || !have_type)
        return usage_error("event add wants --fn, --cat from 1 to 12 and --type");
    bool found = false;
    int host_no = -1;
    xel_aen_entry_t raised{};
    int status = with_host([&](sim_store::session &s) {
        for (const char *driver : {"xel", "kwo"}) {
            auto refs = sim_driver_functions(s.state.topology, driver);
            for (size_t n = 0; n < refs.size(); n++) {
                if (found || refs[n].function->pci != pci)
                    continue;
                found = true;
                std::vector<uint8_t> data = event_data(*refs[n].adapter, *refs[n].function, category);
                raised = sim_aen_raise(&s.state.functions.at(pci).models.aen, static_cast<int>(n),
                                       static_cast<uint32_t>(category), static_cast<int32_t>(type), data.data(),
                                       data.size());
                host_no = refs[n].function->storage() ? refs[n].function->host : -1;
                s.changed = true;
            }
        }
    });
    if (status)
        return status;
    if (!found)
        return failure("no PCI function " + pci + " with a driver in the emulated host");
    // The storage driver also posts it as an FC transport vendor event,
    // once the queue holds it.
    if (host_no >= 0)
        sim_netlink_post_vendor_event(sim_root_from_environment(), static_cast<uint32_t>(host_no), XEL_AEN_NL_VENDOR_ID,
                                      static_cast<uint32_t>(raised.seq_num), &raised, sizeof raised);
    std::printf("Event queued: %s category %lu type %lu\n", pci.c_str(), category, type);
    return 0;
}

int cmd_help(const args_t &)
{
    std::fputs(usage_text, stdout);
    return 0;
}

// Every command word and its handler; main only searches this table.
const struct {
    const char *word;
    int (*run)(const args_t &args);
} commands[] = {
    {"create", cmd_create}, {"presets", cmd_presets}, {"show", cmd_show}, {"log", cmd_log},
    {"fault", cmd_fault},   {"caller", cmd_caller},   {"sfp", cmd_sfp},         {"help", cmd_help},
    {"vpd", cmd_vpd},
    {"event", cmd_event},
    {"--help", cmd_help},   {"reboot", cmd_reboot},   {"frames", cmd_frames},
};

} // namespace

int main(int argc, char **argv)
{
    if (argc < 2) {
        std::fputs(usage_text, stderr);
        return exit_usage;
    }
    args_t args(argv + 2, argv + argc);
    for (const auto &command : commands)
        if (std::strcmp(argv[1], command.word) == 0)
            return command.run(args);
    return usage_error(std::string("unknown command: ") + argv[1]);
}
