#include "common/error_report_win.h"

#include <exception>
#include <utility>

#include "common/app_title.h"
#include "common/utf16_win.h"

namespace zenka {


namespace {

constexpr char kUnknownErrorText[] = "予期しないエラーが発生しました。";

void ShowErrorBox(HWND owner, const std::string& text) {
    HWND top = owner ? GetAncestor(owner, GA_ROOT) : nullptr;
    MessageBoxW(top, Widen(text).c_str(), kApplicationTitleW, MB_OK | MB_ICONERROR);
}

ErrorReporter& CurrentReporter() {
    static ErrorReporter reporter;
    return reporter;
}

}  // namespace

ErrorReporter SetErrorReporter(ErrorReporter reporter) { return std::exchange(CurrentReporter(), std::move(reporter)); }

void ReportError(HWND owner, const std::string& text) {
    if (const ErrorReporter& reporter = CurrentReporter()) {
        reporter(owner, text);
    } else {
        ShowErrorBox(owner, text);
    }
}

void ReportCurrentException(HWND owner) noexcept {
    try {
        try {
            throw;
        } catch (const std::exception& e) {
            ReportError(owner, e.what());
        } catch (...) {
            ReportError(owner, kUnknownErrorText);
        }
    } catch (...) {
        // Showing the error failed as well (no memory left, say). Nothing is
        // left to tell the user with, and no exception may leave a window
        // procedure.
    }
}

}  // namespace zenka
