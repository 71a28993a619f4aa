#include "ixo_errors.h"
#include "ixo_id.h"
#include "ixotable.h"

namespace {

// IOC types a target may resolve to.
constexpr int ioc_type_fc = 1;
constexpr int ioc_type_eth = 3;

// The resolvers look targets up in the adapter model. The scan does not
// build a model yet, so no word names an adapter, a port or a function.
int ixo_get_port_id(const char *text, int ioc_type, xell_t **out)
{
    (void)text;
    (void)ioc_type;
    *out = nullptr;
    return E_CLI_INCORRECT_PORT_ID;
}

int ixo_get_pcifn_id_strict(const char *text, int ioc_type, xell_t **out)
{
    (void)text;
    (void)ioc_type;
    *out = nullptr;
    return E_CLI_INCORRECT_PCIFN_ID;
}

int ixo_get_first_ioc(const char *text, xell_t **out, int *port_id, int *pcifn_id, bool pfid_strict)
{
    (void)text;
    *out = nullptr;
    *port_id = -1;
    *pcifn_id = -1;
    return pfid_strict ? E_CLI_INCORRECT_PCIFN_ID : E_CLI_INCORRECT_PORT_ID;
}

xell_adapter_t *ixo_get_adapter_id(const char *text)
{
    (void)text;
    return nullptr;
}

int ixo_get_port_or_pcifn_id(const char *arg, ixo_drv_path_t path, ixo_id_t *id)
{
    if (path == PATH_FC)
        return ixo_get_port_id(arg, ioc_type_fc, &id->xell);
    if (path == PATH_ETH)
        return ixo_get_port_id(arg, ioc_type_eth, &id->xell);
    int status = ixo_get_port_id(arg, ioc_type_fc, &id->xell);
    if (status != E_CLI_NO_ERROR)
        status = ixo_get_port_id(arg, ioc_type_eth, &id->xell);
    // PATH_ANY_OPER then moves to the port's operational PCI function, once
    // the IOC handle exists to tell which one that is.
    return status;
}

int ixo_get_pcifn_strict_id(const char *arg, ixo_drv_path_t path, ixo_id_t *id)
{
    int status = E_CLI_INCORRECT_PCIFN_ID;
    if (path == PATH_FC || path == PATH_ANY) {
        status = ixo_get_pcifn_id_strict(arg, ioc_type_fc, &id->xell);
        if (status == E_CLI_NO_ERROR)
            return status;
    }
    if (path == PATH_ETH || path == PATH_ANY)
        status = ixo_get_pcifn_id_strict(arg, ioc_type_eth, &id->xell);
    return status;
}

} // namespace

int ixo_get_id(const char *arg, int cls, int cmd, ixo_id_t *id)
{
    const ixo_cmd_desc_t &row = ixo_class_desc[cls].cmds[cmd];
    int pcifn = -1;
    switch (row.id_desc) {
    case PORT_ID:
    case PCIFN_ID:
        return ixo_get_port_or_pcifn_id(arg, row.drv_path, id);
    case ADAPTER_ID:
        id->adapter = ixo_get_adapter_id(arg);
        return id->adapter ? E_CLI_NO_ERROR : E_CLI_INCORRECT_ADAPTER_ID;
    case PORT_FIRST_IOC:
        return ixo_get_first_ioc(arg, &id->port_ioc.xell, &id->port_ioc.port, &pcifn, false);
    case PCIFN_FIRST_IOC:
        return ixo_get_first_ioc(arg, &id->pfn_ioc.xell, &id->pfn_ioc.port, &id->pfn_ioc.pfn, true);
    case PCIFN_ID_STRICT:
        return ixo_get_pcifn_strict_id(arg, row.drv_path, id);
    case TEAM_ID:
    case ID_NONE:
        break;
    }
    return E_CLI_NO_ERROR;
}
