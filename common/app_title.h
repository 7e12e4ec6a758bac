// The application's title, shown on its windows and message boxes and kept
// in the settings as Form/Name3.
#pragma once

namespace zenka {

inline constexpr const char* kApplicationTitle = "Zenka 2006";
inline constexpr const wchar_t* kApplicationTitleW = L"Zenka 2006";
// Notice boxes carry the title with one trailing blank, so that an earlier
// notice can be found and closed by its title.
inline constexpr const wchar_t* kNoticeTitleW = L"Zenka 2006 ";

}  // namespace zenka
