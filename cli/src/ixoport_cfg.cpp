// The port commands that change or show one setting: enable and disable,
// name, topology, speed, hard AL_PA, receive data field size, mode, the
// fabric-assigned address, credit recovery and the statistics. The
// library persists what the driver accepted; nothing here touches the
// configuration file.
#include "ixoport.h"

#include "ixo_commands.h"
#include "ixo_errors.h"
#include "ixo_values.h"
#include "xell_config.h"

#include <cctype>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <strings.h>
#include <string>

namespace {

// The value word of a command, when given.
const char *ixo_value_word(char **argv, int argc)
{
    return argc > 4 ? argv[4] : nullptr;
}

// Commands that send one request and say so when it succeeded.
int ixo_port_request(ixo_id_t *id, xel_status_t (*request)(xell_t *), const char *done)
{
    if (id->xell == nullptr)
        return XEL_STATUS_FAILED;
    xel_status_t status = request(id->xell);
    if (status == XEL_STATUS_OK)
        std::fputs(done, stdout);
    return status;
}

// The status of a setting's request; once it was accepted, also when the
// setting takes effect.
xel_status_t ixo_port_enforced(xel_status_t status, const xel_port_attr_s &attr)
{
    if (status != XEL_STATUS_OK)
        return status;
    if (attr.port_state == XEL_PORT_ST_DISABLED)
        std::fputs("Setting will be enforced on port --enable\n", stdout);
    else
        std::fputs("Setting will be enforced after port --disable and --enable\n", stdout);
    return status;
}

// The state of the Ethernet side of a port, when it can be read.
bool ixo_ethport_state(xell_t *eth, uint32_t *state)
{
    xel_ethport_attr_s attr{};
    if (xell_ethport_get_attr(eth, &attr) != XEL_STATUS_OK)
        return false;
    *state = attr.port_state;
    return true;
}

bool ixo_fc_side_down(uint32_t state)
{
    switch (state) {
    case XEL_PORT_ST_DISABLING:
    case XEL_PORT_ST_DISABLED:
    case XEL_PORT_ST_IOCDIS:
    case XEL_PORT_ST_PREBOOT_DISABLED:
    case XEL_PORT_ST_DPORT:
        return true;
    default:
        return false;
    }
}

// The words of a hard AL_PA: hexadecimal digits, optionally behind "0x";
// only the low eight bits count. Anything else is refused, so that a typo
// never configures AL_PA 00.
bool ixo_parse_alpa(const char *text, uint8_t *alpa)
{
    if ((text[0] == '0') && (text[1] == 'x' || text[1] == 'X'))
        text += 2;
    if (text[0] == '\0')
        return false;
    unsigned value = 0;
    for (const char *p = text; *p != '\0'; p++) {
        if (!std::isxdigit(static_cast<unsigned char>(*p)))
            return false;
        unsigned digit = std::isdigit(static_cast<unsigned char>(*p))
                             ? static_cast<unsigned>(*p - '0')
                             : static_cast<unsigned>(std::tolower(static_cast<unsigned char>(*p)) - 'a' + 10);
        value = (value * 16 + digit) & 0xffU;
    }
    *alpa = static_cast<uint8_t>(value);
    return true;
}

// The names another port may not already carry: the target adapter's own
// functions, and the ports of every other adapter.
int ixo_port_name_taken(xell_t *ioc, xell_adapter_t *adapter, const char *name)
{
    if (name[0] != '\0') {
        for (const auto &port : adapter->port_list)
            for (const auto *list : {&port->fcioc_list, &port->ethioc_list})
                for (const auto &other : *list)
                    if (other->port_name[0] != '\0' && std::strcmp(other->port_name, name) == 0)
                        return XEL_STATUS_SAME_NAME;
    }
    const char *serial = xell_ioc_get_sn(ioc);
    int count = static_cast<int>(xell_adapter_get_count());
    for (int ad_idx = 1; ad_idx <= count; ad_idx++) {
        xell_adapter_t *other = xell_adapter_get_by_idx(ad_idx);
        if (other == nullptr || serial[0] == '\0' || other->serial_num[0] == '\0' ||
            std::strcmp(serial, other->serial_num) == 0)
            continue;
        for (int port_idx = 0; port_idx < other->port_count; port_idx++)
            if (xell_config_get_port_name_exists(ad_idx, name, port_idx))
                return XEL_STATUS_SAME_NAME;
    }
    return XEL_STATUS_OK;
}

} // namespace

