// The vNIC class: create, delete, bandwidth, enable, disable, query and
// statistics of the network functions of a port.
#include "ixovnic.h"

#include "ixo_commands.h"
#include "ixo_fn_state.h"
#include "ixo_errors.h"
#include "ixo_usage.h"
#include "ixo_values.h"
#include "xell_port.h"
#include "xell_stats.h"

#include <cstdio>
#include <cstring>
#include <memory>

void ixo_vnic_usage(bool bhelp)
{
    (void)bhelp;
    std::fputs("\nUsage: ixo vnic [OPTIONS] [ARGUMENTS] ...\n"
               "Available commands are:\n\n"
               "\t--bw <pcifn> [-bmin <min bandwidth>] [-bmax <max bandwidth>]\n"
               "\t\t Sets the bandwidth for the vNIC\n\n"
               "\t--create <port_id> [-bmin <min bandwidth>] [-bmax <max bandwidth>]\n"
               "\t\tCreates additional vNIC\n\n"
               "\t--delete <pcifn>\n"
               "\t\tDeletes given vNIC\n\n"
               "\t--disable <pcifn>\n"
               "\t\t Disables the vNIC\n\n"
               "\t--enable <pcifn>\n"
               "\t\t Enables the vNIC\n\n"
               "\t--query <pcifn>\n"
               "\t\tQueries vNIC status\n\n"
               "\t--stats <pcifn>\n"
               "\t\t Displays statistics of the vNIC\n\n"
               "\t--statsclr <pcifn>\n"
               "\t\t Clears statistics of the vNIC\n\n",
               stdout);
    ixo_usage_port_id_forms();
    std::fputs("\n\tFor --delete and --bw, pcifn id has to be:\n"
               "\t\t<adapter_id/port_id/pcifn_id>\n"
               "\n\tFor all other commands pcifn id could be any of:\n"
               "\t\t<adapter_id/port_id>\n"
               "\t\t<adapter_id/port_id/pcifn_id>\n"
               "\n\tbandwidth can be specified either as an absolute value\n",
               stdout);
    std::printf("\tor a percentage weight i.e., %s\n", "0% to 100%");
    std::printf("\tAbsolute value could range from %d[M] to %dG\n", 0, 10);
    std::fputs("\twhere M is Mbps and G is Gbps. Default unit is Mbps\n", stdout);
    std::printf("\tDefault values for min bandwidth = 0 and max bandwidth = 10000M/%s\n",
                "100%");
    std::fputs("\tAbsolute bandwidth value has to be in multiples of 100Mbps\n"
               "\tFor eg; 100M, 300M 6.5G, 10G etc are valid entries\n\n"
               "\tHowever please note that -bmax = 0 is not an valid entry\n",
               stdout);
}

