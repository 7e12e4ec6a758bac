#include "daylists/entry_editor_win.h"

#include "common/utf16_win.h"
#include "daylists/day_list_ids.h"
#include "daylists/day_list_texts.h"
#include "daylists/entry_controls_win.h"
#include "daylists/entry_editor.h"

namespace zenka {

TfrmEdit::TfrmEdit(ListBoxState& list, int visibleRows, const CivilDate& calendarDate, MessageBoxRunner messageBox)
    : list_(list), visibleRows_(visibleRows), calendarDate_(calendarDate), messageBox_(std::move(messageBox)) {}

bool TfrmEdit::ShowModal(HWND settingsDialog) {
    return RunModal(IDD_ENTRY_EDITOR, settingsDialog) == IDOK;
}

// Centred on the settings dialog, by whole halves.
void TfrmEdit::FormCreate() {
    SetWindowTextW(hwnd_, Widen(kEditorCaption).c_str());
    RECT owner, self;
    if (!GetWindowRect(GetWindow(hwnd_, GW_OWNER), &owner) || !GetWindowRect(hwnd_, &self)) return;
    const int left = owner.left + (owner.right - owner.left) / 2 - (self.right - self.left) / 2;
    const int top = owner.top + (owner.bottom - owner.top) / 2 - (self.bottom - self.top) / 2;
    SetWindowPos(hwnd_, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    SetUpEntryControls(hwnd_);
}

void TfrmEdit::FormShow() {
    const bool hasLine = list_.focus >= 0 && list_.focus < static_cast<int>(list_.lines.size());
    const EditorFilling filling =
        FillEditorControls(hasLine ? list_.lines[list_.focus] : std::string(), calendarDate_);
    ShowEntryControls(hwnd_, filling.controls, kOnlyThatYear);
    SetFocus(GetDlgItem(hwnd_, IDC_ENTRY_CONTENT));
    // Told once the editor stands on the screen, over it.
    fillingError_ = filling.error;
    if (fillingError_) PostMessageW(hwnd_, kShowFillingError, 0, 0);
}

void TfrmEdit::Button1Click() {
    const std::optional<std::string> line = EditorLine(ReadEntryControls(hwnd_));
    if (!line) {
        messageBox_(hwnd_, kEditorContentText, MB_OK | MB_ICONWARNING);
        return;
    }
    ReplaceFocusedLine(list_, *line, visibleRows_);
    EndDialog(hwnd_, IDOK);
}

bool TfrmEdit::OnInitDialog() {
    FormCreate();
    FormShow();
    return false;  // the focus is set
}

bool TfrmEdit::OnMessage(UINT message, WPARAM, LPARAM, INT_PTR& result) {
    if (message != kShowFillingError) return false;
    if (fillingError_) messageBox_(hwnd_, *fillingError_, MB_OK | MB_ICONERROR);
    result = TRUE;
    return true;
}

bool TfrmEdit::OnCommand(int id, UINT code, HWND) {
    if (id == IDOK) {
        Button1Click();
    } else if (id == IDCANCEL) {
        EndDialog(hwnd_, IDCANCEL);
    } else if (IsEntryEnablingControl(id) && code == BN_CLICKED) {
        RefreshEntryEnabling(hwnd_);
    }
    return true;
}

}  // namespace zenka
