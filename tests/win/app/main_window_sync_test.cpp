// Clock synchronisation in the main window, in this process: the real
// measurement on its own thread (WinHTTP) against a server of the test, a
// fake clock setter, and the triggers (tray menu, start-up, interval timer,
// daily check). The fake setter records the time an attempt would set; the
// real clock is never touched.
#include "tests/win/support/local_http_server.h"

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <initializer_list>
#include <thread>
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
#include "controls/tray_icon_win.h"
#include "timesync/win_http_client_win.h"

namespace zenka {
namespace {

using testing::HttpMessage;
using testing::LocalHttpServer;
using testing::PumpMessages;
using testing::Reply;
using testing::SetSetting;
using testing::Setting;

using testing::HttpDateFromNow;

// How far ahead of this computer the test's servers are.
constexpr int64_t kAheadMs = 3'300;

// The real clock now, to the millisecond.
int64_t NowMs() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

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
            services.sync.emplace(SyncPlatform{http, setter, elevated, dialUp,
                                               [this](uint32_t milliseconds, const std::function<void()>& then) {
                                                   // The result as the tray shows it during the pause.
                                                   pauses.push_back(std::to_string(milliseconds) + " " +
                                                                    Picture(Icons().TaskTray2.Icon()));
                                                   then();
                                               }});
            // The date icons' folder, so they can come back.
            services.appDir = Narrow(AppDirOfIcons());
        };
    }

    DateTrayIcons& Icons() { return window->Tray()->icons; }
    void Serve(const Reply& reply) {
        server = std::make_unique<LocalHttpServer>([reply](const std::string&) { return reply; });
        SetOnlyServer(server->Url());
    }
    // The test's server and no other: the default list names public ones,
    // which no test may reach.
    static void SetOnlyServer(const std::string& url) {
        SetSetting("Sync", "Server", url);
        for (const char* name : {"Server2", "Server3", "Server4", "Server5"}) SetSetting("Sync", name, "");
    }
    // A server whose clock runs kAheadMs ahead.
    void ServeAhead() {
        server = std::make_unique<LocalHttpServer>([](const std::string&) {
            return Reply{{0, HttpMessage(200, {"Date: " + HttpDateFromNow(kAheadMs)})}};
        });
        SetOnlyServer(server->Url());
    }
    size_t Requests() const { return server->Requests().size(); }
    // Attempts finished so far: each shows its result once.
    size_t Finished() const { return pauses.size(); }
    // Lets the message loop run until `count` attempts have finished, or
    // 15 s have passed.
    bool WaitForFinished(size_t count) {
        for (int i = 0; i < 1500 && Finished() < count; ++i) PumpMessages(10);
        return Finished() >= count;
    }
    // A new window with only these settings (section, name, text) and a
    // new server ahead of this computer.
    void StartWith(std::initializer_list<std::array<const char*, 3>> values) {
        window.reset();
        pauses.clear();
        testing::ClearSettings();
        ServeAhead();
        for (const auto& [section, name, text] : values) SetSetting(section, name, text);
        Start();
    }
    std::string Today() const { return SystemShortDate().FormatShortDate(clock.Now()); }
    bool MenuItemEnabled() {
        SendMessageW(Hwnd(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(window->PopupMenu1()), 0);
        return (GetMenuState(window->PopupMenu1(), cmdMnuSync, MF_BYCOMMAND) & MF_GRAYED) == 0;
    }
    // How far the clock would have been set from this computer's, in ms.
    int64_t SetAheadMs(const SystemTime& set, int64_t atMs) const { return ToMilliseconds(set) - atMs; }

    WinHttpClient http;
    FakeClockSetter setter;
    FakeElevatedClockSetter elevated;
    FakeDialUpConnections dialUp;
    std::vector<std::string> pauses;
    std::unique_ptr<LocalHttpServer> server;
};

