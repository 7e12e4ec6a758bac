// The title bar's theme: the system draws a window's title bar dark when
// asked through the desktop window manager, on Windows 10 1809 and later.
#pragma once

#include <windows.h>

#include <cstdint>

namespace zenka {

// Asks for a dark title bar, or the light one back, on the given build of
// Windows; nothing where the build has no dark title bars.
void ApplyTitleBarTheme(HWND window, bool dark, uint32_t buildNumber);

}  // namespace zenka
