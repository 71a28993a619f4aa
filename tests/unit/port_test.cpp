// The port library over the emulated kernel: what reaches the emulated
// drivers, the converged-port enable and disable rule, what lands in the
// configuration file, and failures reaching the caller.
#include "emulated_host.h"
#include "sim_driver.h"
#include "sim_kernel.h"
#include "sim_state.h"
#include "sim_topology.h"
#include "temp_root.h"
#include "xell_port.h"
#include "xell_request_cache.h"
#include "xell_transport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr const char *hba0 = "0000:05:00.0";
constexpr const char *fcoe0 = "0000:06:00.0";
constexpr const char *eth0 = "0000:06:00.2";

// The library on a fresh default host: adapter 1 a two-port FC HBA,
// adapter 2 a converged adapter whose ports hold an FCoE function
// (position 0) and an Ethernet function (position 1).
class PortLibrary : public EmulatedHostTest {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(start("default"));
        ASSERT_EQ(xell_adapter_scan(), 2);
        forget_requests();
    }

    static xell_t *ioc(int adapter, int port, int position)
    {
        return xell_port_get_ioc(xell_adapter_get_port(xell_adapter_get_by_idx(adapter), port), position);
    }

    // A change behind the library's back, as between two commands: what
    // the library kept from earlier reads is forgotten.
    void change_state(const std::function<void(sim_host_state &)> &change)
    {
        xell_request_cache_forget();
        ASSERT_EQ(sim_store(root.path()).transact([&](sim_store::session &s) {
            change(s.state);
            s.changed = true;
        }),
                  0);
    }
    void fault(const char *pci, uint32_t cmd, int status, int times = -1)
    {
        change_state([&](sim_host_state &st) { st.faults.push_back({pci, sim_fault_kind::status, cmd, status, times}); });
    }
    sim_port_state port_state(const char *key)
    {
        sim_port_state port;
        sim_store(root.path()).transact([&](sim_store::session &s) { port = s.state.ports.at(key); });
        return port;
    }

    // The next step starts afresh, like a new command.
    void forget_requests()
    {
        xell_request_cache_forget();
        ASSERT_EQ(sim_store(root.path()).clear_log(), 0);
    }
    // The codes of the requests sent since the last look, in their storage
    // form, leaving out the identity reads every operation may make.
    std::vector<uint32_t> requests()
    {
        std::string text;
        EXPECT_EQ(sim_store(root.path()).read_log(&text), 0);
        forget_requests();
        std::vector<uint32_t> codes;
        std::istringstream in(text);
        for (std::string line; std::getline(in, line);) {
            char driver[8] = {};
            uint32_t code = 0;
            if (std::sscanf(line.c_str(), "%7s %*s 0x%x", driver, &code) != 2)
                continue;
            code = sim_storage_form(driver, code);
            if (code != XEL_CMD_IOC_GET_ATTR && code != XEL_CMD_IOC_GET_INFO)
                codes.push_back(code);
        }
        return codes;
    }
    bool sent(const std::vector<uint32_t> &codes, uint32_t cmd)
    {
        return std::find(codes.begin(), codes.end(), cmd) != codes.end();
    }

    // The configuration file's lines that start with prefix.
    std::vector<std::string> config_lines(const std::string &prefix)
    {
        std::ifstream in(root.path() + "/etc/xel.conf");
        std::vector<std::string> lines;
        for (std::string line; std::getline(in, line);)
            if (line.rfind(prefix, 0) == 0)
                lines.push_back(line);
        return lines;
    }
};

uint32_t eth_state(xell_t *eth)
{
    xel_ethport_attr_s attr{};
    EXPECT_EQ(xell_ethport_get_attr(eth, &attr), XEL_STATUS_OK);
    return attr.port_state;
}

uint32_t fc_state(xell_t *fc)
{
    xel_port_attr_s attr{};
    EXPECT_EQ(xell_port_get_attr(fc, &attr), XEL_STATUS_OK);
    return attr.port_state;
}

} // namespace

