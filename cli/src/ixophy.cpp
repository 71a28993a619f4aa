// The phy commands: the 10G Ethernet PHY module of a port and its firmware.
#include "ixo_commands.h"
#include "ixo_errors.h"
#include "ixo_usage.h"
#include "xell_adapter.h"
#include "xell_phy.h"
#include "xell_port.h"

#include <cstdio>
#include <cstring>

void ixo_phy_usage(bool bhelp)
{
    (void)bhelp;
    std::fputs("\nUsage: ixo phy [OPTIONS] [ARGUMENTS] ...\n"
               "Direct PHY module specific commands using this option\n"
               "Example: ixo phy --query <port_id>\n"
               "Available commands are:\n"
               "\t--query <port_id>\n"
               "\t\tQuery the PHY module attributes\n\n"
               "\t--read <port_id> <file>\n"
               "\t\tRead the PHY firmware into <file>\n\n"
               "\t--stats <port_id>\n"
               "\t\tDisplay the PHY module statistics\n\n"
               "\t--update {<ad_id> | -a} <fw_file>\n"
               "\t\tUpdate the PHY firmware on every port of the adapter,\n"
               "\t\tor of all the adapters with -a\n"
               "\t\tThe new firmware takes effect after adapter --disable and --enable\n\n",
               stdout);
    ixo_usage_port_id_forms();
    ixo_usage_ad_id_forms();
}

namespace {

const char *ixo_phy_status_name(uint32_t status)
{
    switch (status) {
    case XEL_PHY_STATUS_GOOD: return "Good";
    case XEL_PHY_STATUS_NOT_PRESENT: return "Does not exist";
    case XEL_PHY_STATUS_BAD: return "Bad";
    default: return "Unknown";
    }
}

void ixo_phy_line(const char *label, const char *value)
{
    std::printf("%-32s : %s\n", label, value);
}

const char *ixo_yes_no(uint32_t bits, uint32_t bit)
{
    return (bits & bit) != 0 ? "Yes" : "No";
}

const char *ixo_link(uint32_t bits, uint32_t bit)
{
    return (bits & bit) != 0 ? "Link up" : "Link down";
}

// The IOC the PHY of a port is reached through: its first storage
// function, else its first network function.
xell_t *ixo_phy_port_ioc(xell_adapter_t *adapter, int port_idx)
{
    xell_port_t *port = xell_adapter_get_port(adapter, port_idx);
    if (port == nullptr)
        return nullptr;
    xell_t *ioc = xell_port_get_first_fcioc(port);
    return ioc != nullptr ? ioc : xell_port_get_first_ethioc(port);
}

// Updates every port of one adapter; stops at the first port that fails.
// Returns whether a port was updated.
bool ixo_phy_update_adapter(int ad_idx, const char *file)
{
    xell_adapter_t *adapter = xell_adapter_get_by_idx(ad_idx);
    if (adapter == nullptr) {
        std::fputs("ERROR: Couldn't find the adapter info\n", stdout);
        return false;
    }
    bool updated = false;
    for (int port_idx = 0; port_idx < adapter->port_count; port_idx++) {
        if (xell_adapter_get_port(adapter, port_idx) == nullptr)
            continue;
        xell_t *ioc = ixo_phy_port_ioc(adapter, port_idx);
        if (ioc == nullptr) {
            std::printf("ERROR: Couldn't find the port %d info\n", port_idx);
            continue;
        }
        std::printf("Updating Phy Firmware on the port %d/%d\n", ad_idx, port_idx);
        xel_phy_attr_t attr{};
        xel_status_t status = xell_phy_get_attr(ioc, &attr);
        if (status != XEL_STATUS_OK) {
            std::printf("ERROR: %s\n", xell_status_to_string(status));
            return updated;
        }
        if (attr.status == XEL_PHY_STATUS_NOT_PRESENT) {
            std::fputs("ERROR: Phy not present\n", stdout);
            return updated;
        }
        status = xell_phy_update(ioc, file);
        if (status != XEL_STATUS_OK) {
            std::printf("ERROR: %s\n\n", xell_status_to_string(status));
            return updated;
        }
        std::fputs("Successfully updated the Firmware\n\n", stdout);
        updated = true;
    }
    return updated;
}

} // namespace

