#include "xel_stats_records.h"
#include "xell_stats.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::string print(const xell_stats_t *table, const void *record, const char *member = nullptr)
{
    testing::internal::CaptureStdout();
    xell_print_stats(table, record, 0, member);
    return testing::internal::GetCapturedStdout();
}

struct counter_line {
    std::string label;
    unsigned long long value;
};

// Splits "\t<label> : <value>\n" lines; a line of any other shape fails.
std::vector<counter_line> parse(const std::string &out)
{
    std::vector<counter_line> lines;
    std::istringstream in(out);
    std::string line;
    while (std::getline(in, line)) {
        auto colon = line.rfind(" : ");
        EXPECT_TRUE(line.size() > 1 && line[0] == '\t' && colon != std::string::npos) << line;
        if (colon == std::string::npos)
            continue;
        lines.push_back({line.substr(1, colon - 1), std::stoull(line.substr(colon + 3))});
    }
    return lines;
}

// A record whose every counter holds its own index, counted in words of T
// from the record's start: a printed value tells where it was read.
template <class Record, class T> std::unique_ptr<Record> indexed()
{
    static_assert(sizeof(Record) % sizeof(T) == 0);
    auto record = std::make_unique<Record>();
    for (std::size_t i = 0; i < sizeof(Record) / sizeof(T); i++) {
        T word = static_cast<T>(i);
        std::memcpy(reinterpret_cast<unsigned char *>(record.get()) + i * sizeof word, &word, sizeof word);
    }
    return record;
}

} // namespace

TEST(PrintStats, NestedRecordsPrintTheirCountersOnly)
{
    auto stats = indexed<xel_ioc_stats_t, uint32_t>();
    EXPECT_EQ(print(&xell_xel_ioc_stats, stats.get()), "\tMailbox interrupts : 0\n"
                                                       "\tEnable events : 1\n"
                                                       "\tDisable events : 2\n"
                                                       "\tHeartbeat failures : 3\n"
                                                       "\tFirmware boots : 4\n"
                                                       "\tStats timeouts : 5\n"
                                                       "\tHeart-beat count : 6\n"
                                                       "\tDisable requests : 7\n"
                                                       "\tEnable requests : 8\n"
                                                       "\tDisable replies : 9\n"
                                                       "\tEnable replies : 10\n"
                                                       "\tEnable Requests : 12\n"
                                                       "\tDisable Requests : 13\n"
                                                       "\tGet Attr Requests : 14\n"
                                                       "\tDBG sync count : 15\n"
                                                       "\tDBG dump count : 16\n"
                                                       "\tUnknown Requests : 17\n");
}

TEST(PrintStats, CountersOfEveryWidthPrintInFull)
{
    xel_port_stats_t stats;
    std::memset(&stats, 0, sizeof stats);
    stats.fc.secs_reset = 59;
    stats.fc.tx_frames = 0x100000002ull;
    stats.fc.loop_timeouts = UINT64_MAX;
    std::string out = print(&xell_xel_port_stats, &stats, "fc_stats");
    EXPECT_EQ(out.substr(0, 73), "\tSeconds since stats is reset : 59\n"
                                 "\tTx frames : 4294967298\n"
                                 "\tTx words : 0\n");
    EXPECT_NE(out.find("\tLoop timeouts : 18446744073709551615\n"), std::string::npos);

    xel_phy_stats_t phy{};
    phy.crc_error = UINT32_MAX;
    EXPECT_NE(print(&xell_xel_phy_stats, &phy).find("\tNum of CRC errors : 4294967295\n"), std::string::npos);

    // No table has 16-bit counters yet; the printer still knows them.
    const xell_stats_desc_t rows[] = {
        {XELL_STRUCT, XELL_UINT16, "Half word", 2, 0, nullptr},
        {XELL_STRUCT, static_cast<xell_field_type>(7), "Not a counter", 0, 0, nullptr},
    };
    const xell_stats_t half{2, "half_t", rows};
    const unsigned char record[] = {0x34, 0x12, 0xff, 0xff};
    EXPECT_EQ(print(&half, record), "\tHalf word : 65535\n");
}

TEST(PrintStats, NothingWithoutTableRecordOrRows)
{
    xel_ioc_stats_t stats{};
    const xell_stats_t empty{0, "empty_t", xell_xel_ioc_stats.desc};
    EXPECT_EQ(print(nullptr, &stats), "");
    EXPECT_EQ(print(&xell_xel_ioc_stats, nullptr), "");
    EXPECT_EQ(print(&empty, &stats), "");
}