TEST_F(PortLibrary, PortModelLookups)
{
    xell_port_t *port = xell_adapter_get_port(xell_adapter_get_by_idx(2), 1);
    ASSERT_NE(port, nullptr);
    xell_t *fcoe = xell_port_get_first_fcioc(port);
    xell_t *eth = xell_port_get_first_ethioc(port);
    ASSERT_NE(fcoe, nullptr);
    ASSERT_NE(eth, nullptr);
    EXPECT_EQ(xell_port_get_first_ioc(port), fcoe);
    EXPECT_EQ(xell_port_get_fcioc(port, 0), fcoe);
    EXPECT_EQ(xell_port_get_fcioc(port, 1), nullptr);
    EXPECT_EQ(xell_port_get_ethioc(port, 1), eth);
    EXPECT_EQ(xell_port_get_ioc_by_pcifn(port, 3), eth);
    EXPECT_EQ(xell_port_get_ioc_by_pcifn(port, 0), nullptr);
    EXPECT_EQ(xell_port_get_first_ioc(nullptr), nullptr);
    EXPECT_EQ(xell_port_get_fcioc(nullptr, 0), nullptr);
    EXPECT_EQ(port->factory_mac, fcoe->factory_mac);

    EXPECT_STREQ(xell_port_get_state_name(-1), "Unknown");
    EXPECT_STREQ(xell_port_get_state_name(17), "Unknown");
    EXPECT_STREQ(xell_port_get_state_name(16), "Disabled");
    EXPECT_STREQ(xell_port_get_state_name(5), "Linkup");

    char type[XELL_PORT_TYPE_TEXT];
    ASSERT_EQ(xell_port_get_type(ioc(1, 0, 0), type), XEL_STATUS_OK);
    EXPECT_STREQ(type, "16G FC");
    ASSERT_EQ(xell_port_get_type(fcoe, type), XEL_STATUS_OK);
    EXPECT_STREQ(type, "10G Eth");
}

// A converged port's FCoE and Ethernet sides share the physical port:
// the port requests move both, the FCoE requests only the FCoE function.
TEST_F(PortLibrary, ConvergedPortEnableAndDisable)
{
    xell_t *fcoe = ioc(2, 0, 0);
    xell_t *eth = ioc(2, 0, 1);

    // Ethernet up: disabling the FCoE target takes the whole port down.
    ASSERT_EQ(xell_port_disable(fcoe), XEL_STATUS_OK);
    auto codes = requests();
    EXPECT_TRUE(sent(codes, XEL_CMD_PORT_DISABLE));
    EXPECT_FALSE(sent(codes, XEL_CMD_FCOE_PORT_DISABLE));
    EXPECT_EQ(eth_state(eth), XEL_PORT_ST_DISABLED);
    EXPECT_EQ(fc_state(fcoe), XEL_PORT_ST_DISABLED);

    // Ethernet disabled: the disable goes to the FCoE function alone.
    forget_requests();
    ASSERT_EQ(xell_port_disable(fcoe), XEL_STATUS_OK);
    codes = requests();
    EXPECT_TRUE(sent(codes, XEL_CMD_FCOE_PORT_DISABLE));
    EXPECT_FALSE(sent(codes, XEL_CMD_PORT_DISABLE));

    // Ethernet disabled: enable brings up the whole port.
    ASSERT_EQ(xell_port_enable(fcoe), XEL_STATUS_OK);
    codes = requests();
    EXPECT_TRUE(sent(codes, XEL_CMD_PORT_ENABLE));
    EXPECT_FALSE(sent(codes, XEL_CMD_FCOE_PORT_ENABLE));
    EXPECT_EQ(eth_state(eth), XEL_PORT_ST_LINKUP);
    EXPECT_EQ(fc_state(fcoe), XEL_PORT_ST_LINKUP);

    // Ethernet up, FCoE down: enable sends only the FCoE enable, also when
    // the Ethernet function is the target.
    ASSERT_EQ(xell_fcoe_port_disable(fcoe), XEL_STATUS_OK);
    EXPECT_EQ(eth_state(eth), XEL_PORT_ST_LINKUP);
    EXPECT_EQ(fc_state(fcoe), XEL_PORT_ST_DISABLED);
    forget_requests();
    ASSERT_EQ(xell_port_enable(eth), XEL_STATUS_OK);
    codes = requests();
    EXPECT_TRUE(sent(codes, XEL_CMD_FCOE_PORT_ENABLE));
    EXPECT_FALSE(sent(codes, XEL_CMD_PORT_ENABLE));
    EXPECT_EQ(fc_state(fcoe), XEL_PORT_ST_LINKUP);

    // A plain FC port has no Ethernet side to ask.
    ASSERT_EQ(xell_port_disable(ioc(1, 1, 0)), XEL_STATUS_OK);
    codes = requests();
    EXPECT_FALSE(sent(codes, XEL_CMD_ETHPORT_GET_ATTR));
    EXPECT_TRUE(sent(codes, XEL_CMD_PORT_DISABLE));
}

