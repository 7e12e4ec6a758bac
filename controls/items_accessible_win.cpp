#include "controls/items_accessible_win.h"

namespace zenka {

namespace {

HRESULT LongOut(VARIANT* out, long value) {
    out->vt = VT_I4;
    out->lVal = value;
    return S_OK;
}

}  // namespace

HRESULT ItemsAccessible::ItemOf(const VARIANT& child, long& item) const {
    if (!Connected() || !IsWindow(Window())) return RPC_E_DISCONNECTED;
    if (child.vt != VT_I4) return E_INVALIDARG;
    if (child.lVal == CHILDID_SELF) {
        item = kSelf;
        return S_OK;
    }
    if (child.lVal < 1 || static_cast<size_t>(child.lVal) > ItemCount()) return E_INVALIDARG;
    item = child.lVal - 1;
    return S_OK;
}

HRESULT ItemsAccessible::NoString(const VARIANT& child, BSTR* out, HRESULT forItem) const {
    if (!out) return E_POINTER;
    *out = nullptr;
    long item;
    const HRESULT found = ItemOf(child, item);
    return FAILED(found) ? found : forItem;
}

HRESULT ItemsAccessible::get_accChildCount(long* count) {
    if (!count) return E_POINTER;
    *count = 0;
    if (!Connected() || !IsWindow(Window())) return RPC_E_DISCONNECTED;
    *count = static_cast<long>(ItemCount());
    return S_OK;
}

HRESULT ItemsAccessible::get_accChild(VARIANT child, IDispatch** object) {
    if (!object) return E_POINTER;
    *object = nullptr;
    long item;
    const HRESULT found = ItemOf(child, item);
    if (FAILED(found)) return found;
    if (item != kSelf) return S_FALSE;  // the items are simple elements of the control
    *object = static_cast<IDispatch*>(this);
    AddRef();
    return S_OK;
}

HRESULT ItemsAccessible::get_accName(VARIANT child, BSTR* name) {
    if (!name) return E_POINTER;
    *name = nullptr;
    long item;
    const HRESULT found = ItemOf(child, item);
    if (FAILED(found)) return found;
    try {
        return AccessibleStringOut(name, item == kSelf ? Name() : ItemName(item));
    } catch (...) {
        return E_FAIL;
    }
}

HRESULT ItemsAccessible::get_accValue(VARIANT child, BSTR* value) {
    return NoString(child, value, DISP_E_MEMBERNOTFOUND);
}

HRESULT ItemsAccessible::get_accDescription(VARIANT child, BSTR* description) {
    if (!description) return E_POINTER;
    *description = nullptr;
    long item;
    const HRESULT found = ItemOf(child, item);
    if (FAILED(found)) return found;
    return item == kSelf ? S_FALSE : AccessibleStringOut(description, ItemDescription(item));
}

HRESULT ItemsAccessible::get_accRole(VARIANT child, VARIANT* role) {
    if (!role) return E_POINTER;
    VariantInit(role);
    long item;
    const HRESULT found = ItemOf(child, item);
    return FAILED(found) ? found : LongOut(role, item == kSelf ? role_ : itemRole_);
}

HRESULT ItemsAccessible::get_accState(VARIANT child, VARIANT* state) {
    if (!state) return E_POINTER;
    VariantInit(state);
    long item;
    const HRESULT found = ItemOf(child, item);
    if (FAILED(found)) return found;
    if (item == kSelf) return Standard().get_accState(child, state);
    long flags = STATE_SYSTEM_SELECTABLE | STATE_SYSTEM_FOCUSABLE;
    if (SelectedItem() == static_cast<size_t>(item)) {
        flags |= STATE_SYSTEM_SELECTED;
        if (GetFocus() == Window()) flags |= STATE_SYSTEM_FOCUSED;
    }
    if (!IsWindowVisible(Window())) flags |= STATE_SYSTEM_INVISIBLE;
    RECT client, inside;
    GetClientRect(Window(), &client);
    const std::optional<RECT> place = ItemPlace(item);
    if (!place || !IntersectRect(&inside, &*place, &client)) flags |= STATE_SYSTEM_OFFSCREEN;
    return LongOut(state, flags);
}

HRESULT ItemsAccessible::get_accHelp(VARIANT child, BSTR* help) { return NoString(child, help, S_FALSE); }

HRESULT ItemsAccessible::get_accHelpTopic(BSTR* file, VARIANT child, long* topic) {
    if (topic) *topic = 0;
    return NoString(child, file, S_FALSE);
}

HRESULT ItemsAccessible::get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) {
    if (!shortcut) return E_POINTER;
    *shortcut = nullptr;
    long item;
    const HRESULT found = ItemOf(child, item);
    if (FAILED(found)) return found;
    return item == kSelf ? Standard().get_accKeyboardShortcut(child, shortcut) : S_FALSE;
}

