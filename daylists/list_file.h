// Day list files: code page 932 text holding one day rule line per text
// line, each followed by CR LF, without any framing.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zenka {

// The lines of a list file's bytes, as UTF-8, in file order: a line ends at
// CR, at LF, or at CR LF taken together; a final line break adds no empty
// line; an empty line between two breaks stays; a NUL byte ends the text.
// Lines are taken as they are, without trimming or checking.
std::vector<std::string> SplitListFileLines(std::string_view bytes);

}  // namespace zenka
