// The fcoe commands: the FCoE function of a converged port on its own.
#include "ixo_commands.h"
#include "ixo_usage.h"
#include "xell_port.h"

#include <cstdio>

void ixo_fcoe_usage(bool bhelp)
{
    (void)bhelp;
    std::fputs("\nUsage: ixo fcoe [OPTIONS] [ARGUMENTS] ...\n"
               "Direct FCoE specific commands using this option\n"
               "Example: ixo fcoe --stats <port_id>\n"
               "Available commands are:\n"
               "\t--disable <port_id>\n"
               "\t\tDisable the FCoE port\n\n"
               "\t--enable <port_id>\n"
               "\t\tEnable the FCoE port\n\n"
               "\t--stats <port_id>\n"
               "\t\tDisplay the FCoE port statistics\n\n"
               "\t--statsclr <port_id>\n"
               "\t\tClear the FCoE port statistics\n\n",
               stdout);
    ixo_usage_port_id_forms();
}

namespace {

// The FCoE function of the target, or the status that refuses it.
xel_status_t ixo_fcoe_target(ixo_id_t *id, xell_t **ioc)
{
    *ioc = id->xell;
    if (*ioc == nullptr)
        return XEL_STATUS_FAILED;
    return xell_ioc_get_ioc_type(*ioc) == XEL_IOC_TYPE_FCoE ? XEL_STATUS_OK : XEL_STATUS_CMD_NOTSUPP;
}

// Enable or disable, unless the port is there already.
int ixo_fcoe_change(ixo_id_t *id, bool enable)
{
    xell_t *ioc = nullptr;
    xel_status_t status = ixo_fcoe_target(id, &ioc);
    if (status != XEL_STATUS_OK)
        return status;
    xel_port_attr_s attr{};
    status = xell_port_get_attr(ioc, &attr);
    if (status != XEL_STATUS_OK)
        return status;
    uint32_t state = attr.port_state;
    if (enable && state != XEL_PORT_ST_DISABLING && state != XEL_PORT_ST_DISABLED) {
        std::fputs("Port is already enabled\n", stdout);
        return XEL_STATUS_OK;
    }
    if (!enable && state == XEL_PORT_ST_DISABLED) {
        std::fputs("Port is already disabled\n", stdout);
        return XEL_STATUS_OK;
    }
    status = enable ? xell_fcoe_port_enable(ioc) : xell_fcoe_port_disable(ioc);
    if (status == XEL_STATUS_OK)
        std::fputs(enable ? "Port enabled\n" : "Port disabled\n", stdout);
    return status;
}

} // namespace

int ixo_fcoe_enable_hdlr(char ** /*argv*/, int /*argc*/, ixo_id_t *id)
{
    return ixo_fcoe_change(id, true);
}

int ixo_fcoe_disable_hdlr(char ** /*argv*/, int /*argc*/, ixo_id_t *id)
{
    return ixo_fcoe_change(id, false);
}

int ixo_fcoe_stats_hdlr(char ** /*argv*/, int /*argc*/, ixo_id_t *id)
{
    xell_t *ioc = nullptr;
    xel_status_t status = ixo_fcoe_target(id, &ioc);
    if (status != XEL_STATUS_OK)
        return status;
    const xell_stats_t *desc = nullptr;
    xel_fcport_stats_t stats{};
    status = xell_fcoe_get_stats(ioc, &desc, &stats);
    if (status == XEL_STATUS_OK) {
        std::fputs("\nFCoE port statistics:\n", stdout);
        xell_print_stats(desc, &stats, 0, "fcoe");
    }
    return status;
}

int ixo_fcoe_statsclr_hdlr(char ** /*argv*/, int /*argc*/, ixo_id_t *id)
{
    xell_t *ioc = id->xell;
    if (ioc == nullptr)
        return XEL_STATUS_FAILED;
    xel_status_t status = xell_fcoe_reset_stats(ioc);
    if (status == XEL_STATUS_OK)
        std::fputs("Successfully reset the FCoE stats\n", stdout);
    return status;
}
