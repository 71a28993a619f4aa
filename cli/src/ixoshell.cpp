#include "ixoshell.h"

#include "ixomain.h"

#include <array>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

// A shell line holds at most this many characters; the rest of a longer
// input line is read as the next line.
constexpr int max_line = 255;

// Words are separated by spaces only (tabs belong to words); runs of spaces
// count as one separator.
std::vector<std::string> ixo_split_words(const char *line)
{
    std::vector<std::string> words;
    const char *p = line;
    while (*p != '\0') {
        while (*p == ' ')
            p++;
        const char *start = p;
        while (*p != '\0' && *p != ' ')
            p++;
        if (p != start)
            words.emplace_back(start, p);
    }
    return words;
}

// Runs one line through the command runner as if it were "ixo <words>".
int ixo_shell_run_line(const std::vector<std::string> &words)
{
    std::vector<std::string> args{"ixo"};
    args.insert(args.end(), words.begin(), words.end());
    std::vector<char *> argv;
    for (std::string &word : args)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    return ixo_main(static_cast<int>(args.size()), argv.data());
}

} // namespace

ixo_shell_line ixo_shell_read_line(FILE *in, std::vector<std::string> *words)
{
    std::array<char, max_line + 1> line{};
    words->clear();
    if (std::fgets(line.data(), static_cast<int>(line.size()), in) == nullptr)
        return ixo_shell_line::end;
    size_t len = std::strlen(line.data());
    if (len > 0 && line[len - 1] == '\n')
        line[--len] = '\0';
    if (std::strcmp(line.data(), "quit") == 0 || std::strcmp(line.data(), "exit") == 0)
        return ixo_shell_line::quit;
    if (len < 3 && std::strcmp(line.data(), "-v") != 0)
        return ixo_shell_line::skip;
    *words = ixo_split_words(line.data());
    return words->empty() ? ixo_shell_line::skip : ixo_shell_line::command;
}

// The interactive shell. No error text is printed for a failing command: the
// user sees what the command itself printed. Returns the last status.
int ixo_shell()
{
    int last_status = 0;
    std::vector<std::string> words;
    for (;;) {
        std::fputs("\nixo> ", stdout);
        std::fflush(stdout);
        switch (ixo_shell_read_line(stdin, &words)) {
        case ixo_shell_line::end:
        case ixo_shell_line::quit:
            return last_status;
        case ixo_shell_line::skip:
            continue;
        case ixo_shell_line::command:
            break;
        }
        int status = ixo_shell_run_line(words);
        if (status == -1)
            return -1;
        last_status = status;
    }
}
