// Target rate limiting of an FC port: enable, disable, query and the
// default speed.
#include "ixo_commands.h"
#include "ixo_errors.h"
#include "ixo_usage.h"
#include "ixo_values.h"
#include "xell_port.h"

#include <cstdio>

void ixo_ratelim_usage(bool bhelp)
{
    (void)bhelp;
    std::fputs("\nUsage: ixo ratelim [OPTIONS] [ARGUMENTS] ...\n"
               "Direct Tessary adapter specific commands using this option\n"
               "Example: ixo ratelim --enable <port_id>\n"
               "Available commands are:\n"
               "\t--defspeed <port_id> [<1|2|4|8>]\n"
               "\t\tQuery or set the default TRL speed\n"
               "\t\tdefspeed needs to be a supported speed and less than the max speed\n"
               "\t\tat which the card can operate.\n\n"
               "\t--disable <port_id>\n"
               "\t\tDisable ratelim for Port if currently enabled\n\n"
               "\t--enable <port_id>\n"
               "\t\tEnable ratelim for Port if currently disabled\n\n"
               "\t--query <port_id>\n"
               "\t\tQuery the TRL details\n\n",
               stdout);
    ixo_usage_port_id_forms();
}

namespace {

constexpr const char ixo_ratelim_enforced[] = "Setting will be enforced after port --disable and --enable\n";

// The adapter's top speed bounds the default speed.
xel_status_t ixo_ratelim_check_speed(xell_t *ioc, uint32_t speed)
{
    xel_ioc_attr_t attr{};
    xel_status_t status = xell_ioc_get_attr(ioc, &attr);
    if (status != XEL_STATUS_OK)
        return status;
    uint8_t max_speed = attr.adapter_attr.max_speed;
    if (max_speed == XEL_PORT_SPEED_4GBPS && speed > XEL_PORT_SPEED_2GBPS)
        return XEL_STATUS_4G_SPD;
    if (max_speed == XEL_PORT_SPEED_8GBPS && speed > XEL_PORT_SPEED_4GBPS)
        return XEL_STATUS_8G_SPD;
    if (max_speed == XEL_PORT_SPEED_16GBPS && speed > XEL_PORT_SPEED_8GBPS)
        return XEL_STATUS_16G_SPD;
    if (ioc->ioc_type == XEL_IOC_TYPE_FCoE &&
        (speed == XEL_PORT_SPEED_8GBPS || speed == XEL_PORT_SPEED_10GBPS || speed == XEL_PORT_SPEED_16GBPS))
        return XEL_STATUS_10G_SPD;
    return XEL_STATUS_OK;
}

} // namespace

int ixo_ratelim_enable(char **, int, ixo_id_t *id)
{
    xell_t *ioc = id->xell;
    xel_status_t status = xell_ratelim_enable(ioc);
    if (status == XEL_STATUS_OK) {
        std::printf("ratelim for port id %d/%d/%d enabled\n", ioc->ad_id, ioc->port_num, ioc->pcifn_id);
        std::fputs(ixo_ratelim_enforced, stdout);
    } else if (status == XEL_STATUS_ERROR_QOS_ENABLED) {
        std::printf("Target Rate Limiting and QOS can't be enabled at the same time.\n");
    } else if (status == XEL_STATUS_TOPOLOGY_LOOP) {
        std::printf("Target Rate Limiting and Loop topology can't be enabled at the same time.\n");
    }
    return status;
}

int ixo_ratelim_disable(char **, int, ixo_id_t *id)
{
    xell_t *ioc = id->xell;
    xell_trl_attr_t trl{};
    xel_status_t status = xell_ratelim_get_attr(ioc, &trl);
    if (status != XEL_STATUS_OK)
        return status;
    if (trl.trlenabled != 1)
        return XEL_STATUS_RLIM_DIS;
    status = xell_ratelim_disable(ioc);
    if (status == XEL_STATUS_OK) {
        std::printf("ratelim for port id %d/%d/%d disabled\n", ioc->ad_id, ioc->port_num, ioc->pcifn_id);
        std::fputs(ixo_ratelim_enforced, stdout);
    }
    return status;
}

int ixo_ratelim_query(char **, int, ixo_id_t *id)
{
    xell_trl_attr_t trl{};
    xel_status_t status = xell_ratelim_get_attr(id->xell, &trl);
    if (status != XEL_STATUS_OK)
        return status;
    std::printf("Target Rate Limiting:\t%s\n", trl.trlenabled == 1 ? "enabled" : "disabled");
    std::printf("Default TRL Speed is:\t%s\n", xell_port_speed_to_string(trl.trldefspeed));
    return XEL_STATUS_OK;
}

int ixo_ratelim_defspeed(char **argv, int argc, ixo_id_t *id)
{
    xell_t *ioc = id->xell;
    xel_port_attr_s attr{};
    xel_status_t status = xell_port_get_attr(ioc, &attr);
    if (status != XEL_STATUS_OK)
        return status;
    if (argc <= 4) {
        std::printf("Default TRL Speed is:\t%s\n", xell_port_speed_to_string(attr.pport_cfg.trl_def_speed));
        return XEL_STATUS_OK;
    }
    uint32_t speed = 0;
    if (!ixo_set_speed(argv[4], &speed) || speed == XEL_PORT_SPEED_AUTO)
        return E_CLI_INCORRECT_CMD;
    status = ixo_ratelim_check_speed(ioc, speed);
    if (status == XEL_STATUS_OK)
        status = xell_ratelim_set_speed(ioc, speed);
    if (status == XEL_STATUS_OK)
        std::fputs(ixo_ratelim_enforced, stdout);
    return status;
}
