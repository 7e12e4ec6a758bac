// The start-up clean-up's walk, deletion order and choice of folders, over a
// described tree: no file system is touched.
#include "app/startup_cleanup.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "app/cleanup_paths.h"

namespace zenka {
namespace {

// A tree described folder by folder. Removing a folder succeeds only once
// everything in it is gone; files in use cannot be removed.
class DescribedTree : public CleanupFolder {
public:
    DescribedTree(std::map<std::string, std::vector<FolderEntry>> folders, std::set<std::string> inUse = {})
        : folders_(std::move(folders)), inUse_(std::move(inUse)) {}

    std::vector<FolderEntry> List(const std::string& folder) override {
        listed.push_back(folder);
        const auto found = folders_.find(folder);
        return found == folders_.end() ? std::vector<FolderEntry>{} : found->second;
    }
    bool SetAttributes(const std::string& path, uint32_t attributes) override {
        changes.push_back(path + "=" + std::to_string(attributes));
        return true;
    }
    bool Remove(const std::string& path) override {
        attempts.push_back(path);
        if (inUse_.count(path)) return false;
        const auto found = folders_.find(path);
        if (found != folders_.end()) {
            for (const FolderEntry& entry : found->second) {
                const std::string inner = path + entry.name + ((entry.attributes & faDirectory) ? "\\" : "");
                if (!removed.count(inner)) return false;
            }
        }
        removed.insert(path);
        return true;
    }
    bool RemoveKeepingAttributes(const std::string& path) override {
        attempts.push_back("as it is: " + path);
        if (inUse_.count(path)) return false;
        removed.insert(path);
        return true;
    }

    std::vector<std::string> listed;
    std::vector<std::string> changes;
    std::vector<std::string> attempts;
    std::set<std::string> removed;

private:
    std::map<std::string, std::vector<FolderEntry>> folders_;
    std::set<std::string> inUse_;
};

// A temporary folder with files of every kind of attributes, a subtree, a
// link to a folder elsewhere, and files with names elsewhere too.
DescribedTree TemporaryTree(std::set<std::string> inUse = {}) {
    return DescribedTree({{"C:\\T\\",
                           {{"a.txt", 0x20},
                            {"ro.txt", 0x01},
                            {"hidden.txt", 0x22},
                            {"system.dat", 0x04},
                            {"normal.txt", 0x80},
                            {"temporary.tmp", 0x100},
                            {"bare", 0x00},
                            {"sub", 0x10},
                            {"link", 0x410},
                            {"filelink", 0x420},
                            {"second-name.txt", 0x01, 2},
                            {"third-name.txt", 0x22, 3}}},
                          {"C:\\T\\sub\\", {{"inner.txt", 0x21}, {"deeper", 0x12, 3}}},
                          {"C:\\T\\sub\\deeper\\", {{"x.txt", 0x20}}},
                          {"C:\\T\\link\\", {{"elsewhere.txt", 0x20}}}},
                         std::move(inUse));
}

TEST(StartupCleanup, TheWalkListsFoldersBeforeTheirContentsAndLeavesLinksAlone) {
    DescribedTree tree = TemporaryTree();
    // The folder may come without its trailing backslash.
    EXPECT_EQ(TreeWalk(tree, "C:\\T"), (std::vector<std::string>{
                                           "C:\\T\\a.txt",
                                           "C:\\T\\ro.txt",
                                           "C:\\T\\hidden.txt",
                                           "C:\\T\\system.dat",
                                           "C:\\T\\bare",
                                           "C:\\T\\sub\\",
                                           "C:\\T\\sub\\inner.txt",
                                           "C:\\T\\sub\\deeper\\",
                                           "C:\\T\\sub\\deeper\\x.txt",
                                           "C:\\T\\second-name.txt",
                                           "C:\\T\\third-name.txt",
                                       }))
        << "0x80 and 0x100 alone share no bit with the mask; links are not listed";
    EXPECT_EQ(tree.changes, (std::vector<std::string>{"C:\\T\\ro.txt=0", "C:\\T\\hidden.txt=32",
                                                      "C:\\T\\sub\\inner.txt=32", "C:\\T\\sub\\deeper=16"}))
        << "read-only and hidden come off, but not a file's that has other names; nothing else is changed";
    EXPECT_EQ(tree.listed, (std::vector<std::string>{"C:\\T\\", "C:\\T\\sub\\", "C:\\T\\sub\\deeper\\"}))
        << "the link's folder is not entered";
}

TEST(StartupCleanup, EmptyingDeletesBottomUpAndKeepsWhatCannotGoWithItsFolders) {
    DescribedTree tree = TemporaryTree({"C:\\T\\sub\\deeper\\x.txt"});
    EmptyFolderTree(tree, "C:\\T\\");
    EXPECT_EQ(tree.attempts, (std::vector<std::string>{
                                 "as it is: C:\\T\\third-name.txt",
                                 "as it is: C:\\T\\second-name.txt",
                                 "C:\\T\\sub\\deeper\\x.txt",
                                 "C:\\T\\sub\\deeper\\",
                                 "C:\\T\\sub\\inner.txt",
                                 "C:\\T\\sub\\",
                                 "C:\\T\\bare",
                                 "C:\\T\\system.dat",
                                 "C:\\T\\hidden.txt",
                                 "C:\\T\\ro.txt",
                                 "C:\\T\\a.txt",
                             }));
    EXPECT_EQ(tree.removed, (std::set<std::string>{"C:\\T\\sub\\inner.txt", "C:\\T\\bare", "C:\\T\\system.dat",
                                                   "C:\\T\\hidden.txt", "C:\\T\\ro.txt", "C:\\T\\a.txt",
                                                   "C:\\T\\second-name.txt", "C:\\T\\third-name.txt"}))
        << "the file in use stays, and so do the folders holding it";

    // Without a file in use the whole subtree goes.
    DescribedTree free = TemporaryTree();
    EmptyFolderTree(free, "C:\\T\\");
    EXPECT_TRUE(free.removed.count("C:\\T\\sub\\"));
}

TEST(StartupCleanup, OnlyTheFoldersOwnShortcutsAreDeleted) {
    DescribedTree recent({{"C:\\R\\",
                           {{"a.lnk", 0x20},
                            {"B.LNK", 0x21},
                            {"c.lnkx", 0x20},
                            {"lnk", 0x20},
                            {"d.txt", 0x20},
                            {"e.lnk.txt", 0x20},
                            {"sub.lnk", 0x10},
                            {"link.lnk", 0x420}}},
                          {"C:\\R\\sub.lnk\\", {{"inner.lnk", 0x20}}}});
    EmptyShortcuts(recent, "C:\\R");
    EXPECT_EQ(recent.attempts, (std::vector<std::string>{"C:\\R\\a.lnk", "C:\\R\\B.LNK"}));
    EXPECT_EQ(recent.listed, (std::vector<std::string>{"C:\\R\\"})) << "subfolders are not visited";
    EXPECT_TRUE(recent.changes.empty()) << "attributes stay: a read-only shortcut stays too";
}

// The folders as the system reports them, each opening a described tree.
class DescribedPlaces : public CleanupPlaces {
public:
    std::string RecentFolderInRegistry() const override { return registry; }
    std::string RecentFolderOfShell() const override { return shell; }
    std::string TemporaryFolder() const override { return temporary; }
    std::vector<std::string> KeptFolders() const override { return kept; }
    std::unique_ptr<CleanupFolder> Open(const std::string& folder) override {
        opened.push_back(folder);
        return std::make_unique<DescribedTree>(std::map<std::string, std::vector<FolderEntry>>{});
    }

