#include "ixo_lpwwn.h"

#include "ixo_errors.h"
#include "ixo_values.h"
#include "xell_ioc.h"

#include <cstring>

int ixo_fill_vfid_lpwwn(char **argv, int argc, int first, uint16_t *vf_id, wwn_t *lpwwn)
{
    (void)vf_id;
    for (int i = first; i < argc; i += 2) {
        if (std::strcmp(argv[i], "-l") != 0 || i + 1 >= argc)
            return E_CLI_INCORRECT_CMD;
        if (!ixo_get_port_wwn(argv[i + 1], lpwwn))
            return E_CLI_BAD_WWN;
    }
    return E_CLI_NO_ERROR;
}

int ixo_get_port_num(const char *ifname, int *ad, int *port, int *pcifn)
{
    xell_t *ioc = xell_ioc_get_by_eth_name(ifname);
    if (ioc == nullptr || xell_ioc_is_storage(ioc))
        return 1;
    *ad = xell_ioc_get_adapter_id(ioc);
    *port = xell_ioc_get_port_id(ioc);
    *pcifn = xell_ioc_get_pcifn(ioc);
    return 0;
}
