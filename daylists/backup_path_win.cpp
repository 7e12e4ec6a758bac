#include "daylists/backup_path_win.h"

#include <windows.h>
#include <shlobj.h>

#include "common/executable_path_win.h"
#include "common/utf16_win.h"
#include "daylists/day_list_storage.h"

namespace zenka {

std::string ExecutableBackupPath() {
    const std::string path = ExecutablePath();
    return path.empty() ? std::string() : BackupPathFor(path);
}

std::string AppDataBackupPath() {
    wchar_t folder[MAX_PATH];
    if (SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, folder) != S_OK) return {};
    return Narrow(std::wstring(folder) + L"\\Zenka\\zenka.bak");
}

std::string NewestBackup(const std::vector<std::string>& places) {
    std::string newest = places.empty() ? std::string() : places.front();
    ULONGLONG newestTime = 0;
    for (const std::string& place : places) {
        WIN32_FILE_ATTRIBUTE_DATA data;
        if (place.empty() || !GetFileAttributesExW(Widen(place).c_str(), GetFileExInfoStandard, &data) ||
            (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
            continue;
        }
        const ULONGLONG time = (static_cast<ULONGLONG>(data.ftLastWriteTime.dwHighDateTime) << 32) |
                               data.ftLastWriteTime.dwLowDateTime;
        if (newestTime == 0 || time > newestTime) {
            newest = place;
            newestTime = time;
        }
    }
    return newest;
}

}  // namespace zenka
