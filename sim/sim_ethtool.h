// An ethtool request on a network interface, as the kernel's ethtool core
// hands it over, and the network driver's ethtool operations: the
// adapter's flash (sim_flash.h) as the device's EEPROM, and flashing a
// firmware image from /lib/firmware.
#pragma once

#include "sim_state.h"
#include "sim_topology.h"

#include <net/if.h>

#include <cstdint>
#include <span>
#include <string>

struct sim_ethtool_request {
    std::string ifname;       // ifr_name
    uint32_t cmd = 0;         // ETHTOOL_GEEPROM, ETHTOOL_SEEPROM, ETHTOOL_FLASHDEV, ...
    bool net_admin = true;    // the caller holds CAP_NET_ADMIN
    // GEEPROM and SEEPROM
    uint32_t magic = 0;
    uint32_t offset = 0;
    std::span<uint8_t> data;  // read into, or written from
    // FLASHDEV
    uint32_t region = 0;
    std::string file;         // the firmware's name under /lib/firmware
};

// The ethtool core's reading of a SIOCETHTOOL request: the interface's
// name and the command's record in the caller's memory. False with an
// errno when there is no record.
bool sim_ethtool_decode(struct ifreq *ifr, sim_ethtool_request *request, int *err);

// Answers the request for the network function that owns the interface
// (its adapter's flash under root); 0 or an errno. A flash fault the
// request meets (or null) makes a write keep half its data and fail with
// EIO, as the driver does when the flash stops taking it, or a read answer
// other bytes.
int sim_kwo_ethtool(const std::string &root, const sim_function_ref &ref, const sim_ethtool_request &request,
                    const sim_fault *fault = nullptr);
