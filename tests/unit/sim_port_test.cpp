// The emulated port as a topology shapes it: link, D-port, trunk and roles
// from the file, counters that move only with traffic on.
#include "sim_host.h"
#include "sim_state.h"
#include "sim_topology.h"
#include "temp_root.h"
#include "xel_port_records.h"
#include "xell_state.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

// An HBA whose port 0 has no link and port 1 runs D-port diagnostics, both
// trunked, with an initiator-and-target base port; and a converged port.
const char shaped_host[] = R"({"traffic": true, "adapters": [
    {"trunked": true, "functions": [
       {"pci": "0000:05:00.0", "type": "fc", "port": 0, "link": false, "roles": 3},
       {"pci": "0000:05:00.1", "type": "fc", "port": 1, "dport": true}]},
    {"functions": [
       {"pci": "0000:06:00.0", "type": "fcoe", "port": 0},
       {"pci": "0000:06:00.1", "type": "eth", "port": 0}]}]})";

// A trunked HBA whose port 1 function starts with its IOC disabled.
const char half_trunk_host[] = R"({"adapters": [{"trunked": true, "functions": [
    {"pci": "0000:05:00.0", "type": "fc", "port": 0},
    {"pci": "0000:05:00.1", "type": "fc", "port": 1, "enabled": false}]}]})";

class SimPortTest : public ::testing::Test {
protected:
    void SetUp() override { create(shaped_host); }

    // Makes the host anew from a topology file's text or a preset's name.
    void create(const std::string &json_or_preset)
    {
        sim_topology topology;
        std::string error;
        if (json_or_preset.front() != '{')
            ASSERT_TRUE(sim_preset_topology(json_or_preset, &topology));
        else
            ASSERT_TRUE(sim_parse_topology(json_or_preset, &topology, &error)) << error;
        ASSERT_TRUE(sim_create_host_from(root.path(), topology, &error)) << error;
    }

    // A storage request through the node of the function's SCSI host
    // (2 and 3 for the HBA, 4 for the FCoE function: instances 0 to 2).
    // The record names the instance of that host's function.
    template <typename T>
    T ask(int scsi_host, uint32_t cmd, T record = {})
    {
        record.xeld_num = static_cast<uint16_t>(scsi_host - 2);
        std::span<uint8_t> bytes{reinterpret_cast<uint8_t *>(&record), sizeof record};
        EXPECT_EQ(host.driver_request({"xel", scsi_host, cmd, bytes}), 0);
        EXPECT_EQ(record.status, 0);
        return record;
    }
    xel_port_attr_s port_attr(int scsi_host) { return ask<xel_ioctl_port_attr_t>(scsi_host, XEL_CMD_PORT_GET_ATTR).attr; }
    // The status a request that carries only the header gets.
    int32_t status_of(int scsi_host, uint32_t cmd)
    {
        xel_ioctl_gen_t record{};
        record.xeld_num = static_cast<uint16_t>(scsi_host - 2);
        std::span<uint8_t> bytes{reinterpret_cast<uint8_t *>(&record), sizeof record};
        EXPECT_EQ(host.driver_request({"xel", scsi_host, cmd, bytes}), 0);
        return record.status;
    }
    void restart_port(int scsi_host)
    {
        EXPECT_EQ(status_of(scsi_host, XEL_CMD_PORT_DISABLE), XEL_STATUS_OK);
        EXPECT_EQ(status_of(scsi_host, XEL_CMD_PORT_ENABLE), XEL_STATUS_OK);
    }

    TempRoot root;
    SimHost host{root.path()};
};

} // namespace

TEST_F(SimPortTest, TopologyShapesThePorts)
{
    xel_port_attr_s down = port_attr(2);
    EXPECT_EQ(down.port_state, XEL_PORT_ST_LINKDOWN);
    EXPECT_EQ(down.pid, 0u);
    EXPECT_EQ(down.topology, XEL_PORT_TOPOLOGY_NONE);
    EXPECT_EQ(down.pport_cfg.trunked, 1);

    xel_port_attr_s dport = port_attr(3);
    EXPECT_EQ(dport.port_state, XEL_PORT_ST_DPORT);
    EXPECT_EQ(ask<xel_ioctl_dport_state_t>(3, XEL_CMD_DIAG_DPORT_GET_STATE).state, XEL_DPORT_ST_ENABLED);
    EXPECT_EQ(ask<xel_ioctl_dport_state_t>(2, XEL_CMD_DIAG_DPORT_GET_STATE).state, XEL_DPORT_ST_DISABLED);

    // Neither member link is up: the trunk is offline.
    xel_trunk_attr_s trunk = ask<xel_ioctl_trunk_attr_t>(2, XEL_CMD_PORT_GET_TRUNK_ATTR).attr;
    EXPECT_EQ(trunk.state, XEL_TRUNK_OFFLINE);
    EXPECT_EQ(trunk.link_attr[0].link_state, XEL_TRUNK_LINK_STATE_DN_LINKDN);

    xel_ioctl_lport_attr_t lport{};
    lport.pwwn = down.pwwn;
    EXPECT_EQ(ask(2, XEL_CMD_LPORT_GET_ATTR, lport).attr.port_cfg.roles, 3u);

    xel_port_attr_s fcoe = port_attr(4);
    EXPECT_EQ(fcoe.port_state, XEL_PORT_ST_LINKUP);
    EXPECT_EQ(fcoe.speed, XEL_PORT_SPEED_10GBPS);
    EXPECT_EQ(fcoe.fcoe_vlan, 1002);
}

