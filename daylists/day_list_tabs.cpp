#include "daylists/day_list_tabs.h"

namespace zenka {

DayListTab& DayListTabs::Tab(DayListKind kind) {
    switch (kind) {
        case DayListKind::Yotei: return yotei;
        case DayListKind::Special: return special;
        case DayListKind::Holiday: return holiday;
    }
    return yotei;
}

const DayListTab& DayListTabs::Tab(DayListKind kind) const { return const_cast<DayListTabs*>(this)->Tab(kind); }

DayLists DayListTabs::Lists() const { return {holiday.list.lines, special.list.lines, yotei.list.lines}; }

void LoadDayListTabs(DayListTabs& tabs, const DayLists& lists, bool autoEquinox, const CivilDate& date) {
    tabs.yotei.list.Reset(lists.YoteiDayList);
    tabs.special.list.Reset(lists.SpecialDayList);
    tabs.holiday.list.Reset(lists.HolidayList);
    tabs.autoEquinox = autoEquinox;
    PresetEntryControls(tabs, date);
}

void PresetEntryControls(DayListTabs& tabs, const CivilDate& date) {
    for (DayListTab* tab : {&tabs.yotei, &tabs.special, &tabs.holiday}) PresetEntryControls(tab->entry, date);
}

AddOutcome AddEntry(DayListTab& tab, int visibleRows) {
    const std::string& content = tab.entry.content;
    if (content.empty()) return AddOutcome::NothingToAdd;
    if (content.find(',') != std::string::npos) return AddOutcome::CommaInContent;
    InsertNewLine(tab.list, ComposeDayRule(tab.entry, DefaultYearMode(tab.kind)), visibleRows);
    tab.entry.content.clear();
    return AddOutcome::Added;
}

bool EnablesApply(TabCommand command, bool listChanged) {
    switch (command) {
        case TabCommand::AddEntry:
        case TabCommand::DeleteSelected:
        case TabCommand::MoveUp:
        case TabCommand::MoveDown:
        case TabCommand::LoadFile:
            return listChanged;
        case TabCommand::DeleteAll:
        case TabCommand::Drop:
        case TabCommand::ResetHolidays:
        case TabCommand::ToggleAutoEquinox:
            return true;
        case TabCommand::EditLine:
        case TabCommand::SaveFile:
        case TabCommand::ImportOldLayout:
        case TabCommand::RestoreBackup:
            return false;
    }
    return false;
}

bool HasPendingEntries(const DayListTabs& tabs) {
    return !tabs.yotei.entry.content.empty() || !tabs.special.entry.content.empty() ||
           !tabs.holiday.entry.content.empty();
}

}  // namespace zenka
