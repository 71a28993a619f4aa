#include "ixo_errors.h"
#include "emulated_host.h"
#include "ixo_id.h"
#include "sim_kernel.h"
#include "sim_topology.h"
#include "temp_root.h"
#include "xell_adapter.h"
#include "xell_state.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

namespace {

// The library over the emulated kernel on a fresh default host: a
// two-port FC HBA (bus 05) and a two-port converged adapter (bus 06,
// FCoE functions 0 and 1, Ethernet functions 2 and 3).
class DefaultHost : public EmulatedHostTest {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(start("default"));
        ASSERT_EQ(xell_adapter_scan(), 2);
    }
};

} // namespace

TEST_F(DefaultHost, AdaptersGroupFunctionsByBus)
{
    xell_adapter_t *hba = xell_adapter_get_by_idx(1);
    xell_adapter_t *cna = xell_adapter_get_by_idx(2);
    ASSERT_NE(hba, nullptr);
    ASSERT_NE(cna, nullptr);
    EXPECT_EQ(xell_adapter_get_by_idx(0), nullptr);
    EXPECT_EQ(xell_adapter_get_by_idx(3), nullptr);
    EXPECT_STREQ(hba->adapter_hwpath, "0000:05:00.0");
    EXPECT_STREQ(hba->adapter_type, "HBA");
    EXPECT_EQ(hba->port_count, 2);
    EXPECT_EQ(cna->port_count, 2);

    // Each converged port holds its FCoE function at position 0 and its
    // Ethernet function at position 1.
    for (int port_id = 0; port_id < 2; port_id++) {
        xell_port_t *port = xell_adapter_get_port(cna, port_id);
        ASSERT_NE(port, nullptr);
        ASSERT_EQ(xell_port_get_ioc_count(port), 2);
        EXPECT_EQ(xell_port_get_ioc(port, 0)->ioc_type, XEL_IOC_TYPE_FCoE);
        EXPECT_EQ(xell_port_get_ioc(port, 0)->pcifn_id, port_id);
        EXPECT_EQ(xell_port_get_ioc(port, 1)->ioc_type, XEL_IOC_TYPE_LL);
        EXPECT_EQ(xell_port_get_ioc(port, 1)->pcifn_id, port_id + 2);
        EXPECT_EQ(xell_port_get_ioc(port, 1)->ad_id, 2);
    }
    EXPECT_EQ(xell_adapter_get_by_str(hba->serial_num), hba);
    EXPECT_EQ(xell_adapter_get_by_str("0000:06:00.0"), cna);
    EXPECT_EQ(xell_adapter_get_by_str("0000:06"), nullptr);
}

TEST_F(DefaultHost, TargetWordsResolve)
{
    struct {
        const char *word;
        int ioc_type;
        int status;
        const char *pci; // the function resolved to
    } const cases[] = {
        {"1/0", IXO_IOC_TYPE_FC, E_CLI_NO_ERROR, "0000:05:00.0"},
        {"1/1", IXO_IOC_TYPE_FC, E_CLI_NO_ERROR, "0000:05:00.1"},
        {"10:00:00:7a:3c:05:10:01", IXO_IOC_TYPE_FC, E_CLI_NO_ERROR, "0000:05:00.1"},
        {"0000:05:00.1", IXO_IOC_TYPE_FC, E_CLI_NO_ERROR, "0000:05:00.1"},
        {"2/1", IXO_IOC_TYPE_FC, E_CLI_NO_ERROR, "0000:06:00.1"},
        {"2/1", IXO_IOC_TYPE_ETH, E_CLI_NO_ERROR, "0000:06:00.3"},
        {"2/0/2", IXO_IOC_TYPE_ETH, E_CLI_NO_ERROR, "0000:06:00.2"},
        {"2/0/2", IXO_IOC_TYPE_FC, E_CLI_NO_FC_INFO, nullptr},
        {"1/0", IXO_IOC_TYPE_ETH, E_CLI_NO_ETH_INFO, nullptr},
        {"1/0/1", IXO_IOC_TYPE_FC, E_CLI_INCORRECT_PORT_ID, nullptr}, // function 1 is on port 1
        {"1/5", IXO_IOC_TYPE_FC, E_CLI_INCORRECT_PORT_ID, nullptr},
        {"0/0", IXO_IOC_TYPE_FC, E_CLI_INCORRECT_PORT_ID, nullptr},
        {"3/0", IXO_IOC_TYPE_FC, E_CLI_INCORRECT_PORT_ID, nullptr},
        {"1//0", IXO_IOC_TYPE_FC, E_CLI_INCORRECT_PORT_ID, nullptr},
        {"4294967297/0", IXO_IOC_TYPE_FC, E_CLI_INCORRECT_PORT_ID, nullptr},
        {"1/4294967296", IXO_IOC_TYPE_FC, E_CLI_INCORRECT_PORT_ID, nullptr},
        {"10:00:00:7a:3c:05:10:01", IXO_IOC_TYPE_ETH, E_CLI_INCORRECT_PORT_ID, nullptr},
        {"10:00:00:7a:3c:05:10:1", IXO_IOC_TYPE_FC, E_CLI_INCORRECT_PORT_ID, nullptr}, // not a WWN
        {"", IXO_IOC_TYPE_FC, E_CLI_INCORRECT_PORT_ID, nullptr},
        {"nosuchname", IXO_IOC_TYPE_FC, E_CLI_INCORRECT_PORT_ID, nullptr},
    };
    for (const auto &c : cases) {
        xell_t *ioc = nullptr;
        EXPECT_EQ(ixo_get_port_id(c.word, c.ioc_type, &ioc), c.status) << c.word;
        if (c.pci != nullptr && ioc != nullptr) {
            EXPECT_STREQ(ioc->ioc_hwpath, c.pci) << c.word;
        }
    }
}

