#include "xell_md5.h"

#include <cstring>

namespace {

inline uint32_t rotl(uint32_t x, int n)
{
    return (x << n) | (x >> (32 - n));
}

inline uint32_t load_le32(const uint8_t *p)
{
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 | static_cast<uint32_t>(p[2]) << 16 |
           static_cast<uint32_t>(p[3]) << 24;
}

inline void store_le32(uint8_t *p, uint32_t v)
{
    p[0] = static_cast<uint8_t>(v);
    p[1] = static_cast<uint8_t>(v >> 8);
    p[2] = static_cast<uint8_t>(v >> 16);
    p[3] = static_cast<uint8_t>(v >> 24);
}

#define XELL_MD5_STEP(f, a, b, c, d, x, t, s) \
    a += f(b, c, d) + (x) + (t);               \
    a = rotl(a, s) + (b)

inline uint32_t F(uint32_t x, uint32_t y, uint32_t z)
{
    return z ^ (x & (y ^ z));
}
inline uint32_t G(uint32_t x, uint32_t y, uint32_t z)
{
    return y ^ (z & (x ^ y));
}
inline uint32_t H(uint32_t x, uint32_t y, uint32_t z)
{
    return x ^ y ^ z;
}
inline uint32_t I(uint32_t x, uint32_t y, uint32_t z)
{
    return y ^ (x | ~z);
}

// One 64-byte block: the four rounds of RFC 1321, section 3.4.
void transform(uint32_t state[4], const uint8_t *block)
{
    uint32_t x[16];
    for (int i = 0; i < 16; i++)
        x[i] = load_le32(block + 4 * i);
    uint32_t a = state[0], b = state[1], c = state[2], d = state[3];

    XELL_MD5_STEP(F, a, b, c, d, x[0], 0xd76aa478, 7);
    XELL_MD5_STEP(F, d, a, b, c, x[1], 0xe8c7b756, 12);
    XELL_MD5_STEP(F, c, d, a, b, x[2], 0x242070db, 17);
    XELL_MD5_STEP(F, b, c, d, a, x[3], 0xc1bdceee, 22);
    XELL_MD5_STEP(F, a, b, c, d, x[4], 0xf57c0faf, 7);
    XELL_MD5_STEP(F, d, a, b, c, x[5], 0x4787c62a, 12);
    XELL_MD5_STEP(F, c, d, a, b, x[6], 0xa8304613, 17);
    XELL_MD5_STEP(F, b, c, d, a, x[7], 0xfd469501, 22);
    XELL_MD5_STEP(F, a, b, c, d, x[8], 0x698098d8, 7);
    XELL_MD5_STEP(F, d, a, b, c, x[9], 0x8b44f7af, 12);
    XELL_MD5_STEP(F, c, d, a, b, x[10], 0xffff5bb1, 17);
    XELL_MD5_STEP(F, b, c, d, a, x[11], 0x895cd7be, 22);
    XELL_MD5_STEP(F, a, b, c, d, x[12], 0x6b901122, 7);
    XELL_MD5_STEP(F, d, a, b, c, x[13], 0xfd987193, 12);
    XELL_MD5_STEP(F, c, d, a, b, x[14], 0xa679438e, 17);
    XELL_MD5_STEP(F, b, c, d, a, x[15], 0x49b40821, 22);

    XELL_MD5_STEP(G, a, b, c, d, x[1], 0xf61e2562, 5);
    XELL_MD5_STEP(G, d, a, b, c, x[6], 0xc040b340, 9);
    XELL_MD5_STEP(G, c, d, a, b, x[11], 0x265e5a51, 14);
    XELL_MD5_STEP(G, b, c, d, a, x[0], 0xe9b6c7aa, 20);
    XELL_MD5_STEP(G, a, b, c, d, x[5], 0xd62f105d, 5);
    XELL_MD5_STEP(G, d, a, b, c, x[10], 0x02441453, 9);
    XELL_MD5_STEP(G, c, d, a, b, x[15], 0xd8a1e681, 14);
    XELL_MD5_STEP(G, b, c, d, a, x[4], 0xe7d3fbc8, 20);
    XELL_MD5_STEP(G, a, b, c, d, x[9], 0x21e1cde6, 5);
    XELL_MD5_STEP(G, d, a, b, c, x[14], 0xc33707d6, 9);
    XELL_MD5_STEP(G, c, d, a, b, x[3], 0xf4d50d87, 14);
    XELL_MD5_STEP(G, b, c, d, a, x[8], 0x455a14ed, 20);
    XELL_MD5_STEP(G, a, b, c, d, x[13], 0xa9e3e905, 5);
    XELL_MD5_STEP(G, d, a, b, c, x[2], 0xfcefa3f8, 9);
    XELL_MD5_STEP(G, c, d, a, b, x[7], 0x676f02d9, 14);
    XELL_MD5_STEP(G, b, c, d, a, x[12], 0x8d2a4c8a, 20);

    XELL_MD5_STEP(H, a, b, c, d, x[5], 0xfffa3942, 4);
    XELL_MD5_STEP(H, d, a, b, c, x[8], 0x8771f681, 11);
    XELL_MD5_STEP(H, c, d, a, b, x[11], 0x6d9d6122, 16);
    XELL_MD5_STEP(H, b, c, d, a, x[14], 0xfde5380c, 23);
    XELL_MD5_STEP(H, a, b, c, d, x[1], 0xa4beea44, 4);
    XELL_MD5_STEP(H, d, a, b, c, x[4], 0x4bdecfa9, 11);
    XELL_MD5_STEP(H, c, d, a, b, x[7], 0xf6bb4b60, 16);
    XELL_MD5_STEP(H, b, c, d, a, x[10], 0xbebfbc70, 23);
    XELL_MD5_STEP(H, a, b, c, d, x[13], 0x289b7ec6, 4);
    XELL_MD5_STEP(H, d, a, b, c, x[0], 0xeaa127fa, 11);
    XELL_MD5_STEP(H, c, d, a, b, x[3], 0xd4ef3085, 16);
    XELL_MD5_STEP(H, b, c, d, a, x[6], 0x04881d05, 23);
    XELL_MD5_STEP(H, a, b, c, d, x[9], 0xd9d4d039, 4);
    XELL_MD5_STEP(H, d, a, b, c, x[12], 0xe6db99e5, 11);
    XELL_MD5_STEP(H, c, d, a, b, x[15], 0x1fa27cf8, 16);
    XELL_MD5_STEP(H, b, c, d, a, x[2], 0xc4ac5665, 23);

    XELL_MD5_STEP(I, a, b, c, d, x[0], 0xf4292244, 6);
    XELL_MD5_STEP(I, d, a, b, c, x[7], 0x432aff97, 10);
    XELL_MD5_STEP(I, c, d, a, b, x[14], 0xab9423a7, 15);
    XELL_MD5_STEP(I, b, c, d, a, x[5], 0xfc93a039, 21);
    XELL_MD5_STEP(I, a, b, c, d, x[12], 0x655b59c3, 6);
    XELL_MD5_STEP(I, d, a, b, c, x[3], 0x8f0ccc92, 10);
    XELL_MD5_STEP(I, c, d, a, b, x[10], 0xffeff47d, 15);
    XELL_MD5_STEP(I, b, c, d, a, x[1], 0x85845dd1, 21);
    XELL_MD5_STEP(I, a, b, c, d, x[8], 0x6fa87e4f, 6);
    XELL_MD5_STEP(I, d, a, b, c, x[15], 0xfe2ce6e0, 10);
    XELL_MD5_STEP(I, c, d, a, b, x[6], 0xa3014314, 15);
    XELL_MD5_STEP(I, b, c, d, a, x[13], 0x4e0811a1, 21);
    XELL_MD5_STEP(I, a, b, c, d, x[4], 0xf7537e82, 6);
    XELL_MD5_STEP(I, d, a, b, c, x[11], 0xbd3af235, 10);
    XELL_MD5_STEP(I, c, d, a, b, x[2], 0x2ad7d2bb, 15);
    XELL_MD5_STEP(I, b, c, d, a, x[9], 0xeb86d391, 21);

    state[0] += a;
    state[1] += b;
    state[2] += c;
    state[3] += d;
}

#undef XELL_MD5_STEP

} // namespace