namespace {

constexpr const char ixo_reboot_needed[] = "A host reboot is needed for the changes to be effective\n\n";

// "-bmin" and "-bmax" from argv[4] on, each at most once, each through the
// bandwidth rule.
int ixo_vnic_bw_options(xell_t *ioc, char **argv, int argc, int *bw_min, int *bw_max)
{
    bool seen_min = false, seen_max = false;
    for (int i = 4; i < argc; i += 2) {
        bool is_min = std::strcmp(argv[i], "-bmin") == 0;
        bool is_max = std::strcmp(argv[i], "-bmax") == 0;
        if ((!is_min && !is_max) || (is_min && seen_min) || (is_max && seen_max))
            return E_CLI_INCORRECT_CMD;
        if (i + 1 >= argc)
            return E_CLI_TOO_FEW_ARGS;
        xel_status_t status = xell_convert_bw(ioc, argv[i + 1], is_min ? bw_min : bw_max);
        if (status != XEL_STATUS_OK)
            return status;
        (is_min ? seen_min : seen_max) = true;
    }
    // A function with no bandwidth at all carries no traffic.
    if (*bw_max == 0 || *bw_min > *bw_max)
        return XEL_STATUS_INVALID_BW;
    return E_CLI_NO_ERROR;
}

void ixo_vnic_print_bw(const char *label, xel_status_t status, int value)
{
    std::printf("%s", label);
    if (status != XEL_STATUS_OK || value == -1)
        std::printf("--\n");
    else if (value < 10)
        std::printf("%d Mbps\n", value * 100);
    else if (value % 10 != 0)
        std::printf("%d.%d Gbps\n", value / 10, value % 10);
    else
        std::printf("%d Gbps\n", value / 10);
}

int ixo_vnic_set_state(xell_t *ioc, bool enable)
{
    return ixo_fn_set_state(ioc, enable, "vNIC", xell_vnic_enable, xell_vnic_disable);
}

void ixo_vnic_print_offloads(const xel_vnic_attr_t &attr)
{
    auto word = [](uint8_t flag) { return flag ? "Enabled" : "Disabled"; };
    std::printf("Offloads\n");
    std::printf("\tTx IPv4 header checksum\t: %s\n", word(attr.tx_ipv4_cso));
    std::printf("\tTx TCP checksum\t\t: %s\n", word(attr.tx_tcp_cso));
    std::printf("\tTx UDP checksum\t\t: %s\n", word(attr.tx_udp_cso));
    std::printf("\tLSO\t\t\t: %s\n", word(attr.lso));
    std::printf("\tRx IPv4 header checksum\t: %s\n", word(attr.rx_ipv4_cso));
    std::printf("\tRx TCP checksum\t\t: %s\n", word(attr.rx_tcp_cso));
    std::printf("\tRx UDP checksum\t\t: %s\n", word(attr.rx_udp_cso));
}

} // namespace

int ixo_vnic_create_hdlr(char **argv, int argc, ixo_id_t *id)
{
    xell_t *ioc = id->port_ioc.xell;
    int bw_min = 0, bw_max = 100;
    int status = ixo_vnic_bw_options(ioc, argv, argc, &bw_min, &bw_max);
    if (status != E_CLI_NO_ERROR)
        return status;
    int pcifn = 0;
    status = xell_vnic_create(ioc, bw_min, bw_max, &pcifn, id->port_ioc.port);
    if (status == XEL_STATUS_OK) {
        std::printf("vNIC %d created successfully\n", pcifn);
        std::fputs(ixo_reboot_needed, stdout);
    }
    return status;
}

int ixo_vnic_delete_hdlr(char **, int, ixo_id_t *id)
{
    xell_t *ioc = id->pfn_ioc.xell;
    xel_status_t status = xell_verify_cfg_pcifn_id(ioc, id->pfn_ioc.port, id->pfn_ioc.pfn);
    if (status == XEL_STATUS_OK)
        status = xell_vnic_delete(ioc, id->pfn_ioc.port, id->pfn_ioc.pfn);
    if (status == XEL_STATUS_OK) {
        std::printf("vNIC deleted successfully\n");
        std::fputs(ixo_reboot_needed, stdout);
    }
    return status;
}

// A change starts from the configured bandwidth, so that a second change
// before the reboot keeps what the first one set.
int ixo_vnic_bw_hdlr(char **argv, int argc, ixo_id_t *id)
{
    xell_t *ioc = id->pfn_ioc.xell;
    xell_adapter_t *adapter = xell_adapter_get_by_idx(ioc->ad_id);
    xell_t *fn_ioc = xell_port_get_ioc_by_pcifn(xell_adapter_get_port(adapter, id->pfn_ioc.port), id->pfn_ioc.pfn);
    if (fn_ioc == nullptr)
        return XEL_STATUS_FAILED;
    int bw_min = 0, bw_max = 0;
    xel_status_t bw_status = xell_pcifn_get_cfg_bandwidth(fn_ioc, &bw_min, &bw_max);
    if (bw_status != XEL_STATUS_OK)
        return bw_status;
    int status = ixo_vnic_bw_options(ioc, argv, argc, &bw_min, &bw_max);
    if (status != E_CLI_NO_ERROR)
        return status;
    status = xell_verify_cfg_pcifn_id(ioc, id->pfn_ioc.port, id->pfn_ioc.pfn);
    if (status == XEL_STATUS_OK)
        status = xell_vnic_set_bw(ioc, bw_min, bw_max, id->pfn_ioc.port, id->pfn_ioc.pfn);
    if (status == XEL_STATUS_OK)
        std::printf("vNIC speed changed\n");
    return status;
}