TEST_F(DefaultHost, RangeEndsAtTheIocItsSecondWordNames)
{
    struct {
        const char *word;
        const char *first;
        const char *last;
    } const cases[] = {
        {"1/0-2/1", "0000:05:00.0", "0000:06:00.1"},
        {"1/1-TSC10060001", "0000:05:00.1", "0000:06:00.0"}, // by serial number
        {"1/1-nosuchname", "0000:05:00.1", "0000:05:00.1"},
        {"1/1-", "0000:05:00.1", "0000:05:00.1"}, // not the first IOC whose port name is unset
    };
    for (const auto &c : cases) {
        xell_t *ioc = nullptr;
        xell_t *last = nullptr;
        ASSERT_EQ(ixo_get_port_id(c.word, IXO_IOC_TYPE_FC, &ioc, &last), E_CLI_NO_ERROR) << c.word;
        EXPECT_STREQ(ioc->ioc_hwpath, c.first) << c.word;
        EXPECT_STREQ(last->ioc_hwpath, c.last) << c.word;
    }
}

TEST_F(DefaultHost, StrictFormsAndFirstIoc)
{
    xell_t *ioc = nullptr;
    EXPECT_EQ(ixo_get_port_id_strict("1/0/0", IXO_IOC_TYPE_FC, &ioc), E_CLI_INCORRECT_PORT_ID);
    EXPECT_EQ(ixo_get_pcifn_id_strict("1/0", IXO_IOC_TYPE_FC, &ioc), E_CLI_INCORRECT_PCIFN_ID);
    EXPECT_EQ(ixo_get_pcifn_id_strict("1/0/0", IXO_IOC_TYPE_FC, &ioc), E_CLI_NO_ERROR);

    int port = -1;
    int pcifn = -1;
    ASSERT_EQ(ixo_get_first_ioc("2/1/3", &ioc, &port, &pcifn, true), E_CLI_NO_ERROR);
    EXPECT_STREQ(ioc->ioc_hwpath, "0000:06:00.0"); // the first function of port 0
    EXPECT_EQ(port, 1);
    EXPECT_EQ(pcifn, 3);
    EXPECT_EQ(ixo_get_first_ioc("2/1", &ioc, &port, &pcifn, true), E_CLI_INCORRECT_PCIFN_ID);
    EXPECT_EQ(ixo_get_first_ioc("2/1/3", &ioc, &port, &pcifn, false), E_CLI_INCORRECT_PORT_ID);
    // A function with no driver loaded is taken by its numbers.
    ASSERT_EQ(ixo_get_first_ioc("2/1/5", &ioc, &port, &pcifn, true), E_CLI_NO_ERROR);
    EXPECT_EQ(pcifn, 5);
}

TEST_F(DefaultHost, AdapterWords)
{
    EXPECT_EQ(ixo_get_adapter_id("1"), xell_adapter_get_by_idx(1));
    EXPECT_EQ(ixo_get_adapter_id("2"), xell_adapter_get_by_idx(2));
    EXPECT_EQ(ixo_get_adapter_id("3"), nullptr);
    EXPECT_EQ(ixo_get_adapter_id("0"), nullptr);
    EXPECT_EQ(ixo_get_adapter_id("1x"), nullptr);
    EXPECT_EQ(ixo_get_adapter_id("18446744073709551617"), nullptr);
    EXPECT_EQ(ixo_get_adapter_id("0000:06:00.0"), xell_adapter_get_by_idx(2));
}

