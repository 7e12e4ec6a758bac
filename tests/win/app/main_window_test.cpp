// The main window in this process, on a fixed day, with the settings in the
// registry: the start-up, the calendar's buttons, keys and wheel, the view
// toggles and their saving, the hot key, the window order, opacity and
// position, auto-close and closing.
#include "app/main_window_win.h"

#include <gtest/gtest.h>

#include <cwchar>
#include <functional>
#include <memory>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/calendar_hot_key.h"
#include "common/error_report_win.h"
#include "app/main_menus.h"
#include "app/main_menus_win.h"
#include "controls/panel_button_win.h"
#include "app/registry_key_store_win.h"
#include "calendar/default_holidays.h"
#include "common/app_title.h"
#include "tests/fakes/fake_clock.h"
#include "tests/win/app/main_window_fixture.h"
#include "tests/win/support/zenka_test_support.h"

namespace zenka {
namespace {

using testing::ClearSettings;
using testing::MainWindow;
using testing::ClientSize;
using testing::PumpMessages;
using testing::SetSetting;
using testing::Setting;
using testing::WindowText;

// The registry, with faults on demand: reading one section, or any write,
// raises an error.
struct SettingsFaults {
    std::string unreadableSection;
    bool writesFail = false;
};

class FaultyKeyStore : public KeyStore {
public:
    explicit FaultyKeyStore(const SettingsFaults& faults) : faults_(faults) {}
    std::optional<std::string> ReadText(std::string_view section, std::string_view name) override {
        if (section == faults_.unreadableSection) throw std::runtime_error("設定を読めません");
        return keys_.ReadText(section, name);
    }
    bool WriteText(std::string_view section, std::string_view name, std::string_view text) override {
        Write();
        return keys_.WriteText(section, name, text);
    }
    bool EraseValue(std::string_view section, std::string_view name) override {
        Write();
        return keys_.EraseValue(section, name);
    }
    bool EraseSection(std::string_view section) override {
        Write();
        return keys_.EraseSection(section);
    }

private:
    void Write() const {
        if (faults_.writesFail) throw std::runtime_error("設定を書けません");
    }
    const SettingsFaults& faults_;
    RegistryKeyStore keys_;
};

// Closes every notice box of this process from a timer that runs inside
// the boxes' own message loops, and writes down each box's text once.
class NoticeCloser {
public:
    NoticeCloser() {
        current_ = this;
        timer_ = SetTimer(nullptr, 0, 20, Tick);
    }
    ~NoticeCloser() {
        KillTimer(nullptr, timer_);
        current_ = nullptr;
    }
    NoticeCloser(const NoticeCloser&) = delete;
    NoticeCloser& operator=(const NoticeCloser&) = delete;

    std::vector<std::string> texts;

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
        if (!current_) return;
        EnumWindows(
            [](HWND hwnd, LPARAM) -> BOOL {
                DWORD process = 0;
                GetWindowThreadProcessId(hwnd, &process);
                wchar_t title[32] = {};
                GetWindowTextW(hwnd, title, 32);
                if (process != GetCurrentProcessId() || std::wcscmp(title, kNoticeTitleW) != 0 ||
                    !IsWindowVisible(hwnd) || !current_->closed_.insert(hwnd).second) {
                    return TRUE;
                }
                wchar_t text[256] = {};
                GetDlgItemTextW(hwnd, 0xFFFF, text, 256);  // a message box's text
                current_->texts.push_back(Narrow(text));
                PostMessageW(hwnd, WM_COMMAND, IDOK, 0);
                return TRUE;
            },
            0);
    }

