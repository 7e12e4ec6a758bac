// The list of time servers in the settings: Sync/Server, then up to four
// more, as the sync tab shows them, one URL a line.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "common/app_settings.h"

namespace zenka {

// The servers to ask, in order: every URL that is not empty, blanks
// around it removed.
std::vector<std::string> SyncServers(const AppSettings::Sync& sync);

// One URL a line, CR LF between them.
std::string ServerListText(const AppSettings::Sync& sync);

// The lines that are not blank, blanks around them removed, the first to
// Server and the next four to the others; lines beyond them are dropped.
void StoreServerListText(AppSettings::Sync& sync, std::string_view text);

}  // namespace zenka
