#include "app/settings_bulk.h"

#include <algorithm>
#include <type_traits>

#include "app/settings_table.h"

namespace zenka {
namespace {

bool Read(SettingsStore& store, const std::string& section, const std::string& name, bool defaultValue) {
    return store.ReadBool(section, name, defaultValue);
}
int32_t Read(SettingsStore& store, const std::string& section, const std::string& name, int32_t defaultValue) {
    return store.ReadInteger(section, name, defaultValue);
}
std::string Read(SettingsStore& store, const std::string& section, const std::string& name,
                 const std::string& defaultValue) {
    return store.ReadString(section, name, defaultValue);
}
Color Read(SettingsStore& store, const std::string& section, const std::string& name, Color defaultValue) {
    return store.ReadColor(section, name, defaultValue);
}
Shortcut Read(SettingsStore& store, const std::string& section, const std::string& name,
              const Shortcut& defaultValue) {
    return store.ReadShortcut(section, name, defaultValue);
}

void Write(SettingsStore& store, const std::string& section, const std::string& name, bool value) {
    store.WriteBool(section, name, value);
}
void Write(SettingsStore& store, const std::string& section, const std::string& name, int32_t value) {
    store.WriteInteger(section, name, value);
}
void Write(SettingsStore& store, const std::string& section, const std::string& name, const std::string& value) {
    store.WriteString(section, name, value);
}
void Write(SettingsStore& store, const std::string& section, const std::string& name, Color value) {
    store.WriteColor(section, name, value);
}
void Write(SettingsStore& store, const std::string& section, const std::string& name, const Shortcut& value) {
    store.WriteShortcut(section, name, value);
}
void Write(SettingsStore& store, const std::string& section, const std::string& name, FixedText value) {
    store.WriteString(section, name, value.text);
}

// The rows chosen, in table order; every read takes the record's initial
// value as its default.
template <typename Chosen>
void ReadRows(SettingsStore& store, std::string_view resolutionTag, AppSettings& settings, Chosen chosen) {
    AppSettings defaults;
    for (const SettingRow& row : SettingsTable()) {
        if (!chosen(row)) continue;
        const std::string section = SectionOf(row, resolutionTag);
        std::visit(
            [&](auto value) {
                if constexpr (!std::is_same_v<decltype(value), FixedText>) {
                    auto read = Read(store, section, row.name, value(defaults, row.alarmSlot));
                    if constexpr (std::is_same_v<decltype(read), int32_t>) {
                        read = std::clamp(read, row.range.min, row.range.max);
                    }
                    value(settings, row.alarmSlot) = std::move(read);
                }
            },
            row.value);
    }
}

template <typename Chosen>
void WriteRows(SettingsStore& store, std::string_view resolutionTag, AppSettings settings, Chosen chosen) {
    for (const SettingRow& row : SettingsTable()) {
        if (!chosen(row)) continue;
        const std::string section = SectionOf(row, resolutionTag);
        std::visit(
            [&](auto value) {
                if constexpr (std::is_same_v<decltype(value), FixedText>) {
                    Write(store, section, row.name, value);
                } else {
                    Write(store, section, row.name, value(settings, row.alarmSlot));
                }
            },
            row.value);
    }
}

void ReadRowsAt(SettingsStore& store, std::string_view resolutionTag, AppSettings& settings, ReadAt moment) {
    ReadRows(store, resolutionTag, settings, [moment](const SettingRow& row) { return row.readAt == moment; });
}

bool IsWindowPosition(const SettingRow& row) { return row.section == kPosSection; }

// The month schedule view's bounds belong to the view, not to the record.
constexpr std::string_view kMemoSection = "Memo";

}  // namespace

std::string ResolutionTag(int32_t width, int32_t height) {
    return std::to_string(width) + "\u00D7" + std::to_string(height);
}

void LoadAllSettings(SettingsStore& store, std::string_view resolutionTag, AppSettings& settings, DayLists& lists,
                     const ShowMessage& show) {
    ReadRowsAt(store, resolutionTag, settings, ReadAt::kStart);
    ReadRowsAt(store, resolutionTag, settings, ReadAt::kStartLast);
    // Settings that name a server of their own (those from before the list
    // of servers among them) ask the servers stored and no default others.
    if (store.Keys().ReadText("Sync", "Server")) {
        for (size_t i = 0; i < settings.sync.moreServers.size(); ++i) {
            if (!store.Keys().ReadText("Sync", "Server" + std::to_string(i + 2))) settings.sync.moreServers[i].clear();
        }
    }
    settings.posKept = LoadWindowPosition(store, resolutionTag).has_value();
    lists = LoadDayLists(store.Keys(), show);
}

void LoadStartupDisplay(SettingsStore& store, AppSettings& settings) {
    ReadRowsAt(store, {}, settings, ReadAt::kStartupDisplay);
}

void LoadStartupWait(SettingsStore& store, AppSettings& settings) {
    ReadRowsAt(store, {}, settings, ReadAt::kStartupWait);
}

void LoadTrayChecks(SettingsStore& store, AppSettings& settings) {
    ReadRowsAt(store, {}, settings, ReadAt::kTrayIconsPlaced);
    settings.icon.loaded = true;
}

void SaveAllSettings(SettingsStore& store, std::string_view resolutionTag, const AppSettings& settings,
                     const DayLists& lists) {
    AppSettings saved = settings;
    // Written back as stored, so that an exit during the start-up wait, the
    // first run's too, leaves every value.
    if (!saved.icon.loaded) LoadTrayChecks(store, saved);
    WriteRows(store, resolutionTag, saved, [&saved](const SettingRow& row) {
        return row.writeAt == WriteAt::kExit && (saved.posKept || !IsWindowPosition(row));
    });
    SaveDayLists(store.Keys(), lists);
}

std::optional<WindowPosition> LoadWindowPosition(SettingsStore& store, std::string_view resolutionTag) {
    for (const SettingRow& row : SettingsTable()) {
        if (IsWindowPosition(row) && !store.Keys().ReadText(SectionOf(row, resolutionTag), row.name)) return {};
    }
    AppSettings settings;
    ReadRows(store, resolutionTag, settings, IsWindowPosition);
    return settings.pos;
}

void SaveWindowPosition(SettingsStore& store, std::string_view resolutionTag, const WindowPosition& position) {
    AppSettings settings;
    settings.pos = position;
    WriteRows(store, resolutionTag, settings, IsWindowPosition);
}

void SaveSyncDay(SettingsStore& store, std::string_view syncDay) {
    AppSettings settings;
    settings.sync.syncDay = syncDay;
    WriteRows(store, {}, settings, [](const SettingRow& row) { return row.writeAt == WriteAt::kSyncAttempt; });
}

MemoBounds LoadMemoBounds(SettingsStore& store, int32_t screenWidth, int32_t screenHeight) {
    MemoBounds bounds;
    bounds.width = store.ReadInteger(kMemoSection, "Width", bounds.width);
    bounds.height = store.ReadInteger(kMemoSection, "Height", bounds.height);
    bounds.left = store.ReadInteger(kMemoSection, "Left", screenWidth / 2 - bounds.width / 2);
    bounds.top = store.ReadInteger(kMemoSection, "Top", screenHeight / 2 - bounds.height / 2);
    return bounds;
}

void SaveMemoBounds(SettingsStore& store, const MemoBounds& bounds) {
    store.WriteInteger(kMemoSection, "Left", bounds.left);
    store.WriteInteger(kMemoSection, "Top", bounds.top);
    store.WriteInteger(kMemoSection, "Width", bounds.width);
    store.WriteInteger(kMemoSection, "Height", bounds.height);
}

}  // namespace zenka
