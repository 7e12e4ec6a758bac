// What screen readers get from a list box whose lines are drawn by their
// owner: a list named by the owner's words for it, its lines as list items
// named as the owner words each for a listener (which may say more than the
// line shows), with their selection, focus, places and hit testing from the
// list box itself. The default action on a line ("開く") selects it and
// tells the owner as a double click on it would.
#pragma once

#include <functional>
#include <string>

#include "controls/standard_accessible_win.h"

namespace zenka {

struct ListBoxWords {
    std::function<std::string()> list;
    std::function<std::string(size_t line)> line;  // 0-based
};

// Gives the list box (a child with LBS_NOTIFY, single selection) this
// object for readers, for as long as the window lives.
void MakeListBoxAccessible(HWND list, ListBoxWords words);

}  // namespace zenka
