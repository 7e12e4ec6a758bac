// Where the running program lies: the executable's full path and its
// folder, in UTF-8.
#pragma once

#include <string>

namespace zenka {

// Empty when the system cannot tell.
std::string ExecutablePath();

// The executable's folder with its trailing backslash; the icon folder,
// the help file and the backup file lie there.
std::string ExecutableDirectory();

}  // namespace zenka
