// The FRU VPD commands: the area to a file and back.
#include "ixo_commands.h"
#include "ixo_errors.h"
#include "ixo_usage.h"
#include "ixo_values.h"
#include "xell_adapter.h"
#include "xell_vpd.h"

#include <cstdio>

void ixo_fruvpd_usage(bool bhelp)
{
    std::fputs("\nUsage: ixo fruvpd [OPTIONS] [ARGUMENTS] ...\n", stdout);
    if (!bhelp)
        return;

    std::fputs("Direct FRU VPD specific commands using this option\n"
               "Example: ixo fruvpd --read <ad_id> <file>\n"
               "Available commands are:\n"
               "\t--read <ad_id> <file>\n"
               "\t\tRead the FRU VPD data of the adapter into <file>\n\n"
               "\t--update <ad_id> <file>\n"
               "\t\tWrite the FRU VPD data of the adapter from <file>\n\n",
               stdout);
    ixo_usage_ad_id_forms();
}

int ixo_fruvpd_read(char **argv, int, ixo_id_t *id)
{
    xell_t *ioc = xell_adapter_get_first_ioc(id->adapter);
    if (ioc == nullptr)
        return E_CLI_INCORRECT_ADAPTER_ID;
    const char *file = argv[4];
    if (ixo_test_file_exists(file))
        std::printf("Warning overwriting file %s exists.\n", file);
    xel_status_t status = xell_fruvpd_read(ioc, file);
    if (status == XEL_STATUS_OK)
        std::printf("fru vpd data read successfully to %s\n", file);
    return status;
}

int ixo_fruvpd_update(char **argv, int, ixo_id_t *id)
{
    xell_t *ioc = xell_adapter_get_first_ioc(id->adapter);
    if (ioc == nullptr)
        return E_CLI_INCORRECT_ADAPTER_ID;
    const char *file = argv[4];
    if (!ixo_test_file_exists(file)) {
        std::printf("Unable to open file %s\n", file);
        return E_CLI_INCORRECT_STRING;
    }
    std::printf("Updating fru vpd data may take time.\nPlease do not terminate the process.\n");
    xel_status_t status = xell_fruvpd_update(ioc, file);
    if (status == XEL_STATUS_OK)
        std::printf("fru vpd data successfully updated\n");
    return status;
}
