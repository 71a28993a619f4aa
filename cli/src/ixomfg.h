// The words of the manufacturing update, checked before anything is
// written.
#pragma once

#include "xel_types.h"

#include <cstdint>

struct ixo_mfg_args {
    const char *serial;
    const char *partnum;
    const char *card_name;
    uint32_t card_type;
    uint8_t nports;
    const char *mode;
    wwn_t pwwn;
    bool has_mac = false;
    mac_t mac{};
    uint32_t cm = 0;
    const char *asic_file = nullptr;
};

// argv is the whole vector (program, class, command, adapter, then the
// words), argc its length, at least 10. 0 or the front-end code of the
// first word that is refused.
int ixo_mfg_parse(char **argv, int argc, ixo_mfg_args *a);