// Whole tables printed from an indexed record: the counters come out once
// each, in record order, each read at its own offset.
TEST(PrintStats, WholeTablesReadEveryCounterInOrder)
{
    struct {
        const char *what;
        const xell_stats_t *table;
        std::shared_ptr<void> record;
        const char *member;
        std::size_t lines;
        const char *first, *last;
        bool gapless; // values run 0, 1, 2, ... without a hole
    } const cases[] = {
        {"FC port", &xell_xel_port_stats, indexed<xel_port_stats_t, uint64_t>(), "fc_stats", 39,
         "Seconds since stats is reset", "Loop timeouts", true},
        {"Ethernet port", &xell_xel_port_stats, indexed<xel_port_stats_t, uint64_t>(), "eth_stats", 42,
         "Seconds since stats is reset", "Tx iSCSI zero pause", true},
        {"Ethernet block, arrays of records", &xell_kwo_stats, indexed<kwo_stats_t, uint64_t>(), nullptr, 1534,
         "frame_64", "Txf SA check filtered frames", true},
        {"virtual NIC", &xell_xel_vnic_stats, indexed<xel_vnic_stats_t, uint64_t>(), nullptr, 9790,
         "Link toggle count", "Consumer index", true},
        {"FC firmware", &xell_xel_fw_stats, indexed<xel_fw_stats_t, uint32_t>(), "fc_uport", 221, "Enable Requests",
         "crc_err", false},
        {"FCoE firmware", &xell_xel_fw_stats, indexed<xel_fw_stats_t, uint32_t>(), "fcoe_port", 187,
         "Enable Requests", "crc_err", false},
        {"remote port", &xell_xel_rport_stats, indexed<xel_rport_stats_t, uint32_t>(), nullptr, 65,
         "remote port offline count", "IOC down: exceptions", true},
        {"virtual port", &xell_xel_vport_stats, indexed<xel_vport_stats_t, uint32_t>(), nullptr, 81,
         "ns_plogi_sent", "cleanup request from fab SM", true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        auto lines = parse(print(c.table, c.record.get(), c.member));
        ASSERT_EQ(lines.size(), c.lines);
        EXPECT_EQ(lines.front().label, c.first);
        EXPECT_EQ(lines.back().label, c.last);
        for (std::size_t i = 1; i < lines.size(); i++) {
            if (c.gapless)
                ASSERT_EQ(lines[i].value, lines[i - 1].value + 1) << lines[i].label;
            else
                ASSERT_GT(lines[i].value, lines[i - 1].value) << lines[i].label;
        }
    }
}

TEST(PrintStats, FirmwareMembersReadBehindReservedWords)
{
    auto stats = indexed<xel_fw_stats_t, uint32_t>();
    std::string fc = print(&xell_xel_fw_stats, stats.get(), "fc_uport");
    EXPECT_NE(fc.find("\tLPSM cls_rx : 163\n"), std::string::npos); // 396 + 128 + 128 bytes in
    EXPECT_NE(fc.find("\tLPSM online : 189\n"), std::string::npos);
    EXPECT_NE(fc.find("\tTrunk EMT received : 194\n"), std::string::npos); // past a reserved word
    EXPECT_NE(fc.find("\tcrc_err : 226\n"), std::string::npos);
    EXPECT_EQ(fc.find("FIP"), std::string::npos);

    std::string fcoe = print(&xell_xel_fw_stats, stats.get(), "fcoe_port");
    EXPECT_NE(fcoe.find("\tCEE link up count : 131\n"), std::string::npos); // the union's start
    EXPECT_NE(fcoe.find("\tInvalid FIP version : 154\n"), std::string::npos);
    EXPECT_EQ(fcoe.find("LPSM"), std::string::npos);
}

TEST(PrintStats, UnionWithoutMemberPrintsEveryMemberFromItsStart)
{
    xel_fcport_stats_t stats;
    std::memset(&stats, 0, sizeof stats);
    stats.fcoe.secs_reset = 0x500000007ull;
    auto lines = parse(print(&xell_xel_fcport_stats, &stats));
    ASSERT_EQ(lines.size(), 9u + 45u);
    EXPECT_EQ(lines[0].label, "QoS Flogi sent");
    EXPECT_EQ(lines[0].value, 7u);
    EXPECT_EQ(lines[1].label, "QoS Flogi Acc received");
    EXPECT_EQ(lines[1].value, 5u);
    EXPECT_EQ(lines[9].label, "Seconds since stats reset");
    EXPECT_EQ(lines[9].value, 0x500000007ull);

    auto qos = parse(print(&xell_xel_fcport_stats, &stats, "qos"));
    ASSERT_EQ(qos.size(), 9u);
    EXPECT_EQ(qos.back().label, "QoS RSCN received");
}
