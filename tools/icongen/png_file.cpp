#include "tools/icongen/png_file.h"

#include <algorithm>
#include <array>
#include <stdexcept>
#include <string>

namespace zenka::icongen {
namespace {

// Writes bits into bytes from the lowest bit up, as deflate packs them.
class BitWriter {
public:
    explicit BitWriter(std::vector<uint8_t>& out) : out_(out) {}
    void Bits(uint32_t value, int count) {
        for (int i = 0; i < count; ++i) Bit((value >> i) & 1);
    }
    // Huffman codes go highest bit first.
    void Code(uint32_t code, int length) {
        for (int i = length - 1; i >= 0; --i) Bit((code >> i) & 1);
    }
    void Flush() {
        if (used_) out_.push_back(current_);
        current_ = 0;
        used_ = 0;
    }

private:
    void Bit(uint32_t bit) {
        current_ = static_cast<uint8_t>(current_ | (bit << used_));
        if (++used_ == 8) Flush();
    }
    std::vector<uint8_t>& out_;
    uint8_t current_ = 0;
    int used_ = 0;
};

constexpr std::array<uint16_t, 29> kLengthBase{3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
                                               31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
constexpr std::array<uint8_t, 29> kLengthExtra{0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                               2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
constexpr std::array<uint16_t, 30> kDistanceBase{1,   2,   3,   4,   5,   7,    9,    13,   17,   25,
                                                 33,  49,  65,  97,  129, 193,  257,  385,  513,  769,
                                                 1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
constexpr std::array<uint8_t, 30> kDistanceExtra{0, 0, 0, 0, 1, 1, 2, 2,  3,  3,  4,  4,  5,  5,  6,
                                                 6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13};

constexpr size_t kWindow = 32768;
constexpr size_t kMinMatch = 3;
constexpr size_t kMaxMatch = 258;
constexpr int kMaxChain = 64;  // candidates tried per position

// The fixed literal/length code of a symbol 0..287.
void PutSymbol(BitWriter& bits, uint32_t symbol) {
    if (symbol < 144) {
        bits.Code(0x30 + symbol, 8);
    } else if (symbol < 256) {
        bits.Code(0x190 + symbol - 144, 9);
    } else if (symbol < 280) {
        bits.Code(symbol - 256, 7);
    } else {
        bits.Code(0xC0 + symbol - 280, 8);
    }
}

void PutMatch(BitWriter& bits, size_t length, size_t distance) {
    size_t l = kLengthBase.size() - 1;
    while (kLengthBase[l] > length) --l;
    PutSymbol(bits, static_cast<uint32_t>(257 + l));
    bits.Bits(static_cast<uint32_t>(length - kLengthBase[l]), kLengthExtra[l]);
    size_t d = kDistanceBase.size() - 1;
    while (kDistanceBase[d] > distance) --d;
    bits.Code(static_cast<uint32_t>(d), 5);
    bits.Bits(static_cast<uint32_t>(distance - kDistanceBase[d]), kDistanceExtra[d]);
}

void PutChunk(std::vector<uint8_t>& out, const char* type, const std::vector<uint8_t>& data) {
    const auto put32 = [&out](uint32_t v) {
        for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<uint8_t>(v >> shift));
    };
    put32(static_cast<uint32_t>(data.size()));
    const size_t start = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    put32(Crc32(out.data() + start, out.size() - start));
}

}  // namespace

uint32_t Crc32(const uint8_t* data, size_t size, uint32_t crc) {
    static const std::array<uint32_t, 256> table = [] {
        std::array<uint32_t, 256> t{};
        for (uint32_t n = 0; n < 256; ++n) {
            uint32_t c = n;
            for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    crc = ~crc;
    for (size_t i = 0; i < size; ++i) crc = table[(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
    return ~crc;
}

uint32_t Adler32(const std::vector<uint8_t>& data) {
    uint32_t a = 1, b = 0;
    for (uint8_t byte : data) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    return (b << 16) | a;
}

std::vector<uint8_t> ZlibCompress(const std::vector<uint8_t>& data) {
    std::vector<uint8_t> out{0x78, 0x01};  // deflate, 32 KiB window, no dictionary
    BitWriter bits(out);
    bits.Bits(1, 1);  // the last block
    bits.Bits(1, 2);  // fixed codes

    // The most recent position of each three-byte sequence, and for each
    // position the one before with the same hash.
    constexpr size_t kHashSize = 1 << 15;
    std::vector<int64_t> head(kHashSize, -1);
    std::vector<int64_t> previous(data.size(), -1);
    const auto hashAt = [&data](size_t i) {
        return ((static_cast<size_t>(data[i]) << 10) ^ (static_cast<size_t>(data[i + 1]) << 5) ^ data[i + 2]) &
               (kHashSize - 1);
    };
    const auto remember = [&](size_t i) {
        if (i + kMinMatch > data.size()) return;
        const size_t h = hashAt(i);
        previous[i] = head[h];
        head[h] = static_cast<int64_t>(i);
    };

    size_t i = 0;
    while (i < data.size()) {
        size_t bestLength = 0, bestDistance = 0;
        if (i + kMinMatch <= data.size()) {
            int64_t candidate = head[hashAt(i)];
            const size_t longest = std::min(kMaxMatch, data.size() - i);
            for (int tries = 0; candidate >= 0 && tries < kMaxChain; ++tries) {
                const size_t distance = i - static_cast<size_t>(candidate);
                if (distance > kWindow) break;
                size_t length = 0;
                while (length < longest && data[static_cast<size_t>(candidate) + length] == data[i + length]) ++length;
                if (length > bestLength) {
                    bestLength = length;
                    bestDistance = distance;
                    if (length == longest) break;
                }
                candidate = previous[static_cast<size_t>(candidate)];
            }
        }
        if (bestLength >= kMinMatch) {
            PutMatch(bits, bestLength, bestDistance);
            for (size_t k = 0; k < bestLength; ++k) remember(i + k);
            i += bestLength;
        } else {
            PutSymbol(bits, data[i]);
            remember(i);
            ++i;
        }
    }
    PutSymbol(bits, 256);  // end of block
    bits.Flush();
    const uint32_t adler = Adler32(data);
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<uint8_t>(adler >> shift));
    return out;
}

std::vector<uint8_t> EncodePng(const Image& image) {
    if (image.width < 1 || image.height < 1 ||
        image.pixels.size() != static_cast<size_t>(image.width) * static_cast<size_t>(image.height)) {
        throw std::invalid_argument("a PNG image needs pixels");
    }
    std::vector<uint8_t> out{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<uint8_t> header;
    for (uint32_t v : {static_cast<uint32_t>(image.width), static_cast<uint32_t>(image.height)}) {
        for (int shift = 24; shift >= 0; shift -= 8) header.push_back(static_cast<uint8_t>(v >> shift));
    }
    header.insert(header.end(), {8, 6, 0, 0, 0});  // 8 bits, RGBA, deflate, no filter choice, no interlace
    PutChunk(out, "IHDR", header);

    std::vector<uint8_t> rows;
    rows.reserve(static_cast<size_t>(image.height) * (static_cast<size_t>(image.width) * 4 + 1));
    for (int y = 0; y < image.height; ++y) {
        rows.push_back(0);  // no filter
        for (int x = 0; x < image.width; ++x) {
            const Rgba& p = image.At(x, y);
            rows.insert(rows.end(), {p.r, p.g, p.b, p.a});
        }
    }
    PutChunk(out, "IDAT", ZlibCompress(rows));
    PutChunk(out, "IEND", {});
    return out;
}

}  // namespace zenka::icongen