void MD5Init(MD5_CTX *ctx)
{
    ctx->state[0] = 0x67452301;
    ctx->state[1] = 0xefcdab89;
    ctx->state[2] = 0x98badcfe;
    ctx->state[3] = 0x10325476;
    ctx->count = 0;
}

void MD5Update(MD5_CTX *ctx, const void *data, size_t len)
{
    const auto *in = static_cast<const uint8_t *>(data);
    size_t have = ctx->count % 64;
    ctx->count += len;
    if (have != 0) {
        size_t take = len < 64 - have ? len : 64 - have;
        std::memcpy(ctx->buffer + have, in, take);
        in += take;
        len -= take;
        if (have + take < 64)
            return;
        transform(ctx->state, ctx->buffer);
    }
    for (; len >= 64; in += 64, len -= 64)
        transform(ctx->state, in);
    if (len != 0)
        std::memcpy(ctx->buffer, in, len);
}

// Padding to 56 bytes modulo 64, then the length in bits (section 3.1, 3.2).
void MD5Final(uint8_t digest[16], MD5_CTX *ctx)
{
    uint8_t length[8];
    uint64_t bits = ctx->count * 8;
    for (int i = 0; i < 8; i++)
        length[i] = static_cast<uint8_t>(bits >> (8 * i));
    static const uint8_t padding[64] = {0x80};
    size_t have = ctx->count % 64;
    MD5Update(ctx, padding, have < 56 ? 56 - have : 120 - have);
    MD5Update(ctx, length, sizeof length);
    for (int i = 0; i < 4; i++)
        store_le32(digest + 4 * i, ctx->state[i]);
    std::memset(ctx, 0, sizeof *ctx);
}

void xell_md5(const void *data, size_t len, char text[33])
{
    MD5_CTX ctx;
    MD5Init(&ctx);
    MD5Update(&ctx, data, len);
    uint8_t digest[16];
    MD5Final(digest, &ctx);
    static const char hex[] = "0123456789abcdef";
    for (int i = 0; i < 16; i++) {
        text[2 * i] = hex[digest[i] >> 4];
        text[2 * i + 1] = hex[digest[i] & 0xf];
    }
    text[32] = '\0';
}
