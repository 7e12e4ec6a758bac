#include "daylists/day_list_storage.h"

#include <algorithm>

#include "calendar/default_holidays.h"
#include "calendar/number_text.h"
#include "common/whole_file.h"
#include "daylists/profile_file.h"

namespace zenka {

const DayListPlace kHolidayListPlace{"ListC", "KMax"};
const DayListPlace kSpecialDayListPlace{"ListB", "Max"};
const DayListPlace kYoteiDayListPlace{"ListA", "Max2"};

namespace {

// The holiday count that means "no list stored": the default lines apply.
constexpr int32_t kNoHolidayList = -10;

// A count beyond any list a person keeps; a larger stored count (a damaged
// value) is taken as this many, rather than filling memory with empty lines.
constexpr int32_t kMaxListCount = 99999;

// While a list is saved, its new lines are first written complete into this
// sibling section. The count value is written last and removed first, so a
// section holding its count is always complete; loading takes the list's own
// section when it holds its count, else this one when it does, else reads
// the list's own section as it stands.
std::string PendingSection(const DayListPlace& place) { return std::string(place.section) + ".new"; }

// The special-day and scheduled-day lists: a list stands when its first line
// is not empty, or (so that a list beginning with an empty line survives)
// when its count can be read. Nothing when it does not stand.
std::optional<std::vector<std::string>> ReadPlainList(std::optional<int32_t> count, const ReadItem& readItem) {
    if (!count) {
        const std::optional<std::string> first = readItem(0);
        if (!first || first->empty()) return std::nullopt;
    }
    return ReadStoredLines(count.value_or(0), readItem);
}

std::vector<std::string> ReadHolidayList(std::optional<int32_t> count, const ReadItem& readItem) {
    const int32_t n = count.value_or(kNoHolidayList);
    if (n == kNoHolidayList) return DefaultHolidayLines();
    return ReadStoredLines(n, readItem);
}

bool HasCount(KeyStore& keys, std::string_view section, const DayListPlace& place) {
    return keys.ReadText(section, place.countName).has_value();
}

std::string SectionToRead(KeyStore& keys, const DayListPlace& place) {
    if (HasCount(keys, place.section, place)) return std::string(place.section);
    const std::string pending = PendingSection(place);
    if (HasCount(keys, pending, place)) return pending;
    return std::string(place.section);
}

std::vector<std::string> LoadList(KeyStore& keys, const DayListPlace& place, bool holiday) {
    const std::string section = SectionToRead(keys, place);
    std::optional<int32_t> count;
    if (const auto text = keys.ReadText(section, place.countName)) count = ParseDecimal(*text);
    auto readItem = [&](size_t i) { return keys.ReadText(section, ItemName(i)); };
    if (holiday) return ReadHolidayList(count, readItem);
    return ReadPlainList(count, readItem).value_or(std::vector<std::string>{});
}

// Count last, and the old count removed first: see PendingSection.
bool WriteListInto(KeyStore& keys, std::string_view section, const DayListPlace& place,
                   const std::vector<std::string>& lines) {
    if (!keys.EraseValue(section, place.countName) || !keys.EraseSection(section)) return false;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (!keys.WriteText(section, ItemName(i), lines[i])) return false;
    }
    return keys.WriteText(section, place.countName, std::to_string(static_cast<int64_t>(lines.size()) - 1));
}

bool SaveList(KeyStore& keys, const DayListPlace& place, const std::vector<std::string>& lines, bool holiday) {
    const std::string pending = PendingSection(place);
    // A save that stopped while rewriting the list's own section left the
    // list complete only in the pending one; finish that first, or the
    // pending section could not be reused without losing the list.
    if (!HasCount(keys, place.section, place) && HasCount(keys, pending, place)) {
        if (!WriteListInto(keys, place.section, place, LoadList(keys, place, holiday))) return false;
    }
    return WriteListInto(keys, pending, place, lines) && WriteListInto(keys, place.section, place, lines) &&
           keys.EraseValue(pending, place.countName) && keys.EraseSection(pending);
}

void BackupList(ProfileFile& file, const DayListPlace& place, const std::vector<std::string>& lines) {
    // Every copy, so that the list stands once, in full, at the end.
    while (file.HasSection(place.section)) file.EraseSection(place.section);
    std::vector<std::pair<std::string, std::string>> entries;
    entries.reserve(lines.size() + 1);
    entries.emplace_back(place.countName, std::to_string(static_cast<int64_t>(lines.size()) - 1));
    for (size_t i = 0; i < lines.size(); ++i) entries.emplace_back(ItemName(i), lines[i]);
    file.AddSection(place.section, entries);
}

}  // namespace

DayLists DayListsOf(const DayRuleSet& rules) {
    return {rules.HolidayList.Lines(), rules.SpecialDayList.Lines(), rules.YoteiDayList.Lines()};
}

