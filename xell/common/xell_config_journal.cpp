// Rewriting the configuration file in place without ever leaving it torn.
//
// The file keeps its inode, so that its owner, group, mode, hard links and
// symbolic links stay as they are, and so that every program that locks
// the file (not the path) is serialised with us. The new text goes first
// to a journal beside the file, whose trailer proves it complete; only
// then is the file itself rewritten. A load that finds a complete journal
// finishes the rewrite; an incomplete one never touched the file.

#include "xell_config_internal.h"
#include "xell_sys.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <cinttypes>
#include <cstdio>

namespace {

uint64_t fnv1a64(std::string_view text)
{
    uint64_t hash = 14695981039346656037ULL;
    for (unsigned char c : text)
        hash = (hash ^ c) * 1099511628211ULL;
    return hash;
}

std::string trailer_of(std::string_view text)
{
    char buf[96];
    std::snprintf(buf, sizeof buf, "#xel.conf journal: %020zu bytes, fnv1a64 %016" PRIx64 "\n", text.size(),
                  fnv1a64(text));
    return buf;
}

// Of fixed length, whatever the text.
const size_t trailer_size = trailer_of("").size();

std::string journal_path(const char *path)
{
    return std::string(path) + ".journal";
}

std::string dir_of(const std::string &path)
{
    size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// Makes a directory entry created or removed beside path survive a power loss.
void sync_dir(const char *path)
{
    xell_sys &os = xell_os();
    int dfd = os.open(dir_of(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dfd >= 0) {
        os.fsync(dfd);
        os.close(dfd);
    }
}

bool write_all(int fd, std::string_view text)
{
    xell_sys &os = xell_os();
    while (!text.empty()) {
        ssize_t n = os.write(fd, text.data(), text.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = EIO;
            return false;
        }
        text.remove_prefix(static_cast<size_t>(n));
    }
    return true;
}

bool write_at(int fd, off_t offset, std::string_view text)
{
    return xell_os().lseek(fd, offset, SEEK_SET) == offset && write_all(fd, text);
}

// Grows the file to hold size bytes before any of its bytes change, so
// that a full disk fails here with the old text whole.
int reserve(int fd, off_t old_size, off_t size, std::string_view text)
{
    xell_sys &os = xell_os();
    if (size <= old_size)
        return 0;
    if (os.fallocate(fd, old_size, size - old_size) == 0)
        return 0;
    int err = errno;
    // Without fallocate, writing the part past the old end grows the file.
    if ((err == EOPNOTSUPP || err == ENOSYS) && write_at(fd, old_size, text.substr(static_cast<size_t>(old_size))))
        return 0;
    if (err == EOPNOTSUPP || err == ENOSYS)
        err = errno;
    os.ftruncate(fd, old_size);
    return err;
}

// Replaces the file's bytes by text: grow, write, cut to length, fsync.
// touched tells whether any byte of the old text may have changed.
int rewrite_in_place(int fd, std::string_view text, bool *touched)
{
    xell_sys &os = xell_os();
    *touched = false;
    struct stat st = {};
    if (os.fstat(fd, &st) != 0)
        return errno;
    auto size = static_cast<off_t>(text.size());
    if (int err = reserve(fd, st.st_size, size, text))
        return err;
    *touched = true;
    if (!write_at(fd, 0, text) || os.ftruncate(fd, size) != 0 || os.fsync(fd) != 0)
        return errno;
    return 0;
}

int write_journal(const char *path, std::string_view text)
{
    xell_sys &os = xell_os();
    std::string journal = journal_path(path);
    int fd = os.open(journal.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0)
        return errno;
    int err = 0;
    if (!write_all(fd, text) || !write_all(fd, trailer_of(text)) || os.fsync(fd) != 0)
        err = errno;
    if (os.close(fd) != 0 && err == 0)
        err = errno;
    if (err != 0) {
        os.unlink(journal.c_str());
        return err;
    }
    sync_dir(path);
    return 0;
}

void remove_journal(const char *path)
{
    if (xell_os().unlink(journal_path(path).c_str()) == 0)
        sync_dir(path);
}

// The text a journal holds, when its trailer proves it complete.
bool read_journal(const char *path, bool *found, std::string *text)
{
    xell_sys &os = xell_os();
    *found = false;
    int fd = os.open(journal_path(path).c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0)
        return false;
    *found = true;
    std::string bytes;
    char buf[65536];
    ssize_t n;
    while ((n = os.read(fd, buf, sizeof buf)) > 0 || (n < 0 && errno == EINTR))
        if (n > 0)
            bytes.append(buf, static_cast<size_t>(n));
    os.close(fd);
    if (n < 0 || bytes.size() < trailer_size)
        return false;
    std::string_view body(bytes.data(), bytes.size() - trailer_size);
    if (bytes.compare(body.size(), trailer_size, trailer_of(body)) != 0)
        return false;
    *text = std::string(body);
    return true;
}

} // namespace

int xell_cfg_rewrite(const char *path, int fd, const std::string &old_text, const std::string &text)
{
    if (int err = write_journal(path, text))
        return err;
    bool touched = false;
    int err = rewrite_in_place(fd, text, &touched);
    if (err != 0) {
        // Put the old text back; when even that fails, the journal stays
        // so that the next load finishes the new text instead of a torn file.
        bool again = false;
        if (touched && rewrite_in_place(fd, old_text, &again) != 0)
            return err;
        remove_journal(path);
        return err;
    }
    remove_journal(path);
    return 0;
}

int xell_cfg_recover(const char *path, int fd)
{
    xell_sys &os = xell_os();
    // Earlier versions wrote the new file beside the old one and renamed it.
    os.unlink((std::string(path) + ".tmp").c_str());
    bool found = false;
    std::string text;
    if (read_journal(path, &found, &text)) {
        bool touched = false;
        if (int err = rewrite_in_place(fd, text, &touched))
            return err;
    }
    if (found)
        remove_journal(path);
    return 0;
}
