// The start-up clean-up on the real file system and the folders the system
// reports. ConfinedFolder opens each entry itself, by its "\\?\" path (which
// reaches names the system would otherwise resolve to something else) and
// without following a link, and changes or deletes it through that same
// handle only when its final path lies inside the folder being emptied;
// under Wine a link cannot be opened as itself, so a link to anywhere else
// is always refused. The attributes of a file with several names are never
// changed.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "app/startup_cleanup.h"

namespace zenka {

class ConfinedFolder : public CleanupFolder {
public:
    // Everything is refused when the folder itself cannot be opened.
    explicit ConfinedFolder(const std::string& folder);

    std::vector<FolderEntry> List(const std::string& folder) override;
    bool SetAttributes(const std::string& path, uint32_t attributes) override;
    bool Remove(const std::string& path) override;
    bool RemoveKeepingAttributes(const std::string& path) override;

private:
    // The entry itself, opened with the access asked for, when it is no link
    // and its final path lies inside the folder; INVALID_HANDLE_VALUE
    // otherwise. The caller closes it.
    HANDLE OpenInside(const std::string& path, DWORD access) const;

    std::string folder_;  // as given
    std::string final_;   // its final path
};

// The recent-documents folder from the registry and the shell, the
// temporary folder from GetTempPath, and the folders never to empty.
class SystemCleanupPlaces : public CleanupPlaces {
public:
    std::string RecentFolderInRegistry() const override;
    std::string RecentFolderOfShell() const override;
    std::string TemporaryFolder() const override;
    std::vector<std::string> KeptFolders() const override;
    std::unique_ptr<CleanupFolder> Open(const std::string& folder) override;
};

}  // namespace zenka
