// The adapter commands: list, count, names, enable and disable, mode
// changes and auto start. The query lives in ixoadapter_query.cpp.
#include "ixo_commands.h"
#include "ixo_errors.h"
#include "ixo_values.h"
#include "xel_vpd_records.h"
#include "xell_adapter.h"
#include "xell_config.h"
#include "xell_flash.h"
#include "xell_port.h"

#include <cstdio>
#include <cstring>
#include <new>
#include <strings.h>
#include <vector>

void ixo_adapter_usage(bool bhelp)
{
    std::fputs("\nUsage: ixo adapter [OPTIONS] [ARGUMENTS] ...\n"
               "Example: ixo adapter --list\n\n"
               "Available commands are:\n",
               stdout);
    if (bhelp)
        std::fputs("\t--autostart <ad_id> <on | off>\n"
                   "\t\tEnables/disables auto start capability for the adapter\n\n",
                   stdout);
    std::fputs("\t--disable <ad_id>\n"
               "\t\tDisables the adapter\n\n"
               "\t--enable <ad_id>\n"
               "\t\tEnables the adapter\n\n"
               "\t--list\n"
               "\t\tList all the adapters in the system\n\n"
               "\t--mode <ad_id> <HBA|CNA|NIC> [-f]\n"
               "\t\tSet the mode for the adapter\n"
               "\t\t-f: Force the command to reset all the settings configured on the adapter\n\n"
               "\t--name <ad_id> [<adapter-name>]\n"
               "\t\tQuery or set the name of adapter\n"
               "\t\tName should contain a maximum of 15 characters\n"
               "\t\tThe first letter has to be an alphabet\n"
               "\t\tName can contain only alphanumeric characters\n"
               "\t\tOnly possible exceptions being \"-\" and \"_\"\n\n",
               stdout);
    if (bhelp)
        std::fputs("\t--power <ad_id> [-m {on | off | save1 | save2}]\n"
                   "\t\tQuery or Set the power mode for adapter\n\n",
                   stdout);
    std::fputs("\t--query <ad_id>\n"
               "\t\tQuery attributes of adapter\n\n"
               "\n\t<ad_id> could be specified in one of the following formats:\n"
               "\t\t- adapter index\n"
               "\t\t- serial number\n"
               "\t\t- adapter name\n"
               "\t\t- hw path\n"
               "\n",
               stdout);
}

