#include "app/startup_cleanup.h"

#include "app/cleanup_paths.h"

namespace zenka {

namespace {

std::string WithBackslash(std::string path) {
    if (path.empty() || path.back() != '\\') path += '\\';
    return path;
}

struct Walked {
    std::string path;
    bool sharedAttributes = false;  // a file with names elsewhere too
};

void Walk(CleanupFolder& files, const std::string& folder, const TreeWalkOptions& options, std::vector<Walked>& list) {
    for (const FolderEntry& entry : files.List(folder)) {
        if (entry.name.empty() || entry.name == "." || entry.name == "..") continue;
        // Changing or deleting a link can reach its target, wherever that
        // lies; a link is not this folder's to clean.
        if (entry.attributes & faReparsePoint) continue;
        std::string path = folder + entry.name;
        const bool directory = (entry.attributes & faDirectory) != 0;
        const bool shared = !directory && entry.links > 1;
        const uint32_t kept = entry.attributes & ~static_cast<uint32_t>(faReadOnly | faHidden);
        if (options.resetAttributes && !shared && kept != entry.attributes) files.SetAttributes(path, kept);
        if (directory && options.markDirectories) path = WithBackslash(std::move(path));
        if ((entry.attributes & options.mask) != 0 || (entry.attributes == 0 && options.includeWithoutAttributes)) {
            list.push_back({path, shared});
        }
        if (directory && options.recurse) Walk(files, WithBackslash(path), options, list);
    }
}

std::vector<Walked> WalkTree(CleanupFolder& files, std::string folder, const TreeWalkOptions& options) {
    std::vector<Walked> list;
    Walk(files, WithBackslash(std::move(folder)), options, list);
    return list;
}

}  // namespace

std::vector<std::string> TreeWalk(CleanupFolder& files, std::string folder, const TreeWalkOptions& options) {
    std::vector<std::string> paths;
    for (Walked& walked : WalkTree(files, std::move(folder), options)) paths.push_back(std::move(walked.path));
    return paths;
}

void EmptyFolderTree(CleanupFolder& files, const std::string& folder) {
    const std::vector<Walked> list = WalkTree(files, folder, {});
    for (auto entry = list.rbegin(); entry != list.rend(); ++entry) {
        if (entry->sharedAttributes) {
            files.RemoveKeepingAttributes(entry->path);
        } else {
            files.Remove(entry->path);
        }
    }
}

void EmptyShortcuts(CleanupFolder& files, const std::string& folder) {
    const std::string base = WithBackslash(folder);
    for (const FolderEntry& entry : files.List(base)) {
        if (entry.attributes & (faDirectory | faReparsePoint)) continue;
        if (HasShortcutExtension(entry.name)) files.Remove(base + entry.name);
    }
}

void EmptyRecentDocuments(CleanupPlaces& places) {
    const auto folder = RecentFolderToEmpty(places.RecentFolderInRegistry(), places.RecentFolderOfShell());
    if (!folder) return;
    if (const auto files = places.Open(*folder)) EmptyShortcuts(*files, *folder);
}

void EmptyTemporaryFolder(CleanupPlaces& places) {
    const auto folder = TemporaryFolderToEmpty(places.TemporaryFolder(), places.KeptFolders());
    if (!folder) return;
    if (const auto files = places.Open(*folder)) EmptyFolderTree(*files, *folder);
}

}  // namespace zenka
