// libFuzzer target for the port log display: any log the driver returns
// (short ones padded with zeros) prints without a fault, whole lines
// only; a log with records counts at most the ring's 256 and ends with the
// closing rule.

#include "ixodebug.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>

namespace {

void check(bool ok, const char *what)
{
    if (!ok) {
        std::fprintf(stderr, "ixo_portlog_fuzz: %s\n", what);
        std::abort();
    }
}

// The display writes to standard output, which here is a scratch file.
std::string shown_by(const xel_plog_t &plog)
{
    static std::FILE *out = [] {
        std::FILE *f = std::tmpfile();
        check(f != nullptr && dup2(fileno(f), STDOUT_FILENO) >= 0, "no scratch file for standard output");
        return f;
    }();
    std::fflush(stdout);
    check(ftruncate(STDOUT_FILENO, 0) == 0 && lseek(STDOUT_FILENO, 0, SEEK_SET) == 0, "scratch file not reset");
    ixo_debug_portlog_print(plog);
    std::fflush(stdout);
    std::string text(static_cast<size_t>(lseek(STDOUT_FILENO, 0, SEEK_END)), '\0');
    check(pread(fileno(out), text.data(), text.size(), 0) == static_cast<ssize_t>(text.size()), "scratch file unread");
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    xel_plog_t plog{};
    std::memcpy(&plog, data, size < sizeof plog ? size : sizeof plog);
    std::string shown = shown_by(plog);
    check(!shown.empty() && shown.back() == '\n', "the display ends inside a line");

    size_t total = shown.find("Total records present = ");
    if (total == std::string::npos)
        return 0;
    int count = std::atoi(shown.c_str() + total + 24);
    check(count >= 1 && count <= XEL_PLOG_RECS, "a record count the ring cannot hold");
    const std::string closing = std::string(75, '-') + "\n";
    check(shown.size() >= closing.size() && shown.compare(shown.size() - closing.size(), closing.size(), closing) == 0,
          "no closing rule");
    return 0;
}
