// The client side of Active Accessibility, as a screen reader asks: the
// object of a window and what it says of itself or of one of its children.
#pragma once

#include <windows.h>
#include <oleacc.h>

#include <string>

#include "common/utf16_win.h"

namespace zenka::testing {

inline VARIANT ChildVariant(long id) {
    VARIANT child;
    VariantInit(&child);
    child.vt = VT_I4;
    child.lVal = id;
    return child;
}

// The text, freed.
inline std::string TakeString(BSTR text) {
    std::string utf8 = text ? Narrow(std::wstring_view(text, SysStringLen(text))) : std::string();
    SysFreeString(text);
    return utf8;
}

// The window's client object, as the system hands it out; null when none.
inline IAccessible* ClientObject(HWND window) {
    IAccessible* object = nullptr;
    if (FAILED(AccessibleObjectFromWindow(window, OBJID_CLIENT, __uuidof(IAccessible),
                                          reinterpret_cast<void**>(&object)))) {
        return nullptr;
    }
    return object;
}

inline std::string NameOf(IAccessible& object, long child = CHILDID_SELF) {
    BSTR text = nullptr;
    object.get_accName(ChildVariant(child), &text);
    return TakeString(text);
}

// 0 when the object tells none.
inline long RoleOf(IAccessible& object, long child = CHILDID_SELF) {
    VARIANT role;
    return object.get_accRole(ChildVariant(child), &role) == S_OK && role.vt == VT_I4 ? role.lVal : 0;
}

}  // namespace zenka::testing
