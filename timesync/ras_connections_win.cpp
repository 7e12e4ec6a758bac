#include "timesync/ras_connections_win.h"

#include <ras.h>
#include <raserror.h>

#include <vector>

namespace zenka {
namespace {

using EnumConnectionsFn = DWORD(WINAPI*)(LPRASCONNW, LPDWORD, LPDWORD);
using GetConnectStatusFn = DWORD(WINAPI*)(HRASCONN, LPRASCONNSTATUSW);

template <class Fn>
Fn As(FARPROC proc) {
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(proc));
}

}  // namespace

RasConnections::~RasConnections() {
    // Connections are left as they are: Zenka dials none, so it hangs up
    // none.
    if (library_) FreeLibrary(library_);
}

bool RasConnections::Load() {
    if (!tried_) {
        tried_ = true;
        library_ = LoadLibraryExW(L"rasapi32.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
        if (library_) {
            enumConnections_ = GetProcAddress(library_, "RasEnumConnectionsW");
            getConnectStatus_ = GetProcAddress(library_, "RasGetConnectStatusW");
        }
    }
    return enumConnections_ && getConnectStatus_;
}

std::optional<uintptr_t> RasConnections::FirstConnection() {
    if (!Load()) return std::nullopt;
    std::vector<RASCONNW> connections(4);
    for (int attempt = 0; attempt < 2; ++attempt) {
        connections[0].dwSize = sizeof(RASCONNW);
        DWORD bytes = static_cast<DWORD>(connections.size() * sizeof(RASCONNW));
        DWORD count = 0;
        const DWORD result = As<EnumConnectionsFn>(enumConnections_)(connections.data(), &bytes, &count);
        if (result == ERROR_BUFFER_TOO_SMALL) {
            // More connections than room: again with room for all of them.
            connections.resize(bytes / sizeof(RASCONNW) + 1);
            continue;
        }
        if (result != ERROR_SUCCESS || count == 0) return std::nullopt;
        return reinterpret_cast<uintptr_t>(connections[0].hrasconn);
    }
    return std::nullopt;
}

std::optional<uint32_t> RasConnections::ConnectState(uintptr_t connection) {
    if (!Load()) return std::nullopt;
    RASCONNSTATUSW status{};
    status.dwSize = sizeof(status);
    if (As<GetConnectStatusFn>(getConnectStatus_)(reinterpret_cast<HRASCONN>(connection), &status) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    return static_cast<uint32_t>(status.rasconnstate);
}

}  // namespace zenka
