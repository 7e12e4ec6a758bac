// What the last synchronisation attempt found, kept in memory for the
// settings dialog to show.
#pragma once

#include <optional>
#include <string>

#include "calendar/julius.h"

namespace zenka {

struct SyncReport {
    DateTime finishedAt;  // local time the attempt ended
    bool succeeded = false;
    std::string reason;  // why it failed, in plain Japanese; empty on success
    // Server time minus the local clock before it was set, in seconds,
    // when the server's time was read.
    std::optional<double> offsetSeconds;
};

}  // namespace zenka
