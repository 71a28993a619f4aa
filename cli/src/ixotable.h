// The command table: every class word, every command word, its argument
// bounds, the kind of target it names and the handler that runs it.
#pragma once

#include "ixo_id.h"

enum ixo_cmd_type_t { COMMON = 0, CNA = 1, FC = 2, ETH = 3, TYPE_MAX = 4 };

enum ixo_cmd_os_t {
    E_INVALID = 0,
    E_WINDOWS = 1,
    E_SOLARIS = 2,
    E_VMWARE = 4,
    E_LINUX = 8,
    E_ALL = 15,
    E_HIDDEN = 16,
};

enum ixo_id_desc_t {
    PORT_ID = 0,
    ADAPTER_ID = 1,
    PCIFN_ID = 2,
    TEAM_ID = 3,
    PORT_FIRST_IOC = 4,
    PCIFN_FIRST_IOC = 5,
    PCIFN_ID_STRICT = 6,
    ID_NONE = 7,
};

enum ixo_drv_path_t { PATH_FC = 0, PATH_ETH = 1, PATH_ANY = 2, PATH_ANY_OPER = 3 };

// argv is the whole vector: program, class, command, target, arguments.
using ixo_cmd_handler_t = int (*)(char **argv, int argc, ixo_id_t *id);
using ixo_cmd_usage_t = void (*)(bool bhelp);

struct ixo_cmd_desc_t {
    const char *name;
    int min_args;
    int max_args;
    ixo_id_desc_t id_desc;
    ixo_drv_path_t drv_path;
    ixo_cmd_handler_t handler; // null: the command answers "not supported"
};

struct ixo_cmd_class_desc_t {
    const char *name;
    int num_cmd;
    ixo_cmd_type_t cmd_type;
    int os; // ixo_cmd_os_t bits
    const ixo_cmd_desc_t *cmds;
    ixo_cmd_usage_t usage;
};

// 29 classes and a closing row named "none"; searches stop at that row.
extern const ixo_cmd_class_desc_t ixo_class_desc[30];
