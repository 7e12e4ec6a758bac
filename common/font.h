// A font as the core describes it: what a window layer needs to create the
// real font. Heights are in pixels, as the platform's font height: negative
// for the character height, positive for the cell height.
#pragma once

#include <cstdint>
#include <string>

#include "common/color.h"

namespace zenka {

// Character sets as the platform numbers them.
constexpr uint8_t kDefaultCharset = 1;
constexpr uint8_t kShiftJisCharset = 128;

// The face every Japanese text of the program asks for first.
inline constexpr char kJapaneseUiFace[] = "ＭＳ Ｐゴシック";

struct FontDescription {
    std::string face = kJapaneseUiFace;
    int32_t height = -12;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    Color color = clBlack;
    uint8_t charset = kShiftJisCharset;

    friend bool operator==(const FontDescription&, const FontDescription&) = default;
};

}  // namespace zenka
