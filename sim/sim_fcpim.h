// The FCP initiator module of the emulated storage driver (sim_fcpim.cpp).
#pragma once

#include "sim_driver.h"
#include "sim_fabric.h"

#include <string>

// Whether the host sees LUN n of the remote port through the function's
// masking table (LUN 0 always).
bool sim_lun_visible(const sim_function &fn, const sim_fcpim_state &f, const sim_rport &r, uint32_t n);

// A write of text to scsi_host/host<host>/scan: the devices of the LUNs
// the targets report and the mask lets through come back. 0 or the errno.
int sim_scsi_host_scan(sim_host_state &state, const std::string &root, int host, const std::string &text);
// A write to scsi_device/<name>/device/delete: the device and its SCSI
// generic node go. 0 or the errno.
int sim_scsi_device_delete(const sim_host_state &state, const std::string &root, const std::string &name);

// The driver takes the configured throttle at a reboot.
void sim_fcpim_reboot(sim_fcpim_state &f);

int32_t sim_fcpim_fast_failover(sim_call &call);
int32_t sim_fcpim_qdepth(sim_call &call);
int32_t sim_fcpim_profile_on(sim_call &call);
int32_t sim_fcpim_profile_off(sim_call &call);
int32_t sim_fcpim_lunmask_query(sim_call &call);
int32_t sim_fcpim_lunmask_enable(sim_call &call);
int32_t sim_fcpim_lunmask_disable(sim_call &call);
int32_t sim_fcpim_lunmask_clear(sim_call &call);
int32_t sim_fcpim_lunmask_add(sim_call &call);
int32_t sim_fcpim_lunmask_delete(sim_call &call);
int32_t sim_fcpim_throttle_query(sim_call &call);
int32_t sim_fcpim_throttle_set(sim_call &call);
