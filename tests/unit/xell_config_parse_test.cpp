// Loading and writing back the configuration file: line classification,
// record numbers, value syntaxes, global lines and the exact layout.

#include "config_fixture.h"

namespace {

const std::string W1 = "20:00:00:00:00:00:00:01";
const std::string W2 = "20:00:00:00:00:00:00:02";
const std::string wwn1 = "xel0-port-wwn = \"" + W1 + "\";\n";
const std::string wwn2 = "xel1-port-wwn = \"" + W2 + "\";\n";

struct ParseCase {
    const char *what;
    std::string input;
    std::vector<std::string> expected; // body lines of the write-back
};

const ParseCase parse_cases[] = {
    // Record numbers and classification.
    {"record number selects the record", "xel12-port-speed = 8;\n", {"xel12-port-speed = 8;"}},
    // Lines no key takes have no effect and are carried over unchanged.
    {"record number above 127 is carried", "xel130-port-speed = 8;\n", {"xel130-port-speed = 8;"}},
    {"no number is record 0", "xel-port-speed = 8;\n", {"xel0-port-speed = 8;"}},
    {"indented hash is no comment but matches no key", "  # port-speed = 8\n", {"  # port-speed = 8"}},
    {"line without = is carried", "xel0-port-speed 8\n", {"xel0-port-speed 8"}},
    {"unknown keys are carried", "xel0-port-colour = 8;\nbogus = 1;\n", {"xel0-port-colour = 8;", "bogus = 1;"}},
    {"the key alone tells the kind of line",
     "xel0-port-name = \"adapter-1\"\nkwo0-port-name = \"xel-0\";\nadapter-SN1-name = \"kwo-xel-1\";\n",
     {"adapter-SN1-name = \"kwo-xel-1\";", "xel0-port-name = \"adapter-1\";", "kwo0-port-name = \"xel-0\";"}},
    {"FC key on an Ethernet line is carried", "kwo0-port-speed = 8;\n", {"kwo0-port-speed = 8;"}},
    {"FC and Ethernet parts share record 0",
     wwn1 + "kwo0-port-mac = \"00:05:1e:00:00:01\";\nkwo0-port-name = \"eth0\";\nkwo0-port-mtu = 9000;\n",
     {"xel0-port-wwn = \"" + W1 + "\";", "kwo0-port-mac = \"00:05:1e:00:00:01\";", "kwo0-port-name = \"eth0\";",
      "kwo0-port-mtu = 9000;"}},
    {"every adapter line takes a record of its own",
     "adapter-SN1-name = \"a\";\nadapter-SN1-trunk = \"TRUE\";\nadapter-SN2-power = \"x\";\npower = 1;\n",
     {"adapter-SN1-name = \"a\";", "adapter-SN1-trunk = \"TRUE\";", "adapter-SN2-power = \"x\";", "power = 1;"}},
    {"an adapter key ends at the equals sign", "adapter-SN1 = \"a\"-name = \"b\";\nadapter-SN2-name = \"c-name = d\";\n",
     {"adapter-SN2-name = \"c-name = d\";", "adapter-SN1 = \"a\"-name = \"b\";"}},
    {"an adapter key that names no setting is carried", "adapter-SN1-colour = 1;\n", {"adapter-SN1-colour = 1;"}},
    // Lines are read whole, whatever their length; CR LF ends a line too.
    {"a long comment stays one comment", "#" + std::string(600, 'x') + "xel0-port-speed = 8;\n", {}},
    {"a long tunable line is carried whole", "num-ios = " + std::string(600, '1') + "\n",
     {"num-ios = " + std::string(600, '1')}},
    {"CR LF line ends",
     wwn1.substr(0, wwn1.size() - 1) + "\r\nxel0-port-speed = 8;\r\nxel0-port-enable = FALSE\r\n"
     "xel0-port-name = \"p0\";\r\nxel0-vport-0 = \"a,b,n,IM,3\"\r\nnum-ios = 512\r\n",
     {"xel0-port-wwn = \"" + W1 + "\";", "xel0-port-name = \"p0\";", "xel0-port-speed = 8;",
      "xel0-port-enable = \"FALSE\";", "xel0-vport-0 = \"a,b,n,IM,3\";", "num-ios = 512"}},
    // Value syntaxes.
    {"empty text is one space", "xel0-port-name = \"\";\n", {"xel0-port-name = \" \";"}},
    {"decimal takes the trailing digits",
     "xel0-port-speed = 0x10;\nxel1-port-speed = -5;\nxel2-port-speed = 8a;\n",
     {"xel0-port-speed = 10;", "xel1-port-speed = 5;", "xel2-port-speed = 0;"}},
    {"huge decimal saturates instead of wrapping", "xel0-auth-group = 99999999999999999999;\n",
     {"xel0-auth-group = 2147483647;"}},
    {"16-bit decimal keeps the low bits", "xel0-port-maxfrsize = 70000;\n", {"xel0-port-maxfrsize = 4464;"}},
    {"hard ALPA is hexadecimal", "xel0-port-hardalpa = 0xEF;\nxel1-port-hardalpa = ef;\n",
     {"xel0-port-hardalpa = 0xef;", "xel1-port-hardalpa = 0xef;"}},
    {"lists are written in ascending order", "xel0-port-trunk = 1, 0;\n", {"xel0-port-trunk = 0, 1;"}},
    {"a space after a list number makes it 0", "xel0-port-trunk = 1 ,2;\n", {"xel0-port-trunk = 0, 2;"}},
    {"list numbers wrap at 32", "xel0-port-trunk = 33;\n", {"xel0-port-trunk = 1;"}},
    {"virtual fabric list keeps bits 0 to 15", "xel0-vf-list = 17, 3;\n", {"xel0-vf-list = 3;"}},
    {"a list left empty has no line (it would read back as 0)", "xel0-vf-list = 17;\n", {}},
    // Named values: a word outside the set cancels the setting.
    {"named values",
     "xel0-port-topology = \"p2p\";\nxel0-port-enable = \"FALSE\";\nxel0-auth-policy = \"on\";\n"
     "xel0-auth-algo = \"sm\";\nxel0-auth-secretsource = \"TACACS\";\nxel0-coalesce = \"off\";\n",
     {"xel0-port-topology = \"p2p\";", "xel0-port-enable = \"FALSE\";", "xel0-auth-policy = \"on\";",
      "xel0-auth-algo = \"sm\";", "xel0-auth-secretsource = \"TACACS\";", "xel0-coalesce = \"off\";"}},
    {"words outside the set cancel",
     "xel0-port-topology = \"star\";\nxel0-port-enable = \"true\";\nxel0-coalesce = \"ON\";\n"
     "xel0-auth-algo = \"md4\";\nxel0-qos = yes;\n",
     {}},
    {"a later bad word cancels an earlier good one", "xel0-qos = TRUE;\nxel0-qos = maybe;\n", {}},
    {"an unknown log level keeps the setting at None", "xel0-log-level = \"Debug\";\nxel1-log-level = \"Info\";\n",
     {"xel0-log-level = \"None\";", "xel1-log-level = \"Info\";"}},
    {"vf-enable is written without a semicolon", "xel0-vf-enable = TRUE;\n", {"xel0-vf-enable = \"TRUE\""}},
    // Global lines.
    {"a global line before any port-wwn reaches no record", "port-speed = 8;\n", {"port-speed = 0;"}},
    {"a global line after the port-wwn lines holds for them", wwn1 + wwn2 + "port-speed = 8;\n",
     {"xel0-port-wwn = \"" + W1 + "\";", "xel1-port-wwn = \"" + W2 + "\";", "port-speed = 8;"}},
    {"the global line hides per-record lines", wwn1 + "port-enable = FALSE;\nxel0-port-enable = TRUE;\n",
     {"xel0-port-wwn = \"" + W1 + "\";", "port-enable = \"TRUE\";"}},
    {"hard ALPA has no global form", wwn1 + "port-hardalpa = 0x01;\n",
     {"xel0-port-wwn = \"" + W1 + "\";", "port-hardalpa = 0x01;"}},
    // Virtual ports.
    {"virtual port entry; M is renumbered",
     "xel3-vport-7 = \"" + W1 + ",10:00:00:00:00:00:00:01,my port,IM + IP,5\";\n",
     {"xel3-vport-0 = \"" + W1 + ",10:00:00:00:00:00:00:01,my port,IM + IP,5\";"}},
    {"a second entry with the same port WWN updates the first",
     "xel0-vport-0 = \"a,b,n1,IM,1\";\nxel0-vport-1 = \"c,d,n2,TM,2\";\nxel0-vport-2 = \"a,e\";\n",
     {"xel0-vport-0 = \"a,e,n1,IM,1\";", "xel0-vport-1 = \"c,d,n2,TM,2\";"}},
    {"a comma in the symbolic name shifts the later fields", "xel0-vport-0 = \"a,b,my,name,IM,0\";\n",
     {"xel0-vport-0 = \"a,b,my,name,0\";"}},
    {"empty fields keep their places", "xel0-vport-0 = \"a,,,IM,\";\nxel0-vport-1 = \",,,,0\";\nxel1-vport-0 = \"\";\n",
     {"xel0-vport-0 = \"a,,,IM,0\";", "xel0-vport-1 = \",,,,0\";"}},
    // Any text one line can hold is kept: tabs and other control bytes,
    // and secrets as long as their field.
    {"control characters in a text value", "xel0-port-name = \"a\x01z\";\nxel1-port-name = \"a\tz\";\n",
     {"xel0-port-name = \"a\x01z\";", "xel1-port-name = \"a\tz\";"}},
    {"control characters in a virtual port", "xel0-vport-0 = \"a,b,x\x7fy,IM,0\";\n",
     {"xel0-vport-0 = \"a,b,x\x7fy,IM,0\";"}},
    {"a secret as long as its field", "xel127-auth-encrypt = \"" + std::string(511, '1') + "\";\n",
     {"xel127-auth-encrypt = \"" + std::string(511, '1') + "\";"}},
    {"a secret longer than its field is carried", "xel0-auth-encrypt = \"" + std::string(512, '1') + "\";\n",
     {"xel0-auth-encrypt = \"" + std::string(512, '1') + "\";"}},
    // Driver tunables pass through in their own section.
    {"driver tunables are carried unchanged",
     "num-ios = 512\nmsix-disable\t= 1;\r\nxel0-num-ios = 5;\nnum-tms = \x01\n",
     {"num-ios = 512", "msix-disable\t= 1;", "num-tms = \x01", "xel0-num-ios = 5;"}},
    // So do power and Ethernet MTU lines, after the tunables; a power key
    // that also names the adapter is written through its record only.
    {"power and Ethernet MTU lines are carried unchanged",
     "kwo3-port-mtu\t= 9000;\r\npower = on\nnum-ios = 512\nadapter-SN1-power = save1;\nkwo130-port-mtu = 1500;\n"
     "xel0-port-mtu = 9000;\npower = \x01\nadapter-SN2-name-power = \"b\";\npowersave = 1;\n",
     {"adapter-SN2-name = \"b\";", "num-ios = 512", "kwo3-port-mtu\t= 9000;", "power = on",
      "adapter-SN1-power = save1;", "kwo130-port-mtu = 1500;", "power = \x01", "xel0-port-mtu = 9000;",
      "powersave = 1;"}},
};

TEST_F(ConfigTest, ParsesAndWritesBackEachKindOfLine)
{
    for (const ParseCase &c : parse_cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(body_lines(cycle(c.input)), c.expected);
    }
}

// A file as the store writes it, every section filled: loading it and
// writing it back reproduces it byte for byte.
const char golden[] = R"(# Syntax for global parameter (applied to all HBA instances):
#   param_name=param_value 
#   xel<instance_number>-param_name=param_value 
# 

#
# Persistent naming of adapter
# 
adapter-SN0000001-name = "lab-a";

#
# Trunking of adapter
# 
adapter-SN0000002-trunk = "TRUE";

#
# Persistent naming of port
#
xel0-port-wwn = "20:00:00:00:00:00:00:01";
xel0-port-name = "fc-a";
xel1-port-wwn = "20:00:00:00:00:00:00:02";
kwo0-port-mac = "00:05:1e:00:00:01";
kwo0-port-name = "eth-a";

#
# Port configuration
#
port-maxfrsize = 2048;
xel0-port-speed = 8;
xel0-port-topology = "p2p";
xel0-port-hardalpa = 0xef;
xel1-port-speed = 16;
xel1-port-topology = "loop";

# trunking
xel0-port-trunk = 0, 1;

# disable a port persistently
xel1-port-enable = "FALSE";
ipfc-enable = "FALSE";

#
# Driver log level
# level: INFO, WARN, ERROR, CRITICAL
#
xel0-log-level = "Warning";

#
# VF configuration
#
xel0-vf-enable = "TRUE"
xel0-vf-default = 2;
xel0-vf-list = 1, 3;

#
# vport configuration
#
# vport-<id> = pwwn, nwwn,symname, roles [, vf_id]
#
xel0-vport-0 = "20:00:00:00:00:00:01:01,10:00:00:00:00:00:01:01,vp one,IM + IP,0";
xel0-vport-1 = "20:00:00:00:00:00:01:02,10:00:00:00:00:00:01:02,vp two,IM,2";

#
# Authentication
#
xel0-auth-policy = "on";
xel0-auth-algo = "sha1";
xel0-auth-group = 4;
xel0-auth-secretsource = "RADIUS";
xel0-auth-encrypt = "-12,34,56";

#
# Initiator mode configuration
#
pathtov = 30;
xel0-qdepth = 64;
xel0-persistent-binding = "TRUE";

#
# QoS, rate limiting configuration
#
xel1-qos = "TRUE";
xel1-ratelim = "TRUE";
xel1-ratelim-defspeed = 4;

#
# IOC intr configuration
#
xel1-coalesce = "off";
xel1-delay = 0;
xel1-latency = 10;

#
# Driver tunables
#
num-ios = 512
msix-disable = 1;

#
# Power and Ethernet port MTU
#
power = "on";
adapter-SN0000001-power = "save1";
kwo0-port-mtu = 9000;
)";

