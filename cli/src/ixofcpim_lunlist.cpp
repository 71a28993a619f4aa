// The fcpim LUN list: every LUN of every target a logical port sees, with
// its operating-system device and, verbose, its INQUIRY identity and size.
#include "ixo_commands.h"
#include "ixo_errors.h"
#include "ixo_values.h"
#include "ixofcdiag.h"
#include "xell_discovery.h"
#include "xell_lport.h"
#include "xell_scsi.h"

#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

namespace {

constexpr int ixo_max_rports = 1024;
constexpr uint32_t ixo_inquiry_size = 128;
constexpr uint32_t ixo_sense_size = 256;

struct ixo_lunlist_t {
    xell_t *ioc = nullptr;
    wwn_t lpwwn = 0;
    bool verbose = false;
};

int ixo_lunlist_options(char **argv, int argc, ixo_lunlist_t *list)
{
    for (int i = 4; i < argc; i++) {
        if (std::strcmp(argv[i], "-v") == 0) {
            list->verbose = true;
        } else if (std::strcmp(argv[i], "-l") == 0) {
            if (++i >= argc)
                return E_CLI_INCORRECT_CMD;
            if (!ixo_get_port_wwn(argv[i], &list->lpwwn))
                return E_CLI_BAD_WWN;
        } else {
            return E_CLI_INCORRECT_CMD;
        }
    }
    return E_CLI_NO_ERROR;
}

uint32_t ixo_get_be32(const uint8_t *b)
{
    return (uint32_t{b[0]} << 24) | (uint32_t{b[1]} << 16) | (uint32_t{b[2]} << 8) | b[3];
}

// Bytes first..last of the INQUIRY data; with stop_at_space, up to and
// including the first space.
void ixo_inquiry_text(const uint8_t *data, int first, int last, bool stop_at_space)
{
    for (int i = first; i <= last && data[i] != '\0'; i++) {
        std::putchar(data[i]);
        if (stop_at_space && data[i] == ' ')
            break;
    }
}

// The capacity is the number of blocks (the last LBA plus one) times the
// block length.
xel_status_t ixo_lunlist_size(const ixo_lunlist_t &list, wwn_t rpwwn, lun_t lun)
{
    uint8_t cdb[16] = {};
    uint8_t capacity[8] = {};
    uint8_t sense[ixo_sense_size] = {};
    uint32_t snssz = sizeof sense;
    uint8_t scsi_status = 0;
    xel_status_t status = xell_scsi_readcapacity(list.ioc, 0, list.lpwwn, rpwwn, lun, cdb, capacity, sizeof capacity,
                                                 &scsi_status, sense, &snssz);
    if (status != XEL_STATUS_OK)
        return status;
    if (scsi_status != 0) {
        std::fputs("  ------", stdout);
        return XEL_STATUS_OK;
    }
    std::fputs("  ", stdout);
    uint64_t blocks = uint64_t{ixo_get_be32(capacity)} + 1;
    ixo_print_sizef(static_cast<int64_t>(blocks * ixo_get_be32(capacity + 4)));
    return XEL_STATUS_OK;
}

xel_status_t ixo_lunlist_verbose(const ixo_lunlist_t &list, wwn_t rpwwn, lun_t lun)
{
    uint8_t cdb[16] = {};
    uint8_t inquiry[ixo_inquiry_size] = {};
    uint8_t sense[ixo_sense_size] = {};
    uint32_t snssz = sizeof sense;
    uint8_t scsi_status = 0;
    xel_status_t status = xell_scsi_inquiry(list.ioc, 0, list.lpwwn, rpwwn, lun, cdb, inquiry, sizeof inquiry,
                                            &scsi_status, sense, &snssz);
    if (status != XEL_STATUS_OK || scsi_status != 0) {
        std::fputs("        -----", stdout);
        std::memset(inquiry, 0, sizeof inquiry);
    } else {
        ixo_inquiry_text(inquiry, 8, 15, false);
        std::fputs(" ", stdout);
        ixo_inquiry_text(inquiry, 16, 31, true);
        std::fputs(" ", stdout);
        ixo_inquiry_text(inquiry, 32, 35, false);
    }
    if ((inquiry[0] & 0x1f) == 0)
        return ixo_lunlist_size(list, rpwwn, lun);
    std::fputs("  ------", stdout);
    return XEL_STATUS_OK;
}

xel_status_t ixo_lunlist_lun(const ixo_lunlist_t &list, wwn_t rpwwn, const uint32_t addr[3], const uint8_t *entry)
{
    lun_t lun = 0;
    std::memcpy(&lun, entry, sizeof lun);
    char text[32];
    ixo_convert_lun_to_string(lun, text, sizeof text);
    char name[128] = {};
    char *slots[1] = {name};
    uint32_t ndev = 0;
    bool named = xell_get_osname(addr[0], addr[1], addr[2], xell_scsi_lun_number(lun), slots, &ndev) ==
                     XEL_STATUS_OK &&
                 ndev > 0;
    if (list.verbose)
        std::printf(" %u:%u:%u:%s  ", addr[0], addr[1], addr[2], text);
    else
        std::printf(" %u:%s  ", addr[2], text);
    ixo_print_pwwn(rpwwn);
    if (list.verbose) {
        std::fputs(" ", stdout);
        xel_status_t status = ixo_lunlist_verbose(list, rpwwn, lun);
        if (status != XEL_STATUS_OK)
            return status;
    }
    std::fputs(" ", stdout);
    if (named)
        std::printf("%s ", name);
    else
        std::fputs("------", stdout);
    std::fputs("\n", stdout);
    return XEL_STATUS_OK;
}

xel_status_t ixo_lunlist_luns(const ixo_lunlist_t &list, wwn_t rpwwn, const uint32_t addr[3])
{
    uint8_t cdb[16] = {};
    uint8_t sense[ixo_sense_size] = {};
    uint32_t snssz = sizeof sense;
    uint8_t scsi_status = 0;
    uint8_t *data = nullptr;
    uint32_t size = 0;
    xel_status_t status = xell_scsi_reportluns(list.ioc, 0, list.lpwwn, rpwwn, 0, cdb, &data, &size, &scsi_status,
                                               sense, &snssz);
    std::unique_ptr<uint8_t[]> owned(data);
    if (status != XEL_STATUS_OK || scsi_status != 0) {
        std::fputs("Report Luns failed\n", stdout);
        return XEL_STATUS_OK;
    }
    uint32_t count = xell_scsi_reportluns_count(data, size, scsi_status);
    for (uint32_t i = 0; i < count; i++) {
        status = ixo_lunlist_lun(list, rpwwn, addr, data + 8 + 8 * i);
        if (status != XEL_STATUS_OK)
            return status;
    }
    return XEL_STATUS_OK;
}

xel_status_t ixo_lunlist_rport(const ixo_lunlist_t &list, wwn_t rpwwn)
{
    xel_rport_attr_t attr{};
    xel_status_t status = xell_rport_get_attr(list.ioc, 0, list.lpwwn, rpwwn, &attr);
    if (status != XEL_STATUS_OK) {
        if (rpwwn != 0) {
            ixo_print_pwwn(rpwwn);
            std::fputs("\n", stdout);
        }
        return status;
    }
    if (attr.scsi_function != 2)
        return XEL_STATUS_OK;
    uint32_t addr[3] = {};
    status = xell_rport_get_scsi_address(list.ioc, 0, list.lpwwn, rpwwn, &addr[0], &addr[1], &addr[2]);
    if (status != XEL_STATUS_OK) {
        if (status != XEL_STATUS_CMD_NOTSUPP) {
            ixo_print_pwwn(rpwwn);
            std::fputs("\n", stdout);
        }
        return XEL_STATUS_OK;
    }
    return ixo_lunlist_luns(list, rpwwn, addr);
}

void ixo_lunlist_rule(const ixo_lunlist_t &list)
{
    ixo_print_header_line(list.verbose ? 99 : 79);
}

} // namespace

