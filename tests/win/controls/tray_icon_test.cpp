// TTrayIcon against Wine's notification area.
#include "controls/tray_icon_win.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "common/cp932.h"
#include "controls/window_base_win.h"
#include "tests/win/support/tray_test_support.h"

namespace zenka {
namespace {

HICON ApplicationIcon() { return LoadIconW(nullptr, IDI_APPLICATION); }

struct MouseEvent {
    std::string kind;
    TMouseButton button;
    TShiftState shift;
};

// An icon whose events are written down.
struct WatchedIcon {
    explicit WatchedIcon(HWND owner = nullptr) : icon(owner) {
        icon.OnMouseDown = [this](TTrayIcon&, TMouseButton b, TShiftState s, int, int) {
            events.push_back({"down", b, s});
        };
        icon.OnMouseMove = [this](TTrayIcon&, TShiftState s, int, int) { events.push_back({"move", mbLeft, s}); };
        icon.OnClick = [this](TTrayIcon&) { events.push_back({"click", mbLeft, 0}); };
        icon.OnDblClick = [this](TTrayIcon&) { events.push_back({"dblclick", mbLeft, 0}); };
    }
    // The shell reporting a mouse message over this icon.
    void Shell(UINT mouseMessage) {
        SendMessageW(TTrayIcon::CallbackWindow(), kTrayCallbackMessage, static_cast<WPARAM>(icon.Identifier()),
                     mouseMessage);
    }
    std::vector<std::string> Kinds() const {
        std::vector<std::string> kinds;
        for (const MouseEvent& e : events) kinds.push_back(e.kind);
        return kinds;
    }

