#include "controls/list_box_accessible_win.h"

#include <commctrl.h>

#include <optional>

#include "controls/items_accessible_win.h"

namespace zenka {

namespace {

class ListBoxAccessible final : public ItemsAccessible {
public:
    static ListBoxAccessible* Create(HWND list, const ListBoxWords& words) {
        IAccessible* standard = MakeStandard(list);
        return standard ? new ListBoxAccessible(list, standard, words) : nullptr;
    }

private:
    ListBoxAccessible(HWND list, IAccessible* standard, const ListBoxWords& words)
        : ItemsAccessible(list, standard, ROLE_SYSTEM_LIST, ROLE_SYSTEM_LISTITEM), words_(words) {}

    std::string Name() const override { return words_.list ? words_.list() : std::string(); }
    size_t ItemCount() const override {
        const LRESULT count = SendMessageW(Window(), LB_GETCOUNT, 0, 0);
        return count > 0 ? static_cast<size_t>(count) : 0;
    }
    std::string ItemName(size_t item) const override { return words_.line ? words_.line(item) : std::string(); }
    std::optional<size_t> SelectedItem() const override {
        const LRESULT line = SendMessageW(Window(), LB_GETCURSEL, 0, 0);
        return line == LB_ERR ? std::nullopt : std::optional<size_t>(static_cast<size_t>(line));
    }
    std::optional<RECT> ItemPlace(size_t item) const override {
        RECT place;
        const LRESULT found = SendMessageW(Window(), LB_GETITEMRECT, item, reinterpret_cast<LPARAM>(&place));
        return found == LB_ERR ? std::nullopt : std::optional<RECT>(place);
    }
    std::optional<size_t> ItemAt(POINT client) const override {
        const LRESULT hit = SendMessageW(Window(), LB_ITEMFROMPOINT, 0, MAKELPARAM(client.x, client.y));
        // The high word says the point lies past the last line.
        return HIWORD(hit) ? std::nullopt : std::optional<size_t>(LOWORD(hit));
    }
    std::optional<size_t> Step(std::optional<size_t> from, long direction) const override {
        const size_t count = ItemCount();
        if (count == 0) return std::nullopt;
        if (!from) return direction == NAVDIR_FIRSTCHILD ? 0 : count - 1;
        if ((direction == NAVDIR_NEXT || direction == NAVDIR_DOWN) && *from + 1 < count) return *from + 1;
        if ((direction == NAVDIR_PREVIOUS || direction == NAVDIR_UP) && *from > 0) return *from - 1;
        return std::nullopt;
    }
    HRESULT SelectItem(size_t item) override {
        if (SendMessageW(Window(), LB_SETCURSEL, item, 0) == LB_ERR) return E_FAIL;
        NotifyWinEvent(EVENT_OBJECT_FOCUS, Window(), OBJID_CLIENT, ChildOf(item));
        NotifyWinEvent(EVENT_OBJECT_SELECTION, Window(), OBJID_CLIENT, ChildOf(item));
        return S_OK;
    }
    std::string ItemAction() const override { return "開く"; }
    HRESULT DoItemAction(size_t item) override {
        const HRESULT selected = SelectItem(item);
        if (FAILED(selected)) return selected;
        // Posted, so that the reader's call returns before the owner acts.
        return PostMessageW(GetParent(Window()), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(Window()), LBN_DBLCLK),
                            reinterpret_cast<LPARAM>(Window()))
                   ? S_OK
                   : E_FAIL;
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
