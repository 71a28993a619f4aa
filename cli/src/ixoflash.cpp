// The flash commands: the partition table, and erasing, writing and
// reading partitions named by option words taken in table order.
#include "ixo_commands.h"
#include "ixo_errors.h"
#include "ixo_usage.h"
#include "ixo_values.h"
#include "xell_adapter.h"
#include "xell_flash.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <span>
#include <string>
#include <vector>

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

namespace {

// One option word of a command's table and the partition it names; "-a"
// (all partitions) has type 0.
struct part_opt {
    const char *word;
    uint32_t type;
};

const part_opt erase_part[] = {
    {"-a", 0},
    {"-f", XEL_FLASH_PART_FWIMG},   {"-t", XEL_FLASH_PART_FWCFG},    {"-o", XEL_FLASH_PART_OPTROM},
    {"-o2", XEL_FLASH_PART_OPTROM2}, {"-c", XEL_FLASH_PART_DRV},     {"-s", XEL_FLASH_PART_ASIC},
    {"-b", XEL_FLASH_PART_BOOT},    {"-m", XEL_FLASH_PART_MFG},      {"-l", XEL_FLASH_PART_BOOTOVL},
    {"-r", XEL_FLASH_PART_LOG},     {"-e", XEL_FLASH_PART_PXECFG},   {"-l2", XEL_FLASH_PART_PXEOVL},
    {"-pt", XEL_FLASH_PART_PORTCFG}, {"-v", XEL_FLASH_PART_VPD},     {"-p", XEL_FLASH_PART_PBC},
    {"-s1", XEL_FLASH_PART_ASICBK},
};

const part_opt update_part[] = {
    {"-f", XEL_FLASH_PART_FWIMG},    {"-t", XEL_FLASH_PART_FWCFG},  {"-o", XEL_FLASH_PART_OPTROM},
    {"-o2", XEL_FLASH_PART_OPTROM2}, {"-c", XEL_FLASH_PART_DRV},    {"-s", XEL_FLASH_PART_ASIC},
    {"-m", XEL_FLASH_PART_MFG},      {"-p", XEL_FLASH_PART_PBC},    {"-l", XEL_FLASH_PART_BOOTOVL},
    {"-l2", XEL_FLASH_PART_PXEOVL},  {"-v", XEL_FLASH_PART_VPD},
};

const part_opt read_part[] = {
    {"-f", XEL_FLASH_PART_FWIMG},    {"-t", XEL_FLASH_PART_FWCFG},    {"-o", XEL_FLASH_PART_OPTROM},
    {"-o2", XEL_FLASH_PART_OPTROM2}, {"-c", XEL_FLASH_PART_DRV},      {"-s", XEL_FLASH_PART_ASIC},
    {"-b", XEL_FLASH_PART_BOOT},     {"-m", XEL_FLASH_PART_MFG},      {"-l", XEL_FLASH_PART_BOOTOVL},
    {"-r", XEL_FLASH_PART_LOG},      {"-e", XEL_FLASH_PART_PXECFG},   {"-l2", XEL_FLASH_PART_PXEOVL},
    {"-pt", XEL_FLASH_PART_PORTCFG}, {"-p", XEL_FLASH_PART_PBC},      {"-v", XEL_FLASH_PART_VPD},
    {"-s1", XEL_FLASH_PART_ASICBK},
};

constexpr uint32_t ixo_flash_default_read = 512;
constexpr uint32_t ixo_flash_default_asicblk = 10240;

const char *part_name(uint32_t type)
{
    return xell_flash_part_type_to_string(static_cast<int32_t>(type));
}

// The adapter's first IOC, moved to its port's operational function.
xell_t *ixo_flash_ioc(ixo_id_t *id)
{
    xell_t *ioc = id->adapter ? xell_adapter_get_first_ioc(id->adapter) : nullptr;
    if (ioc != nullptr)
        xell_ioc_get_operational_pf(&ioc);
    return ioc;
}

bool ixo_flash_number(const char *text, uint64_t max, uint32_t *out)
{
    uint64_t value = 0;
    if (!ixo_parse_uint(text, max, &value))
        return false;
    *out = static_cast<uint32_t>(value);
    return true;
}

// The options around the partition words: "-i" instance and, for reads,
// "-d" size.
struct flash_args {
    uint8_t instance = 0;
    uint32_t size = ixo_flash_default_read;
    xel_status_t status = XEL_STATUS_OK; // the first failing partition's
};

int ixo_flash_first_pass(char **argv, int argc, bool with_size, flash_args *args)
{
    for (int w = 4; w < argc; w++) {
        bool is_i = std::strcmp(argv[w], "-i") == 0;
        bool is_d = with_size && std::strcmp(argv[w], "-d") == 0;
        if (!is_i && !is_d)
            continue;
        if (w + 1 >= argc)
            return E_CLI_INCORRECT_CMD;
        uint32_t value = 0;
        if (is_i && !ixo_flash_number(argv[w + 1], UINT8_MAX, &value))
            return E_CLI_INCORRECT_CMD;
        if (is_i)
            args->instance = static_cast<uint8_t>(value);
        if (is_d && (!ixo_flash_number(argv[w + 1], UINT32_MAX, &value) || value == 0))
            return E_CLI_INCORRECT_CMD;
        if (is_d)
            args->size = value;
        w++;
    }
    return 0;
}

// What one matched option does; file is the word after it for commands
// that take one. Returns false to end the walk.
using part_action = bool (*)(xell_t *ioc, const part_opt &opt, const char *file, flash_args *args);

// Walks the words and the table together: options must come in table
// order, and one out of order is passed over.
int ixo_flash_walk(char **argv, int argc, std::span<const part_opt> table, bool with_file, bool with_size,
                   xell_t *ioc, part_action action, flash_args *args)
{
    int err = ixo_flash_first_pass(argv, argc, with_size, args);
    if (err != 0)
        return err;
    bool matched = false;
    size_t row = 0;
    for (int w = 4; w < argc && row < table.size();) {
        if (std::strcmp(argv[w], "-i") == 0 || (with_size && std::strcmp(argv[w], "-d") == 0)) {
            matched = true;
            w += 2;
            continue;
        }
        if (std::strcmp(argv[w], table[row].word) != 0) {
            row++;
            continue;
        }
        matched = true;
        if (with_file && w + 1 >= argc)
            return E_CLI_INCORRECT_CMD;
        const char *file = with_file ? argv[w + 1] : nullptr;
        w += with_file ? 2 : 1;
        if (!action(ioc, table[row], file, args))
            break;
    }
    if (!matched)
        return E_CLI_INCORRECT_CMD;
    return args->status;
}

void ixo_flash_failed(flash_args *args, xel_status_t status)
{
    std::fprintf(stderr, "Error: %s\n\n", xell_status_to_string(status));
    if (args->status == XEL_STATUS_OK)
        args->status = status;
}

// Only a whole line of "yes" or "y" confirms; a longer answer is not read
// as several.
bool ixo_flash_confirmed()
{
    char line[64];
    if (std::fgets(line, sizeof line, stdin) == nullptr)
        return false;
    size_t len = std::strlen(line);
    bool whole = len > 0 && line[len - 1] == '\n';
    if (!whole) {
        int c;
        while ((c = std::getchar()) != EOF && c != '\n')
            len = sizeof line; // too long to be an answer
    } else {
        line[--len] = '\0';
    }
    return len < sizeof line && (std::strcmp(line, "yes") == 0 || std::strcmp(line, "y") == 0);
}

// Every listed partition with its own instance, the ASIC partition last.
xel_status_t ixo_flash_erase_all(xell_t *ioc)
{
    xel_flash_attr_t attr{};
    xel_status_t status = xell_flash_get_attr(ioc, &attr);
    if (status != XEL_STATUS_OK)
        return status;
    uint32_t count = xell_flash_part_count(attr);
    const xel_flash_part_attr_t *asic = nullptr;
    std::vector<const xel_flash_part_attr_t *> order;
    for (uint32_t i = 0; i < count; i++) {
        if (attr.part[i].part_type == XEL_FLASH_PART_ASIC)
            asic = &attr.part[i];
        else
            order.push_back(&attr.part[i]);
    }
    if (asic != nullptr)
        order.push_back(asic);
    for (const xel_flash_part_attr_t *part : order) {
        status = xell_flash_erase_part(ioc, part->part_type, static_cast<uint8_t>(part->part_instance));
        if (status != XEL_STATUS_OK) {
            std::fprintf(stderr, "Error: Can not erase %s\n", part_name(part->part_type));
            return status;
        }
    }
    std::fputs("Flash Erase successful\n", stdout);
    return XEL_STATUS_OK;
}

bool ixo_flash_erase_one(xell_t *ioc, const part_opt &opt, const char *, flash_args *args)
{
    if (opt.type == 0) {
        std::fputs("This operation will erase all parts of flash, Do you wish to continue?[yes/no]\n", stdout);
        std::fflush(stdout);
        if (ixo_flash_confirmed()) {
            xel_status_t status = ixo_flash_erase_all(ioc);
            if (status != XEL_STATUS_OK && args->status == XEL_STATUS_OK)
                args->status = status;
        }
        return false;
    }
    std::printf("This operation will erase \"%s\" part of flash, Do you wish to continue?[yes/no]\n",
                part_name(opt.type));
    std::fflush(stdout);
    if (!ixo_flash_confirmed())
        return true;
    xel_status_t status = xell_flash_erase_part(ioc, opt.type, args->instance);
    if (status != XEL_STATUS_OK)
        ixo_flash_failed(args, status);
    else
        std::printf("Successfully erased \"%s\" part of the flash\n", part_name(opt.type));
    return true;
}

bool ixo_flash_update_one(xell_t *ioc, const part_opt &opt, const char *file, flash_args *args)
{
    xel_status_t status = xell_flash_update_part(ioc, opt.type, args->instance, file, true, 0);
    if (status == XEL_STATUS_EFOPEN) {
        std::fprintf(stderr, "Error: Unable to open file \"%s\"\n", file);
        if (args->status == XEL_STATUS_OK)
            args->status = status;
    } else if (status != XEL_STATUS_OK) {
        ixo_flash_failed(args, status);
    } else {
        std::printf("\"%s\" updated successfully\n", part_name(opt.type));
    }
    return true;
}

} // namespace