    TTrayIcon icon;
    std::vector<MouseEvent> events;
};

TEST(TrayIcon, AddsModifiesAndDeletesThroughTheShell) {
    TrayRecorder shell;
    {
        TTrayIcon icon(nullptr);
        EXPECT_EQ(icon.Identifier(), 1);
        ASSERT_NE(TTrayIcon::CallbackWindow(), nullptr);
        EXPECT_EQ(icon.TipHelp(), "TipHelp");

        icon.SetVisible(true);
        EXPECT_FALSE(icon.Visible()) << "an icon without an image cannot be shown";
        EXPECT_TRUE(shell.calls.empty());

        icon.SetIcon(ApplicationIcon());
        EXPECT_NE(icon.Icon(), ApplicationIcon()) << "the icon keeps its own copy";
        icon.SetVisible(true);
        ASSERT_EQ(shell.calls.size(), 1u);
        const ShellCall& add = shell.calls[0];
        EXPECT_EQ(add.message, static_cast<DWORD>(NIM_ADD));
        EXPECT_TRUE(add.answer) << "Wine's notification area took the icon";
        EXPECT_EQ(add.id, 1u);
        EXPECT_EQ(add.window, TTrayIcon::CallbackWindow());
        EXPECT_EQ(add.callbackMessage, static_cast<UINT>(WM_USER + 200));
        EXPECT_EQ(add.flags, static_cast<UINT>(NIF_MESSAGE | NIF_ICON | NIF_TIP));
        EXPECT_EQ(add.size, sizeof(NOTIFYICONDATAW));
        EXPECT_EQ(add.tip, "TipHelp");
        EXPECT_TRUE(icon.Added());

        icon.SetVisible(true);
        EXPECT_EQ(shell.calls.size(), 1u) << "showing a shown icon changes nothing";

        icon.SetTipHelp("令和8年(2026年)1月1日(木)大安 元旦");
        icon.SetTipHelp("令和8年(2026年)1月1日(木)大安 元旦");
        ASSERT_EQ(shell.calls.size(), 2u) << "the same tooltip again is no change";
        EXPECT_EQ(shell.calls[1].message, static_cast<DWORD>(NIM_MODIFY));
        EXPECT_EQ(shell.calls[1].tip, "令和8年(2026年)1月1日(木)大安 元旦");
        EXPECT_TRUE(shell.calls[1].answer);

        icon.SetTipHelp("");
        EXPECT_EQ(shell.calls.back().flags, static_cast<UINT>(NIF_MESSAGE | NIF_ICON)) << "no tooltip, no tip flag";

        icon.SetIcon(ApplicationIcon());
        EXPECT_EQ(shell.calls.back().message, static_cast<DWORD>(NIM_MODIFY)) << "a new image is shown at once";

        icon.SetIcon(nullptr);
        EXPECT_EQ(shell.calls.back().message, static_cast<DWORD>(NIM_DELETE));
        EXPECT_TRUE(shell.calls.back().answer);
        EXPECT_FALSE(icon.Visible());
        EXPECT_FALSE(icon.Added());

        icon.SetIcon(ApplicationIcon());
        icon.SetVisible(true);
        shell.calls.clear();
    }
    ASSERT_EQ(shell.calls.size(), 1u) << "a destroyed icon leaves the notification area";
    EXPECT_EQ(shell.calls[0].message, static_cast<DWORD>(NIM_DELETE));
    EXPECT_TRUE(shell.calls[0].answer);
    EXPECT_EQ(TTrayIcon::CallbackWindow(), nullptr) << "the shared window goes with the last icon";
}

TEST(TrayIcon, IdentifiersFollowTheLastLiveIconAndAllShareOneWindow) {
    auto first = std::make_unique<TTrayIcon>(nullptr);
    auto second = std::make_unique<TTrayIcon>(nullptr);
    auto third = std::make_unique<TTrayIcon>(nullptr);
    EXPECT_EQ(second->Identifier(), 2);
    EXPECT_EQ(third->Identifier(), 3);
    const HWND shared = TTrayIcon::CallbackWindow();
    EXPECT_EQ(GetParent(shared), nullptr) << "a top-level window, which the shell's restart message reaches";
    EXPECT_FALSE(IsWindowVisible(shared));
    third.reset();
    TTrayIcon fourth(nullptr);
    EXPECT_EQ(fourth.Identifier(), 3);
    first.reset();
    second.reset();
    EXPECT_EQ(TTrayIcon::CallbackWindow(), shared);
}

TEST(TrayIcon, TheTooltipIsCutAtSixtyTwoCodePage932Bytes) {
    TrayRecorder shell;
    TTrayIcon icon(nullptr);
    icon.SetIcon(ApplicationIcon());
    icon.SetVisible(true);
    // 2 + 31 × 2 bytes: the last kanji would end at byte 64.
    std::string tip = "ab";
    for (int i = 0; i < 31; ++i) tip += "暦";
    icon.SetTipHelp(tip);
    const std::string shown = shell.calls.back().tip;
    EXPECT_EQ(Utf8ToCp932(shown).size(), 62u);
    EXPECT_EQ(shown, tip.substr(0, tip.size() - 3)) << "the kanji cut in half is left out";
    EXPECT_EQ(icon.TipHelp(), shown);
    EXPECT_TRUE(shell.calls.back().answer);

    icon.SetTipHelp(std::string(100, 'x'));
    EXPECT_EQ(shell.calls.back().tip, std::string(62, 'x'));
}

TEST(TrayIcon, MouseMessagesBecomeEvents) {
    WatchedIcon watched;
    watched.Shell(WM_LBUTTONDOWN);
    watched.Shell(WM_RBUTTONDOWN);
    watched.Shell(WM_MBUTTONDOWN);
    watched.Shell(WM_MOUSEMOVE);
    ASSERT_EQ(watched.events.size(), 4u);
    EXPECT_EQ(watched.events[0].button, mbLeft);
    EXPECT_EQ(watched.events[0].shift, ssLeft);
    EXPECT_EQ(watched.events[1].button, mbRight);
    EXPECT_EQ(watched.events[1].shift, ssRight);
    EXPECT_EQ(watched.events[2].button, mbMiddle);
    EXPECT_EQ(watched.events[3].kind, "move");

    std::vector<TMouseButton> ups;
    watched.icon.OnMouseUp = [&](TTrayIcon&, TMouseButton b, TShiftState, int, int) { ups.push_back(b); };
    watched.Shell(WM_LBUTTONUP);
    watched.Shell(WM_RBUTTONUP);
    watched.Shell(WM_MBUTTONUP);
    EXPECT_EQ(ups, (std::vector<TMouseButton>{mbLeft, mbRight, mbMiddle}));

    watched.events.clear();
    watched.icon.SetEnabled(false);
    watched.Shell(WM_LBUTTONDOWN);
    EXPECT_TRUE(watched.events.empty()) << "a disabled icon ignores the mouse";
    watched.icon.SetEnabled(true);
    SendMessageW(TTrayIcon::CallbackWindow(), kTrayCallbackMessage, 99, WM_LBUTTONDOWN);
    EXPECT_TRUE(watched.events.empty()) << "an identifier of no icon";
}

TEST(TrayIcon, AHandlerMayDestroyItsIcon) {
    TrayRecorder shell;
    auto icon = std::make_unique<TTrayIcon>(nullptr);
    icon->SetIcon(ApplicationIcon());
    icon->SetVisible(true);
    // Captures that outlive the handler only if it was copied before the call.
    auto keep = std::make_shared<int>(0);
    icon->OnMouseDown = [&icon, keep](TTrayIcon&, TMouseButton, TShiftState, int, int) {
        icon.reset();
        ++*keep;
    };
    SendMessageW(TTrayIcon::CallbackWindow(), kTrayCallbackMessage, 1, WM_LBUTTONDOWN);
    EXPECT_EQ(icon, nullptr);
    EXPECT_EQ(*keep, 1);
    EXPECT_EQ(shell.calls.back().message, static_cast<DWORD>(NIM_DELETE));
    EXPECT_EQ(TTrayIcon::CallbackWindow(), nullptr);
}

TEST(TrayIcon, AClickIsReportedAfterTheDoubleClickTimeAndNotAsPartOfADoubleClick) {
    WatchedIcon watched;
    watched.Shell(WM_LBUTTONDOWN);
    watched.Shell(WM_LBUTTONUP);
    EXPECT_EQ(watched.Kinds(), (std::vector<std::string>{"down"})) << "the press at once, the click not yet";
    EXPECT_TRUE(testing::PumpUntil([&] { return watched.events.size() == 2; }, 5000));
    EXPECT_EQ(watched.Kinds(), (std::vector<std::string>{"down", "click"}));

    watched.events.clear();
    watched.Shell(WM_LBUTTONDOWN);
    watched.Shell(WM_LBUTTONUP);
    watched.Shell(WM_LBUTTONDBLCLK);
    watched.Shell(WM_LBUTTONUP);
    testing::PumpMessages(GetDoubleClickTime() + 300);
    EXPECT_EQ(watched.Kinds(), (std::vector<std::string>{"down", "dblclick"}));
}

// The owner of a popup menu, noting when a menu opens.
class MenuOwner : public WindowBase {
public:
    MenuOwner() {
        CreateWindowOf({L"TrayTestMenuOwner"}, WS_EX_TOOLWINDOW, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr);
        AppendMenuW(menu, MF_STRING, 1, L"カレンダー起動(&C)");
    }
    ~MenuOwner() override { DestroyMenu(menu); }
    HMENU menu = CreatePopupMenu();
    std::vector<HMENU> opened;

private:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_INITMENUPOPUP) opened.push_back(reinterpret_cast<HMENU>(wParam));
        return DefaultProcessing(message, wParam, lParam);
    }
};

