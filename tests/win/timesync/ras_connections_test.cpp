// Dial-up connections from the system's RASAPI32, loaded at run time: Wine
// has the library and no connections.
#include "timesync/ras_connections_win.h"

#include <gtest/gtest.h>

namespace zenka {
namespace {

TEST(RasConnections, AnswersNotConnectedWhereNoConnectionIsUp) {
    RasConnections ras;
    EXPECT_FALSE(ras.FirstConnection().has_value());
    EXPECT_NE(ras.ConnectState(0x1234), kRasConnected) << "an unknown handle is never up";
    EXPECT_FALSE(DialUpConnected(ras));
    EXPECT_FALSE(DialUpConnected(ras)) << "asked again, with the library loaded once";
}

}  // namespace
}  // namespace zenka
