// The PNG writer of the icon generator, read back by a small inflater of
// the test's own.
#include "tools/icongen/png_file.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace zenka::icongen {
namespace {

// Inflates a zlib stream whose blocks use the fixed codes, as the writer's
// do; throws on anything else.
class Inflater {
public:
    explicit Inflater(const std::vector<uint8_t>& in) : in_(in) {}

    std::vector<uint8_t> Run() {
        if (in_.size() < 6 || in_[0] != 0x78 || ((in_[0] << 8) | in_[1]) % 31 != 0) throw std::runtime_error("header");
        pos_ = 2;
        std::vector<uint8_t> out;
        bool last = false;
        while (!last) {
            last = Bits(1);
            if (Bits(2) != 1) throw std::runtime_error("not a fixed-code block");
            for (;;) {
                const int symbol = Symbol();
                if (symbol < 256) {
                    out.push_back(static_cast<uint8_t>(symbol));
                } else if (symbol == 256) {
                    break;
                } else {
                    static const int base[] = {3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
                                               31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
                    static const int extra[] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                                2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
                    static const int dbase[] = {1,    2,    3,    4,    5,    7,     9,     13,    17,  25,
                                                33,   49,   65,   97,   129,  193,   257,   385,   513, 769,
                                                1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
                    const int l = symbol - 257;
                    const size_t length = static_cast<size_t>(base[l] + Bits(extra[l]));
                    int d = 0;
                    for (int i = 0; i < 5; ++i) d = (d << 1) | Bits(1);
                    const int dextra = d < 4 ? 0 : d / 2 - 1;
                    const size_t distance = static_cast<size_t>(dbase[d] + Bits(dextra));
                    if (distance > out.size()) throw std::runtime_error("distance before the start");
                    for (size_t i = 0; i < length; ++i) out.push_back(out[out.size() - distance]);
                }
            }
        }
        return out;
    }

private:
    int Bits(int count) {
        int value = 0;
        for (int i = 0; i < count; ++i) {
            if (pos_ >= in_.size()) throw std::runtime_error("ran out of input");
            value |= ((in_[pos_] >> bit_) & 1) << i;
            if (++bit_ == 8) {
                bit_ = 0;
                ++pos_;
            }
        }
        return value;
    }
    // The fixed literal/length code, read highest bit first.
    int Symbol() {
        int code = 0;
        for (int length = 1; length <= 9; ++length) {
            code = (code << 1) | Bits(1);
            if (length == 7 && code <= 0x17) return 256 + code;
            if (length == 8 && code >= 0x30 && code <= 0xBF) return code - 0x30;
            if (length == 8 && code >= 0xC0 && code <= 0xC7) return 280 + code - 0xC0;
            if (length == 9 && code >= 0x190) return 144 + code - 0x190;
        }
        throw std::runtime_error("no such code");
    }

    const std::vector<uint8_t>& in_;
    size_t pos_ = 0;
    int bit_ = 0;
};

uint32_t BigEndian32(const std::vector<uint8_t>& b, size_t at) {
    return (uint32_t{b.at(at)} << 24) | (uint32_t{b.at(at + 1)} << 16) | (uint32_t{b.at(at + 2)} << 8) | b.at(at + 3);
}

TEST(PngFile, ChecksumsMatchTheirStandards) {
    const std::string iend = "IEND";
    EXPECT_EQ(Crc32(reinterpret_cast<const uint8_t*>(iend.data()), iend.size()), 0xAE426082u);
    const std::string wiki = "Wikipedia";
    EXPECT_EQ(Adler32(std::vector<uint8_t>(wiki.begin(), wiki.end())), 0x11E60398u);
}

TEST(PngFile, CompressedBytesInflateToWhatWentIn) {
    std::vector<std::vector<uint8_t>> inputs = {{}, {42}, std::vector<uint8_t>(70000, 7)};
    std::vector<uint8_t> mixed;
    for (int i = 0; i < 50000; ++i) mixed.push_back(static_cast<uint8_t>((i * 7919) % 251 ^ (i / 300)));
    inputs.push_back(mixed);
    std::vector<uint8_t> repeats;
    for (int i = 0; i < 40000; ++i) repeats.push_back(static_cast<uint8_t>("calendar page "[i % 14]));
    inputs.push_back(repeats);
    for (const auto& input : inputs) {
        SCOPED_TRACE(input.size());
        const std::vector<uint8_t> stream = ZlibCompress(input);
        EXPECT_EQ(Inflater(stream).Run(), input);
        EXPECT_EQ(BigEndian32(stream, stream.size() - 4), Adler32(input));
    }
    EXPECT_LT(ZlibCompress(repeats).size(), repeats.size() / 20) << "repeated text is found again";
}

TEST(PngFile, ChunksHeaderAndRowsOfAnImage) {
    Image image(3, 2);
    image.At(0, 0) = {255, 0, 0, 255};
    image.At(2, 1) = {1, 2, 3, 4};
    const std::vector<uint8_t> png = EncodePng(image);
    ASSERT_EQ(std::vector<uint8_t>(png.begin(), png.begin() + 8),
              (std::vector<uint8_t>{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'}));
    std::vector<std::string> types;
    std::vector<uint8_t> idat;
    for (size_t at = 8; at < png.size();) {
        const uint32_t length = BigEndian32(png, at);
        const std::string type(png.begin() + static_cast<long>(at) + 4, png.begin() + static_cast<long>(at) + 8);
        types.push_back(type);
        EXPECT_EQ(BigEndian32(png, at + 8 + length), Crc32(png.data() + at + 4, length + 4)) << type;
        if (type == "IHDR") {
            EXPECT_EQ(BigEndian32(png, at + 8), 3u);
            EXPECT_EQ(BigEndian32(png, at + 12), 2u);
            EXPECT_EQ(png[at + 16], 8) << "bits per channel";
            EXPECT_EQ(png[at + 17], 6) << "RGBA";
        }
        const auto data = png.begin() + static_cast<long>(at) + 8;
        if (type == "IDAT") idat.assign(data, data + length);
        at += 12 + length;
    }
    EXPECT_EQ(types, (std::vector<std::string>{"IHDR", "IDAT", "IEND"}));
    const std::vector<uint8_t> rows{0, 255, 0, 0, 255, 0, 0, 0, 0, 0, 0, 0, 0,  //
                                    0, 0,   0, 0, 0,   0, 0, 0, 0, 1, 2, 3, 4};
    EXPECT_EQ(Inflater(idat).Run(), rows) << "each row starts with filter 0";
}

}  // namespace
}  // namespace zenka::icongen
