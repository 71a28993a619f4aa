// ethtool on the emulated host: the network driver serves the adapter's
// flash as the interface's EEPROM and flashes firmware files, and the
// library reads and writes an Ethernet function's flash through it.
#include "emulated_host.h"
#include "sim_flash.h"
#include "xel_bsg.h"
#include "xel_port_records.h"
#include "xell_flash.h"
#include "xell_state.h"
#include "xell_transport.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <linux/ethtool.h>
#include <linux/sockios.h>
#include <net/if.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

// The default host's converged adapter: eth2 and the FCoE function on
// SCSI host 4 share its flash.
class EthtoolTest : public EmulatedHostTest {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(start("default"));
        sim_topology topology;
        ASSERT_TRUE(sim_preset_topology("default", &topology));
        cna = topology.adapters[1];
    }

    xel_flash_part_attr_t part(uint32_t type) { return *sim_flash(root.path(), cna).part(type, 0); }
    uint32_t magic() const { return 0x22u * 65536u + 0x7a3cu; }

    // An ethtool request as a caller makes it; the errno, or 0.
    int ethtool(const char *ifname, void *record)
    {
        int fd = kernel->socket(AF_INET, SOCK_DGRAM, 0);
        EXPECT_GE(fd, 0);
        struct ifreq ifr {};
        std::snprintf(ifr.ifr_name, sizeof ifr.ifr_name, "%s", ifname);
        ifr.ifr_data = static_cast<char *>(record);
        int err = kernel->ioctl(fd, SIOCETHTOOL, &ifr) < 0 ? errno : 0;
        kernel->close(fd);
        return err;
    }
    // GEEPROM or SEEPROM of data (read into it, or written from it).
    int eeprom(uint32_t cmd, uint32_t offset, std::vector<uint8_t> &data, uint32_t with_magic = 0,
               const char *ifname = "eth2")
    {
        std::vector<uint8_t> buffer(sizeof(struct ethtool_eeprom) + data.size());
        struct ethtool_eeprom head {cmd, with_magic ? with_magic : magic(), offset, static_cast<uint32_t>(data.size())};
        std::memcpy(buffer.data(), &head, sizeof head);
        std::copy(data.begin(), data.end(), buffer.begin() + sizeof head);
        int err = ethtool(ifname, buffer.data());
        std::copy(buffer.begin() + sizeof head, buffer.end(), data.begin());
        return err;
    }
    int flashdev(uint32_t region, const char *file)
    {
        struct ethtool_flash flash {};
        flash.cmd = ETHTOOL_FLASHDEV;
        flash.region = region;
        std::snprintf(flash.data, sizeof flash.data, "%s", file);
        return ethtool("eth2", &flash);
    }
    // A framed partition write: its length, then its bytes.
    static std::vector<uint8_t> framed(std::string_view bytes)
    {
        auto length = static_cast<uint32_t>(bytes.size());
        std::vector<uint8_t> data(sizeof length + bytes.size());
        std::memcpy(data.data(), &length, sizeof length);
        std::memcpy(data.data() + sizeof length, bytes.data(), bytes.size());
        return data;
    }

    sim_adapter cna;
};

std::string text(const std::vector<uint8_t> &bytes)
{
    return std::string(bytes.begin(), bytes.end());
}

} // namespace

TEST_F(EthtoolTest, TheFlashIsTheInterfacesEeprom)
{
    std::vector<uint8_t> mfg(XEL_MFG_BLOCK_SIZE);
    ASSERT_EQ(eeprom(ETHTOOL_GEEPROM, part(XEL_FLASH_PART_MFG).part_off, mfg), 0);
    EXPECT_EQ(text(mfg).substr(XEL_MFG_CAP_OFFSET, 6), "yyynnn"); // NIC, CNA and HBA capable

    std::vector<uint8_t> written = framed("tunables");
    uint32_t fwcfg = part(XEL_FLASH_PART_FWCFG).part_off;
    ASSERT_EQ(eeprom(ETHTOOL_SEEPROM, fwcfg - 4, written), 0);
    std::vector<uint8_t> back(10);
    ASSERT_EQ(eeprom(ETHTOOL_GEEPROM, fwcfg, back), 0);
    EXPECT_EQ(text(back), std::string("tunables\xff\xff"));

    std::ofstream(root.path() + "/lib/firmware/fw.bin") << "image";
    ASSERT_EQ(flashdev(XEL_FLASH_PART_FWIMG, "fw.bin"), 0);
    std::vector<uint8_t> image(6);
    ASSERT_EQ(eeprom(ETHTOOL_GEEPROM, part(XEL_FLASH_PART_FWIMG).part_off, image), 0);
    EXPECT_EQ(text(image), std::string("image\xff"));
}

