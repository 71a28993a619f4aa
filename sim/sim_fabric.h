// The emulated fabric behind each storage function: a switch with a
// domain and a name server, the remote ports the function's base port
// finds there (targets and initiators), their SCSI addresses and LUNs,
// and the SCSI generic nodes the kernel makes for the LUNs.
#pragma once

#include "sim_topology.h"

#include <cstdint>
#include <string>
#include <vector>

enum class sim_rport_kind {
    array,     // an 8-LUN disk array with a failing LUN
    jbod,      // 150 disks behind one port, flat LUN addressing
    tape,      // a tape drive whose process login is still going on
    initiator, // another host's initiator; its speed was never learned
};

struct sim_rport {
    sim_rport_kind kind;
    uint32_t index;       // among the function's remote ports: the SCSI target id and rport number
    wwn_t pwwn;
    wwn_t nwwn;
    uint32_t pid;         // as drivers store it (first three bytes in memory)
    uint32_t pid_value;   // the 24-bit number
    std::string symname;  // what the attributes carry; empty: ask the name server
    std::string ns_symname; // what the name server holds
    uint32_t speed;       // learned speed (xel_port_speed); 0 not learned
    uint8_t qos_priority;
    uint32_t qos_flow_id;
    bool trl_enforced;
    uint32_t itnim_state; // xel_itnim_state
    uint32_t luns;        // LUNs the target has; 0 for an initiator
    bool scsi_target() const { return kind != sim_rport_kind::initiator; }
    bool has_scsi_devices() const { return kind == sim_rport_kind::array || kind == sim_rport_kind::jbod; }
};

// The fabric's switch domain for a function of the adapter at index.
uint8_t sim_fabric_domain(size_t adapter_index);
// The fabric's name and its switch's WWN.
wwn_t sim_fabric_name();
// Every remote port the function's fabric holds (whether its link is up
// or not).
std::vector<sim_rport> sim_fabric_rports(size_t adapter_index, const sim_function &fn);

// The eight wire bytes of LUN number n as the target reports it.
uint64_t sim_rport_lun(const sim_rport &rport, uint32_t n);
// The Linux LUN number of entry n (the sysfs name).
uint64_t sim_rport_linux_lun(const sim_rport &rport, uint32_t n);

// The LUNs the kernel has devices for: the array's LUN past its last was
// taken away after the host scanned it, so its device lingers.
uint32_t sim_rport_sysfs_luns(const sim_rport &rport);

// A LUN's SCSI generic node as the kernel made it.
struct sim_sg_device {
    int sg = 0;            // /dev/sg<N>
    std::string pci;       // the storage function
    int host = 0;
    uint32_t target = 0;   // the remote port's index
    uint32_t lun_index = 0;
    uint64_t linux_lun = 0;
    bool old_layout = false; // "scsi_generic:sg<N>" in the device directory (FCoE functions)
};
// Every LUN's node of the host, numbered in topology order.
std::vector<sim_sg_device> sim_fabric_sg_devices(const sim_topology &topology);
// Lays out one LUN's device and node under root, as a scan makes them
// (sim_tree.cpp).
bool sim_add_scsi_device(const std::string &root, const sim_sg_device &dev);
