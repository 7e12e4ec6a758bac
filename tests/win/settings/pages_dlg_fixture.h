// The settings dialog in this process, on a recording main window: a
// fixture for the tests that drive its controls.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "common/error_report_win.h"
#include "common/utf16_win.h"
#include "settings/pages_dlg_win.h"
#include "settings/settings_ids.h"
#include "tests/fakes/fake_pages_host.h"

namespace zenka::testing {

class PagesDialog : public ::testing::Test {
protected:
    void SetUp() override {
        previousReporter_ = SetErrorReporter([this](HWND, const std::string& text) { errors.push_back(text); });
    }
    void TearDown() override {
        dialog.reset();
        SetErrorReporter(previousReporter_);
    }

    TPagesDlg& Open() {
        PagesDlgServices services;
        services.messageBox = [this](HWND, const std::string& text, const std::string& caption, UINT) {
            messages.push_back(caption + ": " + text);
            return answer;
        };
        if (!realFileDialogs) {
            services.runOpenDialog = [this](HWND, TAgOpenDialog& open) { return Choose(open); };
            services.runSaveDialog = [this](HWND, TAgSaveDialog& save) { return Choose(save); };
        }
        dialog = std::make_unique<TPagesDlg>(host, services);
        dialog->OnDestroyed = [this] { ++destroyed; };
        EXPECT_TRUE(dialog->Create(nullptr));
        return *dialog;
    }

    bool Choose(FileDialogBase& fileDialog) {
        filters.push_back(fileDialog.filter);
        proposed.push_back(fileDialog.fileName);
        if (!choice) return false;
        fileDialog.fileName = *choice;
        return true;
    }

    HWND Ctl(PagesTab tab, int id) const { return GetDlgItem(dialog->Page(tab), id); }
    HWND Button(int id) const { return GetDlgItem(dialog->Handle(), id); }

    static void Click(HWND button) { SendMessageW(button, BM_CLICK, 0, 0); }
    // As a typed text arrives: the field's change notification follows.
    // A multi-line edit tells of no change set by WM_SETTEXT, so its text is
    // replaced as a user replaces it, by the selection.
    static void Type(HWND field, const std::string& text) {
        if ((GetWindowLongW(field, GWL_STYLE) & ES_MULTILINE) == 0) {
            SetWindowTextW(field, Widen(text).c_str());
            return;
        }
        SendMessageW(field, EM_SETSEL, 0, -1);
        SendMessageW(field, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(Widen(text).c_str()));
    }
    // The focus leaves the field.
    static void Leave(HWND field) { SendMessageW(field, WM_KILLFOCUS, 0, 0); }
    static bool Checked(HWND button) { return SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED; }
    static bool Enabled(HWND control) { return IsWindowEnabled(control) != FALSE; }
    static std::string Text(HWND control) {
        wchar_t text[512] = {};
        GetWindowTextW(control, text, 512);
        return Narrow(text);
    }

    FakePagesHost host;
    std::unique_ptr<TPagesDlg> dialog;
    std::vector<std::string> messages;
    // What every message box answers.
    int answer = IDOK;
    std::vector<std::string> errors;
    // The system's open and save dialogs instead of choice.
    bool realFileDialogs = false;
    // What the open and save dialogs answer: a file, or cancel.
    std::optional<std::string> choice;
    std::vector<std::string> filters;
    std::vector<std::string> proposed;
    int destroyed = 0;

private:
    ErrorReporter previousReporter_;
};

}  // namespace zenka::testing
