#include "common/cp932.h"

#include <algorithm>
#include <cstdint>
#include <iterator>

namespace zenka {

namespace {

#include "common/cp932_table.inc"

constexpr unsigned kTrailFirst = 0x40;
constexpr unsigned kTrailLast = 0xFC;
constexpr unsigned kTrailCount = kTrailLast - kTrailFirst + 1;

bool IsLeadByte(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }

unsigned LeadRow(unsigned char lead) { return lead <= 0x9F ? lead - 0x81 : lead - 0xE0 + 0x1F; }

char32_t DecodeDoubleByte(unsigned char lead, unsigned char trail) {
    if (trail < kTrailFirst || trail > kTrailLast) return 0;
    return kCp932Decode[LeadRow(lead) * kTrailCount + (trail - kTrailFirst)];
}

char32_t DecodeSingleByte(unsigned char b) {
    if (b < 0x80) return b;
    if (b >= 0xA1 && b <= 0xDF) return 0xFF61 + (b - 0xA1);  // half-width katakana
    if (b == 0x80) return 0x80;
    if (b == 0xA0) return 0xF8F0;
    return 0xF8F1 + (b - 0xFD);  // 0xFD..0xFF
}

constexpr uint32_t kNoCode = 0xFFFFFFFF;

// The code page 932 code of a character: one byte (< 0x100), two bytes, or
// kNoCode when the code page lacks it.
uint32_t Encode(char32_t cp) {
    if (cp < 0x80) return cp;
    if (cp >= 0xFF61 && cp <= 0xFF9F) return 0xA1 + (cp - 0xFF61);
    if (cp == 0x80) return 0x80;
    if (cp == 0xF8F0) return 0xA0;
    if (cp >= 0xF8F1 && cp <= 0xF8F3) return 0xFD + (cp - 0xF8F1);
    const auto* end = std::end(kCp932Encode);
    const auto* it = std::lower_bound(std::begin(kCp932Encode), end, static_cast<uint32_t>(cp),
                                      [](const uint32_t(&row)[2], uint32_t v) { return row[0] < v; });
    return it != end && (*it)[0] == cp ? (*it)[1] : kNoCode;
}

size_t EncodedLength(uint32_t code) { return code > 0xFF ? 2 : 1; }

void AppendCode(std::string& out, uint32_t code) {
    if (code > 0xFF) out += static_cast<char>(code >> 8);
    out += static_cast<char>(code & 0xFF);
}

}  // namespace

char32_t DecodeUtf8(std::string_view s, size_t pos, size_t& length) {
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned char b0 = byte(pos);
    length = 1;
    if (b0 < 0x80) return b0;
    size_t need;
    char32_t cp;
    char32_t min;
    if ((b0 & 0xE0) == 0xC0) {
        need = 1, cp = b0 & 0x1F, min = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        need = 2, cp = b0 & 0x0F, min = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        need = 3, cp = b0 & 0x07, min = 0x10000;
    } else {
        return 0xFFFD;
    }
    if (pos + need >= s.size()) return 0xFFFD;
    for (size_t i = 1; i <= need; ++i) {
        const unsigned char b = byte(pos + i);
        if ((b & 0xC0) != 0x80) return 0xFFFD;
        cp = (cp << 6) | (b & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0xFFFD;
    length = need + 1;
    return cp;
}

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

std::string Cp932ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() * 3 / 2);
    for (size_t i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        char32_t cp;
        if (!IsLeadByte(b)) {
            cp = DecodeSingleByte(b);
        } else if (i + 1 < bytes.size()) {
            cp = DecodeDoubleByte(b, static_cast<unsigned char>(bytes[i + 1]));
            if (cp != 0) {
                ++i;
            } else {
                cp = 0xFFFD;  // the next byte is read afresh: it may start a character
            }
        } else {
            cp = 0xFFFD;
        }
        AppendUtf8(out, cp);
    }
    return out;
}

std::string Utf8ToCp932(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size();) {
        size_t length;
        const uint32_t code = Encode(DecodeUtf8(utf8, i, length));
        AppendCode(out, code != kNoCode ? code : '?');
        i += length;
    }
    return out;
}

std::string Cp932Prefix(std::string_view utf8, size_t maxBytes) {
    size_t bytes = 0;
    size_t i = 0;
    while (i < utf8.size()) {
        size_t length;
        const uint32_t code = Encode(DecodeUtf8(utf8, i, length));
        const size_t width = code != kNoCode ? EncodedLength(code) : 1;
        if (bytes + width > maxBytes) break;
        bytes += width;
        i += length;
    }
    return std::string(utf8.substr(0, i));
}

}  // namespace zenka

namespace zenka {

bool IsCp932Text(std::string_view bytes) {
    for (size_t i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (!IsLeadByte(b)) continue;
        if (i + 1 >= bytes.size() || DecodeDoubleByte(b, static_cast<unsigned char>(bytes[i + 1])) == 0) return false;
        ++i;
    }
    return true;
}

bool IsUtf8Text(std::string_view bytes) {
    for (size_t i = 0; i < bytes.size();) {
        size_t length;
        // A well-formed U+FFFD takes three bytes; a malformed byte yields it with one.
        if (DecodeUtf8(bytes, i, length) == 0xFFFD && length == 1) return false;
        i += length;
    }
    return true;
}

bool Cp932CanHold(std::string_view utf8) {
    for (size_t i = 0; i < utf8.size();) {
        size_t length;
        const char32_t cp = DecodeUtf8(utf8, i, length);
        if ((cp == 0xFFFD && length == 1) || Encode(cp) == kNoCode) return false;
        // A character with two codes (some NEC and IBM kanji) still reads
        // back as itself; only characters without any code are lost.
        i += length;
    }
    return true;
}

}  // namespace zenka
