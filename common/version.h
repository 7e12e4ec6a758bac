// The program's version: shown by the about box, sent in the time request's
// user agent, and stamped into the executable's version resource and the
// release package's name.
#pragma once

namespace zenka {

inline constexpr int kVersionMajor = 6;
inline constexpr int kVersionMinor = 7;
inline constexpr const char* kVersionText = "6.7";

// The maker, as the about box names it, and where to reach it. Zenka has
// no public mail address or web page yet; while these are empty the about
// box's links open a new mail about this version and the program's folder.
inline constexpr const char* kMakerName = "Brindlex";
inline constexpr const char* kMakerMailAddress = "";
inline constexpr const char* kMakerWebPage = "";

}  // namespace zenka
