#include "ixo_usage_text.h"

#include <algorithm>
#include <cstdio>
#include <cctype>
#include <cstring>
#include <sstream>
#include <unistd.h>

std::string ixo_capture_output(int fd, const std::function<void()> &fn)
{
    FILE *stream = fd == 2 ? stderr : stdout;
    std::fflush(stream);
    FILE *sink = std::tmpfile();
    int saved = sink ? dup(fd) : -1;
    if (saved < 0 || dup2(fileno(sink), fd) < 0) {
        if (saved >= 0)
            close(saved);
        if (sink)
            std::fclose(sink);
        return {};
    }
    fn();
    std::fflush(stream);
    dup2(saved, fd);
    close(saved);
    std::string text;
    std::rewind(sink);
    char buf[4096];
    for (size_t n; (n = std::fread(buf, 1, sizeof buf, sink)) > 0;)
        text.append(buf, n);
    std::fclose(sink);
    return text;
}

std::string ixo_usage_text(const ixo_cmd_class_desc_t &row, bool extended)
{
    if (row.usage == nullptr)
        return {};
    return ixo_capture_output(1, [&] { row.usage(extended); });
}

namespace {

size_t leading_tabs(const std::string &line)
{
    size_t n = 0;
    while (n < line.size() && line[n] == '\t')
        n++;
    return n;
}

std::string trim_right(std::string text)
{
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.pop_back();
    return text;
}

} // namespace

// A command's synopsis is a line of one tab and its command word; its
// description, the lines of two tabs or more until the next line of one
// tab or none. A blank line belongs to the description it stands in.
// The notes are what follows the last command.
std::vector<ixo_usage_entry> ixo_usage_entries(const std::string &text, std::vector<std::string> *notes)
{
    std::vector<ixo_usage_entry> entries;
    std::vector<std::string> after;
    bool open = false;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        size_t tabs = leading_tabs(line);
        std::string body = trim_right(line.substr(tabs));
        if (tabs == 1 && body.rfind("--", 0) == 0) {
            std::string command = body.substr(0, body.find(' '));
            if (!open || entries.back().command != command || !entries.back().description.empty())
                entries.push_back({command, {}, {}});
            after.clear();
            entries.back().synopsis.push_back(body);
            open = true;
        } else if (open && tabs >= 2) {
            ixo_usage_entry &entry = entries.back();
            // A synopsis too long for one line goes on below it.
            if (entry.description.empty() && body.rfind("[", 0) == 0)
                entry.synopsis.back() += " " + body;
            else
                entry.description.push_back(std::string(4 * (tabs - 2), ' ') + body);
        } else if (open && body.empty()) {
            entries.back().description.emplace_back();
        } else {
            open = false;
            if (!entries.empty())
                after.push_back(trim_right(line));
        }
    }
    for (ixo_usage_entry &entry : entries)
        while (!entry.description.empty() && entry.description.back().empty())
            entry.description.pop_back();
    while (!after.empty() && after.back().empty())
        after.pop_back();
    if (notes)
        *notes = after;
    return entries;
}

const ixo_usage_entry *ixo_usage_find(const std::vector<ixo_usage_entry> &entries, const std::string &command)
{
    auto it = std::find_if(entries.begin(), entries.end(), [&](const auto &e) { return e.command == command; });
    return it == entries.end() ? nullptr : &*it;
}

namespace {

bool literal_word(const std::string &word)
{
    if (word.empty() || word == "...")
        return false;
    return std::all_of(word.begin(), word.end(),
                       [](unsigned char c) { return std::isalnum(c) || c == '-' || c == '.'; });
}

void add_word(std::vector<std::string> *words, const std::string &word)
{
    if (std::find(words->begin(), words->end(), word) == words->end())
        words->push_back(word);
}

// The alternatives of a placeholder "<on | off>" or a switch "<-c>".
void placeholder_words(const std::string &inside, std::vector<std::string> *words)
{
    if (inside.find('|') == std::string::npos) {
        if (inside.rfind("-", 0) == 0 && literal_word(inside))
            add_word(words, inside);
        return;
    }
    std::istringstream in(inside);
    for (std::string alt; std::getline(in, alt, '|');) {
        alt.erase(0, alt.find_first_not_of(' '));
        alt = trim_right(alt);
        if (literal_word(alt))
            add_word(words, alt);
    }
}

} // namespace

// Placeholders in angle brackets go first; of the rest, a switch is a
// word, and a bare word only as one side of a "|" (a bare word elsewhere
// names a value: "-c count").
std::vector<std::string> ixo_usage_option_words(const std::string &synopsis)
{
    std::vector<std::string> words;
    std::string rest;
    size_t start = synopsis.find(' ');
    for (size_t i = start == std::string::npos ? synopsis.size() : start; i < synopsis.size(); i++) {
        if (synopsis[i] != '<') {
            rest += synopsis[i];
            continue;
        }
        size_t close = synopsis.find('>', i);
        if (close == std::string::npos)
            break;
        placeholder_words(synopsis.substr(i + 1, close - i - 1), &words);
        rest += ' ';
        i = close;
    }
    const char *separators = " []{}|";
    for (size_t i = 0; i < rest.size();) {
        size_t begin = rest.find_first_not_of(separators, i);
        if (begin == std::string::npos)
            break;
        size_t end = std::min(rest.find_first_of(separators, begin), rest.size());
        std::string word = rest.substr(begin, end - begin);
        size_t before = rest.find_last_not_of(' ', begin == 0 ? 0 : begin - 1);
        size_t after = rest.find_first_not_of(' ', end);
        bool choice = (begin > 0 && before != std::string::npos && rest[before] == '|') ||
                      (after != std::string::npos && rest[after] == '|');
        if (literal_word(word) && (word[0] == '-' || choice))
            add_word(&words, word);
        i = end;
    }
    return words;
}
