// Whether a dial-up connection is up, for the "dial-up only" setting. The
// system is asked afresh each time about the first connection it lists, so
// a connection made after an earlier one ended counts; nothing here hangs
// up a connection.
#pragma once

#include <cstdint>
#include <optional>

namespace zenka {

// The state RAS reports for a connection that is up.
inline constexpr uint32_t kRasConnected = 0x2000;

// The system's dial-up connections. Where the system has no dial-up
// service, there are none.
class DialUpConnections {
public:
    virtual ~DialUpConnections() = default;
    // The handle of the first active connection, if any.
    virtual std::optional<uintptr_t> FirstConnection() = 0;
    // The connection's state, or nothing when the system cannot tell (an
    // ended connection, say).
    virtual std::optional<uint32_t> ConnectState(uintptr_t connection) = 0;
};

inline bool DialUpConnected(DialUpConnections& connections) {
    const std::optional<uintptr_t> first = connections.FirstConnection();
    return first && connections.ConnectState(*first) == kRasConnected;
}

}  // namespace zenka
