// The general error report: an error that ends a user action is shown in a
// message box with its text, owned by the window the action happened in.
// Handlers catch at the edge of message handling and report here.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace zenka {


// Shows one error's text; owner is a window or null.
using ErrorReporter = std::function<void(HWND owner, const std::string& text)>;

// Replaces how errors are shown (tests capture them instead of waiting on a
// modal box) and returns the reporter it replaces. An empty reporter brings
// back the message box.
ErrorReporter SetErrorReporter(ErrorReporter reporter);

// The box is owned by owner's top-level window.
void ReportError(HWND owner, const std::string& text);

// Reports the exception being handled: its text, or a general one for an
// exception that carries none. Call only inside a catch block; it never
// throws, so a window procedure can end with it.
void ReportCurrentException(HWND owner) noexcept;

}  // namespace zenka
