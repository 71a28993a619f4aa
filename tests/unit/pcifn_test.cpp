#include "emulated_host.h"
#include "sim_state.h"
#include "xell_pcifn.h"
#include "xell_port.h"
#include "xell_request_cache.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <memory>

// Bandwidth words come out in units of 100 Mbit/s (or as the percentage),
// counted in whole numbers: a fraction of a gigabit never loses a unit.
TEST(PcifnBandwidth, WordsConvertExactlyOrAreRefused)
{
    struct {
        const char *text;
        xel_status_t status;
        int value;
    } const cases[] = {
        {"500", XEL_STATUS_OK, 5},
        {"500M", XEL_STATUS_OK, 5},
        {"6.5G", XEL_STATUS_OK, 65},
        {"9.2G", XEL_STATUS_OK, 92},
        {"2.3G", XEL_STATUS_OK, 23},
        {"10G", XEL_STATUS_OK, 100},
        {"10000", XEL_STATUS_OK, 100},
        {"50%", XEL_STATUS_OK, 50},
        {"0", XEL_STATUS_OK, 0},
        {"150M", XEL_STATUS_INVALID_BW, 0},
        {"10.5M", XEL_STATUS_INVALID_BW, 0},
        {"101%", XEL_STATUS_INVALID_BW, 0},
        {"1.5%", XEL_STATUS_INVALID_BW, 0},
        {"0.25G", XEL_STATUS_INVALID_BW, 0},
        {"10.1G", XEL_STATUS_INVALID_BW, 0},
        {"5.G", XEL_STATUS_INVALID_BW, 0},
        {".5G", XEL_STATUS_INVALID_BW, 0},
        {"1.2.3G", XEL_STATUS_INVALID_BW, 0},
        {"G", XEL_STATUS_INVALID_BW, 0},
        {"", XEL_STATUS_INVALID_BW, 0},
        {"5g", XEL_STATUS_INVALID_BW, 0},
        {"-5", XEL_STATUS_INVALID_BW, 0},
        {"99999999999999999999G", XEL_STATUS_INVALID_BW, 0},
    };
    for (const auto &c : cases) {
        int value = -7;
        EXPECT_EQ(xell_convert_bw(nullptr, c.text, &value), c.status) << c.text;
        EXPECT_EQ(value, c.status == XEL_STATUS_OK ? c.value : -7) << c.text;
    }
    int value = 0;
    EXPECT_EQ(xell_convert_bw(nullptr, nullptr, &value), XEL_STATUS_FAILED);
}

namespace {

constexpr const char *eth0 = "0000:06:00.2";

// The library on a fresh default host, whose adapter 2 is converged.
class VnicLibrary : public EmulatedHostTest {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(start("default"));
        ASSERT_EQ(xell_adapter_scan(), 2);
    }
    static xell_t *eth_ioc()
    {
        return xell_port_get_first_ethioc(xell_adapter_get_port(xell_adapter_get_by_idx(2), 0));
    }
    // The driver reports a count of its own at a byte offset of the
    // statistics record.
    void driver_count(size_t offset, uint64_t value)
    {
        xell_request_cache_forget();
        ASSERT_EQ(sim_store(root.path()).transact([&](sim_store::session &s) {
            s.state.functions.at(eth0).vnic_stats[static_cast<uint32_t>(offset)] = value;
            s.changed = true;
        }),
                  0);
    }
};

} // namespace

// A count beyond the array it counts is refused before anything indexes
// with it: the caller never walks past the record.
TEST_F(VnicLibrary, StatisticsCountsBeyondTheirArraysAreRefused)
{
    auto stats = std::make_unique<xel_vnic_stats_t>();
    const xell_stats_t *desc = nullptr;
    ASSERT_EQ(xell_vnic_get_stats(eth_ioc(), &desc, stats.get()), XEL_STATUS_OK);
    EXPECT_EQ(stats->num_txf, 1u);
    EXPECT_EQ(stats->rxf_stats[0].rxp_stats[0].num_rxq, 2u);

    const size_t rxq_count = offsetof(xel_vnic_stats_t, rxf_stats) + offsetof(xel_vnic_stats_rxf_t, rxp_stats) +
                             offsetof(xel_vnic_stats_rxp_t, num_rxq);
    const struct {
        size_t offset;
        uint64_t value;
    } cases[] = {
        {offsetof(xel_vnic_stats_t, num_txf), 9},
        {offsetof(xel_vnic_stats_t, num_rxf), 17},
        {offsetof(xel_vnic_stats_t, txf_stats) + offsetof(xel_vnic_stats_txf_t, num_txq), 9},
        {rxq_count, 3},
    };
    for (const auto &c : cases) {
        driver_count(c.offset, c.value);
        EXPECT_EQ(xell_vnic_get_stats(eth_ioc(), &desc, stats.get()), XEL_STATUS_FAILED) << c.offset;
        driver_count(c.offset, c.offset == rxq_count ? 2 : 1);
        EXPECT_EQ(xell_vnic_get_stats(eth_ioc(), &desc, stats.get()), XEL_STATUS_OK) << c.offset;
    }
}
