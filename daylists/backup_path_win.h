#pragma once

#include <string>

namespace zenka {

// The running executable's path with ".bak" for its extension (UTF-8).
std::string ExecutableBackupPath();

}  // namespace zenka
