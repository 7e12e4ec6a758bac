#include "daylists/day_list_tabs.h"

namespace zenka {

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

}  // namespace zenka
