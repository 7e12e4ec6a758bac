// TfrmAbout, the about box: the application's icon, "Zenka 2006", the
// version, the maker's notice and two links, the mail address and the web
// page. Shown modally; a link that cannot be opened is let go silently.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace zenka {

struct AboutServices {
    // Hands a link's target to the system to open; empty: the shell opens
    // it in a normal window.
    std::function<void(HWND owner, const std::string& target)> openLink;
    // Called once the box is showing, before the user can act on it; tests
    // read and drive it from here.
    std::function<void(HWND box)> onShown;
    // The folder the web link opens while the maker has no web page; empty:
    // the executable's folder.
    std::string programFolder;
};

// Returns when the box is closed.
void ShowAboutBox(HWND owner, AboutServices services = {});

}  // namespace zenka
