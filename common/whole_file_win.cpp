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

bool ReplaceWholeFile(const std::string& path, std::string_view bytes) {
    const std::wstring target = Widen(path);
    if (target.empty()) return false;
    // A file marked read-only is not to be written, and replacing it would
    // get round that.
    const DWORD attributes = GetFileAttributesW(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY))) {
        return false;
    }
    // A new name each time one is taken: never over a file that is there
    // already (a user's own "name~").
    std::wstring fresh;
    for (int n = 0; fresh.empty(); ++n) {
        if (n == kFreshNameTries) return false;
        const std::wstring name = target + Widen(FreshNameSuffix(n));
        FileHandle file(
            CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file.Valid()) {
            if (GetLastError() == ERROR_FILE_EXISTS || GetLastError() == ERROR_ALREADY_EXISTS) continue;
            return false;
        }
        // On disk before it takes the old file's place.
        const bool written = WriteAll(file.Get(), bytes) && FlushFileBuffers(file.Get());
        if (!file.Close() || !written) {
            DeleteFileW(name.c_str());  // nothing more to do when even this fails
            return false;
        }
        fresh = name;
    }
    if (!MoveFileExW(fresh.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        DeleteFileW(fresh.c_str());  // the old file stands; the new one is only litter
        return false;
    }
    return true;
}

}  // namespace zenka
