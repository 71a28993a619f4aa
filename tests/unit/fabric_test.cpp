// The fabric views and the pass-throughs: response parsing on its own, and
// the library against the emulated fabric.
#include "emulated_host.h"
#include "sim_state.h"
#include "xell_adapter.h"
#include "xell_port.h"
#include "xell_fcpim.h"
#include "xell_lport.h"
#include "xell_request_cache.h"
#include "xell_scsi.h"
#include "xell_state.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

namespace {

lun_t lun_of(std::initializer_list<uint8_t> bytes)
{
    uint8_t b[8] = {};
    std::copy(bytes.begin(), bytes.end(), b);
    lun_t lun;
    std::memcpy(&lun, b, sizeof lun);
    return lun;
}

wwn_t wwn_of(std::initializer_list<uint8_t> bytes)
{
    return lun_of(bytes);
}

TEST(ScsiParsing, LunNumbersFollowLinux)
{
    EXPECT_EQ(xell_scsi_lun_number(lun_of({0x00, 0x05})), 5u);
    EXPECT_EQ(xell_scsi_lun_number(lun_of({0x40, 0x05})), 0x4005u);
    EXPECT_EQ(xell_scsi_lun_number(lun_of({0x40, 0x95})), 16533u);
    EXPECT_EQ(xell_scsi_lun_number(lun_of({0x00, 0x01, 0x00, 0x02})), 0x00020001u);
}

TEST(ScsiParsing, ReportLunsCountsOnlyWhatAGoodAnswerHolds)
{
    uint8_t data[32] = {0x00, 0x00, 0x00, 0x10}; // two entries
    EXPECT_EQ(xell_scsi_reportluns_count(data, sizeof data, 0), 2u);
    EXPECT_EQ(xell_scsi_reportluns_count(data, sizeof data, 2), 0u);
    EXPECT_EQ(xell_scsi_reportluns_count(data, 16, 0), 1u);
    data[2] = 0xff; // a length far past the buffer
    EXPECT_EQ(xell_scsi_reportluns_count(data, sizeof data, 0), 3u);
    EXPECT_EQ(xell_scsi_reportluns_count(data, 4, 0), 0u);
}

TEST(ScsiParsing, ThroughputAddsReadAndWriteBytes)
{
    xel_itnim_iostats_t stats{};
    stats.read_data_transferred_in_bytes = 3000;
    stats.write_data_transferred_in_bytes = 500;
    stats.total_io = 7;
    EXPECT_EQ(xell_itnim_get_iothroughput(&xell_xel_itnim_iostats, &stats), 3500u);
}

const wwn_t array = wwn_of({0x50, 0x00, 0x7a, 0x3c, 0xa0, 0x05, 0x10, 0x00});
const wwn_t jbod = wwn_of({0x50, 0x00, 0x7a, 0x3c, 0xa1, 0x05, 0x10, 0x00});
const wwn_t tape = wwn_of({0x50, 0x00, 0x7a, 0x3c, 0xa2, 0x05, 0x10, 0x00});

class Fabric : public EmulatedHostTest {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(start("default"));
        ASSERT_EQ(xell_adapter_scan(), 2);
        ioc = xell_port_get_ioc(xell_adapter_get_port(xell_adapter_get_by_idx(1), 0), 0);
        ASSERT_NE(ioc, nullptr);
    }

    std::string frames()
    {
        std::string text;
        EXPECT_EQ(sim_store(root.path()).read_frames(&text), 0);
        return text;
    }

    xell_t *ioc = nullptr;
};

TEST_F(Fabric, SymbolicNameComesFromTheNameServer)
{
    xel_rport_attr_t attr{};
    ASSERT_EQ(xell_rport_get_attr(ioc, 0, 0, jbod, &attr), XEL_STATUS_OK);
    EXPECT_EQ(attr.symname[0], '\0');
    char name[8] = {};
    // The name is cut to the caller's room.
    ASSERT_EQ(xell_get_rport_symname(ioc, 0, attr.pid, 0, jbod, name, sizeof name), XEL_STATUS_OK);
    EXPECT_STREQ(name, "XSTOR J");
    // An address the name server does not know is rejected.
    EXPECT_EQ(xell_get_rport_symname(ioc, 0, 0x00ffffff, 0, jbod, name, sizeof name), XEL_STATUS_FABRIC_RJT);
}