int ixo_port_enable(char ** /*argv*/, int /*argc*/, ixo_id_t *id)
{
    xell_t *ioc = id->xell;
    if (ioc == nullptr)
        return XEL_STATUS_FAILED;
    uint32_t eth_state = 0;
    if (xell_ioc_is_storage(ioc)) {
        xell_t *eth = xell_port_get_first_ethioc(ixo_port_of(ioc));
        xel_port_attr_s attr{};
        if (xell_port_get_attr(ioc, &attr) != XEL_STATUS_OK)
            return XEL_STATUS_FAILED;
        bool fc_up = !ixo_fc_side_down(attr.port_state);
        bool eth_up = true;
        if (eth != nullptr) {
            if (!ixo_ethport_state(eth, &eth_state))
                return XEL_STATUS_FAILED;
            eth_up = eth_state != XEL_PORT_ST_DISABLED && eth_state != XEL_PORT_ST_DISABLING;
        }
        if (fc_up && eth_up) {
            std::fputs("port is already enabled\n", stdout);
            return XEL_STATUS_OK;
        }
    } else if (ixo_ethport_state(ioc, &eth_state) && eth_state != XEL_PORT_ST_DISABLED &&
               eth_state != XEL_PORT_ST_DISABLING && eth_state != XEL_PORT_ST_IOCDIS) {
        std::fputs("port is already enabled\n", stdout);
        return XEL_STATUS_OK;
    }
    return ixo_port_request(id, xell_port_enable, "port enabled\n");
}

int ixo_port_disable(char ** /*argv*/, int /*argc*/, ixo_id_t *id)
{
    xell_t *ioc = id->xell;
    if (ioc == nullptr)
        return XEL_STATUS_FAILED;
    uint32_t eth_state = 0;
    if (xell_ioc_is_storage(ioc)) {
        xell_t *eth = xell_port_get_first_ethioc(ixo_port_of(ioc));
        xel_port_attr_s attr{};
        if (xell_port_get_attr(ioc, &attr) != XEL_STATUS_OK)
            return XEL_STATUS_FAILED;
        bool fc_disabled = attr.port_state == XEL_PORT_ST_DISABLED;
        bool eth_disabled = true;
        if (eth != nullptr) {
            if (!ixo_ethport_state(eth, &eth_state))
                return XEL_STATUS_FAILED;
            eth_disabled = eth_state == XEL_PORT_ST_DISABLED;
        }
        if (fc_disabled && eth_disabled) {
            std::fputs("port is already disabled\n", stdout);
            return XEL_STATUS_OK;
        }
    } else if (ixo_ethport_state(ioc, &eth_state) && eth_state == XEL_PORT_ST_DISABLED) {
        std::fputs("port is already disabled\n", stdout);
        return XEL_STATUS_OK;
    }
    return ixo_port_request(id, xell_port_disable, "port disabled\n");
}

int ixo_port_name(char **argv, int argc, ixo_id_t *id)
{
    xell_t *ioc = id->xell;
    if (ioc == nullptr)
        return XEL_STATUS_FAILED;
    const char *word = ixo_value_word(argv, argc);
    if (word == nullptr) {
        const char *name = xell_ioc_get_name(ioc);
        std::printf("Port name is: %s\n", name[0] != '\0' ? name : "--");
        return XEL_STATUS_OK;
    }
    // An empty name clears the port's name.
    std::string name = word;
    if (!name.empty() && !ixo_verify_name(name.c_str()))
        return E_CLI_INCORRECT_STRING;

    xell_adapter_t *adapter = xell_adapter_get_by_idx(xell_ioc_get_adapter_id(ioc));
    xell_port_t *port = xell_adapter_get_port(adapter, xell_ioc_get_port_id(ioc));
    if (adapter == nullptr || port == nullptr)
        return XEL_STATUS_FAILED;
    int status = ixo_port_name_taken(ioc, adapter, name.c_str());
    if (status != XEL_STATUS_OK)
        return status;
    // Every function must be able to keep the name before the first one
    // is asked to take it.
    for (int i = 0; i < xell_port_get_ioc_count(port); i++) {
        xell_t *member = xell_port_get_ioc(port, i);
        if (member != nullptr && (status = xell_config_check_ioc_name(member, name.c_str())) != XEL_STATUS_OK)
            return status;
    }
    // Every function of the port carries the name; one that fails stops
    // the naming and the functions named before it keep the name.
    for (int i = 0; i < xell_port_get_ioc_count(port); i++) {
        xell_t *member = xell_port_get_ioc(port, i);
        if (member == nullptr)
            continue;
        status = xell_ioc_set_name(member, name.c_str());
        if (status != XEL_STATUS_OK) {
            std::fputs("FAILED TO SET THE NAME\n", stdout);
            return status;
        }
    }
    std::printf("successfully named the port: %s\n", name.c_str());
    return XEL_STATUS_OK;
}

