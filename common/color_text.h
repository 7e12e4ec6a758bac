// Colours as the settings write them: a name such as "clRed" for the
// standard colours, otherwise "$00BBGGRR".
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "common/color.h"

namespace zenka {

// Accepts the standard names (any letter case) and "$" with eight
// hexadecimal digits whose top byte is 00; nothing for any other text.
std::optional<Color> TextToColor(std::string_view text);

std::string ColorToText(Color color);

}  // namespace zenka
