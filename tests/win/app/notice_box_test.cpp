// The notice box under Wine: a real modal message box, closed by timers
// that run inside its message loop as the tick's timer would.
#include "app/notice_box_win.h"

#include <gtest/gtest.h>

#include <cwchar>
#include <string>
#include <vector>

#include "common/app_title.h"
#include "common/utf16_win.h"

namespace zenka {
namespace {

struct SeenNotice {
    HWND hwnd;
    std::string text;
    HWND owner;
    bool hasOk;
    bool hasCancel;
};

// The visible notice boxes of this process.
std::vector<SeenNotice> VisibleNotices() {
    std::vector<SeenNotice> seen;
    EnumWindows(
        [](HWND hwnd, LPARAM param) -> BOOL {
            DWORD process = 0;
            GetWindowThreadProcessId(hwnd, &process);
            wchar_t title[32] = {};
            GetWindowTextW(hwnd, title, 32);
            if (process != GetCurrentProcessId() || std::wcscmp(title, kNoticeTitleW) != 0 || !IsWindowVisible(hwnd)) {
                return TRUE;
            }
            wchar_t text[256] = {};
            GetDlgItemTextW(hwnd, 0xFFFF, text, 256);  // a message box's text
            reinterpret_cast<std::vector<SeenNotice>*>(param)->push_back(
                {hwnd, Narrow(text), GetWindow(hwnd, GW_OWNER), GetDlgItem(hwnd, IDOK) != nullptr,
                 GetDlgItem(hwnd, IDCANCEL) != nullptr});
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&seen));
    return seen;
}

// What the timers saw and did; timer procedures have no other way in.
struct Script {
    MessageNoticeBox* box = nullptr;
    std::vector<std::string> log;
    std::vector<SeenNotice> seenFirst;
    std::vector<SeenNotice> seenNested;
};
Script* script = nullptr;

void CloseVisibleNotice() {
    for (const SeenNotice& notice : VisibleNotices()) PostMessageW(notice.hwnd, WM_COMMAND, IDOK, 0);
}

class NoticeBoxTest : public ::testing::Test {
protected:
    NoticeBoxTest() {
        owner = CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"owner", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
        script = &run;
    }
    ~NoticeBoxTest() override {
        script = nullptr;
        DestroyWindow(owner);
    }
    HWND owner = nullptr;
    Script run;
};

TEST_F(NoticeBoxTest, ShowsTheTextUnderTheNoticeTitleOwnedByTheWindow) {
    MessageNoticeBox box(owner);
    SetTimer(nullptr, 0, 300, [](HWND, UINT, UINT_PTR id, DWORD) {
        KillTimer(nullptr, id);
        script->seenFirst = VisibleNotices();
        CloseVisibleNotice();
    });
    box.ShowNotice("本日(1/1)のスケジュール ：\r\n元旦");
    ASSERT_EQ(run.seenFirst.size(), 1u) << "the box was open while the timer ran";
    EXPECT_EQ(run.seenFirst[0].text, "本日(1/1)のスケジュール ：\r\n元旦");
    EXPECT_EQ(run.seenFirst[0].owner, owner);
    EXPECT_TRUE(run.seenFirst[0].hasOk);
    EXPECT_FALSE(run.seenFirst[0].hasCancel) << "a single OK button";
    EXPECT_TRUE(VisibleNotices().empty());
}

TEST_F(NoticeBoxTest, ANewNoticeClosesTheOneStillOpen) {
    MessageNoticeBox box(owner);
    run.box = &box;
    // Inside the first notice's loop: a nested notice, like a tick's.
    SetTimer(nullptr, 0, 300, [](HWND, UINT, UINT_PTR id, DWORD) {
        KillTimer(nullptr, id);
        script->seenFirst = VisibleNotices();
        SetTimer(nullptr, 0, 300, [](HWND, UINT, UINT_PTR id2, DWORD) {
            KillTimer(nullptr, id2);
            script->seenNested = VisibleNotices();
            CloseVisibleNotice();
        });
        script->box->ShowNotice("二つ目");
        script->log.push_back("second returned");
    });
    box.ShowNotice("一つ目");
    run.log.push_back("first returned");

    ASSERT_EQ(run.seenFirst.size(), 1u);
    EXPECT_EQ(run.seenFirst[0].text, "一つ目");
    ASSERT_EQ(run.seenNested.size(), 1u) << "the earlier notice was closed, not left under the new one";
    EXPECT_EQ(run.seenNested[0].text, "二つ目");
    EXPECT_EQ(run.log, (std::vector<std::string>{"second returned", "first returned"}));
    EXPECT_TRUE(VisibleNotices().empty());
}

}  // namespace
}  // namespace zenka
