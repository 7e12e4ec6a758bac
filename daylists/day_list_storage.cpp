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

// Items stand one after another from Item[0]; reading for the items there
// goes on past a gap shorter than this, and a count at most this far beyond
// the last item there is taken as it stands (its missing items empty).
constexpr int64_t kItemGap = 100;

// While a list is saved, its new lines are first written complete into this
// sibling section. The count value is written last and removed first, so a
// section holding its count is always complete; loading takes the list's own
// section when it holds its count, else this one when it does, else reads
// the list's own section as it stands.
std::string PendingSection(const DayListPlace& place) { return std::string(place.section) + ".new"; }

struct ListName {
    const DayListPlace* place;
    const char* name;
};
constexpr ListName kListNames[] = {
    {&kSpecialDayListPlace, "特別日"},
    {&kYoteiDayListPlace, "予定日"},
    {&kHolidayListPlace, "休日"},
};

const char* NameOf(const DayListPlace& place) {
    for (const ListName& list : kListNames) {
        if (list.place == &place) return list.name;
    }
    return "";
}

// Collects the lists whose count was damaged, and tells them in one message.
class DamageReport {
public:
    void Note(const DayListPlace& place, const std::optional<StoredList>& list) {
        if (!list || !list->countDamaged) return;
        if (!names_.empty()) names_ += "・";
        names_ += NameOf(place);
    }
    void Tell(const ShowMessage& show, std::string_view where) const {
        if (names_.empty() || !show) return;
        show(std::string(where) + "の" + names_ +
             "リストの件数が壊れていたため、残っていた項目をすべて読み込みました。次の保存で件数は正しく書き直されます。");
    }

private:
    std::string names_;
};

// The special-day and scheduled-day lists: nothing when no list stands.
std::optional<std::vector<std::string>> PlainLines(std::optional<StoredList> list) {
    if (!list) return std::nullopt;
    return std::move(list->lines);
}

// The holiday list: the default lines when no list stands, or when the
// count says "no list" and there is no item to lose.
std::vector<std::string> HolidayLines(std::optional<int32_t> count, std::optional<StoredList> list) {
    if (!list || (count == kNoHolidayList && list->lines.empty())) return DefaultHolidayLines();
    return std::move(list->lines);
}

bool HasCount(KeyStore& keys, std::string_view section, const DayListPlace& place) {
    return keys.HasValue(section, place.countName);
}

std::string SectionToRead(KeyStore& keys, const DayListPlace& place) {
    if (HasCount(keys, place.section, place)) return std::string(place.section);
    const std::string pending = PendingSection(place);
    if (HasCount(keys, pending, place)) return pending;
    return std::string(place.section);
}

std::optional<std::string> ReadItemText(KeyStore& keys, std::string_view section, std::string_view name) {
    if (std::optional<std::string> text = keys.ReadText(section, name)) return text;
    if (keys.HasValue(section, name)) return std::string();
    return std::nullopt;
}

struct LoadedList {
    std::optional<int32_t> count;
    std::optional<StoredList> list;
};

LoadedList LoadList(KeyStore& keys, const DayListPlace& place) {
    const std::string section = SectionToRead(keys, place);
    LoadedList loaded;
    if (const auto text = keys.ReadText(section, place.countName)) loaded.count = ParseDecimal(*text);
    loaded.list = ReadStoredList(loaded.count, [&](size_t i) { return ReadItemText(keys, section, ItemName(i)); });
    return loaded;
}

std::vector<std::string> LinesOf(const DayListPlace& place, LoadedList loaded) {
    if (&place == &kHolidayListPlace) return HolidayLines(loaded.count, std::move(loaded.list));
    return PlainLines(std::move(loaded.list)).value_or(std::vector<std::string>{});
}

