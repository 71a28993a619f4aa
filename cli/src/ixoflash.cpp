#include "ixo_commands.h"
#include "ixo_usage.h"

#include <cstdio>

namespace {

struct flash_opt {
    const char *word;
    const char *desc;
};

const flash_opt erase_opts[] = {
    {"\t\t-a", "All partitions"},
    {"\t\t-f", "Firmware image"},
    {"\t\t-t", "Firmware tunables"},
    {"\t\t-o", "Option ROM"},
    {"\t\t-o2", "Network boot option ROM"},
    {"\t\t-c", "Driver configuration"},
    {"\t\t-s", "ASIC image"},
    {"\t\t-b", "Boot configuration"},
    {"\t\t-m", "Manufacturing block"},
    {"\t\t-l", "Boot overlay"},
    {"\t\t-r", "Firmware logs"},
    {"\t\t-e", "Network boot configuration"},
    {"\t\t-l2", "Network boot overlay"},
    {"\t\t-pt", "Port configuration"},
    {"\t\t-v", "OEM VPD block"},
    {"\t\t-p", "Pre-boot configuration"},
    {"\t\t-s1", "ASIC block"},
    {"\t\t-i <instance>", "Partition instance (default 0)"},
};

const flash_opt read_opts[] = {
    {"\t\t-f <fw_image_file>", "Firmware image"},
    {"\t\t-t <fw_tunables_file>", "Firmware tunables"},
    {"\t\t-o <optrom_file>", "Option ROM"},
    {"\t\t-o2 <eth_optrom_file>", "Network boot option ROM"},
    {"\t\t-c <drv_config_file>", "Driver configuration"},
    {"\t\t-s <asic_image_file>", "ASIC image"},
    {"\t\t-b <boot_config_file>", "Boot configuration"},
    {"\t\t-m <mfg_file>", "Manufacturing block"},
    {"\t\t-l <boot_overlay_file>", "Boot overlay"},
    {"\t\t-r <log_file>", "Firmware logs, whole partition"},
    {"\t\t-e <eth_boot_config_file>", "Network boot configuration"},
    {"\t\t-l2 <eth_boot_overlay_file>", "Network boot overlay"},
    {"\t\t-pt <port_config_file>", "Port configuration"},
    {"\t\t-p <pbc_file>", "Pre-boot configuration, also as <pbc_file>.hex"},
    {"\t\t-v <vpd_file>", "OEM VPD block"},
    {"\t\t-s1 <asic_block_file>", "ASIC block"},
    {"\t\t-i <instance>", "Partition instance (default 0)"},
    {"\t\t-d <size>", "Number of bytes to read (default 512)"},
};

const flash_opt update_opts[] = {
    {"\t\t-f <fw_image_file>", "Firmware image"},
    {"\t\t-t <fw_tunables_file>", "Firmware tunables"},
    {"\t\t-o <optrom_file>", "Option ROM"},
    {"\t\t-o2 <eth_optrom_file>", "Network boot option ROM"},
    {"\t\t-c <drv_config_file>", "Driver configuration"},
    {"\t\t-s <asic_image_file>", "ASIC image"},
    {"\t\t-m <mfg_file>", "Manufacturing block"},
    {"\t\t-p <pbc_file>", "Pre-boot configuration"},
    {"\t\t-l <boot_overlay_file>", "Boot overlay"},
    {"\t\t-l2 <eth_boot_overlay_file>", "Network boot overlay"},
    {"\t\t-v <vpd_file>", "OEM VPD block"},
    {"\t\t-i <instance>", "Partition instance (default 0)"},
};

} // namespace

void ixo_flash_usage(bool bhelp)
{
    std::fputs("\nUsage: ixo flash [OPTIONS] [ARGUMENTS] ...\n", stdout);
    if (!bhelp)
        return;

    std::fputs("Direct flash partition specific commands using this option\n"
               "Example: ixo flash --query <ad_id>\n"
               "Available commands are:\n"
               "\t--doptrom <ad_id>\n"
               "\t\tDisable the option ROM\n\n"
               "\t--dumpasicblk <ad_id> <bin_file_name>\n"
               "\t\tDumps the ASIC block content for Sandrel cards to the bin_file_name provided\n\n"
               "\t--eoptrom <ad_id>\n"
               "\t\tEnable the option ROM\n\n"
               "\t--erase <ad_id> <partition options> [-i <instance>]\n"
               "\t\tErase flash partitions, each after a confirmation\n"
               "\t\tPartition options are taken in the order listed:\n",
               stdout);
    for (const flash_opt &o : erase_opts)
        std::printf("%-19s%s\n", o.word, o.desc);
    std::fputs("\n"
               "\t--query <ad_id>\n"
               "\t\tDisplay the flash partition attributes\n\n"
               "\t--read <ad_id> <partition options> [-i <instance>] [-d <size>]\n"
               "\t\tRead flash partitions into files\n"
               "\t\tPartition options are taken in the order listed:\n",
               stdout);
    for (const flash_opt &o : read_opts)
        std::printf("%-35s%s\n", o.word, o.desc);
    std::fputs("\n"
               "\t--update <ad_id> <partition options> [-i <instance>]\n"
               "\t\tWrite files to flash partitions\n"
               "\t\tPartition options are taken in the order listed:\n",
               stdout);
    for (const flash_opt &o : update_opts)
        std::printf("%-35s%s\n", o.word, o.desc);
    std::fputs("\n", stdout);
    ixo_usage_ad_id_forms();
}