// The dump beside a pre-boot configuration: 16-bit little-endian words,
// eight to a line after the line's byte offset.
xel_status_t ixo_flash_hex_dump(const char *file)
{
    std::vector<uint8_t> data;
    xel_status_t status = xell_file_read(file, &data);
    if (status != XEL_STATUS_OK)
        return status;
    std::string path = std::string(file) + ".hex";
    FILE *out = std::fopen(path.c_str(), "w");
    if (out == nullptr)
        return XEL_STATUS_EFOPEN;
    for (size_t off = 0; off < data.size(); off += 2) {
        if (off % 16 == 0)
            std::fprintf(out, off == 0 ? "%08zx\t" : "\n%08zx\t", off);
        unsigned word = data[off] | (off + 1 < data.size() ? data[off + 1] << 8 : 0);
        std::fprintf(out, "%04x\t", word);
    }
    bool ok = std::ferror(out) == 0;
    ok = std::fclose(out) == 0 && ok;
    return ok ? XEL_STATUS_OK : XEL_STATUS_FAILED;
}

namespace {

// The pre-boot configuration and the logs are read whole.
uint32_t ixo_flash_read_size(xell_t *ioc, uint32_t type, uint32_t size)
{
    if (type != XEL_FLASH_PART_PBC && type != XEL_FLASH_PART_LOG)
        return size;
    xel_flash_attr_t attr{};
    if (xell_flash_get_attr(ioc, &attr) != XEL_STATUS_OK)
        return size;
    const xel_flash_part_attr_t *part = xell_flash_find_part(attr, type);
    return part != nullptr ? part->part_len : size;
}

bool ixo_flash_read_one(xell_t *ioc, const part_opt &opt, const char *file, flash_args *args)
{
    uint32_t size = ixo_flash_read_size(ioc, opt.type, args->size);
    xel_status_t status = xell_flash_read_part(ioc, opt.type, args->instance, const_cast<char *>(file), size, true);
    if (status == XEL_STATUS_OK && opt.type == XEL_FLASH_PART_PBC)
        status = ixo_flash_hex_dump(file);
    if (status != XEL_STATUS_OK)
        ixo_flash_failed(args, status);
    else
        std::printf("\"%s\" read successfully to \"%s\"\n", part_name(opt.type), file);
    return true;
}

int ixo_flash_options(char **argv, int argc, ixo_id_t *id, std::span<const part_opt> table, bool with_file,
                      bool with_size, part_action action)
{
    xell_t *ioc = ixo_flash_ioc(id);
    if (ioc == nullptr)
        return XEL_STATUS_FAILED;
    flash_args args;
    return ixo_flash_walk(argv, argc, table, with_file, with_size, ioc, action, &args);
}

} // namespace

