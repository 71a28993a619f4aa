// The boot settings the firmware keeps beside boot over SAN: the pre-boot
// configuration of a storage function and the network boot record of an
// Ethernet port.
#include "sim_driver.h"
#include "sim_port.h"

#include <algorithm>
#include <cstring>

namespace {

uint16_t ethboot_checksum(xel_ethboot_cfg_t cfg)
{
    cfg.chksum = 0;
    uint16_t words[sizeof cfg / 2];
    std::memcpy(words, &cfg, sizeof cfg);
    uint16_t sum = 0;
    for (uint16_t word : words)
        sum ^= word;
    return sum;
}

} // namespace

int32_t sim_bios_pbc_query(sim_call &call)
{
    if (!call.fn().storage())
        return XEL_STATUS_CMD_NOTSUPP;
    auto record = answer_record<xel_ioctl_bios_pbc_t>(call);
    const auto &luns = call.fn().pbc_luns;
    record.pbc.enable = luns.empty() ? 0 : 1;
    record.pbc.speed = XEL_PORT_SPEED_AUTO;
    record.pbc.topology = XEL_PORT_TOPOLOGY_P2P;
    record.pbc.nbluns = static_cast<uint32_t>(std::min<size_t>(luns.size(), XEL_PBC_LUNS));
    for (uint32_t i = 0; i < record.pbc.nbluns; i++) {
        record.pbc.pblun[i].pwwn = luns[i].first;
        uint8_t lun[8] = {static_cast<uint8_t>(luns[i].second >> 8), static_cast<uint8_t>(luns[i].second)};
        std::memcpy(&record.pbc.pblun[i].lun, lun, sizeof lun);
    }
    store(call, record);
    return XEL_STATUS_OK;
}

// The network driver keeps the record in the port's flash; until one is
// written it reads as erased flash.
int32_t sim_ethboot_cfg(sim_call &call)
{
    if (call.fn().storage())
        return XEL_STATUS_CMD_NOTSUPP;
    auto record = load<xel_ioctl_ethboot_t>(call);
    if (ethboot_checksum(record.cfg) != record.cfg.chksum)
        return XEL_STATUS_CHECKSUM_FAIL;
    auto &bytes = sim_port_of(call).ethboot;
    bytes.resize(sizeof record.cfg);
    std::memcpy(bytes.data(), &record.cfg, sizeof record.cfg);
    call.changed = true;
    return XEL_STATUS_OK;
}

int32_t sim_ethboot_query(sim_call &call)
{
    if (call.fn().storage())
        return XEL_STATUS_CMD_NOTSUPP;
    auto record = answer_record<xel_ioctl_ethboot_t>(call);
    const auto &bytes = sim_port_of(call).ethboot;
    std::memset(&record.cfg, 0xff, sizeof record.cfg);
    std::copy_n(bytes.begin(), std::min(bytes.size(), sizeof record.cfg), reinterpret_cast<uint8_t *>(&record.cfg));
    store(call, record);
    return XEL_STATUS_OK;
}
