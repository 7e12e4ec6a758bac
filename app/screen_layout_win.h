// What the system tells of the screens, for placing a window: every
// monitor with its work area and the taskbar, each as far as the system
// answers.
#pragma once

#include <windows.h>

#include <optional>

#include "app/calendar_window_position.h"

namespace zenka {

Rect ToRect(const RECT& r);

// The monitors (the primary one first), the taskbar's edge and rectangle,
// and the tray icon given. Without any monitor answering, the primary
// screen's work area stands for one.
ScreenLayout CurrentScreenLayout(const std::optional<RECT>& trayIcon = std::nullopt);

}  // namespace zenka
