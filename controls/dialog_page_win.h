// A page of a tabbed dialog: a child dialog made from its own template,
// laid over the tab strip's display area and shown while its tab is
// selected. The page handles what is its own and the arrows of its spin
// fields; the notifications of its controls that it leaves go to the
// dialog holding it, and so does the help key (the system passes WM_HELP
// up from child to parent).
#pragma once

#include <windows.h>

#include <functional>

#include "controls/dialog_base_win.h"

namespace zenka {

class DialogPage : public DialogBase {
public:
    explicit DialogPage(int templateId) : templateId_(templateId) {}

    // Creates the page hidden, as a child of the dialog. False when the
    // template is missing.
    bool Create(HWND dialog) { return CreateModeless(templateId_, dialog); }

    // Places the page over the area, in the dialog's client coordinates,
    // above the tab strip.
    void Place(const RECT& area);
    void Show(bool shown);

    // A control's WM_COMMAND (its identifier and notification code), or a
    // trackbar's WM_HSCROLL (its identifier and scroll code, TB_...), when
    // the page did not handle it.
    std::function<void(int control, UINT code)> OnControlEvent;

protected:
    // Right after the controls are made, before the page is shown.
    virtual void OnInit() {}

private:
    // The dialog holding the page decides the focus.
    bool OnInitDialog() final {
        OnInit();
        return false;
    }
    bool OnCommand(int id, UINT code, HWND control) final;
    bool OnHScroll(HWND control, UINT code) final;

    int templateId_;
};

}  // namespace zenka
