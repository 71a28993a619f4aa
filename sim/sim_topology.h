// The shape of an emulated host: its adapters, their PCI functions and the
// identities the drivers report for them. A topology comes from a preset or
// from a JSON file (docs/emulated-host.md), and sim_create_host lays it out
// under an emulated root.
#pragma once

#include "xel_types.h"

#include <cstdint>
#include <string>
#include <vector>

#include <nlohmann/json_fwd.hpp>

struct sim_function {
    std::string pci;            // "0000:05:00.0", as the driver directory lists it
    uint32_t ioc_type = 0;      // XEL_IOC_TYPE_FC, _FCoE (driver xel) or _LL (driver kwo)
    uint32_t port = 0;          // physical port of the adapter
    int host = -1;              // SCSI host of a bound storage function; -1: not bound
    wwn_t pwwn = 0;             // storage functions
    wwn_t nwwn = 0;
    mac_t mac{};                // FCoE and Ethernet functions
    std::string eth_name;       // Ethernet functions
    bool enabled = true;        // the IOC state the host starts in
    bool link = true;           // its port has a link (any function of the port saying no takes it down)
    bool dport = false;         // its port starts in D-port diagnostics (FC functions)
    bool preboot_disabled = false; // its port starts disabled by the pre-boot configuration (FC functions)
    bool loopback = false;      // its port's link is looped back
    bool authfail = false;      // the fabric refuses its authentication (storage functions)
    uint32_t sfp_media = 3;     // its port's SFP media (xel_defs_sfp_media_t)
    bool sfp_present = true;    // its port holds an SFP module
    uint32_t qos = 0;           // QoS and target rate limiting as its port reports them (storage functions)
    uint32_t ratelimit = 0;
    uint32_t roles = 1;         // its base logical port's roles: 1 initiator, 2 target, 4 IP over FC
    bool phy = true;            // its port holds a 10G PHY module (converged and Ethernet ports)
    uint32_t cee_reason = 0;    // why DCB on its port is not active (0: active); what its peer sends:
    uint32_t cee_pfc_primap = 0x08; // the priorities with flow control
    std::string lldp_chassis_id; // a MAC address, an IPv4 or IPv6 address, or a name
    std::string lldp_port_id;    // a MAC address, an IPv4 address, or an interface name
    // The pre-boot configuration's boot LUNs (storage functions, at most 8):
    // BIOS is on in it when there is one.
    std::vector<std::pair<wwn_t, uint16_t>> pbc_luns;
    // The virtual ports the pre-boot configuration creates (bound storage
    // functions, at most 16): port and node WWN.
    std::vector<std::pair<wwn_t, wwn_t>> pbc_vports;
    // Traffic each disk nexus carries, per second of the host's clock
    // (storage functions): I/Os and bytes read.
    uint32_t io_rate = 0;
    uint32_t byte_rate = 0;

    const char *driver() const;
    bool storage() const { return ioc_type != XEL_IOC_TYPE_LL; }
    uint32_t pci_function() const;
};

struct sim_adapter {
    std::string serial;
    std::string model;
    std::string model_descr;
    uint32_t card_type = 0;
    uint16_t device_id = 0;
    uint16_t ssid = 0;
    uint16_t ssvid = 0;
    std::string chip_rev;
    std::string hw_ver;
    std::string fw_ver;
    std::string optrom_ver;
    std::string driver_ver;
    uint32_t nports = 0;
    uint32_t max_speed = 0;     // Gbit/s: 4, 8, 10 or 16
    bool cna_capable = false;
    bool is_mezz = false;
    bool trunk_capable = false;
    bool trunked = false;       // its FC ports start bundled into a trunk
    uint32_t cap_bm = 0;        // XEL_CAP_* bits
    uint32_t port_mode = 0;     // 1 HBA, 2 CNA, 3 NIC
    uint32_t vpd_vendor = 0;    // 0: no VPD; 1 to 3: an OEM overlay; 8 and up: a PCI VPD block
    std::string vpd_part_number; // the VPD's part number
    std::string vpd_fru;        // the VPD's FRU number; empty: none
    std::vector<std::pair<std::string, std::string>> vpd_keywords; // further VPD-R keywords, in order
    uint32_t fru_size = 0;      // bytes of the FRU VPD area; 0: the adapter has none
    bool prototype = false;     // a prototype card
    bool serial_unprogrammed = false; // the serial number field reads as erased flash (0xff)
    uint32_t pcie_gen = 2;
    uint32_t pcie_lanes = 8;    // lanes now
    uint32_t pcie_lanes_orig = 8; // lanes at power-on
    uint16_t temp_junction = 420; // raw junction sensor reading (10 bits)
    uint16_t temp_board = 9088;   // raw board sensor reading (signed, 1/256 degree)
    std::string name;           // the adapter name the host starts with
    std::vector<sim_function> functions;

