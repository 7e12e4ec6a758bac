// Decisions on path texts for the start-up clean-up: whether an entry lies
// inside the folder being emptied, and which folders may be emptied at all.
// Paths are Windows paths as the system gives them, with or without the
// "\\?\" prefix of final paths; letters compare without regard to case.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zenka {

// True when path names something below folder (never folder itself).
bool PathLiesInside(std::string_view path, std::string_view folder);

// The path in the "\\?\" form, which the system takes as it stands, without
// resolving it first: names ending in a dot or a blank, device names (CON,
// nul.txt) and paths longer than MAX_PATH then reach the entry itself. A
// drive path gains the prefix, a share path becomes "\\?\UNC\server\...",
// and a path in that form already stays. Nothing for a path that would need
// resolving: a relative one, a device path ("\\.\"), or one with a "." or
// ".." component.
std::optional<std::string> ExtendedPath(std::string_view path);

// True when both name the same folder, trailing backslashes aside.
bool SameFolder(std::string_view a, std::string_view b);

// "C:\", "\\server\share\", or an empty or relative path: nothing to empty.
bool IsRootOrNotAbsolute(std::string_view path);

// The recent-documents folder kept in the registry, when it is the folder
// the shell itself reports for recent documents; nothing otherwise (a
// missing value, the Desktop, a drive root, a mistyped path).
std::optional<std::string> RecentFolderToEmpty(const std::string& registryValue, const std::string& shellFolder);

// The temporary folder the system reports, unless emptying it would reach
// folders that must never be emptied: a drive root, or one of kept (the
// Windows folder, the user's profile and documents...) or a folder holding
// one of them, as when the system falls back to the profile or the Windows
// folder for want of a temporary folder.
std::optional<std::string> TemporaryFolderToEmpty(const std::string& temporaryFolder,
                                                  const std::vector<std::string>& kept);

// True when the name's own extension is ".lnk". A search for "*.lnk" also
// finds the short names of longer extensions (".lnkx"), which must stay.
bool HasShortcutExtension(std::string_view name);

}  // namespace zenka
