// Records, registration and the per-setting entry points, each run as its
// callers run it: load, change, sync.

#include "config_fixture.h"

#include <functional>

namespace {

const std::string W1 = "20:00:00:00:00:00:00:01";
const std::string wwn0_line = "xel0-port-wwn = \"" + W1 + "\";";
const std::string wwn1_line = "xel1-port-wwn = \"20:00:00:00:00:00:00:02\";";
const std::string one_fc = wwn0_line + "\n";
const std::string two_fc = one_fc + wwn1_line + "\n";

struct OpCase {
    const char *what;
    std::string file;
    std::function<void()> change;
    std::vector<std::string> expected; // body lines of the file afterwards
};

const xell_t fc1 = fc_ioc(1);
const xell_t fc2 = fc_ioc(2);
const xell_t eth1 = eth_ioc(1);

const OpCase op_cases[] = {
    {"a record leaving the global value ends the global line", two_fc + "port-speed = 8;\n",
     [] { xell_config_speed(&fc2, XELL_CFG_SPEED_AUTO); }, {wwn0_line, wwn1_line, "xel0-port-speed = 8;"}},
    {"the global value again keeps the global line", two_fc + "port-speed = 8;\n",
     [] { xell_config_speed(&fc2, 8); }, {wwn0_line, wwn1_line, "port-speed = 8;"}},
    {"maximum frame size 2112 is the default", one_fc + "xel0-port-maxfrsize = 1024;\n",
     [] { xell_config_maxfrsz(&fc1, 2112); }, {wwn0_line}},
    {"disabling a port persists it", one_fc, [] { xell_config_enable(&fc1, false); },
     {wwn0_line, "xel0-port-enable = \"FALSE\";"}},
    {"enabling a port removes the line", one_fc + "xel0-port-enable = FALSE;\n",
     [] { xell_config_enable(&fc1, true); }, {wwn0_line}},
    {"automatic default speed is stored as 0", one_fc, [] { xell_config_defspeed(&fc1, XELL_CFG_SPEED_AUTO); },
     {wwn0_line, "xel0-ratelim-defspeed = 0;"}},
    {"default speed 1 is the default", one_fc + "xel0-ratelim-defspeed = 4;\n",
     [] { xell_config_defspeed(&fc1, 1); }, {wwn0_line}},
    {"interrupt defaults leave no lines", one_fc + "xel0-coalesce = off;\nxel0-delay = 5;\nxel0-latency = 6;\n",
     [] { xell_config_iocfc_intr(&fc1, true, 1125, 225); }, {wwn0_line}},
    {"coalescing off with zero delay and latency", one_fc,
     [] { xell_config_iocfc_intr(&fc1, false, 0, 0); }, {wwn0_line, "xel0-coalesce = \"off\";"}},
    {"coalescing off keeps the earlier delay", one_fc + "xel0-delay = 5;\n",
     [] { xell_config_iocfc_intr(&fc1, false, 7, 0); }, {wwn0_line, "xel0-coalesce = \"off\";", "xel0-delay = 5;"}},
    {"hard ALPA set", one_fc, [] { xell_config_alpa(&fc1, 0x12, true); },
     {wwn0_line, "xel0-port-hardalpa = 0x12;"}},
    {"hard ALPA cleared", one_fc + "xel0-port-hardalpa = 0x12;\n", [] { xell_config_alpa(&fc1, 0, false); },
     {wwn0_line}},
    {"virtual fabric list bits", one_fc,
     [] {
         xell_config_vf_list(&fc1, 5, true);
         xell_config_vf_list(&fc1, 3, true);
     },
     {wwn0_line, "xel0-vf-list = 3, 5;"}},
    {"an empty virtual fabric list has no line", one_fc + "xel0-vf-list = 3;\n",
     [] { xell_config_vf_list(&fc1, 3, false); }, {wwn0_line}},
    {"virtual fabric mode", one_fc, [] { xell_config_vf_mode(&fc1, 2, true); },
     {wwn0_line, "xel0-vf-enable = \"TRUE\"", "xel0-vf-default = 2;"}},
    {"secret words as signed decimals", one_fc,
     [] {
         const uint32_t words[] = {0xfffffff4U, 34};
         EXPECT_EQ(xell_config_auth_secretstring(&fc1, words), XEL_STATUS_OK);
     },
     {wwn0_line, "xel0-auth-encrypt = \"-12,34\";"}},
    {"the other settings", one_fc,
     [] {
         xell_config_topology(&fc1, 2);
         xell_config_trunk(&fc1, 0x3, true);
         xell_config_ipfc_enable(&fc1, false);
         xell_config_log_level(&fc1, 3);
         xell_config_auth_policy(&fc1, true);
         xell_config_auth_algo(&fc1, 2);
         xell_config_auth_group(&fc1, 4);
         xell_config_auth_secretsource(&fc1, 2);
         xell_config_fcpim(&fc1, 30);
         xell_config_qdepth(&fc1, 64);
         xell_config_pbind(&fc1, true);
         xell_config_qos(&fc1, true);
         xell_config_ratelim(&fc1, true);
     },
     {wwn0_line, "xel0-port-topology = \"loop\";", "xel0-port-trunk = 0, 1;", "xel0-ipfc-enable = \"FALSE\";",
      "xel0-log-level = \"Warning\";", "xel0-auth-policy = \"on\";", "xel0-auth-algo = \"sha1\";",
      "xel0-auth-group = 4;", "xel0-auth-secretsource = \"RADIUS\";", "xel0-pathtov = 30;", "xel0-qdepth = 64;",
      "xel0-persistent-binding = \"TRUE\";", "xel0-qos = \"TRUE\";", "xel0-ratelim = \"TRUE\";"}},
    {"port names by WWN and by MAC", one_fc + "kwo0-port-mac = \"00:05:1e:00:00:01\";\n",
     [] {
         EXPECT_EQ(xell_config_ioc_name(&fc1, "fc-a"), XEL_STATUS_OK);
         EXPECT_EQ(xell_config_ioc_name(&eth1, "eth-a"), XEL_STATUS_OK);
     },
     {wwn0_line, "xel0-port-name = \"fc-a\";", "kwo0-port-mac = \"00:05:1e:00:00:01\";", "kwo0-port-name = \"eth-a\";"}},
    {"an empty name removes the line", one_fc + "xel0-port-name = \"fc-a\";\n",
     [] { xell_config_ioc_name(&fc1, ""); }, {wwn0_line}},
    {"an IOC without a record changes nothing", one_fc, [] { xell_config_speed(&fc2, 8); }, {wwn0_line}},
    {"adapter name and trunk", "",
     [] {
         xell_config_ad_add("SN1");
         xell_config_ad_add("SN2");
         EXPECT_EQ(xell_config_ad_name("SN1", "lab"), XEL_STATUS_OK);
         xell_config_ad_trunk("SN2", true);
         xell_config_ad_trunk("SN9", true);
     },
     {"adapter-SN1-name = \"lab\";", "adapter-SN2-trunk = \"TRUE\";"}},
};

TEST_F(ConfigTest, EntryPointsChangeTheirLines)
{
    for (const OpCase &c : op_cases) {
        SCOPED_TRACE(c.what);
        write_file(c.file);
        ASSERT_EQ(load(), XEL_STATUS_OK);
        c.change();
        EXPECT_EQ(sync(), XEL_STATUS_OK);
        EXPECT_EQ(body_lines(read_file()), c.expected);
    }
}

TEST_F(ConfigTest, TextIsRefusedOnlyWhenOneLineCannotHoldIt)
{
    write_file(one_fc + "xel0-port-name = \"fc-a\";\n");
    std::string before = read_file();
    ASSERT_EQ(load(), XEL_STATUS_OK);
    xell_config_ad_add("SN1");
    EXPECT_EQ(xell_config_ioc_name(&fc1, "a\nxel0-port-speed = 8;"), XEL_STATUS_EINVAL);
    // The trimming rule would strip these ends.
    EXPECT_EQ(xell_config_ioc_name(&fc1, "a\""), XEL_STATUS_EINVAL);
    EXPECT_EQ(xell_config_ioc_name(&fc1, " a"), XEL_STATUS_EINVAL);
    EXPECT_EQ(xell_config_ad_name("SN1", "lab;"), XEL_STATUS_EINVAL);
    EXPECT_EQ(xell_config_vport_add(&fc1, 0, test_wwn(9), test_wwn(10), "a,b", 1), XEL_STATUS_EINVAL);
    std::vector<uint32_t> words(43, 0x80000000U); // 43 x "-2147483648," passes 511 characters
    EXPECT_EQ(xell_config_auth_secretstring(&fc1, words), XEL_STATUS_EINVAL);
    EXPECT_EQ(xell_config_set_data(XELL_CFG_NAME, 0, "x\ny"), XEL_STATUS_EINVAL);
    EXPECT_EQ(xell_config_ad_add("SN\n2"), -1);
    EXPECT_STREQ(xell_config_ioc_get(0)->name, "fc-a");
    EXPECT_EQ(sync(), XEL_STATUS_OK);
    EXPECT_EQ(read_file(), before);

    EXPECT_EQ(xell_config_vport(&fc1, 0, test_wwn(9), test_wwn(10), "new\nline", 1, false), XEL_STATUS_EINVAL);
    EXPECT_FALSE(xell_config_is_loaded());
    EXPECT_EQ(read_file(), before);
}

TEST_F(ConfigTest, AnyTextOneLineHoldsReadsBackAsWritten)
{
    write_file(one_fc + "kwo0-port-mac = \"00:05:1e:00:00:01\";\n");
    ASSERT_EQ(load(), XEL_STATUS_OK);
    ASSERT_EQ(xell_config_ad_add("SN1"), 0);
    EXPECT_EQ(xell_config_ioc_name(&fc1, "a\tb adapter-1 \"q\" x;y"), XEL_STATUS_OK);
    EXPECT_EQ(xell_config_ioc_name(&eth1, "pixel-xel0"), XEL_STATUS_OK);
    EXPECT_EQ(xell_config_ad_name("SN1", "lab\r"), XEL_STATUS_OK);
    EXPECT_EQ(xell_config_vport_add(&fc1, 0, test_wwn(9), test_wwn(10), "my adapter\t1", 1), XEL_STATUS_OK);
    EXPECT_EQ(xell_config_vport_add(&fc1, 0, test_wwn(11), test_wwn(12), "", 0), XEL_STATUS_OK);
    std::vector<uint32_t> words(42, 0x80000000U); // 503 characters
    EXPECT_EQ(xell_config_auth_secretstring(&fc1, words), XEL_STATUS_OK);
    const xell_ioc_config_t fc_before = *xell_config_ioc_get(0);
    const xell_ad_config_t ad_before = *xell_config_ad_get(0);
    ASSERT_EQ(sync(), XEL_STATUS_OK);

    for (int cycle = 0; cycle < 3; cycle++) {
        ASSERT_EQ(load(), XEL_STATUS_OK);
        EXPECT_EQ(*xell_config_ioc_get(0), fc_before);
        EXPECT_EQ(*xell_config_ad_get(0), ad_before);
        xell_config_speed(&fc1, cycle + 1);
        xell_config_speed(&fc1, 0);
        ASSERT_EQ(sync(), XEL_STATUS_OK);
    }
}

TEST_F(ConfigTest, RegistrationWritesOnlyWhatIsNew)
{
    xell_t fc = fc_ioc(1), eth = eth_ioc(1);
    EXPECT_EQ(xell_config_register({&fc, &eth}, {"SN1"}), XEL_STATUS_OK);
    // The adapter has a record but no line until it has a name.
    EXPECT_EQ(body_lines(read_file()),
              (std::vector<std::string>{wwn0_line, "kwo0-port-mac = \"00:05:1e:00:00:01\";"}));

    std::string bytes = read_file();
    struct stat before = file_stat();
    EXPECT_EQ(xell_config_register({&fc, &eth}, {"SN1"}), XEL_STATUS_OK);
    ASSERT_EQ(load(), XEL_STATUS_OK);
    xell_config_speed(&fc, 0); // the value it already has
    EXPECT_EQ(sync(), XEL_STATUS_OK);
    struct stat after = file_stat();
    EXPECT_EQ(read_file(), bytes);
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_EQ(after.st_mtim.tv_sec, before.st_mtim.tv_sec);
    EXPECT_EQ(after.st_mtim.tv_nsec, before.st_mtim.tv_nsec);
}

TEST_F(ConfigTest, FullTablesTakeNoMoreRecords)
{
    ASSERT_EQ(load(), XEL_STATUS_OK);
    for (int i = 0; i < XELL_CONFIG_MAX_RECORDS; i++) {
        EXPECT_EQ(xell_config_ioc_add(test_wwn(static_cast<uint8_t>(i))), i);
        EXPECT_EQ(xell_config_ad_add(("SN" + std::to_string(i)).c_str()), i);
    }
    xell_t extra = fc_ioc(200);
    EXPECT_EQ(xell_config_ioc_add(extra.pwwn), -1);
    EXPECT_EQ(xell_config_ad_add("SNX"), -1);
    EXPECT_EQ(xell_config_ioc_lookup(extra.pwwn), -1);
    EXPECT_EQ(xell_config_ioc_get_num(), 128);
    EXPECT_EQ(xell_config_ad_get_num(), 128);
    // The Ethernet side of the records is still free.
    EXPECT_EQ(xell_config_ethioc_add(eth_ioc(1).mac), 0);
}

// A record without a WWN belongs to no FC port: an Ethernet function's
// zero WWN must not find it and persist its settings there.
TEST_F(ConfigTest, LookupOfWwnZeroFindsNoRecord)
{
    write_file(one_fc);
    ASSERT_EQ(load(), XEL_STATUS_OK);
    EXPECT_EQ(xell_config_ioc_lookup(0), -1);
    // A MAC written in upper case never matches.
    xell_config_set_data(XELL_CFG_MAC, 2, "00:05:1E:00:00:01");
    EXPECT_EQ(xell_config_ethioc_lookup(eth_ioc(1).mac), -1);
}

TEST_F(ConfigTest, AdapterNameExists)
{
    ASSERT_EQ(load(), XEL_STATUS_OK);
    xell_config_ad_add("SN1");
    xell_config_ad_name("SN1", "lab");
    EXPECT_TRUE(xell_config_get_ad_name_exists("SN1", "lab", "SN2"));
    EXPECT_FALSE(xell_config_get_ad_name_exists("SN1", "lab", "SN1"));
    EXPECT_FALSE(xell_config_get_ad_name_exists("SN1", "", "SN2"));
    EXPECT_FALSE(xell_config_get_ad_name_exists("SN1", "other", "SN2"));
    EXPECT_FALSE(xell_config_get_ad_name_exists("SN9", "lab", "SN2"));
}

TEST_F(ConfigTest, VirtualPortsAreAddedUpdatedAndDeleted)
{
    write_file(one_fc);
    const std::string vp = "xel0-vport-0 = \"20:00:00:00:00:00:00:09,20:00:00:00:00:00:00:0a,";
    EXPECT_EQ(xell_config_vport(&fc1, 0, test_wwn(9), test_wwn(10), "first", 1, false), XEL_STATUS_OK);
    EXPECT_EQ(xell_config_vport(&fc1, 3, test_wwn(9), test_wwn(10), "again", 5, false), XEL_STATUS_OK);
    EXPECT_EQ(body_lines(read_file()), (std::vector<std::string>{wwn0_line, vp + "again,IM + IP,3\";"}));

    std::string bytes = read_file();
    ino_t ino = file_stat().st_ino;
    EXPECT_EQ(xell_config_vport(&fc1, 0, test_wwn(11), 0, nullptr, 0, true), XEL_STATUS_OK);
    EXPECT_EQ(read_file(), bytes);
    EXPECT_EQ(file_stat().st_ino, ino);

    EXPECT_EQ(xell_config_vport(&fc1, 0, test_wwn(9), 0, nullptr, 0, true), XEL_STATUS_OK);
    EXPECT_EQ(body_lines(read_file()), std::vector<std::string>{wwn0_line});
}

// What the entry points store, the file gives back.
TEST_F(ConfigTest, AWrittenFileLoadsBackToTheSameTables)
{
    // Lines that have no entry point are carried over and load back alike.
    write_file("power = on\nadapter-SN1-power = \"save1\";\nkwo1-port-mtu = 9000;\n");
    ASSERT_EQ(load(), XEL_STATUS_OK);
    xell_config_ad_add("SN1");
    xell_config_ad_name("SN1", "lab one");
    for (uint8_t i = 1; i <= 3; i++) {
        xell_t fc = fc_ioc(i);
        xell_config_ioc_add(fc.pwwn);
        xell_config_ethioc_add(eth_ioc(i).mac);
        xell_config_ioc_name(&fc, ("port " + std::to_string(i)).c_str());
        xell_config_speed(&fc, 4 * i);
        xell_config_topology(&fc, 5);
        xell_config_alpa(&fc, static_cast<uint8_t>(0xe0 + i), true);
        xell_config_maxfrsz(&fc, 1024);
        xell_config_trunk(&fc, 0x5, true);
        xell_config_enable(&fc, false);
        xell_config_ipfc_enable(&fc, false);
        xell_config_log_level(&fc, 4);
        xell_config_vf_mode(&fc, 7, true);
        xell_config_vf_list(&fc, 9, true);
        xell_config_auth_policy(&fc, true);
        xell_config_auth_algo(&fc, 3);
        xell_config_auth_group(&fc, 8);
        xell_config_auth_secretsource(&fc, 3);
        const uint32_t words[] = {1, 0xffffffffU, i};
        xell_config_auth_secretstring(&fc, words);
        xell_config_fcpim(&fc, 20);
        xell_config_qdepth(&fc, 128);
        xell_config_pbind(&fc, true);
        xell_config_qos(&fc, true);
        xell_config_ratelim(&fc, true);
        xell_config_defspeed(&fc, 8);
        xell_config_iocfc_intr(&fc, false, 100, 200);
        xell_config_vport_add(&fc, 1, test_wwn(static_cast<uint8_t>(100 + i)), test_wwn(50), "vp", 1);
    }
    std::vector<xell_ioc_config_t> ioc;
    for (int i = 0; i < XELL_CONFIG_MAX_RECORDS; i++)
        ioc.push_back(*xell_config_ioc_get(i));
    std::vector<xell_ad_config_t> ad;
    for (int i = 0; i < XELL_CONFIG_MAX_RECORDS; i++)
        ad.push_back(*xell_config_ad_get(i));
    ASSERT_EQ(sync(), XEL_STATUS_OK);

    ASSERT_EQ(load(), XEL_STATUS_OK);
    EXPECT_EQ(xell_config_text(), read_file());
    EXPECT_EQ(xell_config_ioc_get(1)->mtu, 9000);
    for (int i = 0; i < XELL_CONFIG_MAX_RECORDS; i++) {
        EXPECT_TRUE(*xell_config_ioc_get(i) == ioc[static_cast<size_t>(i)]) << "record " << i;
        EXPECT_TRUE(*xell_config_ad_get(i) == ad[static_cast<size_t>(i)]) << "adapter record " << i;
    }
}

} // namespace
