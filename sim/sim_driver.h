// The driver and firmware model: what the xel and kwo drivers answer to
// each command code, for one PCI function, from the host state.
#pragma once

#include "sim_state.h"
#include "xel_ioctl.h"

#include <cstdint>
#include <span>
#include <string>

// One request as a command's answer sees it.
struct sim_call {
    sim_host_state &host;
    const sim_function_ref &ref;
    sim_function_state &st;
    std::span<uint8_t> data;    // the record and the data behind it
    bool stuck = false;         // an injected fault keeps enable and disable from finishing
    bool changed = false;       // the answer changed the host state

    const sim_adapter &adapter() const { return *ref.adapter; }
    const sim_function &fn() const { return *ref.function; }
};

// A command the model knows. Its record is the size its code encodes;
// some records are followed by data that is answered in the same transfer.
struct sim_command {
    uint32_t cmd;
    uint32_t data_after;        // bytes answered behind the record
    bool has_instance;          // the record carries xeld_num at offset 4
    int32_t (*answer)(sim_call &call);
};

// The command of a code in its storage form, or null when the model does
// not know it (such a request answers XEL_STATUS_CMD_NOTSUPP).
const sim_command *sim_find_command(uint32_t cmd);

// The storage form of a code as a driver got it: kwo's group byte 0x44
// back to the general group 0x43. A kwo code of another group gives 0.
uint32_t sim_storage_form(const std::string &driver, uint32_t cmd);

// The record fillers behind the information and attribute answers.
void sim_fill_ioc_info(const sim_call &call, xel_ioctl_ioc_info_t *info);
void sim_fill_ioc_attr(const sim_call &call, xel_ioc_attr_t *attr);
void sim_fill_flash_attr(const sim_adapter &adapter, xel_flash_attr_t *attr);
