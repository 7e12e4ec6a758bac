#include "timesync/time_servers.h"

namespace zenka {
namespace {

std::string_view Trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

}  // namespace

std::vector<std::string> SyncServers(const AppSettings::Sync& sync) {
    std::vector<std::string> servers;
    const auto add = [&](std::string_view url) {
        url = Trimmed(url);
        if (!url.empty()) servers.emplace_back(url);
    };
    add(sync.server);
    for (const std::string& url : sync.moreServers) add(url);
    return servers;
}

std::string ServerListText(const AppSettings::Sync& sync) {
    std::string text;
    for (const std::string& url : SyncServers(sync)) text += (text.empty() ? "" : "\r\n") + url;
    return text;
}

void StoreServerListText(AppSettings::Sync& sync, std::string_view text) {
    std::vector<std::string> lines;
    while (!text.empty() && lines.size() < kMaxTimeServers) {
        const size_t end = text.find('\n');
        const std::string_view line = Trimmed(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (!line.empty()) lines.emplace_back(line);
    }
    lines.resize(kMaxTimeServers);
    sync.server = lines[0];
    for (size_t i = 0; i < sync.moreServers.size(); ++i) sync.moreServers[i] = lines[i + 1];
}

}  // namespace zenka
