#include "common/sha1.h"

#include <bit>
#include <vector>

namespace zenka {

namespace {

uint32_t BigEndianWord(const uint8_t* p) {
    return (uint32_t{p[0]} << 24) | (uint32_t{p[1]} << 16) | (uint32_t{p[2]} << 8) | uint32_t{p[3]};
}

void ProcessBlock(const uint8_t* block, std::array<uint32_t, 5>& h) {
    uint32_t w[80];
    for (int i = 0; i < 16; ++i) w[i] = BigEndianWord(block + 4 * i);
    for (int i = 16; i < 80; ++i) w[i] = std::rotl(w[i - 3] ^ w[i - 8] ^ w[i - 14] ^ w[i - 16], 1);
    uint32_t a = h[0], b = h[1], c = h[2], d = h[3], e = h[4];
    for (int i = 0; i < 80; ++i) {
        uint32_t f, k;
        if (i < 20) {
            f = (b & c) | (~b & d);
            k = 0x5A827999;
        } else if (i < 40) {
            f = b ^ c ^ d;
            k = 0x6ED9EBA1;
        } else if (i < 60) {
            f = (b & c) | (b & d) | (c & d);
            k = 0x8F1BBCDC;
        } else {
            f = b ^ c ^ d;
            k = 0xCA62C1D6;
        }
        const uint32_t t = std::rotl(a, 5) + f + e + k + w[i];
        e = d;
        d = c;
        c = std::rotl(b, 30);
        b = a;
        a = t;
    }
    h[0] += a;
    h[1] += b;
    h[2] += c;
    h[3] += d;
    h[4] += e;
}

}  // namespace

Sha1Digest Sha1(std::string_view bytes) {
    std::array<uint32_t, 5> h{0x67452301, 0xEFCDAB89, 0x98BADCFE, 0x10325476, 0xC3D2E1F0};
    // The message, a 1 bit, zeros, and its length in bits, to a multiple of
    // 64 bytes.
    std::vector<uint8_t> message(bytes.begin(), bytes.end());
    const uint64_t bits = uint64_t{bytes.size()} * 8;
    message.push_back(0x80);
    while (message.size() % 64 != 56) message.push_back(0);
    for (int shift = 56; shift >= 0; shift -= 8) message.push_back(static_cast<uint8_t>(bits >> shift));
    for (size_t i = 0; i < message.size(); i += 64) ProcessBlock(message.data() + i, h);

    Sha1Digest digest{};
    for (size_t i = 0; i < 5; ++i) {
        for (size_t j = 0; j < 4; ++j) digest[4 * i + j] = static_cast<uint8_t>(h[i] >> (24 - 8 * j));
    }
    return digest;
}

}  // namespace zenka