// Count last, and the old count removed first: see PendingSection.
// An empty line whose item in keptFrom has no text form (an empty line is
// what it loaded as) takes that item as it is.
bool WriteListInto(KeyStore& keys, std::string_view section, const DayListPlace& place,
                   const std::vector<std::string>& lines, std::string_view keptFrom) {
    if (!keys.EraseValue(section, place.countName) || !keys.EraseSection(section)) return false;
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string name = ItemName(i);
        const bool keep = lines[i].empty() && !keys.ReadText(keptFrom, name) && keys.HasValue(keptFrom, name);
        if (!(keep ? keys.CopyValue(keptFrom, section, name) : keys.WriteText(section, name, lines[i]))) return false;
    }
    return keys.WriteText(section, place.countName, std::to_string(static_cast<int64_t>(lines.size()) - 1));
}

bool SaveList(KeyStore& keys, const DayListPlace& place, const std::vector<std::string>& lines) {
    const std::string pending = PendingSection(place);
    // A save that stopped while rewriting the list's own section left the
    // list complete only in the pending one; finish that first, or the
    // pending section could not be reused without losing the list.
    if (!HasCount(keys, place.section, place) && HasCount(keys, pending, place)) {
        if (!WriteListInto(keys, place.section, place, LinesOf(place, LoadList(keys, place)), pending)) return false;
    }
    return WriteListInto(keys, pending, place, lines, place.section) &&
           WriteListInto(keys, place.section, place, lines, pending) && keys.EraseValue(pending, place.countName) &&
           keys.EraseSection(pending);
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

std::optional<StoredList> ReadStoredList(std::optional<int32_t> count, const ReadItem& readItem) {
    StoredList list;
    bool anyText = false;
    int64_t last = -1;  // the last item there
    auto take = [&](int64_t i) {
        std::optional<std::string> item = readItem(static_cast<size_t>(i));
        if (!item) return false;
        list.lines.resize(static_cast<size_t>(i));
        anyText = anyText || !item->empty();
        list.lines.push_back(std::move(*item));
        last = i;
        return true;
    };
    int64_t next = 0;
    if (count) {
        // A negative count fits only a list without items.
        const int64_t end = std::max<int64_t>(*count, -1);
        for (; next <= end && next - last <= kItemGap; ++next) take(next);
        if (next > end) {
            if (!take(next)) {  // no item after the count's
                list.lines.resize(static_cast<size_t>(end + 1));
                return list;
            }
            ++next;
        }
    }
    // The count is missing or does not fit: every item there.
    for (; next - last <= kItemGap; ++next) take(next);
    if (!anyText) return std::nullopt;
    list.countDamaged = true;
    return list;
}

std::optional<int32_t> ParseBackupCount(std::string_view text) {
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        const auto value = ReadNumber(text.substr(2), {.base = 16, .min = 0});
        if (!value) return std::nullopt;
        return static_cast<int32_t>(*value);
    }
    return ParseDecimal(text);
}

DayLists LoadDayLists(KeyStore& keys, const ShowMessage& show) {
    DayLists lists;
    DamageReport damage;
    auto load = [&](const DayListPlace& place) {
        LoadedList loaded = LoadList(keys, place);
        damage.Note(place, loaded.list);
        return LinesOf(place, std::move(loaded));
    };
    lists.SpecialDayList = load(kSpecialDayListPlace);
    lists.YoteiDayList = load(kYoteiDayListPlace);
    lists.HolidayList = load(kHolidayListPlace);
    damage.Tell(show, "レジストリ");
    return lists;
}

bool SaveDayLists(KeyStore& keys, const DayLists& lists) {
    bool saved = SaveList(keys, kSpecialDayListPlace, lists.SpecialDayList);
    saved = SaveList(keys, kYoteiDayListPlace, lists.YoteiDayList) && saved;
    saved = SaveList(keys, kHolidayListPlace, lists.HolidayList) && saved;
    return saved;
}

bool SaveHolidayList(KeyStore& keys, const std::vector<std::string>& lines) {
    return SaveList(keys, kHolidayListPlace, lines);
}