int ixo_fcpim_lunlist_hdlr(char **argv, int argc, ixo_id_t *id)
{
    ixo_lunlist_t list;
    list.ioc = id->xell;
    int error = ixo_lunlist_options(argv, argc, &list);
    if (error != E_CLI_NO_ERROR)
        return error;
    if (list.ioc == nullptr)
        return XEL_STATUS_FAILED;
    xel_status_t status = ixo_fcdiag_base_lpwwn(list.ioc, &list.lpwwn);
    if (status != XEL_STATUS_OK)
        return status;
    std::vector<wwn_t> rports(ixo_max_rports);
    int count = ixo_max_rports;
    status = xell_lport_get_rports(list.ioc, 0, list.lpwwn, rports.data(), &count);
    if (status != XEL_STATUS_OK)
        return status;
    if (count == 0) {
        std::fputs("No Remote Ports found...\n", stdout);
        return XEL_STATUS_OK;
    }
    ixo_lunlist_rule(list);
    if (list.verbose)
        std::fputs(" H:B:T:L                    Remote Port PWWN        Vendor   Product   Rev    Size   Dev Name\n",
                   stdout);
    else
        std::fputs(" T:L                    Remote Port PWWN        Dev Name\n", stdout);
    ixo_lunlist_rule(list);
    for (int i = 0; i < count; i++) {
        status = ixo_lunlist_rport(list, rports[static_cast<size_t>(i)]);
        if (status != XEL_STATUS_OK)
            return status;
    }
    ixo_lunlist_rule(list);
    return XEL_STATUS_OK;
}
