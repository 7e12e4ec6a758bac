#include "controls/standard_accessible_win.h"

#include "common/utf16_win.h"

namespace zenka {

HRESULT AccessibleStringOut(BSTR* out, const std::string& utf8) {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (utf8.empty()) return S_FALSE;
    const std::wstring text = Widen(utf8);
    *out = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    return *out ? S_OK : E_OUTOFMEMORY;
}

IAccessible* StandardAccessible::MakeStandard(HWND window) {
    IAccessible* standard = nullptr;
    // __uuidof rather than IID_IAccessible: mingw-w64's oleacc import
    // library carries a symbol of that name too, which is not the GUID.
    if (FAILED(CreateStdAccessibleObject(window, OBJID_CLIENT, __uuidof(IAccessible),
                                         reinterpret_cast<void**>(&standard)))) {
        return nullptr;
    }
    return standard;
}

StandardAccessible::StandardAccessible(HWND window, IAccessible* standard) : window_(window), standard_(standard) {}

StandardAccessible::~StandardAccessible() { Disconnect(); }

void StandardAccessible::Disconnect() {
    window_ = nullptr;
    if (standard_) standard_->Release();
    standard_ = nullptr;
}

HRESULT StandardAccessible::OnlySelf(const VARIANT& child) const {
    if (!Connected()) return RPC_E_DISCONNECTED;
    return child.vt == VT_I4 && child.lVal == CHILDID_SELF ? S_OK : E_INVALIDARG;
}

HRESULT StandardAccessible::QueryInterface(REFIID iid, void** object) {
    if (!object) return E_POINTER;
    if (iid == __uuidof(IUnknown) || iid == __uuidof(IDispatch) || iid == __uuidof(IAccessible)) {
        *object = static_cast<IAccessible*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG StandardAccessible::AddRef() { return static_cast<ULONG>(InterlockedIncrement(&references_)); }

ULONG StandardAccessible::Release() {
    const LONG left = InterlockedDecrement(&references_);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
}

HRESULT StandardAccessible::GetTypeInfoCount(UINT* count) {
    if (!count) return E_POINTER;
    *count = 0;
    return S_OK;
}
HRESULT StandardAccessible::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
    if (info) *info = nullptr;
    return E_NOTIMPL;
}
HRESULT StandardAccessible::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) { return E_NOTIMPL; }
HRESULT StandardAccessible::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) {
    return E_NOTIMPL;
}

// Every question goes to the standard object while the window lives.
#define ZENKA_STANDARD(call) return standard_ ? standard_->call : RPC_E_DISCONNECTED

HRESULT StandardAccessible::get_accParent(IDispatch** parent) { ZENKA_STANDARD(get_accParent(parent)); }
HRESULT StandardAccessible::get_accChildCount(long* count) { ZENKA_STANDARD(get_accChildCount(count)); }
HRESULT StandardAccessible::get_accChild(VARIANT child, IDispatch** object) {
    ZENKA_STANDARD(get_accChild(child, object));
}
HRESULT StandardAccessible::get_accName(VARIANT child, BSTR* name) { ZENKA_STANDARD(get_accName(child, name)); }
HRESULT StandardAccessible::get_accValue(VARIANT child, BSTR* value) { ZENKA_STANDARD(get_accValue(child, value)); }
HRESULT StandardAccessible::get_accDescription(VARIANT child, BSTR* description) {
    ZENKA_STANDARD(get_accDescription(child, description));
}
HRESULT StandardAccessible::get_accRole(VARIANT child, VARIANT* role) { ZENKA_STANDARD(get_accRole(child, role)); }
HRESULT StandardAccessible::get_accState(VARIANT child, VARIANT* state) {
    ZENKA_STANDARD(get_accState(child, state));
}
HRESULT StandardAccessible::get_accHelp(VARIANT child, BSTR* help) { ZENKA_STANDARD(get_accHelp(child, help)); }
HRESULT StandardAccessible::get_accHelpTopic(BSTR* file, VARIANT child, long* topic) {
    ZENKA_STANDARD(get_accHelpTopic(file, child, topic));
}
HRESULT StandardAccessible::get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) {
    ZENKA_STANDARD(get_accKeyboardShortcut(child, shortcut));
}
HRESULT StandardAccessible::get_accFocus(VARIANT* child) { ZENKA_STANDARD(get_accFocus(child)); }
HRESULT StandardAccessible::get_accSelection(VARIANT* children) { ZENKA_STANDARD(get_accSelection(children)); }
HRESULT StandardAccessible::get_accDefaultAction(VARIANT child, BSTR* action) {
    ZENKA_STANDARD(get_accDefaultAction(child, action));
}
HRESULT StandardAccessible::accSelect(long flags, VARIANT child) { ZENKA_STANDARD(accSelect(flags, child)); }
HRESULT StandardAccessible::accLocation(long* left, long* top, long* width, long* height, VARIANT child) {
    ZENKA_STANDARD(accLocation(left, top, width, height, child));
}
HRESULT StandardAccessible::accNavigate(long direction, VARIANT start, VARIANT* end) {
    ZENKA_STANDARD(accNavigate(direction, start, end));
}
HRESULT StandardAccessible::accHitTest(long x, long y, VARIANT* child) { ZENKA_STANDARD(accHitTest(x, y, child)); }
HRESULT StandardAccessible::accDoDefaultAction(VARIANT child) { ZENKA_STANDARD(accDoDefaultAction(child)); }

#undef ZENKA_STANDARD

HRESULT StandardAccessible::put_accName(VARIANT, BSTR) { return E_NOTIMPL; }
HRESULT StandardAccessible::put_accValue(VARIANT, BSTR) { return E_NOTIMPL; }

void AccessibleSlot::Drop() {
    if (!object_) return;
    object_->Disconnect();
    object_->Release();
    object_ = nullptr;
}

}  // namespace zenka
