#include "ixomain.h"

#include "ixo_errors.h"
#include "ixotable.h"
#include "xell.h"
#include "xell_config.h"

#include <cstdio>
#include <cstring>

int ixo_cur_class = 0;
bool bNoAd = false;

int ixo_get_class_id(const char *cls, int *idx)
{
    for (int i = 0; std::strcmp(ixo_class_desc[i].name, "none") != 0; i++) {
        if (std::strcmp(ixo_class_desc[i].name, cls) == 0) {
            *idx = i;
            return E_CLI_NO_ERROR;
        }
    }
    return E_CLI_CLASS_NOT_SUPPORTED;
}

int ixo_get_cmd_id(const char *cmd, int cls, int *idx)
{
    const ixo_cmd_class_desc_t &row = ixo_class_desc[cls];
    for (int i = 0; i < row.num_cmd; i++) {
        if (std::strcmp(row.cmds[i].name, cmd) == 0) {
            *idx = i;
            return E_CLI_NO_ERROR;
        }
    }
    return E_CLI_CMD_NOT_SUPPORTED;
}

// argc counts the words behind the command word, the target included.
int ixo_validate_arg_count(int cls, int cmd, int argc)
{
    const ixo_cmd_desc_t &row = ixo_class_desc[cls].cmds[cmd];
    if (argc < row.min_args || argc > row.max_args)
        return E_CLI_INCORRECT_ARG;
    return E_CLI_NO_ERROR;
}

namespace {

// Scans the adapters, resolves the target and runs the handler; the
// adapter model is released on every path after the scan.
int ixo_run_command(int argc, char **argv, int cmd)
{
    int n = xell_adapter_scan();
    if (n == 0)
        bNoAd = true;
    if (n <= 0 && xell_get_last_error() != XEL_STATUS_OK)
        return xell_get_last_error();
    if (xell_get_last_error() == XEL_STATUS_REG_FAIL)
        std::fprintf(stderr, "Warning: %s\n", xell_status_to_string(XEL_STATUS_REG_FAIL));

    // With no target word the id stays unresolved; handlers must not read it.
    ixo_id_t id{};
    if (argc > 3) {
        int status = ixo_get_id(argv[3], ixo_cur_class, cmd, &id);
        if (status != E_CLI_NO_ERROR) {
            xell_adapter_free();
            return status;
        }
    }
    ixo_cmd_handler_t handler = ixo_class_desc[ixo_cur_class].cmds[cmd].handler;
    int status = handler ? handler(argv, argc, &id) : E_CLI_CMD_NOT_SUPPORTED;
    if (xell_config_unsaved() != 0)
        status = E_CLI_CONFIG_NOT_SAVED;
    xell_adapter_free();
    return status;
}

} // namespace

int ixo_main(int argc, char **argv)
{
    bNoAd = false;
    int status = ixo_get_class_id(argv[1], &ixo_cur_class);
    if (status != E_CLI_NO_ERROR)
        return status;
    const ixo_cmd_class_desc_t &row = ixo_class_desc[ixo_cur_class];
    if (argc == 2) {
        row.usage(false);
        return E_CLI_NO_ERROR;
    }
    bool extended = std::strcmp(argv[2], "--ehelp") == 0;
    if (extended || std::strcmp(argv[2], "--help") == 0) {
        row.usage(extended);
        return E_CLI_NO_ERROR;
    }
    int cmd = 0;
    status = ixo_get_cmd_id(argv[2], ixo_cur_class, &cmd);
    if (status != E_CLI_NO_ERROR)
        return status;
    status = ixo_validate_arg_count(ixo_cur_class, cmd, argc - 3);
    if (status != E_CLI_NO_ERROR)
        return status;
    return ixo_run_command(argc, argv, cmd);
}

int ixo_cmdline_parser(int argc, char **argv)
{
    if (std::strcmp(argv[1], "shell") == 0) {
        if (argc > 2) {
            std::fputs("too many arguments for command \"shell\"\n", stdout);
            return E_CLI_INCORRECT_ARG;
        }
        return ixo_shell();
    }
    int status = ixo_main(argc, argv);
    if (status == 0)
        return status;
    if (status <= XEL_STATUS_MAX_VAL)
        std::fprintf(stderr, "ERROR: %s\n", xell_status_to_string(static_cast<xel_status_t>(status)));
    else
        print_error_string(status, argv, argc);
    return status;
}

int ixo_run(int argc, char **argv)
{
    if (argc == 1) {
        ixo_print_help(false);
        return 0;
    }
    if (std::strcmp(argv[1], "--complete") == 0)
        return ixo_complete(argc - 2, argv + 2);
    if (argc == 2 && std::strcmp(argv[1], "shell") != 0 && ixo_internal_command(argv[1]))
        return 0;
    xell_libinit(0);
    int status = ixo_cmdline_parser(argc, argv);
    xell_libexit();
    return status;
}
