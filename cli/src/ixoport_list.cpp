// The port list and the small lists scripts read (boot-capable ports, the
// PCI functions of a port).
#include "ixoport.h"

#include "ixo_commands.h"
#include "ixo_errors.h"
#include "ixo_values.h"

#include <cstdio>
#include <cstring>

namespace {

constexpr uint8_t ixo_list_width = 75;

// What a row needs to know about its port beyond its own IOC.
struct ixo_port_row_ctx {
    int port_idx = 0;
    bool converged = false; // running mode read and not HBA
    bool cee_valid = false; // the CEE attributes of the port's first IOC were read
    xel_cee_attr_t cee{};
    bool trunked = false;
    xel_trunk_attr_s trunk{};
};

// The row of an IOC whose data cannot be read.
void ixo_print_dash_line()
{
    std::printf("%-2s%-s%-11s%-2s%-12s%-3s%-2s%-5s%-3s%-2s%-s%-7s%-2s%-5s%-2s%-3s\n", "--", " ", " ", "--", " ", " ",
                "--", " ", " ", "--", " ", " ", "--", " ", " ", "---");
}

void ixo_print_media(xell_t *ioc, const xel_ioc_attr_t &ioc_attr)
{
    const char *media = "--";
    xel_defs_sfp_media_t code = XEL_SFP_MEDIA_UNKNOWN;
    if (ioc_attr.adapter_attr.is_mezz != 0) {
        media = "mz";
    } else {
        xel_status_t status = xell_sfp_media(ioc, &code);
        if (status == XEL_STATUS_OK)
            media = xell_get_sfp_media(static_cast<int32_t>(code));
        else if (status == XEL_STATUS_SFP_UNSUPP)
            media = "us";
    }
    std::printf("%-7s", media);
}

void ixo_print_fc_addr(uint32_t pid)
{
    std::printf("%06x%-4s", ixo_port_fc_addr(pid), " ");
}

// The row of a trunk, printed before its adapter's ports. Nothing at all
// when the member IOC or its attributes are missing.
void ixo_display_trunk_info(int ad_idx, xell_adapter_t *adapter, const xel_trunk_attr_s &trunk)
{
    xell_port_t *port = xell_adapter_get_port(adapter, 0);
    if (port == nullptr)
        port = xell_adapter_get_port(adapter, 1);
    xell_t *ioc = xell_port_get_fcioc(port, 0);
    xel_ioc_attr_t ioc_attr{};
    if (ioc == nullptr || xell_ioc_get_attr(ioc, &ioc_attr) != XEL_STATUS_OK)
        return;
    bool online = trunk.state == XEL_TRUNK_ONLINE;
    std::printf("%1s%-6d%-4s", " ", ad_idx, " ");
    std::printf("%-6s", "fc-T");
    ixo_print_pwwn(xell_ioc_get_pwwn(ioc));
    std::printf("%2s", " ");
    if (online)
        ixo_print_fc_addr(trunk.port_id);
    else
        std::printf("%-10s", "--");
    ixo_print_media(ioc, ioc_attr);
    std::printf("%-12s", online ? "Linkup" : "Linkdown");
    std::printf("%-3s\n", xell_port_speed_to_string(static_cast<int32_t>(trunk.speed)));
}

// A converged port's summary: its DCB side.
xel_status_t ixo_display_cna_info(xell_t *ioc, const ixo_port_row_ctx &ctx)
{
    xel_ioc_attr_t ioc_attr{};
    xel_status_t status = xell_ioc_get_attr(ioc, &ioc_attr);
    if (status != XEL_STATUS_OK) {
        ixo_print_dash_line();
        return status;
    }
    std::printf("%-6s", "dcb");
    if (ctx.cee_valid) {
        ixo_print_mac(ctx.cee.src_mac);
        std::printf("%-8s", " ");
    } else {
        std::printf("%12s%-13s", " ", "--");
    }
    std::printf("%-10s", "--");
    ixo_print_media(ioc, ioc_attr);
    if (ctx.cee_valid)
        std::printf("%-12s%-3s\n", xell_cee_status_to_string(ctx.cee.cee_status),
                    xell_port_speed_to_string(ctx.cee.link_speed));
    else
        std::printf("%-12s%-3s\n", xell_port_get_state_name(0), xell_port_speed_to_string(0));
    return XEL_STATUS_OK;
}

// The row of an FC port, or of an FC or FCoE function.
xel_status_t ixo_display_storage_info(xell_t *ioc, const ixo_port_row_ctx &ctx, bool converged, bool *preboot)
{
    xel_port_attr_s attr{};
    xel_ioc_attr_t ioc_attr{};
    xel_status_t status = xell_port_get_attr(ioc, &attr);
    if (status == XEL_STATUS_OK)
        status = xell_ioc_get_attr(ioc, &ioc_attr);
    if (status != XEL_STATUS_OK) {
        ixo_print_dash_line();
        return status;
    }
    // A trunk has two member links; a port beyond them has no link of its own.
    const xel_trunk_link_attr_s *link =
        ctx.port_idx >= 0 && ctx.port_idx < 2 ? &ctx.trunk.link_attr[ctx.port_idx] : nullptr;

    std::printf("%-6s", converged ? "fcoe" : "fc");
    ixo_print_pwwn(xell_ioc_get_pwwn(ioc));
    std::printf("%-2s", " ");

    xel_dport_state_t dport = XEL_DPORT_ST_DISABLED;
    if (xell_diag_dport_get_state(ioc, &dport) == XEL_STATUS_OK &&
        (dport == XEL_DPORT_ST_ENABLING || dport == XEL_DPORT_ST_ENABLED))
        std::printf("%-10s", "dport");
    else if (ctx.trunked || attr.topology == XEL_PORT_TOPOLOGY_NONE)
        std::printf("%-10s", "--");
    else if (attr.loopback == 0)
        ixo_print_fc_addr(attr.pid);
    else
        std::printf("%-10s", "Loopback");

    if (converged)
        std::printf("%-7s", " ");
    else
        ixo_print_media(ioc, ioc_attr);

    const char *state = nullptr;
    if (ctx.trunked && (attr.port_state == XEL_PORT_ST_LINKUP || attr.port_state == XEL_PORT_ST_LINKDOWN)) {
        state = link != nullptr && link->link_state == XEL_TRUNK_LINK_STATE_UP ? "Linkup" : "Linkdown";
    } else if (ioc_attr.adapter_attr.is_mezz != 0 && attr.port_state == XEL_PORT_ST_PREBOOT_DISABLED) {
        state = xell_port_get_state_name(static_cast<int>(attr.port_state));
        *preboot = true;
    } else if (attr.authfail != 0) {
        state = "auth failure";
    } else if (converged && ctx.cee_valid && ctx.cee.cee_status == CEE_LOOPBACK) {
        state = xell_cee_status_to_string(ctx.cee.cee_status);
    } else {
        state = xell_port_get_state_name(static_cast<int>(attr.port_state));
    }
    std::printf("%-12s", state);

    if (!converged) {
        if (ctx.trunked) {
            uint32_t speed = link != nullptr ? link->speed : ctx.trunk.speed;
            std::printf("%-3s", xell_port_speed_to_string(static_cast<int32_t>(speed)));
        } else {
            std::printf("%-3s", xell_port_speed_to_string(static_cast<int32_t>(attr.speed)));
            // The marker says the speed was fixed rather than negotiated.
            if (attr.speed != XEL_PORT_SPEED_UNKNOWN && attr.pport_cfg.speed != XEL_PORT_SPEED_AUTO)
                std::fputs("*", stdout);
        }
    }
    std::fputs("\n", stdout);
    return XEL_STATUS_OK;
}

// The device name of a network function cut to its 10-wide column.
void ixo_print_eth_dev(const char *name)
{
    static const struct {
        const char *long_name;
        const char *prefix;
    } shortened[] = {{"Local Area Connection", "LAC#"}, {"Wired Ethernet Connection", "WEC#"}};
    for (const auto &entry : shortened) {
        if (std::strstr(name, entry.long_name) == nullptr)
            continue;
        const char *rest = std::strstr(name, "Connection") + std::strlen("Connection");
        if (std::strlen(rest) <= 4)
            std::printf("%s%-6s", entry.prefix, rest);
        else
            std::printf("%s%-.4s%-2s", entry.prefix, rest, " ");
        return;
    }
    if (std::strlen(name) <= 8)
        std::printf("%-10s", name);
    else
        std::printf("%-.8s%-2s", name, " ");
}

xel_status_t ixo_display_eth_info(xell_t *ioc, const ixo_port_row_ctx &ctx)
{
    xel_ethport_attr_s attr{};
    xel_status_t status = xell_ethport_get_attr(ioc, &attr);
    if (status != XEL_STATUS_OK) {
        ixo_print_dash_line();
        return status;
    }
    std::printf("%-6s", "eth");
    ixo_print_mac(xell_ioc_get_current_mac(ioc));
    std::printf("%-8s", " ");
    ixo_print_eth_dev(xell_ioc_get_eth_name(ioc));
    std::printf("%-7s", " ");
    if (ctx.cee_valid && ctx.cee.cee_status == CEE_LOOPBACK)
        std::printf("%-12s\n", xell_cee_status_to_string(ctx.cee.cee_status));
    else
        std::printf("%-12s\n", xell_port_get_state_name(static_cast<int>(attr.port_state)));
    return XEL_STATUS_OK;
}

// The port's summary row and, verbose, one row per PCI function.
// E_CLI_LIST_ERR when any of its rows could not be read.
int ixo_list_port(int ad_idx, xell_port_t *port, ixo_port_row_ctx &ctx, bool verbose, bool *preboot)
{
    int result = E_CLI_NO_ERROR;
    xell_t *first = xell_port_get_first_ioc(port);
    xel_mode_t mode = XEL_MODE_HBA;
    ctx.converged = xell_port_mode_get(first, true, &mode) == XEL_STATUS_OK && mode != XEL_MODE_HBA;
    ctx.cee_valid = ctx.converged && xell_cee_get_attr(first, &ctx.cee) == XEL_STATUS_OK;

    std::printf("%2d/%-2d%-2s", ad_idx, ctx.port_idx, " ");
    std::printf("%-4s", "-");
    xel_status_t status = ctx.converged ? ixo_display_cna_info(first, ctx)
                                        : ixo_display_storage_info(first, ctx, false, preboot);
    if (status != XEL_STATUS_OK)
        result = E_CLI_LIST_ERR;
    if (!verbose)
        return result;

    int count = xell_port_get_ioc_count(port);
    int found = 0;
    for (int pcifn = 0; pcifn <= 256 && found < count; pcifn++) {
        xell_t *ioc = xell_port_get_ioc_by_pcifn(port, pcifn);
        if (ioc == nullptr)
            continue;
        found++;
        std::printf("%-7s%-4d", " ", pcifn);
        status = xell_ioc_is_storage(ioc) ? ixo_display_storage_info(ioc, ctx, ctx.converged, preboot)
                                          : ixo_display_eth_info(ioc, ctx);
        if (status != XEL_STATUS_OK)
            result = E_CLI_LIST_ERR;
    }
    return result;
}

// The functions of port argv[4] of the adapter, picked from the port by
// position. A port number that is not a number, or does not fit, is
// refused rather than read as some other port.
int ixo_port_pcifn_print(char **argv, ixo_id_t *id, xell_t *(*pick)(xell_port_t *, int))
{
    uint64_t number = 0;
    if (!ixo_parse_uint(argv[4], INT32_MAX, &number))
        return E_CLI_INCORRECT_CMD;
    xell_port_t *port = xell_adapter_get_port(id->adapter, static_cast<int>(number));
    int count = xell_port_get_ioc_count(port);
    for (int i = 0; i < count; i++) {
        xell_t *ioc = pick(port, i);
        if (ioc != nullptr)
            std::printf("%d\n", xell_ioc_get_pcifn(ioc));
    }
    return E_CLI_NO_ERROR;
}

} // namespace