// Each setting the driver accepted is in the file afterwards, under the
// port's WWN; one it refused is not.
TEST_F(PortLibrary, SettingsPersistOnlyWhenAccepted)
{
    xell_t *fc = ioc(1, 0, 0);
    ASSERT_EQ(xell_port_cfg_speed(fc, XEL_PORT_SPEED_8GBPS), XEL_STATUS_OK);
    ASSERT_EQ(xell_port_cfg_topology(fc, XEL_PORT_TOPOLOGY_LOOP), XEL_STATUS_OK);
    ASSERT_EQ(xell_port_cfg_hardalpa(fc, 0xef), XEL_STATUS_OK);
    ASSERT_EQ(xell_port_cfg_maxfrsize(fc, 1024), XEL_STATUS_OK);
    ASSERT_EQ(xell_port_disable(fc), XEL_STATUS_OK);
    EXPECT_EQ(config_lines("xel0-"),
              (std::vector<std::string>{"xel0-port-wwn = \"10:00:00:7a:3c:05:10:00\";", "xel0-port-speed = 8;",
                                        "xel0-port-topology = \"loop\";", "xel0-port-hardalpa = 0xef;",
                                        "xel0-port-maxfrsize = 1024;", "xel0-port-enable = \"FALSE\";"}));

    // The configuration reached the port as sent: the frame size in the
    // header's second half-word, the AL_PA byte behind the header.
    sim_port_state port = port_state("0000:05/0");
    EXPECT_EQ(port.maxfrsize, 1024);
    EXPECT_TRUE(port.cfg_hardalpa);
    EXPECT_EQ(port.hardalpa, 0xef);

    ASSERT_EQ(xell_port_clr_hardalpa(fc), XEL_STATUS_OK);
    ASSERT_EQ(xell_port_enable(fc), XEL_STATUS_OK);
    EXPECT_TRUE(config_lines("xel0-port-hardalpa").empty());
    EXPECT_TRUE(config_lines("xel0-port-enable").empty());

    // Refused by the driver: the file is left as it was.
    EXPECT_EQ(xell_port_cfg_maxfrsize(fc, 4096), XEL_STATUS_INVLD_DFSZ);
    EXPECT_EQ(xell_port_cfg_speed(fc, XEL_PORT_SPEED_1GBPS), XEL_STATUS_UNSUPP_SPEED);
    fault(hba0, XEL_CMD_PORT_CFG_TOPOLOGY, XEL_STATUS_IOC_FAILURE);
    EXPECT_EQ(xell_port_cfg_topology(fc, XEL_PORT_TOPOLOGY_P2P), XEL_STATUS_IOC_FAILURE);
    EXPECT_EQ(config_lines("xel0-port-maxfrsize = 1024;").size(), 1u);
    EXPECT_EQ(config_lines("xel0-port-speed = 8;").size(), 1u);
    EXPECT_EQ(config_lines("xel0-port-topology = \"loop\";").size(), 1u);
}

// Speed and topology take effect when the port comes up again.
TEST_F(PortLibrary, ConfiguredSettingsTakeEffectAtTheNextEnable)
{
    xell_t *fc = ioc(1, 0, 0);
    ASSERT_EQ(xell_port_cfg_speed(fc, XEL_PORT_SPEED_4GBPS), XEL_STATUS_OK);
    ASSERT_EQ(xell_port_cfg_topology(fc, XEL_PORT_TOPOLOGY_LOOP), XEL_STATUS_OK);
    xel_port_attr_s attr{};
    ASSERT_EQ(xell_port_get_attr(fc, &attr), XEL_STATUS_OK);
    EXPECT_EQ(attr.speed, XEL_PORT_SPEED_16GBPS);
    EXPECT_EQ(attr.topology, XEL_PORT_TOPOLOGY_P2P);
    EXPECT_EQ(attr.pport_cfg.speed, XEL_PORT_SPEED_4GBPS);
    EXPECT_EQ(attr.pport_cfg.topology, XEL_PORT_TOPOLOGY_LOOP);
    uint8_t pid[4];
    std::memcpy(pid, &attr.pid, sizeof pid);
    EXPECT_EQ(pid[0], 0x0a);

    ASSERT_EQ(xell_port_disable(fc), XEL_STATUS_OK);
    ASSERT_EQ(xell_port_get_attr(fc, &attr), XEL_STATUS_OK);
    EXPECT_EQ(attr.speed, XEL_PORT_SPEED_UNKNOWN);
    EXPECT_EQ(attr.pid, 0u);
    ASSERT_EQ(xell_port_enable(fc), XEL_STATUS_OK);
    ASSERT_EQ(xell_port_get_attr(fc, &attr), XEL_STATUS_OK);
    EXPECT_EQ(attr.speed, XEL_PORT_SPEED_4GBPS);
    EXPECT_EQ(attr.topology, XEL_PORT_TOPOLOGY_LOOP);
    EXPECT_EQ(attr.port_type, XEL_PORT_TYPE_NLPORT);
    std::memcpy(pid, &attr.pid, sizeof pid);
    EXPECT_EQ(pid[2], 0xef);
}