TEST_F(ConfigTest, WritesTheExactLayout)
{
    EXPECT_EQ(cycle(golden), golden);

    write_file(golden);
    ASSERT_EQ(load(), XEL_STATUS_OK);
    const xell_ioc_config_t *r0 = xell_config_ioc_get(0);
    const xell_ioc_config_t *r1 = xell_config_ioc_get(1);
    EXPECT_STREQ(r0->pwwn, "20:00:00:00:00:00:00:01");
    EXPECT_STREQ(r0->mac, "00:05:1e:00:00:01");
    EXPECT_EQ(r0->mtu, 9000);
    EXPECT_EQ(r0->maxfrsz, 2048);
    EXPECT_EQ(r1->maxfrsz, 2048);
    EXPECT_EQ(r0->topology, 5);
    EXPECT_EQ(r0->alpa, 0xef);
    EXPECT_EQ(r0->trunking, 3U);
    EXPECT_EQ(r0->vf_list, 0xa);
    EXPECT_EQ(r0->vport.size(), 2U);
    EXPECT_EQ(r0->vport[1].vf_id, 2);
    EXPECT_STREQ(r0->vport[0].role, "IM + IP");
    EXPECT_STREQ(r0->authsstring, "-12,34,56");
    EXPECT_FALSE(r1->enable);
    EXPECT_TRUE(xell_config_global_isset(XELL_CFG_MAXFRSZ));
    EXPECT_TRUE(xell_config_global_isset(XELL_CFG_PATHTOV));
    EXPECT_FALSE(xell_config_global_isset(XELL_CFG_SPEED));
    EXPECT_STREQ(xell_config_ad_get(0)->id, "SN0000001");
    EXPECT_STREQ(xell_config_ad_get(0)->name, "lab-a");
    EXPECT_EQ(xell_config_ad_lookup("SN0000002"), 1);
    EXPECT_STREQ(xell_config_ad_get(2)->id, "SN0000001");
    EXPECT_EQ(xell_config_ioc_lookup(test_wwn(2)), 1);
    EXPECT_EQ(xell_config_ethioc_lookup(eth_ioc(1).mac), 0);
}

TEST_F(ConfigTest, GlobalFlagsDoNotLeakIntoTheNextLoad)
{
    cycle("port-speed = 8;\n");
    EXPECT_EQ(body_lines(cycle("xel0-port-speed = 4;\n")), std::vector<std::string>{"xel0-port-speed = 4;"});
}

TEST_F(ConfigTest, LexicalHelpers)
{
    EXPECT_EQ(xell_config_filter_space(" \t\"a; b\";\n"), "a; b");
    EXPECT_EQ(xell_config_get_num(""), -1);
    EXPECT_EQ(xell_config_get_num("12\n"), 12);
    EXPECT_EQ(xell_xstrtoi("0x1G"), 0x10);
    EXPECT_EQ(xell_listtobmp("31,32,,5"), 0x80000021U);
    EXPECT_EQ(xell_bmptolist(0x80000021U), (std::vector<int>{0, 5, 31}));
    EXPECT_EQ(xell_wwn_convert("20:00:00:00:00:00:00:01"), test_wwn(1));
    EXPECT_EQ(xell_wwn_convert(""), 0U);
}

} // namespace
