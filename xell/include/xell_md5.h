// The MD5 message digest of RFC 1321, which boot image packages carry to
// check their contents.
#pragma once

#include <cstddef>
#include <cstdint>

struct MD5_CTX {
    uint32_t state[4];
    uint64_t count; // bytes taken so far
    uint8_t buffer[64];
};

void MD5Init(MD5_CTX *ctx);
void MD5Update(MD5_CTX *ctx, const void *data, size_t len);
void MD5Final(uint8_t digest[16], MD5_CTX *ctx);

// The digest of len bytes as 32 lower-case hexadecimal digits, high
// nibble first, and a terminating NUL.
void xell_md5(const void *data, size_t len, char text[33]);