// Closes whatever menu is open, a moment after it opened.
void CloseMenuSoon() {
    SetTimer(nullptr, 0, 200, [](HWND, UINT, UINT_PTR id, DWORD) {
        KillTimer(nullptr, id);
        EndMenu();
    });
}

TEST(TrayIcon, AButtonWithAPopupMenuOpensItInsteadOfReportingThePress) {
    MenuOwner owner;
    WatchedIcon watched(owner.Handle());
    watched.icon.RBPopupMenu = owner.menu;
    CloseMenuSoon();
    watched.Shell(WM_RBUTTONDOWN);
    EXPECT_EQ(owner.opened, (std::vector<HMENU>{owner.menu}));
    EXPECT_TRUE(watched.events.empty());
    watched.Shell(WM_LBUTTONDOWN);
    EXPECT_EQ(watched.Kinds(), (std::vector<std::string>{"down"})) << "the left button has no menu";

    watched.events.clear();
    watched.icon.SetAutoPopup(false);
    watched.Shell(WM_RBUTTONDOWN);
    EXPECT_EQ(watched.Kinds(), (std::vector<std::string>{"down"})) << "without AutoPopup the press is reported";
    watched.icon.SetAutoPopup(true);

    watched.icon.LBPopupMenu = owner.menu;
    CloseMenuSoon();
    watched.Shell(WM_LBUTTONDOWN);
    EXPECT_EQ(owner.opened.size(), 2u);

    // A menu destroyed behind the icon's back is not opened.
    HMENU gone = CreatePopupMenu();
    DestroyMenu(gone);
    watched.icon.RBPopupMenu = gone;
    watched.Shell(WM_RBUTTONDOWN);
    EXPECT_EQ(owner.opened.size(), 2u);
}

TEST(TrayIcon, ShownIconsComeBackWhenTheTaskbarRestarts) {
    TrayRecorder shell;
    TTrayIcon shown(nullptr), hidden(nullptr), alsoShown(nullptr);
    for (TTrayIcon* icon : {&shown, &hidden, &alsoShown}) icon->SetIcon(ApplicationIcon());
    shown.SetVisible(true);
    alsoShown.SetVisible(true);
    shell.calls.clear();
    SendMessageW(TTrayIcon::CallbackWindow(), RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
    EXPECT_EQ(shell.Ids(NIM_ADD), (std::vector<UINT>{1, 3}));
    EXPECT_EQ(shell.calls.size(), 2u);
}

TEST(TrayIcon, AnIconTheShellRefusedIsAddedAgainAtTheNextChange) {
    TrayRecorder shell;
    shell.refuseAdds = 1;  // a shell still starting at log-on
    TTrayIcon icon(nullptr);
    icon.SetIcon(ApplicationIcon());
    icon.SetVisible(true);
    EXPECT_TRUE(icon.Visible()) << "still wanted";
    EXPECT_FALSE(icon.Added());

    icon.SetTipHelp("平成18年(2006年)1月1日(日)元旦");
    ASSERT_EQ(shell.calls.size(), 2u);
    EXPECT_EQ(shell.calls[1].message, static_cast<DWORD>(NIM_ADD)) << "added, not modified";
    EXPECT_TRUE(shell.calls[1].answer);
    EXPECT_EQ(shell.calls[1].tip, "平成18年(2006年)1月1日(日)元旦");
    EXPECT_TRUE(icon.Added());
    icon.SetIcon(ApplicationIcon());
    EXPECT_EQ(shell.calls.back().message, static_cast<DWORD>(NIM_MODIFY)) << "from then on it is there";
}

}  // namespace
}  // namespace zenka
