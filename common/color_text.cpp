#include "common/color_text.h"

#include <cctype>
#include <cstdio>

namespace zenka {
namespace {

struct NamedColor {
    Color color;
    std::string_view name;
};

constexpr NamedColor kNamedColors[] = {
    {clBlack, "clBlack"}, {clMaroon, "clMaroon"}, {clGreen, "clGreen"},   {clOlive, "clOlive"},
    {clNavy, "clNavy"},   {clPurple, "clPurple"}, {clTeal, "clTeal"},     {clGray, "clGray"},
    {clSilver, "clSilver"}, {clRed, "clRed"},     {clLime, "clLime"},     {clYellow, "clYellow"},
    {clBlue, "clBlue"},   {clFuchsia, "clFuchsia"}, {clAqua, "clAqua"},   {clWhite, "clWhite"},
};

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return true;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

std::optional<Color> TextToColor(std::string_view text) {
    for (const auto& named : kNamedColors) {
        if (EqualsIgnoringCase(named.name, text)) return named.color;
    }
    if (text.size() != 9 || text[0] != '$') return std::nullopt;
    Color value = 0;
    for (char c : text.substr(1)) {
        const int digit = HexDigit(c);
        if (digit < 0) return std::nullopt;
        value = (value << 4) | static_cast<Color>(digit);
    }
    // A top byte other than 00 would be a system colour or nothing at all,
    // neither of which a day's colour can be.
    if ((value >> 24) != 0) return std::nullopt;
    return value;
}

std::string ColorToText(Color color) {
    for (const auto& named : kNamedColors) {
        if (named.color == color) return std::string(named.name);
    }
    char text[10];
    std::snprintf(text, sizeof text, "$%08X", static_cast<unsigned>(color));
    return text;
}

}  // namespace zenka
