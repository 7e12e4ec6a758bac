#include "daylists/entry_editor_win.h"

#include "common/error_report_win.h"
#include "common/utf16_win.h"
#include "controls/dialog_object_win.h"
#include "controls/spin_edit_win.h"
#include "daylists/day_list_ids.h"
#include "daylists/day_list_texts.h"
#include "daylists/entry_controls_win.h"
#include "daylists/entry_editor.h"

namespace zenka {

TfrmEdit::TfrmEdit(ListBoxState& list, int visibleRows, const CivilDate& calendarDate, MessageBoxRunner messageBox)
    : list_(list), visibleRows_(visibleRows), calendarDate_(calendarDate), messageBox_(std::move(messageBox)) {}

bool TfrmEdit::ShowModal(HWND settingsDialog) {
    return DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_ENTRY_EDITOR), settingsDialog, DialogProc,
                           reinterpret_cast<LPARAM>(this)) == IDOK;
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

INT_PTR CALLBACK TfrmEdit::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* editor = DialogObject<TfrmEdit>(hwnd, message, lParam);
    if (!editor) return FALSE;
    if (message == WM_INITDIALOG) editor->hwnd_ = hwnd;
    try {
        return editor->HandleMessage(message, wParam, lParam);
    } catch (...) {
        ReportCurrentException(hwnd);
        return TRUE;
    }
}

INT_PTR TfrmEdit::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            FormCreate();
            FormShow();
            return FALSE;  // the focus is set
        case kShowFillingError:
            if (fillingError_) messageBox_(hwnd_, *fillingError_, MB_OK | MB_ICONERROR);
            return TRUE;
        case WM_COMMAND: {
            const int id = LOWORD(wParam);
            if (id == IDOK) {
                Button1Click();
            } else if (id == IDCANCEL) {
                EndDialog(hwnd_, IDCANCEL);
            } else if (IsEntryEnablingControl(id) && HIWORD(wParam) == BN_CLICKED) {
                RefreshEntryEnabling(hwnd_);
            }
            return TRUE;
        }
        case WM_NOTIFY:
            if (HandleSpinArrow(*reinterpret_cast<const NMHDR*>(lParam))) {
                SetWindowLongPtrW(hwnd_, DWLP_MSGRESULT, TRUE);
                return TRUE;
            }
            return FALSE;
    }
    return FALSE;
}

}  // namespace zenka