    std::string registry, shell, temporary;
    std::vector<std::string> kept = {"C:\\Windows", "C:\\Users\\taro", "C:\\Users\\taro\\Documents"};
    std::vector<std::string> opened;
};

TEST(StartupCleanup, EachJobEmptiesOnlyAFolderItMayEmpty) {
    struct Case {
        std::string registry, shell, temporary;
        std::vector<std::string> opened;
    };
    const std::string recent = "C:\\Users\\taro\\Recent";
    const std::string temp = "C:\\Users\\taro\\Temp\\";
    for (const Case& c : {
             Case{recent, recent, temp, {recent, temp}},
             Case{recent, "c:\\users\\TARO\\recent\\", temp, {recent, temp}},
             Case{"", recent, "", {}},
             Case{"C:\\Users\\taro\\Desktop", recent, "C:\\", {}},
             Case{"C:\\", "C:\\", "C:\\Users\\taro\\", {}},
             Case{"C:\\Users\\taro\\Recnet", recent, "C:\\Windows\\", {}},
             Case{recent, "", "C:\\Users\\", {}},
             Case{recent, "", "Temp\\", {}},
         }) {
        DescribedPlaces places;
        places.registry = c.registry;
        places.shell = c.shell;
        places.temporary = c.temporary;
        EmptyRecentDocuments(places);
        EmptyTemporaryFolder(places);
        EXPECT_EQ(places.opened, c.opened) << c.registry << " | " << c.shell << " | " << c.temporary;
    }
}

TEST(CleanupPaths, AnEntryLiesInsideOnlyBelowTheFolder) {
    struct Case {
        const char* path;
        const char* folder;
        bool inside;
    };
    for (const Case& c : {
             Case{"C:\\T\\a.txt", "C:\\T\\", true},
             Case{"\\\\?\\C:\\T\\sub\\a.txt", "\\\\?\\c:\\t", true},
             Case{"\\\\?\\UNC\\srv\\share\\T\\a", "\\\\srv\\share\\T\\", true},
             Case{"\\\\?\\C:\\T\\dot.", "C:\\T", true},
             Case{"\\\\?\\C:\\T\\CON", "\\\\?\\C:\\T\\", true},
             Case{"\\\\?\\C:\\T.\\a.txt", "C:\\T", false},
             Case{"\\\\?\\C:\\T \\a.txt", "C:\\T", false},
             Case{"C:\\T", "C:\\T\\", false},
             Case{"C:\\T\\", "C:\\T", false},
             Case{"C:\\Tmp\\a.txt", "C:\\T", false},
             Case{"C:\\a.txt", "C:\\T", false},
             Case{"D:\\T\\a.txt", "C:\\T", false},
             Case{"C:\\T\\..\\secret.txt", "C:\\T", false},
             Case{"C:\\T\\.\\a.txt", "C:\\T", false},
             Case{"C:\\a.txt", "C:\\", false},
             Case{"C:\\T\\a.txt", "", false},
             Case{"T\\a.txt", "T", false},
         }) {
        EXPECT_EQ(PathLiesInside(c.path, c.folder), c.inside) << c.path << " in " << c.folder;
    }
}

TEST(CleanupPaths, EntriesAreReachedByPathsTheSystemTakesAsTheyStand) {
    struct Case {
        const char* path;
        std::optional<std::string> extended;
    };
    for (const Case& c : {
             Case{"C:\\T\\a.txt", "\\\\?\\C:\\T\\a.txt"},
             Case{"c:/T//sub\\\\CON", "\\\\?\\c:\\T\\sub\\CON"},
             Case{"C:\\T\\dot.", "\\\\?\\C:\\T\\dot."},
             Case{"C:\\T\\blank ", "\\\\?\\C:\\T\\blank "},
             Case{"C:\\T\\...", "\\\\?\\C:\\T\\..."},
             Case{"C:\\T\\sub\\", "\\\\?\\C:\\T\\sub\\"},
             Case{"\\\\srv\\share\\T\\nul.txt", "\\\\?\\UNC\\srv\\share\\T\\nul.txt"},
             Case{"\\\\?\\C:\\T\\LPT1", "\\\\?\\C:\\T\\LPT1"},
             Case{"\\\\?\\UNC\\srv\\share\\T", "\\\\?\\UNC\\srv\\share\\T"},
             Case{"C:\\T\\..\\secret.txt", std::nullopt},
             Case{"C:\\T\\.\\a.txt", std::nullopt},
             Case{"\\\\?\\C:\\T\\..\\secret.txt", std::nullopt},
             Case{"\\\\?\\C:\\T/a.txt", std::nullopt},
             Case{"\\\\.\\C:\\T\\a.txt", std::nullopt},
             Case{"\\\\.\\CON", std::nullopt},
             Case{"C:T\\a.txt", std::nullopt},
             Case{"\\T\\a.txt", std::nullopt},
             Case{"T\\a.txt", std::nullopt},
             Case{"", std::nullopt},
         }) {
        EXPECT_EQ(ExtendedPath(c.path), c.extended) << c.path;
    }
}

TEST(CleanupPaths, RootsAndRelativePathsAreNeverEmptied) {
    struct Case {
        const char* path;
        bool refused;
    };
    for (const Case& c : {Case{"C:\\", true}, Case{"c:", true}, Case{"C:", true}, Case{"C:T", true},
                          Case{"\\\\?\\C:\\", true}, Case{"\\\\srv\\share\\", true}, Case{"\\\\srv\\share", true},
                          Case{"\\\\srv", true}, Case{"\\T", true}, Case{"", true}, Case{"T\\", true},
                          Case{"C:\\T", false}, Case{"C:\\T\\", false}, Case{"\\\\srv\\share\\T", false},
                          Case{"Z:/tmp/box", false}}) {
        EXPECT_EQ(IsRootOrNotAbsolute(c.path), c.refused) << c.path;
    }
}

TEST(CleanupPaths, ShortcutsAreNamedByTheirOwnExtension) {
    for (const char* name : {"a.lnk", "A.LNK", "x.y.Lnk", ".lnk"}) EXPECT_TRUE(HasShortcutExtension(name)) << name;
    for (const char* name : {"a.lnkx", "a.lnk.txt", "lnk", "alnk", "a.ln", ""}) {
        EXPECT_FALSE(HasShortcutExtension(name)) << name;
    }
}

}  // namespace
}  // namespace zenka
