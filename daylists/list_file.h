// Day lists kept in text files, one rule line a text line, so that users
// can keep, exchange and edit them with other tools.
//
// A file is written in code page 932, the format older versions and other
// Japanese tools read, with CR LF after every line. When a line holds a
// character code page 932 lacks, the file is written as UTF-8 with a byte
// order mark instead, so that nothing a user typed is lost. Reading takes
// both, and UTF-8 without the mark too (today's editors save that).
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/day_list.h"
#include "daylists/show_message.h"

namespace zenka {

// What the file dialogs offer.
extern const char* const kListFileFilter;            // "テキスト ファイル(*.txt)|*.txt"
extern const char* const kListFileDefaultExtension;  // "txt"
// The name proposed when a list is saved: "予定日リスト", "特別日リスト", "休日リスト".
std::string ProposedListFileName(DayListKind kind);

struct DecodedListFile {
    std::vector<std::string> lines;  // UTF-8
    // Lines (numbered from 1) whose bytes are neither code page 932 nor
    // UTF-8; what could not be read stands as U+FFFD in them.
    std::vector<size_t> unreadableLines;
};

// The lines of a file's bytes, in file order: a line ends at CR, at LF, or
// at CR LF taken together; a final line break adds no empty line; an empty
// line between two breaks stays; a NUL byte ends the text. Lines are taken
// as they are, without trimming or checking.
// A file that starts with the UTF-8 byte order mark is UTF-8; so is one
// that is well-formed UTF-8 throughout. Otherwise each line is read on its
// own: as UTF-8 when it is well-formed UTF-8 with a character that takes
// three bytes or more there (as Japanese text does, and code page 932 text
// practically never), else as code page 932.
DecodedListFile DecodeListFile(std::string_view bytes);

// The lines alone, as DecodeListFile reads them.
std::vector<std::string> SplitListFileLines(std::string_view bytes);

// The bytes of a file holding the lines, each followed by CR LF, in code
// page 932 when that reads back as the same lines, else in UTF-8 with the
// byte order mark.
std::string EncodeListFile(const std::vector<std::string>& lines);

// Reads the file at path (UTF-8). Nothing, after showing "ファイル <path>
// は開けません", when it cannot be read; lines that could not be read whole
// are named in a message, and the list is given all the same.
std::optional<std::vector<std::string>> LoadListFile(const std::string& path, const ShowMessage& show);

// Writes the lines to the file at path, replacing it only once the new
// file is complete, so a failure half-way leaves the old one as it was.
// On failure shows "ファイル <path> を作成できません" and answers false.
bool SaveListFile(const std::string& path, const std::vector<std::string>& lines, const ShowMessage& show);

}  // namespace zenka
