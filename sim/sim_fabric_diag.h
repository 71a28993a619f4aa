// The fabric's answers to the diagnostics: the fabric configuration
// server's ping and trace route, the fabric controller's link beacon, and
// the injected frame faults that change an answer.
#pragma once

#include "sim_driver.h"
#include "sim_fabric.h"
#include "sim_state.h"
#include "xel_fabric_records.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

// A CT request to the management server (configuration server subtype).
std::vector<uint8_t> sim_config_server(const sim_call &call, const std::vector<sim_rport> &rports,
                                       const ct_hdr_t &ct, std::span<const uint8_t> payload);
// An ELS to the fabric controller; empty when it is not the link beacon.
std::vector<uint8_t> sim_fabric_controller(const sim_call &call, std::span<const uint8_t> request);

// What a frame fault does: value = (effect << 16) | argument.
enum sim_frame_effect : uint32_t {
    sim_frame_token = 1,   // the ping or trace route token comes back changed
    sim_frame_timeout = 2, // no answer: the driver's exchange times out
    sim_frame_reject = 3,  // a CT reject or an LS_RJT, reason << 8 | explanation
    sim_frame_route = 4,   // the trace route's rejection reason
    sim_frame_cut = 5,     // only the first N bytes of the answer arrive
};
// Reads "token", "timeout", "reject:RR:EE", "route:N" or "cut:N" (hex
// reason bytes, decimal numbers).
bool sim_parse_frame_effect(const std::string &text, int *value);
std::string sim_frame_effect_text(int value);
// Applies the first frame fault of the function to the answer; true when
// one was used (the host state changed).
bool sim_frame_fault(sim_host_state &state, const std::string &pci, const fchs_t &fchs, std::span<uint8_t> reply,
                     uint32_t *reply_len, int32_t *status);
