// The window base and the dialog base: the edge where errors are reported,
// the order in which a window goes, the shared paint routine, the results
// a dialog gives back and the objects a window class makes itself.
#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "common/error_report_win.h"
#include "controls/dialog_base_win.h"
#include "controls/window_base_win.h"
#include "settings/settings_ids.h"

namespace zenka {
namespace {

constexpr int kThrowsError = 1;       // raises an error with its text
constexpr int kThrowsSomething = 2;   // raises something that is no error
constexpr int kHandled = 3;
constexpr UINT kAnswered = 0x7001;    // a notification the dialog answers

void RaiseFor(int id) {
    if (id == kThrowsError) throw std::runtime_error("日付がありません");
    if (id == kThrowsSomething) throw 7;
}

class ProbeWindow : public WindowBase {
public:
    bool Create() { return CreateWindowOf({L"ZenkaProbeWindow"}, 0, L"", WS_POPUP, 0, 0, 40, 30, nullptr, nullptr); }
    std::vector<std::string> events;
    std::vector<HDC> paintedOn;

private:
    void OnCommand(int id, UINT, HWND) override {
        RaiseFor(id);
        events.push_back("command " + std::to_string(id));
    }
    void OnPaint(HDC dc) override { paintedOn.push_back(dc); }
    void OnDestroy() override { events.push_back(Handle() ? "destroy" : "destroy without a handle"); }
    void OnGone() override { events.push_back(Handle() ? "gone with a handle" : "gone"); }
};

// Any template of the program serves.
class ProbeDialog : public DialogBase {
public:
    bool Open() { return CreateModeless(IDD_ABOUT, nullptr); }
    std::vector<std::string> events;

private:
    bool OnCommand(int id, UINT, HWND) override {
        RaiseFor(id);
        events.push_back("command " + std::to_string(id));
        return id == kHandled;
    }
    bool OnNotify(const NMHDR& header, LRESULT& result) override {
        if (header.code != kAnswered) return false;
        result = 42;
        return true;
    }
    void OnGone() override { events.push_back(Handle() ? "gone with a handle" : "gone"); }
};

struct Report {
    HWND owner;
    std::string text;
    friend bool operator==(const Report&, const Report&) = default;
};

class WindowBases : public ::testing::Test {
protected:
    void SetUp() override {
        previous_ = SetErrorReporter([this](HWND owner, const std::string& text) { reports.push_back({owner, text}); });
    }
    void TearDown() override { SetErrorReporter(previous_); }

