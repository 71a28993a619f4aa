// State of the models a port or a PCI function carries beside the port
// itself: the PHY module of a port, and per storage function IP over FC,
// link authentication and the driver's log levels. Kept in the host state
// (see sim_state.h); the PHY image lives in a file beside it.
#pragma once

#include <nlohmann/json_fwd.hpp>

#include <cstdint>
#include <map>
#include <vector>

struct sim_phy_state {
    bool present = true;              // a 10G PHY module sits in the port
    uint32_t fw_ver = 0;              // 0 until an image is written: the factory image's version
    std::map<uint32_t, uint64_t> stats; // by byte offset into xel_phy_stats_t
};

struct sim_ipfc_state {
    bool enabled = false;
    uint32_t mtu = 65280;
    std::map<uint32_t, uint64_t> stats; // by byte offset into xel_ipfc_stats_t
};

struct sim_auth_state {
    bool policy = false;
    uint32_t algo = 1;   // xel_auth_algo: MD5
    uint32_t group = 0;  // xel_auth_group: DH-NULL
    uint32_t source = 1; // xel_auth_secretsource: local
    std::vector<uint32_t> secret; // the encoded words; empty: none set
    std::map<uint32_t, uint64_t> stats; // by byte offset into xel_auth_stats_t
};

// The driver's event queue of a function: the entries (64 bytes each) in
// the order raised, and each application's read position in it.
struct sim_aen_state {
    std::vector<std::vector<uint8_t>> entries;
    std::map<int32_t, uint32_t> read; // by application id; absent: 0
    int32_t next_seq = 1;
};

struct sim_debug_state {
    bool drv_trace = true;       // the driver accumulates its trace
    bool fw_saved_clear = false; // the saved firmware trace was cleared
    bool plog_cleared = false;   // the port log was cleared
};

// A virtual port the FC transport created on the function's SCSI host:
// its WWNs in wire form (wwn_t), its fc_vports entry number.
struct sim_vport {
    uint64_t pwwn = 0;
    uint64_t nwwn = 0;
    uint32_t number = 0;
    bool preboot = false;
    bool stats_cleared = false;
    bool stopped = false; // logged out by a stop until started again
};

struct sim_vports_state {
    std::vector<sim_vport> list; // in creation order
    uint32_t next = 0;           // the next entry number
};

// One LUN the masking table lets the initiator see; WWNs and LUN in wire
// form.
struct sim_lun_mask {
    uint64_t lp_wwn = 0;
    uint64_t rp_wwn = 0;
    uint64_t lun = 0;
};

// The FCP initiator module: path time-out, queue depth, I/O profiling,
// the LUN masking table (its status as xel_lunmask_cfg_s has it) and the
// I/O throttle, whose configured value the driver takes at the next
// reboot (0: never configured, the maximum).
struct sim_fcpim_state {
    uint16_t path_tov = 30;
    uint16_t q_depth = 32;
    bool profile = false;
    uint8_t lunmask = 0;
    std::vector<sim_lun_mask> masks;
    uint16_t throttle_cur = 0;
    uint16_t throttle_cfg = 0;
};

// What a function carries beside its IOC state.
struct sim_function_models {
    sim_debug_state debug;
    sim_ipfc_state ipfc;
    sim_vports_state vports;
    sim_auth_state auth;
    std::map<int32_t, uint32_t> log_levels; // by module; absent: Warning
    sim_aen_state aen;
    sim_fcpim_state fcpim;
};

// JSON of the models; a state saved before they were kept reads as their
// defaults.
void sim_phy_to_json(const sim_phy_state &phy, nlohmann::ordered_json *obj);
void sim_phy_from_json(const nlohmann::ordered_json &obj, sim_phy_state *phy);
void sim_function_models_to_json(const sim_function_models &models, nlohmann::ordered_json *obj);
void sim_function_models_from_json(const nlohmann::ordered_json &obj, sim_function_models *models);
void sim_aen_to_json(const sim_aen_state &aen, nlohmann::ordered_json *obj);
void sim_aen_from_json(const nlohmann::ordered_json &obj, sim_aen_state *aen);
