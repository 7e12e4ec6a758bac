// What screen readers get from a button that draws itself: a push button
// named by its window text, focusable, pressed while it shows itself
// pressed, whose default action ("押す") clicks it.
#pragma once

#include <functional>

#include "controls/standard_accessible_win.h"

namespace zenka {

class PushButtonAccessible final : public StandardAccessible {
public:
    // pressed tells whether the button stands pressed (a toggle that is
    // on). Null when the standard object cannot be made.
    static PushButtonAccessible* Create(HWND button, std::function<bool()> pressed);

    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override;
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override;
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override;
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override;
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override;

private:
    PushButtonAccessible(HWND button, IAccessible* standard, std::function<bool()> pressed)
        : StandardAccessible(button, standard), pressed_(std::move(pressed)) {}

    std::function<bool()> pressed_;
};

}  // namespace zenka
