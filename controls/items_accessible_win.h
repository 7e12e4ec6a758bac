// The base of a control's object for screen readers whose children are
// items drawn by the control, with no windows of their own: the days of the
// month calendar, the lines of a list. It answers every question about a
// child from what the control tells of its items; questions about the
// control itself go to the standard object unless the control says better.
//
// Children are numbered from 1, the first item being child 1. At most one
// item is selected; while the control has the focus, that one is focused.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "controls/standard_accessible_win.h"

namespace zenka {

class ItemsAccessible : public StandardAccessible {
public:
    // The child identifier of an item, 0-based, for events too.
    static long ChildOf(size_t item) { return static_cast<long>(item) + 1; }

    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) final;
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) final;
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) final;
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) final;
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) final;
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) final;
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) final;
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) final;
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) final;
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) final;
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) final;
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) final;
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) final;
    HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) final;
    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height, VARIANT child) final;
    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) final;
    HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* child) final;
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) final;

protected:
    // The roles of the control (ROLE_SYSTEM_TABLE, say) and of its items.
    ItemsAccessible(HWND window, IAccessible* standard, long role, long itemRole)
        : StandardAccessible(window, standard), role_(role), itemRole_(itemRole) {}

    virtual std::string Name() const = 0;  // the control's
    virtual size_t ItemCount() const = 0;
    virtual std::string ItemName(size_t item) const = 0;
    virtual std::string ItemDescription(size_t) const { return {}; }
    virtual std::optional<size_t> SelectedItem() const = 0;
    // In client pixels; none for an item that has no place now.
    virtual std::optional<RECT> ItemPlace(size_t item) const = 0;
    // The item under a point of the client area.
    virtual std::optional<size_t> ItemAt(POINT client) const = 0;
    // The item a NAVDIR_ step leads to from an item (none: from the control,
    // for the first and last child); none past the items.
    virtual std::optional<size_t> Step(std::optional<size_t> from, long direction) const = 0;
    // A reader's choice of an item; a failure leaves the selection as it was.
    virtual HRESULT SelectItem(size_t item) = 0;
    virtual std::string ItemAction() const = 0;  // "選択"
    virtual HRESULT DoItemAction(size_t item) = 0;

private:
    static constexpr long kSelf = -1;

    // The item a child identifier names, 0-based, or kSelf for the control.
    // E_INVALIDARG for an identifier that names nothing, RPC_E_DISCONNECTED
    // once the window is gone.
    HRESULT ItemOf(const VARIANT& child, long& item) const;
    // What neither the items nor the control have.
    HRESULT NoString(const VARIANT& child, BSTR* out, HRESULT forItem) const;

    long role_;
    long itemRole_;
};

}  // namespace zenka
