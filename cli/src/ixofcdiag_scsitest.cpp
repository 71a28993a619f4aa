// The SCSI test: every LUN a target reports, with its INQUIRY, READ
// CAPACITY (10) and READ (10), one row a LUN.
#include "ixofcdiag.h"

#include "ixo_values.h"
#include "xell_scsi.h"

#include <cstdio>
#include <cstring>
#include <memory>

void ixo_print_sizef(int64_t size)
{
    constexpr int64_t mb = int64_t{1} << 20;
    constexpr int64_t gb = int64_t{1} << 30;
    constexpr int64_t tb = int64_t{1} << 40;
    if (size < 0)
        std::fputs("-----", stdout);
    else if (size < mb)
        std::printf("%llu", static_cast<unsigned long long>(size));
    else if (size >= tb)
        std::printf("%4.2fTB", static_cast<double>(static_cast<float>(size / tb)));
    else if (size >= gb)
        std::printf("%4.2fGB", static_cast<double>(static_cast<float>(size) / static_cast<float>(gb)));
    else
        std::printf("%4.2fMB", static_cast<double>(static_cast<float>(size) / static_cast<float>(mb)));
}

namespace {

constexpr uint8_t scsi_check_condition = 2;
constexpr uint8_t type_disk = 0;
constexpr uint8_t type_enclosure_services = 12;
constexpr uint8_t type_unknown = 31;

uint32_t be32(const uint8_t *b)
{
    return (uint32_t{b[0]} << 24) | (uint32_t{b[1]} << 16) | (uint32_t{b[2]} << 8) | b[3];
}

// One command's failure as the status column shows it.
struct cmd_failure {
    bool failed = false;
    uint8_t status = 0;
    uint8_t asc = 0;
    uint8_t ascq = 0;
};

// What the SCSI helpers need for one LUN, and what it showed.
struct lun_test {
    xell_t *ioc = nullptr;
    uint16_t vf_id = 0;
    wwn_t lpwwn = 0;
    wwn_t rpwwn = 0;
    lun_t lun = 0;
    uint8_t rsp[128] = {};
    uint8_t sense[256] = {};
    uint8_t read[4096] = {};
    cmd_failure rl, si, rc, rd;
};

void record(cmd_failure *failure, uint8_t status, const uint8_t *sense)
{
    failure->failed = true;
    failure->status = status;
    bool check = status == scsi_check_condition;
    failure->asc = check ? sense[12] : 0;
    failure->ascq = check ? sense[13] : 0;
}

void print_bytes(const uint8_t *from, size_t n)
{
    for (size_t i = 0; i < n; i++)
        std::putchar(from[i]);
}

// INQUIRY: the type, or -1 after the placeholders of a failed command.
xel_status_t inquiry(lun_test &t, int *type)
{
    scsi_cdb_t cdb = {};
    uint32_t snssz = sizeof t.sense;
    uint8_t scsi_status = 0;
    // A LUN's row never shows what an earlier LUN answered.
    std::memset(t.rsp, 0, sizeof t.rsp);
    xel_status_t status = xell_scsi_inquiry(t.ioc, t.vf_id, t.lpwwn, t.rpwwn, t.lun, cdb, t.rsp, sizeof t.rsp,
                                            &scsi_status, t.sense, &snssz);
    if (status != XEL_STATUS_OK)
        return status;
    *type = -1;
    if (scsi_status != 0) {
        std::fputs("\t", stdout);
        std::fputs("-----", stdout);
        std::fputs("\t\t", stdout);
        std::fputs("-----", stdout);
        std::fputs("\t    ", stdout);
        std::fputs("-----", stdout);
        std::fputs("\t    ", stdout);
        std::fputs("-----", stdout);
        record(&t.si, scsi_status, t.sense);
        return XEL_STATUS_OK;
    }
    *type = t.rsp[0] & 0x1F;
    std::fputs("   ", stdout);
    std::printf("%02X/%03X ", t.rsp[0] & 0x1F, t.rsp[0] & 0xE0);
    std::fputs("  ", stdout);
    print_bytes(t.rsp + 8, 8);
    std::fputs("  ", stdout);
    print_bytes(t.rsp + 16, 16);
    std::fputs("  ", stdout);
    print_bytes(t.rsp + 32, 4);
    return XEL_STATUS_OK;
}

// READ CAPACITY (10) and READ (10) of a disk.
xel_status_t disk(lun_test &t)
{
    scsi_cdb_t cdb = {};
    uint32_t snssz = sizeof t.sense;
    uint8_t scsi_status = 0;
    uint8_t capacity[8] = {};
    xel_status_t status = xell_scsi_readcapacity(t.ioc, t.vf_id, t.lpwwn, t.rpwwn, t.lun, cdb, capacity,
                                                 sizeof capacity, &scsi_status, t.sense, &snssz);
    if (status != XEL_STATUS_OK)
        return status;
    uint32_t block_len = 512;
    if (scsi_status != 0) {
        record(&t.rc, scsi_status, t.sense);
    } else {
        block_len = be32(capacity + 4);
        std::fputs("  ", stdout);
        ixo_print_sizef(static_cast<int64_t>(uint64_t{be32(capacity)} * block_len));
    }
    scsi_cdb_t read_cdb = {};
    snssz = sizeof t.sense;
    status = xell_scsi_read10(t.ioc, t.vf_id, t.lpwwn, t.rpwwn, t.lun, read_cdb, t.read, sizeof t.read, block_len,
                              &scsi_status, t.sense, &snssz);
    if (status != XEL_STATUS_OK)
        return status;
    if (scsi_status != 0)
        record(&t.rd, scsi_status, t.sense);
    return XEL_STATUS_OK;
}

void print_failure(const char *name, const cmd_failure &f)
{
    if (f.failed)
        std::printf(" %s %x/%02x/%02x", name, f.status, f.asc, f.ascq);
}

void print_status(const lun_test &t)
{
    if (!t.rl.failed && !t.si.failed && !t.rc.failed && !t.rd.failed) {
        std::fputs("  ", stdout);
        std::fputs("Online", stdout);
    } else {
        if (t.rc.failed && t.rd.failed) {
            std::fputs("     ", stdout);
            std::fputs("-----", stdout);
        }
        std::fputs("    ", stdout);
        print_failure("RL", t.rl);
        print_failure("SI", t.si);
        print_failure("RC", t.rc);
        print_failure("RD", t.rd);
    }
    std::fputs("\n", stdout);
}

// One LUN's row; a library failure ends the test.
xel_status_t test_lun(lun_test &t, const uint8_t *entry)
{
    // The LUN goes out with its first level as reported, the rest zero.
    uint8_t bytes[8] = {entry[0], entry[1]};
    std::memcpy(&t.lun, bytes, sizeof t.lun);
    lun_t shown;
    std::memcpy(&shown, entry, sizeof shown);
    ixo_print_lun(shown);
    t.si = t.rc = t.rd = cmd_failure{};
    int type = -1;
    xel_status_t status = inquiry(t, &type);
    if (status != XEL_STATUS_OK)
        return status;
    if (type == type_unknown) {
        std::fputs("\t\t\t", stdout);
        std::fputs("    ", stdout);
    } else if (type == type_enclosure_services) {
        std::fputs("     ", stdout);
        std::fputs("       ", stdout);
    } else if (type == type_disk) {
        status = disk(t);
        if (status != XEL_STATUS_OK)
            return status;
    }
    print_status(t);
    return XEL_STATUS_OK;
}

void print_footer()
{
    ixo_print_header_line(79);
    std::fputs("*Size:  Expressed in bytes from Read capacity response", stdout);
    std::fputs(" (Max LBA*Block size)\n", stdout);
    std::fputs("** Status: All commands successful expressed by Online.\n", stdout);
    std::fputs("\nOne or more command failed expressed by <SCSIcommand> ", stdout);
    std::fputs("<SCSI status>/<ASC value>/<ASCQ value>. ", stdout);
    std::fputs("ASC & ASCQ valid for Check Condition", stdout);
    std::fputs("\nRL: Report LUN", stdout);
    std::fputs("\nSI: SCSI Inquiry", stdout);
    std::fputs("\nRC: Read Capacity command", stdout);
    std::fputs("\nRD: Read (10) command\n", stdout);
}

} // namespace

