// Frames through the emulated fabric: the switch's name server, the
// remote ports' answers to ELS requests, and the frame log that records
// every frame and every CDB.
#pragma once

#include "sim_driver.h"
#include "sim_fabric.h"
#include "sim_scsi_target.h"
#include "xel_fabric_records.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

// One pass-through frame from the function's port: the destination is the
// frame's d_id (a well-known address or a remote port's). Fills reply and
// returns the driver's status for the frame; *reply_len is what was filled.
int32_t sim_fabric_frame(const sim_call &call, const fchs_t &fchs, std::span<const uint8_t> request,
                         std::span<uint8_t> reply, uint32_t *reply_len);

// A CT header answering request: its response code, reason and
// explanation, the residual size cleared.
std::vector<uint8_t> sim_ct_response(const ct_hdr_t &request, uint16_t code, uint8_t reason, uint8_t explanation);

// Frame log lines.
std::string sim_frame_log_request(const std::string &node, const fchs_t &fchs, std::span<const uint8_t> payload);
std::string sim_frame_log_reply(const std::string &node, int32_t status, std::span<const uint8_t> payload);
std::string sim_frame_log_cdb(const std::string &device, const std::string &sg, std::span<const uint8_t> cdb,
                              const sim_scsi_answer &answer, size_t data_len);
std::string sim_hex(std::span<const uint8_t> bytes);
