// The first start's notice about the hidden tray icons of Windows 11.
#include "app/taskbar_notice.h"

#include <gtest/gtest.h>

#include "tests/fakes/memory_key_store.h"

namespace zenka {
namespace {

TEST(TaskbarNotice, IsDueOnTheVeryFirstStartOnWindows11Only) {
    const struct {
        uint32_t build;
        const char* stored;  // a value already in the store, or null
        bool due;
    } cases[] = {
        {22000, nullptr, true},         // Windows 11, nothing stored yet
        {26100, nullptr, true},         // a later Windows 11
        {19045, nullptr, false},        // Windows 10 shows new icons
        {0, nullptr, false},            // a system that does not tell
        {22621, "Name3", false},        // settings saved by an earlier run
        {22621, "TaskbarNotice", false} // shown before, by a run that never saved
    };
    for (const auto& c : cases) {
        MemoryKeyStore keys;
        if (c.stored) keys.WriteText("Form", c.stored, "x");
        EXPECT_EQ(TaskbarNoticeDue(keys, c.build), c.due) << c.build << " " << (c.stored ? c.stored : "-");
    }

    MemoryKeyStore keys;
    ASSERT_TRUE(TaskbarNoticeDue(keys, 22000));
    RememberTaskbarNoticeShown(keys);
    EXPECT_FALSE(TaskbarNoticeDue(keys, 22000)) << "never again";
    EXPECT_EQ(keys.ReadText("Form", "TaskbarNotice"), "1");
}

}  // namespace
}  // namespace zenka
