// Folders the clean-up tests make for themselves, beside the test program,
// and fill with files, folders and symbolic links. Nothing else is ever
// given to the clean-up.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "app/startup_cleanup_win.h"
#include "common/utf16_win.h"

namespace zenka::testing {

// Wine's own call for the host path of a Windows path; null elsewhere.
inline std::string HostPathOf(const std::string& path) {
    using HostPathFn = char*(__cdecl*)(const wchar_t*);
    static const auto hostPath = reinterpret_cast<HostPathFn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
    if (!hostPath) return {};
    char* text = hostPath(Widen(path).c_str());
    if (!text) return {};
    std::string result = text;
    HeapFree(GetProcessHeap(), 0, text);
    return result;
}

inline bool Exists(const std::string& path) { return GetFileAttributesW(Widen(path).c_str()) != INVALID_FILE_ATTRIBUTES; }

// Runs a program of the host system (under Wine) and waits, up to five
// seconds, until done() says it has done its work: Wine cannot wait for a
// host process itself.
template <class Done>
void RunHostProgram(const wchar_t* program, const std::vector<std::string>& arguments, Done done) {
    std::wstring command = program;
    for (const std::string& argument : arguments) command += L" \"" + Widen(argument) + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(program, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        ADD_FAILURE() << "cannot start " << Narrow(program);
        return;
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    for (DWORD start = GetTickCount(); !done() && GetTickCount() - start < 5000;) Sleep(10);
}

class Sandbox {
public:
    // Tests in other prefixes run beside this one, with process numbers of
    // their own that may equal this one's: the first free name is taken.
    Sandbox() {
        wchar_t here[MAX_PATH] = {};
        GetCurrentDirectoryW(MAX_PATH, here);
        for (int count = 1;; ++count) {
            path_ = Narrow(here) + "\\zenka-sandbox-" + std::to_string(GetCurrentProcessId()) + "-" +
                    std::to_string(count);
            if (CreateDirectoryW(Widen(path_).c_str(), nullptr)) return;
            if (GetLastError() != ERROR_ALREADY_EXISTS) break;
        }
        ADD_FAILURE() << "cannot make " << path_;
    }
    ~Sandbox() { RemoveAll(); }
    Sandbox(const Sandbox&) = delete;
    Sandbox& operator=(const Sandbox&) = delete;

    const std::string& Path() const { return path_; }
    std::string Path(const std::string& inner) const { return path_ + "\\" + inner; }
    // The path as the system takes it, unresolved: names ending in a dot or
    // a blank, device names and long paths are made and read as they are.
    std::wstring Exact(const std::string& inner) const { return L"\\\\?\\" + Widen(Path(inner)); }

    void File(const std::string& inner, DWORD attributes = 0, const std::string& text = "zenka") {
        HANDLE file = CreateFileW(Exact(inner).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL,
                                  nullptr);
        ASSERT_NE(file, INVALID_HANDLE_VALUE) << inner;
        DWORD written = 0;
        WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
        CloseHandle(file);
        if (attributes) SetFileAttributesW(Exact(inner).c_str(), attributes);
    }
    void Folder(const std::string& inner) { ASSERT_TRUE(CreateDirectoryW(Exact(inner).c_str(), nullptr)) << inner; }
    // A second name, inner, for a file elsewhere.
    void HardLink(const std::string& inner, const std::string& target) {
        ASSERT_TRUE(CreateHardLinkW(Exact(inner).c_str(), (L"\\\\?\\" + Widen(target)).c_str(), nullptr)) << inner;
    }
    DWORD Attributes(const std::string& inner) const { return GetFileAttributesW(Exact(inner).c_str()); }
    // A symbolic link at inner to target, made as the host makes them.
    void Link(const std::string& inner, const std::string& target) {
        const std::string link = Path(inner);
        RunHostProgram(L"Z:\\bin\\ln", {"-s", HostPathOf(target), HostPathOf(path_) + "/" + inner},
                       [&link] { return Exists(link); });
        ASSERT_TRUE(Exists(Path(inner))) << "no link " << inner;
    }
    std::string Text(const std::string& inner) const {
        HANDLE file = CreateFileW(Exact(inner).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0,
                                  nullptr);
        if (file == INVALID_HANDLE_VALUE) return "(missing)";
        char buffer[64] = {};
        DWORD read = 0;
        ReadFile(file, buffer, sizeof(buffer), &read, nullptr);
        CloseHandle(file);
        return std::string(buffer, read);
    }
    // Every entry below the folder, by its path inside it, sorted. Links
    // are listed but not entered.
    std::vector<std::string> Entries() const {
        std::vector<std::string> entries;
        Collect("", entries);
        std::sort(entries.begin(), entries.end());
        return entries;
    }

private:
    void Collect(const std::string& prefix, std::vector<std::string>& entries) const {
        WIN32_FIND_DATAW found;
        HANDLE search = FindFirstFileW(Exact(prefix + "*").c_str(), &found);
        if (search == INVALID_HANDLE_VALUE) return;
        do {
            const std::string name = Narrow(found.cFileName);
            if (name == "." || name == "..") continue;
            entries.push_back(prefix + name);
            const DWORD a = found.dwFileAttributes;
            if ((a & FILE_ATTRIBUTE_DIRECTORY) && !(a & FILE_ATTRIBUTE_REPARSE_POINT)) Collect(prefix + name + "\\", entries);
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }

    // The host removes links as links; a Windows deletion could reach their
    // targets.
    void RemoveAll() {
        const std::string host = HostPathOf(path_);
        if (host.find("/zenka-sandbox-") == std::string::npos) return;
        RunHostProgram(L"Z:\\bin\\rm", {"-rf", host}, [this] { return !Exists(path_); });
    }

    std::string path_;
};

// The clean-up's folders, pointed at sandboxes; empty ones are never
// emptied, so a test that sets none touches nothing.
class SandboxPlaces : public CleanupPlaces {
public:
    std::string RecentFolderInRegistry() const override { return recent; }
    std::string RecentFolderOfShell() const override { return recent; }
    std::string TemporaryFolder() const override { return temporary; }
    std::vector<std::string> KeptFolders() const override { return {}; }
    std::unique_ptr<CleanupFolder> Open(const std::string& folder) override {
        return std::make_unique<ConfinedFolder>(folder);
    }

    std::string recent;
    std::string temporary;
};

}  // namespace zenka::testing
