// The "カラー" page: each colour button's caption is drawn in its colour,
// and the page's context menu resets the buttons. Which button is checked
// moves through the dialog's binding.
#pragma once

#include <functional>

#include "controls/dialog_page_win.h"

namespace zenka {

class ColorPage : public DialogPage {
public:
    ColorPage();

    // "初期状態に戻す(&R)" chosen.
    std::function<void()> OnResetColors;

private:
    void OnInit() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;
    void ShowContextMenu(LPARAM screenPoint);
};

}  // namespace zenka
