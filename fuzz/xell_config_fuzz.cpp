// libFuzzer target for the configuration loader: any file loads without a
// fault, what the store would write back is always a well-formed file that
// the loader reads line for line, and once written back, a file stays as
// it is. (A global line that no record held at loading is written with
// record 0's value, which the next load may give to no record: so the
// first write-back can still change, the second no more.)

#include "sim_rooted_sys.h"
#include "temp_root.h"
#include "xell_config.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// The seam maps /etc/xel.conf under a directory of its own.
struct FuzzRoot {
    FuzzRoot()
    {
        temp.mkdir("/etc");
        xell_os_install(&sys);
    }
    ~FuzzRoot() { xell_os_install(nullptr); }
    TempRoot temp;
    const std::string &root = temp.path();
    RootedSys sys{root};
};

void check(bool ok, const char *what)
{
    if (!ok) {
        std::fprintf(stderr, "xell_config_fuzz: %s\n", what);
        std::abort();
    }
}

// Loads the bytes as the file and returns what a write-back would write.
std::string load_and_render(const std::string &root, const char *data, size_t size)
{
    int fd = ::open((root + "/etc/xel.conf").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    check(fd >= 0 && ::write(fd, data, size) == static_cast<ssize_t>(size) && ::close(fd) == 0, "cannot write input");
    check(xell_config_load(xell_get_cfg_path()) == XEL_STATUS_OK, "load failed");
    std::string text = xell_config_text();
    xell_config_unload();
    return text;
}

// Every line ends in a newline, and none in a carriage return, which the
// loader would take for part of the line end.
void check_well_formed(const std::string &text)
{
    size_t start = 0;
    while (start < text.size()) {
        size_t nl = text.find('\n', start);
        check(nl != std::string::npos, "last line without newline");
        check(nl == start || text[nl - 1] != '\r', "line ending in a carriage return");
        start = nl + 1;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static FuzzRoot fuzz_root;
    std::string text = load_and_render(fuzz_root.root, reinterpret_cast<const char *>(data), size);
    check_well_formed(text);
    std::string again = load_and_render(fuzz_root.root, text.data(), text.size());
    check_well_formed(again);
    check(load_and_render(fuzz_root.root, again.data(), again.size()) == again, "a written file changes when written again");
    return 0;
}
