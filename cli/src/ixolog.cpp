// The log command: the severity threshold of the driver's log modules.
#include "ixo_commands.h"
#include "ixo_errors.h"
#include "ixo_usage.h"
#include "xell_log.h"
#include "xell_state.h"

#include <strings.h>

#include <cstdio>
#include <cstring>
#include <iterator>

void ixo_log_usage(bool bhelp)
{
    (void)bhelp;
    std::fputs("\nUsage: ixo log [OPTIONS] [ARGUMENTS] ...\n"
               "Direct driver log specific commands using this option\n"
               "Example: ixo log --level <pcifn> Warning\n"
               "Available commands are:\n"
               "\t--level <pcifn> [Critical | Error | Warning | Info]"
               " [-m {fw | hal | fcs | drv | aen | all}]\n"
               "\t\tQuery or set the log level\n"
               "\t\t-m: Log module, default all\n"
               "\t\tThe module can not be chosen on an Ethernet pcifn\n\n",
               stdout);
    ixo_usage_pcifn_id_forms();
}

namespace {

struct ixo_log_args {
    uint32_t level = XEL_LOG_WARNING;
    int16_t module = XEL_LOG_MODULE_ID_ALL;
    bool level_given = false;
};

int ixo_log_module(const char *word, int16_t *module)
{
    static constexpr struct {
        const char *name;
        int16_t id;
    } modules[] = {{"fw", XEL_LOG_FW_ID},   {"hal", XEL_LOG_HAL_ID}, {"fcs", XEL_LOG_FCS_ID},
                   {"drv", XEL_LOG_DRV_ID}, {"aen", XEL_LOG_AEN_ID}, {"all", XEL_LOG_MODULE_ID_ALL}};
    for (const auto &m : modules) {
        if (strcasecmp(word, m.name) == 0) {
            *module = m.id;
            return E_CLI_NO_ERROR;
        }
    }
    return E_CLI_INCORRECT_CMD;
}

int ixo_log_parse(char **argv, int argc, bool eth, ixo_log_args *args)
{
    static constexpr const char *levels[] = {"critical", "error", "warning", "info"};
    for (int i = 4; i < argc; i++) {
        const char *word = argv[i];
        bool is_level = false;
        for (uint32_t l = 0; l < std::size(levels); l++) {
            if (strcasecmp(word, levels[l]) != 0)
                continue;
            if (args->level_given)
                return E_CLI_INCORRECT_ARG;
            args->level = l + 1;
            args->level_given = is_level = true;
        }
        if (is_level)
            continue;
        if (std::strcmp(word, "-m") != 0 || i + 1 >= argc)
            return E_CLI_INCORRECT_CMD;
        if (eth) {
            std::fputs("Eth pcifn does not allow configuring module logs \n", stdout);
            return E_CLI_INCORRECT_CMD;
        }
        int status = ixo_log_module(argv[++i], &args->module);
        if (status != E_CLI_NO_ERROR)
            return status;
    }
    return E_CLI_NO_ERROR;
}

const char *ixo_log_level_name(uint32_t level)
{
    return xell_log_severity_to_string(static_cast<int32_t>(level));
}

// One module's level; the first failure of the modules asked is the
// command's status.
xel_status_t ixo_log_show(xell_t *ioc, int16_t module, const char *format)
{
    uint32_t level = 0;
    xel_status_t status = xell_log_get_level(ioc, &level, module);
    if (status == XEL_STATUS_OK)
        std::printf(format, ixo_log_level_name(level));
    return status;
}

xel_status_t ixo_log_show_all(xell_t *ioc)
{
    static constexpr struct {
        int16_t module;
        const char *format;
    } modules[] = {{XEL_LOG_FW_ID, "FW log level is %s\n"},
                   {XEL_LOG_HAL_ID, "HAL log level is %s\n"},
                   {XEL_LOG_FCS_ID, "FCS log level is %s\n"},
                   {XEL_LOG_DRV_ID, "DRV log level is %s\n"},
                   {XEL_LOG_AEN_ID, "AEN log level is %s\n"}};
    xel_status_t result = XEL_STATUS_OK;
    for (const auto &m : modules) {
        xel_status_t status = ixo_log_show(ioc, m.module, m.format);
        if (result == XEL_STATUS_OK)
            result = status;
    }
    return result;
}

} // namespace

int ixo_log_level(char **argv, int argc, ixo_id_t *id)
{
    xell_t *ioc = id->xell;
    if (ioc == nullptr)
        return XEL_STATUS_FAILED;
    bool eth = xell_ioc_get_ioc_type(ioc) == XEL_IOC_TYPE_LL;
    ixo_log_args args;
    int status = ixo_log_parse(argv, argc, eth, &args);
    if (status == E_CLI_NO_ERROR) {
        if (eth)
            args.module = XEL_LOG_FUNCTION_ID;
        if (!args.level_given) {
            if (args.module == XEL_LOG_MODULE_ID_ALL)
                status = ixo_log_show_all(ioc);
            else
                status = ixo_log_show(ioc, args.module, "Log level is %s\n");
        } else {
            status = xell_log_set_level(ioc, args.level, args.module);
            if (status == XEL_STATUS_OK)
                std::printf("Log level set to %s\n", ixo_log_level_name(args.level));
        }
    }
    xell_ioc_close(ioc);
    return status;
}
