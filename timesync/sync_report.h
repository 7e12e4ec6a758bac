// What the last synchronisation attempt found, kept in memory for the
// settings dialog to show.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "calendar/julius.h"

namespace zenka {

struct SyncReport {
    DateTime finishedAt;  // local time the attempt ended
    bool succeeded = false;
    std::string reason;  // why it failed, in plain Japanese; empty on success
    // Server time minus the local clock before it was set, in seconds,
    // when the server's time was read; the adjustment is part of it.
    std::optional<double> offsetSeconds;
    // How far the server time may be from the one measured, when known.
    std::optional<double> boundSeconds = std::nullopt;
    std::vector<std::string> servers = {};  // those whose time was used
};

}  // namespace zenka
