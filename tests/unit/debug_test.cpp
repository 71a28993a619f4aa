#include "bsg_reply.h"
#include "ixodebug.h"
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

} // namespace
