// The very first start on Windows 11 tells how to keep the icons on the
// taskbar, once.
#include <gtest/gtest.h>

#include <string>

#include "app/taskbar_notice.h"
#include "tests/win/app/main_window_fixture.h"

namespace zenka::testing {
namespace {

using TaskbarNotice = MainWindow;

TEST_F(TaskbarNotice, TheVeryFirstStartOnWindows11ShowsItOnceTheIconsArePlaced) {
    const std::string notice = std::string("Zenka 2006: ") + kTaskbarNoticeText;
    const struct {
        DWORD build;
        bool savedBefore;
        bool shown;
    } cases[] = {
        {22000, false, true},
        {26100, false, true},
        {19045, false, false},  // Windows 10 shows new icons itself
        {22631, true, false},   // an earlier run saved its settings
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("build " + std::to_string(c.build) + (c.savedBefore ? ", saved before" : ""));
        ClearSettings();
        if (c.savedBefore) SetSetting("Form", "Name3", "Zenka 2006");
        osBuildNumber = c.build;
        messages.clear();
        Start();
        EXPECT_TRUE(messages.empty()) << "nothing opens during the start-up";
        PumpMessages(300);
        if (!c.shown) {
            EXPECT_TRUE(messages.empty());
            EXPECT_FALSE(Setting("Form", "TaskbarNotice").has_value());
            continue;
        }
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0], notice);
        EXPECT_TRUE(window->Tray()->icons.TaskTray2.Visible()) << "the day icon is in place";
        EXPECT_EQ(Setting("Form", "TaskbarNotice"), "1") << "noted at once";

        // A run that ended without saving (killed, say) does not bring it back.
        window.reset();
        messages.clear();
        Start();
        PumpMessages(300);
        EXPECT_TRUE(messages.empty()) << "never again";
    }
}

}  // namespace
}  // namespace zenka::testing
