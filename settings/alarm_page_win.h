// The "アラーム･時報" page. Its values move through the dialog's binding;
// the page itself turns the slot buttons into slot changes.
#pragma once

#include <functional>

#include "controls/dialog_page_win.h"

namespace zenka {

class AlarmPage : public DialogPage {
public:
    AlarmPage();

    // Slot button 1..5 clicked.
    std::function<void(int slot)> OnSlotButton;
    // Puts the slot's button down and the others up.
    void ShowSlotButton(int slot);

private:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;
};

}  // namespace zenka