int ixo_port_topology(char **argv, int argc, ixo_id_t *id)
{
    xell_t *ioc = id->xell;
    if (ioc == nullptr)
        return XEL_STATUS_FAILED;
    const char *word = ixo_value_word(argv, argc);
    uint32_t topology = XEL_PORT_TOPOLOGY_NONE;
    if (word != nullptr) {
        if (strcasecmp(word, "p2p") == 0)
            topology = XEL_PORT_TOPOLOGY_P2P;
        else if (strcasecmp(word, "loop") == 0)
            topology = XEL_PORT_TOPOLOGY_LOOP;
        else
            return E_CLI_INCORRECT_CMD;
    }
    xel_mode_t mode = XEL_MODE_HBA;
    xel_status_t status = xell_port_mode_get(ioc, true, &mode);
    if (status != XEL_STATUS_OK)
        return status;
    if (mode != XEL_MODE_HBA)
        return XEL_STATUS_NO_TOPOLOGY_FOR_CNA;
    xel_port_attr_s attr{};
    status = xell_port_get_attr(ioc, &attr);
    if (status != XEL_STATUS_OK)
        return status;
    if (word == nullptr) {
        std::printf("Current topology is:\t%s\n", xell_port_topology_to_string(static_cast<int32_t>(attr.topology)));
        std::printf("Configured topology is:\t%s\n", xell_port_topology_to_string(attr.pport_cfg.topology));
        return XEL_STATUS_OK;
    }
    return ixo_port_enforced(xell_port_cfg_topology(ioc, topology), attr);
}

int ixo_port_speed(char **argv, int argc, ixo_id_t *id)
{
    xell_t *ioc = id->xell;
    if (ioc == nullptr)
        return XEL_STATUS_FAILED;
    const char *word = ixo_value_word(argv, argc);
    uint32_t speed = XEL_PORT_SPEED_AUTO;
    if (word != nullptr && strcasecmp(word, "auto") != 0 && !ixo_set_speed(word, &speed))
        return E_CLI_INCORRECT_CMD;
    xel_ioc_attr_t ioc_attr{};
    xel_status_t status = xell_ioc_get_attr(ioc, &ioc_attr);
    if (status != XEL_STATUS_OK)
        return status;
    xel_port_attr_s attr{};
    status = xell_port_get_attr(ioc, &attr);
    if (status != XEL_STATUS_OK)
        return status;
    if (word == nullptr) {
        std::printf("Current port speed is:\t\t%s\n", xell_port_speed_to_string(static_cast<int32_t>(attr.speed)));
        std::printf("Configured port speed is:\t%s\n", xell_port_speed_to_string(attr.pport_cfg.speed));
        return XEL_STATUS_OK;
    }
    status = xell_sfp_speed(ioc, speed);
    if (status != XEL_STATUS_OK)
        return status;
    return ixo_port_enforced(xell_port_cfg_speed(ioc, speed), attr);
}

int ixo_port_alpaset(char **argv, int argc, ixo_id_t *id)
{
    xell_t *ioc = id->xell;
    if (ioc == nullptr)
        return XEL_STATUS_FAILED;
    const char *word = ixo_value_word(argv, argc);
    uint8_t alpa = 0;
    if (word != nullptr && !ixo_parse_alpa(word, &alpa))
        return E_CLI_INCORRECT_CMD;
    xel_port_attr_s attr{};
    xel_status_t status = xell_port_get_attr(ioc, &attr);
    if (status != XEL_STATUS_OK)
        return status;
    if (word == nullptr) {
        std::printf("Configured port hardalpa is:\t%02x\n", attr.pport_cfg.hardalpa);
        return XEL_STATUS_OK;
    }
    if (attr.port_state == XEL_PORT_ST_DISABLED)
        std::fputs("Setting will be enforce on port --enable\n", stdout);
    else
        std::fputs("Setting will be enforced after port --disable and --enable\n", stdout);
    return xell_port_cfg_hardalpa(ioc, alpa);
}

