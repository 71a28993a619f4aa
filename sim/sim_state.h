// The emulated host's persistent state: the topology it was made from,
// what has changed since (IOC states, names, settings the firmware holds,
// counters, registers), the injected faults, and the request log. It lives
// in <root>/.xelsim and every access holds the host lock.
#pragma once

#include "sim_model_state.h"
#include "sim_topology.h"

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

// The driver's IOC counters, in the order of xel_ioc_drv_stats_t.
enum sim_drv_counter : size_t {
    SIM_DRV_MAILBOX_INTRS,
    SIM_DRV_ENABLE_EVENTS,
    SIM_DRV_DISABLE_EVENTS,
    SIM_DRV_HB_FAILURES,
    SIM_DRV_FW_BOOTS,
    SIM_DRV_STATS_TIMEOUTS,
    SIM_DRV_HB_COUNT,
    SIM_DRV_DISABLE_REQS,
    SIM_DRV_ENABLE_REQS,
    SIM_DRV_DISABLE_REPLIES,
    SIM_DRV_ENABLE_REPLIES,
    SIM_IOC_DRV_COUNTERS
};
// Words of the firmware statistics (xel_fw_stats_t) that the model moves.
enum sim_fw_word : uint32_t {
    SIM_FW_ENABLE_REQS = 0,
    SIM_FW_DISABLE_REQS = 1,
    SIM_FW_GETATTR_REQS = 2,
    SIM_FW_IOC_WORDS = 6,        // the firmware IOC counters end here
    SIM_FW_IOCFC_CFG_REQS = 6,
    SIM_FW_IOCFC_SET_INTR_REQS = 10,
    SIM_FW_IOIM_FRAMES_PARSED = 14,
};

struct sim_function_state {
    uint32_t ioc_state = 6;                 // xel_ioc_state_t
    std::string name;                       // the IOC (port) name
    uint8_t coalesce = 1;                   // interrupt settings
    uint16_t delay = 1000;
    uint16_t latency = 250;
    std::array<uint32_t, SIM_IOC_DRV_COUNTERS> drv_stats{};
    std::map<uint32_t, uint32_t> fw_stats;  // firmware statistics words by index; absent: 0
    std::map<uint32_t, uint32_t> registers; // written registers by byte offset
    sim_function_models models;             // IP over FC, authentication, log levels
    bool portlog = true;                    // the port log records (storage functions)
    std::map<uint32_t, uint64_t> vnic_stats; // vNIC counters (xel_vnic_stats_t) by byte offset
    std::map<uint32_t, uint32_t> im_stats;   // initiator module I/O counters (xel_itnim_iostats_t) by byte offset
    // The fabric's view: the counters reset since the host started ("lport",
    // "vf", "rport:<n>", "itnim:<n>") and the speeds assigned to remote
    // ports, by their number.
    std::set<std::string> fabric_cleared;
    std::map<uint32_t, uint32_t> rport_speeds;
};

// One physical port: the FC port of an HBA, or the port that a converged
// adapter's FCoE and Ethernet functions share. Configured settings take
// effect (op_*) when the port comes up from disabled.
struct sim_port_state {
    bool enabled = true;      // the port as a whole: port enable and disable
    bool fcoe_enabled = true; // the FCoE function alone: FCoE enable and disable
    bool in_transit = false;  // an enable or disable that never finishes (a fault)
    bool preboot_disabled = false; // disabled by the pre-boot configuration, until enabled or disabled
    bool link = true;         // a cable and a switch at the far end
    bool loopback = false;    // the link looped back to the port itself
    bool authfail = false;    // the fabric refuses the storage side's authentication
    uint8_t sfp_media = 3;    // xel_defs_sfp_media_t: short wave
    bool sfp_present = true;  // an SFP module sits in the port
    bool beacon = false;      // the port LED beacons
    bool link_e2e_beacon = false; // and the switch port at the far end with it
    uint32_t beacon_seconds = 0;  // for how long; 0: until turned off
    int64_t beacon_until_ms = 0;  // when a timed beacon stops (wall clock, ms since the epoch)
    bool dport = false;       // in D-port diagnostics
    bool trunked = false;
    uint8_t cfg_topology = 5; // xel_port_topology: p2p
    uint8_t cfg_speed = 15;   // xel_port_speed: auto
    uint8_t op_topology = 5;
    uint8_t op_speed = 15;
    bool cfg_hardalpa = false;
    uint8_t hardalpa = 0;
    bool op_cfg_hardalpa = false;
    uint8_t op_hardalpa = 0;
    uint16_t maxfrsize = 2112;
    bool bbsc = false; // credit recovery configured
    bool op_bbsc = false;
    uint8_t qos = 0;       // QoS and target rate limiting as configured: 1 on, 0 off
    uint8_t ratelimit = 0;
    uint8_t op_qos = 0;    // and as the port runs them since it came up
    uint8_t op_ratelimit = 0;
    uint8_t trl_def_speed = 1; // xel_port_speed: the default rate-limit speed
    uint8_t op_trl_def_speed = 1;
    std::array<uint8_t, 3> qos_bw{60, 30, 10}; // high, medium, low percentages
    std::array<uint8_t, 3> op_qos_bw{60, 30, 10};
    std::map<uint32_t, uint64_t> qos_stats; // xel_qos_stats_t words by byte offset
    uint32_t mode_cfg = 0; // personality for the next start (xel_mode_t)
    // Counters by byte offset into their record: port statistics
    // (xel_port_stats_t), FCoE (xel_fcoe_stats_t), CEE (xel_cee_stats_t).
    std::map<uint32_t, uint64_t> stats;
    std::map<uint32_t, uint64_t> fcoe_stats;
    std::map<uint32_t, uint64_t> cee_stats;
    std::vector<uint8_t> boot; // the boot configuration record (xel_boot_cfg_t)
    std::vector<uint8_t> ethboot; // the network boot record (xel_ethboot_cfg_t); empty: blank flash
    sim_phy_state phy;         // the 10G PHY module (converged and Ethernet ports)
};