int ixo_port_list(char **argv, int argc, ixo_id_t * /*id*/)
{
    if (xell_adapter_get_count() == 0)
        return XEL_STATUS_NO_ADAPTER;
    bool verbose = true;
    if (argc > 3) {
        if (std::strcmp(argv[3], "-terse") == 0)
            verbose = false;
        else if (std::strcmp(argv[3], "-verbose") != 0)
            return E_CLI_INCORRECT_CMD;
    }

    ixo_print_header_line(ixo_list_width);
    std::printf("%-7s%-4s%-6s%-25s%-10s%-7s%-12s%-3s\n", "Port#", "FN", "Type", "PWWN/MAC", "FC Addr/", "Media",
                "State", "Spd");
    std::printf("%49s\n", "Eth dev");
    ixo_print_header_line(ixo_list_width);

    int result = E_CLI_NO_ERROR;
    bool preboot = false;
    int count = static_cast<int>(xell_adapter_get_count());
    for (int ad_idx = 1; ad_idx <= count; ad_idx++) {
        xell_adapter_t *adapter = xell_adapter_get_by_idx(ad_idx);
        if (adapter == nullptr)
            continue;
        ixo_port_row_ctx ctx;
        ctx.trunked = xell_trunk_query(ad_idx, &ctx.trunk) == XEL_STATUS_OK && ctx.trunk.state != XEL_TRUNK_DISABLED;
        if (ctx.trunked)
            ixo_display_trunk_info(ad_idx, adapter, ctx.trunk);
        for (int port_idx = 0; port_idx < adapter->port_count; port_idx++) {
            xell_port_t *port = xell_adapter_get_port(adapter, port_idx);
            if (xell_port_get_first_ioc(port) == nullptr)
                continue;
            ctx.port_idx = port_idx;
            if (ixo_list_port(ad_idx, port, ctx, verbose, &preboot) != E_CLI_NO_ERROR)
                result = E_CLI_LIST_ERR;
        }
    }

    if (preboot)
        ixo_port_print_preboot_note();
    ixo_print_header_line(ixo_list_width);
    return result;
}

int ixo_port_bfs_list(char ** /*argv*/, int /*argc*/, ixo_id_t *id)
{
    for (int port_idx = 0; port_idx < 2 && port_idx < id->adapter->port_count; port_idx++)
        std::printf("%d\n", port_idx);
    return E_CLI_NO_ERROR;
}

int ixo_port_pcifn_list(char **argv, int /*argc*/, ixo_id_t *id)
{
    return ixo_port_pcifn_print(argv, id, xell_port_get_ioc);
}

int ixo_port_pcifn_fclist(char **argv, int /*argc*/, ixo_id_t *id)
{
    return ixo_port_pcifn_print(argv, id, xell_port_get_fcioc);
}

int ixo_port_pcifn_ethlist(char **argv, int /*argc*/, ixo_id_t *id)
{
    return ixo_port_pcifn_print(argv, id, xell_port_get_ethioc);
}
