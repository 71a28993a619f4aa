#include "bsg_reply.h"
#include "ixodebug.h"
#include "ixodebug_regblk.h"
#include "sim_rooted_sys.h"
#include "temp_root.h"
#include "xel_bsg.h"
#include "xell_debug.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstring>
#include <sstream>
#include <string>
#include <vector>

namespace {

// A port log whose slot i holds one integer record with the value i.
xel_plog_t numbered_plog(uint16_t head, uint16_t tail)
{
    xel_plog_t plog{};
    std::memcpy(plog.plog_sig, "12pl123", 8);
    plog.plog_enabled = 1;
    plog.head = head;
    plog.tail = tail;
    for (int i = 0; i < XEL_PLOG_RECS; i++) {
        xel_plog_rec_t &rec = plog.plog_recs[i];
        rec.log_type = XEL_PLOG_TYPE_INT;
        rec.log_num_ints = 1;
        rec.misc = 4;
        rec.log_entry[2] = static_cast<uint8_t>(i >> 8);
        rec.log_entry[3] = static_cast<uint8_t>(i);
    }
    return plog;
}

// The slot numbers of the printed records, in the order printed.
std::vector<int> printed_slots(const std::string &out, int *total)
{
    std::istringstream lines(out);
    std::string line;
    std::vector<int> slots;
    *total = -1;
    while (std::getline(lines, line)) {
        std::sscanf(line.c_str(), "Total records present = %d", total);
        if (line.size() > 8 && line.compare(0, 3, "Jan") == 0)
            slots.push_back(std::stoi(line.substr(line.size() - 8), nullptr, 16));
    }
    return slots;
}

TEST(DebugPortlogDisplay, RecordsFromHeadRoundToTail)
{
    struct {
        uint16_t head, tail;
        int total, first, last;
    } const cases[] = {
        {5, 8, 3, 5, 7},         // in order
        {0, 255, 255, 0, 254},
        {200, 199, 256, 200, 199}, // wrapped: full, oldest at head
        {200, 10, 256, 200, 199},
    };
    for (const auto &c : cases) {
        xel_plog_t plog = numbered_plog(c.head, c.tail);
        testing::internal::CaptureStdout();
        ixo_debug_portlog_print(plog);
        int total = 0;
        std::vector<int> slots = printed_slots(testing::internal::GetCapturedStdout(), &total);
        EXPECT_EQ(total, c.total) << c.head << "/" << c.tail;
        ASSERT_EQ(static_cast<int>(slots.size()), c.total) << c.head << "/" << c.tail;
        EXPECT_EQ(slots.front(), c.first);
        EXPECT_EQ(slots.back(), c.last);
        for (size_t i = 1; i < slots.size(); i++)
            EXPECT_EQ(slots[i], (slots[i - 1] + 1) % XEL_PLOG_RECS);
    }
}

TEST(DebugPortlogDisplay, DisabledAndEmptyAfterASignatureMismatch)
{
    xel_plog_t plog = numbered_plog(4, 4);
    std::memcpy(plog.plog_sig, "badsig99", 8); // no terminator
    testing::internal::CaptureStdout();
    ixo_debug_portlog_print(plog);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Log signature mismatch.\nsig: badsig99\nPortlog is empty\n");
    plog.plog_enabled = 0;
    plog.tail = 9;
    testing::internal::CaptureStdout();
    ixo_debug_portlog_print(plog);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Log signature mismatch.\nsig: badsig99\nPortlog disabled\n");
}

// A driver whose firmware core never ends: every chunk comes back with a
// nonzero offset.
class EndlessCoreSys : public RootedSys {
public:
    using RootedSys::RootedSys;
    int chunks = 0;

