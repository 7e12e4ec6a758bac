// Answering a modal dialog of the test's own thread from another thread,
// as a user would: the test thread runs the dialog's message loop, and the
// answering thread finds the dialog, reads and fills in its controls and
// presses its buttons.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <thread>

#include "common/utf16_win.h"

namespace zenka::testing {

using DialogTest = std::function<bool(HWND dialog)>;

// The thread's first visible dialog that passes the test, waited for up to
// ten seconds; null when none came.
inline HWND FindThreadDialog(DWORD thread, const DialogTest& test) {
    struct Search {
        const DialogTest& test;
        HWND found = nullptr;
    };
    for (int tries = 0; tries < 200; ++tries) {
        Search search{test};
        EnumThreadWindows(
            thread,
            [](HWND hwnd, LPARAM param) -> BOOL {
                auto& s = *reinterpret_cast<Search*>(param);
                wchar_t name[16] = {};
                GetClassNameW(hwnd, name, 16);
                if (std::wstring(name) == L"#32770" && IsWindowVisible(hwnd) && s.test(hwnd)) {
                    s.found = hwnd;
                    return FALSE;
                }
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&search));
        if (search.found) return search.found;
        Sleep(50);
    }
    return nullptr;
}

inline DialogTest TitledAs(std::wstring title) {
    return [title = std::move(title)](HWND dialog) {
        wchar_t caption[128] = {};
        GetWindowTextW(dialog, caption, 128);
        return title == caption;
    };
}

// Runs the action on the next dialog of the thread that passes the test,
// from a thread of its own; the destructor waits for it.
class WhenDialogShows {
public:
    WhenDialogShows(DWORD thread, DialogTest test, std::function<void(HWND dialog)> action)
        : worker_([thread, test = std::move(test), action = std::move(action)] {
              if (HWND dialog = FindThreadDialog(thread, test)) action(dialog);
          }) {}
    ~WhenDialogShows() { worker_.join(); }
    WhenDialogShows(const WhenDialogShows&) = delete;
    WhenDialogShows& operator=(const WhenDialogShows&) = delete;

private:
    std::thread worker_;
};

// Answers the next open or save dialog of the thread: types the name and
// presses OK, or presses Cancel when the name is empty.
class DialogAnswerer {
public:
    DialogAnswerer(DWORD thread, std::wstring name)
        : dialog_(thread, FileNameField, [this, name](HWND dialog) {
              wchar_t title[128] = {};
              GetWindowTextW(dialog, title, 128);
              seenTitle = Narrow(title);
              if (name.empty()) {
                  PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
                  return;
              }
              HWND field = FileNameField(dialog);
              wchar_t proposed[MAX_PATH] = {};
              GetWindowTextW(field, proposed, MAX_PATH);
              seenProposal = Narrow(proposed);
              SetWindowTextW(field, name.c_str());
              PostMessageW(dialog, WM_COMMAND, IDOK, 0);
          }) {}

    std::string seenTitle;
    std::string seenProposal;

private:
    static constexpr int kFileNameCombo = 0x47C;  // cmb13, the file name field of the dialog
    static constexpr int kFileNameEdit = 0x480;   // edt1, its older form

    // The open and save dialogs are those with a file name field.
    static HWND FileNameField(HWND dialog) {
        HWND field = GetDlgItem(dialog, kFileNameCombo);
        return field ? field : GetDlgItem(dialog, kFileNameEdit);
    }

    WhenDialogShows dialog_;
};

}  // namespace zenka::testing
