// The calendar window as a screen reader reads it, through the client side
// of Active Accessibility: the object the system hands out for the
// calendar's window, and the events it raises.
#include <windows.h>
#include <oleacc.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "tests/win/app/main_window_fixture.h"
#include "tests/win/support/accessible_client.h"
#include "tests/win/support/message_pump.h"

namespace zenka::testing {
namespace {

// What a reader asks an object about one of its children.
struct ChildFacts {
    std::string name;
    std::string description;
    long role = 0;
    long state = 0;
    RECT place{};  // on the screen
};

ChildFacts FactsOf(IAccessible& object, long id) {
    ChildFacts facts;
    const VARIANT child = ChildVariant(id);
    facts.name = NameOf(object, id);
    BSTR text = nullptr;
    object.get_accDescription(child, &text);
    facts.description = TakeString(text);
    facts.role = RoleOf(object, id);
    VARIANT value;
    if (object.get_accState(child, &value) == S_OK && value.vt == VT_I4) facts.state = value.lVal;
    long left = 0, top = 0, width = 0, height = 0;
    object.accLocation(&left, &top, &width, &height, child);
    facts.place = {left, top, left + width, top + height};
    return facts;
}

// The child a navigation or hit test ends at; 0 is the object itself, -1
// none.
long ChildOf(HRESULT result, const VARIANT& end) {
    if (result != S_OK || end.vt == VT_EMPTY) return -1;
    return end.vt == VT_I4 ? end.lVal : -2;
}

long Navigate(IAccessible& object, long from, long direction) {
    VARIANT end;
    return ChildOf(object.accNavigate(direction, ChildVariant(from), &end), end);
}

long HitTest(IAccessible& object, POINT at) {
    VARIANT found;
    return ChildOf(object.accHitTest(at.x, at.y, &found), found);
}

class CalendarAccessibility : public MainWindow {
protected:
    IAccessible* Calendar() { return ClientObject(window->koyomi1.Handle()); }
};

TEST_F(CalendarAccessibility, TheCalendarIsATableOfTheShownDays) {
    StartCalendarOnly();
    SetFocus(window->koyomi1.Handle());
    ASSERT_EQ(GetFocus(), window->koyomi1.Handle());
    IAccessible* calendar = Calendar();
    ASSERT_NE(calendar, nullptr);

    const ChildFacts self = FactsOf(*calendar, CHILDID_SELF);
    EXPECT_EQ(self.role, ROLE_SYSTEM_TABLE);
    EXPECT_EQ(self.name, "平成18年1月");
    EXPECT_TRUE(self.state & STATE_SYSTEM_FOCUSED) << "the window's own state, from the standard object";
    IDispatch* parent = nullptr;
    EXPECT_EQ(calendar->get_accParent(&parent), S_OK);
    ASSERT_NE(parent, nullptr);
    parent->Release();

    // Without the neighbouring days only January's are drawn, so read.
    long count = 0;
    ASSERT_EQ(calendar->get_accChildCount(&count), S_OK);
    ASSERT_EQ(count, 31);
    std::vector<VARIANT> children(count);
    long got = 0;
    ASSERT_EQ(AccessibleChildren(calendar, 0, count, children.data(), &got), S_OK);
    ASSERT_EQ(got, count);
    RECT client;
    GetClientRect(window->koyomi1.Handle(), &client);
    MapWindowPoints(window->koyomi1.Handle(), nullptr, reinterpret_cast<POINT*>(&client), 2);
    for (long i = 0; i < count; ++i) {
        SCOPED_TRACE(i + 1);
        ASSERT_EQ(children[i].vt, VT_I4);
        const long id = children[i].lVal;
        EXPECT_EQ(id, i + 1);
        const ChildFacts day = FactsOf(*calendar, id);
        EXPECT_EQ(day.role, ROLE_SYSTEM_CELL);
        EXPECT_NE(day.name.find("1月" + std::to_string(i + 1) + "日("), std::string::npos) << day.name;
        EXPECT_EQ(day.description, "");
        const long expected = STATE_SYSTEM_SELECTABLE | STATE_SYSTEM_FOCUSABLE |
                              (id == 1 ? STATE_SYSTEM_SELECTED | STATE_SYSTEM_FOCUSED : 0);
        EXPECT_EQ(day.state, expected);
        // Each day's place lies in the grid, and its middle finds it again.
        EXPECT_GT(day.place.right, day.place.left);
        EXPECT_GT(day.place.bottom, day.place.top);
        RECT inside;
        EXPECT_TRUE(IntersectRect(&inside, &day.place, &client) && EqualRect(&inside, &day.place));
        EXPECT_EQ(HitTest(*calendar, {(day.place.left + day.place.right) / 2, (day.place.top + day.place.bottom) / 2}),
                  id);
    }
    // 1 January 2006 is a Sunday, the first column, below a row of December.
    const ChildFacts first = FactsOf(*calendar, 1);
    EXPECT_EQ(first.name, "平成18年(2006年)1月1日(日)先勝 元日");
    EXPECT_EQ(first.place.left, client.left);
    EXPECT_EQ(FactsOf(*calendar, 9).name, "平成18年(2006年)1月9日(月)先負 成人の日");
    EXPECT_EQ(FactsOf(*calendar, 7).place.right, client.right) << "the 7th is a Saturday";
    // The weekday header is the table's, not a day's.
    EXPECT_EQ(HitTest(*calendar, {client.left + 3, client.top + 3}), CHILDID_SELF);
    EXPECT_EQ(HitTest(*calendar, {client.right + 5, client.top + 3}), -1);

    EXPECT_EQ(Navigate(*calendar, CHILDID_SELF, NAVDIR_FIRSTCHILD), 1);
    EXPECT_EQ(Navigate(*calendar, CHILDID_SELF, NAVDIR_LASTCHILD), 31);
    EXPECT_EQ(Navigate(*calendar, 1, NAVDIR_RIGHT), 2);
    EXPECT_EQ(Navigate(*calendar, 1, NAVDIR_DOWN), 8);
    EXPECT_EQ(Navigate(*calendar, 1, NAVDIR_LEFT), -1) << "31 December is not drawn";
    EXPECT_EQ(Navigate(*calendar, 31, NAVDIR_NEXT), -1);
    // Identifiers that name no day, from a careless or hostile reader.
    VARIANT text;
    VariantInit(&text);
    text.vt = VT_BSTR;
    text.bstrVal = nullptr;
    for (const VARIANT& bad : {ChildVariant(32), ChildVariant(-3), ChildVariant(0x7fffffff), text}) {
        BSTR name = nullptr;
        EXPECT_EQ(calendar->get_accName(bad, &name), E_INVALIDARG);
        EXPECT_EQ(name, nullptr);
        long left, top, width, height;
        EXPECT_EQ(calendar->accLocation(&left, &top, &width, &height, bad), E_INVALIDARG);
        EXPECT_EQ(calendar->accDoDefaultAction(bad), E_INVALIDARG);
    }
    EXPECT_EQ(Navigate(*calendar, 1, 99), -1) << "no such direction";
    VARIANT focus;
    EXPECT_EQ(calendar->get_accFocus(&focus), S_OK);
    EXPECT_EQ(ChildOf(S_OK, focus), 1);

    // With the neighbouring days shown they are children too, told apart.
    Menu(cmdPopKinrin);
    ASSERT_EQ(calendar->get_accChildCount(&count), S_OK);
    EXPECT_EQ(count, 42);
    EXPECT_EQ(FactsOf(*calendar, 1).description, "前の月の日");
    EXPECT_EQ(FactsOf(*calendar, 1).name, "平成17年(2005年)12月25日(日)仏滅");
    EXPECT_EQ(FactsOf(*calendar, 42).description, "次の月の日");
    EXPECT_EQ(FactsOf(*calendar, 8).state & STATE_SYSTEM_SELECTED, STATE_SYSTEM_SELECTED);
    // A reader's default action on a day selects it.
    EXPECT_EQ(calendar->accDoDefaultAction(ChildVariant(42)), S_OK);
    EXPECT_EQ(Selected(), "2006-2-4");

    calendar->Release();
    // A reader may hold the object after the window is gone.
    IAccessible* kept = Calendar();
    ASSERT_NE(kept, nullptr);
    window.reset();
    EXPECT_EQ(kept->get_accChildCount(&count), RPC_E_DISCONNECTED);
    kept->Release();
    EXPECT_TRUE(errors.empty());
}

// What a listener hears from the calendar's window.
struct HeardEvent {
    DWORD event;
    long child;
    std::string name;  // of the object the event is about, as a reader asks
    friend bool operator==(const HeardEvent&, const HeardEvent&) = default;
};

std::vector<HeardEvent>* heardEvents = nullptr;
HWND heardWindow = nullptr;

void CALLBACK HearEvent(HWINEVENTHOOK, DWORD event, HWND hwnd, LONG object, LONG child, DWORD, DWORD) {
    if (!heardEvents || hwnd != heardWindow || object != OBJID_CLIENT) return;
    IAccessible* found = nullptr;
    VARIANT which;
    std::string name;
    if (SUCCEEDED(AccessibleObjectFromEvent(hwnd, object, child, &found, &which)) && found) {
        BSTR text = nullptr;
        found->get_accName(which, &text);
        name = TakeString(text);
        found->Release();
    }
    heardEvents->push_back({event, child, name});
}

TEST_F(CalendarAccessibility, EveryChangeOfTheDateIsToldOnTheSelectedDay) {
    StartCalendarOnly();
    SetFocus(window->koyomi1.Handle());
    std::vector<HeardEvent> heard;
    heardEvents = &heard;
    heardWindow = window->koyomi1.Handle();
    const HWINEVENTHOOK hook = SetWinEventHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_NAMECHANGE, nullptr, HearEvent,
                                               GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    ASSERT_NE(hook, nullptr);
    const auto heardAfter = [&](WORD key) {
        PumpMessages(50);
        heard.clear();
        Key(key);
        PumpMessages(100);
        std::vector<HeardEvent> told;
        for (const HeardEvent& each : heard) {
            if (each.event == EVENT_OBJECT_FOCUS || each.event == EVENT_OBJECT_SELECTION ||
                each.event == EVENT_OBJECT_NAMECHANGE) {
                told.push_back(each);
            }
        }
        return told;
    };

    const std::string second = "平成18年(2006年)1月2日(月)友引 振替休日";
    EXPECT_EQ(heardAfter(VK_RIGHT), (std::vector<HeardEvent>{{EVENT_OBJECT_FOCUS, 2, second},
                                                            {EVENT_OBJECT_SELECTION, 2, second}}));
    const std::string ninth = "平成18年(2006年)1月9日(月)先負 成人の日";
    EXPECT_EQ(heardAfter(VK_DOWN), (std::vector<HeardEvent>{{EVENT_OBJECT_FOCUS, 9, ninth},
                                                           {EVENT_OBJECT_SELECTION, 9, ninth}}));
    // A new month is named once, before its day.
    const std::string february = "平成18年(2006年)2月9日(木)赤口";
    EXPECT_EQ(heardAfter('N'), (std::vector<HeardEvent>{{EVENT_OBJECT_NAMECHANGE, CHILDID_SELF, "平成18年2月"},
                                                       {EVENT_OBJECT_FOCUS, 9, february},
                                                       {EVENT_OBJECT_SELECTION, 9, february}}));
    const std::string first = "平成18年(2006年)1月1日(日)先勝 元日";
    EXPECT_EQ(heardAfter('T'), (std::vector<HeardEvent>{{EVENT_OBJECT_NAMECHANGE, CHILDID_SELF, "平成18年1月"},
                                                       {EVENT_OBJECT_FOCUS, 1, first},
                                                       {EVENT_OBJECT_SELECTION, 1, first}}));
    // Without the focus the day is still the selection, but not the focus.
    SetFocus(nullptr);
    EXPECT_EQ(heardAfter(VK_RIGHT), (std::vector<HeardEvent>{{EVENT_OBJECT_SELECTION, 2, second}}));

    UnhookWinEvent(hook);
    heardEvents = nullptr;
    EXPECT_TRUE(errors.empty());
}


// The window's children as a reader walks them, by name.
std::vector<std::pair<std::string, IAccessible*>> ChildrenOf(HWND window) {
    std::vector<std::pair<std::string, IAccessible*>> found;
    IAccessible* client = ClientObject(window);
    if (!client) return found;
    long count = 0;
    client->get_accChildCount(&count);
    std::vector<VARIANT> children(count);
    long got = 0;
    AccessibleChildren(client, 0, count, children.data(), &got);
    for (long i = 0; i < got; ++i) {
        IAccessible* child = nullptr;
        if (children[i].vt == VT_DISPATCH && children[i].pdispVal) {
            children[i].pdispVal->QueryInterface(__uuidof(IAccessible), reinterpret_cast<void**>(&child));
        }
        VariantClear(&children[i]);
        if (!child) continue;
        // A child window's object is its window object; its client is the
        // button itself.
        HWND hwnd = nullptr;
        if (SUCCEEDED(WindowFromAccessibleObject(child, &hwnd)) && hwnd) {
            if (IAccessible* inner = ClientObject(hwnd)) found.emplace_back(NameOf(*inner), inner);
        }
        child->Release();
    }
    client->Release();
    return found;
}

TEST_F(CalendarAccessibility, TheButtonsAreNamedPushButtonsThatTabReachesAndReadersPress) {
    StartCalendarOnly();
    SetFocus(window->koyomi1.Handle());
    const std::vector<std::string> names{"前の年", "前の月", "今日", "次の月", "次の年", "常に手前に表示", "閉じる"};
    auto children = ChildrenOf(Hwnd());
    IAccessible* nextMonth = nullptr;
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        const auto found =
            std::find_if(children.begin(), children.end(), [&](const auto& c) { return c.first == name; });
        ASSERT_NE(found, children.end());
        EXPECT_EQ(RoleOf(*found->second), ROLE_SYSTEM_PUSHBUTTON);
        VARIANT state;
        ASSERT_EQ(found->second->get_accState(ChildVariant(CHILDID_SELF), &state), S_OK);
        EXPECT_TRUE(state.lVal & STATE_SYSTEM_FOCUSABLE);
        EXPECT_FALSE(state.lVal & STATE_SYSTEM_PRESSED);
        if (name == "次の月") nextMonth = found->second;
    }
    ASSERT_NE(nextMonth, nullptr);
    EXPECT_EQ(nextMonth->accDoDefaultAction(ChildVariant(CHILDID_SELF)), S_OK);
    PumpMessages(50);
    EXPECT_EQ(Selected(), "2006-2-1");
    EXPECT_EQ(Caption(), "平成18年2月");

