// The help service on HTML Help: the viewer's library is loaded when help
// is first asked for, and the help file beside the executable opens at the
// topic. A missing help file or viewer is reported once each, through the
// general error report, and help does nothing after that.
#pragma once

#include <windows.h>

#include <string>

#include "common/help_service.h"

namespace zenka {

// Reported when the help file or the viewer is missing.
inline constexpr const char* kHelpFileMissingText = "ヘルプファイルが見つかりません。\r\n";
inline constexpr const char* kHelpViewerMissingText =
    "ヘルプを表示できません。\r\nHTML ヘルプの表示に必要な hhctrl.ocx が見つかりません。";

class HtmlHelpService : public HelpService {
public:
    // owner owns the viewer's window, and the error reports when none of
    // the program's windows is active; helpFile is the help file's full
    // path (UTF-8); viewer the library that shows it.
    HtmlHelpService(HWND owner, std::string helpFile, std::wstring viewer = L"hhctrl.ocx");
    ~HtmlHelpService() override;
    HtmlHelpService(const HtmlHelpService&) = delete;
    HtmlHelpService& operator=(const HtmlHelpService&) = delete;

    void ShowHelpContext(uint32_t context) override;

private:
    using HtmlHelpFn = HWND(WINAPI*)(HWND, LPCWSTR, UINT, DWORD_PTR);
    bool LoadViewer();

    HWND owner_;
    std::string helpFile_;
    std::wstring viewer_;
    HMODULE library_ = nullptr;
    HtmlHelpFn htmlHelp_ = nullptr;
    bool fileReported_ = false;
    bool viewerReported_ = false;
};

}  // namespace zenka
