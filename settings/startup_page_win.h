// The "起動オプション" page: its values move through the dialog's binding;
// the page keeps the hot key field to keys the settings can hold, and tells
// when a mouse click has checked the temporary-folder box.
#pragma once

#include <functional>

#include "common/shortcut_text.h"
#include "controls/dialog_page_win.h"

namespace zenka {

class StartupPage : public DialogPage {
public:
    StartupPage();

    // A mouse button pressed on "起動時に『テンポラリフォルダ』を空にする" was
    // released, and the box is checked now.
    std::function<void()> OnTempFolderCheckedByMouse;

private:
    void OnInit() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;
    static LRESULT CALLBACK TempFolderBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                              DWORD_PTR data);

    Shortcut lastHotKey_;
    bool keyboardClick_ = false;
};

}  // namespace zenka
