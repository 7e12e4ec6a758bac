#pragma once

#include <string>
#include <vector>

namespace zenka {

// The running executable's path with ".bak" for its extension (UTF-8).
std::string ExecutableBackupPath();

// Where the backup goes when the executable's folder cannot be written:
// %APPDATA%\Zenka\zenka.bak (UTF-8); empty when the system names no such
// folder.
std::string AppDataBackupPath();

// Of these backup files, the one written last; the first when none is
// there.
std::string NewestBackup(const std::vector<std::string>& places);

}  // namespace zenka
