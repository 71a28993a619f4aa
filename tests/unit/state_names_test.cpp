#include "xell_state.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

using lookup_fn = const char *(*)(int32_t);

#define LOOKUP(fn) fn, #fn

struct name_case {
    lookup_fn lookup;
    const char *name;
    int32_t code;
    const char *text;
};

// Known codes, codes the tables skip, the closing code -1 and codes past the
// ends, for every lookup.
const name_case cases[] = {
    {LOOKUP(xell_flash_status_to_string), 0, "good"},
    {LOOKUP(xell_flash_status_to_string), 5, "badcksum"},
    {LOOKUP(xell_flash_status_to_string), 6, "unknown"},
    {LOOKUP(xell_flash_part_type_to_string), 0, "null"},
    {LOOKUP(xell_flash_part_type_to_string), 2, "fw"},
    {LOOKUP(xell_flash_part_type_to_string), 16, "asicbk"},
    {LOOKUP(xell_flash_part_type_to_string), 17, "unknown"},
    {LOOKUP(xell_ioc_state_to_string), 1, "unknown"},
    {LOOKUP(xell_ioc_state_to_string), 6, "operational"},
    {LOOKUP(xell_ioc_state_to_string), 11, "firmware mismatch"},
    {LOOKUP(xell_ioc_state_to_string), 12, "unknown"},
    {LOOKUP(xell_ioc_state_to_string), 14, "acq addr"},
    {LOOKUP(xell_faa_state_to_string), 0, "unknown"},
    {LOOKUP(xell_faa_state_to_string), 2, "Disabled"},
    {LOOKUP(xell_faa_source_to_string), 2, "Blade System"},
    {LOOKUP(xell_port_states_to_string), 0, "Unknown"},
    {LOOKUP(xell_port_states_to_string), 8, "Disabled"},
    {LOOKUP(xell_port_states_to_string), 13, "Disabled#"},
    {LOOKUP(xell_port_states_to_string), 14, "Link toggling (qwait)"},
    {LOOKUP(xell_port_states_to_string), 16, "Disabled"},
    {LOOKUP(xell_port_states_to_string), 17, "Invalid"},
    {LOOKUP(xell_port_states_to_string), 18, "unknown"},
    {LOOKUP(xell_port_speed_to_string), 0, "---"},
    {LOOKUP(xell_port_speed_to_string), 1, "1G "},
    {LOOKUP(xell_port_speed_to_string), 8, "8G "},
    {LOOKUP(xell_port_speed_to_string), 10, "10G"},
    {LOOKUP(xell_port_speed_to_string), 15, "Auto"},
    {LOOKUP(xell_port_speed_to_string), 32, "32G"},
    {LOOKUP(xell_port_speed_to_string), 3, "unknown"},
    {LOOKUP(xell_port_type_to_string), 1, "UN"},
    {LOOKUP(xell_port_type_to_string), 22, "VP"},
    {LOOKUP(xell_port_type_to_string), 0, "unknown"},
    {LOOKUP(xell_port_topology_to_string), 0, "Unknown"},
    {LOOKUP(xell_port_topology_to_string), 1, "unknown"},
    {LOOKUP(xell_port_topology_to_string), 3, "unknown"},
    {LOOKUP(xell_port_topology_to_string), 5, "P2P"},
    {LOOKUP(xell_rport_state_to_string), 4, "retry"},
    {LOOKUP(xell_rport_state_to_string), 9, "nsdisc"},
    {LOOKUP(xell_rport_state_to_string), 10, "unknown"},
    {LOOKUP(xell_itnim_state_to_string), 4, "online callback"},
    {LOOKUP(xell_itnim_state_to_string), 7, "initiator"},
    {LOOKUP(xell_auth_status_to_string), 0, "no_auth"},
    {LOOKUP(xell_auth_status_to_string), 9, "unknown"},
    {LOOKUP(xell_auth_status_to_string), 10, "unknown"},
    {LOOKUP(xell_auth_algo_to_string), 3, "MD5,SHA1"},
    {LOOKUP(xell_auth_algo_to_string), 4, "SHA1,MD5"},
    {LOOKUP(xell_auth_group_to_string), 3, "unknown"},
    {LOOKUP(xell_auth_group_to_string), 256, "DH-ALL(1,2,3,4)"},
    {LOOKUP(xell_auth_rej_code_to_string), 2, "Logical err"},
    {LOOKUP(xell_auth_rej_code_to_string), 254, "no password"},
    {LOOKUP(xell_auth_rej_code_to_string), 255, "Logical err"},
    {LOOKUP(xell_auth_rej_code_exp_to_string), 10, "Proto Ver."},
    {LOOKUP(xell_auth_rej_code_exp_to_string), 254, "-"},
    {LOOKUP(xell_auth_rej_code_exp_to_string), 11, "unknown"},
    {LOOKUP(xell_vport_state_to_string), 2, "fdisc*"},
    {LOOKUP(xell_vport_state_to_string), 5, "fdisc*"},
    {LOOKUP(xell_vport_state_to_string), 8, "unknown"},
    {LOOKUP(xell_vport_state_to_string), 11, "Error"},
    {LOOKUP(xell_log_severity_to_string), 0, "invalid"},
    {LOOKUP(xell_log_severity_to_string), 4, "Info"},
    {LOOKUP(xell_log_severity_to_string), 5, "unknown"},
    {LOOKUP(xell_qos_state_to_string), 2, "Offline"},
    {LOOKUP(xell_qos_priority_to_string), 2, "Medium"},
    {LOOKUP(xell_port_linkstate_rsn_to_string), 0, "unknown"},
    {LOOKUP(xell_port_linkstate_rsn_to_string), 12, "unknown"},
    {LOOKUP(xell_port_linkstate_rsn_to_string), 20, "Timeout waiting to receive from peer"},
    {LOOKUP(xell_port_linkstate_rsn_to_string), 30, "Invalid BW values received [Sum of all BW shouldequal to 100]"},
    {LOOKUP(xell_port_linkstate_rsn_to_string), 37,
     "Protocol Initialization in progress Or Waitingto receive from Peer"},
    {LOOKUP(xell_port_linkstate_rsn_to_string), 38, "Physical link down"},
    {LOOKUP(xell_port_linkstate_rsn_to_string), 39, "unknown"},
    {LOOKUP(xell_port_linkstate_rsn_to_string), 40, "unknown"},
    {LOOKUP(xell_port_linkstate_rsn_to_string), 43, "iSCSI priority(s) overlap FCoE priority(s)"},
    {LOOKUP(xell_port_linkstate_rsn_to_string), 44, "unknown"},
    {LOOKUP(xell_ethport_cee_state_to_string), 2, "Linkup"},
    {LOOKUP(xell_trunk_state_to_string), 0, "Disabled"},
    {LOOKUP(xell_trunk_link_state_to_string), 5, "MisMode"},
    {LOOKUP(xell_trunk_link_fctl_to_string), 2, "QoS VC"},
    {LOOKUP(xell_cee_status_to_string), 0, "DCB Linkup"},
    {LOOKUP(xell_cee_status_to_string), 2, "Loopback"},
    {LOOKUP(xell_cee_status_to_string), 3, "Linkdown"},
    {LOOKUP(xell_vmq_state_to_string), 0, "unknown"},
    {LOOKUP(xell_vmq_state_to_string), 6, "StopDma"},
    {LOOKUP(xell_mode_to_string), 1, "FC"},
    {LOOKUP(xell_mode_to_string), 3, "NIC"},
    {LOOKUP(xell_lport_role_to_string), 3, "unknown"},
    {LOOKUP(xell_lport_role_to_string), 5, "IM IP"},
    {LOOKUP(xel_plog_mid_strings), 0, "Invalid"},
    {LOOKUP(xel_plog_mid_strings), 3, "HAL"},
    {LOOKUP(xel_plog_mid_strings), 8, "Max"},
    {LOOKUP(xel_plog_mid_strings), 9, "Invalid"},
    {LOOKUP(xel_plog_mid_strings), 255, "Invalid"},
    {LOOKUP(xel_plog_eid_strings), 7, "Tx_Ack1"},
    {LOOKUP(xel_plog_eid_strings), 24, "trkscn"},
    {LOOKUP(xel_plog_eid_strings), 25, ""},
    {LOOKUP(xel_plog_eid_strings), 26, "Invalid"},
    {LOOKUP(xell_get_sfp_media), 0, "--"},
    {LOOKUP(xell_get_sfp_media), 3, "sw"},
    {LOOKUP(xell_get_sfp_media), 5, "us"},
    {LOOKUP(xell_get_sfp_media), 6, "--"},
};

