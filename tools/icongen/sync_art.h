// The three pictures of a clock synchronisation, put on the tray icons
// while it runs and for a second after: a round clock face with a black rim
// and black hands, the face dithered yellow and white while in progress,
// red after a failure and green after a success.
#pragma once

#include <array>
#include <filesystem>

#include "tools/icongen/bitmap.h"

namespace zenka::icongen {

enum class SyncPicture { InProgress, Failed, Succeeded };

struct SyncIconFile {
    const char* name;
    SyncPicture picture;
};

// sync_busy.ico, sync_failed.ico, sync_succeeded.ico.
const std::array<SyncIconFile, 3>& SyncIconFiles();

// The picture at one of IconSizes(). The face is a whole number of pixels
// across, the hands are upright and level strokes of whole pixels, and
// only the rim's outer edge is partly transparent.
Image DrawSyncIcon(SyncPicture picture, int size);

// Writes the three files, every size in each, into the folder, creating
// it; throws std::runtime_error naming what it could not write.
void WriteSyncIcons(const std::filesystem::path& folder);

}  // namespace zenka::icongen
