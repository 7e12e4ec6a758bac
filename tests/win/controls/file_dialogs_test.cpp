// The system's open dialog through TAgOpenDialog, answered by a thread
// that fills in the file name field as a user would.
#include "controls/file_dialogs_win.h"

#include <gtest/gtest.h>

#include <string>

#include "common/utf16_win.h"
#include "tests/win/support/dialog_answerer.h"

namespace zenka {
namespace {

using testing::DialogAnswerer;

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