enum class sim_fault_kind { status, transport_errno, never_state, result, flash_half, flash_corrupt, frame };

// An injected fault on one PCI function: a request with the code answers
// the status, or fails with the errno; or enable and disable answer 0
// while the IOC stays enabling (12) or disabling (9), or the port enabling
// (3) or disabling (7); or a diagnostic test runs and its result record
// reports the status as what it found; or a flash write keeps only the
// first half of its data and answers the status, or a flash read answers
// other bytes; or a pass-through frame's answer changes (sim_fabric_diag.h).
struct sim_fault {
    std::string pci;
    sim_fault_kind kind = sim_fault_kind::status;
    uint32_t cmd = 0;       // the code in its storage form (group byte as sent to xel)
    int value = 0;          // the status or the errno
    int remaining = -1;     // requests it still applies to; -1: always
    int after = 0;          // requests it meets and lets pass before it applies
};

struct sim_host_state {
    sim_topology topology;
    std::vector<std::string> adapter_names;             // by topology index
    std::vector<uint8_t> optrom_enabled;                // by topology index: the option ROM switch
    // By topology index: the PCI function table (xel_ablk_cfg_t), the
    // active instance and the one the adapter starts with at the next reboot.
    std::vector<std::vector<uint8_t>> pcifn_tables;
    std::map<std::string, sim_function_state> functions; // by PCI address
    std::map<std::string, sim_port_state> ports;         // by sim_port_key
    std::vector<sim_fault> faults;
    uint64_t clock_ms = 0; // how long the host's programs have waited, in its own time
    // Functions a reboot enumerated from vNICs created before it: unlike
    // the topology's own, they may be deleted.
    std::vector<std::string> vnics;
};

// The word for an IOC state the model uses: "operational", "disabled",
// "enabling", "disabling".
const char *sim_ioc_state_name(uint32_t state);

// The state a freshly created host starts with.
sim_host_state sim_initial_state(const sim_topology &topology);
// What a function's driver and firmware count from the start.
sim_function_state sim_initial_function_state(const sim_function &fn);

// The key of an adapter's physical port: its PCI domain and bus, the port
// number ("0000:05/1").
std::string sim_port_key(const sim_adapter &adapter, uint32_t port);
// The ports of the topology as they start: settings at their defaults,
// link, D-port and trunk as the topology says, counters seeded.
std::map<std::string, sim_port_state> sim_initial_ports(const sim_topology &topology);

// The PCI function table an adapter starts with: its functions, both
// instances alike (sim_pcifn.cpp).
std::vector<uint8_t> sim_initial_pcifn_table(const sim_adapter &adapter, bool optrom);
// The initiator module's I/O counters a storage function starts with.
std::map<uint32_t, uint32_t> sim_initial_im_stats();
// A host reboot: every adapter runs its configured function table, and
// every port comes up with its configured settings. An Ethernet function
// the table now enables is enumerated as a new function of the network
// driver, and an enumerated one the table no longer enables is gone; their
// PCI addresses are returned, for their files (sim_topology.h).
struct sim_reboot_changes {
    std::vector<std::string> added, removed;
};
sim_reboot_changes sim_reboot_host(sim_host_state &state);

// Where the state is kept under a root.
std::string sim_state_dir(const std::string &root);

// One locked access to the host under a root. The lock is a process mutex
// and an exclusive flock on <root>/.xelsim/lock, so that threads and
// processes take turns.
class sim_store {
public:
    explicit sim_store(std::string root);

    // Loads the state, runs fn on it and saves it when fn says it changed
    // something; the lines fn adds to log are appended to the request log.
    // Returns 0, ENOENT when the root holds no emulated host, or EIO when
    // the state cannot be read or written (error says why).
    struct session {
        sim_host_state state;
        std::vector<std::string> log;
        std::vector<std::string> frames; // lines for the frame log
        bool changed = false;
    };
    int transact(const std::function<void(session &)> &fn, std::string *error = nullptr);

    // Replaces whatever the root holds with a new host (see sim_create_host).
    bool recreate(const std::function<bool(std::string *)> &build_tree, const sim_host_state &state,
                  std::string *error);

    // The request log, one line a request; statuses as transact.
    int read_log(std::string *text, std::string *error = nullptr);
    int clear_log(std::string *error = nullptr);
    // The frame log: every ELS and CT frame and every CDB the fabric saw.
    int read_frames(std::string *text, std::string *error = nullptr);
    int clear_frames(std::string *error = nullptr);

private:
    std::string root_;
};
