// The start-up clean-up on real folders, all of them sandboxes this test
// makes: what goes, what stays, links out of the sandbox, and the timing of
// the temporary folder's emptying in the main window.
#include "app/startup_cleanup_win.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/cleanup_paths.h"
#include "tests/win/support/cleanup_sandbox.h"
#include "tests/win/app/main_window_fixture.h"

namespace zenka {
namespace {

using testing::Exists;
using testing::MainWindow;
using testing::PumpMessages;
using testing::PumpUntil;
using testing::Sandbox;
using testing::SandboxPlaces;
using testing::SetSetting;

using Entries = std::vector<std::string>;

TEST(StartupCleanup, TheTemporaryFolderIsEmptiedButNothingOutsideIt) {
    Sandbox temp;
    Sandbox elsewhere;
    elsewhere.File("secret.txt");
    elsewhere.File("readonly.txt", FILE_ATTRIBUTE_READONLY);
    elsewhere.Folder("folder");
    elsewhere.File("folder\\kept.txt");

    temp.File("a.txt");
    temp.File("readonly.txt", FILE_ATTRIBUTE_READONLY);
    temp.File("hidden.txt", FILE_ATTRIBUTE_HIDDEN);
    temp.Folder("sub");
    temp.File("sub\\inner.txt", FILE_ATTRIBUTE_READONLY);
    temp.Folder("sub\\deeper");
    temp.File("sub\\deeper\\x.txt");
    temp.Folder("busy");
    temp.Folder("busy\\held");
    temp.File("busy\\held\\open.txt");
    temp.Link("filelink", elsewhere.Path("secret.txt"));
    temp.Link("readonlylink", elsewhere.Path("readonly.txt"));
    temp.Link("folderlink", elsewhere.Path("folder"));
    // A file in use: opened without leave to delete it.
    HANDLE held = CreateFileW(Widen(temp.Path("busy\\held\\open.txt")).c_str(), GENERIC_READ, FILE_SHARE_READ,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);

    SandboxPlaces places;
    places.temporary = temp.Path() + "\\";
    EmptyTemporaryFolder(places);
    CloseHandle(held);

    EXPECT_EQ(temp.Entries(),
              (Entries{"busy", "busy\\held", "busy\\held\\open.txt", "filelink", "folderlink", "readonlylink"}))
        << "read-only and hidden files go; the file in use stays with its folders; links stay";
    EXPECT_EQ(elsewhere.Entries(), (Entries{"folder", "folder\\kept.txt", "readonly.txt", "secret.txt"}));
    EXPECT_EQ(elsewhere.Text("secret.txt"), "zenka");
    EXPECT_TRUE(GetFileAttributesW(Widen(elsewhere.Path("readonly.txt")).c_str()) & FILE_ATTRIBUTE_READONLY)
        << "a link's target keeps its attributes";

    // Asked directly, the folder service refuses whatever is not inside.
    ConfinedFolder files(temp.Path());
    EXPECT_FALSE(files.Remove(elsewhere.Path("secret.txt")));
    EXPECT_FALSE(files.Remove(temp.Path() + "\\..\\" + elsewhere.Path().substr(elsewhere.Path().rfind('\\') + 1) +
                              "\\secret.txt"));
    EXPECT_FALSE(files.Remove(temp.Path("filelink")));
    EXPECT_FALSE(files.SetAttributes(temp.Path("readonlylink"), 0));
    EXPECT_FALSE(files.Remove(temp.Path("folderlink\\kept.txt")));
    EXPECT_TRUE(files.List(temp.Path("folderlink\\")).empty());
    EXPECT_FALSE(files.Remove(temp.Path()));
    EXPECT_EQ(elsewhere.Entries(), (Entries{"folder", "folder\\kept.txt", "readonly.txt", "secret.txt"}));
    EXPECT_TRUE(files.Remove(temp.Path("busy\\held\\open.txt"))) << "once closed, the file can go";
}

// Whether this system deletes a read-only file's name as it is (Windows 10
// 1809 and later); asked on a file of the sandbox's own.
bool DeletesReadOnlyFilesAsTheyAre(Sandbox& sandbox) {
    sandbox.File("probe.txt", FILE_ATTRIBUTE_READONLY);
    HANDLE file = CreateFileW(sandbox.Exact("probe.txt").c_str(), DELETE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    DWORD flags = 0x01 | 0x02 | 0x10;  // delete, at once, read-only or not
    const bool deleted = SetFileInformationByHandle(file, static_cast<FILE_INFO_BY_HANDLE_CLASS>(21), &flags,
                                                    sizeof(flags)) != FALSE;
    CloseHandle(file);
    return deleted;
}

TEST(StartupCleanup, AFileWithNamesElsewhereKeepsItsAttributes) {
    Sandbox temp;
    Sandbox elsewhere;
    Sandbox probe;
    const bool asItIs = DeletesReadOnlyFilesAsTheyAre(probe);
    elsewhere.File("readonly.txt", FILE_ATTRIBUTE_READONLY);
    elsewhere.File("hidden.txt", FILE_ATTRIBUTE_HIDDEN);
    elsewhere.File("plain.txt");
    temp.HardLink("readonly.txt", elsewhere.Path("readonly.txt"));
    temp.HardLink("hidden.txt", elsewhere.Path("hidden.txt"));
    temp.HardLink("plain.txt", elsewhere.Path("plain.txt"));
    temp.File("own-readonly.txt", FILE_ATTRIBUTE_READONLY);

    ConfinedFolder files(temp.Path());
    EXPECT_FALSE(files.SetAttributes(temp.Path("readonly.txt"), 0)) << "attributes shared with a name elsewhere";
    SandboxPlaces places;
    places.temporary = temp.Path() + "\\";
    EmptyTemporaryFolder(places);

    EXPECT_EQ(temp.Entries(), asItIs ? Entries{} : Entries{"readonly.txt"})
        << "the names go, a read-only one only where the system can delete it without changing it";
    EXPECT_EQ(elsewhere.Entries(), (Entries{"hidden.txt", "plain.txt", "readonly.txt"}));
    EXPECT_TRUE(elsewhere.Attributes("readonly.txt") & FILE_ATTRIBUTE_READONLY);
    EXPECT_TRUE(elsewhere.Attributes("hidden.txt") & FILE_ATTRIBUTE_HIDDEN);
    EXPECT_EQ(elsewhere.Text("plain.txt"), "zenka");
}

// Whether this system tells the final path of an entry deeper than
// MAX_PATH. Wine 8 does not: the clean-up cannot prove such an entry
// inside the folder and leaves it.
bool TellsLongFinalPaths(const std::wstring& path) {
    HANDLE entry = CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                               OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    std::wstring final(32768, L'\0');
    const DWORD length = GetFinalPathNameByHandleW(entry, final.data(), static_cast<DWORD>(final.size()), 0);
    CloseHandle(entry);
    return length > MAX_PATH && length < final.size();
}

TEST(StartupCleanup, NamesTheSystemWouldResolveOtherwiseGoToo) {
    Sandbox temp;
    for (const char* name : {"dot.", "blank ", "CON", "AUX", "LPT1", "nul.txt"}) temp.File(name);
    temp.File("readonly dot.", FILE_ATTRIBUTE_READONLY);
    temp.Folder("folder.");
    temp.File("folder.\\inner ");
    // A tree deeper than MAX_PATH, with a read-only file at its bottom.
    Entries deepTree = {"deep"};
    temp.Folder(deepTree.back());
    while (temp.Path(deepTree.back()).size() <= MAX_PATH + 40) {
        deepTree.push_back(deepTree.back() + "\\a-folder-name-of-some-length");
        temp.Folder(deepTree.back());
    }
    const bool longPaths = TellsLongFinalPaths(temp.Exact(deepTree.back()));
    deepTree.push_back(deepTree.back() + "\\bottom.txt");
    temp.File(deepTree.back(), FILE_ATTRIBUTE_READONLY);

    SandboxPlaces places;
    places.temporary = temp.Path() + "\\";
    EmptyTemporaryFolder(places);
    EXPECT_EQ(temp.Entries(), longPaths ? Entries{} : deepTree);
}

TEST(StartupCleanup, TheRecentFolderLosesOnlyItsOwnShortcuts) {
    Sandbox recent;
    Sandbox elsewhere;
    elsewhere.File("target.lnk");
    recent.File("a.lnk");
    recent.File("B.LNK");
    recent.File("long.lnkx");
    recent.File("notes.txt");
    recent.Folder("sub");
    recent.File("sub\\inner.lnk");
    recent.Link("linked.lnk", elsewhere.Path("target.lnk"));

    SandboxPlaces places;
    places.recent = recent.Path();
    EmptyRecentDocuments(places);
    EXPECT_EQ(recent.Entries(), (Entries{"linked.lnk", "long.lnkx", "notes.txt", "sub", "sub\\inner.lnk"}));
    EXPECT_EQ(elsewhere.Entries(), (Entries{"target.lnk"}));
}

TEST(StartupCleanup, TheSystemsFoldersAreReadWithoutTouchingThem) {
    SystemCleanupPlaces places;
    const std::string recent = places.RecentFolderInRegistry();
    EXPECT_FALSE(recent.empty());
    EXPECT_TRUE(SameFolder(recent, places.RecentFolderOfShell())) << recent << " / " << places.RecentFolderOfShell();
    const std::string temp = places.TemporaryFolder();
    ASSERT_FALSE(temp.empty());
    EXPECT_EQ(temp.back(), '\\');
    const std::vector<std::string> kept = places.KeptFolders();
    wchar_t windows[MAX_PATH] = {};
    GetWindowsDirectoryW(windows, MAX_PATH);
    EXPECT_NE(std::find(kept.begin(), kept.end(), Narrow(windows)), kept.end());
    EXPECT_TRUE(TemporaryFolderToEmpty(temp, kept).has_value()) << temp;
    EXPECT_FALSE(TemporaryFolderToEmpty(Narrow(windows), kept).has_value());
}

TEST_F(MainWindow, RecentShortcutsGoAtTheStartAndTheTemporaryFolderAfterTheDelay) {
    // The program waits 15 seconds; this test two.
    moreServices = [](MainWindowServices& services) { services.temporaryCleanupDelay = 2000; };
    Sandbox recent;
    Sandbox endedEarly;
    Sandbox temp;
    recent.File("a.lnk");
    recent.File("notes.txt");
    endedEarly.File("x.txt");
    temp.File("y.txt");
    temp.Folder("sub");
    temp.File("sub\\z.txt");
    SetSetting("Form", "Delete", "1");
    SetSetting("Form", "TmpDelete", "1");

    // A run that ends within the delay empties no temporary folder.
    cleanupPlaces.recent = recent.Path();
    cleanupPlaces.temporary = endedEarly.Path() + "\\";
    StartCalendarOnly();
    EXPECT_EQ(recent.Entries(), (Entries{"notes.txt"})) << "at once, during the start";
    window.reset();

    recent.File("b.lnk");
    cleanupPlaces.temporary = temp.Path() + "\\";
    Start();
    EXPECT_EQ(recent.Entries(), (Entries{"notes.txt"}));
    PumpMessages(500);
    EXPECT_EQ(temp.Entries(), (Entries{"sub", "sub\\z.txt", "y.txt"})) << "nothing before the delay";
    EXPECT_TRUE(PumpUntil([&temp] { return temp.Entries().empty(); }, 10000)) << "emptied after it";
    EXPECT_EQ(endedEarly.Entries(), (Entries{"x.txt"}));
}

}  // namespace
}  // namespace zenka