// Every table-driven lookup, for the codes no table has.
const lookup_fn searched[] = {
    xell_flash_status_to_string,
    xell_flash_part_type_to_string,
    xell_ioc_state_to_string,
    xell_faa_state_to_string,
    xell_faa_source_to_string,
    xell_port_states_to_string,
    xell_port_speed_to_string,
    xell_port_type_to_string,
    xell_port_topology_to_string,
    xell_rport_state_to_string,
    xell_itnim_state_to_string,
    xell_auth_status_to_string,
    xell_auth_algo_to_string,
    xell_auth_group_to_string,
    xell_auth_rej_code_to_string,
    xell_auth_rej_code_exp_to_string,
    xell_vport_state_to_string,
    xell_log_severity_to_string,
    xell_qos_state_to_string,
    xell_qos_priority_to_string,
    xell_port_linkstate_rsn_to_string,
    xell_ethport_cee_state_to_string,
    xell_trunk_state_to_string,
    xell_trunk_link_state_to_string,
    xell_trunk_link_fctl_to_string,
    xell_cee_status_to_string,
    xell_vmq_state_to_string,
    xell_mode_to_string,
    xell_lport_role_to_string,
};

} // namespace

TEST(StateNames, LookupsByCode)
{
    for (const auto &c : cases)
        EXPECT_EQ(std::string(c.lookup(c.code)), c.text) << c.name << "(" << c.code << ")";
}

