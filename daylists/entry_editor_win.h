// TfrmEdit, "内容の修正": the modal editor of one line of a day list,
// centred on the settings dialog. It shows the focused line in the entry
// controls and, on OK, puts the line they compose in its place.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>

#include "calendar/julius.h"
#include "controls/dialog_base_win.h"
#include "daylists/day_list_box.h"

namespace zenka {

// Shows a message box owned by the window and answers its result.
using MessageBoxRunner = std::function<int(HWND owner, const std::string& text, UINT type)>;

class TfrmEdit : public DialogBase {
public:
    // Edits the focused line of list; visibleRows is how many rows the
    // list box shows.
    TfrmEdit(ListBoxState& list, int visibleRows, const CivilDate& calendarDate, MessageBoxRunner messageBox);

    // Runs the editor over the dialog; true when OK put a line back.
    bool ShowModal(HWND settingsDialog);

private:
    bool OnInitDialog() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;
    bool OnCommand(int id, UINT code, HWND control) override;

    void FormCreate();
    void FormShow();
    void Button1Click();

    static constexpr UINT kShowFillingError = WM_APP + 1;

    ListBoxState& list_;
    int visibleRows_;
    CivilDate calendarDate_;
    MessageBoxRunner messageBox_;
    std::optional<std::string> fillingError_;
};

}  // namespace zenka
