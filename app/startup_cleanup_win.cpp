#include "app/startup_cleanup_win.h"

#include <shlobj.h>

#include <optional>

#include "app/cleanup_paths.h"
#include "common/executable_path_win.h"
#include "common/utf16_win.h"

namespace zenka {
namespace {

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
// The attributes a program may set; the others belong to the file system.
constexpr DWORD kSettableAttributes = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                                      FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_TEMPORARY | FILE_ATTRIBUTE_OFFLINE |
                                      FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

// Deleting a file's name whatever its attributes (Windows 10 1809 and
// later), which the SDK's headers declare only for programs that need that
// version.
constexpr auto kFileDispositionInfoEx = static_cast<FILE_INFO_BY_HANDLE_CLASS>(21);
constexpr DWORD kDispositionDelete = 0x01;
constexpr DWORD kDispositionPosixSemantics = 0x02;  // the name goes at once, open or not
constexpr DWORD kDispositionIgnoreReadOnly = 0x10;
struct DispositionInfoEx {
    DWORD flags;
};

std::wstring WithoutTrailingBackslash(std::wstring path) {
    while (path.size() > 1 && path.back() == L'\\') path.pop_back();
    return path;
}

// The path in the form the system takes as it stands, without a trailing
// backslash; empty when there is none.
std::wstring SystemPath(const std::string& path) {
    const std::optional<std::string> extended = ExtendedPath(path);
    return extended ? WithoutTrailingBackslash(Widen(*extended)) : std::wstring();
}

HANDLE OpenItself(const std::wstring& path, DWORD access) {
    if (path.empty()) return INVALID_HANDLE_VALUE;
    return CreateFileW(path.c_str(), access | FILE_READ_ATTRIBUTES, kShareAll, nullptr, OPEN_EXISTING,
                       FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
}

// Deleting through the handle deletes what was proven to lie inside,
// whatever has since taken its name. A folder still holding anything, and a
// read-only file, refuse.
bool DeleteOpened(HANDLE handle) {
    FILE_DISPOSITION_INFO disposition{TRUE};
    return SetFileInformationByHandle(handle, FileDispositionInfo, &disposition, sizeof(disposition)) != FALSE;
}

// True when the attributes of what is open are its own: a folder's, or a
// file's that has no other name (hard link) that could lie anywhere.
bool AttributesAreItsOwn(HANDLE handle) {
    BY_HANDLE_FILE_INFORMATION info{};
    if (!GetFileInformationByHandle(handle, &info)) return false;
    return (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0 || info.nNumberOfLinks == 1;
}

std::string FinalPathOf(HANDLE handle) {
    std::wstring path(MAX_PATH, L'\0');
    for (int attempt = 0; attempt < 2; ++attempt) {
        const DWORD length = GetFinalPathNameByHandleW(handle, path.data(), static_cast<DWORD>(path.size()),
                                                       FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
        if (length == 0) return {};
        if (length < path.size()) {
            path.resize(length);
            return Narrow(path);
        }
        path.resize(length + 1);
    }
    return {};
}

class Handle {
public:
    explicit Handle(HANDLE handle) : handle_(handle) {}
    ~Handle() {
        if (Valid()) CloseHandle(handle_);
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    bool Valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return handle_; }

private:
    HANDLE handle_;
};

std::string ShellFolder(int csidl) {
    wchar_t path[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathW(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path))) return {};
    return Narrow(path);
}

}  // namespace

// ---- ConfinedFolder ----

ConfinedFolder::ConfinedFolder(const std::string& folder) : folder_(folder) {
    const std::wstring path = SystemPath(folder);
    if (path.empty()) return;
    const Handle handle(CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES, kShareAll, nullptr, OPEN_EXISTING,
                                    FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (handle.Valid()) final_ = FinalPathOf(handle.get());
}

HANDLE ConfinedFolder::OpenInside(const std::string& path, DWORD access) const {
    if (final_.empty() || !PathLiesInside(path, folder_)) return INVALID_HANDLE_VALUE;
    HANDLE handle = OpenItself(SystemPath(path), access);
    if (handle == INVALID_HANDLE_VALUE) return handle;
    FILE_ATTRIBUTE_TAG_INFO tag{};
    const bool link = !GetFileInformationByHandleEx(handle, FileAttributeTagInfo, &tag, sizeof(tag)) ||
                      (tag.FileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
    if (link || !PathLiesInside(FinalPathOf(handle), final_)) {
        CloseHandle(handle);
        return INVALID_HANDLE_VALUE;
    }
    return handle;
}

std::vector<FolderEntry> ConfinedFolder::List(const std::string& folder) {
    std::vector<FolderEntry> entries;
    // The folder being emptied, or a folder proven to lie inside it.
    if (final_.empty()) return entries;
    if (!SameFolder(folder, folder_)) {
        const Handle inside(OpenInside(folder, 0));
        if (!inside.Valid()) return entries;
    }
    const std::wstring base = SystemPath(folder) + L'\\';
    if (base.size() == 1) return entries;
    WIN32_FIND_DATAW found;
    HANDLE search =
        FindFirstFileExW((base + L'*').c_str(), FindExInfoBasic, &found, FindExSearchNameMatch, nullptr, 0);
    if (search == INVALID_HANDLE_VALUE) return entries;
    do {
        const std::wstring_view name = found.cFileName;
        if (name == L"." || name == L"..") continue;
        FolderEntry entry{Narrow(name), found.dwFileAttributes};
        if (!(entry.attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT))) {
            const Handle file(OpenItself(base + found.cFileName, 0));
            BY_HANDLE_FILE_INFORMATION info{};
            if (file.Valid() && GetFileInformationByHandle(file.get(), &info)) entry.links = info.nNumberOfLinks;
        }
        entries.push_back(std::move(entry));
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return entries;
}

bool ConfinedFolder::SetAttributes(const std::string& path, uint32_t attributes) {
    const Handle handle(OpenInside(path, FILE_WRITE_ATTRIBUTES));
    // A file's other names share its attributes, wherever they lie.
    if (!handle.Valid() || !AttributesAreItsOwn(handle.get())) return false;
    FILE_BASIC_INFO info{};  // times of 0 stay as they are
    info.FileAttributes = attributes & kSettableAttributes;
    if (info.FileAttributes == 0) info.FileAttributes = FILE_ATTRIBUTE_NORMAL;
    return SetFileInformationByHandle(handle.get(), FileBasicInfo, &info, sizeof(info)) != FALSE;
}

bool ConfinedFolder::Remove(const std::string& path) {
    const Handle handle(OpenInside(path, DELETE));
    return handle.Valid() && DeleteOpened(handle.get());
}

bool ConfinedFolder::RemoveKeepingAttributes(const std::string& path) {
    const Handle handle(OpenInside(path, DELETE));
    if (!handle.Valid()) return false;
    DispositionInfoEx ignoringReadOnly{kDispositionDelete | kDispositionPosixSemantics | kDispositionIgnoreReadOnly};
    if (SetFileInformationByHandle(handle.get(), kFileDispositionInfoEx, &ignoringReadOnly, sizeof(ignoringReadOnly))) {
        return true;
    }
    // A system that cannot (before Windows 10 1809, and Wine) still deletes
    // a file that is not read-only; a read-only one stays.
    return DeleteOpened(handle.get());
}

// ---- SystemCleanupPlaces ----

std::string SystemCleanupPlaces::RecentFolderInRegistry() const {
    wchar_t path[MAX_PATH + 1] = {};
    DWORD size = sizeof(path);
    if (RegGetValueW(HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders",
                     L"Recent", RRF_RT_REG_SZ, nullptr, path, &size) != ERROR_SUCCESS) {
        return {};
    }
    return Narrow(path);
}

std::string SystemCleanupPlaces::RecentFolderOfShell() const { return ShellFolder(CSIDL_RECENT); }

std::string SystemCleanupPlaces::TemporaryFolder() const {
    wchar_t path[MAX_PATH + 1] = {};
    const DWORD length = GetTempPathW(MAX_PATH + 1, path);
    // A path that does not fit comes back as the size it needs.
    if (length == 0 || length > MAX_PATH) return {};
    return Narrow(path);
}

std::vector<std::string> SystemCleanupPlaces::KeptFolders() const {
    std::vector<std::string> kept;
    wchar_t windows[MAX_PATH + 1] = {};
    const UINT length = GetWindowsDirectoryW(windows, MAX_PATH + 1);
    if (length > 0 && length <= MAX_PATH) kept.push_back(Narrow(windows));
    for (int csidl : {CSIDL_PROFILE, CSIDL_DESKTOPDIRECTORY, CSIDL_PERSONAL, CSIDL_APPDATA, CSIDL_LOCAL_APPDATA,
                      CSIDL_PROGRAM_FILES}) {
        std::string folder = ShellFolder(csidl);
        if (!folder.empty()) kept.push_back(std::move(folder));
    }
    // Zenka's own folder, with its icons and the day lists' backup.
    const std::string own = ExecutableDirectory();
    if (!own.empty()) kept.push_back(own);
    return kept;
}

std::unique_ptr<CleanupFolder> SystemCleanupPlaces::Open(const std::string& folder) {
    return std::make_unique<ConfinedFolder>(folder);
}

}  // namespace zenka
