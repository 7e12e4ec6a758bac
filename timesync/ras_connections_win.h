// The system's dial-up connections, from the Remote Access Service
// (RASAPI32.DLL, loaded on first use). A system without it, or without its
// functions, has no connections.
#pragma once

#include <windows.h>

#include "timesync/dial_up.h"

namespace zenka {

class RasConnections : public DialUpConnections {
public:
    RasConnections() = default;
    ~RasConnections() override;
    RasConnections(const RasConnections&) = delete;
    RasConnections& operator=(const RasConnections&) = delete;

    std::optional<uintptr_t> FirstConnection() override;
    std::optional<uint32_t> ConnectState(uintptr_t connection) override;

private:
    bool Load();

    bool tried_ = false;
    HMODULE library_ = nullptr;
    FARPROC enumConnections_ = nullptr;
    FARPROC getConnectStatus_ = nullptr;
};

}  // namespace zenka
