#include "app/date_tray_icons_win.h"

#include "app/tray_icon_guid.h"
#include "common/executable_path_win.h"
#include "common/utf16_win.h"

namespace zenka {

GUID ToGuid(const Uuid& uuid) {
    GUID guid{};
    guid.Data1 = (DWORD{uuid[0]} << 24) | (DWORD{uuid[1]} << 16) | (DWORD{uuid[2]} << 8) | DWORD{uuid[3]};
    guid.Data2 = static_cast<WORD>((uuid[4] << 8) | uuid[5]);
    guid.Data3 = static_cast<WORD>((uuid[6] << 8) | uuid[7]);
    for (size_t i = 0; i < 8; ++i) guid.Data4[i] = uuid[8 + i];
    return guid;
}

DateTrayIcons::DateTrayIcons(HWND owner, HMENU trayMenu, HICON initialImage)
    : TaskTray1(owner), TaskTray2(owner), TaskTray3(owner) {
    if (!initialImage) initialImage = LoadIconW(nullptr, IDI_APPLICATION);
    // Each icon is known to the shell by a GUID of its role and of this
    // executable's path; without a path they are known by window and number.
    const std::string executable = ExecutablePath();
    if (!executable.empty()) {
        for (TrayIconKind kind : {TrayIconKind::Month, TrayIconKind::Day, TrayIconKind::Weekday}) {
            Icon(kind).SetGuid(ToGuid(TrayIconGuid(executable, kind)));
        }
    }
    for (TTrayIcon* icon : {&TaskTray1, &TaskTray2, &TaskTray3}) {
        icon->RBPopupMenu = trayMenu;
        icon->SetIcon(initialImage);
        icon->OnMouseDown = [this](TTrayIcon& sender, TMouseButton button, TShiftState, int, int) {
            MouseDown(sender, button);
        };
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

void DateTrayIcons::MouseDown(TTrayIcon& icon, TMouseButton button) {
    // The month icon's AutoPopup stands for all three; nothing turns it off.
    if (button == mbLeft && TaskTray1.AutoPopup() && OnShowCalendar) OnShowCalendar(icon);
}

bool DateTrayIcons::LoadTrayIcon(TrayIconKind icon, const std::string& path) {
    return Icon(icon).LoadIconFile(Widen(path));
}

void DateTrayIcons::SetTrayTip(TrayIconKind icon, const std::string& text) { Icon(icon).SetTipHelp(text); }

}  // namespace zenka
