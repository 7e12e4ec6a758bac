#include "common/sha1.h"

#include <gtest/gtest.h>

#include <string>

namespace zenka {
namespace {

std::string Hex(const Sha1Digest& digest) {
    static const char digits[] = "0123456789abcdef";
    std::string text;
    for (uint8_t b : digest) {
        text += digits[b >> 4];
        text += digits[b & 15];
    }
    return text;
}

TEST(Sha1, GivesTheStandardDigestsAcrossBlockBoundaries) {
    const struct {
        std::string message;
        const char* digest;
    } cases[] = {
        {"", "da39a3ee5e6b4b0d3255bfef95601890afd80709"},
        {"abc", "a9993e364706816aba3e25717850c26c9cd0d89d"},
        // 56 bytes: the length no longer fits the first block.
        {"abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq", "84983e441c3bd26ebaae4aa1f95129e5e54670f1"},
        {std::string(1000000, 'a'), "34aa973cd4c4daa4f61eeb2bdbad27316534016f"},
    };
    for (const auto& c : cases) EXPECT_EQ(Hex(Sha1(c.message)), c.digest) << c.message.size() << " bytes";
}

}  // namespace
}  // namespace zenka
