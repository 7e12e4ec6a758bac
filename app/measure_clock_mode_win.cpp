#include "app/measure_clock_mode_win.h"

#include <windows.h>

#include <optional>

#include "app/registry_key_store_win.h"
#include "app/settings_bulk.h"
#include "common/utf16_win.h"
#include "timesync/measure_clock_command.h"
#include "timesync/offset_text.h"
#include "timesync/time_sync.h"
#include "timesync/win_probe_clock_win.h"
#include "timesync/win_probe_transport_win.h"

namespace zenka {
namespace {

// A line on the console as text of the console, or as UTF-8 where the
// output goes to a file or a pipe.
void WriteLine(HANDLE out, const std::string& line) {
    if (out == nullptr || out == INVALID_HANDLE_VALUE) return;
    DWORD mode = 0;
    DWORD written = 0;
    if (GetConsoleMode(out, &mode)) {
        const std::wstring wide = Widen(line) + L"\r\n";
        WriteConsoleW(out, wide.c_str(), static_cast<DWORD>(wide.size()), &written, nullptr);
    } else {
        const std::string bytes = line + "\r\n";
        WriteFile(out, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    }
}

// The Sync section as stored, read without writing anything.
AppSettings::Sync StoredSyncSettings() {
    AppSettings settings;
    RegistryKeyStore keys;
    if (!keys.IsOpen()) return settings.sync;
    SettingsStore store(keys);
    DayLists lists;
    LoadAllSettings(store, "", settings, lists);
    return settings.sync;
}

}  // namespace

int RunMeasureClockMode(const std::vector<std::string>& arguments) {
    // A program of the window subsystem has no console of its own; the one
    // it was started from, where there is one, shows the lines. Where the
    // output was sent elsewhere (a file, a pipe), the handle is already set.
    HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    if (out == nullptr || out == INVALID_HANDLE_VALUE) {
        if (AttachConsole(ATTACH_PARENT_PROCESS)) {
            out = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, 0, nullptr);
        }
    }

    AppSettings::Sync sync = StoredSyncSettings();
    std::optional<ClockMeasureRequest> request = SyncMeasureRequest(sync);
    if (!request) {
        WriteLine(out, std::string("失敗: ") + sync_reason::kProxyText);
        return kMeasureClockFailed;
    }
    const std::vector<std::string> named = MeasureClockServers(arguments);
    if (!named.empty()) request->servers = named;

    MeasurementCancel cancel;
    WinProbeClock clock(cancel);
    WinHttpProbeTransport transport(clock, cancel);
    const ClockMeasurement measurement = MeasureClock(*request, transport, clock);
    for (const std::string& line : MeasurementLines(measurement)) WriteLine(out, line);
    return MeasureClockExitCode(measurement);
}

}  // namespace zenka
