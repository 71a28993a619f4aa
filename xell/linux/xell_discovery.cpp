#include "xell_discovery.h"

#include "xell.h"
#include "xell_config.h"
#include "xell_sys.h"
#include "xell_transport.h"

#include <fcntl.h>
#include <regex.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

// The process-wide map of scanned functions and the IOC list built from it.
std::vector<xell_pci_host_map> pci_map_cna;
int xel_inst_cnt = 0;
std::vector<std::unique_ptr<xell_t>> ioc_list;
int total = 0;
// The shared descriptors discovery opened (/dev/kwo, /dev/xelipfc), held
// here until xell_ioc_handles_close whether or not a handle took them: a
// driver that lists no functions must not leave one open per command.
std::vector<int> opened_descriptors;
std::recursive_mutex ioc_list_mutex;

// The SCSI host of a storage function: its "host<N>" entry. A name with
// no number after "host" names no host.
int xell_find_scsi_host(const std::string &function_dir, int *host)
{
    std::vector<std::string> names;
    if (xell_os().list_dir(function_dir.c_str(), &names) < 0)
        return -1;
    for (const std::string &name : names) {
        if (name.find("host") == std::string::npos || name.size() <= 4)
            continue;
        const char *digits = name.c_str() + 4;
        char *end = nullptr;
        long value = std::strtol(digits, &end, 10);
        if (end != digits && value >= 0) {
            *host = static_cast<int>(value);
            return 1;
        }
    }
    return 0;
}

// A PCI function's directory name with its address as numbers, so that
// functions sort as lspci lists them: domain, bus, device, function.
struct xell_pci_name {
    std::string name;
    unsigned address[4] = {};

    bool operator<(const xell_pci_name &other) const
    {
        for (int i = 0; i < 4; i++)
            if (address[i] != other.address[i])
                return address[i] < other.address[i];
        return name < other.name;
    }
};

// The names of a driver directory that hold a PCI address, in PCI address
// order: the system lists a directory in an order of its own, and the
// numbering of IOCs and adapters must not depend on it.
int xell_pci_names(const std::string &driver_dir, std::vector<xell_pci_name> *functions)
{
    regex_t pci_pattern;
    if (regcomp(&pci_pattern, "[a-f0-9]{4}:[a-f0-9]{2}:[a-f0-9]{2}.[a-f0-9]", REG_EXTENDED) != 0)
        return XEL_STATUS_FAILED;
    std::vector<std::string> names;
    if (xell_os().list_dir(driver_dir.c_str(), &names) < 0) {
        regfree(&pci_pattern);
        return XEL_STATUS_NO_DRIVER;
    }
    for (std::string &name : names) {
        regmatch_t match{};
        if (regexec(&pci_pattern, name.c_str(), 1, &match, 0) != 0)
            continue;
        if (!name.empty() && name.back() == '\n')
            name.pop_back();
        xell_pci_name function;
        unsigned *a = function.address;
        std::sscanf(name.c_str() + match.rm_so, "%4x:%2x:%2x.%1x", &a[0], &a[1], &a[2], &a[3]);
        function.name = std::move(name);
        functions->push_back(std::move(function));
    }
    regfree(&pci_pattern);
    std::sort(functions->begin(), functions->end());
    return XEL_STATUS_OK;
}

// Adds the functions of one driver directory to the map.
int xell_sysfs_scan(xel_ioc_type_t type)
{
    bool storage = type == XEL_IOC_TYPE_FC;
    std::string driver_dir = storage ? "/sys/bus/pci/drivers/xel" : "/sys/bus/pci/drivers/kwo";
    std::vector<xell_pci_name> functions;
    int status = xell_pci_names(driver_dir, &functions);
    if (status != XEL_STATUS_OK)
        return status;
    size_t first = pci_map_cna.size();
    for (const xell_pci_name &function : functions) {
        if (pci_map_cna.size() >= XELL_MAX_PCI_FUNCTIONS)
            break;
        const std::string &name = function.name;
        xell_pci_host_map entry{};
        std::snprintf(entry.pci_name, sizeof entry.pci_name, "%s", name.c_str());
        entry.host_num = -1;
        if (storage) {
            int found = xell_find_scsi_host(driver_dir + "/" + name, &entry.host_num);
            if (found < 0) {
                status = XEL_STATUS_FAILED;
                break;
            }
            if (found == 0)
                continue; // not bound to a SCSI host yet
            entry.instance = static_cast<int>(pci_map_cna.size());
            xel_inst_cnt++;
        } else {
            entry.instance = static_cast<int>(pci_map_cna.size()) - xel_inst_cnt;
        }
        pci_map_cna.push_back(entry);
    }
    if (status != XEL_STATUS_OK) {
        if (storage)
            xel_inst_cnt -= static_cast<int>(pci_map_cna.size() - first);
        pci_map_cna.resize(first);
    }
    return status;
}

std::string xell_storage_node(int host_num)
{
    std::string node = "/dev/bsg/fc_host" + std::to_string(host_num);
    struct stat st {};
    if (xell_os().stat(node.c_str(), &st) < 0)
        node = "/dev/fc_host" + std::to_string(host_num);
    return node;
}