void AssignDayLists(const DayLists& lists, DayRuleSet& rules) {
    rules.HolidayList.Assign(lists.HolidayList);
    rules.SpecialDayList.Assign(lists.SpecialDayList);
    rules.YoteiDayList.Assign(lists.YoteiDayList);
}

std::string ItemName(size_t index) { return "Item[" + std::to_string(index) + "]"; }

std::vector<std::string> ReadStoredLines(int32_t count, const ReadItem& readItem) {
    std::vector<std::string> lines;
    count = std::min(count, kMaxListCount);
    for (int32_t i = 0; i <= count; ++i) lines.push_back(readItem(static_cast<size_t>(i)).value_or(std::string()));
    return lines;
}

std::optional<int32_t> ParseBackupCount(std::string_view text) {
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        const auto value = ReadNumber(text.substr(2), {.base = 16, .min = 0});
        if (!value) return std::nullopt;
        return static_cast<int32_t>(*value);
    }
    return ParseDecimal(text);
}

DayLists LoadDayLists(KeyStore& keys) {
    DayLists lists;
    lists.SpecialDayList = LoadList(keys, kSpecialDayListPlace, false);
    lists.YoteiDayList = LoadList(keys, kYoteiDayListPlace, false);
    lists.HolidayList = LoadList(keys, kHolidayListPlace, true);
    return lists;
}

bool SaveDayLists(KeyStore& keys, const DayLists& lists) {
    bool saved = SaveList(keys, kSpecialDayListPlace, lists.SpecialDayList, false);
    saved = SaveList(keys, kYoteiDayListPlace, lists.YoteiDayList, false) && saved;
    saved = SaveList(keys, kHolidayListPlace, lists.HolidayList, true) && saved;
    return saved;
}

bool SaveHolidayList(KeyStore& keys, const std::vector<std::string>& lines) {
    return SaveList(keys, kHolidayListPlace, lines, true);
}

std::string BackupPathFor(std::string_view executablePath) {
    const size_t nameStart = executablePath.find_last_of("\\/") + 1;  // npos + 1 == 0
    const size_t dot = executablePath.rfind('.');
    const bool hasExtension = dot != std::string_view::npos && dot >= nameStart;
    return std::string(executablePath.substr(0, hasExtension ? dot : executablePath.size())) + ".bak";
}

BackupResult BackupDayLists(const DayLists& lists, const std::string& backupPath) {
    // Sections other than the lists' are kept, so a file that is there but
    // could not be read is not to be replaced by one holding only the lists.
    const FileReading old = ReadWholeFileOrWhyNot(backupPath);
    if (old.status == FileReading::Unreadable) {
        return {BackupResult::NotRead, backupPath + " を読み込めないため、バックアップを書き込みませんでした"};
    }
    ProfileFile file = ProfileFile::Parse(old.bytes);
    BackupList(file, kSpecialDayListPlace, lists.SpecialDayList);
    BackupList(file, kYoteiDayListPlace, lists.YoteiDayList);
    BackupList(file, kHolidayListPlace, lists.HolidayList);
    if (ReplaceWholeFile(backupPath, file.Serialize())) return {};
    return {BackupResult::NotWritten, backupPath + " に書き込めません"};
}

bool RestoreDayListsFromBackup(const std::string& backupPath, DayLists& lists, const ShowMessage& show) {
    const std::optional<std::string> bytes = ReadWholeFile(backupPath);
    if (!bytes) {
        show("ファイル " + backupPath + " は開けません");
        return false;
    }
    const ProfileFile file = ProfileFile::Parse(*bytes);
    if (!file.HasSection(kSpecialDayListPlace.section) && !file.HasSection(kYoteiDayListPlace.section) &&
        !file.HasSection(kHolidayListPlace.section)) {
        show("ファイル " + backupPath + " には予定日・特別日・休日のリストがありません");
        return false;
    }
    auto countOf = [&file](const DayListPlace& place) -> std::optional<int32_t> {
        const std::optional<std::string> text = file.Get(place.section, place.countName);
        return text ? ParseBackupCount(*text) : std::nullopt;
    };
    auto itemsOf = [&file](DayListPlace place) {
        return [&file, place](size_t i) { return file.Get(place.section, ItemName(i)); };
    };
    if (auto lines = ReadPlainList(countOf(kSpecialDayListPlace), itemsOf(kSpecialDayListPlace))) {
        lists.SpecialDayList = std::move(*lines);
    }
    if (auto lines = ReadPlainList(countOf(kYoteiDayListPlace), itemsOf(kYoteiDayListPlace))) {
        lists.YoteiDayList = std::move(*lines);
    }
    lists.HolidayList = ReadHolidayList(countOf(kHolidayListPlace), itemsOf(kHolidayListPlace));
    return true;
}

}  // namespace zenka