    static inline NoticeCloser* current_ = nullptr;
    UINT_PTR timer_ = 0;
    std::set<HWND> closed_;
};

TEST_F(MainWindow, CalendarOnlyStartShowsTheCalendarOnToday) {
    StartCalendarOnly();
    EXPECT_TRUE(Visible());
    wchar_t className[32] = {};
    GetClassNameW(Hwnd(), className, 32);
    EXPECT_STREQ(className, L"TfrmZenka");
    EXPECT_EQ(WindowText(Hwnd()), "Zenka 2006");
    const LONG_PTR style = GetWindowLongPtrW(Hwnd(), GWL_STYLE);
    EXPECT_TRUE(style & WS_CAPTION);
    EXPECT_FALSE(style & (WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
    const LONG_PTR exStyle = GetWindowLongPtrW(Hwnd(), GWL_EXSTYLE);
    EXPECT_TRUE(exStyle & WS_EX_TOOLWINDOW);
    EXPECT_FALSE(exStyle & WS_EX_LAYERED) << "only version 5 makes the window layered";
    EXPECT_FALSE(window->Layered());

    EXPECT_EQ(Caption(), "平成18年1月");
    EXPECT_EQ(window->Hint(), "先勝 元日");
    EXPECT_EQ(Selected(), "2006-1-1");
    EXPECT_EQ(window->ResolutionTagInUse(),
              std::to_string(GetSystemMetrics(SM_CXSCREEN)) + "\u00D7" + std::to_string(GetSystemMetrics(SM_CYSCREEN)));

    // The calendar as the settings set it up.
    const auto& k = window->koyomi1;
    EXPECT_FALSE(k.NeighborJump()) << "it follows the stored neighbour setting";
    EXPECT_EQ(k.Fonts().YoteiDay().color, clFuchsia) << "the colours come from the settings";
    EXPECT_EQ(k.HolidayList().Lines(), DefaultHolidayLines()) << "a first start has the default holidays";
    EXPECT_TRUE(errors.empty());
    EXPECT_TRUE(messages.empty());
}

// Where a child window stands in the main window's client area.
LayoutBox PlaceOf(HWND child) {
    RECT box{};
    GetWindowRect(child, &box);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&box), 2);
    return {box.left, box.top, box.right - box.left, box.bottom - box.top};
}

TEST_F(MainWindow, TheWindowTakesTheNormalAndTheEnlargedLayoutAt96Dpi) {
    StartCalendarOnly();
    for (bool enlarged : {false, true, false}) {
        SCOPED_TRACE(enlarged ? "enlarged" : "normal");
        if (enlarged != MenuChecked(window->PopupMenu2(), cmdB1)) Menu(cmdB1);
        const CalendarWindowLayout layout = CalendarLayout(enlarged);
        EXPECT_EQ(window->Layout(), layout);
        const SIZE client = ClientSize(Hwnd());
        EXPECT_EQ(client.cx, layout.clientWidth);
        EXPECT_EQ(client.cy, layout.clientHeight);
        EXPECT_EQ(PlaceOf(window->koyomi1.Handle()), layout.koyomi1);
        EXPECT_EQ(PlaceOf(Child(idLabel1)), layout.label1);
        EXPECT_EQ(PlaceOf(Child(idPanelButton4)), layout.panelButton4);
        EXPECT_EQ(PlaceOf(Child(idPanelButton7)), layout.panelButton7);
        const TCalEX2kFonts& fonts = window->koyomi1.Fonts();
        EXPECT_EQ(fonts.Weekday().height, layout.FontHeight(layout.dayFont));
        EXPECT_EQ(fonts.DayOfWeek().bold, layout.dayFont.bold);
        EXPECT_EQ(fonts.Rokuyo().height, -layout.rokuyoHeight);
    }
}

TEST_F(MainWindow, ButtonsKeysWheelAndMiddleDoubleClickNavigate) {
    StartCalendarOnly();
    Click(idPanelButton3);
    EXPECT_EQ(Caption(), "平成18年2月");
    Click(idPanelButton4);
    EXPECT_EQ(Selected(), "2007-2-1");
    Click(idPanelButton2);
    Click(idPanelButton1);
    EXPECT_EQ(Selected(), "2006-1-1");
    Click(idPanelButton1);
    EXPECT_EQ(Caption(), "平成17年1月");
    Click(idPanelButton5);
    EXPECT_EQ(Selected(), "2006-1-1");

    // Keys on the calendar, whatever the modifiers.
    Key('N');
    EXPECT_EQ(Selected(), "2006-2-1");
    Key('M');
    EXPECT_EQ(Selected(), "2007-2-1");
    Key('B');
    Key('V');
    EXPECT_EQ(Selected(), "2006-1-1");
    Key('N');
    Key('T');
    EXPECT_EQ(Selected(), "2006-1-1");
    SendMessageW(window->koyomi1.Handle(), WM_SYSKEYDOWN, 'N', 1 | (1 << 29));
    EXPECT_EQ(Selected(), "2006-2-1") << "Alt+N";
    Key(VK_RETURN);  // the settings dialog, which is not there yet
    Key('O');
    Key('G');
    EXPECT_EQ(Selected(), "2006-2-1");

    // One wheel notch turns one month; finer steps do nothing.
    EXPECT_EQ(SendMessageW(Hwnd(), WM_MOUSEWHEEL, MAKEWPARAM(0, 120), 0), -4);
    EXPECT_EQ(Selected(), "2006-3-1");
    EXPECT_EQ(SendMessageW(Hwnd(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-120)), 0), 4);
    EXPECT_EQ(SendMessageW(Hwnd(), WM_MOUSEWHEEL, MAKEWPARAM(0, 60), 0), 0);
    EXPECT_EQ(Selected(), "2006-2-1");
    // The wheel over the calendar reaches the window too.
    EXPECT_EQ(SendMessageW(window->koyomi1.Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, 120), 0), -4);
    EXPECT_EQ(Selected(), "2006-3-1");
    // Older mouse drivers' message carries the delta in the low word.
    EXPECT_EQ(SendMessageW(Hwnd(), WheelRollMessage(), static_cast<WORD>(-120), 0), 4);
    EXPECT_EQ(Selected(), "2006-2-1");

    EXPECT_EQ(SendMessageW(Hwnd(), WM_MBUTTONDBLCLK, 0, MAKELPARAM(5, 5)), 0);
    EXPECT_EQ(Selected(), "2006-1-1");
    EXPECT_TRUE(errors.empty());
}

