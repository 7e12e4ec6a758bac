#include "app/date_tray_icons_win.h"

#include "common/utf16_win.h"

namespace zenka {

DateTrayIcons::DateTrayIcons(HWND owner, HMENU trayMenu, HICON initialImage)
    : TaskTray1(owner), TaskTray2(owner), TaskTray3(owner) {
    if (!initialImage) initialImage = LoadIconW(nullptr, IDI_APPLICATION);
    for (TTrayIcon* icon : {&TaskTray1, &TaskTray2, &TaskTray3}) {
        icon->RBPopupMenu = trayMenu;
        icon->SetIcon(initialImage);
        icon->OnMouseDown = [this](TTrayIcon&, TMouseButton button, TShiftState, int, int) { MouseDown(button); };
        icon->Loaded();
    }
}

TTrayIcon& DateTrayIcons::Icon(TrayIconKind kind) {
    switch (kind) {
        case TrayIconKind::Month: return TaskTray1;
        case TrayIconKind::Day: return TaskTray2;
        case TrayIconKind::Weekday: break;
    }
    return TaskTray3;
}

void DateTrayIcons::HideAll() {
    for (TTrayIcon* icon : {&TaskTray1, &TaskTray2, &TaskTray3}) icon->SetVisible(false);
}

void DateTrayIcons::SetAllImages(HICON image) {
    if (!image) return;
    for (TTrayIcon* icon : {&TaskTray1, &TaskTray2, &TaskTray3}) icon->SetIcon(image);
}

void DateTrayIcons::MouseDown(TMouseButton button) {
    // The month icon's AutoPopup stands for all three; nothing turns it off.
    if (button == mbLeft && TaskTray1.AutoPopup() && OnShowCalendar) OnShowCalendar();
}

bool DateTrayIcons::LoadTrayIcon(TrayIconKind icon, const std::string& path) {
    return Icon(icon).LoadIconFile(Widen(path));
}

void DateTrayIcons::SetTrayTip(TrayIconKind icon, const std::string& text) { Icon(icon).SetTipHelp(text); }

}  // namespace zenka