int ixo_flash_query_hdlr(char **, int, ixo_id_t *id)
{
    xell_t *ioc = ixo_flash_ioc(id);
    if (ioc == nullptr)
        return XEL_STATUS_FAILED;
    xel_flash_attr_t attr{};
    xel_status_t status = xell_flash_get_attr(ioc, &attr);
    if (status != XEL_STATUS_OK)
        return status;
    uint32_t count = xell_flash_part_count(attr);
    std::printf("Flash status: %s\n", xell_flash_status_to_string(static_cast<int32_t>(attr.status)));
    std::printf("Total number of partitions are: %d\n", static_cast<int>(attr.npart));
    std::fputs("Part attributes:\n"
               "type\tinst\toffset\t\tsize\t\tlength\t\tstatus\n",
               stdout);
    for (uint32_t i = 0; i < count; i++) {
        const xel_flash_part_attr_t &p = attr.part[i];
        std::printf("%s\t%d\t0x%-8x\t0x%-8x\t0x%-8x\t%s\n", part_name(p.part_type), static_cast<int>(p.part_instance),
                    p.part_off, p.part_size, p.part_len,
                    xell_flash_status_to_string(static_cast<int32_t>(p.part_status)));
    }
    return XEL_STATUS_OK;
}

int ixo_flash_erase_hdlr(char **argv, int argc, ixo_id_t *id)
{
    return ixo_flash_options(argv, argc, id, erase_part, false, false, ixo_flash_erase_one);
}