TEST_F(MainWindowSync, TheMenuCommandMeasuresTheServerOffTheMainThreadAndSetsItsTime) {
    std::vector<std::string> whileAsked;
    server = std::make_unique<LocalHttpServer>([&](const std::string&) {
        return Reply{{0, HttpMessage(200, {"Date: " + HttpDateFromNow(kAheadMs)})}};
    });
    SetOnlyServer(server->Url("127.0.0.1", "/time?a=1&b=%20"));
    // The time set is judged against the moment it was set: the finish
    // may come later on a busy machine.
    int64_t setAt = 0;
    setter.whenSet = [&] { setAt = NowMs(); };
    Start();
    ASSERT_TRUE(Icons().TaskTray2.Visible());
    EXPECT_EQ(Picture(Icons().TaskTray2.Icon()), "other");
    EXPECT_FALSE(window->LastSyncReport().has_value());

    Menu(cmdMnuSync);
    EXPECT_EQ(Picture(Icons().TaskTray2.Icon()), "in progress") << "the command returns while the server is asked";
    Menu(cmdMnuSync);  // dropped: an attempt runs
    ASSERT_TRUE(WaitForFinished(1));
    PumpMessages(200);
    EXPECT_EQ(Finished(), 1u) << "the second command was dropped";
    const std::vector<std::string> requests = server->Requests();
    ASSERT_GE(requests.size(), 4u) << "the round trip, then the bisection";
    EXPECT_EQ(requests[0].substr(0, requests[0].find("\r\n")), "HEAD /time?a=1&b=%20 HTTP/1.1")
        << "the URL as stored: it has a query already";
    EXPECT_EQ(testing::RequestHeader(requests[0], "User-Agent"), std::string("Zenka/") + kVersionText);
    EXPECT_EQ(testing::RequestHeader(requests[0], "Cache-Control"), "no-cache");
    ASSERT_EQ(setter.setTo.size(), 1u);
    EXPECT_NEAR(static_cast<double>(SetAheadMs(setter.setTo[0], setAt)), kAheadMs, 60.0)
        << "the server's time, from the moment of setting";
    EXPECT_EQ(pauses, std::vector<std::string>{"1000 succeeded"}) << "the result shows for a second";
    EXPECT_EQ(Picture(Icons().TaskTray2.Icon()), "other") << "the tick has put the date back";
    EXPECT_EQ(Picture(Icons().TaskTray1.Icon()), "other") << "on the hidden icons too";
    EXPECT_EQ(window->Tray()->tick.State().iconDateCache, "2006/1/11");
    EXPECT_EQ(Setting("Sync", "SyncDay"), Today()) << "written at once";
    ASSERT_TRUE(window->LastSyncReport().has_value());
    const SyncReport report = *window->LastSyncReport();
    EXPECT_TRUE(report.succeeded) << report.reason;
    ASSERT_TRUE(report.boundSeconds.has_value());
    EXPECT_LE(*report.boundSeconds, 0.020);
    EXPECT_EQ(report.servers, std::vector<std::string>{server->Url("127.0.0.1", "/time?a=1&b=%20")});
    EXPECT_TRUE(errors.empty());
    EXPECT_TRUE(messages.empty()) << "an attempt shows no message";
}

