// The network partition handler, which no command row names: its word,
// the Ethernet function of port 0 it needs, and the request it sends.
#include "emulated_host.h"
#include "ixo_commands.h"
#include "ixo_errors.h"
#include "sim_state.h"
#include "xell_request_cache.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class AdapterNwpart : public EmulatedHostTest {
protected:
    int run(int adapter, const char *word)
    {
        std::vector<std::string> words = {"ixo", "adapter", "--nwpart", std::to_string(adapter), word};
        std::vector<char *> argv;
        for (auto &w : words)
            argv.push_back(w.data());
        ixo_id_t id{};
        id.adapter = xell_adapter_get_by_idx(adapter);
        return ixo_adapter_cfg_nwpart(argv.data(), static_cast<int>(argv.size()), &id);
    }
    std::string log()
    {
        std::string text;
        EXPECT_EQ(sim_store(root.path()).read_log(&text), 0);
        return text;
    }
};

TEST_F(AdapterNwpart, NeedsItsWordAndAnEthernetFunction)
{
    ASSERT_TRUE(start("default"));
    ASSERT_EQ(xell_adapter_scan(), 2);
    ASSERT_EQ(sim_store(root.path()).clear_log(), 0);
    EXPECT_EQ(run(2, "Enable"), E_CLI_INCORRECT_CMD);
    EXPECT_EQ(run(1, "enable"), E_CLI_NO_ETH_INFO);
    EXPECT_EQ(log().find("0xC008"), std::string::npos);
    testing::internal::CaptureStdout();
    EXPECT_EQ(run(2, "disable"), 0);
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "Adapter Network Partition disabled\nA host reboot is needed for the changes to be effective\n\n");
    // Sent through the network driver, to the Ethernet function of port 0.
    EXPECT_NE(log().find("kwo 0   0xC0084445 status 0"), std::string::npos) << log();
}

} // namespace
