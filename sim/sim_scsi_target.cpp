// The targets: an 8-LUN disk array (LUN 6 has failed, LUN 7 is not
// ready, and the device the host kept for LUN 8 no longer exists on the
// target), a 150-disk JBOD addressed flat, and a tape drive.
#include "sim_scsi_target.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

constexpr uint8_t CHECK_CONDITION = 0x02;
constexpr uint32_t block_size = 512;

enum sense_key : uint8_t { NOT_READY = 0x02, HARDWARE_ERROR = 0x04, ILLEGAL_REQUEST = 0x05 };

sim_scsi_answer check_condition(uint8_t key, uint8_t asc, uint8_t ascq)
{
    sim_scsi_answer a;
    a.status = CHECK_CONDITION;
    a.sense.assign(18, 0);
    a.sense[0] = 0x70; // current error, fixed format
    a.sense[2] = key;
    a.sense[7] = 10; // additional sense length
    a.sense[12] = asc;
    a.sense[13] = ascq;
    return a;
}

void put_be(uint8_t *to, uint64_t value, int bytes)
{
    for (int i = bytes - 1; i >= 0; i--, value >>= 8)
        to[i] = static_cast<uint8_t>(value);
}

uint64_t get_be(const uint8_t *from, int bytes)
{
    uint64_t value = 0;
    for (int i = 0; i < bytes; i++)
        value = (value << 8) | from[i];
    return value;
}

void put_text(uint8_t *to, const char *text, size_t width)
{
    std::memset(to, ' ', width);
    std::memcpy(to, text, std::min(width, std::strlen(text)));
}

const char *product_of(sim_rport_kind kind)
{
    switch (kind) {
    case sim_rport_kind::array:
        return "ARRAY-8";
    case sim_rport_kind::jbod:
        return "JBOD-150";
    default:
        return "TAPE-LTO";
    }
}

// Blocks a LUN holds: the array's LUN n 2 GiB × (n + 1); the JBOD's disks
// 4 TB, past what READ CAPACITY (10) can tell.
uint64_t blocks_of(const sim_rport &rport, uint32_t lun)
{
    if (rport.kind == sim_rport_kind::jbod)
        return 4000000000000ull / block_size;
    return (uint64_t{lun} + 1) * (2ull << 30) / block_size;
}

sim_scsi_answer inquiry(const sim_rport &rport, uint32_t lun, std::span<const uint8_t> cdb)
{
    bool tape = rport.kind == sim_rport_kind::tape;
    sim_scsi_answer a;
    if (cdb[1] & 0x01) {
        char serial[17];
        std::snprintf(serial, sizeof serial, "XS%02X%02X%04X", rport.index, rport.pid_value & 0xff, lun);
        if (cdb[2] == 0x00) {
            a.data = {static_cast<uint8_t>(tape ? 1 : 0), 0x00, 0x00, 2, 0x00, 0x80};
        } else if (cdb[2] == 0x80) {
            a.data = {static_cast<uint8_t>(tape ? 1 : 0), 0x80, 0x00, static_cast<uint8_t>(std::strlen(serial))};
            a.data.insert(a.data.end(), serial, serial + std::strlen(serial));
        } else {
            return check_condition(ILLEGAL_REQUEST, 0x24, 0x00);
        }
        return a;
    }
    if (cdb[2] != 0)
        return check_condition(ILLEGAL_REQUEST, 0x24, 0x00);
    a.data.assign(96, 0);
    uint8_t *d = a.data.data();
    d[0] = tape ? 0x01 : 0x00; // connected, direct access or sequential access
    d[1] = tape ? 0x80 : 0x00; // removable medium
    d[2] = 0x06;               // SPC-4
    d[3] = 0x12;               // HiSup, response data format 2
    d[4] = 96 - 5;
    d[7] = 0x02; // CmdQue
    put_text(d + 8, "XSTOR", 8);
    put_text(d + 16, product_of(rport.kind), 16);
    put_text(d + 32, "0410", 4);
    put_text(d + 36, "", 20);
    // Version descriptors: SAM-5, SPC-4, SBC-3 (or SSC-4), FCP-4.
    const uint16_t versions[] = {0x00A0, 0x0460, static_cast<uint16_t>(tape ? 0x0560 : 0x04C0), 0x0A40};
    for (size_t i = 0; i < std::size(versions); i++)
        put_be(d + 58 + 2 * i, versions[i], 2);
    return a;
}

