// The bios commands: boot over SAN of an FC port and the pre-boot
// configuration beside it. The settings live in the adapter only.
#include "ixo_commands.h"
#include "ixo_errors.h"
#include "ixo_usage.h"
#include "ixo_values.h"
#include "xell_bios.h"
#include "xell_port.h"

#include <strings.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

void ixo_bios_usage(bool bhelp)
{
    (void)bhelp;
    std::fputs("\nUsage: ixo bios [OPTIONS] [ARGUMENTS] ...\n"
               "Direct boot over SAN specific commands using this option\n"
               "Example: ixo bios --query <port_id>\n"
               "Available commands are:\n"
               "\t--disable <port_id>\n"
               "\t\tDisable boot over SAN for the port\n\n"
               "\t--enable <port_id> [-s <speed>] [-t <topology>] [-o <boot_option>]"
               " [-d <delay>] [-p <position>] [-b <pwwn,lun>] ...\n"
               "\t\tEnable boot over SAN for the port\n"
               "\t\t-s: Port speed {1 | 2 | 4 | 8 | 16 | auto}, default auto\n"
               "\t\t-t: Port topology {p2p | loop}, default p2p\n"
               "\t\t-o: Boot LUN option, default auto\n"
               "\t\t\tauto     -  Discover the boot LUN from the fabric\n"
               "\t\t\tflash    -  Use the boot LUNs stored in flash\n"
               "\t\t\tfirstlun -  Use the first visible LUN\n"
               "\t\t-d: Bootup delay in seconds {0 | 1 | 2 | 5 | 10}, default 0\n"
               "\t\t-p: First boot LUN entry to fill {0 - 3}, default 0\n"
               "\t\t-b: Boot LUN as target port wwn and decimal LUN number,\n"
               "\t\t    up to 4 entries\n"
               "\t\tSpeed and topology cannot be set on a CNA port\n"
               "\t\tLoop topology needs boot LUN option flash or firstlun\n\n"
               "\t--query <port_id>\n"
               "\t\tQuery the boot over SAN and pre-boot configuration\n\n",
               stdout);
    ixo_usage_port_id_forms();
}

