#include "daylists/backup_path_win.h"

#include <windows.h>

#include "common/utf16_win.h"
#include "daylists/day_list_storage.h"

namespace zenka {

std::string ExecutableBackupPath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return {};
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);  // cut short: try a larger buffer
    }
    return BackupPathFor(Narrow(path));
}

}  // namespace zenka
