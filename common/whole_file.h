// Whole-file reads and writes for small files such as the backup of the day
// lists. Paths are UTF-8.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zenka {

// The file's bytes; nothing when it is missing or cannot be read.
std::optional<std::string> ReadWholeFile(const std::string& path);

// Writes the bytes to a new file beside path and then puts that file in
// path's place, so that path holds either its old contents or the new ones,
// never a part. False when that could not be done, or when path is marked
// read-only; the old file is then untouched and the new one removed.
bool ReplaceWholeFile(const std::string& path, std::string_view bytes);

}  // namespace zenka
