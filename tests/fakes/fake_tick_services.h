// The services the periodic tick reaches the user with, as recorders. All
// of them write into one event log, so that a test sees the order of
// sounds, notices, icon loads and tooltips.
#pragma once

#include <cstdio>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "common/notice_box.h"
#include "app/short_date.h"
#include "app/tick.h"
#include "app/tray_images.h"
#include "tests/fakes/fake_sound_player.h"

namespace zenka {

// Returns at once, after running whileOpen: what happens while the modal
// box would be open (a nested tick, say).
class FakeNoticeBox : public NoticeBox {
public:
    explicit FakeNoticeBox(EventLog& log) : log_(log) {}
    void ShowNotice(const std::string& text) override {
        log_.push_back("notice:" + text);
        if (whileOpen) whileOpen();
    }
    std::function<void()> whileOpen;

private:
    EventLog& log_;
};

class FakeErrorBox : public ErrorBox {
public:
    explicit FakeErrorBox(EventLog& log) : log_(log) {}
    void ShowError(const std::string& text) override {
        log_.push_back("error:" + text);
        if (whileOpen) whileOpen();
    }
    std::function<void()> whileOpen;

private:
    EventLog& log_;
};

// Loads every path except those marked missing and bare file names (no
// folder), which would be looked up in the current directory.
class FakeTrayImages : public TrayImages {
public:
    explicit FakeTrayImages(EventLog& log) : log_(log) {}
    bool LoadTrayIcon(TrayIconKind icon, const std::string& path) override {
        const bool loads = path.find('\\') != std::string::npos && !missing.count(path);
        log_.push_back(std::string(loads ? "load " : "no icon ") + Name(icon) + ":" + path);
        if (loads) images[static_cast<int>(icon)] = path;
        return loads;
    }
    void SetTrayTip(TrayIconKind icon, const std::string& text) override {
        log_.push_back(std::string("tip ") + Name(icon) + ":" + text);
        tips[static_cast<int>(icon)] = text;
    }
    static const char* Name(TrayIconKind icon) {
        switch (icon) {
            case TrayIconKind::Month: return "month";
            case TrayIconKind::Day: return "day";
            case TrayIconKind::Weekday: return "weekday";
        }
        return "?";
    }
    std::set<std::string> missing;
    std::string images[3];  // month, day, weekday
    std::string tips[3];

private:
    EventLog& log_;
};

class FakeTimeSync : public TimeSyncStarter {
public:
    explicit FakeTimeSync(EventLog& log) : log_(log) {}
    void StartTimeSync() override {
        log_.push_back("sync");
        if (whileRunning) whileRunning();
    }
    std::function<void()> whileRunning;

private:
    EventLog& log_;
};

// "2026/01/05", the short date format of a Japanese system.
class FakeShortDate : public ShortDateFormat {
public:
    std::string FormatShortDate(const DateTime& date) const override {
        char text[16];
        std::snprintf(text, sizeof(text), "%04d/%02u/%02u", static_cast<int>(date.year), date.month, date.day);
        return text;
    }
};

}  // namespace zenka