std::string BackupPathFor(std::string_view executablePath) {
    const size_t nameStart = executablePath.find_last_of("\\/") + 1;  // npos + 1 == 0
    const size_t dot = executablePath.rfind('.');
    const bool hasExtension = dot != std::string_view::npos && dot >= nameStart;
    return std::string(executablePath.substr(0, hasExtension ? dot : executablePath.size())) + ".bak";
}

namespace {

struct BackupAttempt {
    BackupResult result;
    bool folderNotWritable = false;
};

BackupAttempt BackupInto(const DayLists& lists, const std::string& backupPath) {
    // Sections other than the lists' are kept, so a file that is there but
    // could not be read is not to be replaced by one holding only the lists.
    const FileReading old = ReadWholeFileOrWhyNot(backupPath);
    if (old.status == FileReading::Unreadable) {
        return {{BackupResult::NotRead, backupPath + " を読み込めないため、バックアップを書き込みませんでした", backupPath}};
    }
    ProfileFile file = ProfileFile::Parse(old.bytes);
    BackupList(file, kSpecialDayListPlace, lists.SpecialDayList);
    BackupList(file, kYoteiDayListPlace, lists.YoteiDayList);
    BackupList(file, kHolidayListPlace, lists.HolidayList);
    const FileReplacement replacement = ReplaceWholeFile(backupPath, file.Serialize());
    if (replacement) return {{BackupResult::Written, {}, backupPath}};
    return {{BackupResult::NotWritten, backupPath + " に書き込めません: " + WhyNotReplaced(replacement, backupPath),
             backupPath},
            replacement.outcome == FileReplacement::NotWritten};
}

}  // namespace

BackupResult BackupDayLists(const DayLists& lists, const std::string& backupPath, const std::string& fallbackPath) {
    BackupAttempt first = BackupInto(lists, backupPath);
    if (!first.folderNotWritable || fallbackPath.empty()) return first.result;
    if (!MakeParentFolder(fallbackPath)) return first.result;
    BackupAttempt second = BackupInto(lists, fallbackPath);
    if (second.result.outcome == BackupResult::Written) return second.result;
    second.result.message = first.result.message + "\r\n" + second.result.message;
    return second.result;
}

bool RestoreDayListsFromBackup(const std::string& backupPath, DayLists& lists, const ShowMessage& show) {
    const std::optional<std::string> bytes = ReadWholeFile(backupPath);
    if (!bytes) {
        show("ファイル " + backupPath + " は開けません");
        return false;
    }
    return RestoreDayListsFromBackupBytes(*bytes, backupPath, lists, show);
}

bool RestoreDayListsFromBackupBytes(std::string_view bytes, const std::string& backupPath, DayLists& lists,
                                    const ShowMessage& show) {
    const ProfileFile file = ProfileFile::Parse(bytes);
    if (!file.HasSection(kSpecialDayListPlace.section) && !file.HasSection(kYoteiDayListPlace.section) &&
        !file.HasSection(kHolidayListPlace.section)) {
        show("ファイル " + backupPath + " には予定日・特別日・休日のリストがありません");
        return false;
    }
    DamageReport damage;
    auto load = [&](const DayListPlace& place) {
        LoadedList loaded;
        if (const auto text = file.Get(place.section, place.countName)) loaded.count = ParseBackupCount(*text);
        loaded.list = ReadStoredList(loaded.count, [&](size_t i) { return file.Get(place.section, ItemName(i)); });
        damage.Note(place, loaded.list);
        return loaded;
    };
    if (auto lines = PlainLines(load(kSpecialDayListPlace).list)) lists.SpecialDayList = std::move(*lines);
    if (auto lines = PlainLines(load(kYoteiDayListPlace).list)) lists.YoteiDayList = std::move(*lines);
    LoadedList holidays = load(kHolidayListPlace);
    lists.HolidayList = HolidayLines(holidays.count, std::move(holidays.list));
    damage.Tell(show, "ファイル " + backupPath + " ");
    return true;
}

}  // namespace zenka