TEST_F(SimPortTest, CountersMoveWithTrafficWhileTheLinkIsUp)
{
    struct {
        xel_ioctl_port_stats_t record;
        xel_port_stats_t stats;
    } first{}, second{};
    for (auto *read : {&first, &second}) {
        read->record.bufsz = sizeof read->stats;
        read->record.xeld_num = 2;
        std::span<uint8_t> bytes{reinterpret_cast<uint8_t *>(read), sizeof *read};
        ASSERT_EQ(host.driver_request({"xel", 4, XEL_CMD_PORT_GET_STATS, bytes}), 0);
        ASSERT_EQ(read->record.status, 0);
    }
    EXPECT_GT(second.stats.eth.rx_packets, first.stats.eth.rx_packets);

    // Port 0 of the HBA has no link: nothing moves.
    for (auto *read : {&first, &second}) {
        read->record.xeld_num = 0;
        std::span<uint8_t> bytes{reinterpret_cast<uint8_t *>(read), sizeof *read};
        ASSERT_EQ(host.driver_request({"xel", 2, XEL_CMD_PORT_GET_STATS, bytes}), 0);
    }
    EXPECT_EQ(second.stats.fc.rx_frames, first.stats.fc.rx_frames);
}

TEST(SimPortTopology, RefusesPortShapesThatCannotBe)
{
    const struct {
        const char *json;
        const char *error;
    } cases[] = {
        {R"({"adapters": [{"functions": [{"pci": "0000:06:00.0", "type": "fcoe", "port": 0, "dport": true}]}]})",
         "adapters[0].functions[0].dport: only an FC function has a D-port mode"},
        {R"({"adapters": [{"trunked": true, "functions": [{"pci": "0000:06:00.0", "type": "fcoe", "port": 0}]}]})",
         "adapters[0].trunked: the adapter is not trunk capable"},
        {R"({"adapters": [{"functions": [{"pci": "0000:05:00.0", "type": "fc", "port": 0, "roles": 0}]}]})",
         "adapters[0].functions[0].roles: a logical port has at least one role (1, 2 or 4)"},
        {R"({"adapters": [{"functions": [{"pci": "0000:06:00.1", "type": "eth", "port": 0, "roles": 1}]}]})",
         "adapters[0].functions[0]: only a storage function has logical ports"},
        {R"({"adapters": [{"functions": [{"pci": "0000:06:00.0", "type": "fcoe", "port": 0, "preboot_disabled": true}]}]})",
         "adapters[0].functions[0].preboot_disabled: only an FC function's port is disabled by its pre-boot configuration"},
        {R"({"adapters": [{"functions": [{"pci": "0000:06:00.1", "type": "eth", "port": 0, "qos": 1}]}]})",
         "adapters[0].functions[0]: only a storage function has fabric authentication, QoS and rate limiting"},
        {R"({"adapters": [{"functions": [{"pci": "0000:05:00.0", "type": "fc", "port": 0, "sfp_media": 6}]}]})",
         "adapters[0].functions[0].sfp_media: out of range (at most 5)"},
        {R"({"adapters": [{"functions": [{"pci": "0000:06:00.1", "type": "eth", "port": 0, "eth_name": "eth/2"}]}]})",
         "adapters[0].functions[0].eth_name: \"eth/2\" is not a file name"},
        {R"({"counter_base": 4611686018427387905})", "topology.counter_base: out of range (at most 4611686018427387904)"},
    };
    for (const auto &c : cases) {
        sim_topology topology;
        std::string error;
        EXPECT_FALSE(sim_parse_topology(c.json, &topology, &error)) << c.json;
        EXPECT_EQ(error, c.error);
    }
}

