// Whole-file reads and writes on the Win32 file API. The program's own build
// uses this in place of the standard-library version: the standard streams
// bring the locale machinery along, several hundred kilobytes for two small
// files.
#include "common/whole_file.h"

#include <windows.h>

#include <algorithm>
#include <utility>

#include "common/utf16_win.h"

namespace zenka {
namespace {

class FileHandle {
public:
    explicit FileHandle(HANDLE handle) : handle_(handle) {}
    ~FileHandle() { Close(); }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    bool Valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return handle_; }
    bool Close() {
        if (!Valid()) return true;
        const bool closed = CloseHandle(handle_) != FALSE;
        handle_ = INVALID_HANDLE_VALUE;
        return closed;
    }

private:
    HANDLE handle_;
};

bool WriteAll(HANDLE file, std::string_view bytes) {
    while (!bytes.empty()) {
        const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size(), 1u << 20));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0) return false;
        bytes.remove_prefix(written);
    }
    return true;
}

std::wstring FreshName(const std::wstring& target, int n) { return target + Widen(FreshNameSuffix(n)); }

// The new files earlier replacements left behind; false when one stays.
bool RemoveLeftovers(const std::wstring& target) {
    bool removed = true;
    for (int n = 0; n < kFreshNameTries; ++n) {
        const std::wstring fresh = FreshName(target, n);
        const DWORD attributes = GetFileAttributesW(fresh.c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES ||
            (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT))) {
            continue;
        }
        removed = DeleteFileW(fresh.c_str()) && removed;
    }
    return removed;
}

// Writes the bytes to a file of a new name beside the target, never over a
// file that is there already; its name, or why not.
FileReplacement::Outcome WriteFreshFileBeside(const std::wstring& target, std::string_view bytes,
                                              std::wstring& fresh) {
    for (int n = 0; n < kFreshNameTries; ++n) {
        fresh = FreshName(target, n);
        FileHandle file(
            CreateFileW(fresh.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file.Valid()) {
            if (GetLastError() == ERROR_FILE_EXISTS || GetLastError() == ERROR_ALREADY_EXISTS) continue;
            return FileReplacement::NotWritten;
        }
        // On disk before it takes the old file's place.
        const bool written = WriteAll(file.Get(), bytes) && FlushFileBuffers(file.Get());
        if (!file.Close() || !written) {
            DeleteFileW(fresh.c_str());  // nothing more to do when even this fails
            return FileReplacement::NotWritten;
        }
        return FileReplacement::Replaced;
    }
    return FileReplacement::NoFreshName;
}

}  // namespace

FileReading ReadWholeFileOrWhyNot(const std::string& path) {
    const std::wstring wide = Widen(path);
    if (wide.empty()) return {FileReading::Missing, {}};
    FileHandle file(CreateFileW(wide.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid()) {
        // Only these say that nothing is there; a sharing violation, a
        // denied access or a folder in the file's place do not.
        const DWORD error = GetLastError();
        const bool missing = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
        return {missing ? FileReading::Missing : FileReading::Unreadable, {}};
    }
    LARGE_INTEGER size{};
    if (GetFileType(file.Get()) != FILE_TYPE_DISK || !GetFileSizeEx(file.Get(), &size) || size.QuadPart < 0 ||
        static_cast<unsigned long long>(size.QuadPart) > std::string().max_size()) {
        return {FileReading::Unreadable, {}};
    }
    std::string bytes;
    bytes.resize(static_cast<size_t>(size.QuadPart));
    size_t done = 0;
    while (done < bytes.size()) {
        const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1u << 20));
        DWORD read = 0;
        if (!ReadFile(file.Get(), bytes.data() + done, chunk, &read, nullptr)) return {FileReading::Unreadable, {}};
        if (read == 0) break;  // the file got shorter meanwhile
        done += read;
    }
    bytes.resize(done);
    return {FileReading::Read, std::move(bytes)};
}

bool MakeParentFolder(const std::string& path) {
    const std::wstring wide = Widen(path);
    const size_t slash = wide.find_last_of(L"\\/");
    if (slash == std::wstring::npos || slash == 0) return false;
    const std::wstring folder = wide.substr(0, slash);
    const DWORD attributes = GetFileAttributesW(folder.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES) return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    // The folder above first; a drive or share root is there or not.
    if (!MakeParentFolder(Narrow(folder))) return false;
    return CreateDirectoryW(folder.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS;
}

FileReplacement ReplaceWholeFile(const std::string& path, std::string_view bytes) {
    const std::wstring target = Widen(path);
    if (target.empty()) return {FileReplacement::NotWritten};
    // A file marked read-only is not to be written, and replacing it would
    // get round that.
    const DWORD attributes = GetFileAttributesW(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY))) {
        return {FileReplacement::ReadOnly};
    }
    std::wstring fresh;
    FileReplacement::Outcome outcome = WriteFreshFileBeside(target, bytes, fresh);
    if (outcome == FileReplacement::NoFreshName && RemoveLeftovers(target)) {
        outcome = WriteFreshFileBeside(target, bytes, fresh);
    }
    if (outcome != FileReplacement::Replaced) return {outcome};
    if (!MoveFileExW(fresh.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        DeleteFileW(fresh.c_str());  // the old file stands; the new one is only litter
        return {FileReplacement::NotMoved};
    }
    RemoveLeftovers(target);
    return {};
}

}  // namespace zenka