int ixo_flash_update_hdlr(char **argv, int argc, ixo_id_t *id)
{
    return ixo_flash_options(argv, argc, id, update_part, true, false, ixo_flash_update_one);
}

int ixo_flash_read_hdlr(char **argv, int argc, ixo_id_t *id)
{
    return ixo_flash_options(argv, argc, id, read_part, true, true, ixo_flash_read_one);
}

int ixo_flash_dumpasicblk_hdlr(char **argv, int, ixo_id_t *id)
{
    xell_t *ioc = ixo_flash_ioc(id);
    if (ioc == nullptr)
        return XEL_STATUS_FAILED;
    if (ioc->device_id != 0x22)
        return XEL_STATUS_FEATURE_NOT_SUPPORTED;
    uint32_t size = ixo_flash_default_asicblk;
    xel_flash_attr_t attr{};
    if (xell_flash_get_attr(ioc, &attr) == XEL_STATUS_OK) {
        const xel_flash_part_attr_t *part = xell_flash_find_part(attr, XEL_FLASH_PART_ASIC);
        if (part != nullptr && part->part_len != 0)
            size = part->part_len;
    }
    xel_status_t status = xell_flash_read_part(ioc, XEL_FLASH_PART_ASIC, 0, argv[4], size, true);
    if (status == XEL_STATUS_OK)
        std::printf("Asic block read successfully to \"%s\"\n", argv[4]);
    return status;
}

int ixo_flash_enable_optrom_hdlr(char **, int, ixo_id_t *id)
{
    xell_t *ioc = ixo_flash_ioc(id);
    if (ioc == nullptr)
        return XEL_STATUS_FAILED;
    xel_status_t status = xell_flash_enable_optrom(ioc);
    if (status == XEL_STATUS_OK)
        std::fputs("Successfully enabled the optrom\n", stdout);
    return status;
}

int ixo_flash_disable_optrom_hdlr(char **, int, ixo_id_t *id)
{
    xell_t *ioc = ixo_flash_ioc(id);
    if (ioc == nullptr)
        return XEL_STATUS_FAILED;
    xel_status_t status = xell_flash_disable_optrom(ioc);
    if (status == XEL_STATUS_OK)
        std::fputs("Successfully disabled the optrom\n", stdout);
    return status;
}