int ixo_port_alpaclr(char ** /*argv*/, int /*argc*/, ixo_id_t *id)
{
    return ixo_port_request(id, xell_port_clr_hardalpa, "Port hard assigned alpa cleared\n");
}

int ixo_port_rfsize(char **argv, int argc, ixo_id_t *id)
{
    xell_t *ioc = id->xell;
    if (ioc == nullptr)
        return XEL_STATUS_FAILED;
    const char *word = ixo_value_word(argv, argc);
    uint64_t size = 2112;
    if (word != nullptr && strcasecmp(word, "auto") != 0) {
        if (!ixo_verify_num(word))
            return E_CLI_INCORRECT_CMD;
        // Too many digits is too large, never a wrapped smaller size.
        if (!ixo_parse_uint(word, UINT16_MAX, &size))
            return XEL_STATUS_INVLD_DFSZ;
    }
    xel_port_attr_s attr{};
    xel_status_t status = xell_port_get_attr(ioc, &attr);
    if (status != XEL_STATUS_OK)
        return status;
    if (word == nullptr) {
        std::printf("Port maximum receive data field size is: %d\n", attr.pport_cfg.maxfrsize);
        return XEL_STATUS_OK;
    }
    return ixo_port_enforced(xell_port_cfg_maxfrsize(ioc, static_cast<uint16_t>(size)), attr);
}

int ixo_port_cfg_mode(char **argv, int argc, ixo_id_t *id)
{
    xell_t *ioc = id->port_ioc.xell;
    if (ioc == nullptr)
        return XEL_STATUS_FAILED;
    bool force = false;
    if (argc > 5) {
        if (std::strcmp(argv[5], "-f") != 0)
            return E_CLI_INCORRECT_CMD;
        force = true;
    }
    xel_port_cfg_mode_t cfg{};
    if (strcasecmp(argv[4], "HBA") == 0)
        cfg.mode = XEL_MODE_HBA;
    else if (strcasecmp(argv[4], "CNA") == 0)
        cfg.mode = XEL_MODE_CNA;
    else if (strcasecmp(argv[4], "NIC") == 0)
        cfg.mode = XEL_MODE_NIC;
    else
        return E_CLI_INCORRECT_CMD;

    if (force)
        std::fputs("Warning: This command will reset all the settings configured on the port.\n\n"
                   "Mode change command can take a lot of time to complete.\n"
                   "Please don't terminate the command as it could result in undesirable port state.\n\n",
                   stdout);
    else
        std::fputs("Warning: This command will not reset the settings configured on the port.\n\n", stdout);
    xel_status_t status = xell_port_cfg_mode(ioc, &cfg, id->port_ioc.port, force);
    if (status == XEL_STATUS_OK)
        std::fputs("Port mode is configured successfully.\n"
                   "A host reboot is needed for the changes to be effective. "
                   "You may also have to change the SFP to match the new mode.\n\n",
                   stdout);
    return status;
}

int ixo_port_faa_query(char **argv, int /*argc*/, ixo_id_t *id)
{
    xell_t *ioc = id->xell;
    if (ioc == nullptr)
        return XEL_STATUS_FAILED;
    if (std::strcmp(argv[4], "--query") != 0)
        return E_CLI_INCORRECT_CMD;
    xel_faa_attr_s faa{};
    xel_status_t status = xell_faa_query(ioc, &faa);
    if (status != XEL_STATUS_OK)
        return status;
    std::printf("    FAA state: \t\t%s ", xell_faa_state_to_string(faa.faa_state));
    std::fputs("\n    PWWN: \t\t", stdout);
    ixo_print_pwwn(faa.faa);
    std::printf("\n    PWWN source: \t%s \n", xell_faa_source_to_string(faa.pwwn_source));
    return XEL_STATUS_OK;
}

