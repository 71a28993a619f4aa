// Trunking of an adapter's two FC ports: enable, disable and query.
#include "ixo_commands.h"
#include "ixo_usage.h"
#include "ixo_values.h"
#include "ixoport.h"

#include <algorithm>
#include <cstdio>
#include <iterator>

void ixo_trunk_usage(bool bhelp)
{
    (void)bhelp;
    std::fputs("\nUsage: ixo trunk [OPTIONS] [ARGUMENTS] ...\n"
               "Direct Tessary adapter specific commands using this option\n"
               "Example: ixo trunk --enable <ad_id>\n"
               "Available commands are:\n\n"
               "\t--disable <ad_id>\n"
               "\t\tDisable trunk for adapter if currently enabled\n\n"
               "\t--enable <ad_id>\n"
               "\t\tEnable trunk for adapter if currently disabled\n\n"
               "\t--query <ad_id>\n"
               "\t\tQuery the trunk details\n\n",
               stdout);
    ixo_usage_ad_id_forms();
}

namespace {

// One member port of a trunk: its first IOC whose port attributes can be
// read, tried up to the port's IOC count.
bool ixo_trunk_member_attr(xell_port_t *port, xel_port_attr_s *attr)
{
    int tries = xell_port_get_ioc_count(port);
    for (int i = 0; i < tries; i++) {
        xell_t *ioc = xell_port_get_first_ioc(port);
        if (ioc != nullptr && xell_port_get_attr(ioc, attr) == XEL_STATUS_OK)
            return true;
    }
    return false;
}

void ixo_trunk_print_member(int ad_idx, int port_idx, const xel_port_attr_s &attr, const xel_trunk_link_attr_s &link)
{
    std::printf("Port id:            %d/%d\n", ad_idx, port_idx);
    bool enabled = attr.port_state == XEL_PORT_ST_LINKUP || attr.port_state == XEL_PORT_ST_LINKDOWN;
    std::printf("    Port state:     %s\n",
                enabled ? "Enabled" : xell_port_states_to_string(static_cast<int32_t>(attr.port_state)));
    std::printf("    Link state:     %s\n", xell_trunk_link_state_to_string(static_cast<int32_t>(link.link_state)));
    std::printf("    Flow CTL mode:  %s\n", xell_trunk_link_fctl_to_string(static_cast<int32_t>(link.fctl)));
    std::printf("    Remote wwn:     ");
    ixo_print_pwwn(link.trunk_wwn);
    std::printf("\n");
    std::printf("    Speed:          %-3s\n", xell_port_speed_to_string(static_cast<int32_t>(link.speed)));
    std::printf("    Deskew value:   ");
    if (link.link_state == XEL_TRUNK_LINK_STATE_UP)
        std::printf("%u nsec\n", link.deskew);
    else
        std::printf("--\n");
}

} // namespace

int ixo_trunk_enable(char **, int, ixo_id_t *id)
{
    xel_status_t status = xell_trunk_enable(id->adapter->id);
    if (status != XEL_STATUS_OK)
        std::printf("Trunk enable for adapter id %d failed\n", id->adapter->id);
    else
        std::printf("Trunking for adapter id %d enabled\n", id->adapter->id);
    return status;
}

int ixo_trunk_disable(char **, int, ixo_id_t *id)
{
    xel_status_t status = xell_trunk_disable(id->adapter->id);
    if (status != XEL_STATUS_OK)
        std::printf("Trunk disable for adapter id %d failed\n", id->adapter->id);
    else
        std::printf("Trunking for adapter id %d Disabled\n", id->adapter->id);
    return status;
}

int ixo_trunk_query(char **, int, ixo_id_t *id)
{
    xell_adapter_t *adapter = id->adapter;
    xel_trunk_attr_s trunk{};
    xel_status_t status = xell_trunk_query(adapter->id, &trunk);
    if (status != XEL_STATUS_OK)
        return status;
    std::printf("Trunk state:        %s\n", xell_trunk_state_to_string(static_cast<int32_t>(trunk.state)));
    if (trunk.state == XEL_TRUNK_DISABLED)
        return XEL_STATUS_OK;
    std::printf("Trunk Port id:      %d/0\n", adapter->id);
    std::printf("Trunk Speed:        %-3s\n", xell_port_speed_to_string(static_cast<int32_t>(trunk.speed)));
    std::printf("Port address:       ");
    if (trunk.state == XEL_TRUNK_ONLINE)
        std::printf("%06x\n", ixo_port_fc_addr(trunk.port_id));
    else
        std::printf("--\n");
    int members = std::min<int>(adapter->port_count, static_cast<int>(std::size(trunk.link_attr)));
    for (int p = 0; p < members; p++) {
        xel_port_attr_s attr{};
        xell_port_t *port = xell_adapter_get_port(adapter, p);
        if (port == nullptr || !ixo_trunk_member_attr(port, &attr))
            continue;
        ixo_trunk_print_member(adapter->id, p, attr, trunk.link_attr[p]);
    }
    return XEL_STATUS_OK;
}