TEST_F(Fabric, FullSenseBufferStillReadsTheSense)
{
    uint8_t cdb[16] = {};
    uint8_t data[96] = {};
    uint8_t sense[256];
    std::memset(sense, 0xee, sizeof sense);
    uint32_t snssz = sizeof sense;
    uint8_t status = 0;
    ASSERT_EQ(xell_scsi_testunitready(ioc, 0, 0, array, lun_of({0, 6}), cdb, data, 0, &status, sense, &snssz),
              XEL_STATUS_OK);
    EXPECT_EQ(status, 0x02);
    EXPECT_EQ(sense[2] & 0x0f, 0x04);
    EXPECT_EQ(sense[12], 0x44);
    EXPECT_EQ(sense[13], 0x00);
}

TEST_F(Fabric, LongLunListsTakeTwoTries)
{
    uint8_t cdb[16] = {};
    uint8_t *data = nullptr;
    uint32_t size = 0;
    uint8_t sense[XELL_SENSE_MAX] = {};
    uint32_t snssz = sizeof sense;
    uint8_t status = 0xff;
    ASSERT_EQ(xell_scsi_reportluns(ioc, 0, 0, jbod, 0, cdb, &data, &size, &status, sense, &snssz), XEL_STATUS_OK);
    EXPECT_EQ(size, 1208u);
    EXPECT_EQ(xell_scsi_reportluns_count(data, size, status), 150u);
    delete[] data;
    std::string log = frames();
    EXPECT_NE(log.find("cdb=a0000000000000000330"), std::string::npos) << log;
    EXPECT_NE(log.find("cdb=a00000000000000004b8"), std::string::npos) << log;
}

TEST_F(Fabric, NexusNotOnlineOpensNoNode)
{
    uint8_t cdb[16] = {};
    uint8_t data[96] = {};
    uint8_t sense[XELL_SENSE_MAX] = {};
    uint32_t snssz = sizeof sense;
    uint8_t status = 0;
    EXPECT_EQ(xell_scsi_inquiry(ioc, 0, 0, tape, 0, cdb, data, sizeof data, &status, sense, &snssz),
              XEL_STATUS_NO_FCPIM_NEXUS);
    EXPECT_EQ(frames().find("scsi "), std::string::npos);
}

TEST_F(Fabric, IoProfileLatenciesInClockUnits)
{
    xel_itnim_ioprofile_t p{};
    // The driver keeps no profile until profiling is turned on.
    ASSERT_EQ(xell_itnim_get_ioprofile(ioc, 0, xell_ioc_get_pwwn(ioc), array, &p), XEL_STATUS_IOPROFILE_OFF);
    ASSERT_EQ(xell_fcpim_profile_on(ioc), XEL_STATUS_OK);
    ASSERT_EQ(xell_itnim_get_ioprofile(ioc, 0, xell_ioc_get_pwwn(ioc), array, &p), XEL_STATUS_OK);
    EXPECT_EQ(p.io_latency.min[3], 40000u);
    EXPECT_EQ(p.io_latency.max[3], 900000u);
    EXPECT_EQ(p.io_latency.avg[3], 120000u);
    // A bucket that never saw an I/O: no minimum, its average untouched.
    EXPECT_EQ(p.io_latency.min[0], 0u);
    EXPECT_EQ(p.io_latency.avg[0], 0u);
}

TEST_F(Fabric, QueueDepthIsRefusedPastTheLimitAndKeptOnceTaken)
{
    std::string log;
    ASSERT_EQ(sim_store(root.path()).clear_log(), 0);
    EXPECT_EQ(xell_fcpim_qdepth(ioc, 2001), XEL_STATUS_EINVAL_QDEPTH);
    ASSERT_EQ(sim_store(root.path()).read_log(&log), 0);
    EXPECT_EQ(log.find("0xC010B802"), std::string::npos) << log;
    ASSERT_EQ(xell_fcpim_qdepth(ioc, 2000), XEL_STATUS_OK);
    std::ifstream in(root.path() + "/etc/xel.conf");
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_NE(text.find("\nxel0-qdepth = 2000;\n"), std::string::npos) << text;
}