namespace {

// Credit recovery runs on FC functions only; the port attributes say
// what is configured and what runs.
xel_status_t ixo_bbsc_attr(xell_t *ioc, xel_port_attr_s *attr)
{
    if (xell_ioc_get_ioc_type(ioc) != XEL_IOC_TYPE_FC)
        return XEL_STATUS_BBSC_FC_ONLY;
    return xell_port_get_attr(ioc, attr);
}

int ixo_port_bbsc_change(ixo_id_t *id, bool enable)
{
    xell_t *ioc = id->xell;
    if (ioc == nullptr)
        return XEL_STATUS_FAILED;
    xel_port_attr_s attr{};
    xel_status_t status = ixo_bbsc_attr(ioc, &attr);
    if (status != XEL_STATUS_OK)
        return status;
    const char *state = enable ? "enabled" : "disabled";
    if (attr.pport_cfg.bb_scn_state == (enable ? 1 : 0)) {
        std::printf("Fibre channel credit recovery already %s\n", state);
        return XEL_STATUS_OK;
    }
    status = enable ? xell_port_bbsc_enable(ioc) : xell_port_bbsc_disable(ioc);
    if (status == XEL_STATUS_OK)
        std::printf("Fibre channel credit recovery %s\n"
                    "Setting will be applied after port --disable and port --enable\n",
                    state);
    return status;
}

} // namespace

int ixo_port_bbsc_enable(char ** /*argv*/, int /*argc*/, ixo_id_t *id)
{
    return ixo_port_bbsc_change(id, true);
}

int ixo_port_bbsc_disable(char ** /*argv*/, int /*argc*/, ixo_id_t *id)
{
    return ixo_port_bbsc_change(id, false);
}

int ixo_port_bbsc_query(char ** /*argv*/, int /*argc*/, ixo_id_t *id)
{
    xell_t *ioc = id->xell;
    if (ioc == nullptr)
        return XEL_STATUS_FAILED;
    xel_port_attr_s attr{};
    xel_status_t status = ixo_bbsc_attr(ioc, &attr);
    if (status != XEL_STATUS_OK)
        return status;
    std::printf("%-22s%s\n", "Configured State :", attr.pport_cfg.bb_scn_state == 1 ? "Enabled" : "Disabled");
    std::printf("%-22s%s\n", "Operating State  :", attr.bbsc_op_status == 1 ? "On" : "Off");
    return XEL_STATUS_OK;
}

int ixo_port_statistics(char ** /*argv*/, int /*argc*/, ixo_id_t *id)
{
    xell_t *ioc = id->xell;
    if (ioc == nullptr)
        return XEL_STATUS_FAILED;
    const xell_stats_t *desc = nullptr;
    xel_port_stats_t stats{};
    xel_status_t status = xell_port_get_stats(ioc, &desc, &stats);
    if (status != XEL_STATUS_OK)
        return status;
    if (xell_ioc_get_ioc_type(ioc) == XEL_IOC_TYPE_FC) {
        std::fputs("\nFC port statistics: \n", stdout);
        xell_print_stats(desc, &stats, 0, "fc_stats");
    } else {
        std::fputs("\nPhysical port statistics: \n", stdout);
        xell_print_stats(desc, &stats, 0, "eth_stats");
    }
    return XEL_STATUS_OK;
}

int ixo_port_statsclr(char ** /*argv*/, int /*argc*/, ixo_id_t *id)
{
    return ixo_port_request(id, xell_port_reset_stats, "Successfully reset the port level stats\n");
}

namespace {

// One section of the firmware statistics, under its heading.
void ixo_print_fw_section(const char *heading, const xell_stats_t &table, const xel_fw_stats_t &stats,
                          std::size_t base, const char *member = nullptr)
{
    std::fputs(heading, stdout);
    xell_print_stats(&table, &stats, base, member);
}

// The roles all logical ports of the base fabric share.
xel_status_t ixo_lport_common_roles(xell_t *ioc, uint32_t *roles)
{
    constexpr int max_lports = 256;
    wwn_t lports[max_lports] = {};
    int count = max_lports;
    xel_status_t status = xell_fabric_get_lports(ioc, 0, lports, &count);
    if (status != XEL_STATUS_OK)
        return status;
    *roles = 255;
    for (int i = 0; i < count && i < max_lports; i++) {
        xel_lport_attr_t attr{};
        status = xell_lport_get_attr(ioc, 0, lports[i], &attr);
        if (status != XEL_STATUS_OK)
            return status;
        *roles &= attr.port_cfg.roles;
    }
    return XEL_STATUS_OK;
}

} // namespace