TEST_F(EthtoolTest, RefusesWhatTheDriverAndTheCoreRefuse)
{
    uint32_t mfg = part(XEL_FLASH_PART_MFG).part_off;
    uint32_t end = sim_flash(root.path(), cna).size();
    std::vector<uint8_t> some(16), none, good = framed("x"), bad_length = framed("x");
    bad_length[0] = 2;
    struct {
        const char *what;
        std::function<int()> run;
        int err;
    } const cases[] = {
        {"unknown interface", [&] { return eeprom(ETHTOOL_GEEPROM, mfg, some, 0, "eth9"); }, ENODEV},
        {"wrong magic", [&] { return eeprom(ETHTOOL_GEEPROM, mfg, some, 0x217a3c); }, EINVAL},
        {"nothing to read", [&] { return eeprom(ETHTOOL_GEEPROM, mfg, none); }, EINVAL},
        {"past the end", [&] { return eeprom(ETHTOOL_GEEPROM, end - 8, some); }, EINVAL},
        {"a write not in front of a partition", [&] { return eeprom(ETHTOOL_SEEPROM, 0, good); }, EINVAL},
        {"a write whose length is not its own", [&] { return eeprom(ETHTOOL_SEEPROM, mfg - 4, bad_length); },
         EINVAL},
        {"missing firmware", [&] { return flashdev(XEL_FLASH_PART_FWIMG, "none.bin"); }, ENOENT},
        {"firmware outside /lib/firmware", [&] { return flashdev(XEL_FLASH_PART_FWIMG, "../../etc/xel.conf"); },
         ENOENT},
        {"another region", [&] { return flashdev(XEL_FLASH_PART_OPTROM, "none.bin"); }, EINVAL},
        {"a command kwo does not serve",
         [&] {
             uint32_t cmd[16] = {ETHTOOL_GREGS};
             return ethtool("eth2", cmd);
         },
         EOPNOTSUPP},
        {"without CAP_NET_ADMIN",
         [&] {
             kernel->set_caller(sim_caller::nocaps);
             int err = eeprom(ETHTOOL_GEEPROM, mfg, some);
             kernel->set_caller(sim_caller::root);
             return err;
         },
         EPERM},
    };
    for (const auto &c : cases)
        EXPECT_EQ(c.run(), c.err) << c.what;
}

// Both drivers answer from the one flash of the adapter, and a request
// that failed never reads as success.
TEST_F(EthtoolTest, TheLibraryReadsAndWritesAnEthernetFunctionsFlash)
{
    ASSERT_EQ(xell_adapter_scan(), 2);
    xell_port_t *port = xell_adapter_get_port(xell_adapter_get_by_idx(2), 0);
    xell_t *fcoe = xell_port_get_ioc(port, 0);
    xell_t *eth = xell_port_get_ioc(port, 1);
    ASSERT_EQ(eth->ioc_type, XEL_IOC_TYPE_LL);

    uint32_t cap = 0;
    ASSERT_EQ(xell_flash_read_adapter_capability(eth, &cap), XEL_STATUS_OK);
    EXPECT_EQ(cap, XEL_ADAPTER_CAP_NIC | XEL_ADAPTER_CAP_CNA | XEL_ADAPTER_CAP_HBA);

    // A write through ethtool, read back by the storage driver.
    for (uint32_t type : {XEL_FLASH_PART_FWCFG, XEL_FLASH_PART_FWIMG}) {
        std::string bytes = "written as " + std::to_string(type);
        std::vector<uint8_t> request(sizeof(xel_ioctl_flash_t) + bytes.size());
        xel_ioctl_flash_t record{};
        record.type = type;
        record.bufsz = static_cast<uint32_t>(bytes.size());
        record.buf_ptr = reinterpret_cast<uintptr_t>(request.data() + sizeof record);
        std::memcpy(request.data(), &record, sizeof record);
        std::memcpy(request.data() + sizeof record, bytes.data(), bytes.size());
        ASSERT_EQ(xell_ioctl(eth, XEL_CMD_FLASH_UPDATE_PART, request.data(), 0, 0, static_cast<int>(request.size())),
                  XEL_STATUS_OK);
        EXPECT_EQ(reinterpret_cast<xel_ioctl_flash_t *>(request.data())->status, XEL_STATUS_OK);
        std::vector<uint8_t> back(bytes.size());
        ASSERT_EQ(xell_flash_read_part(fcoe, type, 0, back.data(), record.bufsz), XEL_STATUS_OK);
        EXPECT_EQ(text(back), bytes);
    }
    EXPECT_TRUE(std::filesystem::is_empty(root.path() + "/lib/firmware")); // the image file is gone again

    std::strcpy(eth->eth_name, "eth9");
    xel_ioctl_flash_t record{};
    record.type = XEL_FLASH_PART_MFG;
    EXPECT_EQ(xell_ioctl(eth, XEL_CMD_FLASH_READ_PART, &record, 0, 0, sizeof record), XEL_STATUS_NODEV);
    EXPECT_EQ(record.status, XEL_STATUS_FAILED);
    EXPECT_EQ(xell_flash_read_adapter_capability(eth, &cap), XEL_STATUS_NODEV);
}
