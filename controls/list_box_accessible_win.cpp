#include "controls/list_box_accessible_win.h"

#include <commctrl.h>

#include <optional>

namespace zenka {

namespace {

class ListBoxAccessible final : public StandardAccessible {
public:
    static ListBoxAccessible* Create(HWND list, const ListBoxWords& words) {
        IAccessible* standard = MakeStandard(list);
        return standard ? new ListBoxAccessible(list, standard, words) : nullptr;
    }

    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override {
        if (!count) return E_POINTER;
        if (!Connected()) return RPC_E_DISCONNECTED;
        *count = static_cast<long>(Count());
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
        if (!object) return E_POINTER;
        *object = nullptr;
        long line;
        const HRESULT found = LineOf(child, line);
        if (FAILED(found) || line != kSelf) return FAILED(found) ? found : S_FALSE;
        return StandardAccessible::get_accChild(child, object);
    }
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        if (!name) return E_POINTER;
        *name = nullptr;
        long line;
        const HRESULT found = LineOf(child, line);
        if (FAILED(found)) return found;
        try {
            return AccessibleStringOut(name, line == kSelf ? (words_.list ? words_.list() : std::string())
                                                           : (words_.line ? words_.line(line) : std::string()));
        } catch (...) {
            return E_FAIL;
        }
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        if (!role) return E_POINTER;
        VariantInit(role);
        long line;
        const HRESULT found = LineOf(child, line);
        if (FAILED(found)) return found;
        role->vt = VT_I4;
        role->lVal = line == kSelf ? ROLE_SYSTEM_LIST : ROLE_SYSTEM_LISTITEM;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        if (!state) return E_POINTER;
        VariantInit(state);
        long line;
        const HRESULT found = LineOf(child, line);
        if (FAILED(found)) return found;
        if (line == kSelf) return StandardAccessible::get_accState(child, state);
        long flags = STATE_SYSTEM_SELECTABLE | STATE_SYSTEM_FOCUSABLE;
        if (Selected() == line) {
            flags |= STATE_SYSTEM_SELECTED;
            if (GetFocus() == Window()) flags |= STATE_SYSTEM_FOCUSED;
        }
        RECT place, client;
        GetClientRect(Window(), &client);
        if (!ItemRect(line, place) || !IntersectRect(&place, &place, &client)) flags |= STATE_SYSTEM_OFFSCREEN;
        state->vt = VT_I4;
        state->lVal = flags;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override { return Nothing(child, value); }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override { return Nothing(child, text); }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override { return Nothing(child, help); }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
        long line;
        const HRESULT found = LineOf(child, line);
        if (FAILED(found)) return found;
        return line == kSelf ? StandardAccessible::get_accKeyboardShortcut(child, shortcut) : Nothing(child, shortcut);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override {
        if (!child) return E_POINTER;
        VariantInit(child);
        if (!Connected()) return RPC_E_DISCONNECTED;
        if (GetFocus() != Window()) return S_FALSE;
        child->vt = VT_I4;
        const std::optional<long> line = Selected();
        child->lVal = line ? *line + 1 : CHILDID_SELF;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override {
        if (!children) return E_POINTER;
        VariantInit(children);
        if (!Connected()) return RPC_E_DISCONNECTED;
        const std::optional<long> line = Selected();
        if (!line) return S_FALSE;
        children->vt = VT_I4;
        children->lVal = *line + 1;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        long line;
        const HRESULT found = LineOf(child, line);
        if (FAILED(found)) return found;
        return line == kSelf ? StandardAccessible::get_accDefaultAction(child, action)
                             : AccessibleStringOut(action, "開く");
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        long line;
        const HRESULT found = LineOf(child, line);
        if (FAILED(found)) return found;
        if (line == kSelf) return StandardAccessible::accDoDefaultAction(child);
        Select(line);
        // Posted, so that the reader's call returns before the owner acts.
        const HWND owner = GetParent(Window());
        return PostMessageW(owner, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(Window()), LBN_DBLCLK),
                            reinterpret_cast<LPARAM>(Window()))
                   ? S_OK
                   : E_FAIL;
    }
    HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override {
        long line;
        const HRESULT found = LineOf(child, line);
        if (FAILED(found)) return found;
        if (line == kSelf) return StandardAccessible::accSelect(flags, child);
        if (flags & (SELFLAG_ADDSELECTION | SELFLAG_REMOVESELECTION | SELFLAG_EXTENDSELECTION)) return E_INVALIDARG;
        if (flags & SELFLAG_TAKEFOCUS) SetFocus(Window());
        if (flags & (SELFLAG_TAKESELECTION | SELFLAG_TAKEFOCUS)) Select(line);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height, VARIANT child) override {
        if (!left || !top || !width || !height) return E_POINTER;
        *left = *top = *width = *height = 0;
        long line;
        const HRESULT found = LineOf(child, line);
        if (FAILED(found)) return found;
        if (line == kSelf) return StandardAccessible::accLocation(left, top, width, height, child);
        RECT place;
        if (!ItemRect(line, place)) return E_FAIL;
        MapWindowPoints(Window(), nullptr, reinterpret_cast<POINT*>(&place), 2);
        *left = place.left;
        *top = place.top;
        *width = place.right - place.left;
        *height = place.bottom - place.top;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override {
        if (!end) return E_POINTER;
        VariantInit(end);
        long line;
        const HRESULT found = LineOf(start, line);
        if (FAILED(found)) return found;
        const long count = static_cast<long>(Count());
        std::optional<long> to;
        if (line == kSelf) {
            if (direction == NAVDIR_FIRSTCHILD && count > 0) to = 0;
            else if (direction == NAVDIR_LASTCHILD && count > 0) to = count - 1;
            else if (direction != NAVDIR_FIRSTCHILD && direction != NAVDIR_LASTCHILD)
                return StandardAccessible::accNavigate(direction, start, end);
        } else if (direction == NAVDIR_NEXT || direction == NAVDIR_DOWN) {
            if (line + 1 < count) to = line + 1;
        } else if (direction == NAVDIR_PREVIOUS || direction == NAVDIR_UP) {
            if (line > 0) to = line - 1;
        } else if (direction == NAVDIR_FIRSTCHILD || direction == NAVDIR_LASTCHILD) {
            return E_INVALIDARG;  // a line has no children
        }
        if (!to) return S_FALSE;
        end->vt = VT_I4;
        end->lVal = *to + 1;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* child) override {
        if (!child) return E_POINTER;
        VariantInit(child);
        if (!Connected()) return RPC_E_DISCONNECTED;
        POINT point{x, y};
        ScreenToClient(Window(), &point);
        RECT client;
        GetClientRect(Window(), &client);
        if (!PtInRect(&client, point)) return S_FALSE;
        const LRESULT hit = SendMessageW(Window(), LB_ITEMFROMPOINT, 0, MAKELPARAM(point.x, point.y));
        child->vt = VT_I4;
        // The high word says the point lies past the last line.
        child->lVal = HIWORD(hit) ? CHILDID_SELF : LOWORD(hit) + 1;
        return S_OK;
    }

private:
    static constexpr long kSelf = -1;

    ListBoxAccessible(HWND list, IAccessible* standard, const ListBoxWords& words)
        : StandardAccessible(list, standard), words_(words) {}

    size_t Count() const {
        const LRESULT count = SendMessageW(Window(), LB_GETCOUNT, 0, 0);
        return count > 0 ? static_cast<size_t>(count) : 0;
    }
    std::optional<long> Selected() const {
        const LRESULT line = SendMessageW(Window(), LB_GETCURSEL, 0, 0);
        return line == LB_ERR ? std::nullopt : std::optional<long>(static_cast<long>(line));
    }
    bool ItemRect(long line, RECT& place) const {
        return SendMessageW(Window(), LB_GETITEMRECT, static_cast<WPARAM>(line), reinterpret_cast<LPARAM>(&place)) !=
               LB_ERR;
    }
    void Select(long line) const {
        SendMessageW(Window(), LB_SETCURSEL, static_cast<WPARAM>(line), 0);
        NotifyWinEvent(EVENT_OBJECT_SELECTION, Window(), OBJID_CLIENT, line + 1);
    }
    // The line a child identifier names, 0-based, or kSelf for the list.
    HRESULT LineOf(const VARIANT& child, long& line) const {
        if (!Connected()) return RPC_E_DISCONNECTED;
        if (child.vt != VT_I4) return E_INVALIDARG;
        if (child.lVal == CHILDID_SELF) {
            line = kSelf;
            return S_OK;
        }
        if (child.lVal < 1 || static_cast<size_t>(child.lVal) > Count()) return E_INVALIDARG;
        line = child.lVal - 1;
        return S_OK;
    }
    HRESULT Nothing(const VARIANT& child, BSTR* out) const {
        if (!out) return E_POINTER;
        *out = nullptr;
        long line;
        const HRESULT found = LineOf(child, line);
        return FAILED(found) ? found : S_FALSE;
    }

    ListBoxWords words_;
};

struct Subclass {
    ListBoxWords words;
    AccessibleSlot accessible;
};

constexpr UINT_PTR kSubclassId = 0x5A4C;  // 'ZL'

LRESULT CALLBACK ListBoxProc(HWND list, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
    auto* subclass = reinterpret_cast<Subclass*>(data);
    switch (message) {
        case WM_GETOBJECT:
            if (static_cast<LONG>(lParam) != OBJID_CLIENT) break;
            return subclass->accessible.Answer(wParam,
                                               [&] { return ListBoxAccessible::Create(list, subclass->words); });
        case WM_NCDESTROY:
            RemoveWindowSubclass(list, ListBoxProc, kSubclassId);
            delete subclass;
            break;
    }
    return DefSubclassProc(list, message, wParam, lParam);
}

}  // namespace

void MakeListBoxAccessible(HWND list, ListBoxWords words) {
    auto* subclass = new Subclass{std::move(words), {}};
    if (!SetWindowSubclass(list, ListBoxProc, kSubclassId, reinterpret_cast<DWORD_PTR>(subclass))) delete subclass;
}

}  // namespace zenka