sim_scsi_answer report_luns(const sim_rport &rport)
{
    sim_scsi_answer a;
    a.data.assign(8 + 8 * size_t{rport.luns}, 0);
    put_be(a.data.data(), 8 * uint64_t{rport.luns}, 4);
    for (uint32_t n = 0; n < rport.luns; n++) {
        uint64_t lun = sim_rport_lun(rport, n);
        std::memcpy(a.data.data() + 8 + 8 * n, &lun, sizeof lun);
    }
    return a;
}

sim_scsi_answer read_capacity(uint64_t blocks, bool sixteen)
{
    sim_scsi_answer a;
    if (sixteen) {
        a.data.assign(32, 0);
        put_be(a.data.data(), blocks - 1, 8);
        put_be(a.data.data() + 8, block_size, 4);
    } else {
        a.data.assign(8, 0);
        put_be(a.data.data(), std::min<uint64_t>(blocks - 1, 0xFFFFFFFFu), 4);
        put_be(a.data.data() + 4, block_size, 4);
    }
    return a;
}

sim_scsi_answer read10(uint64_t blocks, std::span<const uint8_t> cdb)
{
    uint64_t lba = get_be(cdb.data() + 2, 4);
    uint64_t count = get_be(cdb.data() + 7, 2);
    if (lba + count > blocks)
        return check_condition(ILLEGAL_REQUEST, 0x21, 0x00);
    sim_scsi_answer a;
    a.data.resize(count * block_size);
    for (size_t i = 0; i < a.data.size(); i++)
        a.data[i] = static_cast<uint8_t>(lba + i / block_size);
    return a;
}

// The CDB length the opcode's group code gives (SAM).
size_t cdb_length(uint8_t opcode)
{
    switch (opcode >> 5) {
    case 1:
    case 2:
        return 10;
    case 4:
        return 16;
    case 5:
        return 12;
    default:
        return 6;
    }
}

} // namespace

sim_scsi_answer sim_scsi_target_answer(const sim_rport &rport, uint32_t lun_index, std::span<const uint8_t> cdb)
{
    if (cdb.empty())
        return check_condition(ILLEGAL_REQUEST, 0x20, 0x00);
    uint8_t opcode = cdb[0];
    if (cdb.size() < cdb_length(opcode))
        return check_condition(ILLEGAL_REQUEST, 0x24, 0x00); // invalid field in CDB
    // REPORT LUNS goes to the target, whichever LUN it names.
    if (opcode == 0xA0)
        return report_luns(rport);
    if (lun_index >= rport.luns)
        return check_condition(ILLEGAL_REQUEST, 0x25, 0x00); // logical unit not supported
    if (rport.kind == sim_rport_kind::array && lun_index == 6)
        return check_condition(HARDWARE_ERROR, 0x44, 0x00); // internal target failure
    if (opcode == 0x12)
        return inquiry(rport, lun_index, cdb);
    if (rport.kind == sim_rport_kind::array && lun_index == 7)
        return check_condition(NOT_READY, 0x04, 0x03); // manual intervention required
    bool disk = rport.kind != sim_rport_kind::tape;
    uint64_t blocks = blocks_of(rport, lun_index);
    switch (opcode) {
    case 0x00:
        return {};
    case 0x25:
        if (disk)
            return read_capacity(blocks, false);
        break;
    case 0x9E:
        if (disk && (cdb[1] & 0x1f) == 0x10)
            return read_capacity(blocks, true);
        break;
    case 0x28:
        if (disk)
            return read10(blocks, cdb);
        break;
    default:
        break;
    }
    return check_condition(ILLEGAL_REQUEST, 0x20, 0x00); // invalid command operation code
}
