// The sync tab's list of servers, one URL a line, and the settings it is
// kept in.
#include "timesync/time_servers.h"

#include <gtest/gtest.h>

namespace zenka {
namespace {

TEST(ServerList, LinesGoToServerAndTheFourAfterItBlanksDroppedAndBackOneALine) {
    const struct {
        const char* text;
        const char* server;
        std::array<std::string, 4> more;
        const char* shown;  // the list as the tab shows it again
    } cases[] = {
        {"https://a.jp/", "https://a.jp/", {"", "", "", ""}, "https://a.jp/"},
        {" https://a.jp/ \r\n\r\n\thttp://b.jp/x?y\r\n", "https://a.jp/", {"http://b.jp/x?y", "", "", ""},
         "https://a.jp/\r\nhttp://b.jp/x?y"},
        {"1\n2\n3\n4\n5\n6\n7", "1", {"2", "3", "4", "5"}, "1\r\n2\r\n3\r\n4\r\n5"},
        {"", "", {"", "", "", ""}, ""},
        {"\r\n \r\n", "", {"", "", "", ""}, ""},
    };
    for (const auto& c : cases) {
        AppSettings::Sync sync;
        StoreServerListText(sync, c.text);
        EXPECT_EQ(sync.server, c.server) << c.text;
        EXPECT_EQ(sync.moreServers, c.more) << c.text;
        EXPECT_EQ(ServerListText(sync), c.shown) << c.text;
    }
    // Blank values between stored ones are passed over.
    AppSettings::Sync stored;
    stored.server = "";
    stored.moreServers = {"", " https://c.jp/", "", "https://d.jp/"};
    EXPECT_EQ(SyncServers(stored), (std::vector<std::string>{"https://c.jp/", "https://d.jp/"}));
}

}  // namespace
}  // namespace zenka
