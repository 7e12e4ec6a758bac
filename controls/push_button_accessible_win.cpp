#include "controls/push_button_accessible_win.h"

#include <string>

#include "common/utf16_win.h"

namespace zenka {

PushButtonAccessible* PushButtonAccessible::Create(HWND button, std::function<bool()> pressed) {
    IAccessible* standard = MakeStandard(button);
    return standard ? new PushButtonAccessible(button, standard, std::move(pressed)) : nullptr;
}

HRESULT PushButtonAccessible::get_accName(VARIANT child, BSTR* name) {
    if (!name) return E_POINTER;
    *name = nullptr;
    const HRESULT self = OnlySelf(child);
    if (FAILED(self)) return self;
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(Window())) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(Window(), text.data(), static_cast<int>(text.size()))));
    return AccessibleStringOut(name, Narrow(text));
}

HRESULT PushButtonAccessible::get_accRole(VARIANT child, VARIANT* role) {
    if (!role) return E_POINTER;
    VariantInit(role);
    const HRESULT self = OnlySelf(child);
    if (FAILED(self)) return self;
    role->vt = VT_I4;
    role->lVal = ROLE_SYSTEM_PUSHBUTTON;
    return S_OK;
}

HRESULT PushButtonAccessible::get_accState(VARIANT child, VARIANT* state) {
    const HRESULT standard = StandardAccessible::get_accState(child, state);
    if (FAILED(standard) || state->vt != VT_I4) return standard;
    if (IsWindowEnabled(Window())) state->lVal |= STATE_SYSTEM_FOCUSABLE;
    if (pressed_ && pressed_()) state->lVal |= STATE_SYSTEM_PRESSED;
    return S_OK;
}

HRESULT PushButtonAccessible::get_accDefaultAction(VARIANT child, BSTR* action) {
    if (!action) return E_POINTER;
    *action = nullptr;
    const HRESULT self = OnlySelf(child);
    return FAILED(self) ? self : AccessibleStringOut(action, "押す");
}

HRESULT PushButtonAccessible::accDoDefaultAction(VARIANT child) {
    const HRESULT self = OnlySelf(child);
    if (FAILED(self)) return self;
    if (!IsWindowEnabled(Window())) return E_FAIL;
    // Posted, so that the reader's call returns before the click's work
    // (which may close the window the button is in).
    return PostMessageW(Window(), BM_CLICK, 0, 0) ? S_OK : E_FAIL;
}

}  // namespace zenka
