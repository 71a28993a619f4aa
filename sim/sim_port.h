// What the port model's files share: the physical port a request's
// function belongs to, and what that port reports to the function asked.
#pragma once

#include "sim_driver.h"
#include "xell_state.h"

#include <cstdint>
#include <map>

sim_port_state &sim_port_of(const sim_call &call);
bool sim_is_fc(const sim_call &call);
bool sim_is_fcoe(const sim_call &call);

// The port runs a physical link: enabled (and done with it), a cable and a
// supported SFP.
bool sim_port_has_link(const sim_port_state &port);
// A beacon turned on for a duration: when it stops, from now; and turning
// it off once that time has come, as the firmware does (true when it did).
int64_t sim_beacon_end_ms(uint32_t seconds);
bool sim_beacon_lapse(sim_port_state &port);
// The port-state code a function reports for its side of the port.
uint32_t sim_side_state(const sim_function &fn, const sim_function_state &st, const sim_port_state &port);
uint32_t sim_side_state(const sim_call &call, const sim_port_state &port);
bool sim_link_up(const sim_call &call, const sim_port_state &port);
// The fastest the port runs: the adapter's speed for FC, 10G for Ethernet.
uint32_t sim_port_max_speed(const sim_call &call);
uint32_t sim_operational_speed(const sim_call &call, const sim_port_state &port);

// An FC address as the drivers store it: domain, area, port in the first
// three bytes.
uint32_t sim_fc_address(uint8_t domain, uint8_t area, uint8_t port);
// The address the port logged in with; 0 without a link.
uint32_t sim_port_address(const sim_call &call, const sim_port_state &port);

// The configured settings take effect as the port comes up.
void sim_port_come_up(sim_port_state &port);
// A port coming up with QoS on logs in with it (sim_qos.cpp).
void sim_qos_login(sim_port_state &port);

// The speeds the installed SFP runs, automatic included (sim_sfp.cpp).
bool sim_sfp_supports(const sim_call &call, uint32_t speed);

// The counters a port starts with (sim_port_stats.cpp), and counters by
// byte offset copied into their record, each width bytes wide.
void sim_seed_counters(const sim_topology &topology, const sim_adapter &ad, const sim_function &fn,
                       sim_port_state *port);
void sim_put_counters(const std::map<uint32_t, uint64_t> &counters, uint8_t *record, size_t size, size_t width);
