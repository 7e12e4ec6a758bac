// The three day lists kept across runs: in the settings store (one section
// per list) and, as a copy the user can restore from, in a backup file
// beside the executable.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/day_classifier.h"
#include "common/key_store.h"
#include "daylists/show_message.h"

namespace zenka {

// UTF-8 lines in list order, duplicates and all.
struct DayLists {
    std::vector<std::string> HolidayList;
    std::vector<std::string> SpecialDayList;
    std::vector<std::string> YoteiDayList;
    bool operator==(const DayLists&) const = default;
};

DayLists DayListsOf(const DayRuleSet& rules);
void AssignDayLists(const DayLists& lists, DayRuleSet& rules);

// Where each list is kept, in the store and in the backup file alike.
struct DayListPlace {
    std::string_view section;  // "ListC", "ListB", "ListA"
    std::string_view countName;  // "KMax", "Max", "Max2"
};
extern const DayListPlace kHolidayListPlace;
extern const DayListPlace kSpecialDayListPlace;
extern const DayListPlace kYoteiDayListPlace;

// "Item[0]", "Item[1]", ...
std::string ItemName(size_t index);

// An item of a stored list: nothing when it is not there; an item that is
// there but has no text form reads as an empty line.
using ReadItem = std::function<std::optional<std::string>(size_t index)>;

struct StoredList {
    std::vector<std::string> lines;
    // The count could not be read, was missing, or did not fit the items
    // there (below the last one, or far beyond it): the lines are the items
    // there instead, so that none of them is lost at the next save.
    bool countDamaged = false;
};

// A stored list from its count (nothing when missing or unreadable) and its
// items. A count that fits the items gives the lines 0 to count, a missing
// item as an empty line; any other count gives every item there, reading on
// from Item[0] past short gaps. Nothing when no list stands: no fitting
// count, and no item with text.
std::optional<StoredList> ReadStoredList(std::optional<int32_t> count, const ReadItem& readItem);

// A count as the backup file may hold it: decimal, or "0x"/"0X" with
// hexadecimal digits; nothing for any other text or a number beyond 32 bits.
std::optional<int32_t> ParseBackupCount(std::string_view text);

// The special-day and scheduled-day lists, then the holiday list. A store
// without a holiday list gives the default holiday lines. A damaged count
// is told once, in one message naming the lists it concerns.
DayLists LoadDayLists(KeyStore& keys, const ShowMessage& show = nullptr);

// Writes the three lists. An empty line whose stored item has no text form
// keeps that item as it is. Each list is replaced as a whole: should the
// writing stop at any point (a failed write, the process ending), the list
// loads afterwards either as it was before or as written, never a mix. A
// failed write ends that list's save; the other lists are still saved.
// Returns false when some list kept its old contents.
bool SaveDayLists(KeyStore& keys, const DayLists& lists);
// The holiday list alone, replaced as a whole in the same way.
bool SaveHolidayList(KeyStore& keys, const std::vector<std::string>& lines);

// The executable's path with its extension replaced by ".bak".
std::string BackupPathFor(std::string_view executablePath);

// What became of a backup, and what to tell the user when it did not
// happen.
struct BackupResult {
    enum Outcome {
        Written,
        // The file is there but could not be read (another program holds
        // it, access is denied): it is left as it is.
        NotRead,
        // The new file could not be written: the old one is left as it is.
        NotWritten,
    } outcome = Written;
    std::string message;  // "<path> に書き込めません: <why>" and the like; empty when written
    std::string path;     // the file written, or the one that could not be
};

// Writes the three lists into the backup file (UTF-8 path), keeping its
// other sections. A missing file is made afresh; a file that is there is
// replaced as a whole only once it has been read, so a failure of either
// step leaves it as it was.
//
// When backupPath's folder cannot be written (an executable under Program
// Files), the backup goes to fallbackPath instead, its folder made when
// missing; the result then says where.
BackupResult BackupDayLists(const DayLists& lists, const std::string& backupPath,
                            const std::string& fallbackPath = {});

// Reads a backup file into lists the way a restore does: a list whose
// section is absent stays as it was, except the holiday list, which a file
// without a holiday list resets to the default lines. Counts are read as
// LoadDayLists reads them, and a damaged one is told. Lines come back
// whole, however long. A file that cannot be read, or that holds none of
// the three lists (not a backup of them), changes no list: a message says
// so and false is returned.
bool RestoreDayListsFromBackup(const std::string& backupPath, DayLists& lists, const ShowMessage& show);
// The same from the file's bytes, read already; backupPath names it in
// the messages.
bool RestoreDayListsFromBackupBytes(std::string_view bytes, const std::string& backupPath, DayLists& lists,
                                    const ShowMessage& show);

}  // namespace zenka
