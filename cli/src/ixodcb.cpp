// The dcb commands: what a converged port learned from its DCB peer, and
// its DCB counters.
#include "ixo_commands.h"
#include "ixo_usage.h"
#include "ixo_values.h"
#include "xell_cee.h"
#include "xell_state.h"

#include <cstdio>
#include <cstring>
#include <string>

void ixo_dcb_usage(bool bhelp)
{
    (void)bhelp;
    std::fputs("\nUsage: ixo dcb [OPTIONS] [ARGUMENTS] ...\n"
               "Direct DCB specific commands using this option\n"
               "Example: ixo dcb --query <port_id>\n"
               "Available commands are:\n"
               "\t--query <port_id>\n"
               "\t\tQuery the DCB status and the attributes learned from the peer\n\n"
               "\t--stats <port_id>\n"
               "\t\tDisplay the DCB statistics\n\n"
               "\t--statsclr <port_id>\n"
               "\t\tClear the DCB statistics\n\n",
               stdout);
    ixo_usage_port_id_forms();
}

// ---- the DCB report ---------------------------------------------------------

namespace {

constexpr uint8_t ixo_dcb_rule_width = 40;

// Why DCB is not active: the reason's text, or its number.
void ixo_print_cee_error_reason(uint8_t reason)
{
    struct text {
        uint8_t reason;
        const char *line;
    };
    static constexpr text reasons[] = {
        {20, "Timeout waiting to receive from peer\n"},
        {21, "Received LLDP shutdown TLV from peer\n"},
        {22, "Peer not advertising DCBX\n"},
        {23, "Peer not advertising PG TLV\n"},
        {24, "Peer not advertising PFC TLV\n"},
        {25, "Peer not advertising FCOE TLV\n"},
        {26, "Protocol Error - PG values not compatible\n"},
        {27, "Protocol Error - PFC values not compatible\n"},
        {28, "Protocol Error - FCOE values not compatible\n"},
        {29, "Invalid PGID values received\n[Valid values 0-7]\n"},
        {30, "Invalid BW values received\n[Sum of all BW should equal to 100]\n"},
        {31, "Invalid PFC values received\n[PFCs should be consistent within a priority group]\n"},
        {32, "Invalid App values received\n[At least one App priority(s) must be set]\n"},
        {33, "PFC disabled for FCoE priority(s)\n"},
        {34, "Protocol Error - Duplicate Control TLVs received\n"},
        {35, "Protocol Error - Duplicate Feature TLVs received\n"},
        {36, "Applying new configuration in progress. Please retry\n"},
        {37, "Protocol Initialization in progress Or Waiting to receive from Peer\n"},
        {38, "Physical link down\n"},
        {41, "Protocol Error - iSCSI values not compatible\n"},
        {42, "PFC disabled for iSCSI priority(s)\n"},
        {43, "iSCSI priority(s) overlap FCoE priority(s)\n"},
    };
    std::fputs("Error Reason: ", stdout);
    for (const auto &r : reasons) {
        if (r.reason == reason) {
            std::fputs(r.line, stdout);
            return;
        }
    }
    std::printf("Unknown. Error Code: %d\n", reason);
}

// The reasons after which the peer has told nothing worth showing.
bool ixo_cee_reason_ends_report(uint8_t reason)
{
    return reason == CEE_LLDP_INFO_AGED_OUT || reason == CEE_LLDP_SHUTDOWN_TLV_RCVD || reason == CEE_PROTOCOL_INIT ||
           reason == CEE_PHY_LINK_DOWN;
}

const char *lldp_cap_string(unsigned bit_value)
{
    switch (bit_value) {
    case 1: return "OTHER";
    case 2: return "REPEATER";
    case 4: return "BRIDGE";
    case 8: return "WAP";
    case 16: return "ROUTER";
    case 32: return "PHONE";
    case 64: return "DOCSIS";
    case 128: return "END STATION";
    case 256: return "C-VLAN";
    case 512: return "S-VLAN";
    case 1024: return "TPMR";
    default: return "UNKNOWN";
    }
}

// An LLDP text value up to its NUL, or to the end of its field.
std::string ixo_lldp_text(const xel_cee_lldp_str_t &field)
{
    const char *value = reinterpret_cast<const char *>(field.value);
    return std::string(value, strnlen(value, sizeof field.value));
}

void ixo_print_lldp_field(const char *label, const xel_cee_lldp_str_t &field, const std::string &text)
{
    std::printf("%-22s", label);
    if (field.len == 0)
        std::fputs("--\n", stdout);
    else
        std::printf("%s\n", text.c_str());
}

void ixo_print_lldp(const xel_cee_lldp_cfg_t &lldp)
{
    ixo_print_header_line(ixo_dcb_rule_width);
    std::fputs("Remote LLDP-Attributes\n", stdout);
    ixo_print_header_line(ixo_dcb_rule_width);
    std::printf("%-22s%d\n", "Time to Live", lldp.time_to_live);
    if (lldp.chassis_id.len != 0) {
        char text[XELL_LLDP_TEXT_SIZE];
        xell_dcb_get_chassis_id(lldp.chassis_id.sub_type, lldp.chassis_id.value, lldp.chassis_id.len, text);
        std::printf("%-22s%s\n", "Chassis ID", text);
        xell_dcb_get_port_id(lldp.port_id.sub_type, lldp.port_id.value, text);
        ixo_print_lldp_field("Port ID", lldp.port_id, text);
        ixo_print_lldp_field("Port Desc", lldp.port_desc, ixo_lldp_text(lldp.port_desc));
        ixo_print_lldp_field("System Name", lldp.sys_name, ixo_lldp_text(lldp.sys_name));
        ixo_print_lldp_field("System Desc", lldp.sys_desc, ixo_lldp_text(lldp.sys_desc));
        std::printf("%-22s", "System Cap");
        if (lldp.enabled_system_cap == 0) {
            std::fputs("--\n", stdout);
        } else {
            bool first = true;
            for (unsigned bit = 0; bit < 16; bit++) {
                if ((lldp.enabled_system_cap & (1u << bit)) == 0)
                    continue;
                std::printf(first ? "%s" : ", %s", lldp_cap_string(1u << bit));
                first = false;
            }
            std::fputs("\n", stdout);
        }
    }
    ixo_print_header_line(ixo_dcb_rule_width);
    std::fputs("\n\n", stdout);
}

void ixo_print_priorities(uint8_t primap)
{
    for (int pri = 0; pri < 8; pri++)
        if ((primap & (1u << pri)) != 0)
            std::printf("%d    ", pri);
}

void ixo_print_dcb_map(const char *title, const xel_cee_dcbx_cfg_t &cfg)
{
    std::printf("%s DCB Map:\n", title);
    std::fputs("---------------------\n  Priority Group Table\n", stdout);
    std::printf("%s\n", " <PGID: Weight   %, PFC status for the group>");
    for (int group = 0; group < 8; group++) {
        unsigned mask = 0;
        for (int pri = 0; pri < 8; pri++)
            if (cfg.pgid[pri] == group)
                mask |= 1u << pri;
        unsigned x = cfg.pfc_primap & mask;
        const char *pfc = x != 0 && x != mask ? "Error" : (x != 0 ? "Enabled" : "Disabled");
        std::printf("    %2d: Weight %3d, PFC %s\n", group, cfg.pg_percentage[group], pfc);
    }
    std::fputs("\n  Priority Table\n"
               "\t CoS:    0    1    2    3    4    5    6    7\n"
               "\t ----------------------------------------------\n"
               "\tPGID:   ",
               stdout);
    for (int pri = 0; pri < 8; pri++)
        std::printf("%2d   ", cfg.pgid[pri]);
    std::fputs("\n\n  FCoE Priority Table\n\t", stdout);
    ixo_print_priorities(cfg.fcoe_primap);
    if (cfg.iscsi_primap != 0) {
        std::fputs("\n\n  iSCSI Priority Table\n\t", stdout);
        ixo_print_priorities(cfg.iscsi_primap);
    }
    std::fputs("\n\n\n", stdout);
}

void ixo_print_lls(uint8_t state, const char *name)
{
    std::printf("%s Logical Link Status: ", name);
    switch (state) {
    case 0: std::fputs("Down(TLV not sent by the peer)\n", stdout); break;
    case 1: std::fputs("Down\n", stdout); break;
    case 2: std::fputs("Up\n", stdout); break;
    default: std::fputs("Unknown!\n", stdout); break;
    }
}

} // namespace