TEST(StateNames, CodesNoTableHasReadUnknown)
{
    for (int32_t code : {-1, -2, 1000, INT32_MIN, INT32_MAX})
        for (lookup_fn lookup : searched)
            EXPECT_EQ(std::string(lookup(code)), "unknown") << code;
}

TEST(StateNames, DirectIndexLookupsStayInsideTheirTables)
{
    for (int32_t index : {-1, INT32_MIN, INT32_MAX}) {
        EXPECT_EQ(std::string(xel_plog_mid_strings(index)), "Invalid");
        EXPECT_EQ(std::string(xel_plog_eid_strings(index)), "Invalid");
        EXPECT_EQ(std::string(xell_get_sfp_media(index)), "--");
    }
}

TEST(Checksum, BringsTheByteSumToZero)
{
    const uint8_t vpd[] = {0x82, 0x10, 0x00, 0xff, 0x7f};
    uint8_t sum = xell_checksum_u8(vpd, sizeof vpd);
    EXPECT_EQ(sum, 0xf0); // the bytes sum to 0x210
    uint8_t total = sum;
    for (uint8_t b : vpd)
        total = static_cast<uint8_t>(total + b);
    EXPECT_EQ(total, 0);
    const uint8_t zeros[] = {0, 0};
    EXPECT_EQ(xell_checksum_u8(zeros, sizeof zeros), 0);
    EXPECT_EQ(xell_checksum_u8(vpd, 0), 0);
    EXPECT_EQ(xell_checksum_u8(nullptr, 4), 0);
}
