// Topologies: the presets, the file format's defaults and checks, and the
// tree a host is laid out as.
#include "sim_topology.h"
#include "temp_root.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <fstream>
#include <functional>

namespace fs = std::filesystem;

namespace {

sim_topology parse_ok(const std::string &text)
{
    sim_topology topo;
    std::string error;
    EXPECT_TRUE(sim_parse_topology(text, &topo, &error)) << error;
    return topo;
}

TEST(SimTopology, EveryPresetReadsAndDefaultIsTheDocumentedHost)
{
    for (const auto &name : sim_preset_names()) {
        sim_topology topo;
        EXPECT_TRUE(sim_preset_topology(name, &topo)) << name;
    }
    sim_topology topo;
    ASSERT_TRUE(sim_preset_topology("default", &topo));
    auto xel = sim_driver_functions(topo, "xel");
    auto kwo = sim_driver_functions(topo, "kwo");
    ASSERT_EQ(xel.size(), 4u);
    ASSERT_EQ(kwo.size(), 2u);
    EXPECT_EQ(xel[0].function->pci, "0000:05:00.0");
    EXPECT_EQ(xel[3].function->pci, "0000:06:00.1");
    EXPECT_EQ(xel[3].function->ioc_type, XEL_IOC_TYPE_FCoE);
    EXPECT_EQ(kwo[0].function->pci, "0000:06:00.2");
    EXPECT_EQ(kwo[1].adapter->device_id, 0x22);
    EXPECT_EQ(xel[0].adapter->max_speed, 16u);
    EXPECT_FALSE(sim_preset_topology("nosuch", &topo));
}

TEST(SimTopology, DefaultsFillWhatAFileLeavesOut)
{
    sim_topology topo = parse_ok(R"({"adapters": [
        {"functions": [{"pci": "0000:07:00.1", "type": "fcoe", "port": 1},
                       {"pci": "0000:07:00.0", "type": "fcoe", "port": 0, "host": 2},
                       {"pci": "0000:07:00.2", "type": "eth", "port": 0}]}]})");
    const sim_adapter &ad = topo.adapters.at(0);
    EXPECT_EQ(ad.functions[0].pci, "0000:07:00.0"); // kept in PCI order
    EXPECT_EQ(ad.hwpath(), "0000:07:00.0");
    EXPECT_EQ(ad.functions[1].host, 3);             // the next free host
    EXPECT_EQ(ad.nports, 2u);
    EXPECT_EQ(ad.device_id, 0x22);                  // FCoE makes it a converged adapter
    EXPECT_EQ(ad.port_mode, 2u);
    EXPECT_EQ(ad.functions[2].eth_name, "eth2");
    EXPECT_EQ(sim_wwn_text(ad.functions[1].pwwn), "10:00:00:7a:3c:07:01:01");
    EXPECT_EQ(sim_mac_text(ad.functions[2].mac), "00:7a:3c:07:12:00");
    EXPECT_TRUE(topo.xel_loaded && topo.kwo_loaded);
    EXPECT_EQ(topo.driver_version, 4134u);
}

TEST(SimTopology, WritesBackWhatItReads)
{
    for (const auto &name : sim_preset_names()) {
        sim_topology topo, again;
        ASSERT_TRUE(sim_preset_topology(name, &topo));
        std::string error;
        ASSERT_TRUE(sim_topology_from_json(sim_topology_to_json(topo), &again, &error)) << error;
        EXPECT_EQ(sim_topology_to_json(again).dump(), sim_topology_to_json(topo).dump()) << name;
    }
}