// Disabling keeps an enabled boot configuration's topology in line with
// the port's, but only after a disable the driver accepted and only from
// a configuration that was read.
TEST_F(PortLibrary, DisableRewritesTheBootTopologyOnlyWhenSound)
{
    xell_t *fc = ioc(1, 0, 0);
    xel_boot_cfg_t boot{};
    ASSERT_EQ(xell_bios_query(fc, &boot), XEL_STATUS_OK);
    boot.enable = 1;
    boot.topology = XEL_PORT_TOPOLOGY_P2P;
    ASSERT_EQ(xell_bios_cfg(fc, &boot), XEL_STATUS_OK);
    ASSERT_EQ(xell_port_cfg_topology(fc, XEL_PORT_TOPOLOGY_LOOP), XEL_STATUS_OK);

    // The driver refuses the disable: neither the boot configuration nor
    // the file changes.
    fault(hba0, XEL_CMD_PORT_DISABLE, XEL_STATUS_DEVBUSY, 1);
    forget_requests();
    EXPECT_EQ(xell_port_disable(fc), XEL_STATUS_DEVBUSY);
    EXPECT_FALSE(sent(requests(), XEL_CMD_BIOS_CFG));
    EXPECT_TRUE(config_lines("xel0-port-enable").empty());

    // The boot configuration cannot be read: it is left alone.
    fault(hba0, XEL_CMD_BIOS_QUERY, XEL_STATUS_IOC_FAILURE, 1);
    EXPECT_EQ(xell_port_disable(fc), XEL_STATUS_OK);
    EXPECT_FALSE(sent(requests(), XEL_CMD_BIOS_CFG));
    ASSERT_EQ(xell_bios_query(fc, &boot), XEL_STATUS_OK);
    EXPECT_EQ(boot.topology, XEL_PORT_TOPOLOGY_P2P);
    EXPECT_EQ(boot.enable, 1);

    // Accepted and read: the boot topology follows the port.
    ASSERT_EQ(xell_port_enable(fc), XEL_STATUS_OK);
    forget_requests();
    EXPECT_EQ(xell_port_disable(fc), XEL_STATUS_OK);
    EXPECT_TRUE(sent(requests(), XEL_CMD_BIOS_CFG));
    ASSERT_EQ(xell_bios_query(fc, &boot), XEL_STATUS_OK);
    EXPECT_EQ(boot.topology, XEL_PORT_TOPOLOGY_LOOP);

    // A disabled boot configuration is never written.
    boot.enable = 0;
    ASSERT_EQ(xell_bios_cfg(fc, &boot), XEL_STATUS_OK);
    ASSERT_EQ(xell_port_enable(fc), XEL_STATUS_OK);
    ASSERT_EQ(xell_port_cfg_topology(fc, XEL_PORT_TOPOLOGY_P2P), XEL_STATUS_OK);
    forget_requests();
    EXPECT_EQ(xell_port_disable(fc), XEL_STATUS_OK);
    EXPECT_FALSE(sent(requests(), XEL_CMD_BIOS_CFG));
}

