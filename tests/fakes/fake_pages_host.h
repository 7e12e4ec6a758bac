// The main window as the settings dialog sees it: a settings record, a
// calendar's lists, fonts, date and equinox switch, and a log of every
// call that changes something, in order.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "daylists/old_layout_import.h"
#include "settings/pages_host.h"
#include "settings/pages_load_apply.h"
#include "tests/fakes/fake_sound_player.h"
#include "tests/fakes/memory_key_store.h"

namespace zenka {

class FakeHelp : public HelpService {
public:
    void ShowHelpContext(uint32_t context) override { contexts.push_back(context); }
    std::vector<uint32_t> contexts;
};

class FakePagesHost : public PagesHost {
public:
    FakePagesHost() {
        fonts = {settings.color.weekday, settings.color.saturday, settings.color.sunday, clBlack,
                 settings.color.holiday, settings.color.specialday, clBlack, settings.color.yoteiday};
    }

    AppSettings& Settings() override { return settings; }
    DayLists CalendarDayLists() const override { return lists; }
    void SetCalendarDayLists(const DayLists& l) override {
        log.push_back("lists");
        lists = l;
    }
    Color DayFontColor(DayFontIndex font) const override { return fonts.at(font); }
    void SetDayFontColor(DayFontIndex font, Color color) override {
        log.push_back("font " + std::to_string(font));
        fonts.at(font) = color;
    }
    CivilDate SelectedDate() const override { return selected; }
    bool AutoEquinox() const override { return autoEquinox; }
    void SetAutoEquinox(bool on) override {
        log.push_back(on ? "equinox on" : "equinox off");
        autoEquinox = on;
    }
    void RedrawDateIconsQuietly() override { log.push_back("redraw icons quietly"); }
    void SetOpacity(uint8_t alpha) override { log.push_back("opacity " + std::to_string(alpha)); }
    void SetAutoCloseInterval(int32_t ms) override { log.push_back("auto-close " + std::to_string(ms)); }
    // Logs the synchronisation values as the timer rule sees them.
    void ApplySyncSchedule() override {
        log.push_back("sync schedule teiki=" + std::to_string(settings.sync.teiki) +
                      " oneday=" + std::to_string(settings.sync.oneday) + " oki=" + std::to_string(settings.sync.oki));
    }
    void SettingsApplied() override { log.push_back("applied"); }
    void SaveDayLists() override { log.push_back("save lists"); }
    void BackupDayLists() override { log.push_back("backup lists"); }
    std::string BackupPath() const override { return backupPath; }
    std::optional<std::vector<std::string>> OldLayoutLines() override { return ReadOldLayoutLines(keys); }
    SoundPlayer& Sound() override { return sound; }
    HelpService& Help() override { return help; }
    std::optional<SyncReport> LastSyncReport() const override { return syncReport; }
    uint32_t OsMajorVersion() const override { return osMajorVersion; }
    // Keeps the request; the test answers through `measured`.
    void MeasureClockFor(const AppSettings::Sync& sync, std::function<void(const ClockMeasurement&)> done) override {
        measuringFor.push_back(sync);
        measured = std::move(done);
    }
    void CancelClockMeasurement() override { measured = nullptr; }

    AppSettings settings;
    DayLists lists{{"1,1,元旦", "2,11,建国記念の日"}, {"2,14,バレンタインデー"}, {"2006,0,4,1,入社式"}};
    std::array<Color, 8> fonts{};
    CivilDate selected{2006, 1, 9};
    std::string backupPath = "C:\\Zenka\\Zenka.bak";
    // The settings store, for what the dialog reads there itself.
    MemoryKeyStore keys;
    bool autoEquinox = true;
    uint32_t osMajorVersion = 6;
    std::optional<SyncReport> syncReport;
    std::vector<AppSettings::Sync> measuringFor;
    std::function<void(const ClockMeasurement&)> measured;
    EventLog log;
    FakeSoundPlayer sound{log};
    FakeHelp help;
};

// Every setting the dialog shows, away from its default, with the calendar's
// fonts in the same colours.
inline void SetNonDefaultSettings(FakePagesHost& host) {
    AppSettings& s = host.settings;
    s.sync = {true, true, 15, "06/01/01", true, "ok.wav", true, "proxy:8080", "me", "secret", -32, "http://x/", true};
    s.form.autoBackup = false;
    s.alarms[0] = {"1", "1", "7", "30", "wake.wav", "起きて"};
    s.alarms[4] = {"1", "0", "23", "59", "late.wav", "寝る"};
    s.jiho = {true, true, "0", "hour.wav", "half.wav"};
    s.form.wait = 30;
    s.form.deleteRecent = true;
    s.form.tmpDelete = true;
    s.kidou = {false, true, false};
    s.form.hotKey1 = {'K', false, true, true};
    s.keikoku = {true, true, "notice.wav"};
    s.autoClose = {true, 25000};
    s.form.rokuyo = false;
    s.form.layer = 200;
    s.color = {clBlue, clRed, clLime, clFuchsia, clBlack, clBlue};
    host.fonts[kFontWeekday] = clBlue;
    host.fonts[kFontSaturday] = clRed;
    host.fonts[kFontSunday] = clLime;
    host.fonts[kFontHoliday] = clFuchsia;
    host.fonts[kFontSpecialDay] = clBlack;
    host.fonts[kFontYoteiDay] = clBlue;
    host.autoEquinox = s.koyomiJulius = false;
    host.autoEquinox = false;
}

// Writes the messages and the disabling of the apply button into the log.
class FakeApplyFeedback : public ApplyFeedback {
public:
    explicit FakeApplyFeedback(EventLog& log) : log_(log) {}
    void ShowMessage(const std::string& text) override { log_.push_back("message " + text); }
    void DisableApply() override { log_.push_back("apply disabled"); }

private:
    EventLog& log_;
};

}  // namespace zenka