namespace {

// The "bios --enable" options as typed.
struct ixo_bios_opts {
    bool spd_given = false;
    bool tp_given = false;
    uint32_t speed = XEL_PORT_SPEED_AUTO;
    uint32_t topology = XEL_PORT_TOPOLOGY_P2P;
    uint8_t bootopt = 0;
    uint8_t delay = 0;
    int position = 0;
    int luncount = 0;
    wwn_t pwwn[XEL_BOOT_LUNS]{};
    lun_t lun[XEL_BOOT_LUNS]{};
};

bool ixo_bios_bootopt(const char *word, uint8_t *bootopt)
{
    static const char *const names[] = {"auto", "flash", "firstlun"};
    for (uint8_t i = 0; i < 3; i++)
        if (strcasecmp(word, names[i]) == 0) {
            *bootopt = i;
            return true;
        }
    return false;
}

bool ixo_bios_delay(const char *word, uint8_t *delay)
{
    uint64_t value = 0;
    if (!ixo_parse_uint(word, 10, &value) || (value > 2 && value != 5 && value != 10))
        return false;
    *delay = static_cast<uint8_t>(value);
    return true;
}

// The decimal LUN number goes in the first two bytes, most significant
// first; a number that does not fit there is refused.
bool ixo_bios_lun(const char *word, lun_t *lun)
{
    uint64_t value = 0;
    if (!ixo_parse_uint(word, 0xFFFF, &value))
        return false;
    uint8_t bytes[8] = {static_cast<uint8_t>(value >> 8), static_cast<uint8_t>(value)};
    std::memcpy(lun, bytes, sizeof bytes);
    return true;
}

int ixo_bios_pair(const char *word, ixo_bios_opts *opts)
{
    if (opts->luncount == XEL_BOOT_LUNS) {
        std::printf("Max lun supported is %d\n", XEL_BOOT_LUNS);
        return E_CLI_INCORRECT_ARG;
    }
    const char *comma = std::strchr(word, ',');
    if (comma == nullptr)
        return E_CLI_INCORRECT_CMD;
    std::string wwn(word, comma);
    if (!ixo_get_port_wwn(wwn.c_str(), &opts->pwwn[opts->luncount]))
        return E_CLI_BAD_WWN;
    if (!ixo_bios_lun(comma + 1, &opts->lun[opts->luncount]))
        return E_CLI_INCORRECT_CMD;
    opts->luncount++;
    return E_CLI_NO_ERROR;
}

// One option and its value word.
int ixo_bios_option(char opt, const char *word, ixo_bios_opts *opts)
{
    uint64_t value = 0;
    switch (opt) {
    case 's':
        opts->spd_given = true;
        return ixo_set_speed(word, &opts->speed) ? E_CLI_NO_ERROR : E_CLI_INCORRECT_CMD;
    case 't':
        opts->tp_given = true;
        return ixo_set_topology(word, &opts->topology) ? E_CLI_NO_ERROR : E_CLI_INCORRECT_CMD;
    case 'o':
        return ixo_bios_bootopt(word, &opts->bootopt) ? E_CLI_NO_ERROR : E_CLI_INCORRECT_CMD;
    case 'd':
        return ixo_bios_delay(word, &opts->delay) ? E_CLI_NO_ERROR : E_CLI_INCORRECT_CMD;
    case 'p':
        if (!ixo_parse_uint(word, static_cast<uint64_t>(XEL_BOOT_LUNS - 1), &value))
            return E_CLI_INCORRECT_CMD;
        opts->position = static_cast<int>(value);
        return E_CLI_NO_ERROR;
    case 'b':
        return ixo_bios_pair(word, opts);
    default:
        return E_CLI_INCORRECT_CMD;
    }
}

int ixo_bios_parse(char **argv, int argc, ixo_bios_opts *opts)
{
    std::string seen;
    for (int i = 4; i < argc; i += 2) {
        const char *word = argv[i];
        if (word[0] != '-' || word[1] == '\0' || word[2] != '\0' || std::strchr("stodpb", word[1]) == nullptr ||
            i + 1 >= argc)
            return E_CLI_INCORRECT_CMD;
        char opt = word[1];
        if (opt != 'b' && seen.find(opt) != std::string::npos)
            return E_CLI_INCORRECT_ARG;
        seen += opt;
        int rc = ixo_bios_option(opt, argv[i + 1], opts);
        if (rc != E_CLI_NO_ERROR)
            return rc;
    }
    return E_CLI_NO_ERROR;
}

// The speed and topology checks, made before anything is written.
xel_status_t ixo_bios_check(const ixo_bios_opts &opts, bool is_cna, uint8_t max_speed, uint32_t *speed)
{
    *speed = opts.speed;
    if (is_cna) {
        if (opts.spd_given)
            return XEL_STATUS_MARLET_SPD_NOT_ALLOWED;
        *speed = XEL_PORT_SPEED_AUTO;
    } else if (opts.speed == 10) {
        return XEL_STATUS_UNSUPP_SPEED;
    }
    if (max_speed == 4 && (*speed == 8 || *speed == 16))
        return XEL_STATUS_4G_SPD;
    if (max_speed == 8 && (*speed == 1 || *speed == 16))
        return XEL_STATUS_8G_SPD;
    if (max_speed == 16 && *speed == 1)
        return XEL_STATUS_16G_SPD;
    if (is_cna && opts.tp_given)
        return XEL_STATUS_NO_TOPOLOGY_FOR_CNA;
    if (opts.topology == XEL_PORT_TOPOLOGY_LOOP && opts.bootopt == 0)
        return XEL_STATUS_INVALID_BOOTOPTION;
    return XEL_STATUS_OK;
}

int ixo_enable_bios(xell_t *ioc, const ixo_bios_opts &opts)
{
    xel_ioc_attr_t attr{};
    xel_boot_cfg_t cfg{};
    bool is_cna = false;
    xel_status_t status = xell_ioc_get_attr(ioc, &attr);
    if (status == XEL_STATUS_OK)
        status = xell_bios_query(ioc, &cfg);
    if (status == XEL_STATUS_OK)
        status = xell_port_is_cna(ioc, true, &is_cna);
    if (status != XEL_STATUS_OK)
        return status;
    uint32_t speed = XEL_PORT_SPEED_AUTO;
    status = ixo_bios_check(opts, is_cna, attr.adapter_attr.max_speed, &speed);
    if (status != XEL_STATUS_OK)
        return status;
    cfg.version = XEL_BOOT_CFG_VERSION;
    cfg.enable = 1;
    cfg.speed = static_cast<uint8_t>(speed);
    cfg.topology = static_cast<uint8_t>(is_cna ? XEL_PORT_TOPOLOGY_P2P : opts.topology);
    cfg.bootopt = opts.bootopt;
    cfg.bootup_delay = opts.delay;
    // Pairs beyond the last entry are dropped; the count is of those kept.
    int stored = std::min(opts.luncount, XEL_BOOT_LUNS - opts.position);
    for (int i = 0; i < stored; i++) {
        cfg.blun[opts.position + i].pwwn = opts.pwwn[i];
        cfg.blun[opts.position + i].lun = opts.lun[i];
    }
    cfg.nbluns = static_cast<uint32_t>(stored);
    status = xell_bios_cfg(ioc, &cfg);
    if (status == XEL_STATUS_OK)
        std::fputs("boot cfg updated.\n", stdout);
    return status;
}

int ixo_disable_bios(xell_t *ioc)
{
    xel_boot_cfg_t cfg{};
    xel_status_t status = xell_bios_query(ioc, &cfg);
    if (status != XEL_STATUS_OK)
        return status;
    if (!cfg.enable)
        return XEL_STATUS_BIOS_DISABLED;
    cfg.version = XEL_BOOT_CFG_VERSION;
    cfg.enable = 0;
    cfg.speed = XEL_PORT_SPEED_AUTO;
    cfg.topology = XEL_PORT_TOPOLOGY_P2P;
    cfg.bootopt = 0;
    status = xell_bios_cfg(ioc, &cfg);
    if (status == XEL_STATUS_OK)
        std::fputs("boot over san disabled\n", stdout);
    return status;
}

const char *ixo_bios_lun_source(uint8_t bootopt)
{
    switch (bootopt) {
    case 0: return "Discovered from the fabric";
    case 1: return "Obtained from the flash";
    case 2: return "Use first visible lun";
    default: return nullptr;
    }
}

const char *ixo_bios_topology(uint8_t topology)
{
    if (topology == XEL_PORT_TOPOLOGY_P2P)
        return "p2p";
    return topology == XEL_PORT_TOPOLOGY_LOOP ? "loop" : "none";
}

void ixo_display_boot_cfg(const xel_boot_cfg_t &cfg)
{
    std::fputs("Boot Over SAN:\t\t\t", stdout);
    if (!cfg.enable) {
        std::fputs("disabled\n", stdout);
        return;
    }
    std::fputs("enabled\n", stdout);
    std::printf("Port Speed:\t\t\t%s\n", xell_port_speed_to_string(cfg.speed));
    if (const char *source = ixo_bios_lun_source(cfg.bootopt))
        std::printf("Boot Lun:\t\t\t%s\n", source);
    std::printf("Bootup Delay:\t\t\t%d\n", cfg.bootup_delay);
    std::printf("Port Topology:\t\t\t%s\n", ixo_bios_topology(cfg.topology));
    for (int i = 0; i < XEL_BOOT_LUNS; i++) {
        wwn_t wwn = cfg.blun[i].pwwn;
        if (wwn == 0 || wwn == ~wwn_t{0})
            continue;
        std::printf("Boot Lun %d:\n\ttarget pwwn:\t\t", i);
        ixo_print_pwwn(wwn);
        std::fputs("\n\tlun:\t\t\t", stdout);
        ixo_print_lun(cfg.blun[i].lun);
        std::fputs("\n", stdout);
    }
}

void ixo_display_pbc(const xel_boot_pbc_t &pbc)
{
    std::fputs("\nPre-Boot Configuration  : \n", stdout);
    std::printf("\tSpeed\t\t\t:%s\n", xell_port_speed_to_string(pbc.speed));
    std::fputs("\tBIOS\t\t\t:", stdout);
    if (!pbc.enable) {
        std::fputs("disabled\n", stdout);
        return;
    }
    std::fputs("enabled\n", stdout);
    std::printf("\tNumber of boot luns\t:%d\n", static_cast<int>(pbc.nbluns));
    uint32_t count = std::min<uint32_t>(pbc.nbluns, XEL_PBC_LUNS);
    for (uint32_t i = 0; i < count; i++) {
        std::printf("\tBoot LUN %u\t\t:", i);
        ixo_print_pwwn(pbc.pblun[i].pwwn);
        std::fputs(", ", stdout);
        ixo_print_lun(pbc.pblun[i].lun);
        std::fputs("\n", stdout);
    }
}

int ixo_display_bios_info(xell_t *ioc)
{
    xel_boot_cfg_t cfg{};
    xel_status_t status = xell_bios_query(ioc, &cfg);
    if (status != XEL_STATUS_OK)
        return status;
    if (cfg.version == 0xFF)
        std::fputs("Boot config not initialized\n", stdout);
    else
        ixo_display_boot_cfg(cfg);
    xel_boot_pbc_t pbc{};
    status = xell_bios_pbc_query(ioc, &pbc);
    if (status == XEL_STATUS_OK)
        ixo_display_pbc(pbc);
    return status;
}

} // namespace

int ixo_bios_enable(char **argv, int argc, ixo_id_t *id)
{
    xell_t *ioc = id->xell;
    if (ioc == nullptr)
        return XEL_STATUS_FAILED;
    ixo_bios_opts opts;
    int rc = ixo_bios_parse(argv, argc, &opts);
    return rc != E_CLI_NO_ERROR ? rc : ixo_enable_bios(ioc, opts);
}

int ixo_bios_disable(char **argv, int argc, ixo_id_t *id)
{
    (void)argv;
    (void)argc;
    return id->xell == nullptr ? XEL_STATUS_FAILED : ixo_disable_bios(id->xell);
}

int ixo_bios_query(char **argv, int argc, ixo_id_t *id)
{
    (void)argv;
    (void)argc;
    return id->xell == nullptr ? XEL_STATUS_FAILED : ixo_display_bios_info(id->xell);
}