// A blank boot configuration that was read is replaced by the default; a
// failed read is returned and writes nothing.
TEST_F(PortLibrary, BootConfigurationDefaultsOnlyForBlankFlash)
{
    xell_t *fc = ioc(1, 1, 0);
    fault("0000:05:00.1", XEL_CMD_BIOS_QUERY, XEL_STATUS_IOC_FAILURE, 1);
    xel_boot_cfg_t boot{};
    boot.topology = 0x5a;
    EXPECT_EQ(xell_bios_query(fc, &boot), XEL_STATUS_IOC_FAILURE);
    EXPECT_EQ(boot.topology, 0x5a);
    EXPECT_FALSE(sent(requests(), XEL_CMD_BIOS_CFG));

    // Erasing the port's boot partition leaves blank flash.
    ASSERT_EQ(xell_flash_erase_part(fc, XEL_FLASH_PART_BOOT, 1), XEL_STATUS_OK);
    forget_requests();
    ASSERT_EQ(xell_bios_query(fc, &boot), XEL_STATUS_OK);
    EXPECT_TRUE(sent(requests(), XEL_CMD_BIOS_CFG));
    EXPECT_EQ(boot.version, 1);
    EXPECT_EQ(boot.enable, 1);
    EXPECT_EQ(boot.speed, XEL_PORT_SPEED_AUTO);

    // What was written carries a checksum the driver accepts; a record
    // the library refuses never goes out.
    boot.nbluns = 5;
    EXPECT_EQ(xell_bios_cfg(fc, &boot), XEL_STATUS_EINVAL);
    EXPECT_FALSE(sent(requests(), XEL_CMD_BIOS_CFG));
}

// The emulated drivers refuse a boot record whose checksum is wrong and
// keep what they had; the network boot record starts as erased flash and
// the query writes the default in its place, which stays across commands.
TEST_F(PortLibrary, BootRecordsWithAWrongChecksumAreRefused)
{
    xell_t *fc = ioc(1, 0, 0);
    xell_t *eth = ioc(2, 0, 1);
    std::vector<uint8_t> before = port_state("0000:05/0").boot;
    xel_ioctl_bios_t bios{};
    bios.cfg.version = XEL_BOOT_CFG_VERSION;
    bios.cfg.enable = 1;
    bios.cfg.speed = XEL_PORT_SPEED_AUTO;
    bios.cfg.chksum = 0x1234;
    EXPECT_EQ(xell_ioctl(fc, XEL_CMD_BIOS_CFG, &bios, 0, 0, sizeof bios), XEL_STATUS_OK);
    EXPECT_EQ(bios.status, XEL_STATUS_CHECKSUM_FAIL);
    EXPECT_EQ(port_state("0000:05/0").boot, before);

    EXPECT_TRUE(port_state("0000:06/0").ethboot.empty());
    xel_ethboot_cfg_t cfg{};
    ASSERT_EQ(xell_ethboot_query(eth, &cfg), XEL_STATUS_OK);
    EXPECT_TRUE(sent(requests(), XEL_CMD_ETHBOOT_CFG));
    ASSERT_EQ(xell_ethboot_vlan(eth, 100), XEL_STATUS_OK);
    std::vector<uint8_t> stored = port_state("0000:06/0").ethboot;
    ASSERT_EQ(stored.size(), sizeof cfg);
    // version, rsvd, checksum (XOR of the words 0x0001, 0x0000, 0x0064), enable, rsvd, VLAN 100.
    EXPECT_EQ(stored, (std::vector<uint8_t>{0x01, 0x00, 0x65, 0x00, 0x00, 0x00, 0x64, 0x00}));

    xel_ioctl_ethboot_t eb{};
    eb.cfg.version = XEL_ETHBOOT_CFG_VERSION;
    eb.cfg.vlan = 7;
    EXPECT_EQ(xell_ioctl(eth, XEL_CMD_ETHBOOT_CFG, &eb, 0, 0, sizeof eb), XEL_STATUS_OK);
    EXPECT_EQ(eb.status, XEL_STATUS_CHECKSUM_FAIL);
    EXPECT_EQ(port_state("0000:06/0").ethboot, stored);
}

