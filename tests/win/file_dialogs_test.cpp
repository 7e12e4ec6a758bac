// The system's open dialog through TAgOpenDialog, answered by a thread
// that fills in the file name field as a user would.
#include "controls/file_dialogs_win.h"

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>

#include "common/utf16_win.h"

namespace zenka {
namespace {

constexpr int kFileNameCombo = 0x47C;  // cmb13, the file name field of the dialog
constexpr int kFileNameEdit = 0x480;   // edt1, its older form

HWND FindFileDialog(DWORD thread) {
    for (int tries = 0; tries < 200; ++tries) {
        HWND found = nullptr;
        EnumThreadWindows(
            thread,
            [](HWND hwnd, LPARAM param) -> BOOL {
                wchar_t name[16] = {};
                GetClassNameW(hwnd, name, 16);
                if (std::wstring(name) == L"#32770" && IsWindowVisible(hwnd)) {
                    *reinterpret_cast<HWND*>(param) = hwnd;
                    return FALSE;
                }
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&found));
        if (found) return found;
        Sleep(50);
    }
    return nullptr;
}

// Answers the next open dialog of the thread: types the name and presses
// OK, or presses Cancel when the name is empty.
class DialogAnswerer {
public:
    DialogAnswerer(DWORD thread, std::wstring name)
        : worker_([this, thread, name] {
              HWND dialog = FindFileDialog(thread);
              if (!dialog) return;
              wchar_t title[128] = {};
              GetWindowTextW(dialog, title, 128);
              seenTitle = Narrow(title);
              if (name.empty()) {
                  PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
                  return;
              }
              HWND field = GetDlgItem(dialog, kFileNameCombo);
              if (!field) field = GetDlgItem(dialog, kFileNameEdit);
              wchar_t proposed[MAX_PATH] = {};
              GetWindowTextW(field, proposed, MAX_PATH);
              seenProposal = Narrow(proposed);
              SetWindowTextW(field, name.c_str());
              PostMessageW(dialog, WM_COMMAND, IDOK, 0);
          }) {}
    ~DialogAnswerer() { worker_.join(); }

    std::string seenTitle;
    std::string seenProposal;

private:
    std::thread worker_;
};

TEST(FileDialogs, TheOpenDialogReturnsTheChosenFileAndProposesItNextTime) {
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    const std::wstring folder = std::wstring(temp) + L"zenka-dialog-test-" + std::to_wstring(GetCurrentProcessId());
    CreateDirectoryW(folder.c_str(), nullptr);
    const std::wstring file = folder + L"\\目覚まし.wav";
    CloseHandle(CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));

    TAgOpenDialog dialog;
    dialog.filter = "音声 ファイル(*.WAV,*.MID)|*.WAV;*.MID";
    {
        DialogAnswerer answer(GetCurrentThreadId(), file);
        EXPECT_TRUE(dialog.Execute(nullptr));
    }
    EXPECT_EQ(dialog.fileName, Narrow(file));
    {
        DialogAnswerer answer(GetCurrentThreadId(), L"");
        EXPECT_FALSE(dialog.Execute(nullptr)) << "cancel";
    }
    EXPECT_EQ(dialog.fileName, Narrow(file)) << "cancel keeps the name";
    {
        DialogAnswerer answer(GetCurrentThreadId(), file);
        EXPECT_TRUE(dialog.Execute(nullptr));
        EXPECT_EQ(answer.seenProposal, "目覚まし.wav") << "the file chosen last is proposed";
    }
    DeleteFileW(file.c_str());
    RemoveDirectoryW(folder.c_str());
}

}  // namespace
}  // namespace zenka