// Closes /dev/xelipfc after a failed scan; no handle keeps the descriptor.
void xell_close_ipfc(int *ipfc_fd)
{
    if (*ipfc_fd < 0)
        return;
    xell_os().close(*ipfc_fd);
    std::erase(opened_descriptors, *ipfc_fd);
    for (const auto &ioc : ioc_list)
        if (ioc->ipfc_fd == *ipfc_fd)
            ioc->ipfc_fd = -1;
    *ipfc_fd = -1;
}

int xell_open_shared(const char *path)
{
    int fd = xell_os().open(path, O_RDWR);
    if (fd >= 0)
        opened_descriptors.push_back(fd);
    return fd;
}

// Asks the driver who a mapped function is and appends its handle.
int xell_add_ioc(const xell_pci_host_map &entry, int slot, xel_ioc_type_t type, int fd, int *ipfc_fd)
{
    xell_t probe{};
    probe.fd = fd;
    probe.ipfc_fd = *ipfc_fd;
    probe.ioc_type = type;
    probe.host = static_cast<uint32_t>(entry.host_num);
    std::string node = type == XEL_IOC_TYPE_FC ? xell_storage_node(entry.host_num) : "/dev/kwo";
    std::snprintf(probe.devpath, sizeof probe.devpath, "%s", node.c_str());

    xell_args_t request{};
    request.ioc_info.xeld_num = static_cast<uint16_t>(entry.instance);
    xel_status_t status = xell_ioctl(&probe, XEL_CMD_IOC_GET_INFO, &request, 0, 0, 0);
    if (status == XEL_STATUS_OK)
        status = static_cast<xel_status_t>(request.ioc_info.status);
    if (status != XEL_STATUS_OK) {
        xell_set_last_error(status);
        xell_close_ipfc(ipfc_fd);
        return -1;
    }
    const xel_ioctl_ioc_info_t &info = request.ioc_info;
    auto ioc = std::make_unique<xell_t>();
    ioc->fd = fd;
    ioc->ipfc_fd = *ipfc_fd;
    ioc->instance = info.xeld_num;
    ioc->host = info.host;
    ioc->id = slot;
    bool storage_ioc = xel_ioc_type_is_storage(info.ioc_type);
    std::snprintf(ioc->devpath, sizeof ioc->devpath, "%s", storage_ioc ? node.c_str() : "/dev/kwo");
    xell_fill_ioc_info(ioc.get(), &info);
    if (!ioc_list.empty())
        ioc_list.back()->next = ioc.get();
    ioc_list.push_back(std::move(ioc));
    return 0;
}

// Scans one kind of function; the number found, or -1 with the last
// error set.
int xell_ioc_scan_kind(xel_ioc_type_t type)
{
    int status = xell_sysfs_scan(type);
    if (status != XEL_STATUS_OK) {
        xell_set_last_error(static_cast<xel_status_t>(status));
        return -1;
    }
    int fd = -1;
    int ipfc_fd = -1;
    size_t start = 0;
    if (type == XEL_IOC_TYPE_LL) {
        fd = xell_open_shared("/dev/kwo");
        if (fd < 0) {
            xell_set_last_error(xell_node_open_status(errno));
            return -1;
        }
        start = static_cast<size_t>(xel_inst_cnt);
    } else {
        ipfc_fd = xell_open_shared("/dev/xelipfc");
    }
    for (size_t slot = start; slot < pci_map_cna.size(); slot++)
        if (xell_add_ioc(pci_map_cna[slot], static_cast<int>(slot), type, fd, &ipfc_fd) < 0)
            return -1;
    return static_cast<int>(pci_map_cna.size() - start);
}

} // namespace

std::unique_lock<std::recursive_mutex> xell_ioc_list_hold()
{
    return std::unique_lock<std::recursive_mutex>(ioc_list_mutex);
}

void xell_ioc_free()
{
    auto hold = xell_ioc_list_hold();
    ioc_list.clear();
    total = 0;
}

int xell_ioc_scan()
{
    auto hold = xell_ioc_list_hold();
    xell_ioc_free();
    pci_map_cna.clear();
    xel_inst_cnt = 0;
    int n = xell_ioc_scan_kind(XEL_IOC_TYPE_FC);
    if (n != -1)
        total = n;
    n = xell_ioc_scan_kind(XEL_IOC_TYPE_LL);
    if (n != -1)
        total += n;
    return total;
}

int xell_ioc_get_num()
{
    return total;
}

xell_t *xell_ioc_get_list()
{
    return ioc_list.empty() ? nullptr : ioc_list.front().get();
}

// The IOC's record in the configuration file is made by the adapter scan,
// for all IOCs and adapters at once.
void xell_get_ioc_params(xell_t *ioc, const xel_ioctl_ioc_info_t *info)
{
    if (!xel_ioc_type_is_storage(info->ioc_type))
        std::snprintf(ioc->eth_name, sizeof ioc->eth_name, "%.*s", static_cast<int>(sizeof info->eth_name),
                      info->eth_name);
}

void xell_ioc_handles_close()
{
    auto hold = xell_ioc_list_hold();
    for (int fd : opened_descriptors)
        xell_os().close(fd);
    opened_descriptors.clear();
    for (const auto &ioc : ioc_list)
        ioc->fd = ioc->ipfc_fd = -1;
}
