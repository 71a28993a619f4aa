// The fabric's replies and CDBs: the library's readers of the name
// server's and a remote port's answers and of REPORT LUNS data, and the
// emulated targets' answers to any CDB, and the LUN masking filter of
// REPORT LUNS data. The first byte picks the reader.
#include "sim_fabric.h"
#include "sim_scsi_target.h"
#include "xell_fcpt.h"
#include "xell_scsi.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

void check(bool ok)
{
    if (!ok)
        std::abort();
}

void target_answer(const uint8_t *data, size_t size)
{
    if (size < 2)
        return;
    sim_function fn;
    fn.ioc_type = XEL_IOC_TYPE_FC;
    fn.host = 2;
    std::vector<sim_rport> rports = sim_fabric_rports(0, fn);
    const sim_rport &rport = rports[data[0] % rports.size()];
    std::vector<uint8_t> cdb(data + 2, data + size);
    sim_scsi_answer a = sim_scsi_target_answer(rport, data[1], cdb);
    check(a.status == 0 || a.status == 2);
    check(a.status == 0 ? a.sense.empty() : a.sense.size() == 18);
    if (a.status == 0 && !cdb.empty() && cdb[0] == 0xA0)
        check(xell_scsi_reportluns_count(a.data.data(), static_cast<uint32_t>(a.data.size()), 0) == rport.luns);
}

// The masking table names the LUN in the first eight bytes; the rest is
// the REPORT LUNS data. What is left is LUN 0 and that LUN, in order.
void lun_mask_filter(const uint8_t *data, size_t size)
{
    if (size < 8)
        return;
    xel_lunmask_cfg_s cfg{};
    cfg.status = 1;
    cfg.lun_list[0].state = 1;
    cfg.lun_list[0].lp_wwn = 1;
    cfg.lun_list[0].rp_wwn = 2;
    std::memcpy(&cfg.lun_list[0].lun, data, 8);
    std::vector<uint8_t> list(data + 8, data + size);
    auto n = static_cast<uint32_t>(list.size());
    uint32_t before = xell_scsi_reportluns_count(list.data(), n, 0);
    xell_scsi_lm_filter(cfg, 1, 2, list.data(), n);
    uint32_t after = xell_scsi_reportluns_count(list.data(), n, 0);
    check(after <= before);
    static const uint8_t lun0[8] = {};
    for (uint32_t i = 0; i < after; i++) {
        const uint8_t *entry = list.data() + 8 + 8 * i;
        check(std::memcmp(entry, lun0, 8) == 0 || std::memcmp(entry, data, 8) == 0);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const uint8_t *rest = data + 1;
    auto n = static_cast<uint32_t>(size - 1);
    switch (data[0] % 5) {
    case 0: {
        char name[16];
        std::memset(name, 'x', sizeof name);
        if (xell_ns_symname_parse(rest, n, name, sizeof name) == XEL_STATUS_OK)
            check(std::memchr(name, '\0', sizeof name) != nullptr || name[0] == 'x');
        break;
    }
    case 1: {
        xel_rport_remote_link_stats_t stats{};
        xell_rls_parse(rest, n, &stats);
        break;
    }
    case 2: {
        uint32_t count = xell_scsi_reportluns_count(rest, n, 0);
        check(n < 8 || 8 + uint64_t{count} * 8 <= n);
        for (uint32_t i = 0; i < count; i++) {
            lun_t lun;
            std::memcpy(&lun, rest + 8 + 8 * i, sizeof lun);
            (void)xell_scsi_lun_number(lun);
        }
        break;
    }
    case 4:
        lun_mask_filter(rest, n);
        break;
    default:
        target_answer(rest, n);
        break;
    }
    return 0;
}
