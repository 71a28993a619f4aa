// The register blocks of each ASIC generation that the register dump reads.
#pragma once

#include <cstdint>

enum dev_mode_t : uint32_t {
    DEV_MODE_COMMON = 0, // every personality
    DEV_MODE_FC = 1,     // FC only
    DEV_MODE_CNA = 2,    // converged only
};

struct asic_reg_blk_t {
    char desc[40];
    uint32_t addr; // register offset
    uint32_t size; // words
    uint32_t port; // the port the block belongs to
    dev_mode_t mode;
};

// Each table ends with a row whose addr is 0.
extern const asic_reg_blk_t qa_reg_blk[];  // first generation
extern const asic_reg_blk_t qe_reg_blk[];  // second generation
extern const asic_reg_blk_t qe2_reg_blk[]; // third generation
