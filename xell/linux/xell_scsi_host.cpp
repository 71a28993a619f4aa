// Telling the host's SCSI layer about LUNs the masking table shows or
// hides: the files are written directly, never through a shell.
#include "xell_scsi.h"

#include "xell_sys.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cstdio>
#include <string>

namespace {

void xell_sysfs_notify(const std::string &path, const std::string &text)
{
    xell_sys &os = xell_os();
    struct stat st {};
    if (os.stat(path.c_str(), &st) != 0)
        return;
    int fd = os.open(path.c_str(), O_WRONLY);
    if (fd < 0)
        return;
    (void)os.write(fd, text.data(), text.size());
    os.close(fd);
}

} // namespace

void xell_scsi_host_rescan(uint32_t host)
{
    xell_sysfs_notify("/sys/class/scsi_host/host" + std::to_string(host) + "/scan", "- - -");
}

void xell_scsi_device_remove(uint32_t host, uint32_t bus, uint32_t target, uint32_t lun)
{
    char path[96];
    std::snprintf(path, sizeof path, "/sys/class/scsi_device/%u:%u:%u:%u/device/delete", host, bus, target, lun);
    xell_sysfs_notify(path, "1");
}