TEST_F(Fabric, StoppedVirtualPortIsOfflineUntilStarted)
{
    xel_lport_cfg_t cfg{};
    cfg.pwwn = wwn_of({0x21, 0x00, 0x00, 0x7a, 0x3c, 0x05, 0x10, 0x00});
    cfg.roles = 1;
    ASSERT_EQ(xell_vport_create(ioc, 0, &cfg), XEL_STATUS_OK);
    const struct {
        xel_status_t (*change)(xell_t *, uint16_t, wwn_t);
        uint32_t state;
    } steps[] = {{xell_vport_stop, XEL_FCS_VPORT_OFFLINE},
                 {xell_vport_stop, XEL_FCS_VPORT_OFFLINE},
                 {xell_vport_start, XEL_FCS_VPORT_ONLINE},
                 {xell_vport_start, XEL_FCS_VPORT_ONLINE}};
    for (const auto &step : steps) {
        ASSERT_EQ(step.change(ioc, 0, cfg.pwwn), XEL_STATUS_OK);
        xel_vport_attr_t attr{};
        ASSERT_EQ(xell_vport_get_attr(ioc, 0, cfg.pwwn, &attr), XEL_STATUS_OK);
        EXPECT_EQ(attr.vport_state, step.state);
        EXPECT_EQ(attr.port_attr.pid == 0, step.state == XEL_FCS_VPORT_OFFLINE);
    }
    EXPECT_EQ(xell_vport_stop(ioc, 0, wwn_of({0x21, 0x00, 0x00, 0x7a, 0x3c, 0x05, 0x10, 0x09})),
              XEL_STATUS_UNKNOWN_VWWN);
}

// A REPORT LUNS answer as SPC lays it out: the list length (big-endian),
// four reserved bytes, then eight bytes per LUN (peripheral addressing).
std::vector<uint8_t> report_luns(std::initializer_list<uint8_t> luns, size_t room = 0)
{
    std::vector<uint8_t> data(8 + 8 * std::max(room, luns.size()), 0);
    data[3] = static_cast<uint8_t>(8 * luns.size());
    size_t at = 8;
    for (uint8_t n : luns) {
        data[at + 1] = n;
        at += 8;
    }
    return data;
}

TEST_F(Fabric, LunMaskFilterKeepsLunZeroAndTheInitiatorsEntries)
{
    const wwn_t base = xell_ioc_get_pwwn(ioc);
    const wwn_t other = wwn_of({0x10, 0x00, 0x00, 0x7a, 0x3c, 0x05, 0x10, 0x09});
    wwn_t lp = 0;
    ASSERT_EQ(xell_fcpim_lunmask_add(ioc, 0, &lp, array, lun_of({0, 3})), XEL_STATUS_OK);
    EXPECT_EQ(lp, base); // the driver names the base port it used
    ASSERT_EQ(xell_fcpim_lunmask_enable(ioc), XEL_STATUS_OK);
    const struct {
        const char *what;
        wwn_t lpwwn;
        wwn_t rpwwn;
        std::vector<uint8_t> in;
        int result;
        std::vector<uint8_t> out;
    } cases[] = {
        {"masked LUN 5 dropped", base, array, report_luns({0, 3, 5}), 1, report_luns({0, 3}, 3)},
        {"zero local WWN is the base port", 0, array, report_luns({0, 3, 5}), 1, report_luns({0, 3}, 3)},
        {"another initiator keeps only LUN 0", other, array, report_luns({0, 3}), 1, report_luns({0}, 2)},
        {"another target keeps only LUN 0", base, jbod, report_luns({0, 3}), 1, report_luns({0}, 2)},
        {"list longer than the data", base, array, [] { auto d = report_luns({0, 3, 5}); d[3] = 0x20; return d; }(),
         0, [] { auto d = report_luns({0, 3, 5}); d[3] = 0x20; return d; }()},
    };
    for (const auto &c : cases) {
        std::vector<uint8_t> data = c.in;
        EXPECT_EQ(xell_scsi_lm_modify_rpl_payload(ioc, c.lpwwn, c.rpwwn, data.data(), static_cast<uint32_t>(data.size())),
                  c.result)
            << c.what;
        EXPECT_EQ(data, c.out) << c.what;
    }
    ASSERT_EQ(xell_fcpim_lunmask_disable(ioc), XEL_STATUS_OK);
    std::vector<uint8_t> data = report_luns({0, 3, 5});
    EXPECT_EQ(xell_scsi_lm_modify_rpl_payload(ioc, base, array, data.data(), static_cast<uint32_t>(data.size())), 0);
    EXPECT_EQ(data, report_luns({0, 3, 5}));
}

} // namespace