// Every read the port commands make hands an injected failure to the
// caller and leaves the caller's record alone (the CEE attributes, which
// say why DCB is down, excepted for a driver's refusal).
TEST_F(PortLibrary, ReadFailuresReachTheCaller)
{
    xell_t *fc = ioc(1, 0, 0);
    xell_t *fcoe = ioc(2, 0, 0);
    xell_t *eth = ioc(2, 0, 1);
    struct read_case {
        const char *name;
        const char *pci;
        uint32_t cmd;
        std::function<xel_status_t()> read;
    };
    uint8_t sink[1024];
    auto *bytes = sink;
    const read_case cases[] = {
        {"port attributes", hba0, XEL_CMD_PORT_GET_ATTR,
         [&] { return xell_port_get_attr(fc, reinterpret_cast<xel_port_attr_s *>(bytes)); }},
        {"port statistics", hba0, XEL_CMD_PORT_GET_STATS,
         [&] {
             const xell_stats_t *desc = nullptr;
             return xell_port_get_stats(fc, &desc, reinterpret_cast<xel_port_stats_t *>(bytes));
         }},
        {"Ethernet port attributes", eth0, XEL_CMD_ETHPORT_GET_ATTR,
         [&] { return xell_ethport_get_attr(eth, reinterpret_cast<xel_ethport_attr_s *>(bytes)); }},
        {"CEE attributes", fcoe0, XEL_CMD_CEE_GET_ATTR,
         [&] { return xell_cee_get_attr(fcoe, reinterpret_cast<xel_cee_attr_t *>(bytes)); }},
        {"FCoE statistics", fcoe0, XEL_CMD_FCOE_GET_STATS,
         [&] {
             const xell_stats_t *desc = nullptr;
             return xell_fcoe_get_stats(fcoe, &desc, reinterpret_cast<xel_fcport_stats_t *>(bytes));
         }},
        {"SFP media", hba0, XEL_CMD_SFP_MEDIA,
         [&] { return xell_sfp_media(fc, reinterpret_cast<xel_defs_sfp_media_t *>(bytes)); }},
        {"D-port state", hba0, XEL_CMD_DIAG_DPORT_GET_STATE,
         [&] { return xell_diag_dport_get_state(fc, reinterpret_cast<xel_dport_state_t *>(bytes)); }},
        {"trunk attributes", hba0, XEL_CMD_PORT_GET_TRUNK_ATTR,
         [&] { return xell_port_get_trunk_attr(fc, reinterpret_cast<xel_trunk_attr_s *>(bytes)); }},
        {"fabric-assigned address", hba0, XEL_CMD_FAA_QUERY,
         [&] { return xell_faa_query(fc, reinterpret_cast<xel_faa_attr_s *>(bytes)); }},
        {"QoS attributes", hba0, XEL_CMD_QOS_GET_ATTR,
         [&] { return xell_qos_get_attr(fc, reinterpret_cast<xel_qos_attr_s *>(bytes)); }},
        {"boot configuration", hba0, XEL_CMD_BIOS_QUERY,
         [&] { return xell_bios_query(fc, reinterpret_cast<xel_boot_cfg_t *>(bytes)); }},
        {"logical ports", hba0, XEL_CMD_FABRIC_GET_LPORTS,
         [&] {
             int count = 4;
             return xell_fabric_get_lports(fc, 0, reinterpret_cast<wwn_t *>(bytes), &count);
         }},
        {"logical port attributes", hba0, XEL_CMD_LPORT_GET_ATTR,
         [&] { return xell_lport_get_attr(fc, 0, fc->pwwn, reinterpret_cast<xel_lport_attr_t *>(bytes)); }},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        std::memset(sink, 0x5a, sizeof sink);
        change_state([&](sim_host_state &st) {
            st.faults.push_back({c.pci, sim_fault_kind::transport_errno, c.cmd, EIO, 1});
        });
        EXPECT_EQ(c.read(), XEL_STATUS_EIO);
        EXPECT_EQ(sink[0], 0x5a);
        fault(c.pci, c.cmd, XEL_STATUS_IOC_FAILURE, 1);
        EXPECT_EQ(c.read(), XEL_STATUS_IOC_FAILURE);
        if (c.cmd != XEL_CMD_CEE_GET_ATTR) {
            EXPECT_EQ(sink[0], 0x5a);
        }
        EXPECT_EQ(sink[sizeof sink - 1], 0x5a);
        // The fault is used up: the next command reads again.
        xell_request_cache_forget();
        EXPECT_EQ(c.read(), XEL_STATUS_OK);
    }
}

