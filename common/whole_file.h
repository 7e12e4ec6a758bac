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

// What became of a replacement, and why it did not happen.
struct FileReplacement {
    enum Outcome {
        Replaced,
        ReadOnly,     // the file is marked read-only (or is a folder)
        NoFreshName,  // every name of the new file was taken
        NotWritten,   // the new file could not be made or written
        NotMoved,     // it could not be put in the old file's place
    } outcome = Replaced;
    explicit operator bool() const { return outcome == Replaced; }
};

// Why the file was not replaced, in a few words for the user; empty when
// it was.
std::string WhyNotReplaced(const FileReplacement& replacement, const std::string& path);

// Writes the bytes to a new file beside path and then puts that file in
// path's place, so that path holds either its old contents or the new ones,
// never a part. When that could not be done, or when path is marked
// read-only, the old file is untouched and the new one removed. Once a
// replacement is done, the new files that earlier ones left behind (a
// process ended half-way) are removed; so are they when every name is
// taken, before the names are tried again.
FileReplacement ReplaceWholeFile(const std::string& path, std::string_view bytes);

// Makes the folder path lies in, and any missing folders above it; false
// when it is not there afterwards.
bool MakeParentFolder(const std::string& path);

// The new file's name is path followed by one of these suffixes, the first
// that names no file yet: "~zenka.tmp", "~zenka1.tmp", "~zenka2.tmp" and so
// on. A name of another form ("name~", a user's own) is never touched.
inline constexpr int kFreshNameTries = 100;
inline std::string FreshNameSuffix(int n) { return "~zenka" + (n == 0 ? std::string() : std::to_string(n)) + ".tmp"; }

}  // namespace zenka
