#include "common/color_text.h"

#include <cctype>
#include <cstdio>

#include "calendar/number_text.h"

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

}  // namespace

std::optional<Color> TextToColor(std::string_view text) {
    for (const auto& named : kNamedColors) {
        if (EqualsIgnoringCase(named.name, text)) return named.color;
    }
    if (text.empty() || text[0] != '$') return std::nullopt;
    // Eight digits. A top byte other than 00 would be a system colour or
    // nothing at all, neither of which a day's colour can be.
    const auto value =
        ReadNumber(text.substr(1), {.minDigits = 8, .maxDigits = 8, .base = 16, .min = 0, .max = 0xFFFFFF});
    if (!value) return std::nullopt;
    return static_cast<Color>(*value);
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
