// The PCI function table of an adapter: the active and the configured
// functions.
#include "ixo_commands.h"
#include "ixo_errors.h"
#include "xell_pcifn.h"
#include "xell_port.h"

#include <cstdio>
#include <string>

void ixo_pcifn_usage(bool bhelp)
{
    (void)bhelp;
    std::fputs("\nUsage: ixo pcifn [OPTIONS] [ARGUMENTS] ...\n"
               "Direct PCI Function specific commands using this option\n"
               "Example: ixo pcifn --list 1\n\n"
               "Available commands are:\n"
               "\t--list <adapter_id>\n"
               "\t\tLists all PCI functions configured or visible on an adapter\n\n"
               "\n\tadapter id could be any of:\n"
               "\t\t<adapter_id>\n"
               "\t\t<adapter-sn>\n"
               "\t\t<adapter-name>\n"
               "\t\t<adapter-hwpath>\n\n",
               stdout);
}

namespace {

constexpr int ixo_pcifn_rule_width = 75;

void ixo_pcifn_rule()
{
    std::printf("%s\n", std::string(ixo_pcifn_rule_width, '-').c_str());
}

// The valid functions of one instance, in function order; in the
// configured list a disabled function carries a "*".
void ixo_pcifn_rows(const xel_ablk_cfg_inst_t &inst, bool configured)
{
    for (int fn = 0; fn < XEL_ABLK_MAX_PFS; fn++) {
        const xel_ablk_cfg_pf_t &pf = inst.pf_cfg[fn];
        if (!pf.valid)
            continue;
        if (configured && !pf.enabled)
            std::printf("%-6s", (std::to_string(fn) + "*").c_str());
        else
            std::printf("%-6d", fn);
        std::printf("%-6d", pf.port_id);
        std::printf("%-6s", pf.pers == XEL_PCIFN_CLASS_FC ? "FC" : "ETH");
        std::printf("%-10d%-10d", pf.num_qpairs, pf.num_vectors);
        std::printf("%-10s", pf.optrom ? "Enabled" : "Disabled");
        std::printf("%-8s", pf.sriov ? "Y" : "N");
        std::printf("%-8d%-8s\n", pf.max_vfs, "-");
    }
}

} // namespace

int ixo_pcifn_list(char **, int, ixo_id_t *id)
{
    xell_adapter_t *adapter = id->adapter;
    if (adapter == nullptr)
        return E_CLI_INCORRECT_ADAPTER_ID;
    xell_port_t *port0 = xell_adapter_get_port(adapter, 0);
    xell_t *ioc = xell_port_get_ioc(port0, 0);
    if (ioc == nullptr)
        return E_CLI_PORT0_ABSENT;
    xel_ablk_cfg_t cfg{};
    xel_status_t status = xell_pcifn_cfg_get(ioc, &cfg);
    if (status != XEL_STATUS_OK)
        return status;
    ixo_pcifn_rule();
    std::printf("%-6s%-6s%-6s%-10s%-10s%-10s%-8s%-8s%-8s\n", "Fn", "Port", "Type", "QPairs", "MSI-X", "Option",
                "SR-IOV", "Max", "Active");
    std::printf("%28s%-10s%-10s%-8s%-8s%-8s\n", "", "Resources", "Rom", "capable", "VFs", "VFs");
    ixo_pcifn_rule();
    std::printf("Active:\n");
    ixo_pcifn_rows(cfg.inst[XEL_ABLK_ACTIVE], false);
    std::printf("Configured:\n");
    ixo_pcifn_rows(cfg.inst[XEL_ABLK_CONFIGURED], true);
    ixo_pcifn_rule();
    return XEL_STATUS_OK;
}
