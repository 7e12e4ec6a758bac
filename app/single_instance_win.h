// One Zenka per user session: the first process holds a named mutex; a
// second start only brings the first one's window forward and ends.
#pragma once

#include <windows.h>

namespace zenka {

extern const wchar_t* const kInstanceMutexName;  // "ZenkaMutex"

// The mutex for this process to hold while it runs, or null when another
// instance holds it already. Two processes starting at the same moment
// cannot both get it.
HANDLE ClaimSingleInstance();

// Brings the running instance's main window to the foreground, and
// restores its owner if that is minimised.
void BringFirstInstanceForward();

// The program's hidden top-level window, owner of the main window. It is
// never shown and has the tool-window style, so the program has no taskbar
// button, whichever style the main window has.
HWND CreateApplicationWindow(HINSTANCE instance);

}  // namespace zenka