namespace {

// Three adapters: an HBA whose second function is not bound to a SCSI
// host, a converged adapter and a NIC whose functions only the network
// driver claims.
constexpr const char *three_adapters = R"({
  "adapters": [
    {"serial": "TSF00000011", "name": "lab-hba", "nports": 2, "functions": [
      {"pci": "0000:11:00.0", "type": "fc", "port": 0},
      {"pci": "0000:11:00.1", "type": "fc", "port": 1, "bound": false}]},
    {"serial": "TSC00000012", "functions": [
      {"pci": "0000:12:00.0", "type": "fcoe", "port": 0},
      {"pci": "0000:12:00.1", "type": "eth", "port": 0}]},
    {"serial": "TSN00000013", "functions": [
      {"pci": "0000:13:00.0", "type": "eth", "port": 0},
      {"pci": "0000:13:00.1", "type": "eth", "port": 1}]}
  ]
})";

class ThreeAdapters : public EmulatedHostTest {
protected:
    void SetUp() override
    {
        std::string error;
        sim_topology topology;
        ASSERT_TRUE(sim_parse_topology(three_adapters, &topology, &error)) << error;
        ASSERT_TRUE(start(topology));
        ASSERT_EQ(xell_adapter_scan(), 3);
    }
};

} // namespace

TEST_F(ThreeAdapters, NumberedInDiscoveryOrderWithTheirKinds)
{
    const char *expected[][3] = {{"0000:11:00.0", "HBA", "TSF00000011"},
                                 {"0000:12:00.0", "CNA", "TSC00000012"},
                                 {"0000:13:00.0", "NIC", "TSN00000013"}};
    for (int id = 1; id <= 3; id++) {
        xell_adapter_t *adapter = xell_adapter_get_by_idx(id);
        ASSERT_NE(adapter, nullptr);
        EXPECT_STREQ(adapter->adapter_hwpath, expected[id - 1][0]);
        EXPECT_STREQ(adapter->adapter_type, expected[id - 1][1]);
        EXPECT_EQ(xell_adapter_get_by_str(expected[id - 1][2]), adapter);
    }
    EXPECT_EQ(xell_adapter_get_by_str("lab-hba"), xell_adapter_get_by_idx(1));
    // The unbound function gave port 1 no IOC.
    EXPECT_EQ(xell_adapter_get_port_count(1), 1);
    EXPECT_EQ(xell_adapter_get_port(xell_adapter_get_by_idx(1), 1), nullptr);
}

TEST_F(ThreeAdapters, FunctionWithoutDriverIsNamedByItsNumbers)
{
    xell_t *ioc = nullptr;
    EXPECT_EQ(ixo_get_port_id("1/1", IXO_IOC_TYPE_FC, &ioc), E_CLI_INCORRECT_PORT_ID);
    int port = -1;
    int pcifn = -1;
    ASSERT_EQ(ixo_get_first_ioc("1/1/1", &ioc, &port, &pcifn, true), E_CLI_NO_ERROR);
    EXPECT_STREQ(ioc->ioc_hwpath, "0000:11:00.0");
    EXPECT_EQ(port, 1);
    EXPECT_EQ(pcifn, 1);
    EXPECT_EQ(ixo_get_port_id("3/1", IXO_IOC_TYPE_ETH, &ioc), E_CLI_NO_ERROR);
    EXPECT_STREQ(ioc->ioc_hwpath, "0000:13:00.1");
    EXPECT_EQ(ixo_get_port_id("3/1", IXO_IOC_TYPE_FC, &ioc), E_CLI_NO_FC_INFO);
    EXPECT_EQ(ixo_get_adapter_id("lab-hba"), xell_adapter_get_by_idx(1));
}

TEST_F(DefaultHost, AdapterModeChangeIsCheckedFirst)
{
    xel_adapter_cfg_mode_t cfg{0, 0, XEL_MODE_NIC};
    xell_t *hba = xell_adapter_get_first_ioc(xell_adapter_get_by_idx(1));
    EXPECT_EQ(xell_adapter_cfg_mode(hba, &cfg, true), XEL_STATUS_FEATURE_NOT_SUPPORTED);
}