int ixo_vnic_enable_hdlr(char **, int, ixo_id_t *id)
{
    return ixo_vnic_set_state(id->xell, true);
}

int ixo_vnic_disable_hdlr(char **, int, ixo_id_t *id)
{
    return ixo_vnic_set_state(id->xell, false);
}

int ixo_vnic_query_hdlr(char **, int, ixo_id_t *id)
{
    xell_t *ioc = id->xell;
    if (ioc->ioc_type != XEL_IOC_TYPE_LL)
        return XEL_STATUS_FAILED;
    xel_ioc_attr_t ioc_attr{};
    xel_port_attr_s port_attr{};
    auto attr = std::make_unique<xel_vnic_attr_t>();
    xel_status_t status = xell_ioc_get_attr(ioc, &ioc_attr);
    if (status == XEL_STATUS_OK)
        status = xell_port_get_attr(ioc, &port_attr);
    if (status == XEL_STATUS_OK)
        status = xell_vnic_get_attr(ioc, attr.get());
    if (status != XEL_STATUS_OK)
        return status;
    int bw_min = -1, bw_max = -1;
    xel_status_t bw_status = xell_pcifn_get_bandwidth(ioc, &bw_min, &bw_max);
    std::printf("PCI Function Index\t: %d/%d/%d\n", ioc->ad_id, ioc->port_num, ioc->pcifn_id);
    std::printf("HW Path\t\t\t: %s\n", ioc->ioc_hwpath);
    std::printf("Firmware Ver\t\t: %s\n", ioc_attr.adapter_attr.fw_ver);
    std::printf("Port type\t\t: Ethernet\n");
    ixo_vnic_print_bw("Min Bandwidth\t\t: ", bw_status, bw_min);
    ixo_vnic_print_bw("Max Bandwidth\t\t: ", bw_status, bw_max);
    std::printf("IOC state\t\t: %s\n", xell_ioc_state_to_string(static_cast<int32_t>(ioc_attr.state)));
    std::printf("MAC\t\t\t: ");
    ixo_print_mac(xell_ioc_get_mac(ioc));
    std::printf("\nFactory MAC\t\t: ");
    ixo_print_mac(xell_ioc_get_factory_mac(ioc));
    std::printf("\nOS Eth Device\t\t: %s\n", ioc->eth_name);
    std::printf("MTU\t\t\t: %d\n", static_cast<int>(attr->mtu));
    std::printf("iSCSI priority\t\t: %d\n", attr->iscsi_prio);
    std::printf("Default NW priority\t: %d\n", attr->default_nw_prio);
    std::printf("Total tx functions\t: %d\n", static_cast<int>(attr->num_txf));
    std::printf("Total rx functions\t: %d\n", static_cast<int>(attr->num_rxf));
    ixo_vnic_print_offloads(*attr);
    ixo_vnic_print_functions(*attr);
    return XEL_STATUS_OK;
}

int ixo_vnic_stats_hdlr(char **, int, ixo_id_t *id)
{
    xell_t *ioc = id->xell;
    const xell_stats_t *desc = nullptr;
    xel_ioc_stats_t ioc_stats{};
    xel_status_t status = xell_ioc_get_stats(ioc, &desc, &ioc_stats);
    if (status != XEL_STATUS_OK)
        return status;
    std::printf("\nIOC statistics\n");
    xell_print_stats(desc, &ioc_stats, 0, nullptr);
    auto stats = std::make_unique<xel_vnic_stats_t>();
    status = xell_vnic_get_stats(ioc, &desc, stats.get());
    if (status != XEL_STATUS_OK)
        return status;
    std::printf("\n");
    ixo_vnic_print_stats(*stats);
    return XEL_STATUS_OK;
}

int ixo_vnic_statsclr_hdlr(char **, int, ixo_id_t *id)
{
    xel_status_t status = xell_ioc_reset_stats(id->xell);
    if (status == XEL_STATUS_OK)
        status = xell_vnic_clear_stats(id->xell);
    if (status == XEL_STATUS_OK)
        std::printf("vNIC statistics cleared\n");
    return status;
}
