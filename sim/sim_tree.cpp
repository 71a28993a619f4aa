// Laying a topology out under an emulated root: the sysfs, debugfs and
// /dev files the library reads and the emulated kernel serves, and the
// state the host starts from.
#include "sim_fabric.h"
#include "sim_state.h"
#include "sim_vport.h"
#include "sim_topology.h"
#include "xel_bsg.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

// Builds files and directories under the root, remembering the first failure.
class tree_builder {
public:
    tree_builder(std::string root, std::string *error) : root_(std::move(root)), error_(error) {}

    void dir(const std::string &path)
    {
        std::error_code ec;
        fs::create_directories(root_ + path, ec);
        if (ec)
            fail(path, ec.message());
    }

    void file(const std::string &path, const std::string &text = "")
    {
        std::ofstream out(root_ + path, std::ios::binary | std::ios::trunc);
        if (!(out << text) || !out.flush())
            fail(path, "cannot write");
    }

    bool ok() const { return ok_; }

private:
    void fail(const std::string &path, const std::string &why)
    {
        if (ok_ && error_)
            *error_ = root_ + path + ": " + why;
        ok_ = false;
    }

    std::string root_;
    std::string *error_;
    bool ok_ = true;
};

std::string hex_id(uint32_t value)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%04x\n", value);
    return text;
}

std::string wwn_attr(wwn_t wwn)
{
    std::string text = sim_wwn_text(wwn);
    std::erase(text, ':');
    return "0x" + text + "\n";
}

// A driver's sysfs directory holds its control files beside the functions.
void build_driver_dir(tree_builder &t, const char *driver)
{
    std::string dir = std::string("/sys/bus/pci/drivers/") + driver;
    t.dir(dir + "/module");
    for (const char *name : {"bind", "new_id", "remove_id", "uevent", "unbind"})
        t.file(dir + "/" + name);
}

void build_storage_host(tree_builder &t, const sim_function &fn)
{
    std::string host = "host" + std::to_string(fn.host);
    t.dir("/sys/bus/pci/drivers/xel/" + fn.pci + "/" + host);
    t.file("/dev/bsg/fc_" + host);
    std::string fc_host = "/sys/class/fc_host/" + host;
    t.dir(fc_host);
    t.file(fc_host + "/vport_create");
    t.file(fc_host + "/vport_delete");
    t.file(fc_host + "/npiv_vports_inuse", std::to_string(fn.pbc_vports.size()) + "\n");
    // The pre-boot configuration's virtual ports exist once the driver is up.
    for (uint32_t n = 0; n < fn.pbc_vports.size(); n++) {
        sim_vport v{fn.pbc_vports[n].first, fn.pbc_vports[n].second, n, true, false};
        std::string dir = sim_vport_entry(fn.host, n);
        t.dir(dir);
        for (const auto &[name, text] : sim_vport_entry_files(v))
            t.file(dir + "/" + name, text);
    }
    t.file(fc_host + "/max_npiv_vports", "255\n");
    t.file(fc_host + "/port_name", wwn_attr(fn.pwwn));
    t.file(fc_host + "/node_name", wwn_attr(fn.nwwn));
}

void build_function(tree_builder &t, const sim_adapter &ad, const sim_function &fn)
{
    std::string dir = std::string("/sys/bus/pci/drivers/") + fn.driver() + "/" + fn.pci;
    t.dir(dir);
    t.file(dir + "/vendor", hex_id(static_cast<uint32_t>(XEL_PCI_VENDOR_ID)));
    t.file(dir + "/device", hex_id(ad.device_id));
    if (!fn.storage())
        t.dir(dir + "/net/" + fn.eth_name);
    else if (fn.host >= 0)
        build_storage_host(t, fn);
    if (fn.storage() && fn.host < 0)
        return; // not bound: the driver has made nothing for it yet
    std::string debug = std::string("/sys/kernel/debug/") + fn.driver() + "/pci_dev:" + fn.pci;
    t.dir(debug);
    for (const char *name : {"drvtrc", "fwtrc", "fwsave", "regrd", "regwr"})
        t.file(debug + "/" + name);
}

// The FC transport's remote ports of a function's fabric and their BSG
// nodes, as the kernel lists them once the port has logged in.
void build_remote_ports(tree_builder &t, size_t adapter_index, const sim_function &fn)
{
    t.dir("/sys/class/scsi_host/host" + std::to_string(fn.host));
    t.file("/sys/class/scsi_host/host" + std::to_string(fn.host) + "/proc_name", "xel\n");
    t.file("/sys/class/scsi_host/host" + std::to_string(fn.host) + "/scan");
    for (const auto &r : sim_fabric_rports(adapter_index, fn)) {
        std::string name = "rport-" + std::to_string(fn.host) + ":0-" + std::to_string(r.index);
        std::string dir = "/sys/class/fc_remote_ports/" + name;
        t.dir(dir);
        t.file(dir + "/port_name", wwn_attr(r.pwwn));
        t.file(dir + "/node_name", wwn_attr(r.nwwn));
        char id[16];
        std::snprintf(id, sizeof id, "0x%06x\n", r.pid_value);
        t.file(dir + "/port_id", id);
        t.file(dir + "/roles", r.scsi_target() ? "FCP Target\n" : "FCP Initiator\n");
        t.file(dir + "/port_state", "Online\n");
        t.file(dir + "/scsi_target_id", r.scsi_target() ? std::to_string(r.index) + "\n" : "-1\n");
        t.file("/dev/bsg/" + name);
    }
}