TEST(SimTopology, RefusesFilesThatCannotDescribeAHost)
{
    const std::string fc = R"({"pci": "0000:05:00.0", "type": "fc", "port": 0})";
    const struct {
        std::string text;
        std::string error;
    } cases[] = {
        {"{", "not valid JSON"},
        {R"({"adapter": []})", "topology: unknown key \"adapter\""},
        {R"({"adapters": {}})", "adapters: expected a list of adapters"},
        {R"({"drivers": ["xel", "bfx"]})", "drivers: \"bfx\" is not xel or kwo"},
        {R"({"adapters": [{"functions": []}]})", "adapters[0].functions: expected a non-empty list"},
        {R"({"adapters": [{"functions": [{"pci": "0000:5:00.0", "type": "fc", "port": 0}]}]})",
         "adapters[0].functions[0].pci: \"0000:5:00.0\" is not a PCI address"},
        {R"({"adapters": [{"functions": [{"pci": "0000:05:00.0", "type": "scsi", "port": 0}]}]})",
         "adapters[0].functions[0].type: \"scsi\" is not fc, fcoe or eth"},
        {R"({"adapters": [{"functions": [{"pci": "0000:05:00.0", "type": "fc"}]}]})",
         "adapters[0].functions[0]: missing \"port\""},
        {R"({"adapters": [{"functions": [{"pci": "0000:05:00.0", "type": "fc", "port": "two"}]}]})",
         "adapters[0].functions[0].port: expected a number"},
        {R"({"adapters": [{"functions": [{"pci": "0000:05:00.0", "type": "fc", "port": 0, "pwwn": "10:00"}]}]})",
         "adapters[0].functions[0].pwwn: \"10:00\" is not a WWN"},
        {R"({"adapters": [{"functions": [{"pci": "0000:05:00.0", "type": "eth", "port": 0, "host": 3}]}]})",
         "adapters[0].functions[0]: an Ethernet function has no SCSI host"},
        {R"({"adapters": [{"functions": [{"pci": "0000:05:00.0", "type": "fc", "port": 0, "mac": "00:7a:3c:00:00:01"}]}]})",
         "adapters[0].functions[0]: an FC function has no MAC address"},
        {R"({"adapters": [{"nports": 1, "functions": [{"pci": "0000:05:00.0", "type": "fc", "port": 1}]}]})",
         "adapters[0].nports: 1 is not more than port 1"},
        {R"({"adapters": [{"serial": "TSF160500011", "functions": [)" + fc + "]}]}",
         "adapters[0].serial: longer than 11 characters"},
        {R"({"adapters": [{"functions": [)" + fc + R"(, {"pci": "0000:06:00.0", "type": "fc", "port": 1}]}]})",
         "adapters[0]: 0000:06:00.0 is not on the adapter's bus 0000:05"},
        {R"({"adapters": [{"functions": [)" + fc + "]}, {\"functions\": [" + fc + "]}]}",
         "adapters[1]: bus 0000:05 already belongs to another adapter"},
        {R"({"adapters": [{"functions": [)" + fc + "," + fc + "]}]}",
         "adapters[0]: PCI function 0000:05:00.0 appears twice"},
        {R"({"adapters": [{"functions": [{"pci": "0000:05:00.0", "type": "fc", "port": 0, "host": 4},
                                         {"pci": "0000:05:00.1", "type": "fc", "port": 1, "host": 4}]}]})",
         "adapters[0]: SCSI host 4 appears twice"},
        {R"({"drivers": ["xel"], "adapters": [{"functions": [{"pci": "0000:05:00.0", "type": "eth", "port": 0}]}]})",
         "adapters[0]: 0000:05:00.0 needs driver kwo, which is not loaded"},
    };
    for (const auto &c : cases) {
        sim_topology topo;
        std::string error;
        EXPECT_FALSE(sim_parse_topology(c.text, &topo, &error)) << c.text;
        EXPECT_EQ(error.substr(0, c.error.size()), c.error) << c.text;
    }
}

// A topology built in code goes through the checks of a file; a refused
// one leaves the root as it was.
TEST(SimTopology, CreatingFromCodeRefusesWhatAFileWould)
{
    const struct {
        std::function<void(sim_topology &)> change;
        std::string error;
    } cases[] = {
        {[](sim_topology &t) { t.kwo_loaded = false; }, "adapters[1]: 0000:06:00.2 needs driver kwo, which is not loaded"},
        {[](sim_topology &t) { t.xel_loaded = false; }, "adapters[0]: 0000:05:00.0 needs driver xel, which is not loaded"},
        {[](sim_topology &t) { t.adapters[0].functions[1].pci = "0000:05:00.0"; },
         "adapters[0]: PCI function 0000:05:00.0 appears twice"},
        {[](sim_topology &t) { t.adapters[0].functions[1].host = t.adapters[0].functions[0].host; },
         "adapters[0]: SCSI host 2 appears twice"},
        {[](sim_topology &t) { t.adapters[0].functions[0].ioc_type = 7; },
         "adapters[0].functions[0].type: \"7\" is not fc, fcoe or eth"},
        {[](sim_topology &t) { t.adapters[0].functions.clear(); }, "adapters[0].functions: expected a non-empty list"},
    };
    for (const auto &c : cases) {
        TempRoot root;
        sim_topology topo;
        ASSERT_TRUE(sim_preset_topology("default", &topo));
        c.change(topo);
        std::string error;
        EXPECT_FALSE(sim_create_host_from(root.path(), topo, &error)) << c.error;
        EXPECT_EQ(error.substr(0, c.error.size()), c.error);
        EXPECT_TRUE(fs::is_empty(root.path())) << c.error;
    }
}