TEST_F(PortLibrary, ConvergedReads)
{
    xell_t *fcoe = ioc(2, 1, 0);
    xel_cee_attr_t cee{};
    ASSERT_EQ(xell_cee_get_attr(fcoe, &cee), XEL_STATUS_OK);
    EXPECT_EQ(cee.cee_status, CEE_UP);
    EXPECT_EQ(cee.src_mac, fcoe->mac); // the port's base function is its FCoE function
    EXPECT_EQ(cee.link_speed, XEL_PORT_SPEED_10GBPS);
    EXPECT_EQ(xell_cee_get_attr(ioc(1, 0, 0), &cee), XEL_STATUS_CMD_NOTSUPP);

    xel_port_attr_s attr{};
    ASSERT_EQ(xell_port_get_attr(fcoe, &attr), XEL_STATUS_OK);
    EXPECT_EQ(attr.fcoe_vlan, 1002);

    // The port's statistics are steady without traffic; a reset zeroes them.
    const xell_stats_t *desc = nullptr;
    xel_fcport_stats_t fcoe_stats{};
    ASSERT_EQ(xell_fcoe_get_stats(fcoe, &desc, &fcoe_stats), XEL_STATUS_OK);
    EXPECT_EQ(desc, &xell_xel_fcport_stats);
    EXPECT_EQ(fcoe_stats.fcoe.fip_link_up, 1u);
    xel_port_stats_t first{}, second{};
    ASSERT_EQ(xell_port_get_stats(ioc(2, 1, 1), &desc, &first), XEL_STATUS_OK);
    EXPECT_EQ(desc, &xell_xel_port_stats);
    ASSERT_EQ(xell_port_get_stats(ioc(2, 1, 1), &desc, &second), XEL_STATUS_OK);
    EXPECT_NE(first.eth.rx_packets, 0u);
    EXPECT_EQ(std::memcmp(&first, &second, sizeof first), 0);
    ASSERT_EQ(xell_port_reset_stats(fcoe), XEL_STATUS_OK);
    ASSERT_EQ(xell_port_get_stats(fcoe, &desc, &second), XEL_STATUS_OK);
    EXPECT_EQ(second.eth.rx_packets, 0u);

    int count = 8;
    wwn_t lports[8] = {};
    ASSERT_EQ(xell_fabric_get_lports(fcoe, 0, lports, &count), XEL_STATUS_OK);
    ASSERT_EQ(count, 1);
    EXPECT_EQ(lports[0], fcoe->pwwn);
    xel_lport_attr_t lport{};
    ASSERT_EQ(xell_lport_get_attr(fcoe, 0, lports[0], &lport), XEL_STATUS_OK);
    EXPECT_EQ(lport.port_cfg.roles, XEL_LPORT_ROLE_FCP_IM);
    EXPECT_EQ(lport.pid, attr.pid);
    EXPECT_EQ(xell_lport_get_attr(fcoe, 0, ioc(1, 0, 0)->pwwn, &lport), XEL_STATUS_UNKNOWN_LWWN);
}

TEST_F(PortLibrary, Trunking)
{
    xell_adapter_t *hba = xell_adapter_get_by_idx(1);
    EXPECT_EQ(xell_adapter_is_trunk_capable(hba), XEL_STATUS_OK);
    EXPECT_EQ(xell_adapter_is_trunk_capable(xell_adapter_get_by_idx(2)), XEL_STATUS_TRUNK_UNSUPP_CNA);
    xel_trunk_attr_s trunk{};
    ASSERT_EQ(xell_trunk_query(1, &trunk), XEL_STATUS_OK);
    EXPECT_EQ(trunk.state, XEL_TRUNK_DISABLED);
    EXPECT_EQ(xell_trunk_disable(1), XEL_STATUS_TRUNK_DISABLED);

    // Ports that disagree are refused before any trunk request goes out.
    ASSERT_EQ(xell_port_cfg_speed(ioc(1, 1, 0), XEL_PORT_SPEED_8GBPS), XEL_STATUS_OK);
    forget_requests();
    EXPECT_EQ(xell_trunk_enable(1), XEL_STATUS_SPEED_MISMATCH);
    EXPECT_FALSE(sent(requests(), XEL_CMD_PORT_ENABLE_TRUNK));
    ASSERT_EQ(xell_port_cfg_speed(ioc(1, 1, 0), XEL_PORT_SPEED_AUTO), XEL_STATUS_OK);

    // The second port refuses: the first is undone.
    fault("0000:05:00.1", XEL_CMD_PORT_ENABLE_TRUNK, XEL_STATUS_DEVBUSY, 1);
    EXPECT_EQ(xell_trunk_enable(1), XEL_STATUS_DEVBUSY);
    EXPECT_FALSE(port_state("0000:05/0").trunked);

    ASSERT_EQ(xell_trunk_enable(1), XEL_STATUS_OK);
    ASSERT_EQ(xell_trunk_query(1, &trunk), XEL_STATUS_OK);
    EXPECT_EQ(trunk.state, XEL_TRUNK_ONLINE);
    EXPECT_EQ(trunk.speed, XEL_PORT_SPEED_32GBPS);
    EXPECT_EQ(trunk.link_attr[1].link_state, XEL_TRUNK_LINK_STATE_UP);
    EXPECT_EQ(xell_trunk_enable(1), XEL_STATUS_TRUNK_ENABLED);
    EXPECT_EQ(xell_trunk_get_ports_state(ioc(1, 0, 0)), XEL_STATUS_NEED_PORTS_DISABLE);

    // Only one port trunked: only that one is undone.
    change_state([](sim_host_state &st) { st.ports.at("0000:05/0").trunked = false; });
    forget_requests();
    ASSERT_EQ(xell_trunk_disable(1), XEL_STATUS_OK);
    auto codes = requests();
    EXPECT_EQ(std::count(codes.begin(), codes.end(), XEL_CMD_PORT_DISABLE_TRUNK), 1);
    EXPECT_FALSE(port_state("0000:05/1").trunked);
}