TEST_F(MainWindow, ANavigationErrorIsReportedAndTheProgramGoesOn) {
    StartCalendarOnly();
    window->koyomi1.SetDate(1583, 10, 7);
    Click(idPanelButton1);
    EXPECT_EQ(errors, (std::vector<std::string>{"1582/10/5-10/14は存在しません。"}));
    EXPECT_EQ(Selected(), "1583-10-7");
    Click(idPanelButton2);
    EXPECT_EQ(Selected(), "1583-9-7");
    EXPECT_EQ(Caption(), "1583年9月");
}

TEST_F(MainWindow, ViewTogglesChangeTheCalendarAndTheirSettingsAreSavedAtClose) {
    StartCalendarOnly();
    HMENU menu = window->PopupMenu2();
    EXPECT_TRUE(MenuChecked(menu, cmdPopWareki));
    Menu(cmdPopMonStart);
    EXPECT_EQ(window->koyomi1.FirstDayOfWeek(), dowMon);
    Menu(cmdPopKinrin);
    EXPECT_TRUE(window->koyomi1.ShowNeighbor());
    EXPECT_TRUE(window->koyomi1.NeighborJump());
    Menu(cmdPopLine);
    EXPECT_TRUE(window->koyomi1.ShowLine());
    Menu(cmdPopWareki);
    EXPECT_EQ(Caption(), "2006年1月");
    Menu(cmdPopW);
    Menu(cmdB1);
    for (MenuCommand item : {cmdPopMonStart, cmdPopKinrin, cmdPopLine, cmdPopW, cmdB1}) {
        EXPECT_TRUE(MenuChecked(menu, item)) << item;
    }
    EXPECT_FALSE(MenuChecked(menu, cmdPopWareki));
    EXPECT_FALSE(Setting("Form", "Big").has_value()) << "toggles reach the registry only at close";

    SendMessageW(Hwnd(), WM_CLOSE, 0, 0);
    EXPECT_EQ(destroyed, 1);
    EXPECT_EQ(Setting("Form", "FirstDayOfWeek"), "1");
    EXPECT_EQ(Setting("Form", "Neighbor"), "1");
    EXPECT_EQ(Setting("Form", "Line"), "1");
    EXPECT_EQ(Setting("Form", "Japanese"), "0");
    EXPECT_EQ(Setting("Form", "W"), "1");
    EXPECT_EQ(Setting("Form", "Big"), "1");
    EXPECT_EQ(Setting("Form", "HotKey1"), "Shift+Ctrl+J");
    EXPECT_EQ(Setting("Form", "Name3"), "Zenka 2006");
    EXPECT_EQ(Setting("Kidou", "Cal"), "1");
    EXPECT_EQ(Setting("ListC", "KMax"), std::to_string(DefaultHolidayLines().size() - 1)) << "the last index";

    // The next start applies them.
    Start();
    EXPECT_EQ(window->koyomi1.FirstDayOfWeek(), dowMon);
    EXPECT_TRUE(window->koyomi1.ShowNeighbor());
    EXPECT_TRUE(window->koyomi1.ShowLine());
    EXPECT_EQ(Caption(), "2006年1月");
    EXPECT_EQ(ClientSize(Hwnd()).cx, 144);
    EXPECT_TRUE(MenuChecked(window->PopupMenu2(), cmdPopW));
    EXPECT_FALSE(MenuChecked(window->PopupMenu2(), cmdPopWareki));

    // The day rules are back, and so is the hint with rokuyo switched off.
    SetSetting("Form", "Rokuyo", "0");
    Start();
    EXPECT_EQ(window->Hint(), "元日");
    window->koyomi1.SetDate(2006, 1, 3);
    EXPECT_EQ(window->Hint(), "") << "no rokuyo and no names: no tooltip";
}

