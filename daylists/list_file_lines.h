// The lines of a list file's text.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zenka {

// A line ends at CR, at LF, or at CR LF taken together; a final line break
// adds no empty line; a NUL byte ends the text. Lines are taken as they are.
std::vector<std::string> SplitListFileLines(std::string_view text);

}  // namespace zenka
