#include "xell_sys.h"

#include <fcntl.h>

bool xell_os_read_file(const char *path, std::string *text, bool *opened)
{
    xell_sys &os = xell_os();
    int fd = os.open(path, O_RDONLY);
    if (opened != nullptr)
        *opened = fd >= 0;
    if (fd < 0)
        return false;
    text->clear();
    char buf[4096];
    ssize_t n;
    while ((n = os.read(fd, buf, sizeof buf)) > 0)
        text->append(buf, static_cast<size_t>(n));
    os.close(fd);
    return n == 0;
}

int xell_os_write_text(const char *path, const std::string &text)
{
    xell_sys &os = xell_os();
    int fd = os.open(path, O_WRONLY);
    if (fd < 0)
        return -1;
    ssize_t n = os.write(fd, text.data(), text.size());
    os.close(fd);
    return n == static_cast<ssize_t>(text.size()) ? 0 : -1;
}
