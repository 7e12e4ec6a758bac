// The base of the objects our own controls hand screen readers through
// Active Accessibility. It stands on the system's standard client object of
// the window, which answers every question about the window as a whole (its
// parent, state, place, siblings and keyboard shortcut); a control overrides
// what it knows better: its role and name, or children of its own.
//
// A reader may keep the object longer than the window lives. Once the
// control's window is going it calls Disconnect (AccessibleSlot does), and
// from then on every question is answered with RPC_E_DISCONNECTED.
#pragma once

#include <windows.h>
#include <oleacc.h>

#include <string>

namespace zenka {

class StandardAccessible : public IAccessible {
public:
    void Disconnect();

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    // IDispatch: no type information; readers call IAccessible directly.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override;
    // IAccessible: each goes to the standard object.
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override;
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override;
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override;
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override;
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override;
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override;
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override;
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override;
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override;
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override;
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override;
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override;
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override;
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override;
    HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override;
    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height, VARIANT child) override;
    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override;
    HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* child) override;
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override;
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override;
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override;

protected:
    // Takes the standard object's reference.
    StandardAccessible(HWND window, IAccessible* standard);
    virtual ~StandardAccessible();

    // The standard client object of the window; null when it cannot be made.
    static IAccessible* MakeStandard(HWND window);

    HWND Window() const { return window_; }
    bool Connected() const { return standard_ != nullptr; }
    IAccessible& Standard() const { return *standard_; }

    // S_OK when the child names the object itself, E_INVALIDARG when it
    // names anything else, RPC_E_DISCONNECTED once the window is gone: for
    // objects without children of their own.
    HRESULT OnlySelf(const VARIANT& child) const;

private:
    LONG references_ = 1;
    HWND window_;
    IAccessible* standard_;
};

// Text out to a reader: S_FALSE, and no string, for an empty one.
HRESULT AccessibleStringOut(BSTR* out, const std::string& utf8);

// The object a control hands out, made on a reader's first call and
// disconnected when the control's window goes.
class AccessibleSlot {
public:
    AccessibleSlot() = default;
    AccessibleSlot(const AccessibleSlot&) = delete;
    AccessibleSlot& operator=(const AccessibleSlot&) = delete;
    ~AccessibleSlot() { Drop(); }

    // The answer to WM_GETOBJECT for OBJID_CLIENT: make() gives the object
    // (null when it cannot, and the system's own object answers then).
    template <class Make>
    LRESULT Answer(WPARAM wParam, Make make) {
        if (!object_) object_ = make();
        return object_ ? LresultFromObject(__uuidof(IAccessible), wParam, object_) : 0;
    }
    // For the window's WM_DESTROY.
    void Drop();

private:
    StandardAccessible* object_ = nullptr;
};

}  // namespace zenka
