// The help service when the help file or its viewer is missing: each is
// reported once, and help does nothing after that.
#include "app/html_help_win.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/error_report_win.h"
#include "common/utf16_win.h"

namespace zenka {
namespace {

class HtmlHelp : public ::testing::Test {
protected:
    void SetUp() override {
        previous_ = SetErrorReporter([this](HWND, const std::string& text) { reports.push_back(text); });
        wchar_t temp[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, temp);
        folder_ = std::wstring(temp) + L"zenka-help-test-" + std::to_wstring(GetCurrentProcessId()) + L"\\";
        CreateDirectoryW(folder_.c_str(), nullptr);
    }
    void TearDown() override {
        if (!helpFile_.empty()) DeleteFileW(helpFile_.c_str());
        RemoveDirectoryW(folder_.c_str());
        SetErrorReporter(previous_);
    }
    std::string MissingFile() const { return Narrow(folder_) + "Zenka.chm"; }
    // A file where the help file is looked for; its contents do not matter
    // to a viewer that is not there.
    std::string PresentFile() {
        helpFile_ = folder_ + L"Zenka.chm";
        HANDLE file = CreateFileW(helpFile_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        CloseHandle(file);
        return Narrow(helpFile_);
    }

    std::vector<std::string> reports;

private:
    ErrorReporter previous_;
    std::wstring folder_;
    std::wstring helpFile_;
};

TEST_F(HtmlHelp, AMissingHelpFileIsReportedOnceWithItsPath) {
    HtmlHelpService help(nullptr, MissingFile());
    help.ShowHelpContext(1);
    help.ShowHelpContext(7);
    EXPECT_EQ(reports, std::vector<std::string>{kHelpFileMissingText + MissingFile()});
}

TEST_F(HtmlHelp, AMissingViewerIsReportedOnce) {
    HtmlHelpService help(nullptr, PresentFile(), L"zenka-no-such-viewer.ocx");
    help.ShowHelpContext(5);
    help.ShowHelpContext(6);
    EXPECT_EQ(reports, std::vector<std::string>{kHelpViewerMissingText});
}

}  // namespace
}  // namespace zenka
