// Clock synchronisation in the main window, in this process: the real
// WinHTTP client against a server of the test, a fake clock setter, and
// the triggers (tray menu, start-up, interval timer, daily check). The
// fake setter records the time an attempt would set; the real clock is
// never touched.
#include "tests/win/support/local_http_server.h"

#include <gtest/gtest.h>

#include <array>
#include <initializer_list>
#include <string>
#include <vector>

#include "app/main_menus.h"
#include "app/main_window_win.h"
#include "app/short_date_win.h"
#include "common/version.h"
#include "tests/fakes/fake_sync_services.h"
#include "tests/timesync/utc_time.h"
#include "tests/win/support/dib32.h"
#include "tests/win/support/icon_folder.h"
#include "tests/win/app/main_window_fixture.h"
#include "tests/win/support/zenka_test_support.h"
#include "timesync/win_http_client_win.h"

namespace zenka {
namespace {

using testing::HttpMessage;
using testing::LocalHttpServer;
using testing::PumpMessages;
using testing::Reply;
using testing::SetSetting;
using testing::Setting;

constexpr char kFarOff[] = "Sun, 06 Nov 1994 08:49:37 GMT";

using testing::Utc;

// What a tray icon's picture is: one of the three sync pictures, by the
// colour of its face, or something else (a date).
std::string Picture(HICON icon) {
    const std::vector<uint32_t> pixels = testing::IconPixels(icon);
    if (pixels.empty()) return "none";
    int yellow = 0, red = 0, green = 0;
    for (uint32_t p : pixels) {
        const uint32_t r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
        if (r > 200 && g > 200 && b < 60) ++yellow;
        if (r > 200 && g < 60 && b < 60) ++red;
        if (r < 60 && g > 150 && b < 60) ++green;
    }
    const int enough = static_cast<int>(pixels.size()) / 5;
    if (yellow > enough) return "in progress";
    if (red > enough) return "failed";
    if (green > enough) return "succeeded";
    return "other";
}

class MainWindowSync : public testing::MainWindow {
protected:
    void SetUp() override {
        MainWindow::SetUp();
        clock.Set(2006, 1, 11);  // a Wednesday: the date icons are black
        moreServices = [this](MainWindowServices& services) {
            services.sync.emplace(SyncPlatform{http, setter, elevated, dialUp, [this](uint32_t milliseconds) {
                                                   // The result as the tray shows it during the pause.
                                                   pauses.push_back(std::to_string(milliseconds) + " " +
                                                                    Picture(Icons().TaskTray2.Icon()));
                                               }});
            // The date icons' folder, so they can come back.
            services.appDir = Narrow(AppDirOfIcons());
        };
    }

