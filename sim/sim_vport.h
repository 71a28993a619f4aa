// Virtual ports of the emulated host (sim_vport.cpp).
#pragma once

#include "sim_driver.h"
#include "xel_fabric_records.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

// A write of text to vport_create (create) or vport_delete of SCSI host
// host: 0, or the errno the FC transport answers. The fc_vports entry and
// npiv_vports_inuse under root follow.
int sim_vport_sysfs(sim_host_state &state, const std::string &root, int host, bool create, const std::string &text,
                    bool *changed);

// A virtual port's fc_vports entry ("/sys/class/fc_vports/vport-<H>:0-<N>")
// and the files in it with their contents.
std::string sim_vport_entry(int host, uint32_t number);
std::vector<std::pair<std::string, std::string>> sim_vport_entry_files(const sim_vport &v);

const sim_vport *sim_find_vport(const sim_call &call, uint64_t pwwn);
std::vector<uint64_t> sim_vport_wwns(const sim_call &call);
void sim_fill_vport_lport_attr(const sim_call &call, const sim_vport &v, xel_lport_attr_t *attr);

int32_t sim_vport_get_attr(sim_call &call);
int32_t sim_vport_get_stats(sim_call &call);
int32_t sim_vport_reset_stats(sim_call &call);
int32_t sim_vport_start(sim_call &call);
int32_t sim_vport_stop(sim_call &call);