TEST_F(MainWindowSync, TheWindowAnswersWhileAnAttemptWaitsOnASilentServerAndClosesAtOnce) {
    Serve(Reply{{30'000, ""}});
    Start();
    Menu(cmdMnuSync);
    EXPECT_EQ(Picture(Icons().TaskTray2.Icon()), "in progress");
    EXPECT_FALSE(Visible());

    // Another thread asks the window as the system would, with a time
    // limit: the tray icon's press opens the calendar, and the tray menu
    // is made ready, while the main thread's loop runs.
    bool pressAnswered = false, menuAnswered = false;
    std::thread asker([&] {
        DWORD_PTR result = 0;
        pressAnswered = SendMessageTimeoutW(TTrayIcon::CallbackWindow(), kTrayCallbackMessage,
                                            Icons().TaskTray2.Identifier(), WM_LBUTTONDOWN, SMTO_ABORTIFHUNG, 1000,
                                            &result) != 0;
        menuAnswered = SendMessageTimeoutW(Hwnd(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(window->PopupMenu1()),
                                           0, SMTO_ABORTIFHUNG, 1000, &result) != 0;
    });
    for (int i = 0; i < 300 && !(pressAnswered && menuAnswered); ++i) PumpMessages(10);
    asker.join();
    EXPECT_TRUE(pressAnswered);
    EXPECT_TRUE(menuAnswered);
    EXPECT_TRUE(Visible()) << "the calendar opened";
    EXPECT_EQ(Finished(), 0u) << "the attempt still waits";

    // Closing ends the attempt without a finish, at once, and saves.
    window->Settings().sync.adjustment = 7;
    const auto start = std::chrono::steady_clock::now();
    SendMessageW(Hwnd(), WM_CLOSE, 0, 0);
    const auto took = std::chrono::steady_clock::now() - start;
    EXPECT_LT(took, std::chrono::milliseconds(1'000));
    EXPECT_EQ(destroyed, 1);
    EXPECT_EQ(Finished(), 0u);
    EXPECT_TRUE(setter.setTo.empty());
    EXPECT_EQ(Setting("Sync", "Adjustment"), "7") << "saved as usual";
}

TEST_F(MainWindowSync, AFailedAttemptShowsItsReasonAndCountsForTheDay) {
    const struct {
        const char* what;
        Reply reply;
        std::string reason;
    } cases[] = {
        {"no Date", {{0, HttpMessage(200, {}, "x")}}, sync_reason::kNoDate},
        {"a server error", {{0, HttpMessage(500, {"Date: " + HttpDateFromNow(0)})}}, sync_reason::StatusCode(500)},
        {"a time before this version", {{0, HttpMessage(200, {"Date: Sun, 06 Nov 1994 08:49:37 GMT"})}},
         ReadServerDate({"Sun, 06 Nov 1994 08:49:37 GMT"}, BuildDay()).reason},
    };
    Start();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Serve(c.reply);
        window->Settings().sync.server = server->Url();
        window->Settings().sync.moreServers = {};
        pauses.clear();
        RegDeleteKeyValueW(HKEY_CURRENT_USER, L"Software\\Brindlex\\Zenka\\Sync", L"SyncDay");
        Menu(cmdMnuSync);
        ASSERT_TRUE(WaitForFinished(1));
        EXPECT_EQ(pauses, std::vector<std::string>{"1000 failed"});
        EXPECT_EQ(Setting("Sync", "SyncDay"), Today()) << "a failed attempt counts for the day too";
        EXPECT_EQ(window->LastSyncReport()->reason, c.reason);
        EXPECT_EQ(Picture(Icons().TaskTray2.Icon()), "other");
    }
    EXPECT_TRUE(setter.setTo.empty());
    // No server at all.
    const std::string gone = server->Url();
    server.reset();
    window->Settings().sync.server = gone;
    window->Settings().sync.moreServers = {};
    pauses.clear();
    Menu(cmdMnuSync);
    ASSERT_TRUE(WaitForFinished(1));
    EXPECT_TRUE(setter.setTo.empty());
    EXPECT_EQ(window->LastSyncReport()->reason, sync_reason::kNoConnection);
}

TEST_F(MainWindowSync, TheResultShowsForASecondOnTheWindowsTimerWithoutBlocking) {
    // Without the test's pause: the window's own timer.
    moreServices = [this](MainWindowServices& services) {
        services.sync.emplace(SyncPlatform{http, setter, elevated, dialUp, nullptr});
        services.appDir = Narrow(AppDirOfIcons());
    };
    ServeAhead();
    Start();
    Menu(cmdMnuSync);
    for (int i = 0; i < 1500 && setter.setTo.empty(); ++i) PumpMessages(10);
    ASSERT_EQ(setter.setTo.size(), 1u);
    EXPECT_EQ(Picture(Icons().TaskTray2.Icon()), "succeeded");
    Menu(cmdMnuSync);  // dropped while the result shows
    PumpMessages(1'300);
    EXPECT_EQ(Picture(Icons().TaskTray2.Icon()), "other") << "the date is back after the second";
    EXPECT_EQ(setter.setTo.size(), 1u);
    Menu(cmdMnuSync);
    for (int i = 0; i < 1500 && setter.setTo.size() < 2; ++i) PumpMessages(10);
    EXPECT_EQ(setter.setTo.size(), 2u) << "the next command, after the second, runs";
}

TEST_F(MainWindowSync, DialUpOnlyGreysTheMenuItemAndStopsEveryTrigger) {
    ServeAhead();
    SetSetting("Sync", "DialOnly", "1");
    SetSetting("Sync", "Start", "1");
    Start();
    EXPECT_FALSE(MenuItemEnabled());
    Menu(cmdMnuSync);
    SendMessageW(Hwnd(), WM_TIMER, idTmrOki, 0);
    PumpMessages(300);
    EXPECT_EQ(Requests(), 0u);
    EXPECT_FALSE(Setting("Sync", "SyncDay").has_value()) << "a refused attempt leaves no day stamp";
    EXPECT_TRUE(pauses.empty());

    dialUp.connections = {{5, kRasConnected}};
    EXPECT_TRUE(MenuItemEnabled());
    Menu(cmdMnuSync);
    EXPECT_TRUE(WaitForFinished(1));
    EXPECT_GE(Requests(), 1u);
}

TEST_F(MainWindowSync, StartUpTheIntervalTimerAndTheDailyCheckEachRunOneAttempt) {
    // Start-up: once the tray icons are placed, and not in calendar-only
    // mode, which places none; after the start-up wait when there is one.
    StartWith({{"Sync", "Start", "1"}});
    EXPECT_TRUE(WaitForFinished(1));
    EXPECT_EQ(Setting("Sync", "SyncDay"), Today());
    StartWith({{"Sync", "Start", "1"}, {"Kidou", "Cal", "1"}});
    PumpMessages(300);
    EXPECT_EQ(Requests(), 0u);
    StartWith({{"Sync", "Start", "1"}, {"Form", "Wait", "1"}});
    EXPECT_EQ(Requests(), 0u);
    EXPECT_TRUE(WaitForFinished(1));

    // The interval timer.
    StartWith({{"Sync", "Teiki", "1"}, {"Sync", "Oki", "1"}});
    EXPECT_EQ(Requests(), 0u) << "the first interval attempt comes after a minute";
    SendMessageW(Hwnd(), WM_TIMER, idTmrOki, 0);
    EXPECT_TRUE(WaitForFinished(1));

    // Once a day: the start-up tick finds the default stamp, and the tick
    // the finish runs finds today's.
    StartWith({{"Sync", "Teiki", "1"}, {"Sync", "Oneday", "1"}});
    EXPECT_TRUE(WaitForFinished(1));
    SendMessageW(Hwnd(), WM_TIMER, idTimer1, 0);
    PumpMessages(300);
    EXPECT_EQ(Finished(), 1u) << "the day has had its attempt";
    clock.Set(2006, 1, 12);
    SendMessageW(Hwnd(), WM_TIMER, idTimer1, 0);
    EXPECT_TRUE(WaitForFinished(2)) << "the next day has its own";
    EXPECT_EQ(Setting("Sync", "SyncDay"), Today());
}

TEST_F(MainWindowSync, ARefusedClockAsksForThePrivilegeOnlyFromTheMenu) {
    ServeAhead();
    SetSetting("Sync", "Start", "1");
    setter.result = ClockSetResult::NotPermitted;
    Start();
    ASSERT_TRUE(WaitForFinished(1));
    EXPECT_TRUE(elevated.setTo.empty()) << "no prompt at start-up";
    EXPECT_FALSE(window->LastSyncReport()->succeeded);
    EXPECT_EQ(window->LastSyncReport()->reason, sync_reason::kNotPermitted);
    EXPECT_EQ(pauses.back(), "1000 failed");

    int64_t setAt = 0;
    elevated.whenSet = [&] { setAt = NowMs(); };
    Menu(cmdMnuSync);
    ASSERT_TRUE(WaitForFinished(2));
    ASSERT_EQ(elevated.setTo.size(), 1u);
    EXPECT_NEAR(static_cast<double>(SetAheadMs(elevated.setTo[0], setAt)), kAheadMs, 60.0);
    EXPECT_TRUE(window->LastSyncReport()->succeeded);
    EXPECT_EQ(pauses.back(), "1000 succeeded");
}

}  // namespace
}  // namespace zenka