    DateTrayIcons& Icons() { return window->Tray()->icons; }
    void Serve(const Reply& reply) {
        server = std::make_unique<LocalHttpServer>([reply](const std::string&) { return reply; });
        SetSetting("Sync", "Server", server->Url());
    }
    void Serve(const std::string& date) { Serve(Reply{{0, HttpMessage(200, {"Date: " + date}, "<html></html>")}}); }
    size_t Requests() const { return server->Requests().size(); }
    // A new window with only these settings (section, name, text) and a
    // new server, answering with a far-off time.
    void StartWith(std::initializer_list<std::array<const char*, 3>> values) {
        window.reset();
        testing::ClearSettings();
        Serve(kFarOff);
        for (const auto& [section, name, text] : values) SetSetting(section, name, text);
        Start();
    }
    std::string Today() const { return SystemShortDate().FormatShortDate(clock.Now()); }
    bool MenuItemEnabled() {
        SendMessageW(Hwnd(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(window->PopupMenu1()), 0);
        return (GetMenuState(window->PopupMenu1(), cmdMnuSync, MF_BYCOMMAND) & MF_GRAYED) == 0;
    }

    WinHttpClient http;
    FakeClockSetter setter;
    FakeElevatedClockSetter elevated;
    FakeDialUpConnections dialUp;
    std::vector<std::string> pauses;
    std::unique_ptr<LocalHttpServer> server;
};

TEST_F(MainWindowSync, TheMenuCommandSetsTheServersTimeAndTheDateIconsComeBack) {
    // The main thread waits for the answer meanwhile, so the tray stands
    // still while the server looks at it.
    std::string whileAsked;
    server = std::make_unique<LocalHttpServer>([&](const std::string&) {
        whileAsked = Picture(Icons().TaskTray2.Icon());
        return Reply{{0, HttpMessage(200, {"Date: " + std::string(kFarOff)})}};
    });
    SetSetting("Sync", "Server", server->Url("127.0.0.1", "/time?a=1&b=%20"));
    Start();
    ASSERT_TRUE(Icons().TaskTray2.Visible());
    EXPECT_EQ(Picture(Icons().TaskTray2.Icon()), "other");
    EXPECT_FALSE(window->LastSyncReport().has_value());

    Menu(cmdMnuSync);
    const std::vector<std::string> requests = server->Requests();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].substr(0, requests[0].find("\r\n")), "GET /time?a=1&b=%20 HTTP/1.1") << "the URL as stored";
    EXPECT_EQ(testing::RequestHeader(requests[0], "User-Agent"), std::string("Zenka/") + kVersionText);
    EXPECT_EQ(testing::RequestHeader(requests[0], "Accept"), "text/html, */*");
    EXPECT_EQ(whileAsked, "in progress");
    EXPECT_EQ(setter.setTo, std::vector<SystemTime>{Utc(1994, 11, 6, 8, 49, 37, 500)});
    EXPECT_EQ(pauses, std::vector<std::string>{"1000 succeeded"}) << "the result shows for a second";
    EXPECT_EQ(Picture(Icons().TaskTray2.Icon()), "other") << "the tick has put the date back";
    EXPECT_EQ(Picture(Icons().TaskTray1.Icon()), "other") << "on the hidden icons too";
    EXPECT_EQ(window->Tray()->tick.State().iconDateCache, "2006/1/11");
    EXPECT_EQ(Setting("Sync", "SyncDay"), Today()) << "written at once";
    EXPECT_EQ(window->Settings().sync.syncDay, Today());
    ASSERT_TRUE(window->LastSyncReport().has_value());
    EXPECT_TRUE(window->LastSyncReport()->succeeded);
    EXPECT_TRUE(window->LastSyncReport()->offsetSeconds.has_value());
    EXPECT_TRUE(errors.empty());
    EXPECT_TRUE(messages.empty()) << "an attempt shows no message";
}

TEST_F(MainWindowSync, EachAnswerSetsTheClockOnlyFromAUsableDateOfASuccess) {
    const std::string chunked = "HTTP/1.1 200 OK\r\nDate: " + std::string(kFarOff) +
                                "\r\nTransfer-Encoding: chunked\r\nConnection: close\r\n\r\n";
    const struct {
        const char* what;
        Reply reply;
        bool set;
        std::string reason;
    } cases[] = {
        {"no Date", {{0, HttpMessage(200, {}, "x")}}, false, sync_reason::kNoDate},
        {"a garbage Date", {{0, HttpMessage(200, {"Date: soon"}, "x")}}, false, sync_reason::kNoDate},
        {"a Date named in lower case", {{0, HttpMessage(200, {"date: " + std::string(kFarOff)}, "x")}}, true, ""},
        {"a redirect", {{0, HttpMessage(301, {"Date: " + std::string(kFarOff), "Location: /x"})}}, false,
         sync_reason::StatusCode(301)},
        {"a server error", {{0, HttpMessage(500, {"Date: " + std::string(kFarOff)})}}, false,
         sync_reason::StatusCode(500)},
        {"a chunked body", {{0, chunked + "3\r\nabc\r\n"}, {100, "3\r\ndef\r\n"}, {100, "0\r\n\r\n"}}, true, ""},
    };
    Start();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Serve(c.reply);
        window->Settings().sync.server = server->Url();
        setter.setTo.clear();
        pauses.clear();
        RegDeleteKeyValueW(HKEY_CURRENT_USER, L"Software\\Brindlex\\Zenka\\Sync", L"SyncDay");
        Menu(cmdMnuSync);
        EXPECT_EQ(Requests(), 1u) << "one request: a redirect is not followed";
        EXPECT_EQ(setter.setTo.size(), c.set ? 1u : 0u) << "evaluated once, or not at all";
        EXPECT_EQ(pauses, std::vector<std::string>{c.set ? "1000 succeeded" : "1000 failed"});
        EXPECT_EQ(Setting("Sync", "SyncDay"), Today()) << "a failed attempt counts for the day too";
        EXPECT_EQ(window->LastSyncReport()->reason, c.reason);
        EXPECT_EQ(Picture(Icons().TaskTray2.Icon()), "other");
    }
    // No server at all.
    const std::string gone = server->Url();
    server.reset();
    window->Settings().sync.server = gone;
    setter.setTo.clear();
    Menu(cmdMnuSync);
    EXPECT_TRUE(setter.setTo.empty());
    EXPECT_EQ(window->LastSyncReport()->reason, sync_reason::kNoConnection);
}

