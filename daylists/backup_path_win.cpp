#include "daylists/backup_path_win.h"

#include "common/executable_path_win.h"
#include "daylists/day_list_storage.h"

namespace zenka {

std::string ExecutableBackupPath() {
    const std::string path = ExecutablePath();
    return path.empty() ? std::string() : BackupPathFor(path);
}

}  // namespace zenka
