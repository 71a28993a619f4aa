// The storage driver's pass-through jobs, answered within one locked
// session of the host: ELS and CT frames on the host's or a remote port's
// BSG node, and SCSI commands on a LUN's SCSI generic node.
#pragma once

#include "sim_bsg.h"
#include "sim_state.h"

#include <scsi/sg.h>

#include <string>

// rport: the remote port's number for a job on its node; -1 on the host's.
// 0, or the errno the driver refuses the job with.
int sim_fcpt_job(sim_store::session &s, int host, int rport, sim_bsg_job &job);
int sim_scsi_generic_job(sim_store::session &s, const std::string &root, int sg, sg_io_hdr_t *header);
