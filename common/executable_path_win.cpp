#include "common/executable_path_win.h"

#include <windows.h>

#include "common/utf16_win.h"

namespace zenka {

std::string ExecutablePath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return {};
        if (length < path.size()) {
            path.resize(length);
            return Narrow(path);
        }
        path.resize(path.size() * 2);  // cut short: try a larger buffer
    }
}

std::string ExecutableDirectory() {
    const std::string path = ExecutablePath();
    return path.substr(0, path.find_last_of("\\/") + 1);
}

}  // namespace zenka
