// Where the build puts the Icon folder (beside zenka.exe), found from the
// test program's own place in the build tree.
#pragma once

#include <windows.h>

#include <string>

namespace zenka {

// The folder that holds "Icon", with a trailing backslash: what the
// application calls its directory.
inline std::wstring AppDirOfIcons() {
    wchar_t self[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring folder(self, length);
    folder.resize(folder.find_last_of(L"\\/") + 1);
    for (wchar_t c : std::wstring(L"" ZENKA_ICON_DIR_FROM_TESTS)) folder += c == L'/' ? L'\\' : c;
    // The relative path ends in the Icon folder itself.
    folder.resize(folder.find_last_of(L'\\') + 1);
    return folder;
}

// The Icon folder, with a trailing backslash.
inline std::wstring IconFolder() { return AppDirOfIcons() + L"Icon\\"; }

}  // namespace zenka
