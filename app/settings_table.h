// The settings table: for each member of the settings record, where the
// store keeps it, how its text converts, and when it is read and written.
// Loading, saving and the readers and writers of single values walk it; the
// record's own initial values are the defaults of every read. Its order is
// the order of the save at exit and, moment by moment, of the reads.
#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "common/app_settings.h"
#include "common/setting_field.h"

namespace zenka {

// When the start-up reads a setting.
enum class ReadAt {
    kStart,             // its first read, before anything shows
    kStartLast,         // the same read, after every kStart row
    kStartupDisplay,    // when it decides what to show
    kStartupWait,       // when it decides how long the tray icons wait
    kTrayIconsPlaced,   // when the tray icons are placed, which may be after that wait
    kNever,             // written only
};

// When a setting is written.
enum class WriteAt {
    kExit,         // by the save at exit
    kSyncAttempt,  // after each synchronisation attempt, by its own writer
};

// A value written as a fixed text and never read.
struct FixedText {
    std::string_view text;
};

// The member and, by its type, the conversion of the stored text: an
// integer in decimal, a Boolean as "1" or "0" (any other number reads as
// true), text as it is, a colour by name or as "$00BBGGRR", a shortcut as
// its text ("Shift+Ctrl+J"). Text that cannot be read gives the default.
using SettingValue = std::variant<SettingField<bool>, SettingField<int32_t>, SettingField<std::string>,
                                  SettingField<Color>, SettingField<Shortcut>, FixedText>;

// An integer read is brought into its range.
struct IntRange {
    int32_t min = std::numeric_limits<int32_t>::min();
    int32_t max = std::numeric_limits<int32_t>::max();
};

struct SettingRow {
    std::string_view section;
    std::string name;
    SettingValue value;
    ReadAt readAt = ReadAt::kStart;
    IntRange range = {};
    WriteAt writeAt = WriteAt::kExit;
    size_t alarmSlot = 0;  // the alarm table's rows: the slot, whose digit ends the name
};

// The calendar window's position is kept per display resolution: this
// section's name is followed by the resolution tag ("Pos1024×768").
inline constexpr std::string_view kPosSection = "Pos";

// The title, which every save writes: a store without it was never saved.
inline constexpr std::string_view kTitleSection = "Form";
inline constexpr std::string_view kTitleName = "Name3";

// Every row, the alarm table's slot by slot.
const std::vector<SettingRow>& SettingsTable();

// The row's section, for the window position at the resolution given.
std::string SectionOf(const SettingRow& row, std::string_view resolutionTag);

}  // namespace zenka