TEST_F(MainWindow, TheTrayAndCalendarMenusHoldTheirItemsNoneOfThemGreyed) {
    StartCalendarOnly();
    const auto items = [](HMENU menu) {
        std::vector<std::string> list;
        for (int i = 0; i < GetMenuItemCount(menu); ++i) {
            wchar_t text[128] = {};
            MENUITEMINFOW info{};
            info.cbSize = sizeof(info);
            info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_STRING;
            info.dwTypeData = text;
            info.cch = 128;
            GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info);
            if (info.fType & MFT_SEPARATOR) {
                list.push_back("-");
            } else {
                list.push_back(Narrow(text) + ((info.fState & MFS_GRAYED) ? " (greyed)" : ""));
            }
        }
        return list;
    };
    EXPECT_EQ(items(window->PopupMenu1()),
              (std::vector<std::string>{"カレンダー起動(&C)", "設定(&O)...", "-", "月を表示(&M)",
                                        "曜日を表示(&W)", "-", "時刻合わせ(&S)",
                                        "アイコンの再配置(&I)", "-", "ヘルプ(&H)",
                                        "バージョン情報(&A)...", "-", "閉じる(&X)"}));
    EXPECT_EQ(items(window->PopupMenu2()),
              (std::vector<std::string>{"設定(&O)...\tO", "-", "月間スケジュール表示(&G)...\tG",
                                        "同時表示(&W)", "-", "カレンダーを大きくする(&B)", "月曜日から始める(&M)",
                                        "近隣日を表示する(&N)", "仕切線を表示する(&L)", "-", "和暦表示(&J)",
                                        "節気・雑節を表示(&S)", "-", "カレンダーを閉じる(&X)"}));
}

TEST_F(MainWindow, HotKeyShowsAndHidesOnlyOnceTheTrayIconsArePlaced) {
    // Tray only: nothing visible; the icons are placed at once.
    Start();
    EXPECT_FALSE(Visible());
    window->koyomi1.SetDate(2006, 5, 5);
    SendMessageW(Hwnd(), WM_HOTKEY, kCalendarHotKeyId, MAKELPARAM(MOD_CONTROL | MOD_SHIFT, 'J'));
    EXPECT_TRUE(Visible());
    EXPECT_TRUE(window->Shown());
    EXPECT_EQ(Caption(), "平成18年5月");
    SendMessageW(Hwnd(), WM_HOTKEY, kCalendarHotKeyId, MAKELPARAM(MOD_CONTROL | MOD_SHIFT, 'J'));
    EXPECT_FALSE(Visible());
    EXPECT_EQ(Selected(), "2006-1-1") << "hiding goes back to today";

    // Calendar only: no tray icon, so the key does nothing.
    ClearSettings();
    StartCalendarOnly();
    SendMessageW(Hwnd(), WM_HOTKEY, kCalendarHotKeyId, 0);
    EXPECT_TRUE(Visible());

    // During the start-up wait there is no tray icon either.
    ClearSettings();
    SetSetting("Kidou", "W", "1");
    SetSetting("Form", "Wait", "1");
    Start();
    EXPECT_TRUE(Visible());
    SendMessageW(Hwnd(), WM_HOTKEY, kCalendarHotKeyId, 0);
    EXPECT_TRUE(Visible());
    PumpMessages(1300);
    SendMessageW(Hwnd(), WM_HOTKEY, kCalendarHotKeyId, 0);
    EXPECT_FALSE(Visible()) << "after the wait the icons are there";
    EXPECT_TRUE(messages.empty());
}

