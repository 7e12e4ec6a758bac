// What the settings dialog's controls hold, kept apart from the controls:
// the dialog loads this from the main window when it opens, moves it into
// its controls, reads it back from them and applies it. Defaults are the
// controls' own, the values a control shows before anything is loaded.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "common/app_settings.h"
#include "common/shortcut_text.h"
#include "daylists/day_list_storage.h"

namespace zenka {

// The start-up radio buttons, in their order.
enum KidouChoice : int32_t { kKidouNone = -1, kKidouTray = 0, kKidouCal = 1, kKidouBoth = 2 };

struct PagesState {
    // "予定日", "特別日", "休日": working copies of the lists, and the
    // automatic-equinox item of the holiday list's menu.
    DayLists lists;
    bool autoEquinox = true;

    // "アラーム･時報": the dialog's own alarm table, the slot whose button
    // is down, and the alarm controls showing that slot.
    std::array<AlarmSlot, 5> alarmTable;
    int32_t currentSlot = 1;  // 1..5
    bool alarmOn = false;
    bool alarmEveryDay = false;
    int32_t alarmHour = 0;
    int32_t alarmMinute = 0;
    std::string alarmSound;
    std::string alarmMessage;
    bool jihoOn = false;
    bool jihoHalf = false;
    std::string jihoFile;
    std::string jihoFile2;

    // "時刻合わせ"
    bool teiki = false;
    bool oneday = false;
    int32_t oki = 60;  // minutes
    bool syncSoundOn = false;
    std::string tSoundName;
    bool dialOnly = false;
    std::string proxy;
    std::string proxyUserId;
    std::string proxyPassword;
    int32_t adjustment = 0;  // tenths of a second

    // "カラー": the checked button of each group, an index into
    // kColorChoices, or kNoColorChoice.
    int32_t colorWeekday = 0;
    int32_t colorSaturday = 1;
    int32_t colorSunday = 2;
    int32_t colorHoliday = 2;
    int32_t colorSpecialday = 3;
    int32_t colorYoteiday = 4;

    // "起動オプション"
    bool deleteRecent = false;
    bool tmpDelete = false;
    bool syncStart = false;
    int32_t wait = 0;  // seconds
    Shortcut hotKey;
    int32_t kidou = kKidouTray;

    // "その他"
    bool keikokuOn = false;
    bool keikokuSoundOn = false;
    std::string keikokuFile;
    bool rokuyo = true;
    bool autoCloseOn = false;
    int32_t autoCloseSeconds = 10;
    bool autoBackup = true;
    int32_t transparency = 0;  // 255 - opacity

    bool operator==(const PagesState&) const = default;
};

}  // namespace zenka
