// MD5 throughput against md5sum on the same file, measured side by side
// in one run and reported as a ratio (ours over md5sum's; 1.0 is as fast).
//
//     build/bin/xell_md5_bench [FILE]      (default: 256 MiB made in /tmp)
#include "xell_md5.h"

#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

double seconds_since(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

bool make_file(const char *path, size_t size)
{
    int fd = open(path, O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (fd < 0)
        return false;
    std::vector<uint8_t> chunk(1 << 20);
    uint32_t x = 1;
    for (size_t done = 0; done < size; done += chunk.size()) {
        for (auto &b : chunk) {
            x = x * 1664525 + 1013904223;
            b = static_cast<uint8_t>(x >> 24);
        }
        if (write(fd, chunk.data(), chunk.size()) != static_cast<ssize_t>(chunk.size()))
            return false;
    }
    return close(fd) == 0;
}

// Ours reads the file as md5sum does, in chunks, and hashes as it goes.
std::string ours(const char *path)
{
    int fd = open(path, O_RDONLY);
    if (fd < 0)
        return "";
    MD5_CTX ctx;
    MD5Init(&ctx);
    std::vector<uint8_t> buf(1 << 16);
    ssize_t n;
    while ((n = read(fd, buf.data(), buf.size())) > 0)
        MD5Update(&ctx, buf.data(), static_cast<size_t>(n));
    close(fd);
    uint8_t digest[16];
    MD5Final(digest, &ctx);
    char text[33];
    for (int i = 0; i < 16; i++)
        std::snprintf(text + 2 * i, 3, "%02x", digest[i]);
    return text;
}

std::string md5sum(const char *path)
{
    std::string command = std::string("md5sum '") + path + "'";
    FILE *p = popen(command.c_str(), "r");
    char text[33] = {};
    if (p == nullptr || std::fread(text, 1, 32, p) != 32)
        text[0] = '\0';
    if (p != nullptr)
        pclose(p);
    return text;
}

} // namespace

int main(int argc, char **argv)
{
    std::string path = argc > 1 ? argv[1] : "/tmp/xell_md5_bench.bin";
    bool made = argc <= 1;
    if (made && !make_file(path.c_str(), size_t{256} << 20)) {
        std::fprintf(stderr, "cannot write %s\n", path.c_str());
        return 1;
    }
    md5sum(path.c_str()); // both then read from the page cache
    double best_ours = 1e9, best_theirs = 1e9;
    std::string a, b;
    for (int round = 0; round < 3; round++) {
        auto start = std::chrono::steady_clock::now();
        a = ours(path.c_str());
        best_ours = std::min(best_ours, seconds_since(start));
        start = std::chrono::steady_clock::now();
        b = md5sum(path.c_str());
        best_theirs = std::min(best_theirs, seconds_since(start));
    }
    if (made)
        unlink(path.c_str());
    if (a != b || a.empty()) {
        std::fprintf(stderr, "digests differ: %s %s\n", a.c_str(), b.c_str());
        return 1;
    }
    std::printf("xell_md5 %.3f s, md5sum %.3f s: throughput ratio %.2f (goal: at least 0.9)\n", best_ours,
                best_theirs, best_theirs / best_ours);
    return 0;
}
