// The SCSI pass-through on Linux: a LUN's SCSI generic node is found
// through sysfs by the remote port's SCSI address and the LUN number, and
// the command goes to it as an SG_IO version-3 request.
#include "xell_transport_impl.h"

#include "xell_lport.h"
#include "xell_scsi.h"
#include "xell_state.h"
#include "xell_sys.h"

#include <fcntl.h>
#include <regex.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

std::string xell_scsi_device_dir(uint32_t host, uint32_t bus, uint32_t target, uint32_t lun)
{
    char path[96];
    std::snprintf(path, sizeof path, "/sys/class/scsi_device/%u:%u:%u:%u", host, bus, target, lun);
    return path;
}

bool xell_is_write_opcode(uint8_t opcode)
{
    return opcode == 0x0A || opcode == 0x10 || opcode == 0x2A || opcode == 0x8A || opcode == 0xAA;
}

} // namespace

xel_status_t xell_check_sg_node_presence(uint32_t host, uint32_t bus, uint32_t target, uint32_t lun,
                                         std::string *path)
{
    path->clear();
    std::string dir = xell_scsi_device_dir(host, bus, target, lun) + "/device";
    std::vector<std::string> names;
    if (xell_os().list_dir((dir + "/scsi_generic").c_str(), &names) == 0) {
        for (const auto &name : names)
            if (name.find("sg") != std::string::npos) {
                *path = "/dev/" + name;
                return XEL_STATUS_OK;
            }
        return XEL_STATUS_FAILED;
    }
    // Older kernels name the link in the device directory itself.
    names.clear();
    if (xell_os().list_dir(dir.c_str(), &names) != 0)
        return XEL_STATUS_FAILED;
    for (const auto &name : names)
        if (name.find("scsi_generic:sg") != std::string::npos) {
            *path = "/dev/" + name.substr(name.find(':') + 1);
            return XEL_STATUS_OK;
        }
    return XEL_STATUS_FAILED;
}

// Another LUN of the same target answers for LUN 0 when the target has no
// LUN 0 (REPORT LUNS and INQUIRY go to any LUN); any other LUN is its own
// node or none, so a command never reaches a device it was not meant for.
xel_status_t xell_get_rport_lun_sg(uint32_t host, uint32_t bus, uint32_t target, uint32_t lun, std::string *path)
{
    path->clear();
    struct stat st {};
    if (xell_os().stat(xell_scsi_device_dir(host, bus, target, lun).c_str(), &st) == 0 &&
        xell_check_sg_node_presence(host, bus, target, lun, path) == XEL_STATUS_OK)
        return XEL_STATUS_OK;
    if (lun != 0)
        return XEL_STATUS_OK;
    std::vector<std::string> names;
    if (xell_os().list_dir("/sys/class/scsi_device", &names) != 0)
        return XEL_STATUS_FAILED;
    char pattern[64];
    std::snprintf(pattern, sizeof pattern, "^%u:%u:%u:[0-9]{1,5}$", host, bus, target);
    regex_t re;
    if (regcomp(&re, pattern, REG_EXTENDED | REG_NOSUB) != 0)
        return XEL_STATUS_FAILED;
    for (const auto &name : names) {
        if (regexec(&re, name.c_str(), 0, nullptr, 0) != 0)
            continue;
        auto number = static_cast<uint32_t>(std::strtoul(name.c_str() + name.rfind(':') + 1, nullptr, 10));
        if (xell_check_sg_node_presence(host, bus, target, number, path) == XEL_STATUS_OK)
            break;
    }
    regfree(&re);
    return XEL_STATUS_OK;
}

xel_status_t xell_prep_scsi_passthru_sg(xell_t *ioc, uint16_t vf_id, wwn_t lpwwn, wwn_t rpwwn, lun_t lun)
{
    xel_itnim_attr_t itnim{};
    xel_status_t status = xell_itnim_get_attr(ioc, vf_id, lpwwn, rpwwn, &itnim);
    if (status != XEL_STATUS_OK)
        return status;
    if (itnim.state != XEL_ITNIM_ONLINE)
        return XEL_STATUS_NO_FCPIM_NEXUS;
    uint32_t host = 0;
    uint32_t bus = 0;
    uint32_t target = 0;
    status = xell_rport_get_scsi_address(ioc, vf_id, lpwwn, rpwwn, &host, &bus, &target);
    if (status != XEL_STATUS_OK)
        return status;
    std::string path;
    status = xell_get_rport_lun_sg(host, bus, target, xell_scsi_lun_number(lun), &path);
    if (status != XEL_STATUS_OK)
        return status;
    ioc->sg_fd = path.empty() ? -1 : xell_os().open(path.c_str(), O_RDWR | O_NONBLOCK);
    if (ioc->sg_fd < 0) {
        std::printf("Opening file %s failed\n", path.c_str());
        return XEL_STATUS_FAILED;
    }
    return XEL_STATUS_OK;
}

xel_status_t xell_scsi_passthru(xell_t *ioc, void *args)
{
    xel_ioctl_scsi_t record;
    std::memcpy(&record, args, sizeof record);
    xel_sg_io_hdr_t header{};
    header.interface_id = XEL_SG_INTERFACE_ID;
    header.dxfer_direction = xell_is_write_opcode(record.cdb[0]) ? SG_DXFER_TO_DEV : SG_DXFER_TO_FROM_DEV;
    header.cmd_len = sizeof record.cdb;
    // The sense length is one byte: 256 and more would wrap.
    header.mx_sb_len = static_cast<uint8_t>(record.snssz < XELL_SENSE_MAX ? record.snssz : XELL_SENSE_MAX);
    header.dxfer_len = record.iosz;
    header.dxferp = reinterpret_cast<void *>(static_cast<uintptr_t>(record.iobuf_ptr));
    header.cmdp = static_cast<xel_ioctl_scsi_t *>(args)->cdb;
    header.sbp = reinterpret_cast<uint8_t *>(static_cast<uintptr_t>(record.snsbuf_pt));
    header.timeout = XEL_SG_TIMEOUT_MS;
    int rc = xell_os().ioctl(ioc->sg_fd, SG_IO, &header);
    int err = errno;
    xell_os().close(ioc->sg_fd);
    ioc->sg_fd = -1;
    if (rc < 0)
        return xell_errno_to_status(err);
    // Sense that came with the status is the SCSI status's business, not a
    // driver failure.
    constexpr uint16_t driver_sense = 0x08;
    bool delivered = header.host_status == 0 && (header.driver_status & ~driver_sense) == 0;
    record.status = delivered ? XEL_STATUS_OK : XEL_STATUS_FAILED;
    record.scsi_status = header.status;
    std::memcpy(args, &record, sizeof record);
    return XEL_STATUS_OK;
}
