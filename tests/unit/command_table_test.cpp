#include "ixo_errors.h"
#include "ixomain.h"
#include "ixotable.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

int class_count()
{
    int n = 0;
    while (std::strcmp(ixo_class_desc[n].name, "none") != 0)
        n++;
    return n;
}

} // namespace

TEST(CommandTable, ClassesEndWithTheClosingRow)
{
    ASSERT_EQ(class_count(), 29);
    const ixo_cmd_class_desc_t &none = ixo_class_desc[29];
    EXPECT_EQ(none.num_cmd, 0);
    EXPECT_EQ(none.cmd_type, TYPE_MAX);
    EXPECT_EQ(none.os, E_INVALID);
    EXPECT_EQ(none.cmds, nullptr);
}

// Lookups are linear and exact, so every row must be reachable: names are
// unique, begin with "--" and stand in alphabetical order; bounds are sane.
TEST(CommandTable, RowsAreWellFormed)
{
    for (int c = 0; c < class_count(); c++) {
        const ixo_cmd_class_desc_t &cls = ixo_class_desc[c];
        ASSERT_NE(cls.usage, nullptr) << cls.name;
        for (int i = 0; i < cls.num_cmd; i++) {
            const ixo_cmd_desc_t &row = cls.cmds[i];
            std::string where = std::string(cls.name) + " " + row.name;
            EXPECT_EQ(std::strncmp(row.name, "--", 2), 0) << where;
            EXPECT_LE(0, row.min_args) << where;
            EXPECT_LE(row.min_args, row.max_args) << where;
            if (i > 0) {
                EXPECT_LT(std::strcmp(cls.cmds[i - 1].name, row.name), 0) << where;
            }
        }
    }
}

TEST(CommandTable, LookupsAreExactAndCaseSensitive)
{
    int cls = -1;
    EXPECT_EQ(ixo_get_class_id("adapter", &cls), E_CLI_NO_ERROR);
    EXPECT_EQ(cls, 0);
    EXPECT_EQ(ixo_get_class_id("Adapter", &cls), E_CLI_CLASS_NOT_SUPPORTED);
    EXPECT_EQ(ixo_get_class_id("none", &cls), E_CLI_CLASS_NOT_SUPPORTED);
    EXPECT_EQ(ixo_get_class_id("vport", &cls), E_CLI_NO_ERROR);
    EXPECT_EQ(cls, 28);

    int cmd = -1;
    EXPECT_EQ(ixo_get_class_id("port", &cls), E_CLI_NO_ERROR);
    EXPECT_EQ(ixo_get_cmd_id("--topology", cls, &cmd), E_CLI_NO_ERROR);
    EXPECT_EQ(cmd, 24);
    EXPECT_EQ(ixo_get_cmd_id("topology", cls, &cmd), E_CLI_CMD_NOT_SUPPORTED);
    EXPECT_EQ(ixo_get_cmd_id("--Topology", cls, &cmd), E_CLI_CMD_NOT_SUPPORTED);
}

TEST(CommandTable, ArgumentCountBounds)
{
    struct {
        const char *cls;
        const char *cmd;
        int words;
        int status;
    } const cases[] = {
        {"adapter", "--list", 0, E_CLI_NO_ERROR},
        {"adapter", "--list", 1, E_CLI_INCORRECT_ARG},
        {"adapter", "--query", 0, E_CLI_INCORRECT_ARG},
        {"adapter", "--query", 2, E_CLI_NO_ERROR},
        {"adapter", "--query", 3, E_CLI_INCORRECT_ARG},
        {"port", "--list", 1, E_CLI_NO_ERROR},
        {"port", "--list", 2, E_CLI_INCORRECT_ARG},
        {"mfg", "--update", 6, E_CLI_INCORRECT_ARG},
        {"mfg", "--update", 7, E_CLI_NO_ERROR},
        {"mfg", "--update", 12, E_CLI_NO_ERROR},
        {"mfg", "--update", 13, E_CLI_INCORRECT_ARG},
        {"bios", "--enable", 19, E_CLI_NO_ERROR},
        {"qos", "--setbw", 6, E_CLI_INCORRECT_ARG},
    };
    for (const auto &c : cases) {
        int cls = -1;
        int cmd = -1;
        ASSERT_EQ(ixo_get_class_id(c.cls, &cls), E_CLI_NO_ERROR);
        ASSERT_EQ(ixo_get_cmd_id(c.cmd, cls, &cmd), E_CLI_NO_ERROR);
        EXPECT_EQ(ixo_validate_arg_count(cls, cmd, c.words), c.status) << c.cls << " " << c.cmd << " " << c.words;
    }
}
