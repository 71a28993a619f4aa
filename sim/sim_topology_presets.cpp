// The built-in topologies, written in the topology file format so that
// they go through the same reading and checks as a user's file.
#include "sim_topology.h"

#include <vector>

namespace {

// A two-port 16G FC HBA; the default host and the "hba" preset share it.
const char hba_adapter[] = R"(
    {"serial": "TSF16050001", "model": "XF1602", "card_type": 1602, "device_id": "0x21",
     "max_speed": 16, "nports": 2,
     "functions": [
       {"pci": "0000:05:00.0", "type": "fc", "port": 0, "host": 2,
        "pwwn": "10:00:00:7a:3c:05:10:00", "nwwn": "20:00:00:7a:3c:05:10:00"},
       {"pci": "0000:05:00.1", "type": "fc", "port": 1, "host": 3,
        "pwwn": "10:00:00:7a:3c:05:10:01", "nwwn": "20:00:00:7a:3c:05:10:01"}
     ]})";

// A two-port converged adapter: FCoE on xel, Ethernet on kwo.
const char cna_adapter[] = R"(
    {"serial": "TSC10060001", "model": "XC1002", "card_type": 1002, "device_id": "0x22",
     "max_speed": 10, "nports": 2,
     "functions": [
       {"pci": "0000:06:00.0", "type": "fcoe", "port": 0, "host": 4,
        "pwwn": "10:00:00:7a:3c:06:20:00", "nwwn": "20:00:00:7a:3c:06:20:00", "mac": "00:7a:3c:06:20:00"},
       {"pci": "0000:06:00.1", "type": "fcoe", "port": 1, "host": 5,
        "pwwn": "10:00:00:7a:3c:06:20:01", "nwwn": "20:00:00:7a:3c:06:20:01", "mac": "00:7a:3c:06:20:01"},
       {"pci": "0000:06:00.2", "type": "eth", "port": 0, "mac": "00:7a:3c:06:22:00", "eth_name": "eth2"},
       {"pci": "0000:06:00.3", "type": "eth", "port": 1, "mac": "00:7a:3c:06:22:01", "eth_name": "eth3"}
     ]})";

// A four-port 8G FC HBA on a high bus, single personality.
const char quad_adapter[] = R"(
    {"serial": "TSF08820001", "model": "XF0804", "card_type": 804, "device_id": "0x13",
     "ssid": "0x0014", "max_speed": 8, "nports": 4, "trunk_capable": false, "chip_rev": "B2",
     "functions": [
       {"pci": "0000:82:00.0", "type": "fc", "port": 0, "host": 6},
       {"pci": "0000:82:00.1", "type": "fc", "port": 1, "host": 7},
       {"pci": "0000:82:00.2", "type": "fc", "port": 2, "host": 8},
       {"pci": "0000:82:00.3", "type": "fc", "port": 3, "host": 9}
     ]})";

// A NIC, and a two-port 4G FC HBA of device 0x17, whose second function
// the library does not report.
const char nic_adapter[] = R"(
    {"serial": "TSN10030001", "model": "XN1002",
     "functions": [
       {"pci": "0000:03:00.0", "type": "eth", "port": 0, "mac": "00:7a:3c:03:10:00", "eth_name": "eth0"},
       {"pci": "0000:03:00.1", "type": "eth", "port": 1, "mac": "00:7a:3c:03:11:01", "eth_name": "eth1"}
     ]})";
const char hba17_adapter[] = R"(
    {"serial": "TSF04040001", "model": "XF0402", "card_type": 402, "device_id": "0x17",
     "max_speed": 4, "nports": 2,
     "functions": [
       {"pci": "0000:04:00.0", "type": "fc", "port": 0, "host": 2},
       {"pci": "0000:04:00.1", "type": "fc", "port": 1, "host": 3}
     ]})";

struct preset {
    const char *name;
    std::vector<const char *> adapters;
};

const preset presets[] = {
    {"default", {hba_adapter, cna_adapter}},
    {"empty", {}},
    {"hba", {hba_adapter}},
    {"cna", {cna_adapter}},
    {"quad", {quad_adapter}},
    {"mixed", {nic_adapter, hba17_adapter}},
};

} // namespace

std::vector<std::string> sim_preset_names()
{
    std::vector<std::string> names;
    for (const auto &p : presets)
        names.emplace_back(p.name);
    return names;
}

bool sim_preset_topology(const std::string &name, sim_topology *topology)
{
    for (const auto &p : presets) {
        if (name != p.name)
            continue;
        std::string text = R"({"adapters": [)";
        for (size_t i = 0; i < p.adapters.size(); i++) {
            if (i > 0)
                text += ',';
            text += p.adapters[i];
        }
        std::string error;
        return sim_parse_topology(text + "]}", topology, &error);
    }
    return false;
}
