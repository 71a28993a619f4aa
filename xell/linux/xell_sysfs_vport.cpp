#include "xell_transport_impl.h"

#include "xell_sys.h"

#include <fcntl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace {

std::string xell_fc_host_file(const xell_t *ioc, const char *name)
{
    return "/sys/class/fc_host/host" + std::to_string(ioc->host) + "/" + name;
}

std::string xell_wwn_hex(wwn_t wwn, const char *prefix)
{
    const auto *b = reinterpret_cast<const uint8_t *>(&wwn);
    char text[32];
    std::snprintf(text, sizeof text, "%s%02x%02x%02x%02x%02x%02x%02x%02x", prefix, b[0], b[1], b[2], b[3], b[4],
                  b[5], b[6], b[7]);
    return text;
}

// "<pwwn>:<nwwn>" as the FC transport takes it; a zero node name is the
// base port's.
std::string xell_vport_id(const xell_t *ioc, wwn_t pwwn, wwn_t nwwn)
{
    return xell_wwn_hex(pwwn, "") + ":" + xell_wwn_hex(nwwn != 0 ? nwwn : ioc->nwwn, "");
}

// 0 when written, else the record status: 45 when the file cannot be
// opened, 1 when the write fails.
int32_t xell_sysfs_write(const std::string &path, const std::string &text)
{
    xell_sys &os = xell_os();
    int fd = os.open(path.c_str(), O_WRONLY);
    if (fd < 0)
        return XEL_STATUS_EFOPEN;
    bool ok = os.write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size());
    os.close(fd);
    return ok ? XEL_STATUS_OK : XEL_STATUS_FAILED;
}

// Reads a decimal attribute; the record status on failure.
int32_t xell_sysfs_read_number(const std::string &path, long *value)
{
    xell_sys &os = xell_os();
    int fd = os.open(path.c_str(), O_RDONLY);
    if (fd < 0)
        return XEL_STATUS_EFOPEN;
    char text[32] = {};
    ssize_t n = os.read(fd, text, sizeof text - 1);
    os.close(fd);
    char *end = nullptr;
    if (n <= 0)
        return XEL_STATUS_FAILED;
    *value = std::strtol(text, &end, 10);
    return end == text ? XEL_STATUS_FAILED : XEL_STATUS_OK;
}

// The vport entries of a SCSI host that exist now, by index.
std::vector<std::pair<long, std::string>> xell_host_vports(const xell_t *ioc)
{
    std::vector<std::string> names;
    std::vector<std::pair<long, std::string>> vports;
    if (xell_os().list_dir("/sys/class/fc_vports", &names) < 0)
        return vports;
    std::string prefix = "vport-" + std::to_string(ioc->host) + ":0-";
    for (const std::string &name : names) {
        if (name.compare(0, prefix.size(), prefix) != 0)
            continue;
        char *end = nullptr;
        long index = std::strtol(name.c_str() + prefix.size(), &end, 10);
        if (end != name.c_str() + prefix.size() && *end == '\0')
            vports.emplace_back(index, name);
    }
    std::sort(vports.begin(), vports.end());
    return vports;
}

// Finds the vport just created among those in use and gives it its
// symbolic name. Only entries that exist are read.
int32_t xell_vport_set_symname(const xell_t *ioc, const xel_lport_cfg_t &cfg)
{
    long inuse = 0;
    int32_t status = xell_sysfs_read_number(xell_fc_host_file(ioc, "npiv_vports_inuse"), &inuse);
    if (status != XEL_STATUS_OK)
        return status;
    // The kernel prints the name as a number, without leading zeros.
    uint64_t wanted = std::strtoull(xell_wwn_hex(cfg.pwwn, "").c_str(), nullptr, 16);
    long seen = 0;
    for (const auto &vport : xell_host_vports(ioc)) {
        if (seen >= inuse)
            break;
        std::string dir = "/sys/class/fc_vports/" + vport.second;
        std::string port_name;
        if (!xell_os_read_file((dir + "/port_name").c_str(), &port_name))
            continue;
        seen++;
        if (std::strtoull(port_name.c_str(), nullptr, 16) != wanted)
            continue;
        std::string symname(cfg.sym_name, strnlen(cfg.sym_name, sizeof cfg.sym_name));
        return xell_sysfs_write(dir + "/symbolic_name", symname);
    }
    return XEL_STATUS_FAILED;
}

} // namespace

xel_status_t xell_sysfs_vport_delete(const xell_t *ioc, void *args)
{
    auto *record = static_cast<xel_ioctl_vport_t *>(args);
    record->status = xell_sysfs_write(xell_fc_host_file(ioc, "vport_delete"),
                                      xell_vport_id(ioc, record->vpwwn, record->vnwwn));
    return XEL_STATUS_OK;
}

xel_status_t xell_sysfs_vport_create(const xell_t *ioc, void *args)
{
    auto *record = static_cast<xel_ioctl_vport_create_t *>(args);
    long inuse = 0;
    long max = 0;
    record->status = xell_sysfs_read_number(xell_fc_host_file(ioc, "npiv_vports_inuse"), &inuse);
    if (record->status == XEL_STATUS_OK)
        record->status = xell_sysfs_read_number(xell_fc_host_file(ioc, "max_npiv_vports"), &max);
    if (record->status != XEL_STATUS_OK)
        return XEL_STATUS_OK;
    if (inuse == max) {
        record->status = XEL_STATUS_VPORT_MAX;
        return XEL_STATUS_OK;
    }
    const xel_lport_cfg_t &cfg = record->port_cfg;
    record->status = xell_sysfs_write(xell_fc_host_file(ioc, "vport_create"), xell_vport_id(ioc, cfg.pwwn, cfg.nwwn));
    if (record->status == XEL_STATUS_OK && cfg.sym_name[0] != '\0')
        record->status = xell_vport_set_symname(ioc, cfg);
    return XEL_STATUS_OK;
}
