// Watching the notification area from a test: every call TTrayIcon makes
// to the shell is recorded, passed on to the real shell (unless the test
// has it refused), and its answer kept.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "common/utf16_win.h"
#include "controls/tray_icon_win.h"
#include "tests/win/support/message_pump.h"

namespace zenka {

struct ShellCall {
    DWORD message;  // NIM_ADD, NIM_MODIFY, NIM_DELETE
    UINT id;
    UINT flags;
    UINT callbackMessage;
    HWND window;
    DWORD size;
    std::string tip;  // UTF-8
    bool hadIcon;
    BOOL answer;  // what Shell_NotifyIconW said
    GUID guid;    // when flags hold NIF_GUID
    bool ByGuid() const { return (flags & NIF_GUID) != 0; }
};

class TrayRecorder {
public:
    TrayRecorder() {
        previous_ = SetTrayNotifier([this](DWORD message, const NOTIFYICONDATAW& data) {
            BOOL answer = FALSE;
            if (message == NIM_ADD && refuseAdds > 0) {
                --refuseAdds;
            } else if (message == NIM_ADD && (data.uFlags & NIF_GUID) && refuseGuids) {
                // As the shell refuses a GUID it has tied to another path.
            } else {
                answer = Shell_NotifyIconW(message, const_cast<NOTIFYICONDATAW*>(&data));
            }
            calls.push_back({message, data.uID, data.uFlags, data.uCallbackMessage, data.hWnd, data.cbSize,
                             Narrow(data.szTip), data.hIcon != nullptr, answer, data.guidItem});
            return answer;
        });
    }
    ~TrayRecorder() { SetTrayNotifier(std::move(previous_)); }
    TrayRecorder(const TrayRecorder&) = delete;
    TrayRecorder& operator=(const TrayRecorder&) = delete;

    // The identifiers of the calls of one kind, in order.
    std::vector<UINT> Ids(DWORD message) const {
        std::vector<UINT> ids;
        for (const ShellCall& call : calls) {
            if (call.message == message) ids.push_back(call.id);
        }
        return ids;
    }
    size_t Count(DWORD message) const { return Ids(message).size(); }

    std::vector<ShellCall> calls;
    // The next this many adds are refused without reaching the shell, as a
    // shell still starting up may refuse them.
    int refuseAdds = 0;
    // Every add by GUID is refused.
    bool refuseGuids = false;

private:
    TrayNotifier previous_;
};

}  // namespace zenka
