#include "xell_transport_impl.h"

#include "xell_flash.h"
#include "xell_request_cache.h"
#include "xell_sys.h"

#include <fcntl.h>
#include <linux/ethtool.h>
#include <linux/sockios.h>
#include <net/if.h>
#include <sys/socket.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

// Where the partition of the record's type and instance starts; 0 when
// the table lacks it (no partition starts there).
uint32_t xell_flash_part_offset(const xel_flash_attr_t &attr, uint32_t type, uint32_t instance)
{
    uint32_t count = attr.npart < 32 ? attr.npart : 32;
    for (uint32_t i = 0; i < count; i++)
        if (attr.part[i].part_type == type && attr.part[i].part_instance == instance)
            return attr.part[i].part_off;
    return 0;
}

// One ethtool request on the IOC's interface: 0, or the errno of the
// socket or the request that failed.
int xell_ethtool_request(const xell_t *ioc, void *data)
{
    xell_sys &os = xell_os();
    int fd = os.socket(AF_INET, SOCK_DGRAM, 0);
    if (fd < 0)
        return errno;
    struct ifreq ifr {};
    std::snprintf(ifr.ifr_name, sizeof ifr.ifr_name, "%.*s", static_cast<int>(sizeof ifr.ifr_name - 1), ioc->eth_name);
    ifr.ifr_data = static_cast<char *>(data);
    int err = os.ioctl(fd, SIOCETHTOOL, &ifr) < 0 ? errno : 0;
    os.close(fd);
    return err;
}

// The firmware image goes through a file the driver loads by name.
xel_status_t xell_ethtool_flash_image(const xell_t *ioc, const xel_ioctl_flash_t *record)
{
    char name[64];
    std::snprintf(name, sizeof name, "%d-kwo_tmpfw_7a3c.bin", ioc->ad_id);
    std::string path = std::string("/lib/firmware/") + name;
    xell_sys &os = xell_os();
    os.unlink(path.c_str());
    int fd = os.open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0)
        return XEL_STATUS_EFOPEN;
    const void *data = reinterpret_cast<const void *>(static_cast<uintptr_t>(record->buf_ptr));
    bool ok = os.write(fd, data, record->bufsz) == static_cast<ssize_t>(record->bufsz);
    os.close(fd);
    if (!ok)
        return XEL_STATUS_FAILED;
    struct ethtool_flash flash {};
    flash.cmd = ETHTOOL_FLASHDEV;
    flash.region = 2;
    std::snprintf(flash.data, sizeof flash.data, "%s", name);
    int err = xell_ethtool_request(ioc, &flash);
    os.unlink(path.c_str());
    return err != 0 ? xell_errno_to_status(err) : XEL_STATUS_OK;
}

// Other partitions are written and read as the device's EEPROM: a write
// carries the data length in the 4 bytes before the data.
xel_status_t xell_ethtool_eeprom(const xell_t *ioc, uint32_t cmd, const xel_ioctl_flash_t *record, uint32_t offset)
{
    bool write = cmd == XEL_CMD_FLASH_UPDATE_PART;
    uint32_t len = record->bufsz + (write ? 4 : 0);
    std::vector<uint8_t> buffer(sizeof(struct ethtool_eeprom) + len);
    auto *eeprom = reinterpret_cast<struct ethtool_eeprom *>(buffer.data());
    eeprom->cmd = write ? ETHTOOL_SEEPROM : ETHTOOL_GEEPROM;
    eeprom->magic = static_cast<uint32_t>(ioc->device_id) * 65536u + ioc->vendor_id;
    eeprom->len = len;
    auto *data = reinterpret_cast<uint8_t *>(static_cast<uintptr_t>(record->buf_ptr));
    uint8_t *payload = buffer.data() + sizeof(struct ethtool_eeprom);
    if (write) {
        eeprom->offset = offset != 0 ? offset - 4 : 0;
        std::memcpy(payload, &record->bufsz, 4);
        std::memcpy(payload + 4, data, record->bufsz);
    } else {
        eeprom->offset = offset;
    }
    if (int err = xell_ethtool_request(ioc, eeprom))
        return xell_errno_to_status(err);
    if (!write)
        std::memcpy(data, payload, record->bufsz);
    return XEL_STATUS_OK;
}

// The partition table, asked of the driver once per command.
xel_status_t xell_ethtool_flash_layout(xell_t *ioc, xel_flash_attr_t *attr)
{
    if (xell_request_cache_flash_layout(ioc, attr))
        return XEL_STATUS_OK;
    xel_status_t status = xell_flash_get_attr(ioc, attr);
    if (status == XEL_STATUS_OK)
        xell_request_cache_keep_flash_layout(ioc, *attr);
    return status;
}

} // namespace

// A request that did not happen is the transport's failure, with the
// record's status left at 1, never a success with nothing in it.
xel_status_t xell_ethtool_flash(xell_t *ioc, uint32_t cmd, void *args)
{
    auto *record = static_cast<xel_ioctl_flash_t *>(args);
    xel_flash_attr_t attr{};
    xel_status_t status = xell_ethtool_flash_layout(ioc, &attr);
    if (status != XEL_STATUS_OK)
        return status;
    record->status = XEL_STATUS_FAILED;
    uint32_t offset = xell_flash_part_offset(attr, record->type, record->instance);
    if (offset == 0) {
        record->status = XEL_STATUS_EINVAL; // the driver refuses a partition its flash lacks
        return XEL_STATUS_OK;
    }
    if (cmd == XEL_CMD_FLASH_UPDATE_PART && record->type == XEL_FLASH_PART_FWIMG)
        status = xell_ethtool_flash_image(ioc, record);
    else
        status = xell_ethtool_eeprom(ioc, cmd, record, offset);
    if (status != XEL_STATUS_OK)
        return status;
    record->status = XEL_STATUS_OK;
    return XEL_STATUS_OK;
}
