// Colours as Windows keeps them: 0x00BBGGRR. A system colour (the window
// background, say) has 0xFF in the top byte and its index in the low byte.
#pragma once

#include <cstdint>

namespace zenka {

using Color = uint32_t;

constexpr Color RgbColor(uint8_t r, uint8_t g, uint8_t b) {
    return static_cast<Color>(r) | (static_cast<Color>(g) << 8) | (static_cast<Color>(b) << 16);
}
constexpr uint8_t RedOf(Color c) { return c & 0xFF; }
constexpr uint8_t GreenOf(Color c) { return (c >> 8) & 0xFF; }
constexpr uint8_t BlueOf(Color c) { return (c >> 16) & 0xFF; }
constexpr bool IsSystemColor(Color c) { return (c >> 24) == 0xFF; }

constexpr Color clBlack = RgbColor(0, 0, 0);
constexpr Color clMaroon = RgbColor(128, 0, 0);
constexpr Color clGreen = RgbColor(0, 128, 0);
constexpr Color clOlive = RgbColor(128, 128, 0);
constexpr Color clNavy = RgbColor(0, 0, 128);
constexpr Color clPurple = RgbColor(128, 0, 128);
constexpr Color clTeal = RgbColor(0, 128, 128);
constexpr Color clGray = RgbColor(128, 128, 128);
constexpr Color clSilver = RgbColor(192, 192, 192);
constexpr Color clRed = RgbColor(255, 0, 0);
constexpr Color clLime = RgbColor(0, 255, 0);
constexpr Color clYellow = RgbColor(255, 255, 0);
constexpr Color clBlue = RgbColor(0, 0, 255);
constexpr Color clFuchsia = RgbColor(255, 0, 255);
constexpr Color clAqua = RgbColor(0, 255, 255);
constexpr Color clWhite = RgbColor(255, 255, 255);
// The system's window background colour (COLOR_WINDOW).
constexpr Color clWindow = 0xFF000005;

}  // namespace zenka
