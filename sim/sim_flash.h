// An adapter's flash memory: the partition table that fits the adapter
// (sim_fill_flash_attr) and what its partitions hold, shared by all the
// adapter's functions and both drivers. Contents live in files beside the
// host state, <root>/.xelsim/flash/<adapter>/<type>.<instance>: a
// partition without a file holds what the factory left (the manufacturing
// block its capability flags, any other partition erased flash), one with
// a file its bytes followed by erased flash. A partition's length in use
// is what was last written (0 once erased). Use it under the host lock.
#pragma once

#include "sim_topology.h"
#include "xel_ioctl.h"

#include <cstdint>
#include <span>
#include <string>

class sim_flash {
public:
    sim_flash(const std::string &root, const sim_adapter &adapter);

    const xel_flash_attr_t &attr() const { return attr_; }
    // The partition listed for a type and instance, or the one that starts
    // at a flash address; null when there is none.
    const xel_flash_part_attr_t *part(uint32_t type, uint32_t instance) const;
    const xel_flash_part_attr_t *part_at(uint32_t address) const;
    // The flash's size: up to the end of its last partition.
    uint32_t size() const;

    // Bytes of a partition from offset on; one the table does not list
    // reads as erased flash.
    void read_part(uint32_t type, uint32_t instance, uint32_t offset, std::span<uint8_t> out) const;
    // Bytes of the flash as one address space (what lies between or before
    // partitions reads as erased).
    void read(uint32_t address, std::span<uint8_t> out) const;
    // Replaces a partition's contents, or erases it; false when the
    // contents cannot be kept (the caller checks them against the
    // partition's size).
    bool write_part(uint32_t type, uint32_t instance, std::span<const uint8_t> data);
    bool erase_part(uint32_t type, uint32_t instance);

private:
    std::string file(uint32_t type, uint32_t instance) const;

    std::string dir_;
    const sim_adapter &adapter_;
    xel_flash_attr_t attr_{};
};