int ixo_phy_query(char ** /*argv*/, int /*argc*/, ixo_id_t *id)
{
    xell_t *ioc = id->xell;
    if (ioc == nullptr)
        return XEL_STATUS_FAILED;
    xel_phy_attr_t attr{};
    xel_status_t status = xell_phy_get_attr(ioc, &attr);
    if (status == XEL_STATUS_OK) {
        std::fputs("Phy Module attributes:\n", stdout);
        ixo_phy_line("Phy status", ixo_phy_status_name(attr.status));
        std::printf("%-32s : 0x%x\n", "Firmware version", attr.fw_ver);
        ixo_phy_line("Link partner auto-negotiation ability", ixo_yes_no(attr.an_status, XEL_PHY_AN_LP_ABLE));
        ixo_phy_line("PHY auto-negotiation ability", ixo_yes_no(attr.an_status, XEL_PHY_AN_ABLE));
        ixo_phy_line("AN complete", ixo_yes_no(attr.an_status, XEL_PHY_AN_COMPLETE));
        ixo_phy_line("PMA/PMD link status", ixo_link(attr.pma_pmd_status, XEL_PHY_PMA_LINK_UP));
        ixo_phy_line("PMA/PMD signal detected", ixo_yes_no(attr.pma_pmd_signal, XEL_PHY_PMA_SIGNAL));
        ixo_phy_line("PCS link status", ixo_link(attr.pcs_status, XEL_PHY_PCS_LINK_UP));
    }
    xell_ioc_close(ioc);
    return status;
}

int ixo_phy_stats(char ** /*argv*/, int /*argc*/, ixo_id_t *id)
{
    xell_t *ioc = id->xell;
    if (ioc == nullptr)
        return XEL_STATUS_FAILED;
    const xell_stats_t *desc = nullptr;
    xel_phy_stats_t stats{};
    xel_status_t status = xell_phy_get_stats(ioc, &desc, &stats);
    if (status == XEL_STATUS_OK) {
        std::fputs("\nPhy Module statistics:\n", stdout);
        xell_print_stats(desc, &stats, 0, nullptr);
    }
    xell_ioc_close(ioc);
    return status;
}

int ixo_phy_read_fw(char **argv, int /*argc*/, ixo_id_t *id)
{
    xell_t *ioc = id->xell;
    if (ioc == nullptr)
        return XEL_STATUS_FAILED;
    xel_status_t status = xell_phy_read(ioc, argv[4], XEL_PHY_FW_READ_SIZE, true);
    xell_ioc_close(ioc);
    return status;
}

int ixo_phy_update_fw(char **argv, int /*argc*/, ixo_id_t * /*id*/)
{
    int count = static_cast<int>(xell_adapter_get_count());
    if (count == 0)
        return XEL_STATUS_NO_ADAPTER;
    bool all = std::strcmp(argv[3], "-a") == 0;
    xell_adapter_t *chosen = all ? nullptr : ixo_get_adapter_id(argv[3]);
    if (!all && chosen == nullptr)
        return E_CLI_INCORRECT_ADAPTER_ID;
    std::fputs("\nPHY firmware update may take longer times to "
               "complete, please don't \nterminate the command as "
               "it could result in undesirable adapter state\n\n",
               stdout);
    bool updated = false;
    for (int ad_idx = 1; ad_idx <= count; ad_idx++) {
        if (!all && chosen->id != ad_idx)
            continue;
        if (ixo_phy_update_adapter(ad_idx, argv[4]))
            updated = true;
    }
    if (updated)
        std::fputs("\nFirmware update will take into effect after the adapter --disable and --enable\n", stdout);
    return XEL_STATUS_OK;
}
