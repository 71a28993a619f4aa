// The emulated host behind the emulated kernel: the adapters' PCI
// functions, the two drivers and the firmware, with their state kept under
// the emulated root so that every process sees the same host.
#pragma once

#include "sim_bsg.h"
#include "sim_ethtool.h"

#include <scsi/sg.h>

#include <cstdint>
#include <memory>
#include <span>
#include <string>

// One driver request as the emulated kernel delivers it.
struct sim_driver_request {
    std::string driver;         // "xel" (storage) or "kwo" (network)
    int host = -1;              // xel: the SCSI host of the BSG node opened; kwo: -1
    uint32_t cmd = 0;           // the code as the driver got it (kwo: group byte 0x44)
    std::span<uint8_t> data;    // the record and any data behind it, answered in place
};

class SimHost {
public:
    // Opens the host kept under root (see sim_topology.h to create one).
    explicit SimHost(std::string root);
    ~SimHost();
    SimHost(const SimHost &) = delete;
    SimHost &operator=(const SimHost &) = delete;

    const std::string &root() const { return root_; }

    // Answers a driver request: fills the record in place (its status
    // field included) and returns 0, or returns an errno when the request
    // is not delivered (an injected transport fault, an unknown function).
    // Requests are serialised across threads and processes.
    int driver_request(const sim_driver_request &request);
    // The storage driver's end of an FC transport job on the BSG node of a
    // SCSI host: a vendor request's record, answered as driver_request
    // answers it, goes back in the reply payload. Returns 0, or the errno
    // of a job the driver refuses.
    int xel_bsg_job(int host, sim_bsg_job &job);
    // The storage driver's end of an ELS or CT job on a remote port's BSG
    // node (rport-<host>:<channel>-<number>).
    int xel_rport_bsg_job(int host, int channel, int rport, sim_bsg_job &job);
    // SG_IO on /dev/sg<sg>: the LUN behind the node answers the CDB.
    // Returns 0 with the header answered, or the errno of a request the
    // SCSI generic driver refuses.
    int scsi_generic_request(int sg, sg_io_hdr_t *header);
    // An ethtool request on a network interface: 0, or ENODEV when no
    // network function has the interface, or the errno the driver answers.
    int ethtool_request(const sim_ethtool_request &request);

    // The debugfs files of a PCI function (driver "xel" or "kwo", PCI
    // address as in the driver directory): a trace ("drvtrc", "fwtrc",
    // "fwsave"); false when the function has no such file.
    bool debugfs_trace(const std::string &driver, const std::string &pci, const std::string &file,
                       std::string *contents);
    // Register access through debugfs: nwords 32-bit words from off.
    bool register_read(const std::string &driver, const std::string &pci, uint32_t off, uint32_t nwords,
                       std::string *words);
    bool register_write(const std::string &driver, const std::string &pci, uint32_t off, uint32_t word);
    // A write to the FC transport's vport_create (create) or vport_delete
    // file of SCSI host host: 0, or the errno the kernel answers.
    int fc_host_vport(int host, bool create, const std::string &text);
    // A write to a SCSI host's scan file, or to the delete file of SCSI
    // device name ("H:C:T:L"): 0, or the errno the kernel answers.
    int scsi_host_scan(int host, const std::string &text);
    // Moves the host's clock on (sim_host_state::clock_ms).
    void advance_clock(unsigned milliseconds);
    int scsi_device_delete(const std::string &name);

private:
    int fcpt_job(int host, int rport, sim_bsg_job &job);

    std::string root_;
    struct impl;
    std::unique_ptr<impl> impl_;
};
