// The front end's own status codes. They travel in the same integer as the
// library's xel_status_t: codes below 255 are library statuses, codes from
// 255 up belong to the front end.
#pragma once

enum e_cli_error {
    E_CLI_NO_ERROR = 0,
    E_CLI_TOO_FEW_ARGS = 4001,
    E_CLI_CMD_NOT_SUPPORTED = 4002,
    E_CLI_SYSTEM_BUSY = 4003,
    E_CLI_BAD_ARG = 4004,
    E_CLI_OPEN_ADAPTER_FAILED = 4005,
    E_CLI_INCORRECT_ARG = 4006,
    E_CLI_INCORRECT_CMD = 4007,
    E_CLI_BAD_WWN = 4008,
    E_CLI_BAD_MAC = 4009,
    E_CLI_BAD_LUN = 4010,
    E_CLI_INCORRECT_PORT_ID = 4011,
    E_CLI_INCORRECT_ADAPTER_ID = 4012,
    E_CLI_INCORRECT_PCIFN_ID = 4013,
    E_CLI_HELP = 4014,
    E_CLI_INCORRECT_STRING = 4015,
    E_CLI_QE_NO_INT = 4016,
    E_CLI_NO_FC_INFO = 4017,
    E_CLI_NO_ETH_INFO = 4018,
    E_CLI_INVALID_INTERVAL = 4019,
    E_CLI_BAD_CARD_TYPE = 4020,
    E_CLI_INCORRECT_CAPABILITY = 4021,
    E_CLI_BAD_NPORTS = 4022,
    E_CLI_INVALID_LUN = 4023,
    E_CLI_PORT0_ABSENT = 4024,
    E_CLI_CLASS_NOT_SUPPORTED = 4025,
    E_CLI_INCORRECT_MAC_OPTION = 4026,
    E_CLI_LIST_ERR = 4027,
    // A change the driver took but the configuration file did not.
    E_CLI_CONFIG_NOT_SAVED = 4028,
};

// Prints the text of a front-end code on standard error. argv is the
// command's argument vector, whose words fill the texts' placeholders.
void print_error_string(int err, char **argv, int argc);
