// The SCSI targets behind the emulated fabric's remote ports: what a LUN
// answers to a CDB, with the layouts of SPC and SBC.
#pragma once

#include "sim_fabric.h"

#include <cstdint>
#include <span>
#include <vector>

struct sim_scsi_answer {
    uint8_t status = 0;          // SCSI status: 0 good, 2 check condition
    std::vector<uint8_t> data;   // data in, before it is cut to the transfer
    std::vector<uint8_t> sense;  // fixed-format sense with a check condition
};

// The answer of the target's LUN lun_index (as the host found it) to cdb.
sim_scsi_answer sim_scsi_target_answer(const sim_rport &rport, uint32_t lun_index, std::span<const uint8_t> cdb);
