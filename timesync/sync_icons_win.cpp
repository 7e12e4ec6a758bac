#include "timesync/sync_icons_win.h"

#include "timesync/sync_icon_ids.h"

namespace zenka {

HICON LoadSyncIcon(SyncImage image) {
    int id = IDI_SYNC_BUSY;
    if (image == SyncImage::Failed) id = IDI_SYNC_FAILED;
    if (image == SyncImage::Succeeded) id = IDI_SYNC_SUCCEEDED;
    // The size the date icons are loaded at, so the pictures swap in place.
    return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_ICON,
                                         GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON),
                                         LR_DEFAULTCOLOR));
}

}  // namespace zenka
