// The general error report: an error that ends a user action is shown in a
// message box with its text, owned by the window the action happened in.
// The window and dialog bases run every message through ReportErrors.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <utility>

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
// throws. ReportErrors is the one place that calls it.
void ReportCurrentException(HWND owner) noexcept;

// Runs one step: a message at the edge of its handling, or a part of an
// action that the rest of the action goes on after. An error that ends the
// step is reported here, the one place that catches them, and false
// answered; nothing leaves, so a window procedure can end with it.
template <class Step>
bool ReportErrors(HWND owner, Step&& step) noexcept {
    try {
        std::forward<Step>(step)();
        return true;
    } catch (...) {
        ReportCurrentException(owner);
        return false;
    }
}

}  // namespace zenka
