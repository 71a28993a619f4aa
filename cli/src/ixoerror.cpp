#include "ixo_errors.h"

#include "ixomain.h"
#include "ixotable.h"
#include "xell.h"
#include "xell_config.h"

#include <array>
#include <cstdio>
#include <cstring>

namespace {

struct cli_error_text {
    int code;
    const char *text;  // null: nothing is printed
    int arg1;          // argv index filling the first %s, or -1
    int arg2;          // argv index filling the second %s, or -1
    bool usage;        // the class usage follows the text
    bool no_adapter;   // on an empty host the no-adapter text replaces it
};

constexpr std::array cli_error_texts{
    cli_error_text{E_CLI_TOO_FEW_ARGS, "ERROR: Too few arguments/options provided for the command \"%s\"\n\n", 1, -1, true, false},
    cli_error_text{E_CLI_CMD_NOT_SUPPORTED, "ERROR: \"%s\" Command not supported\n\n", 2, -1, false, false},
    cli_error_text{E_CLI_SYSTEM_BUSY, "ERROR: System can not provide the required resources\n", -1, -1, false, false},
    cli_error_text{E_CLI_BAD_ARG, "ERROR: Please check the argument \"%s\" for command \"%s\"\n", 3, 2, false, false},
    cli_error_text{E_CLI_OPEN_ADAPTER_FAILED, "ERROR: Unable to open the adapter handle\n", -1, -1, false, false},
    cli_error_text{E_CLI_INCORRECT_ARG, "ERROR: Incorrect argument count for command \"%s\"\n", 2, -1, true, false},
    cli_error_text{E_CLI_INCORRECT_CMD, "ERROR: command \"%s\" syntax is incorrect or one of the parameters is incorrect\n", 2, -1, false, false},
    cli_error_text{E_CLI_BAD_WWN, "ERROR: Incorrectly formatted WWN\n", -1, -1, false, false},
    cli_error_text{E_CLI_BAD_MAC, "ERROR: Incorrectly formatted MAC\n", -1, -1, false, false},
    cli_error_text{E_CLI_BAD_LUN, "ERROR: Incorrectly formatted LUN\n", -1, -1, false, false},
    cli_error_text{E_CLI_INCORRECT_PORT_ID, "ERROR: port id \"%s\" in command is incorrect\n", 3, -1, false, true},
    cli_error_text{E_CLI_INCORRECT_ADAPTER_ID, "ERROR: adapter id \"%s\" in command is incorrect\n", 3, -1, false, true},
    cli_error_text{E_CLI_INCORRECT_PCIFN_ID, "ERROR: pcifn id \"%s\" in command is incorrect\n", 3, -1, false, true},
    cli_error_text{E_CLI_HELP, nullptr, -1, -1, false, false},
    cli_error_text{E_CLI_INCORRECT_STRING, "ERROR: Please check the string \"%s\"\n", 4, -1, false, false},
    cli_error_text{E_CLI_NO_FC_INFO, "ERROR: Could not find Storage functionality on the port (or adapter) \"%s\"\n", 3, -1, false, true},
    cli_error_text{E_CLI_NO_ETH_INFO, "ERROR: Could not find Ethernet functionality on the port (or adapter) \"%s\"\n", 3, -1, false, true},
    cli_error_text{E_CLI_INVALID_INTERVAL, "ERROR: Invalid interval value\n", -1, -1, false, false},
    cli_error_text{E_CLI_BAD_CARD_TYPE, "ERROR: Card model is incorrect\n", -1, -1, false, false},
    cli_error_text{E_CLI_INCORRECT_CAPABILITY, "ERROR: Card capabilities mask is incorrect\n", -1, -1, false, false},
    cli_error_text{E_CLI_BAD_NPORTS, "ERROR: Port count is incorrect\n", -1, -1, false, false},
    cli_error_text{E_CLI_INVALID_LUN, "ERROR: LUN Number out of range\n", -1, -1, false, false},
    cli_error_text{E_CLI_PORT0_ABSENT, "ERROR: Please load driver on first pci function of port 0 of the adapter.\n", -1, -1, false, true},
    cli_error_text{E_CLI_CLASS_NOT_SUPPORTED, "ERROR: \"%s\" Command class not supported\n\n", 1, -1, false, false},
    cli_error_text{E_CLI_INCORRECT_MAC_OPTION, "ERROR: MAC option is not valid for HBA mode\n", -1, -1, false, false},
    cli_error_text{E_CLI_LIST_ERR, nullptr, -1, -1, false, false},
};

const cli_error_text *ixo_find_error_text(int code)
{
    for (const cli_error_text &entry : cli_error_texts)
        if (entry.code == code)
            return &entry;
    return nullptr;
}

// A word the vector lacks prints as empty rather than reading past its end.
const char *ixo_arg(char **argv, int argc, int index)
{
    if (index < 0 || index >= argc || argv[index] == nullptr)
        return "";
    return argv[index];
}

} // namespace

void print_error_string(int err, char **argv, int argc)
{
    if (err == E_CLI_CONFIG_NOT_SAVED) {
        std::fprintf(stderr, "ERROR: Setting is active but not saved in %s: %s\n", xell_get_cfg_path(),
                     std::strerror(xell_config_unsaved()));
        return;
    }
    const cli_error_text *entry = ixo_find_error_text(err);
    if (entry == nullptr) {
        // Codes without a text of their own (4016 among them).
        std::fprintf(stderr, "ERROR: %s\n", xell_status_to_string(static_cast<xel_status_t>(err)));
        return;
    }
    if (entry->no_adapter && bNoAd) {
        std::fputs("ERROR: No Tessary adapter Found\n", stderr);
        return;
    }
    if (entry->text != nullptr)
        std::fprintf(stderr, entry->text, ixo_arg(argv, argc, entry->arg1), ixo_arg(argv, argc, entry->arg2));
    if (entry->usage)
        ixo_class_desc[ixo_cur_class].usage(false);
}