HRESULT ItemsAccessible::get_accFocus(VARIANT* child) {
    if (!child) return E_POINTER;
    VariantInit(child);
    if (!Connected() || !IsWindow(Window())) return RPC_E_DISCONNECTED;
    if (GetFocus() != Window()) return S_FALSE;
    const std::optional<size_t> item = SelectedItem();
    return LongOut(child, item ? ChildOf(*item) : CHILDID_SELF);
}

HRESULT ItemsAccessible::get_accSelection(VARIANT* children) {
    if (!children) return E_POINTER;
    VariantInit(children);
    if (!Connected() || !IsWindow(Window())) return RPC_E_DISCONNECTED;
    const std::optional<size_t> item = SelectedItem();
    return item ? LongOut(children, ChildOf(*item)) : S_FALSE;
}

HRESULT ItemsAccessible::get_accDefaultAction(VARIANT child, BSTR* action) {
    if (!action) return E_POINTER;
    *action = nullptr;
    long item;
    const HRESULT found = ItemOf(child, item);
    if (FAILED(found)) return found;
    return item == kSelf ? Standard().get_accDefaultAction(child, action) : AccessibleStringOut(action, ItemAction());
}

HRESULT ItemsAccessible::accSelect(long flags, VARIANT child) {
    long item;
    const HRESULT found = ItemOf(child, item);
    if (FAILED(found)) return found;
    if (item == kSelf) return Standard().accSelect(flags, child);
    // One selected item, which is also where the control's keys work.
    if (flags & (SELFLAG_ADDSELECTION | SELFLAG_REMOVESELECTION | SELFLAG_EXTENDSELECTION)) return E_INVALIDARG;
    if (flags & SELFLAG_TAKEFOCUS) SetFocus(Window());
    return flags & (SELFLAG_TAKESELECTION | SELFLAG_TAKEFOCUS) ? SelectItem(item) : S_OK;
}

HRESULT ItemsAccessible::accLocation(long* left, long* top, long* width, long* height, VARIANT child) {
    if (!left || !top || !width || !height) return E_POINTER;
    *left = *top = *width = *height = 0;
    long item;
    const HRESULT found = ItemOf(child, item);
    if (FAILED(found)) return found;
    if (item == kSelf) return Standard().accLocation(left, top, width, height, child);
    std::optional<RECT> place = ItemPlace(item);
    if (!place) return S_FALSE;
    MapWindowPoints(Window(), nullptr, reinterpret_cast<POINT*>(&*place), 2);
    *left = place->left;
    *top = place->top;
    *width = place->right - place->left;
    *height = place->bottom - place->top;
    return S_OK;
}

HRESULT ItemsAccessible::accNavigate(long direction, VARIANT start, VARIANT* end) {
    if (!end) return E_POINTER;
    VariantInit(end);
    long item;
    const HRESULT found = ItemOf(start, item);
    if (FAILED(found)) return found;
    if (direction < NAVDIR_UP || direction > NAVDIR_LASTCHILD) return E_INVALIDARG;
    const bool intoChildren = direction == NAVDIR_FIRSTCHILD || direction == NAVDIR_LASTCHILD;
    if (item == kSelf && !intoChildren) return Standard().accNavigate(direction, start, end);
    if (item != kSelf && intoChildren) return E_INVALIDARG;  // an item has no children
    const std::optional<size_t> to =
        Step(item == kSelf ? std::nullopt : std::optional<size_t>(static_cast<size_t>(item)), direction);
    return to ? LongOut(end, ChildOf(*to)) : S_FALSE;
}

HRESULT ItemsAccessible::accHitTest(long x, long y, VARIANT* child) {
    if (!child) return E_POINTER;
    VariantInit(child);
    if (!Connected() || !IsWindow(Window())) return RPC_E_DISCONNECTED;
    POINT point{x, y};
    ScreenToClient(Window(), &point);
    RECT client;
    GetClientRect(Window(), &client);
    if (!PtInRect(&client, point)) return S_FALSE;
    const std::optional<size_t> item = ItemAt(point);
    return LongOut(child, item ? ChildOf(*item) : CHILDID_SELF);
}

HRESULT ItemsAccessible::accDoDefaultAction(VARIANT child) {
    long item;
    const HRESULT found = ItemOf(child, item);
    if (FAILED(found)) return found;
    return item == kSelf ? Standard().accDoDefaultAction(child) : DoItemAction(item);
}

}  // namespace zenka
