// The start-up clean-up: emptying the recent-documents folder of its
// shortcuts as the program starts, and the temporary folder a little later.
// Which entries go and in which order is decided here; the file system is
// reached through CleanupFolder, which is confined to the one folder being
// emptied and refuses to touch anything outside it.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace zenka {

// Attribute bits as the file system reports them.
enum FileAttribute : uint32_t {
    faReadOnly = 0x01,
    faHidden = 0x02,
    faSystem = 0x04,
    faVolume = 0x08,
    faDirectory = 0x10,
    faArchive = 0x20,
    faNormal = 0x80,
    faTemporary = 0x100,
    faReparsePoint = 0x400,  // a symbolic link, a junction...
};

struct FolderEntry {
    std::string name;
    uint32_t attributes = 0;
    // The names a file has (hard links). A file's attributes belong to all
    // of them, and its other names may lie outside the folder.
    uint32_t links = 1;
};

// One folder being emptied. Paths are full Windows paths; folders end with
// a backslash. Every call first proves that the entry itself, not what a
// link in its place points to, lies inside the folder and is no link, and
// does nothing when that fails.
class CleanupFolder {
public:
    virtual ~CleanupFolder() = default;
    // The entries of a folder, without "." and "..", as the system lists
    // them; none when the folder cannot be listed.
    virtual std::vector<FolderEntry> List(const std::string& folder) = 0;
    // Refused for a file with more than one name.
    virtual bool SetAttributes(const std::string& path, uint32_t attributes) = 0;
    // Deletes a file, or a folder that is empty by now.
    virtual bool Remove(const std::string& path) = 0;
    // Deletes a file's name without changing its attributes, a read-only
    // file's too where the system allows it; where not, the file stays.
    virtual bool RemoveKeepingAttributes(const std::string& path) = 0;
};

// What the system tells about the folders to empty, and the file system
// confined to one of them.
class CleanupPlaces {
public:
    virtual ~CleanupPlaces() = default;
    // The recent-documents folder as the registry keeps it (value "Recent"
    // of the user's shell folders), and as the shell reports it; empty when
    // either is unknown.
    virtual std::string RecentFolderInRegistry() const = 0;
    virtual std::string RecentFolderOfShell() const = 0;
    // The user's temporary folder, ending with a backslash; empty when the
    // system cannot tell it.
    virtual std::string TemporaryFolder() const = 0;
    // Folders that are never emptied, nor any folder holding one of them.
    virtual std::vector<std::string> KeptFolders() const = 0;
    virtual std::unique_ptr<CleanupFolder> Open(const std::string& folder) = 0;
};

struct TreeWalkOptions {
    uint32_t mask = 0x3F;  // entries with any of these bits are listed...
    bool includeWithoutAttributes = true;  // ...and those reported without any
    bool resetAttributes = true;           // read-only and hidden taken off
    bool markDirectories = true;           // a folder's path ends with "\"
    bool recurse = true;
};

// The entries of a folder and, with recurse, of the folders inside it, each
// folder before its contents. Links are left alone: not listed, not
// changed, not entered. A file with more than one name is listed but keeps
// its attributes, which its names outside the folder share.
std::vector<std::string> TreeWalk(CleanupFolder& files, std::string folder, const TreeWalkOptions& options = {});

// Deletes what the walk lists, last first, so that a folder's contents go
// before it; a file with more than one name loses only this name, its
// attributes unchanged. What cannot be deleted (a file in use, a read-only
// file with more names where the system cannot delete it as it is) stays,
// and so do the folders holding it.
void EmptyFolderTree(CleanupFolder& files, const std::string& folder);

// Deletes the ".lnk" files of the folder itself; its subfolders and other
// files stay.
void EmptyShortcuts(CleanupFolder& files, const std::string& folder);

// The two jobs, on the folders the system reports when they may be emptied.
// Failures are ignored: the job goes on with the next entry.
void EmptyRecentDocuments(CleanupPlaces& places);
void EmptyTemporaryFolder(CleanupPlaces& places);

}  // namespace zenka
