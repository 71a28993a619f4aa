// libFuzzer target for the shell's line reader: any input is read to its
// end, a line at a time, without a fault; each read takes at least one byte,
// so the shell cannot spin; and every command line yields words of spaces
// removed that fit one line. The words then go through the command runner's
// lookups of class, command and argument count, which run nothing.

#include "ixomain.h"
#include "ixoshell.h"
#include "ixotable.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <string>
#include <vector>

namespace {

void check(bool ok, const char *what)
{
    if (!ok) {
        std::fprintf(stderr, "ixo_shell_fuzz: %s\n", what);
        std::abort();
    }
}

void look_up(std::vector<std::string> &words)
{
    int cls = 0;
    if (ixo_get_class_id(words[0].c_str(), &cls) != 0 || words.size() < 2)
        return;
    check(cls >= 0 && cls < static_cast<int>(std::size(ixo_class_desc)) - 1, "a class outside the table");
    int cmd = 0;
    if (ixo_get_cmd_id(words[1].c_str(), cls, &cmd) != 0)
        return;
    check(cmd >= 0 && cmd < ixo_class_desc[cls].num_cmd, "a command outside its class");
    check(words[1] == ixo_class_desc[cls].cmds[cmd].name, "a command found by another name");
    (void)ixo_validate_arg_count(cls, cmd, static_cast<int>(words.size()) - 2);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    std::vector<char> bytes(data, data + size);
    FILE *in = fmemopen(bytes.data(), bytes.size(), "r");
    check(in != nullptr, "fmemopen failed");
    std::vector<std::string> words;
    size_t reads = 0;
    for (;;) {
        ixo_shell_line line = ixo_shell_read_line(in, &words);
        check(++reads <= size + 1, "more lines than bytes");
        if (line == ixo_shell_line::end)
            break;
        if (line != ixo_shell_line::command) {
            check(words.empty(), "words for a line that runs nothing");
            continue;
        }
        check(!words.empty(), "a command of no word");
        size_t length = words.size() - 1;
        for (const std::string &word : words) {
            check(!word.empty(), "an empty word");
            check(word.find_first_of(std::string(" \n\0", 3)) == std::string::npos, "a space, newline or NUL in a word");
            length += word.size();
        }
        check(length <= 255, "a line longer than 255 characters");
        look_up(words);
    }
    std::fclose(in);
    return 0;
}
