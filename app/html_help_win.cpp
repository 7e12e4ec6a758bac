#include "app/html_help_win.h"

#include <htmlhelp.h>

#include "common/error_report_win.h"
#include "common/utf16_win.h"

namespace zenka {

HtmlHelpService::HtmlHelpService(HWND owner, std::string helpFile, std::wstring viewer)
    : owner_(owner), helpFile_(std::move(helpFile)), viewer_(std::move(viewer)) {}

HtmlHelpService::~HtmlHelpService() {
    // The viewer's windows go before its library does.
    if (htmlHelp_) htmlHelp_(nullptr, nullptr, HH_CLOSE_ALL, 0);
    if (library_) FreeLibrary(library_);
}

bool HtmlHelpService::LoadViewer() {
    if (htmlHelp_) return true;
    if (!library_) library_ = LoadLibraryW(viewer_.c_str());
    if (library_) {
        htmlHelp_ = reinterpret_cast<HtmlHelpFn>(reinterpret_cast<void*>(GetProcAddress(library_, "HtmlHelpW")));
    }
    return htmlHelp_ != nullptr;
}

void HtmlHelpService::ShowHelpContext(uint32_t context) {
    // A report belongs to the window help was asked from (the settings
    // dialog, say), so that the focus goes back there after it.
    HWND reportOwner = GetActiveWindow();
    if (!reportOwner) reportOwner = owner_;
    const std::wstring path = Widen(helpFile_);
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        if (!fileReported_) ReportError(reportOwner, kHelpFileMissingText + helpFile_);
        fileReported_ = true;
        return;
    }
    if (!LoadViewer()) {
        if (!viewerReported_) ReportError(reportOwner, kHelpViewerMissingText);
        viewerReported_ = true;
        return;
    }
    htmlHelp_(owner_, path.c_str(), HH_HELP_CONTEXT, context);
}

}  // namespace zenka