TEST_F(PortLibrary, ModeChangeAndCreditRecovery)
{
    xel_port_cfg_mode_t mode{0, 0, XEL_MODE_HBA};
    EXPECT_EQ(xell_port_cfg_mode(ioc(1, 0, 0), &mode, 0, false), XEL_STATUS_FEATURE_NOT_SUPPORTED);

    // The port number travels in the record; with cleanup the port's boot
    // configuration in flash is erased.
    xell_t *fcoe = ioc(2, 0, 0);
    ASSERT_EQ(xell_port_cfg_mode(ioc(2, 1, 0), &mode, 1, true), XEL_STATUS_OK);
    xel_mode_t now = XEL_MODE_NIC;
    ASSERT_EQ(xell_port_mode_get(ioc(2, 1, 0), false, &now), XEL_STATUS_OK);
    EXPECT_EQ(now, XEL_MODE_HBA);
    ASSERT_EQ(xell_port_mode_get(ioc(2, 1, 0), true, &now), XEL_STATUS_OK);
    EXPECT_EQ(now, XEL_MODE_CNA);
    bool cna = false;
    ASSERT_EQ(xell_port_is_cna(fcoe, false, &cna), XEL_STATUS_OK);
    EXPECT_TRUE(cna);
    EXPECT_EQ(port_state("0000:06/1").boot[0], 0xff);
    EXPECT_EQ(port_state("0000:06/0").boot[0], 1);

    xell_t *fc = ioc(1, 0, 0);
    EXPECT_EQ(xell_port_bbsc_enable(fcoe), XEL_STATUS_BBSC_FC_ONLY);
    EXPECT_EQ(xell_port_bbsc_enable(nullptr), XEL_STATUS_NO_PORT_INSTANCE);
    ASSERT_EQ(xell_port_bbsc_enable(fc), XEL_STATUS_OK);
    xel_port_attr_s attr{};
    ASSERT_EQ(xell_port_get_attr(fc, &attr), XEL_STATUS_OK);
    EXPECT_EQ(attr.pport_cfg.bb_scn_state, 1);
    EXPECT_EQ(attr.bbsc_op_status, 0u);
    ASSERT_EQ(xell_port_disable(fc), XEL_STATUS_OK);
    ASSERT_EQ(xell_port_enable(fc), XEL_STATUS_OK);
    ASSERT_EQ(xell_port_get_attr(fc, &attr), XEL_STATUS_OK);
    EXPECT_EQ(attr.bbsc_op_status, 1u);
}

// Clearing a name must not collide with the other ports' empty names.
TEST_F(PortLibrary, PortNameExistsNeverMatchesAnEmptyName)
{
    EXPECT_FALSE(xell_config_get_port_name_exists(1, "", 0));
    ASSERT_EQ(xell_ioc_set_name(ioc(1, 0, 0), "dataA"), XEL_STATUS_OK);
    EXPECT_TRUE(xell_config_get_port_name_exists(1, "dataA", 0));
    EXPECT_FALSE(xell_config_get_port_name_exists(1, "dataA", 1));
    EXPECT_FALSE(xell_config_get_port_name_exists(1, "", 1));
    EXPECT_FALSE(xell_config_get_port_name_exists(3, "dataA", 0));
}