    int ioctl(int fd, unsigned long code, void *arg) override
    {
        (void)fd;
        if (code != XEL_SG_IO)
            return 0;
        auto *header = static_cast<struct sg_io_v4 *>(arg);
        auto *record = reinterpret_cast<xel_ioctl_debug_t *>(static_cast<uintptr_t>(header->dout_xferp));
        record->status = 0;
        record->bufsz = 16;
        record->offset = static_cast<uint64_t>(++chunks) * 16;
        bsg_reply_delivered(header);
        return 0;
    }
};

TEST(DebugCoreSave, StopsAfterTheChunkCap)
{
    TempRoot root;
    root.touch("/dev/bsg/fc_host2");
    EndlessCoreSys sys{root.path()};
    xell_os_install(&sys);
    xell_t ioc;
    ioc.ioc_type = XEL_IOC_TYPE_FC;
    std::strcpy(ioc.devpath, "/dev/bsg/fc_host2");
    std::string path = root.path() + "/core.bin";
    EXPECT_EQ(xell_debug_fw_core(&ioc, path.c_str()), XEL_STATUS_FAILED);
    xell_os_install(nullptr);
    EXPECT_EQ(sys.chunks, XELL_CORE_MAX_CHUNKS);
    struct stat st {};
    ASSERT_EQ(stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_size, XELL_CORE_MAX_CHUNKS * 16); // every chunk kept
}

int table_rows(const asic_reg_blk_t *table)
{
    int n = 0;
    while (table[n].addr != 0)
        n++;
    return n;
}

const asic_reg_blk_t *find_row(const asic_reg_blk_t *table, const std::string &desc, uint32_t port)
{
    for (; table->addr != 0; table++)
        if (desc == table->desc && table->port == port)
            return table;
    return nullptr;
}

TEST(DebugRegisterBlocks, TablesHoldTheNamedBlocks)
{
    EXPECT_EQ(table_rows(qa_reg_blk), 50);
    EXPECT_EQ(table_rows(qe_reg_blk), 66);
    EXPECT_EQ(table_rows(qe2_reg_blk), 20);
    struct {
        const asic_reg_blk_t *table;
        const char *desc;
        uint32_t port, addr, size;
        dev_mode_t mode;
    } const rows[] = {
        {qa_reg_blk, "FW Header", 0, 0x8000, 32, DEV_MODE_COMMON},
        {qe_reg_blk, "FW Header", 1, 0x8000, 32, DEV_MODE_COMMON},
        {qe2_reg_blk, "FW Header", 0, 0x8000, 32, DEV_MODE_COMMON},
        {qa_reg_blk, "CPE Registers", 0, 0x10000, 109, DEV_MODE_COMMON},
        {qa_reg_blk, "RME Registers", 0, 0x11000, 100, DEV_MODE_COMMON},
        {qe_reg_blk, "DLQ/IOQ/ULQ/UDQ/UMQ Registers part1", 0, 0x15000, 168, DEV_MODE_COMMON},
        {qe_reg_blk, "LPU Registers", 0, 0x18000, 256, DEV_MODE_COMMON},
        {qe2_reg_blk, "LPU Registers", 1, 0x18400, 256, DEV_MODE_COMMON},
        {qe_reg_blk, "Host CmdSts0  Register", 0, 0x14508, 1, DEV_MODE_COMMON},
        {qe_reg_blk, "Host CmdSts15 Register", 1, 0x145F8, 1, DEV_MODE_COMMON},
        {qe_reg_blk, "TX_BBCredits Registers", 0, 0x1F800, 112, DEV_MODE_FC},
        {qe_reg_blk, "TX_BBCredits Registers", 1, 0x1FA00, 112, DEV_MODE_FC},
        {qe_reg_blk, "RDQ Q count Registers", 0, 0x1B040, 8, DEV_MODE_CNA},
        {qe2_reg_blk, "RDQ Q count Registers", 1, 0x1B060, 8, DEV_MODE_CNA},
    };
    for (const auto &r : rows) {
        const asic_reg_blk_t *row = find_row(r.table, r.desc, r.port);
        ASSERT_NE(row, nullptr) << r.desc << " port " << r.port;
        EXPECT_EQ(row->addr, r.addr) << r.desc;
        EXPECT_EQ(row->size, r.size) << r.desc;
        EXPECT_EQ(row->mode, r.mode) << r.desc;
    }
    EXPECT_EQ(find_row(qe_reg_blk, "CPE Registers", 0), nullptr);
    EXPECT_EQ(find_row(qe2_reg_blk, "RME Registers", 0), nullptr);
}

} // namespace