TEST_F(SimPortTest, AHardAlpaIsTakenWhenThePortComesUp)
{
    create("hba");
    auto al_pa = [](uint32_t pid) { return reinterpret_cast<const uint8_t *>(&pid)[2]; };
    xel_ioctl_port_cfg_topo_t loop{};
    loop.topo = XEL_PORT_TOPOLOGY_LOOP;
    ask(2, XEL_CMD_PORT_CFG_TOPOLOGY, loop);
    restart_port(2);
    EXPECT_EQ(al_pa(port_attr(2).pid), 0xef);

    xel_ioctl_port_alpa_t alpa{};
    alpa.alpa = 0x2a;
    ask(2, XEL_CMD_PORT_CFG_HARDALPA, alpa);
    xel_port_attr_s attr = port_attr(2);
    EXPECT_EQ(attr.pport_cfg.hardalpa, 0x2a); // configured at once,
    EXPECT_EQ(al_pa(attr.pid), 0xef);         // in use from the next start
    restart_port(2);
    EXPECT_EQ(al_pa(port_attr(2).pid), 0x2a);

    ask(2, XEL_CMD_PORT_CLR_HARDALPA, xel_ioctl_port_alpa_t{});
    EXPECT_EQ(al_pa(port_attr(2).pid), 0x2a);
    restart_port(2);
    EXPECT_EQ(al_pa(port_attr(2).pid), 0xef);
}

TEST_F(SimPortTest, APortInDportRefusesEnableAndDisable)
{
    EXPECT_EQ(status_of(3, XEL_CMD_PORT_DISABLE), XEL_STATUS_DPORT_ERR);
    EXPECT_EQ(status_of(3, XEL_CMD_PORT_ENABLE), XEL_STATUS_DPORT_ERR);
    EXPECT_EQ(port_attr(3).port_state, XEL_PORT_ST_DPORT);
    EXPECT_EQ(status_of(3, XEL_CMD_DIAG_DPORT_DISABLE), XEL_STATUS_OK);
    EXPECT_EQ(status_of(3, XEL_CMD_PORT_DISABLE), XEL_STATUS_OK);
    EXPECT_EQ(port_attr(3).port_state, XEL_PORT_ST_DISABLED);
}

TEST_F(SimPortTest, ATrunkFollowsEachMembersOwnFunction)
{
    create(half_trunk_host);
    // Whichever member is asked, port 0 is up and port 1, whose IOC is
    // disabled, is down.
    for (int scsi_host : {2, 3}) {
        SCOPED_TRACE(scsi_host);
        xel_trunk_attr_s trunk = ask<xel_ioctl_trunk_attr_t>(scsi_host, XEL_CMD_PORT_GET_TRUNK_ATTR).attr;
        EXPECT_EQ(trunk.state, XEL_TRUNK_ONLINE);
        EXPECT_EQ(trunk.speed, XEL_PORT_SPEED_16GBPS);
        EXPECT_EQ(trunk.link_attr[0].link_state, XEL_TRUNK_LINK_STATE_UP);
        EXPECT_EQ(trunk.link_attr[1].link_state, XEL_TRUNK_LINK_STATE_DN_LINKDN);
        EXPECT_EQ(trunk.link_attr[1].speed, 0u);
    }
}

TEST_F(SimPortTest, AnEnableThatNeverFinishesLeavesThePortEnabling)
{
    create("hba");
    sim_store(root.path()).transact([](sim_store::session &s) {
        s.state.faults.push_back({"0000:05:00.0", sim_fault_kind::never_state, XEL_CMD_PORT_ENABLE, 0, 1});
        s.changed = true;
    });
    xel_ioctl_port_cfg_speed_t speed{};
    speed.speed = XEL_PORT_SPEED_8GBPS;
    ask(2, XEL_CMD_PORT_CFG_SPEED, speed);
    EXPECT_EQ(status_of(2, XEL_CMD_PORT_DISABLE), XEL_STATUS_OK);
    EXPECT_EQ(status_of(2, XEL_CMD_PORT_ENABLE), XEL_STATUS_OK);
    xel_port_attr_s attr = port_attr(2);
    EXPECT_EQ(attr.port_state, XEL_PORT_ST_ENABLING);
    EXPECT_EQ(attr.speed, XEL_PORT_SPEED_UNKNOWN);
    // The fault is used up: the next enable gets there, with the speed
    // configured before it.
    EXPECT_EQ(status_of(2, XEL_CMD_PORT_ENABLE), XEL_STATUS_OK);
    attr = port_attr(2);
    EXPECT_EQ(attr.port_state, XEL_PORT_ST_LINKUP);
    EXPECT_EQ(attr.speed, XEL_PORT_SPEED_8GBPS);
}
