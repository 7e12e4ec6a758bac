// Zenka's entry point: one instance per session, the hidden main window
// (its creation is the start-up), and the message loop until it closes.
// The two command-line modes, setting the clock and measuring it, run
// instead of all that.
#include <windows.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "app/main_window_win.h"
#include "app/measure_clock_mode_win.h"
#include "app/single_instance_win.h"
#include "common/clock_win.h"
#include "common/executable_path_win.h"
#include "common/utf16_win.h"
#include "timesync/clock_setter_win.h"
#include "timesync/clock_setting_command.h"
#include "timesync/measure_clock_command.h"
#include "timesync/ras_connections_win.h"
#include "timesync/win_http_client_win.h"

namespace {

// The arguments after the program's name.
std::vector<std::string> CommandLineArguments() {
    std::vector<std::string> arguments;
    int count = 0;
    LPWSTR* words = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!words) return arguments;
    for (int i = 1; i < count; ++i) arguments.push_back(zenka::Narrow(words[i]));
    LocalFree(words);
    return arguments;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    using namespace zenka;
    // Started elevated by a synchronisation to set the clock: nothing else,
    // and before the single-instance check, since Zenka is running.
    const std::vector<std::string> arguments = CommandLineArguments();
    if (IsClockSettingCommand(arguments)) return RunClockSettingMode(arguments);
    // Measuring the clock without setting it, from a console: as little.
    if (IsMeasureClockCommand(arguments)) return RunMeasureClockMode(arguments);

    WheelRollMessage();
    HANDLE mutex = ClaimSingleInstance();
    if (!mutex) {
        ShowFirstInstancesCalendar();
        return 0;
    }
    HWND application = CreateApplicationWindow(instance);

    SystemClock clock;
    WinHttpClient http;
    SystemClockSetter clockSetter;
    RunasClockSetter elevated(Widen(ExecutablePath()));
    RasConnections dialUp;
    MainWindowServices services;
    services.clock = &clock;
    services.sync.emplace(SyncPlatform{http, clockSetter, elevated, dialUp, nullptr});
    TfrmZenka frmZenka(services);
    frmZenka.OnDestroyed = [] { PostQuitMessage(0); };
    int exitCode = 1;
    if (frmZenka.Create(application)) {
        MSG msg;
        while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
            if (frmZenka.PreTranslateMessage(msg)) continue;
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        exitCode = 0;
    }
    if (application) DestroyWindow(application);
    CloseHandle(mutex);
    return exitCode;
}