TEST(SimTopology, LaysTheHostOutAsTheDriversWould)
{
    TempRoot root;
    std::string error;
    ASSERT_TRUE(sim_create_host(root.path(), "default", &error)) << error;
    const std::string &r = root.path();
    for (const char *path : {"/sys/bus/pci/drivers/xel/0000:05:00.1/host3", "/dev/bsg/fc_host5", "/dev/kwo",
                             "/dev/xelipfc", "/sys/bus/pci/drivers/kwo/0000:06:00.3",
                             "/sys/kernel/debug/kwo/pci_dev:0000:06:00.2/regrd",
                             "/sys/kernel/debug/xel/pci_dev:0000:05:00.0/fwtrc",
                             "/sys/class/fc_host/host4/vport_create", "/etc", "/lib/firmware"})
        EXPECT_TRUE(fs::exists(r + path)) << path;
    std::ifstream max(r + "/sys/class/fc_host/host2/max_npiv_vports");
    std::string line;
    std::getline(max, line);
    EXPECT_EQ(line, "255");
}

TEST(SimTopology, AnUnloadedDriverAndAnUnboundFunctionLeaveNoTrace)
{
    TempRoot root, files;
    std::string file = files.path() + "/xel-only.json";
    std::ofstream(file) << R"({"drivers": ["xel"], "adapters": [{"functions": [
        {"pci": "0000:05:00.0", "type": "fc", "port": 0, "host": 2},
        {"pci": "0000:05:00.1", "type": "fc", "port": 1, "bound": false}]}]})";
    std::string error;
    ASSERT_TRUE(sim_create_host(root.path(), file, &error)) << error;
    const std::string &r = root.path();
    EXPECT_FALSE(fs::exists(r + "/sys/bus/pci/drivers/kwo"));
    EXPECT_FALSE(fs::exists(r + "/dev/kwo"));
    ASSERT_TRUE(fs::exists(r + "/sys/bus/pci/drivers/xel/0000:05:00.1"));
    for (const auto &entry : fs::directory_iterator(r + "/sys/bus/pci/drivers/xel/0000:05:00.1"))
        EXPECT_EQ(entry.path().filename().string().find("host"), std::string::npos);
    EXPECT_FALSE(fs::exists(r + "/dev/bsg/fc_host3"));
}

TEST(SimTopology, RecreatesOnlyEmulatedRoots)
{
    TempRoot root;
    std::string error;
    root.touch("/precious.txt");
    EXPECT_FALSE(sim_create_host(root.path(), "default", &error));
    EXPECT_TRUE(fs::exists(root.path() + "/precious.txt"));

    fs::remove(root.path() + "/precious.txt");
    ASSERT_TRUE(sim_create_host(root.path(), "default", &error)) << error;
    root.touch("/etc/xel.conf");
    ASSERT_TRUE(sim_create_host(root.path(), "hba", &error)) << error;
    EXPECT_FALSE(fs::exists(root.path() + "/etc/xel.conf"));
    EXPECT_FALSE(fs::exists(root.path() + "/dev/bsg/fc_host4"));
    EXPECT_TRUE(fs::exists(root.path() + "/dev/bsg/fc_host3"));

    EXPECT_FALSE(sim_create_host(root.path(), "nosuch", &error));
    EXPECT_EQ(error, "no preset \"nosuch\" (presets: default, empty, hba, cna, quad, mixed)");
}

} // namespace
