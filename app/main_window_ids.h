// What other programs find the main window by: its class and its
// children's identifiers.
#pragma once

namespace zenka {

inline constexpr wchar_t kMainWindowClass[] = L"TfrmZenka";

// Posted to the main window by a second start: show the calendar, as a
// press on a tray icon does. WM_APP + 2.
inline constexpr unsigned kShowCalendarMessage = 0x8000 + 2;

// The main window's children, by control identifier.
enum MainWindowControl : int {
    idPanelButton1 = 11,  // previous year
    idPanelButton2,       // previous month
    idPanelButton3,       // next month
    idPanelButton4,       // next year
    idPanelButton5,       // today
    idPanelButton6,       // stay on top
    idPanelButton7,       // close
    idLabel1 = 20,
    idKoyomi1 = 21,
};

}  // namespace zenka