TEST_F(MainWindow, HotKeyTakenByAnotherProgramGivesTheWarningAndStartUpGoesOn) {
    ASSERT_TRUE(RegisterHotKey(nullptr, 7, MOD_CONTROL | MOD_SHIFT, 'J'));
    StartCalendarOnly();
    UnregisterHotKey(nullptr, 7);
    EXPECT_EQ(messages, (std::vector<std::string>{std::string(kHotKeyTakenCaption) + ": " + kHotKeyTakenText}));
    EXPECT_TRUE(Visible());
    EXPECT_EQ(Caption(), "平成18年1月") << "the start-up went on";

    // An empty key registers nothing and warns of nothing.
    messages.clear();
    ASSERT_TRUE(RegisterHotKey(nullptr, 7, MOD_CONTROL | MOD_SHIFT, 'J'));
    SetSetting("Form", "HotKey1", "");
    Start();
    UnregisterHotKey(nullptr, 7);
    EXPECT_TRUE(messages.empty());
}

TEST_F(MainWindow, StayOnTopButtonSwitchesTheWindowOrder) {
    SetSetting("Form", "Style", "0");
    StartCalendarOnly();
    EXPECT_TRUE(GetWindowLongPtrW(Hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST) << "Form/Style 0 is always on top";
    EXPECT_EQ(PanelGlyphOf(Child(idPanelButton6)), PanelGlyph::PinPushed);
    Click(idPanelButton6);
    EXPECT_FALSE(GetWindowLongPtrW(Hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(PanelGlyphOf(Child(idPanelButton6)), PanelGlyph::PinLoose);
    EXPECT_TRUE(window->Settings().form.style);
    Click(idPanelButton6);
    EXPECT_TRUE(GetWindowLongPtrW(Hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST);
}

TEST_F(MainWindow, OnlyVersion5MakesTheWindowLayeredWithTheStoredOpacity) {
    SetSetting("Form", "Layer", "200");
    SetSetting("Kidou", "Cal", "1");
    Start(5);
    EXPECT_TRUE(window->Layered());
    EXPECT_TRUE(GetWindowLongPtrW(Hwnd(), GWL_EXSTYLE) & WS_EX_LAYERED);
    COLORREF key = 0;
    BYTE alpha = 0;
    DWORD flags = 0;
    ASSERT_TRUE(GetLayeredWindowAttributes(Hwnd(), &key, &alpha, &flags));
    EXPECT_EQ(key, RGB(0, 128, 0));
    EXPECT_EQ(alpha, 200);
    EXPECT_EQ(flags, static_cast<DWORD>(LWA_COLORKEY | LWA_ALPHA));
    window->SetOpacity(90);
    ASSERT_TRUE(GetLayeredWindowAttributes(Hwnd(), &key, &alpha, &flags));
    EXPECT_EQ(key, RGB(128, 0, 128));
    EXPECT_EQ(alpha, 90);

    // Elsewhere the opacity is kept but not used.
    Start(10);
    EXPECT_FALSE(GetWindowLongPtrW(Hwnd(), GWL_EXSTYLE) & WS_EX_LAYERED);
    window->SetOpacity(90);
    EXPECT_FALSE(GetWindowLongPtrW(Hwnd(), GWL_EXSTYLE) & WS_EX_LAYERED);
    EXPECT_EQ(window->Settings().form.layer, 200);
}

TEST_F(MainWindow, ShowingClampsTheStoredPositionAndADisplayChangeSwitchesPositions) {
    const std::string tag = std::to_string(GetSystemMetrics(SM_CXSCREEN)) + "\u00D7" +
                            std::to_string(GetSystemMetrics(SM_CYSCREEN));
    SetSetting("Pos" + tag, "Left", "5000");
    SetSetting("Pos" + tag, "Top", "-30");
    StartCalendarOnly();
    RECT work;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    RECT rect;
    GetWindowRect(Hwnd(), &rect);
    EXPECT_EQ(rect.right, work.right - work.left);
    EXPECT_EQ(rect.top, 0);
    EXPECT_EQ(Setting("Pos" + tag, "Left"), "5000") << "the clamp moves the window, not the stored value";

    SetWindowPos(Hwnd(), nullptr, 40, 50, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    SetSetting("Pos640\u00D7480", "Left", "7");
    SetSetting("Pos640\u00D7480", "Top", "8");
    SendMessageW(Hwnd(), WM_DISPLAYCHANGE, 32, MAKELPARAM(640, 480));
    EXPECT_EQ(Setting("Pos" + tag, "Left"), "40") << "the old resolution's position is kept first";
    EXPECT_EQ(Setting("Pos" + tag, "Top"), "50");
    GetWindowRect(Hwnd(), &rect);
    EXPECT_EQ(rect.left, 7);
    EXPECT_EQ(rect.top, 8);
    EXPECT_EQ(window->ResolutionTagInUse(), "640\u00D7480");

    SendMessageW(Hwnd(), WM_CLOSE, 0, 0);
    EXPECT_EQ(Setting("Pos640\u00D7480", "Left"), "7");
    EXPECT_EQ(Setting("Pos" + tag, "Left"), "40");
}

ScreenLayout Monitors(std::vector<MonitorArea> monitors) {
    ScreenLayout layout;
    layout.monitors = std::move(monitors);
    return layout;
}

TEST_F(MainWindow, TheFirstShowOpensBesideTheTaskbarInsideTheWorkArea) {
    const std::string tag = std::to_string(GetSystemMetrics(SM_CXSCREEN)) + "\u00D7" +
                            std::to_string(GetSystemMetrics(SM_CYSCREEN));
    // The screens as this system tells them: a corner of the primary
    // monitor's work area.
    StartCalendarOnly();
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    GetMonitorInfoW(MonitorFromWindow(Hwnd(), MONITOR_DEFAULTTOPRIMARY), &info);
    RECT rect;
    GetWindowRect(Hwnd(), &rect);
    const RECT work = info.rcWork;
    EXPECT_TRUE(rect.left >= work.left && rect.top >= work.top && rect.right <= work.right &&
                rect.bottom <= work.bottom);
    EXPECT_TRUE((rect.left == work.left || rect.right == work.right) &&
                (rect.top == work.top || rect.bottom == work.bottom))
        << rect.left << "," << rect.top << " in " << work.left << "," << work.top << "," << work.right << ","
        << work.bottom;
    SendMessageW(Hwnd(), WM_CLOSE, 0, 0);
    EXPECT_EQ(Setting("Pos" + tag, "Left"), std::to_string(rect.left))
        << "a show gives the window its position, which the exit keeps";

    // The taskbar on each edge, as the placement is told it.
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    const Rect screen{0, 0, 1024, 768};
    const struct {
        const char* edge;
        Rect work;
        POINT expected;
    } cases[] = {
        {"bottom", {0, 0, 1024, 738}, {1024 - width, 738 - height}},
        {"top", {0, 30, 1024, 768}, {1024 - width, 30}},
        {"left", {60, 0, 1024, 768}, {60, 768 - height}},
        {"right", {0, 0, 964, 768}, {964 - width, 768 - height}},
    };
    for (const auto& c : cases) {
        ClearSettings();
        moreServices = [&](MainWindowServices& services) {
            services.screens = [&](const std::optional<RECT>&) { return Monitors({{screen, c.work}}); };
        };
        StartCalendarOnly();
        GetWindowRect(Hwnd(), &rect);
        EXPECT_EQ(rect.left, c.expected.x) << c.edge;
        EXPECT_EQ(rect.top, c.expected.y) << c.edge;
    }

    // Once moved, the stored position rules, on a monitor left of the
    // primary one too; a position under a taskbar at the top is clamped
    // below it.
    const Rect left{-1280, 0, 0, 1024};
    moreServices = [&](MainWindowServices& services) {
        services.screens = [&](const std::optional<RECT>&) {
            return Monitors({{screen, {0, 30, 1024, 768}}, {left, left}});
        };
    };
    SetSetting("Pos" + tag, "Left", "-600");
    SetSetting("Pos" + tag, "Top", "300");
    StartCalendarOnly();
    GetWindowRect(Hwnd(), &rect);
    EXPECT_EQ(rect.left, -600);
    EXPECT_EQ(rect.top, 300);
    SetSetting("Pos" + tag, "Left", "100");
    SetSetting("Pos" + tag, "Top", "0");
    StartCalendarOnly();
    GetWindowRect(Hwnd(), &rect);
    EXPECT_EQ(rect.left, 100);
    EXPECT_EQ(rect.top, 30);

    // A run that never showed the calendar saves no position, so that the
    // next start's first show still opens beside the taskbar.
    ClearSettings();
    Start();
    SendMessageW(Hwnd(), WM_CLOSE, 0, 0);
    EXPECT_EQ(Setting("Pos" + tag, "Left"), std::nullopt);
    EXPECT_NE(Setting("Form", "Style"), std::nullopt) << "the other settings are saved";
}

TEST_F(MainWindow, TheTooltipOnViewFollowsEveryChangeOfTheDate) {
    SetSetting("Form", "Rokuyo", "1");
    StartCalendarOnly();
    HWND tip = window->Tooltip();
    ASSERT_NE(tip, nullptr);
    // The pointer rests on the calendar until its tip shows.
    RECT calendar;
    GetWindowRect(window->koyomi1.Handle(), &calendar);
    SetForegroundWindow(Hwnd());
    SetCursorPos((calendar.left + calendar.right) / 2, (calendar.top + calendar.bottom) / 2);
    INPUT move{};
    move.type = INPUT_MOUSE;
    move.mi.dwFlags = MOUSEEVENTF_MOVE;
    move.mi.dx = 1;
    SendInput(1, &move, sizeof(move));
    const auto shown = [&] {
        const ULONGLONG end = GetTickCount64() + 3000;
        while (GetTickCount64() < end && !IsWindowVisible(tip)) PumpMessages(20);
        return IsWindowVisible(tip) != FALSE;
    };
    ASSERT_TRUE(shown()) << "the tooltip did not show";
    EXPECT_EQ(WindowText(tip), window->Hint());
    EXPECT_EQ(window->Hint(), "先勝 元日");

    const struct {
        const char* what;
        std::function<void()> change;
    } changes[] = {
        {"N", [&] { Key('N'); }},
        {"right arrow", [&] { Key(VK_RIGHT); }},
        {"M", [&] { Key('M'); }},
        {"down arrow", [&] { Key(VK_DOWN); }},
        {"T", [&] { Key('T'); }},
        {"B", [&] { Key('B'); }},
        {"middle double click", [&] { SendMessageW(Hwnd(), WM_MBUTTONDBLCLK, 0, MAKELPARAM(5, 5)); }},
    };
    std::string before = window->Hint();
    for (const auto& c : changes) {
        c.change();
        PumpMessages(50);
        if (!IsWindowVisible(tip)) {
            ASSERT_TRUE(shown()) << c.what;
        }
        EXPECT_NE(window->Hint(), before) << c.what << ": a change the tip can show";
        EXPECT_EQ(WindowText(tip), window->Hint()) << c.what;
        before = window->Hint();
    }
    EXPECT_TRUE(errors.empty());
}

TEST_F(MainWindow, AutoCloseHidesTheCalendarExceptInCalendarOnlyMode) {
    SetSetting("AutoClose", "OnOff", "1");
    SetSetting("AutoClose", "Interval", "300");
    SetSetting("Kidou", "W", "1");
    Start();
    window->koyomi1.SetDate(2006, 7, 7);
    EXPECT_TRUE(Visible());
    PumpMessages(600);
    EXPECT_FALSE(Visible());
    EXPECT_EQ(Selected(), "2006-1-1");

    ClearSettings();
    SetSetting("AutoClose", "OnOff", "1");
    SetSetting("AutoClose", "Interval", "300");
    StartCalendarOnly();
    PumpMessages(600);
    EXPECT_TRUE(Visible());
}

TEST_F(MainWindow, CloseButtonEndsTheProgramWithoutTrayIconsAndSavesEverything) {
    StartCalendarOnly();
    Menu(cmdB1);
    Click(idPanelButton7);
    EXPECT_FALSE(Visible());
    PumpMessages(50);
    EXPECT_EQ(destroyed, 1);
    EXPECT_EQ(Setting("Form", "Big"), "1");

    // The session's end saves without closing.
    StartCalendarOnly();
    Menu(cmdPopLine);
    EXPECT_EQ(SendMessageW(Hwnd(), WM_QUERYENDSESSION, 0, 0), TRUE);
    EXPECT_EQ(Setting("Form", "Line"), "1");
    EXPECT_TRUE(IsWindow(Hwnd()));
}

TEST_F(MainWindow, AListLineThatCannotBeReadIsToldOnceWhicheverPartMeetsIt) {
    SetSetting("ListA", "Max2", "1");
    SetSetting("ListA", "Item[0]", "1,x,壊れた行");
    SetSetting("ListA", "Item[1]", "1,1,初詣");
    StartCalendarOnly();
    EXPECT_EQ(errors, (std::vector<std::string>{"予定日リストの 1 行目 \"1,x,壊れた行\": 'x' は有効な整数ではありません\r\n"
                                                "この行は該当しない行として扱います。"}));
    EXPECT_EQ(window->Hint(), "先勝 初詣,元日") << "the other lines still count";
    for (MainWindowControl button : {idPanelButton3, idPanelButton2, idPanelButton4, idPanelButton1}) Click(button);
    EXPECT_EQ(Selected(), "2006-1-1");
    EXPECT_EQ(errors.size(), 1u) << "the grid, the hint and the tick tell it once between them";
}

TEST_F(MainWindow, AStartUpThatFailedWhileLoadingSavesNothing) {
    SetSetting("Form", "Layer", "200");
    SetSetting("Jiho", "On", "1");
    SetSetting("ListC", "KMax", "0");
    SetSetting("ListC", "Item[0]", "1,1,元旦");
    SetSetting("Pos1024×768", "Left", "300");
    SettingsFaults faults;
    faults.unreadableSection = "ListB";  // the day lists come after the settings
    openSettings = [&faults] { return std::make_unique<FaultyKeyStore>(faults); };
    Start();
    EXPECT_EQ(errors, (std::vector<std::string>{"設定を読めません"}));

    // Neither showing (which keeps the window's position) nor the close
    // writes the half-loaded settings over the stored ones.
    faults.unreadableSection.clear();
    window->ShowCalendar();
    EXPECT_EQ(SendMessageW(Hwnd(), WM_QUERYENDSESSION, 0, 0), TRUE);
    SendMessageW(Hwnd(), WM_CLOSE, 0, 0);
    EXPECT_EQ(destroyed, 1);
    EXPECT_EQ(Setting("Form", "Name3"), std::nullopt) << "nothing was saved";
    EXPECT_EQ(Setting("Form", "Layer"), "200");
    EXPECT_EQ(Setting("ListC", "Item[0]"), "1,1,元旦");
    EXPECT_EQ(Setting("ListC", "Item[1]"), std::nullopt);
    EXPECT_EQ(Setting("Pos1024×768", "Left"), "300");

    // A start-up that loaded everything saves at its close, even though a
    // later step failed.
    errors.clear();
    ASSERT_TRUE(RegisterHotKey(nullptr, 7, MOD_CONTROL | MOD_SHIFT, 'J'));
    whileMessageOpen = [] { throw std::runtime_error("警告を出せません"); };
    Start();
    UnregisterHotKey(nullptr, 7);
    EXPECT_EQ(errors, (std::vector<std::string>{"警告を出せません"}));
    SendMessageW(Hwnd(), WM_CLOSE, 0, 0);
    EXPECT_EQ(Setting("Form", "Name3"), kApplicationTitle);
    EXPECT_EQ(Setting("Form", "Layer"), "200");
}

TEST_F(MainWindow, TheCloseIsNeverRefusedEvenWhenSavingFails) {
    SettingsFaults faults;
    openSettings = [&faults] { return std::make_unique<FaultyKeyStore>(faults); };
    StartCalendarOnly();
    faults.writesFail = true;
    EXPECT_EQ(SendMessageW(Hwnd(), WM_QUERYENDSESSION, 0, 0), TRUE) << "the session may end";
    EXPECT_EQ(errors, (std::vector<std::string>{"設定を書けません"})) << "the user is told";
    SendMessageW(Hwnd(), WM_CLOSE, 0, 0);
    EXPECT_EQ(destroyed, 1) << "the window closes all the same";
    EXPECT_EQ(errors.size(), 2u);
}

TEST_F(MainWindow, ATickNestedInABoxOfTheStartUpRingsNothingTheStartUpsOwnTickRingsAgain) {
    SetSetting("Jiho", "On", "1");  // no sound file: the chime is a notice
    clock.SetTime(9, 0);
    NoticeCloser notices;
    // The hot key is taken, so the start-up shows its warning; the timer
    // fires while it is open.
    ASSERT_TRUE(RegisterHotKey(nullptr, 7, MOD_CONTROL | MOD_SHIFT, 'J'));
    whileMessageOpen = [this] { SendMessageW(Hwnd(), WM_TIMER, idTimer1, 0); };
    Start();
    UnregisterHotKey(nullptr, 7);
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_EQ(notices.texts, (std::vector<std::string>{"9時0分です。"}));
}

}  // namespace
}  // namespace zenka