int ixo_fcdiag_scsitest(xell_t *ioc, wwn_t rpwwn, wwn_t lpwwn, uint16_t vf_id)
{
    xel_status_t status = ixo_fcdiag_base_lpwwn(ioc, &lpwwn);
    if (status != XEL_STATUS_OK)
        return status;
    auto t = std::make_unique<lun_test>();
    t->ioc = ioc;
    t->vf_id = vf_id;
    t->lpwwn = lpwwn;
    t->rpwwn = rpwwn;
    scsi_cdb_t cdb = {};
    uint8_t *list = nullptr;
    uint32_t listsz = 0;
    uint32_t snssz = sizeof t->sense;
    uint8_t scsi_status = 0;
    status = xell_scsi_reportluns(ioc, vf_id, lpwwn, rpwwn, 0, cdb, &list, &listsz, &scsi_status, t->sense, &snssz);
    std::unique_ptr<uint8_t[]> owner(list);
    if (status != XEL_STATUS_OK)
        return status;
    // The count is never more than the list holds; a list that failed to
    // come is shown as LUN 0 with the failure.
    uint32_t n = xell_scsi_reportluns_count(list, listsz, scsi_status);
    const uint8_t lun0[8] = {};
    if (scsi_status != 0)
        record(&t->rl, scsi_status, t->sense);

    ixo_print_header_line(79);
    std::fputs("     LUN#           Type/Qual   Vendor  ", stdout);
    std::fputs("  Product       Rev   Size*  LUN status**\n", stdout);
    ixo_print_header_line(79);
    if (scsi_status != 0)
        status = test_lun(*t, lun0);
    for (uint32_t i = 1; i <= n && status == XEL_STATUS_OK; i++)
        status = test_lun(*t, list + 8 * i);
    if (status != XEL_STATUS_OK)
        return status;
    print_footer();
    return XEL_STATUS_OK;
}