    // The pin's name says what a press will do, and it stands pressed
    // while the window stays on top.
    SendMessageW(Child(idPanelButton6), BM_CLICK, 0, 0);
    IAccessible* pin = ClientObject(Child(idPanelButton6));
    ASSERT_NE(pin, nullptr);
    EXPECT_EQ(NameOf(*pin), "手前表示を解除");
    VARIANT state;
    ASSERT_EQ(pin->get_accState(ChildVariant(CHILDID_SELF), &state), S_OK);
    EXPECT_TRUE(state.lVal & STATE_SYSTEM_PRESSED);
    pin->Release();
    SendMessageW(Child(idPanelButton6), BM_CLICK, 0, 0);

    // Tab goes from the grid through the buttons and round; Space presses
    // the focused one; the calendar's letters still work there.
    const auto tab = [](bool back) {
        BYTE keys[256];
        GetKeyboardState(keys);
        keys[VK_SHIFT] = back ? 0x80 : 0;
        SetKeyboardState(keys);
        SendMessageW(GetFocus(), WM_KEYDOWN, VK_TAB, 1);
        keys[VK_SHIFT] = 0;
        SetKeyboardState(keys);
        return WindowText(GetFocus());
    };
    for (const std::string& name : names) EXPECT_EQ(tab(false), name);
    EXPECT_EQ(tab(false), "");
    EXPECT_EQ(GetFocus(), window->koyomi1.Handle());
    EXPECT_EQ(tab(true), "閉じる");
    EXPECT_EQ(tab(true), "常に手前に表示");
    EXPECT_EQ(tab(true), "次の年");
    SendMessageW(GetFocus(), WM_KEYDOWN, VK_SPACE, 1);
    EXPECT_EQ(Selected(), "2007-2-1");
    SendMessageW(GetFocus(), WM_KEYDOWN, 'B', 1);
    EXPECT_EQ(Selected(), "2007-1-1");
    EXPECT_EQ(WindowText(GetFocus()), "次の年");

    for (auto& child : children) child.second->Release();
    EXPECT_TRUE(errors.empty());
}

}  // namespace
}  // namespace zenka::testing
