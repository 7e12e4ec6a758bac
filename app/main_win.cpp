// Zenka's entry point: one instance per session, the hidden main window
// (its creation is the start-up), and the message loop until it closes.
#include <windows.h>

#include "common/clock_win.h"
#include "app/main_window_win.h"
#include "app/single_instance_win.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    using namespace zenka;
    WheelRollMessage();
    HANDLE mutex = ClaimSingleInstance();
    if (!mutex) {
        BringFirstInstanceForward();
        return 0;
    }
    HWND application = CreateApplicationWindow(instance);

    SystemClock clock;
    MainWindowServices services;
    services.clock = &clock;
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
