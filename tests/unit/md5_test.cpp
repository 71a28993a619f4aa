// MD5 against the test suite of RFC 1321 (appendix A.5) and, for a large
// input fed in uneven pieces, against md5sum.
#include "xell_md5.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>
#include <vector>

TEST(Md5, AnswersTheRfcTestSuite)
{
    const struct {
        const char *input, *digest;
    } suite[] = {
        {"", "d41d8cd98f00b204e9800998ecf8427e"},
        {"a", "0cc175b9c0f1b6a831c399e269772661"},
        {"abc", "900150983cd24fb0d6963f7d28e17f72"},
        {"message digest", "f96b697d7cb7938d525a2f31aaf161d0"},
        {"abcdefghijklmnopqrstuvwxyz", "c3fcd3d76192e4007dfb496cca67e13b"},
        {"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789", "d174ab98d277d9f5a5611c2c9f419d9f"},
        {"12345678901234567890123456789012345678901234567890123456789012345678901234567890",
         "57edf4a22be3c955ac49da2e2107b67a"},
    };
    for (const auto &c : suite) {
        char text[33];
        xell_md5(c.input, std::string(c.input).size(), text);
        EXPECT_STREQ(text, c.digest) << '"' << c.input << '"';
    }
}

TEST(Md5, AgreesWithMd5sumOnALargeInputFedInPieces)
{
    std::vector<uint8_t> data(3 * 1024 * 1024 + 37);
    uint32_t x = 12345;
    for (auto &b : data) {
        x = x * 1103515245 + 12345;
        b = static_cast<uint8_t>(x >> 16);
    }
    char path[] = "/tmp/xell_md5_XXXXXX";
    int fd = mkstemp(path);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(write(fd, data.data(), data.size()), static_cast<ssize_t>(data.size()));
    close(fd);
    std::string command = std::string("md5sum ") + path;
    FILE *p = popen(command.c_str(), "r");
    ASSERT_NE(p, nullptr);
    char expected[33] = {};
    ASSERT_EQ(std::fread(expected, 1, 32, p), 32u);
    pclose(p);
    unlink(path);

    MD5_CTX ctx;
    MD5Init(&ctx);
    size_t at = 0;
    for (size_t step = 1; at < data.size(); step = step * 3 % 1000 + 1) {
        size_t n = std::min(step, data.size() - at);
        MD5Update(&ctx, data.data() + at, n);
        at += n;
    }
    uint8_t digest[16];
    MD5Final(digest, &ctx);
    char text[33];
    for (int i = 0; i < 16; i++)
        std::snprintf(text + 2 * i, 3, "%02x", digest[i]);
    EXPECT_STREQ(text, expected);
}
