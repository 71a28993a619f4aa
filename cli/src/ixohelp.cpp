#include "ixomain.h"

#include "ixotable.h"

#include <array>
#include <cstdio>
#include <cstring>

namespace {

constexpr std::array<const char *, TYPE_MAX> help_headings{
    "Common Adapter (HBA/CNA) Commands:",
    "CNA specific Commands:",
    "FC/FCoE specific Commands:",
    "ETH specific Commands:",
};

constexpr int names_per_line = 6;

bool ixo_help_lists(const ixo_cmd_class_desc_t &row, int type, bool bishelp)
{
    if (row.cmd_type != type || (row.os & E_LINUX) == 0)
        return false;
    return bishelp || (row.os & E_HIDDEN) == 0;
}

} // namespace

const char *ixo_get_version()
{
    return "3.1.0.0 06/15/2012 08.53.43";
}

void ixo_print_version()
{
    std::fputs("\nTessary CLI utility\n", stdout);
    std::printf("Version:%s\n\n", ixo_get_version());
}

// Lists the classes by help group; bishelp also lists the hidden ones.
void ixo_print_help(bool bishelp)
{
    std::fputs("\nAvailable command options are:", stdout);
    for (int type = COMMON; type < TYPE_MAX; type++) {
        std::printf("\n\n%s\n", help_headings[type]);
        int listed = 0;
        for (const ixo_cmd_class_desc_t *row = ixo_class_desc; std::strcmp(row->name, "none") != 0; row++) {
            if (!ixo_help_lists(*row, type, bishelp))
                continue;
            if (listed == names_per_line) {
                std::fputs("\n", stdout);
                listed = 0;
            }
            std::printf("%-9s", row->name);
            listed++;
        }
    }
    std::fputs("\n\n", stdout);
}

bool ixo_internal_command(const char *cmd)
{
    if (std::strcmp(cmd, "--help") == 0 || std::strcmp(cmd, "--ehelp") == 0)
        ixo_print_help(std::strcmp(cmd, "--ehelp") == 0);
    else if (std::strcmp(cmd, "-v") == 0 || std::strcmp(cmd, "--version") == 0)
        ixo_print_version();
    else
        return false;
    return true;
}
