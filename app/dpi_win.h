// The screen's dots per inch for a window, and window sizes that fit a
// client area at that DPI. The program declares itself aware of each
// monitor's DPI in its manifest; the newer calls are looked up at run time
// so that older systems, which scale nothing, still run it.
#pragma once

#include <windows.h>

namespace zenka {

// The DPI of the monitor the window is on, or of the screen on systems
// that know only one.
int DpiOfWindow(HWND hwnd);

// The outer size of a window with this client size, style and DPI.
SIZE WindowSizeForClient(int clientWidth, int clientHeight, DWORD style, DWORD exStyle, int dpi);

}  // namespace zenka
