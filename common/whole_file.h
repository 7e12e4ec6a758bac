// Whole-file reads and writes for small files such as the backup of the day
// lists. Paths are UTF-8.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace zenka {

// What reading a whole file found: its bytes, no file at all, or a file
// (or something else) that is there but could not be read: another program
// holds it, access is denied, it is a folder.
struct FileReading {
    enum Status { Read, Missing, Unreadable } status = Missing;
    std::string bytes;  // when Read
};
FileReading ReadWholeFileOrWhyNot(const std::string& path);

// The file's bytes; nothing when it is missing or cannot be read.
inline std::optional<std::string> ReadWholeFile(const std::string& path) {
    FileReading reading = ReadWholeFileOrWhyNot(path);
    if (reading.status != FileReading::Read) return std::nullopt;
    return std::move(reading.bytes);
}

// Writes the bytes to a new file beside path and then puts that file in
// path's place, so that path holds either its old contents or the new ones,
// never a part. False when that could not be done, or when path is marked
// read-only; the old file is then untouched and the new one removed.
bool ReplaceWholeFile(const std::string& path, std::string_view bytes);

// The new file's name is path followed by one of these suffixes, the first
// that names no file yet: "~", "~1", "~2" and so on.
inline constexpr int kFreshNameTries = 100;
inline std::string FreshNameSuffix(int n) { return n == 0 ? "~" : "~" + std::to_string(n); }

}  // namespace zenka