    std::vector<Report> reports;

private:
    ErrorReporter previous_;
};

void Command(HWND window, int id) { SendMessageW(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }

TEST_F(WindowBases, AnErrorThatEndsAMessageIsReportedOnceAtTheEdgeAndTheWindowGoesOn) {
    ProbeWindow window;
    ASSERT_TRUE(window.Create());
    ProbeDialog dialog;
    ASSERT_TRUE(dialog.Open());
    struct Case {
        int id;
        std::string text;
    };
    const Case cases[] = {{kThrowsError, "日付がありません"}, {kThrowsSomething, "予期しないエラーが発生しました。"}};
    for (HWND target : {window.Handle(), dialog.Handle()}) {
        for (const Case& c : cases) {
            reports.clear();
            Command(target, c.id);
            EXPECT_EQ(reports, (std::vector<Report>{{target, c.text}})) << c.id;
        }
    }
    Command(window.Handle(), kHandled);
    Command(dialog.Handle(), kHandled);
    EXPECT_EQ(window.events, (std::vector<std::string>{"command 3"})) << "the window goes on";
    EXPECT_EQ(dialog.events, (std::vector<std::string>{"command 3"})) << "the dialog goes on";
}

TEST_F(WindowBases, AWindowLetsGoOfItsObjectBeforeItIsGoneAndTellsLast) {
    ProbeWindow window;
    ASSERT_TRUE(window.Create());
    window.OnDestroyed = [&] { window.events.push_back(window.Handle() ? "told with a handle" : "told"); };
    DestroyWindow(window.Handle());
    EXPECT_EQ(window.events, (std::vector<std::string>{"destroy", "gone", "told"}));

    ProbeDialog dialog;
    ASSERT_TRUE(dialog.Open());
    dialog.OnDestroyed = [&] { dialog.events.push_back(dialog.Handle() ? "told with a handle" : "told"); };
    DestroyWindow(dialog.Handle());
    EXPECT_EQ(dialog.events, (std::vector<std::string>{"gone", "told"}));

    // An object that goes first takes its window along, and hears nothing
    // more from it.
    HWND left = nullptr;
    {
        ProbeWindow shortLived;
        ASSERT_TRUE(shortLived.Create());
        left = shortLived.Handle();
        shortLived.OnDestroyed = [] { ADD_FAILURE() << "told after the object went"; };
    }
    EXPECT_FALSE(IsWindow(left));
    {
        ProbeDialog shortLived;
        ASSERT_TRUE(shortLived.Open());
        left = shortLived.Handle();
        shortLived.OnDestroyed = [] { ADD_FAILURE() << "told after the object went"; };
    }
    EXPECT_FALSE(IsWindow(left));
}

TEST_F(WindowBases, PaintingAndPrintingTheClientAreaShareOneRoutine) {
    ProbeWindow window;
    ASSERT_TRUE(window.Create());
    HDC memory = CreateCompatibleDC(nullptr);
    SendMessageW(window.Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT);
    EXPECT_EQ(window.paintedOn, (std::vector<HDC>{memory}));
    DeleteDC(memory);

    ShowWindow(window.Handle(), SW_SHOWNOACTIVATE);
    InvalidateRect(window.Handle(), nullptr, TRUE);
    UpdateWindow(window.Handle());
    EXPECT_EQ(window.paintedOn.size(), 2u) << "WM_PAINT draws with the same routine";
}

TEST_F(WindowBases, ADialogGivesBackWhatItsHandlersAnswer) {
    ProbeDialog dialog;
    ASSERT_TRUE(dialog.Open());
    NMHDR answered{dialog.Handle(), 0, kAnswered};
    EXPECT_EQ(SendMessageW(dialog.Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&answered)), 42)
        << "through DWLP_MSGRESULT";
    NMHDR other{dialog.Handle(), 0, kAnswered + 1};
    EXPECT_EQ(SendMessageW(dialog.Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&other)), 0);
}

// Made by each window of its class, as a dialog template's control is.
class OwnedByItsWindow : public WindowBase {
public:
    OwnedByItsWindow() { ++alive; }
    ~OwnedByItsWindow() override { --alive; }
    static inline int alive = 0;
};

TEST_F(WindowBases, AClassCanMakeTheObjectOfEachWindowAndDeleteItWithTheWindow) {
    WindowBase::RegisterClassOwningObjects<OwnedByItsWindow>({L"ZenkaOwnedProbe"});
    const auto make = [](const wchar_t* name) {
        return CreateWindowExW(0, name, L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, GetModuleHandleW(nullptr),
                               nullptr);
    };
    HWND first = make(L"ZenkaOwnedProbe");
    HWND second = make(L"ZenkaOwnedProbe");
    HWND foreign = make(L"STATIC");
    EXPECT_EQ(OwnedByItsWindow::alive, 2);
    ASSERT_NE(WindowBase::ObjectOf<OwnedByItsWindow>(first), nullptr);
    EXPECT_NE(WindowBase::ObjectOf<OwnedByItsWindow>(first), WindowBase::ObjectOf<OwnedByItsWindow>(second));
    EXPECT_EQ(WindowBase::ObjectOf<OwnedByItsWindow>(first)->Handle(), first);
    EXPECT_EQ(WindowBase::ObjectOf<OwnedByItsWindow>(foreign), nullptr) << "another class's window";
    EXPECT_EQ(WindowBase::ObjectOf<ProbeWindow>(first), nullptr) << "another kind of object";
    for (HWND hwnd : {first, second, foreign}) DestroyWindow(hwnd);
    EXPECT_EQ(OwnedByItsWindow::alive, 0);
}

}  // namespace
}  // namespace zenka
