// Comma text: names joined by commas, quoted where a name needs it.
#pragma once

#include <string>
#include <vector>

namespace zenka {

// A name holding a blank, a control character, a comma or a double quote is
// enclosed in double quotes with inner quotes doubled; a single empty name
// gives "" and no names give the empty text.
std::string JoinCommaText(const std::vector<std::string>& names);

}  // namespace zenka
