// The ipfc commands: IP over FC on a storage function.
#include "ixo_commands.h"
#include "ixo_usage.h"
#include "xell_ipfc.h"

#include <cstdio>
#include <cstring>
#include <string>

void ixo_ipfc_usage(bool bhelp)
{
    (void)bhelp;
    std::fputs("\nUsage: ixo ipfc [OPTIONS] [ARGUMENTS] ...\n"
               "Direct IP over FC specific commands using this option\n"
               "Example: ixo ipfc --query <pcifn>\n"
               "Available commands are:\n"
               "\t--disable <pcifn>\n"
               "\t\tDisable IP over FC\n\n"
               "\t--enable <pcifn>\n"
               "\t\tEnable IP over FC\n\n"
               "\t--query <pcifn>\n"
               "\t\tQuery the IP over FC state, MTU and network device\n\n"
               "\t--stats <pcifn>\n"
               "\t\tDisplay the IP over FC statistics\n\n"
               "\t--statsclr <pcifn>\n"
               "\t\tClear the IP over FC statistics\n\n",
               stdout);
    ixo_usage_pcifn_id_forms();
}

namespace {

int ixo_ipfc_change(ixo_id_t *id, bool enable)
{
    xell_t *ioc = id->xell;
    if (ioc == nullptr)
        return XEL_STATUS_FAILED;
    xel_status_t status = enable ? xell_ipfc_enable(ioc) : xell_ipfc_disable(ioc);
    if (status == XEL_STATUS_OK) {
        std::printf("ipfc for port id %d/%d/%d %s\n", xell_ioc_get_adapter_id(ioc), xell_ioc_get_port_id(ioc),
                    xell_ioc_get_pcifn(ioc), enable ? "enabled" : "disabled");
        std::fputs("Setting will be applied after port --disable and port --enable\n", stdout);
    }
    xell_ioc_close(ioc);
    return status;
}

} // namespace

int ixo_ipfc_enable_hdlr(char ** /*argv*/, int /*argc*/, ixo_id_t *id)
{
    return ixo_ipfc_change(id, true);
}

int ixo_ipfc_disable_hdlr(char ** /*argv*/, int /*argc*/, ixo_id_t *id)
{
    return ixo_ipfc_change(id, false);
}

int ixo_ipfc_query_hdlr(char ** /*argv*/, int /*argc*/, ixo_id_t *id)
{
    xell_t *ioc = id->xell;
    if (ioc == nullptr)
        return XEL_STATUS_FAILED;
    xel_ipfc_attr_t attr{};
    xel_status_t status = xell_ipfc_get_attr(ioc, &attr);
    if (status == XEL_STATUS_OK) {
        std::string eth_name(attr.eth_name, strnlen(attr.eth_name, sizeof attr.eth_name));
        std::fputs(attr.enabled != 0 ? "IPFC State:\t\tEnabled\n" : "IPFC State:\t\tDisabled\n", stdout);
        std::printf("IPFC MTU  :\t\t%d\n", static_cast<int>(attr.mtu));
        std::printf("Eth  dev  :\t\t%s\n", eth_name.c_str());
    }
    xell_ioc_close(ioc);
    return status;
}

int ixo_ipfc_stats_hdlr(char ** /*argv*/, int /*argc*/, ixo_id_t *id)
{
    xell_t *ioc = id->xell;
    if (ioc == nullptr)
        return XEL_STATUS_FAILED;
    const xell_stats_t *desc = nullptr;
    xel_ipfc_stats_t stats{};
    xel_status_t status = xell_ipfc_get_stats(ioc, &desc, &stats);
    if (status == XEL_STATUS_OK) {
        std::fputs("\nIPFC Stats:\n", stdout);
        xell_print_stats(desc, &stats, 0, nullptr);
    }
    xell_ioc_close(ioc);
    return status;
}

int ixo_ipfc_statsclr_hdlr(char ** /*argv*/, int /*argc*/, ixo_id_t *id)
{
    xell_t *ioc = id->xell;
    if (ioc == nullptr)
        return XEL_STATUS_FAILED;
    xel_status_t status = xell_ipfc_reset_stats(ioc);
    if (status == XEL_STATUS_OK)
        std::fputs("Successfully reset the IPFC stats\n", stdout);
    xell_ioc_close(ioc);
    return status;
}
