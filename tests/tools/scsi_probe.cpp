// Sends the library's SCSI helpers to LUNs of one remote port on the
// emulated host and prints what came back:
//   scsi_probe PCIFN RPWWN LUN...    (each LUN as 16 hexadecimal digits)
#include "ixo_id.h"
#include "ixo_values.h"
#include "sim_kernel.h"
#include "sim_paths.h"
#include "xell.h"
#include "xell_scsi.h"

#include <cstdio>
#include <cstring>
#include <functional>

namespace {

using helper_t = std::function<xel_status_t(uint8_t *cdb, uint8_t *buf, uint32_t size, uint8_t *status,
                                            uint8_t *sense, uint32_t *snssz)>;

uint32_t be32(const uint8_t *b)
{
    return (uint32_t{b[0]} << 24) | (uint32_t{b[1]} << 16) | (uint32_t{b[2]} << 8) | b[3];
}

// One command: the library status, or the SCSI status with the sense key,
// ASC and ASCQ of a check condition, or what the data says.
void run(const char *name, const helper_t &helper, const std::function<void(const uint8_t *)> &show)
{
    uint8_t cdb[16] = {};
    uint8_t data[4096] = {};
    uint8_t sense[XELL_SENSE_MAX] = {};
    uint32_t snssz = sizeof sense;
    uint8_t scsi_status = 0;
    xel_status_t status = helper(cdb, data, sizeof data, &scsi_status, sense, &snssz);
    std::printf("  %-18s", name);
    if (status != XEL_STATUS_OK)
        std::printf("status %d (%s)\n", status, xell_status_to_string(status));
    else if (scsi_status != 0)
        std::printf("scsi status 0x%02x, sense key 0x%x, ASC 0x%02x, ASCQ 0x%02x\n", scsi_status, sense[2] & 0x0f,
                    sense[12], sense[13]);
    else
        show(data);
}

int probe(xell_t *ioc, wwn_t rpwwn, lun_t lun)
{
    wwn_t lp = 0;
    run("TEST UNIT READY", [&](auto cdb, auto buf, auto, auto st, auto sns, auto ssz) {
        return xell_scsi_testunitready(ioc, 0, lp, rpwwn, lun, cdb, buf, 0, st, sns, ssz);
    }, [](const uint8_t *) { std::printf("good\n"); });
    run("INQUIRY", [&](auto cdb, auto buf, auto, auto st, auto sns, auto ssz) {
        return xell_scsi_inquiry(ioc, 0, lp, rpwwn, lun, cdb, buf, 96, st, sns, ssz);
    }, [](const uint8_t *d) { std::printf("type %u, \"%.8s\" \"%.16s\" \"%.4s\"\n", d[0] & 0x1f, d + 8, d + 16, d + 32); });
    uint32_t block = 0;
    run("READ CAPACITY(10)", [&](auto cdb, auto buf, auto, auto st, auto sns, auto ssz) {
        return xell_scsi_readcapacity(ioc, 0, lp, rpwwn, lun, cdb, buf, 8, st, sns, ssz);
    }, [&](const uint8_t *d) {
        block = be32(d + 4);
        std::printf("last LBA 0x%08x, block %u\n", be32(d), block);
    });
    run("READ CAPACITY(16)", [&](auto cdb, auto buf, auto, auto st, auto sns, auto ssz) {
        return xell_scsi_readcapacity16(ioc, 0, lp, rpwwn, lun, cdb, buf, 32, st, sns, ssz);
    }, [](const uint8_t *d) {
        std::printf("last LBA 0x%08x%08x, block %u\n", be32(d), be32(d + 4), be32(d + 8));
    });
    run("READ(10)", [&](auto cdb, auto buf, auto, auto st, auto sns, auto ssz) {
        return xell_scsi_read10(ioc, 0, lp, rpwwn, lun, cdb, buf, 4096, block, st, sns, ssz);
    }, [&](const uint8_t *) { std::printf("%u blocks\n", block == 0 ? 0 : 4096 / block); });
    return 0;
}

void report_luns(xell_t *ioc, wwn_t rpwwn)
{
    uint8_t cdb[16] = {};
    uint8_t sense[XELL_SENSE_MAX] = {};
    uint32_t snssz = sizeof sense;
    uint8_t scsi_status = 0;
    uint8_t *data = nullptr;
    uint32_t size = 0;
    xel_status_t status = xell_scsi_reportluns(ioc, 0, 0, rpwwn, 0, cdb, &data, &size, &scsi_status, sense, &snssz);
    if (status != XEL_STATUS_OK) {
        std::printf("REPORT LUNS: status %d (%s)\n", status, xell_status_to_string(status));
    } else {
        uint32_t n = xell_scsi_reportluns_count(data, size, scsi_status);
        std::printf("REPORT LUNS: %u LUNs in %u bytes", n, size);
        for (uint32_t i = 0; i < n && i < 3; i++) {
            lun_t lun;
            std::memcpy(&lun, data + 8 + 8 * i, sizeof lun);
            std::printf(", %u", xell_scsi_lun_number(lun));
        }
        std::printf("%s\n", n > 3 ? ", ..." : "");
    }
    delete[] data;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 3) {
        std::fputs("usage: scsi_probe PCIFN RPWWN [LUN...]\n", stderr);
        return 2;
    }
    SimHost host(sim_root_from_environment());
    EmulatedSys kernel(host);
    xell_os_install(&kernel);
    xell_libinit(0);
    xell_adapter_scan();
    xell_t *ioc = nullptr;
    wwn_t rpwwn = 0;
    int rc = 0;
    if (ixo_get_pcifn_id_strict(argv[1], IXO_IOC_TYPE_FC, &ioc) != 0 || !ixo_get_port_wwn(argv[2], &rpwwn)) {
        std::fputs("scsi_probe: bad function or WWN\n", stderr);
        rc = 2;
    } else {
        report_luns(ioc, rpwwn);
        for (int i = 3; i < argc; i++) {
            lun_t lun = 0;
            if (!ixo_convert_string_to_lun(argv[i], std::strlen(argv[i]), &lun)) {
                std::fputs("scsi_probe: bad LUN\n", stderr);
                rc = 2;
                break;
            }
            std::printf("LUN %s\n", argv[i]);
            probe(ioc, rpwwn, lun);
        }
    }
    xell_adapter_free();
    xell_libexit();
    xell_os_install(nullptr);
    return rc;
}