    // The PCI address that stands for the adapter: its lowest function.
    const std::string &hwpath() const { return functions.front().pci; }
};

struct sim_topology {
    bool xel_loaded = true;
    bool kwo_loaded = true;
    bool traffic = false;           // counters move with every statistics read
    uint32_t driver_version = 4134; // answered by the version compare
    uint64_t counter_base = 0;      // added to the port counters traffic moves, as the host starts
    uint32_t flash_latency_ms = 0;  // each 64 KiB a flash write carries takes this long
    std::vector<sim_adapter> adapters;
};

// A function with the adapter it belongs to.
struct sim_function_ref {
    size_t adapter_index = 0;
    const sim_adapter *adapter = nullptr;
    const sim_function *function = nullptr;
};
// The functions a driver ("xel" or "kwo") has claimed, in PCI address
// order, which is the order of the driver's instance numbers. A storage
// function not bound to a SCSI host has no instance and is left out.
std::vector<sim_function_ref> sim_driver_functions(const sim_topology &topology, const std::string &driver);

// The names of the built-in topologies, "default" first.
std::vector<std::string> sim_preset_names();
// A built-in topology by name; false when there is none of that name.
bool sim_preset_topology(const std::string &name, sim_topology *topology);

// Reads a topology from JSON text, filling in what it leaves out and
// checking it; false with a message naming the offending place.
bool sim_parse_topology(const std::string &json_text, sim_topology *topology, std::string *error);
bool sim_load_topology_file(const std::string &path, sim_topology *topology, std::string *error);
// The topology as JSON with every field spelled out; parses back to itself.
nlohmann::ordered_json sim_topology_to_json(const sim_topology &topology);
bool sim_topology_from_json(const nlohmann::ordered_json &doc, sim_topology *topology, std::string *error);
// Runs the checks of a topology file on a topology built in code; false
// with the message its file would get.
bool sim_check_topology(const sim_topology &topology, std::string *error);

// Creates (or wipes and recreates) an emulated host under root from a
// preset name or a topology file: the state under <root>/.xelsim and the
// sysfs, debugfs and /dev files the library and the emulated kernel expect.
// A non-empty directory that is not an emulated root is refused, and so is
// a topology that sim_check_topology refuses.
bool sim_create_host(const std::string &root, const std::string &preset_or_json_path, std::string *error);
bool sim_create_host_from(const std::string &root, const sim_topology &topology, std::string *error);
// The MAC address a function has unless its topology gives one.
mac_t sim_default_mac(const sim_function &fn);
// Lays out the files of one function the topology holds, as its driver
// makes them when it finds the function; and removes a network function's
// files once it is gone.
bool sim_build_function_files(const std::string &root, const sim_topology &topology, const std::string &pci,
                              std::string *error);
void sim_remove_network_function_files(const std::string &root, const std::string &pci);

// Identities as text: WWNs "10:00:00:7a:3c:05:00:00", MACs "00:7a:3c:05:00:02",
// PCI addresses "0000:05:00.0".
std::string sim_wwn_text(wwn_t wwn);
bool sim_parse_wwn(const std::string &text, wwn_t *wwn);
std::string sim_mac_text(const mac_t &mac);
bool sim_parse_mac(const std::string &text, mac_t *mac);
bool sim_valid_pci(const std::string &text);
