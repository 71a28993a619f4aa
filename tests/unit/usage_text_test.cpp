#include "ixo_usage_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using words_t = std::vector<std::string>;

// Option words of synopsis lines as the usage printers write them.
TEST(UsageText, OptionWordsOfASynopsis)
{
    const struct {
        const char *synopsis;
        words_t words;
    } cases[] = {
        {"--query <port_id>", {}},
        {"--list [-verbose | -terse]", {"-verbose", "-terse"}},
        {"--mode <port_id> {HBA|CNA|NIC} [-f]", {"HBA", "CNA", "NIC", "-f"}},
        {"--autostart <ad_id> <on | off>", {"on", "off"}},
        {"--perf <port_range|all> [-c count] [-i interval]", {"all", "-c", "-i"}},
        {"--memread <pcifn> [kva] [nwords]", {}},
        {"--ioperf <pcifn> [-l [lpwwn]] [-r [rpwwn]]", {"-l", "-r"}},
        {"--level <pcifn> [Critical | Error] [-m {fw | all}]", {"Critical", "Error", "-m", "fw", "all"}},
        {"--intr <pcifn> <-c> {on | off} [<latency> <delay>]", {"-c", "on", "off"}},
        {"--enable <port_id> [-s <speed>] [-b <pwwn,lun>] ...", {"-s", "-b"}},
        {"--regread <port_id> <addr> [<nwords>] [--force]", {"--force"}},
        {"--speed <port_id> [1|2|4|auto]", {"1", "2", "4", "auto"}},
        {"--list", {}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ixo_usage_option_words(c.synopsis), c.words) << c.synopsis;
}

// Entries: a synopsis given twice, one continued on the next line, a
// blank line inside a description, and the target forms after the last
// command kept apart as notes.
TEST(UsageText, EntriesOfAUsageText)
{
    const std::string text = "\nUsage: ixo x [OPTIONS]\nAvailable commands are:\n"
                             "\t--update <ad_id> <file>\n"
                             "\t--update <file> -a\n"
                             "\t\tUpdate the boot code\n"
                             "\t\t\t-a: all adapters\n"
                             "\n"
                             "\t\tAfter a blank line\n"
                             "\n"
                             "\t--loop <port_id> [-t <type>]\n"
                             "\t\t[-c <count>]\n"
                             "\t\tRuns the test\n"
                             "\n\n"
                             "\tport id could be any of:\n"
                             "\t\t<adapter_id/port_id>\n";
    words_t notes;
    auto entries = ixo_usage_entries(text, &notes);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].command, "--update");
    EXPECT_EQ(entries[0].synopsis, (words_t{"--update <ad_id> <file>", "--update <file> -a"}));
    EXPECT_EQ(entries[0].description, (words_t{"Update the boot code", "    -a: all adapters", "", "After a blank line"}));
    EXPECT_EQ(entries[1].synopsis, (words_t{"--loop <port_id> [-t <type>] [-c <count>]"}));
    EXPECT_EQ(entries[1].description, (words_t{"Runs the test"}));
    EXPECT_EQ(ixo_usage_find(entries, "--loop"), &entries[1]);
    EXPECT_EQ(ixo_usage_find(entries, "--none"), nullptr);
    EXPECT_EQ(notes, (words_t{"\tport id could be any of:", "\t\t<adapter_id/port_id>"}));
}
