// One Zenka per user session: the first process holds a named mutex; a
// second start only has the first one show its calendar, and ends.
#pragma once

#include <windows.h>

namespace zenka {

extern const wchar_t* const kInstanceMutexName;  // "ZenkaMutex"

// The mutex for this process to hold while it runs, or null when another
// instance holds it already. Two processes starting at the same moment
// cannot both get it.
HANDLE ClaimSingleInstance();

// Asks the running instance to show its calendar window (or bring it
// forward) and lets it take the foreground; restores its owner if that is
// minimised.
void ShowFirstInstancesCalendar();

// The program's hidden top-level window, owner of the main window. It is
// never shown and has the tool-window style, so the program has no taskbar
// button, whichever style the main window has.
HWND CreateApplicationWindow(HINSTANCE instance);

}  // namespace zenka
