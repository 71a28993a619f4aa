// The listing that shell completion reads: "ixo --complete WORD..." prints,
// one per line, the words that may follow the words given (none, a class,
// a class and its command, or more): the classes, a class's commands, the
// targets of the command's kind found on this host, and the option words
// of the command's usage. It prints nothing for words it does not know,
// and always exits 0.
#include "ixomain.h"

#include "ixo_usage_text.h"
#include "ixotable.h"
#include "xell.h"
#include "xell_adapter.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

using words_t = std::vector<std::string>;

// Each word once, in the order first found.
void print_words(const words_t &words)
{
    words_t printed;
    for (const std::string &word : words) {
        if (std::find(printed.begin(), printed.end(), word) != printed.end())
            continue;
        printed.push_back(word);
        std::printf("%s\n", word.c_str());
    }
}

words_t class_words()
{
    words_t words{"shell", "--help", "--ehelp", "--version"};
    for (const ixo_cmd_class_desc_t *row = ixo_class_desc; std::string(row->name) != "none"; row++)
        if (row->os & E_LINUX)
            words.emplace_back(row->name);
    return words;
}

words_t command_words(const ixo_cmd_class_desc_t &row)
{
    words_t words;
    for (int i = 0; i < row.num_cmd; i++)
        words.emplace_back(row.cmds[i].name);
    words.emplace_back("--help");
    words.emplace_back("--ehelp");
    return words;
}

words_t option_words(const ixo_cmd_class_desc_t &row, const ixo_cmd_desc_t &cmd)
{
    words_t words;
    const auto entries = ixo_usage_entries(ixo_usage_text(row, true));
    if (const ixo_usage_entry *entry = ixo_usage_find(entries, cmd.name))
        for (const std::string &line : entry->synopsis)
            for (const std::string &word : ixo_usage_option_words(line))
                words.push_back(word);
    return words;
}

// The port's functions of the driver path, storage ones first.
std::vector<const xell_t *> path_functions(const xell_port_t &port, ixo_drv_path_t path)
{
    std::vector<const xell_t *> iocs;
    if (path != PATH_ETH)
        for (const auto &ioc : port.fcioc_list)
            iocs.push_back(ioc.get());
    if (path != PATH_FC)
        for (const auto &ioc : port.ethioc_list)
            iocs.push_back(ioc.get());
    return iocs;
}

// Which target words a command's kind takes.
struct target_kinds {
    bool adapters = false;
    bool ports = false;     // adapter/port and port names
    bool functions = false; // adapter/port/pcifn
};

void add_port_words(const xell_port_t &port, const std::string &ad, ixo_drv_path_t path, target_kinds kinds,
                    words_t *words)
{
    auto iocs = path_functions(port, path);
    if (iocs.empty())
        return;
    std::string ap = ad + "/" + std::to_string(port.id);
    if (kinds.ports)
        words->push_back(ap);
    for (const xell_t *ioc : iocs) {
        if (kinds.functions)
            words->push_back(ap + "/" + std::to_string(ioc->pcifn_id));
        if (kinds.ports && ioc->port_name[0] != '\0')
            words->emplace_back(ioc->port_name);
    }
}

void collect_targets(ixo_drv_path_t path, target_kinds kinds, words_t *words)
{
    xell_libinit(0);
    if (xell_adapter_scan() > 0) {
        for (unsigned a = 1; a <= xell_adapter_get_count(); a++) {
            xell_adapter_t *adapter = xell_adapter_get_by_idx(static_cast<int>(a));
            if (adapter == nullptr)
                continue;
            std::string ad = std::to_string(a);
            if (kinds.adapters) {
                words->push_back(ad);
                if (adapter->name[0] != '\0')
                    words->emplace_back(adapter->name);
            }
            for (const auto &port : adapter->port_list)
                add_port_words(*port, ad, path, kinds, words);
        }
    }
    xell_adapter_free();
    xell_libexit();
}

// adapter numbers and names; adapter/port and port names; with pcifn
// kinds also adapter/port/pcifn.
words_t target_words(const ixo_cmd_desc_t &cmd)
{
    words_t words;
    target_kinds kinds;
    kinds.adapters = cmd.id_desc == ADAPTER_ID;
    kinds.ports = cmd.id_desc == PORT_ID || cmd.id_desc == PCIFN_ID || cmd.id_desc == PORT_FIRST_IOC;
    kinds.functions = cmd.id_desc == PCIFN_ID || cmd.id_desc == PCIFN_FIRST_IOC;
    if (!kinds.adapters && !kinds.ports && !kinds.functions)
        return words;
    // What the library prints while it scans (a driver version warning)
    // is not a word to offer.
    ixo_capture_output(1, [&] { collect_targets(cmd.drv_path, kinds, &words); });
    return words;
}

} // namespace

int ixo_complete(int nwords, char **words)
{
    if (nwords == 0) {
        print_words(class_words());
        return 0;
    }
    int cls = 0;
    if (ixo_get_class_id(words[0], &cls) != 0)
        return 0;
    const ixo_cmd_class_desc_t &row = ixo_class_desc[cls];
    if (nwords == 1) {
        print_words(command_words(row));
        return 0;
    }
    int cmd = 0;
    if (ixo_get_cmd_id(words[1], cls, &cmd) != 0)
        return 0;
    const ixo_cmd_desc_t &desc = row.cmds[cmd];
    words_t out;
    if (nwords == 2)
        out = target_words(desc);
    if (nwords > 2 || out.empty() || desc.min_args == 0)
        for (const std::string &word : option_words(row, desc))
            out.push_back(word);
    print_words(out);
    return 0;
}