int ixo_port_fw_statistics(char ** /*argv*/, int /*argc*/, ixo_id_t *id)
{
    xell_t *ioc = id->xell;
    if (ioc == nullptr)
        return XEL_STATUS_FAILED;
    xel_ioc_attr_t ioc_attr{};
    xel_status_t status = xell_ioc_get_attr(ioc, &ioc_attr);
    const xell_stats_t *desc = nullptr;
    xel_fw_stats_t stats{};
    if (status == XEL_STATUS_OK)
        status = xell_ioc_get_fwstats(ioc, &desc, &stats);
    if (status != XEL_STATUS_OK)
        return status;

    ixo_print_fw_section("\nFirmware IOC statistics:\n", xell_xel_fw_ioc_stats, stats,
                         offsetof(xel_fw_stats_t, ioc_stats));
    xel_ioc_type_t type = xell_ioc_get_ioc_type(ioc);
    if (type != XEL_IOC_TYPE_LL) {
        ixo_print_fw_section("\nFirmware IOCFC statistics:\n", xell_xel_fw_iocfc_stats, stats,
                             offsetof(xel_fw_stats_t, iocfc_stats));
        uint32_t roles = 0;
        status = ixo_lport_common_roles(ioc, &roles);
        if (status != XEL_STATUS_OK)
            return status;
        std::size_t ioim = offsetof(xel_fw_stats_t, io_stats) + offsetof(xel_fw_io_stats_t, ioim_stats);
        std::size_t tio = offsetof(xel_fw_stats_t, io_stats) + offsetof(xel_fw_io_stats_t, tio_stats);
        if (roles == XEL_LPORT_ROLE_FCP_IM) {
            ixo_print_fw_section("\nFirmware IO statistics (Initiator Mode):\n", xell_xel_fw_ioim_stats, stats, ioim);
        } else if (roles == XEL_LPORT_ROLE_FCP_TM) {
            ixo_print_fw_section("\nFirmware IO statistics (Target Mode):\n", xell_xel_fw_tio_stats, stats, tio);
        } else {
            ixo_print_fw_section("\nFirmware IO statistics:\n", xell_xel_fw_ioim_stats, stats, ioim);
            xell_print_stats(&xell_xel_fw_tio_stats, &stats, tio, nullptr);
        }
        std::size_t port = offsetof(xel_fw_stats_t, port_stats);
        if (type == XEL_IOC_TYPE_FC)
            ixo_print_fw_section("\nFirmware port FC statistics:\n", xell_xel_fw_port_stats, stats, port, "fc_uport");
        else
            ixo_print_fw_section("\nFirmware port FCoE statistics:\n", xell_xel_fw_port_stats, stats, port,
                                 "fcoe_port");
        xel_port_attr_s attr{};
        if (xell_port_get_attr(ioc, &attr) == XEL_STATUS_OK && attr.pport_cfg.trunked == 1) {
            ixo_print_fw_section("\nFirmware port ADVSM statistics:\n", xell_xel_fw_advsm_stats, stats,
                                 offsetof(xel_fw_stats_t, advsm_stats));
            ixo_print_fw_section("\nFirmware port trunk statistics:\n", xell_xel_fw_trunk_stats, stats,
                                 offsetof(xel_fw_stats_t, trunk_stats));
        }
    }
    if (ioc_attr.pci_attr.device_id == 0x14) {
        ixo_print_fw_section("\nFirmware QE MOD statistics:\n", xell_xel_fw_qe_mod_stats, stats,
                             offsetof(xel_fw_stats_t, ctmod_stats));
        ixo_print_fw_section("\nFirmware QE MAC statistics:\n", xell_xel_fw_mac_mod_stats, stats,
                             offsetof(xel_fw_stats_t, macmod_stats));
        ixo_print_fw_section("\nFirmware ETH sndrcv MOD statistics:\n", xell_xel_fw_eth_sndrcv_stats, stats,
                             offsetof(xel_fw_stats_t, ethsndrcv_stats));
    }
    return status;
}

int ixo_port_fw_statsclr(char ** /*argv*/, int /*argc*/, ixo_id_t *id)
{
    return ixo_port_request(id, xell_ioc_reset_fwstats, "Successfully reset the fw level stats\n");
}