int ixo_dcb_query(char ** /*argv*/, int /*argc*/, ixo_id_t *id)
{
    xell_t *ioc = id->xell;
    if (ioc == nullptr)
        return XEL_STATUS_FAILED;
    xel_cee_attr_t attr{};
    xel_status_t status = xell_cee_get_attr(ioc, &attr);
    if (status != XEL_STATUS_OK) {
        xell_ioc_close(ioc);
        return status;
    }
    std::fputs("\nDCB status: ", stdout);
    if (attr.cee_status == CEE_UP) {
        std::fputs("Active\n", stdout);
    } else {
        std::fputs("Inactive\n", stdout);
        ixo_print_cee_error_reason(attr.error_reason);
        if (ixo_cee_reason_ends_report(attr.error_reason)) {
            std::fputs("\n", stdout);
            xell_ioc_close(ioc);
            return XEL_STATUS_OK;
        }
    }
    ixo_print_lldp(attr.lldp_remote);
    if (attr.error_reason != CEE_PEER_NOT_ADVERTISE_DCBX) {
        ixo_print_dcb_map(attr.cee_status == CEE_UP ? "Operational" : "Remote", attr.dcbx_remote);
        if (attr.cee_status != CEE_LOOPBACK) {
            if (attr.cee_status == CEE_UP) {
                ixo_print_lls(attr.dcbx_remote.lls_fcoe, "FCoE");
                std::printf("Network Priority: %d\n", attr.nw_priority);
            }
            std::fputs(attr.dcbx_remote.dcbx_version == 2 ? "DCBCXP version: DCB\n" : "DCBCXP version: PreDCB\n",
                       stdout);
            std::fputs("\n", stdout);
        }
    }
    xell_ioc_close(ioc);
    return XEL_STATUS_OK;
}

int ixo_dcb_get_stats(char ** /*argv*/, int /*argc*/, ixo_id_t *id)
{
    xell_t *ioc = id->xell;
    if (ioc == nullptr)
        return XEL_STATUS_FAILED;
    const xell_stats_t *desc = nullptr;
    xel_cee_stats_t stats{};
    xel_status_t status = xell_cee_get_stats(ioc, &desc, &stats);
    if (status == XEL_STATUS_OK) {
        std::fputs("\nDCB Statistics:\n", stdout);
        xell_print_stats(desc, &stats, 0, nullptr);
    }
    xell_ioc_close(ioc);
    return status;
}

int ixo_dcb_clear_stats(char ** /*argv*/, int /*argc*/, ixo_id_t *id)
{
    xell_t *ioc = id->xell;
    if (ioc == nullptr)
        return XEL_STATUS_FAILED;
    xel_status_t status = xell_cee_reset_stats(ioc);
    if (status == XEL_STATUS_OK)
        std::fputs("Successfully reset the port dcb statistics\n", stdout);
    xell_ioc_close(ioc);
    return status;
}
