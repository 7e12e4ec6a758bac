// Showing and hiding the calendar window: the hot key, the close button,
// the auto-close timer and the steps that go with each show and hide.
#include "app/calendar_showing.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zenka {
namespace {

class FakeWindow : public CalendarWindowHost {
public:
    bool IsVisible() const override { return visible; }
    void MakeVisible() override { visible = true, Note("show"); }
    void MakeInvisible() override { visible = false, Note("hide"); }
    void Reposition() override { Note("reposition"); }
    void BringToFront() override { Note("front"); }
    void OpenMonthSchedule() override { Note("schedule"); }
    void RefreshCaptionAndHint() override { Note("caption"); }
    void GoToday() override { Note("today"); }
    void CloseMainWindow() override { Note("close"); }

    std::vector<std::string> Take() { return std::exchange(calls, {}); }

    bool visible = false;
    std::vector<std::string> calls;

private:
    void Note(const char* what) { calls.push_back(what); }
};

// A one-shot timer on a clock the test moves by whole seconds.
class FakeTimer : public OneShotTimer {
public:
    bool Running() const override { return running_; }
    void Start(uint32_t ms) override {
        if (running_) return;
        running_ = true;
        due_ = now_ + ms;
    }
    void Stop() override { running_ = false; }

    // Moves the clock on to the given second, firing the timer on the way.
    template <class Fire>
    void RunUntil(int seconds, Fire fire) {
        for (uint32_t to = static_cast<uint32_t>(seconds) * 1000; now_ < to;) {
            now_ += 1000;
            if (running_ && now_ >= due_) fire(now_ / 1000);
        }
    }

private:
    bool running_ = false;
    uint32_t due_ = 0;
    uint32_t now_ = 0;
};

class TrayFake : public TrayPresence {
public:
    bool DayIconVisible() const override { return day; }
    bool AnyIconVisible() const override { return any; }
    void PlaceTrayIcons() override { day = any = true; }
    bool day = false;
    bool any = false;
};

class CalendarShowingTest : public ::testing::Test {
protected:
    FakeWindow window;
    FakeTimer timer;
    TrayFake tray;
    AppSettings settings;
    CalendarShowing showing{window, timer, tray, settings};
};

TEST_F(CalendarShowingTest, ShowRunsItsStepsInOrderAndHideGoesBackToToday) {
    showing.ShowCalendar();
    EXPECT_EQ(window.Take(), (std::vector<std::string>{"show", "reposition", "front", "caption"}));
    EXPECT_TRUE(showing.Shown());
    // Already visible: only brought forward.
    showing.ShowCalendar();
    EXPECT_EQ(window.Take(), (std::vector<std::string>{"front"}));

    showing.HideCalendar();
    EXPECT_EQ(window.Take(), (std::vector<std::string>{"hide", "today"}));
    EXPECT_FALSE(showing.Shown());
    showing.HideCalendar();
    EXPECT_TRUE(window.Take().empty()) << "hiding a hidden window does nothing";

    settings.form.w = true;
    showing.ShowCalendar();
    EXPECT_EQ(window.Take(), (std::vector<std::string>{"show", "reposition", "front", "schedule", "caption"}))
        << "with the together display the month schedule view opens last, so it has the focus";
}

TEST_F(CalendarShowingTest, HotKeyTogglesOnlyWhileATrayIconIsThere) {
    showing.HotKeyPressed();
    EXPECT_FALSE(window.visible) << "no tray icon (calendar only, or during the start-up wait)";
    EXPECT_TRUE(window.Take().empty());

    tray.any = true;
    showing.HotKeyPressed();
    EXPECT_TRUE(window.visible);
    showing.HotKeyPressed();
    EXPECT_FALSE(window.visible);
    EXPECT_EQ(window.Take().back(), "today") << "hiding sets the selected day back to today";

    // In calendar-only mode the window is visible but the key still does
    // nothing.
    tray.any = false;
    showing.ShowCalendar();
    window.Take();
    showing.HotKeyPressed();
    EXPECT_TRUE(window.visible);
    EXPECT_TRUE(window.Take().empty());
}

TEST_F(CalendarShowingTest, CloseEndsTheApplicationOnlyWithoutTheDayIcon) {
    showing.ShowCalendar();
    window.Take();
    showing.CloseCalendar();
    EXPECT_EQ(window.Take(), (std::vector<std::string>{"hide", "today", "close"}));

    tray.PlaceTrayIcons();
    showing.ShowCalendar();
    window.Take();
    showing.CloseCalendar();
    EXPECT_EQ(window.Take(), (std::vector<std::string>{"hide", "today"})) << "with the day icon it only hides";
}

TEST_F(CalendarShowingTest, AutoCloseCountsFromTheShowThatStartedIt) {
    settings.autoClose = {true, 10000};
    std::vector<std::string> events;
    const auto fire = [&](uint32_t second) {
        events.push_back("fired at " + std::to_string(second));
        showing.tmrCloseTimer();
    };
    showing.ShowCalendar();  // second 0: the timer starts
    timer.RunUntil(4, fire);
    showing.HideCalendar();  // the timer goes on
    EXPECT_TRUE(timer.Running());
    timer.RunUntil(8, fire);
    showing.ShowCalendar();  // already running: not restarted
    timer.RunUntil(9, fire);
    EXPECT_TRUE(window.visible);
    timer.RunUntil(30, fire);
    EXPECT_EQ(events, (std::vector<std::string>{"fired at 10"}));
    EXPECT_FALSE(window.visible) << "hidden two seconds after the second show";
    EXPECT_FALSE(timer.Running());

    // The next show starts a new count.
    showing.ShowCalendar();
    timer.RunUntil(39, fire);
    EXPECT_TRUE(window.visible);
    timer.RunUntil(40, fire);
    EXPECT_FALSE(window.visible);
}

TEST_F(CalendarShowingTest, AutoCloseStaysOffInCalendarOnlyModeAndWhenSwitchedOff) {
    settings.autoClose = {true, 10000};
    settings.kidou.cal = true;
    showing.ShowCalendar();
    EXPECT_FALSE(timer.Running()) << "calendar only: nothing could bring the window back";

    showing.HideCalendar();
    settings.kidou.cal = false;
    settings.autoClose.onOff = false;
    showing.ShowCalendar();
    EXPECT_FALSE(timer.Running());

    showing.HideCalendar();
    settings.autoClose = {true, 0};
    showing.ShowCalendar();
    EXPECT_FALSE(timer.Running()) << "an interval of 0 never fires";
}

}  // namespace
}  // namespace zenka
