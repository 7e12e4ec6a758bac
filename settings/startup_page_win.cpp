#include "settings/startup_page_win.h"

#include <commctrl.h>

#include "controls/hot_key_control_win.h"
#include "settings/hot_key_field.h"
#include "settings/settings_ids.h"

namespace zenka {
namespace {

constexpr UINT_PTR kTempFolderSubclass = 1;
constexpr UINT_PTR kHotKeySubclass = 2;

// The hot key field tells nobody when it gets the focus; it tells its page
// the way an edit would.
LRESULT CALLBACK HotKeyFieldProc(HWND field, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
    if (message == WM_NCDESTROY) RemoveWindowSubclass(field, HotKeyFieldProc, kHotKeySubclass);
    const LRESULT result = DefSubclassProc(field, message, wParam, lParam);
    if (message == WM_SETFOCUS) {
        SendMessageW(GetParent(field), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(field), EN_SETFOCUS),
                     reinterpret_cast<LPARAM>(field));
    }
    return result;
}

}  // namespace

StartupPage::StartupPage() : DialogPage(IDD_STARTUP_PAGE) {}

void StartupPage::OnInit() {
    // The field itself adds Ctrl+Shift to a key pressed alone or with Shift.
    SendDlgItemMessageW(Handle(), IDC_HOTKEY, HKM_SETRULES, HKCOMB_NONE | HKCOMB_S,
                        MAKELPARAM(HOTKEYF_CONTROL | HOTKEYF_SHIFT, 0));
    SetWindowSubclass(Item(IDC_HOTKEY), HotKeyFieldProc, kHotKeySubclass, 0);
    SetWindowSubclass(Item(IDC_TMP_DELETE), TempFolderBoxProc, kTempFolderSubclass, reinterpret_cast<DWORD_PTR>(this));
}

bool StartupPage::OnMessage(UINT message, WPARAM wParam, LPARAM, INT_PTR&) {
    if (message != WM_COMMAND || LOWORD(wParam) != IDC_HOTKEY) return false;
    HWND field = Item(IDC_HOTKEY);
    if (HIWORD(wParam) == EN_SETFOCUS) {
        lastHotKey_ = HotKeyFieldValue(field);
    } else if (HIWORD(wParam) == EN_CHANGE) {
        const Shortcut typed = HotKeyFieldValue(field);
        // Modifiers held on their way to a key change nothing yet.
        if (typed.IsNone()) return false;
        const Shortcut kept = TypedHotKey(typed, lastHotKey_);
        if (kept != typed) SetHotKeyFieldValue(field, kept);
        lastHotKey_ = kept;
    }
    return false;  // the dialog hears of it too
}

LRESULT CALLBACK StartupPage::TempFolderBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                                DWORD_PTR data) {
    auto* page = reinterpret_cast<StartupPage*>(data);
    switch (message) {
        case BM_CLICK: {
            // The box's access key clicks it with button messages of its
            // own; that is the keyboard, not the mouse.
            page->keyboardClick_ = true;
            const LRESULT result = DefSubclassProc(box, message, wParam, lParam);
            page->keyboardClick_ = false;
            return result;
        }
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
        case WM_MBUTTONUP: {
            // The click toggles the box first; the warning is about the
            // state it leaves.
            const LRESULT result = DefSubclassProc(box, message, wParam, lParam);
            if (!page->keyboardClick_ && SendMessageW(box, BM_GETCHECK, 0, 0) == BST_CHECKED &&
                page->OnTempFolderCheckedByMouse) {
                page->OnTempFolderCheckedByMouse();
            }
            return result;
        }
        case WM_NCDESTROY:
            RemoveWindowSubclass(box, TempFolderBoxProc, kTempFolderSubclass);
            break;
    }
    return DefSubclassProc(box, message, wParam, lParam);
}

}  // namespace zenka