namespace {

int ixo_adapter_printlist()
{
    int count = static_cast<int>(xell_adapter_get_count());
    if (count == 0) {
        std::printf("No XEL adapters found\n");
        return 0;
    }
    ixo_print_header_line(72);
    std::printf("AD#  NP  HW-path        Type   Model-Info    Serial-num   Name\n");
    ixo_print_header_line(72);
    for (int idx = 1; idx <= count; idx++) {
        xell_adapter_t *adapter = xell_adapter_get_by_idx(idx);
        if (adapter == nullptr) {
            std::printf("ERROR: Unable to open handle to Adapter id %d\n", idx);
            return XEL_STATUS_FAILED;
        }
        char serial[64] = {}, model[256] = {}, hwpath[64] = {}, type[64] = {};
        xell_adapter_get_serial_num(adapter, serial);
        xell_adapter_get_model(adapter, model);
        xell_adapter_get_hw_path(adapter, hwpath);
        xell_adapter_get_type(adapter, type);
        // An unprogrammed serial number field reads as erased flash.
        if (static_cast<unsigned char>(serial[0]) & 0x80)
            serial[0] = '\0';
        const char *name = xell_adapter_get_name(idx);
        if (name == nullptr || name[0] == '\0')
            name = "--";
        std::printf("%2d   %1d   %-13s  %-6s %-12s  %-11s  %-15s\n", idx, xell_adapter_get_port_count(idx), hwpath,
                    type, model, serial, name);
    }
    ixo_print_header_line(72);
    return 0;
}

int ixo_adapter_setname(xell_adapter_t *adapter, const char *name)
{
    xell_t *ioc = xell_adapter_get_first_ioc(adapter);
    if (ioc == nullptr)
        return XEL_STATUS_FAILED;
    int idx = xell_ioc_get_adapter_id(ioc);
    xell_adapter_update_ioc(adapter, ioc);
    if (name == nullptr) {
        const char *current = xell_adapter_get_name(idx);
        std::printf("adapter id %d; current name is %s\n", idx, current != nullptr ? current : "");
        return 0;
    }
    int count = static_cast<int>(xell_adapter_get_count());
    for (int other = 1; other <= count; other++) {
        xell_adapter_t *each = xell_adapter_get_by_idx(other);
        if (each != nullptr && xell_config_get_ad_name_exists(each->serial_num, name, xell_ioc_get_sn(ioc)))
            return XEL_STATUS_SAME_NAME;
    }
    xell_adapter_set_name(idx, name);
    if (xel_status_t status = xell_get_last_error(); status != XEL_STATUS_OK)
        return status;
    std::printf("adapter id %d; name set to: %s\n", idx, name);
    return 0;
}

int ixo_enable_adapter(xell_adapter_t *adapter)
{
    xell_t *ioc = xell_adapter_get_first_ioc(adapter);
    if (ioc == nullptr)
        return XEL_STATUS_FAILED;
    xel_status_t status = xell_adapter_enable(adapter);
    if (status != XEL_STATUS_OK && status != XEL_STATUS_IOC_ENABLED)
        return status;
    std::printf("adapter id %d enabled\n", xell_ioc_get_adapter_id(ioc));
    return 0;
}

int ixo_disable_adapter(xell_adapter_t *adapter)
{
    xell_t *ioc = xell_adapter_get_first_ioc(adapter);
    if (ioc == nullptr)
        return XEL_STATUS_FAILED;
    if (xell_adapter_is_disabled(adapter))
        return XEL_STATUS_ADAPTER_DISABLED;
    xel_status_t status = xell_adapter_disable(adapter);
    if (status == XEL_STATUS_OK)
        std::printf("adapter id %d disabled\n", xell_ioc_get_adapter_id(ioc));
    return status;
}

int ixo_adapter_cfg_mode(xell_adapter_t *adapter, xel_mode_t mode, bool delete_cfg)
{
    if (delete_cfg)
        std::printf("Warning: This command will reset all the settings configured on the adapter.\n\n"
                    "Mode change command can take a lot of time to complete.\n"
                    "Please don't terminate the command as it could result in undesirable adapter state.\n\n");
    else
        std::printf("Warning: This command will not reset the settings configured on the adapter.\n\n");
    xell_t *ioc = xell_adapter_get_first_ioc(adapter);
    if (ioc == nullptr)
        return XEL_STATUS_FAILED;
    xel_adapter_cfg_mode_t cfg{0, 0, static_cast<uint32_t>(mode)};
    xel_status_t status = xell_adapter_cfg_mode(ioc, &cfg, delete_cfg);
    if (status == XEL_STATUS_OK)
        std::printf("Adapter mode is configured successfully.\n"
                    "A host reboot is needed for the changes to be effective. "
                    "You may also have to change the SFP to match the new mode.\n\n");
    return status;
}

// The ASIC partition's length in use, which must reach the auto-start byte.
xel_status_t ixo_asic_part_len(xell_t *ioc, uint32_t *len)
{
    xel_flash_attr_t attr{};
    xel_status_t status = xell_flash_get_attr(ioc, &attr);
    if (status != XEL_STATUS_OK)
        return status;
    const xel_flash_part_attr_t *part = xell_flash_find_part(attr, XEL_FLASH_PART_ASIC);
    if (part == nullptr || part->part_len == 0)
        return XEL_STATUS_FLASH_EMPTY;
    if (part->part_len <= XEL_ASIC_AUTOSTART_OFFSET)
        return XEL_STATUS_BADFLASH;
    *len = part->part_len;
    return XEL_STATUS_OK;
}

int ixo_adapter_set_autostart(xell_adapter_t *adapter, bool on)
{
    xell_t *ioc = xell_adapter_get_first_ioc(adapter);
    if (ioc == nullptr)
        return XEL_STATUS_FAILED;
    xel_ioc_attr_t attr{};
    xel_status_t status = xell_ioc_get_attr(ioc, &attr);
    if (status != XEL_STATUS_OK)
        return status;
    if (attr.pci_attr.device_id != 0x22)
        return XEL_STATUS_FEATURE_NOT_SUPPORTED;
    uint32_t len = 0;
    status = ixo_asic_part_len(ioc, &len);
    if (status != XEL_STATUS_OK)
        return status;
    std::vector<uint8_t> buf;
    try {
        buf.resize(len);
    } catch (const std::bad_alloc &) {
        return XEL_STATUS_ENOMEM;
    }
    status = xell_flash_read_part(ioc, XEL_FLASH_PART_ASIC, 0, buf.data(), len, false);
    if (status != XEL_STATUS_OK) {
        xell_ioc_close(ioc);
        return status;
    }
    uint8_t &byte = buf[XEL_ASIC_AUTOSTART_OFFSET];
    byte = static_cast<uint8_t>(on ? byte | XEL_ASIC_AUTOSTART_BIT : byte & ~XEL_ASIC_AUTOSTART_BIT);
    status = xell_flash_update_part(ioc, XEL_FLASH_PART_ASIC, 0, buf.data(), false, len);
    if (status == XEL_STATUS_OK)
        std::printf("Successfully %s the adapter auto start capability\n", on ? "enabled" : "disabled");
    return status;
}

} // namespace

