// The clock synchronisation's pictures, from the program's resources.
#pragma once

#include <windows.h>

#include "timesync/time_sync.h"

namespace zenka {

// The image at the size of a notification-area icon; the caller destroys
// it. Null when the program carries no such resource.
HICON LoadSyncIcon(SyncImage image);

}  // namespace zenka
