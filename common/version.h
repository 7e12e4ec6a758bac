// The program's version: shown by the about box, sent in the time request's
// user agent, and stamped into the executable's version resource and the
// release package's name.
#pragma once

namespace zenka {

inline constexpr int kVersionMajor = 6;
inline constexpr int kVersionMinor = 7;
inline constexpr const char* kVersionText = "6.7";

}  // namespace zenka