TEST_F(MainWindowSync, DialUpOnlyGreysTheMenuItemAndStopsEveryTrigger) {
    Serve(kFarOff);
    SetSetting("Sync", "DialOnly", "1");
    SetSetting("Sync", "Start", "1");
    Start();
    EXPECT_FALSE(MenuItemEnabled());
    Menu(cmdMnuSync);
    SendMessageW(Hwnd(), WM_TIMER, idTmrOki, 0);
    EXPECT_EQ(Requests(), 0u);
    EXPECT_FALSE(Setting("Sync", "SyncDay").has_value()) << "a refused attempt leaves no day stamp";
    EXPECT_TRUE(pauses.empty());

    dialUp.connections = {{5, kRasConnected}};
    EXPECT_TRUE(MenuItemEnabled());
    Menu(cmdMnuSync);
    EXPECT_EQ(Requests(), 1u);
}

TEST_F(MainWindowSync, StartUpTheIntervalTimerAndTheDailyCheckEachRunOneAttempt) {
    // Start-up: once the tray icons are placed, and not in calendar-only
    // mode, which places none; after the start-up wait when there is one.
    StartWith({{"Sync", "Start", "1"}});
    EXPECT_EQ(Requests(), 1u);
    EXPECT_EQ(Setting("Sync", "SyncDay"), Today());
    StartWith({{"Sync", "Start", "1"}, {"Kidou", "Cal", "1"}});
    EXPECT_EQ(Requests(), 0u);
    StartWith({{"Sync", "Start", "1"}, {"Form", "Wait", "1"}});
    EXPECT_EQ(Requests(), 0u);
    PumpMessages(1300);
    EXPECT_EQ(Requests(), 1u);

    // The interval timer.
    StartWith({{"Sync", "Teiki", "1"}, {"Sync", "Oki", "1"}});
    EXPECT_EQ(Requests(), 0u) << "the first interval attempt comes after a minute";
    SendMessageW(Hwnd(), WM_TIMER, idTmrOki, 0);
    EXPECT_EQ(Requests(), 1u);

    // Once a day: the start-up tick finds the default stamp, and the tick
    // the finish runs finds today's.
    StartWith({{"Sync", "Teiki", "1"}, {"Sync", "Oneday", "1"}});
    EXPECT_EQ(Requests(), 1u);
    SendMessageW(Hwnd(), WM_TIMER, idTimer1, 0);
    EXPECT_EQ(Requests(), 1u) << "the day has had its attempt";
    clock.Set(2006, 1, 12);
    SendMessageW(Hwnd(), WM_TIMER, idTimer1, 0);
    EXPECT_EQ(Requests(), 2u) << "the next day has its own";
    EXPECT_EQ(Setting("Sync", "SyncDay"), Today());
}

TEST_F(MainWindowSync, ARefusedClockAsksForThePrivilegeOnlyFromTheMenu) {
    Serve(kFarOff);
    SetSetting("Sync", "Start", "1");
    setter.result = ClockSetResult::NotPermitted;
    Start();
    EXPECT_EQ(Requests(), 1u);
    EXPECT_TRUE(elevated.setTo.empty()) << "no prompt at start-up";
    EXPECT_FALSE(window->LastSyncReport()->succeeded);
    EXPECT_EQ(window->LastSyncReport()->reason, sync_reason::kNotPermitted);
    EXPECT_EQ(pauses.back(), "1000 failed");

    Menu(cmdMnuSync);
    EXPECT_EQ(elevated.setTo, std::vector<SystemTime>{Utc(1994, 11, 6, 8, 49, 37, 500)});
    EXPECT_TRUE(window->LastSyncReport()->succeeded);
    EXPECT_EQ(pauses.back(), "1000 succeeded");
}

}  // namespace
}  // namespace zenka
