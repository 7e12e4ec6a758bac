// The main window's side of the system's theme: the calendar window, its
// buttons and the month schedule view in the theme's colours, their title
// bars, and the tray icons from the set that reads on the taskbar.
#include "app/main_window_win.h"

#include "common/palette.h"
#include "controls/gdi_canvas_win.h"
#include "controls/panel_button_win.h"
#include "controls/title_bar_win.h"

namespace zenka {

namespace {

constexpr MainWindowControl kPanelButtons[] = {idPanelButton1, idPanelButton2, idPanelButton3, idPanelButton4,
                                               idPanelButton5, idPanelButton6, idPanelButton7};

PanelColors PanelColorsOf(const Palette& palette) {
    return {ColorRefOf(palette.face), ColorRefOf(palette.faceText), ColorRefOf(palette.faceLight),
            ColorRefOf(palette.faceShadow)};
}

}  // namespace

void TfrmZenka::ApplyTheme(const ThemeChange& change) {
    const ThemeState& state = theme_->State();
    if (change.drawing) {
        const Palette palette = PaletteFor(state);
        if (faceBrush_) DeleteObject(faceBrush_);
        faceBrush_ = CreateSolidBrush(ColorRefOf(palette.face));
        koyomi1.SetPalette(palette);
        for (MainWindowControl id : kPanelButtons) SetPanelColors(Child(id), PanelColorsOf(palette));
        RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    }
    if (change.titleBar) ApplyTitleBarTheme(hwnd_, WantsDarkTitleBar(state), services_.osBuildNumber);
    if (change.drawing || change.titleBar) ApplyThemeToMonthSchedule();
    if (change.trayIcons && tray_) {
        tray_->tick.SetIconSets(TrayIconSets(state));
        // Before the start-up's first tick there is nothing drawn to redo.
        if (settingsLoaded_) {
            tray_->tick.RedrawIcons();
            Timer1Timer();
        }
    }
}

void TfrmZenka::ApplyThemeToMonthSchedule() {
    TfrmMemo* memo = MonthSchedule();
    if (!memo) return;
    memo->SetPalette(PaletteFor(Theme()));
    ApplyTitleBarTheme(memo->Handle(), WantsDarkTitleBar(Theme()), services_.osBuildNumber);
}

void TfrmZenka::PaintFace(HDC dc) {
    RECT client{};
    GetClientRect(hwnd_, &client);
    FillRect(dc, &client, faceBrush_ ? faceBrush_ : GetSysColorBrush(COLOR_BTNFACE));
}

}  // namespace zenka
