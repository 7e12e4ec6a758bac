// The three date icons with real TTrayIcons: placement order in the
// notification area, the left press, and the icon files the tick loads.
#include "app/date_tray_icons_win.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/tray_icon_guid.h"
#include "app/tray_placement.h"
#include "common/executable_path_win.h"
#include "common/utf16_win.h"
#include "tests/win/support/icon_folder.h"
#include "tests/win/support/tray_test_support.h"

namespace zenka {
namespace {

// The names of the icons added, in order, from the identifiers recorded.
std::vector<std::string> AddedNames(const TrayRecorder& shell, const DateTrayIcons& icons) {
    std::vector<std::string> names;
    for (const ShellCall& call : shell.calls) {
        if (call.message != NIM_ADD) continue;
        EXPECT_TRUE(call.answer) << "the shell refused icon " << call.id;
        const int id = static_cast<int>(call.id);
        names.push_back(id == icons.TaskTray1.Identifier()   ? "month"
                        : id == icons.TaskTray2.Identifier() ? "day"
                        : id == icons.TaskTray3.Identifier() ? "weekday"
                                                             : "?");
    }
    return names;
}

TEST(DateTrayIcons, StartUpAddsTheIconsInTheOrderOfEachVersionRule) {
    struct Case {
        bool tsuki, youbi, newer;
        std::vector<std::string> added;
    };
    const Case cases[] = {
        {true, true, true, {"weekday", "day", "month"}},
        {true, true, false, {"month", "day", "weekday"}},
        {true, false, true, {"day", "month"}},
        {true, false, false, {"month", "day"}},
        {false, true, true, {"weekday", "day"}},
        {false, true, false, {"day", "weekday"}},
        {false, false, true, {"day"}},
        {false, false, false, {"day"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("month " + std::to_string(c.tsuki) + ", weekday " + std::to_string(c.youbi) + ", newer " +
                     std::to_string(c.newer));
        TrayRecorder shell;
        DateTrayIcons icons(nullptr, nullptr, nullptr);
        AppSettings::Icon checks;
        checks.tsuki = c.tsuki;
        checks.youbi = c.youbi;
        TrayPlacement placement(icons.Month(), icons.Day(), icons.Weekday(), checks, c.newer);
        EXPECT_TRUE(shell.calls.empty()) << "the icons are created hidden";
        placement.PlaceTrayIcons();
        EXPECT_EQ(AddedNames(shell, icons), c.added);
        EXPECT_EQ(shell.Count(NIM_DELETE), 0u);
    }
}

TEST(DateTrayIcons, EachIconIsKnownByTheGuidOfItsRoleOrByWindowAndNumberWhereTheShellRefusesIt) {
    const std::string executable = ExecutablePath();
    ASSERT_FALSE(executable.empty());
    for (const bool refuseGuids : {false, true}) {
        SCOPED_TRACE(refuseGuids ? "the shell refuses the GUIDs" : "the shell takes the GUIDs");
        TrayRecorder shell;
        shell.refuseGuids = refuseGuids;
        DateTrayIcons icons(nullptr, nullptr, nullptr);
        AppSettings::Icon checks;
        checks.tsuki = checks.youbi = true;
        TrayPlacement placement(icons.Month(), icons.Day(), icons.Weekday(), checks, true);
        placement.PlaceTrayIcons();
        const std::vector<ShellCall> placed = shell.calls;
        for (TrayIconKind kind : {TrayIconKind::Month, TrayIconKind::Day, TrayIconKind::Weekday}) {
            TTrayIcon& icon = icons.Icon(kind);
            const GUID guid = ToGuid(TrayIconGuid(executable, kind));
            std::vector<const ShellCall*> adds;
            for (const ShellCall& call : placed) {
                if (call.message == NIM_ADD && static_cast<int>(call.id) == icon.Identifier()) adds.push_back(&call);
            }
            ASSERT_FALSE(adds.empty());
            EXPECT_TRUE(adds[0]->ByGuid()) << "added by its GUID first";
            EXPECT_TRUE(IsEqualGUID(adds[0]->guid, guid)) << "the GUID of its role and of this executable";
            if (refuseGuids) {
                ASSERT_EQ(adds.size(), 2u);
                EXPECT_FALSE(adds[0]->answer);
                EXPECT_FALSE(adds[1]->ByGuid()) << "then by window and number";
                EXPECT_TRUE(adds[1]->answer);
                EXPECT_EQ(icon.Identity(), TrayIdentity::WindowAndNumber);
            } else {
                EXPECT_EQ(adds.size(), 1u);
                EXPECT_TRUE(adds[0]->answer) << "Wine's notification area takes an icon with a GUID";
                EXPECT_EQ(icon.Identity(), TrayIdentity::Guid);
            }
            EXPECT_TRUE(icon.Added());
            shell.calls.clear();
            icon.SetTipHelp("令和8年(2026年)1月1日(木)元旦");
            ASSERT_EQ(shell.calls.size(), 1u);
            EXPECT_EQ(shell.calls[0].message, static_cast<DWORD>(NIM_MODIFY));
            EXPECT_EQ(shell.calls[0].ByGuid(), !refuseGuids) << "later calls keep the identity the shell took";
            EXPECT_TRUE(shell.calls[0].answer);
            shell.calls.clear();
        }
    }
}

TEST(DateTrayIcons, MenuTogglesAndRearrangingReaddInOrder) {
    TrayRecorder shell;
    DateTrayIcons icons(nullptr, nullptr, nullptr);
    AppSettings::Icon checks;
    TrayPlacement placement(icons.Month(), icons.Day(), icons.Weekday(), checks, true);
    placement.PlaceTrayIcons();
    placement.mnuTsukiClick();
    placement.mnuYoubiClick();
    shell.calls.clear();
    placement.I1Click();
    EXPECT_EQ(AddedNames(shell, icons), (std::vector<std::string>{"weekday", "day", "month"}));
    EXPECT_EQ(shell.Count(NIM_DELETE), 3u);
    EXPECT_TRUE(icons.TaskTray1.Added() && icons.TaskTray2.Added() && icons.TaskTray3.Added());
}

TEST(DateTrayIcons, ALeftPressOnAnyIconShowsTheCalendar) {
    HMENU trayMenu = CreatePopupMenu();
    AppendMenuW(trayMenu, MF_STRING, 1, L"閉じる(&X)");
    DateTrayIcons icons(nullptr, trayMenu, nullptr);
    int shown = 0;
    icons.OnShowCalendar = [&](TTrayIcon&) { ++shown; };
    for (TTrayIcon* icon : {&icons.TaskTray1, &icons.TaskTray2, &icons.TaskTray3}) {
        SendMessageW(TTrayIcon::CallbackWindow(), kTrayCallbackMessage, static_cast<WPARAM>(icon->Identifier()),
                     WM_LBUTTONDOWN);
    }
    EXPECT_EQ(shown, 3);
    for (UINT other : {WM_LBUTTONUP, WM_MBUTTONDOWN, WM_LBUTTONDBLCLK}) {
        SendMessageW(TTrayIcon::CallbackWindow(), kTrayCallbackMessage,
                     static_cast<WPARAM>(icons.TaskTray2.Identifier()), other);
    }
    // The right button opens the tray menu, which a timer closes again.
    SetTimer(nullptr, 0, 200, [](HWND, UINT, UINT_PTR id, DWORD) {
        KillTimer(nullptr, id);
        EndMenu();
    });
    SendMessageW(TTrayIcon::CallbackWindow(), kTrayCallbackMessage, static_cast<WPARAM>(icons.TaskTray2.Identifier()),
                 WM_RBUTTONDOWN);
    EXPECT_EQ(shown, 3) << "only the left press shows the calendar";
    DestroyMenu(trayMenu);
}

TEST(DateTrayIcons, EveryIconFileLoadsIntoTheIcons) {
    DateTrayIcons icons(nullptr, nullptr, nullptr);
    const std::string folder = Narrow(IconFolder());
    const char* const colours[] = {"Black", "Red", "Green", "Blue", "Pink"};
    for (const char* colour : colours) {
        for (int n = 1; n <= 31; ++n) {
            const std::string path = folder + colour + "\\" + std::to_string(n) + ".ico";
            ASSERT_TRUE(icons.LoadTrayIcon(TrayIconKind::Day, path)) << path;
            if (n <= 12) {
                ASSERT_TRUE(icons.LoadTrayIcon(TrayIconKind::Month, path)) << path;
            }
        }
        for (int w = 1; w <= 7; ++w) {
            const std::string path = folder + colour + "\\w" + std::to_string(w) + ".ico";
            ASSERT_TRUE(icons.LoadTrayIcon(TrayIconKind::Weekday, path)) << path;
        }
    }
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(icons.TaskTray2.Icon(), &info));
    BITMAP colour{};
    GetObjectW(info.hbmColor, sizeof(colour), &colour);
    EXPECT_EQ(colour.bmWidth, GetSystemMetrics(SM_CXSMICON)) << "loaded at the notification area's size";
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);

    const HICON before = icons.TaskTray2.Icon();
    EXPECT_FALSE(icons.LoadTrayIcon(TrayIconKind::Day, folder + "Black\\32.ico"));
    EXPECT_FALSE(icons.LoadTrayIcon(TrayIconKind::Day, "5.ico")) << "a bare name, looked up in the current folder";
    EXPECT_EQ(icons.TaskTray2.Icon(), before) << "a file that does not load leaves the image";
}

}  // namespace
}  // namespace zenka
