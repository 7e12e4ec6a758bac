// Loading every setting at start-up and saving every setting at exit, plus
// the few values their owners read or write on their own at other times.
// Each takes a store opened for that one operation.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "common/app_settings.h"
#include "common/settings_store.h"
#include "daylists/day_list_storage.h"

namespace zenka {

// "1024×768": the display resolution the window position is kept for.
std::string ResolutionTag(int32_t width, int32_t height);

// Every setting the start-up reads before it decides what to show, in the
// order the start-up applies them, with the window position for the given
// resolution tag, and then the three day lists. The start-up display, the
// start-up wait and the tray check marks are read later, by the functions
// below, when the start-up reaches them. A damaged list count is told
// through show.
void LoadAllSettings(SettingsStore& store, std::string_view resolutionTag, AppSettings& settings, DayLists& lists,
                     const ShowMessage& show = nullptr);

// Kidou/Tray, Kidou/Cal, Kidou/W.
void LoadStartupDisplay(SettingsStore& store, AppSettings& settings);
// Form/Wait, within 0..60.
void LoadStartupWait(SettingsStore& store, AppSettings& settings);
// Icon/Tsuki and Icon/Youbi, when the tray icons are placed.
void LoadTrayChecks(SettingsStore& store, AppSettings& settings);

// Every setting but the synchronisation day stamp, then the three day lists.
// Tray check marks not loaded yet are saved as they stand in the store; the
// window position only when the window has one of its own (posKept).
void SaveAllSettings(SettingsStore& store, std::string_view resolutionTag, const AppSettings& settings,
                     const DayLists& lists);

// The calendar window's position at one resolution; none unless both its
// values are kept.
std::optional<WindowPosition> LoadWindowPosition(SettingsStore& store, std::string_view resolutionTag);
void SaveWindowPosition(SettingsStore& store, std::string_view resolutionTag, const WindowPosition& position);

// The date of the last synchronisation attempt, written after each attempt.
void SaveSyncDay(SettingsStore& store, std::string_view syncDay);

// The month schedule view's bounds; unless stored, 180 by 261 pixels in the
// middle of the screen.
struct MemoBounds {
    int32_t left = 0;
    int32_t top = 0;
    int32_t width = 180;
    int32_t height = 261;
    bool operator==(const MemoBounds&) const = default;
};
MemoBounds LoadMemoBounds(SettingsStore& store, int32_t screenWidth, int32_t screenHeight);
void SaveMemoBounds(SettingsStore& store, const MemoBounds& bounds);

}  // namespace zenka
