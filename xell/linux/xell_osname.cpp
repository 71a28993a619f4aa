#include "xell_discovery.h"

#include "xell_sys.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr size_t max_link = 127;

// The node of a "block:sdc" style entry, a link to ".../block/sdc", or the
// first "s" entry of the block or tape directory.
bool xell_osname_from_entry(const std::string &device_dir, const std::string &entry, std::string *node)
{
    size_t colon = entry.find(':');
    if (colon != std::string::npos) {
        *node = "/dev/" + entry.substr(colon + 1);
        return true;
    }
    std::string dir = device_dir + entry + "/";
    struct stat st {};
    if (xell_os().lstat((device_dir + entry).c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
        char target[max_link + 1] = {};
        ssize_t n = xell_os().readlink((device_dir + entry).c_str(), target, sizeof target);
        if (n < 0)
            return false;
        if (static_cast<size_t>(n) > max_link)
            std::printf("The symbolic link length exceeds the maximum\n");
        target[n > static_cast<ssize_t>(max_link) ? max_link : static_cast<size_t>(n)] = '\0';
        const char *last = std::strrchr(target, '/');
        *node = std::string("/dev") + (last != nullptr ? last : target);
        return true;
    }
    std::vector<std::string> names;
    if (xell_os().list_dir(dir.c_str(), &names) < 0)
        return false;
    for (const std::string &name : names) {
        if (name.find('s') != std::string::npos) {
            *node = "/dev/" + name;
            return true;
        }
    }
    return false;
}

} // namespace

xel_status_t xell_get_osname(uint32_t host, uint32_t bus, uint32_t target, uint32_t lun, char **buf,
                             uint32_t *ndev)
{
    char device_dir[128];
    std::snprintf(device_dir, sizeof device_dir, "/sys/class/scsi_device/%u:%u:%u:%u/device/", host, bus, target,
                  lun);
    std::vector<std::string> names;
    if (xell_os().list_dir(device_dir, &names) < 0)
        return XEL_STATUS_FAILED;
    for (const std::string &name : names) {
        if (name.compare(0, 5, "block") != 0 && name.compare(0, 4, "tape") != 0)
            continue;
        std::string node;
        if (!xell_osname_from_entry(device_dir, name, &node))
            return XEL_STATUS_FAILED;
        std::strcpy(*buf, node.c_str());
        *ndev = 1;
        return XEL_STATUS_OK;
    }
    return XEL_STATUS_FAILED;
}
