// A program started by a test: waited for, and ended at the end of the test
// if it is still running.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>

namespace zenka::testing {

constexpr DWORD kProcessPatience = 15000;  // ms; Wine can be slow to start a process

// The path of a program of the build tree, given relative to the test
// program's folder.
inline std::wstring BesideTests(const std::wstring& relativePath) {
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    const std::wstring path(self);
    return path.substr(0, path.find_last_of(L"\\/") + 1) + relativePath;
}

// Polls the condition until it holds or the patience runs out.
inline bool WaitUntil(const std::function<bool()>& condition) {
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < kProcessPatience) {
        if (condition()) return true;
        Sleep(20);
    }
    return condition();
}

class TestProcess {
public:
    // Without a working folder the process starts in the test's own.
    explicit TestProcess(std::wstring commandLine, const wchar_t* workingFolder = nullptr) {
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        started_ = CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, workingFolder,
                                  &startup, &info_) != FALSE;
        if (started_) CloseHandle(info_.hThread);
    }
    ~TestProcess() {
        if (!started_) return;
        if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(info_.hProcess, 99);
        CloseHandle(info_.hProcess);
    }
    TestProcess(const TestProcess&) = delete;
    TestProcess& operator=(const TestProcess&) = delete;

    bool Started() const { return started_; }
    bool Ended() const { return WaitForSingleObject(info_.hProcess, 0) == WAIT_OBJECT_0; }
    DWORD Id() const { return info_.dwProcessId; }

    // The exit code once the process has ended, or nothing when it does not.
    std::optional<DWORD> WaitForExit(DWORD milliseconds = kProcessPatience) const {
        if (WaitForSingleObject(info_.hProcess, milliseconds) != WAIT_OBJECT_0) return std::nullopt;
        DWORD code = 0;
        GetExitCodeProcess(info_.hProcess, &code);
        return code;
    }

private:
    PROCESS_INFORMATION info_{};
    bool started_ = false;
};

}  // namespace zenka::testing