int ixo_adapter_list(char **, int, ixo_id_t *)
{
    return ixo_adapter_printlist();
}

int ixo_adapter_count(char **, int, ixo_id_t *)
{
    std::printf("%d\n", static_cast<int>(xell_adapter_get_count()));
    return 0;
}

int ixo_adapter_name(char **argv, int argc, ixo_id_t *id)
{
    const char *name = argc > 4 ? argv[4] : nullptr;
    if (name != nullptr && name[0] != '\0' && !ixo_verify_name(name))
        return E_CLI_INCORRECT_STRING;
    return ixo_adapter_setname(id->adapter, name);
}

int ixo_adapter_enable(char **, int, ixo_id_t *id)
{
    return ixo_enable_adapter(id->adapter);
}

int ixo_adapter_disable(char **, int, ixo_id_t *id)
{
    return ixo_disable_adapter(id->adapter);
}

int ixo_adapter_mode(char **argv, int argc, ixo_id_t *id)
{
    if (argc > 5 && std::strcmp(argv[5], "-f") != 0)
        return E_CLI_INCORRECT_CMD;
    xel_mode_t mode;
    if (strcasecmp(argv[4], "HBA") == 0)
        mode = XEL_MODE_HBA;
    else if (strcasecmp(argv[4], "CNA") == 0)
        mode = XEL_MODE_CNA;
    else if (strcasecmp(argv[4], "NIC") == 0)
        mode = XEL_MODE_NIC;
    else
        return E_CLI_INCORRECT_CMD;
    return ixo_adapter_cfg_mode(id->adapter, mode, argc > 5);
}

int ixo_adapter_autostart(char **argv, int, ixo_id_t *id)
{
    bool on = std::strcmp(argv[4], "on") == 0;
    if (!on && std::strcmp(argv[4], "off") != 0)
        return E_CLI_INCORRECT_CMD;
    return ixo_adapter_set_autostart(id->adapter, on);
}

int ixo_adapter_cfg_nwpart(char **argv, int argc, ixo_id_t *id)
{
    bool enable = argc > 4 && std::strcmp(argv[4], "enable") == 0;
    if (!enable && (argc <= 4 || std::strcmp(argv[4], "disable") != 0))
        return E_CLI_INCORRECT_CMD;
    xell_port_t *port = xell_adapter_get_port(id->adapter, 0);
    if (port == nullptr)
        return XEL_STATUS_FAILED;
    xell_t *eth = nullptr;
    for (int position = 0; position < xell_port_get_ioc_count(port) && eth == nullptr; position++) {
        xell_t *ioc = xell_port_get_ioc(port, position);
        if (ioc != nullptr && xell_ioc_get_ioc_type(ioc) == XEL_IOC_TYPE_LL)
            eth = ioc;
    }
    if (eth == nullptr)
        return E_CLI_NO_ETH_INFO;
    xel_status_t status = enable ? xell_port_nwpart_enable(eth, 0) : xell_port_nwpart_disable(eth, 0);
    if (status == XEL_STATUS_OK)
        std::printf("Adapter Network Partition %s\nA host reboot is needed for the changes to be effective\n\n",
                    enable ? "enabled" : "disabled");
    return status;
}
