// The tick's error report as the application's general error report.
#pragma once

#include <windows.h>

#include "common/error_report_win.h"
#include "app/tick.h"

namespace zenka {

class WindowErrorBox : public ErrorBox {
public:
    explicit WindowErrorBox(HWND owner) : owner_(owner) {}
    void ShowError(const std::string& text) override { ReportError(owner_, text); }

private:
    HWND owner_;
};

}  // namespace zenka