// The disk driver's name of the n-th disk: sda to sdz, then sdaa on.
std::string sim_disk_name(int n)
{
    std::string letters;
    for (int i = n + 1; i > 0; i = (i - 1) / 26)
        letters.insert(letters.begin(), static_cast<char>('a' + (i - 1) % 26));
    return "sd" + letters;
}

// A LUN's SCSI device and its SCSI generic node, in the layout of current
// kernels or, on FCoE functions, of older ones.
void build_scsi_device(tree_builder &t, const sim_sg_device &dev)
{
    std::string name = std::to_string(dev.host) + ":0:" + std::to_string(dev.target) + ":" +
                       std::to_string(dev.linux_lun);
    std::string sg = "sg" + std::to_string(dev.sg);
    std::string device = "/sys/class/scsi_device/" + name + "/device";
    std::string disk = sim_disk_name(dev.sg);
    if (dev.old_layout) {
        t.dir(device + "/scsi_generic:" + sg);
        t.dir(device + "/block:" + disk);
    } else {
        t.dir(device + "/scsi_generic/" + sg);
        t.dir(device + "/block/" + disk);
    }
    t.file(device + "/delete");
    t.file("/dev/" + sg);
}

bool build_tree(const std::string &root, const sim_topology &topology, std::string *error)
{
    tree_builder t(root, error);
    for (const char *path : {"/etc", "/lib/firmware", "/dev/bsg", "/sys/class/fc_host", "/sys/class/scsi_device",
                             "/sys/class/scsi_host", "/sys/class/fc_remote_ports", "/sys/kernel/debug"})
        t.dir(path);
    if (topology.xel_loaded) {
        build_driver_dir(t, "xel");
        t.file("/dev/xelipfc");
    }
    if (topology.kwo_loaded) {
        build_driver_dir(t, "kwo");
        t.file("/dev/kwo");
    }
    for (const auto &ad : topology.adapters)
        for (const auto &fn : ad.functions)
            build_function(t, ad, fn);
    for (size_t a = 0; a < topology.adapters.size(); a++)
        for (const auto &fn : topology.adapters[a].functions)
            if (fn.storage() && fn.host >= 0)
                build_remote_ports(t, a, fn);
    for (const auto &dev : sim_fabric_sg_devices(topology))
        build_scsi_device(t, dev);
    return t.ok();
}

} // namespace

bool sim_add_scsi_device(const std::string &root, const sim_sg_device &dev)
{
    tree_builder t(root, nullptr);
    build_scsi_device(t, dev);
    return t.ok();
}

bool sim_create_host_from(const std::string &root, const sim_topology &topology, std::string *error)
{
    if (!sim_check_topology(topology, error))
        return false;
    sim_store store(root);
    return store.recreate([&](std::string *why) { return build_tree(root, topology, why); },
                          sim_initial_state(topology), error);
}

bool sim_build_function_files(const std::string &root, const sim_topology &topology, const std::string &pci,
                              std::string *error)
{
    tree_builder t(root, error);
    for (const auto &ad : topology.adapters)
        for (const auto &fn : ad.functions)
            if (fn.pci == pci)
                build_function(t, ad, fn);
    return t.ok();
}

void sim_remove_network_function_files(const std::string &root, const std::string &pci)
{
    std::error_code ec;
    fs::remove_all(root + "/sys/bus/pci/drivers/kwo/" + pci, ec);
    fs::remove_all(root + "/sys/kernel/debug/kwo/pci_dev:" + pci, ec);
}

bool sim_create_host(const std::string &root, const std::string &preset_or_json_path, std::string *error)
{
    sim_topology topology;
    if (!sim_preset_topology(preset_or_json_path, &topology)) {
        bool looks_like_file = preset_or_json_path.find('/') != std::string::npos ||
                               preset_or_json_path.ends_with(".json") || fs::exists(preset_or_json_path);
        if (!looks_like_file) {
            std::string names;
            for (const auto &name : sim_preset_names())
                names += (names.empty() ? "" : ", ") + name;
            *error = "no preset \"" + preset_or_json_path + "\" (presets: " + names + ")";
            return false;
        }
        if (!sim_load_topology_file(preset_or_json_path, &topology, error))
            return false;
    }
    return sim_create_host_from(root, topology, error);
}
