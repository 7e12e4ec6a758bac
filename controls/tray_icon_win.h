// An icon in the notification area. A window owns any number of them; all
// instances of the process share one hidden window that receives the
// shell's mouse notifications and hands each to its icon.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "controls/tray_icon_core.h"

namespace zenka {

// The message the shell sends the shared window for mouse activity over an
// icon: wParam the icon's identifier, lParam the mouse message.
constexpr UINT kTrayCallbackMessage = WM_USER + 200;

// Every call to the shell goes through here, so that tests can watch what
// is added, modified and deleted. The default calls Shell_NotifyIconW.
using TrayNotifier = std::function<BOOL(DWORD message, const NOTIFYICONDATAW& data)>;
// Replaces the notifier and returns the one it replaces; an empty notifier
// brings back the shell.
TrayNotifier SetTrayNotifier(TrayNotifier notifier);

class TTrayIcon {
public:
    // owner receives the popup menus' commands (WM_COMMAND) and is brought
    // to the foreground before a menu opens; it may be null.
    explicit TTrayIcon(HWND owner);
    // Removes the icon from the notification area if it is there.
    ~TTrayIcon();
    TTrayIcon(const TTrayIcon&) = delete;
    TTrayIcon& operator=(const TTrayIcon&) = delete;

    // Call once the properties are set up: a visible icon is added now.
    void Loaded();

    int Identifier() const { return id_; }
    HWND Owner() const { return owner_; }
    // The shell has the icon. A visible icon the shell refused is added
    // again at its next change.
    bool Added() const { return shell_.Added(); }

    bool Visible() const { return shell_.Wanted(); }
    // Adds or removes the icon. Without an image it stays invisible.
    void SetVisible(bool value);

    const std::string& TipHelp() const { return tip_; }
    // Keeps the first 62 code page 932 bytes (see TrayTipText).
    void SetTipHelp(std::string_view text);

    HICON Icon() const { return icon_; }
    // Takes a copy of the image; null clears it and hides the icon.
    void SetIcon(HICON icon);
    // Loads an .ico file at the notification area's icon size. False, with
    // the image unchanged, when the file cannot be loaded.
    bool LoadIconFile(const std::wstring& path);

    // Gives the icon a GUID of its own, which the shell then knows it by
    // (see TrayIdentityChoice); set before the icon is first shown.
    void SetGuid(const GUID& guid);
    // How the shell knows the icon now.
    TrayIdentity Identity() const { return identity_.Current(); }
    // Where the icon is on the screen, while the shell has it and can tell
    // (from Windows 7 on).
    std::optional<RECT> ScreenRect() const;

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value) { enabled_ = value; }
    bool AutoPopup() const { return autoPopup_; }
    void SetAutoPopup(bool value) { autoPopup_ = value; }

    // Menus opened by a press of the left or right button (when AutoPopup is
    // on); the owner keeps them. A menu destroyed meanwhile is not opened.
    HMENU LBPopupMenu = nullptr;
    HMENU RBPopupMenu = nullptr;

    std::function<void(TTrayIcon& sender)> OnClick;
    std::function<void(TTrayIcon& sender)> OnDblClick;
    std::function<void(TTrayIcon& sender, TMouseButton button, TShiftState shift, int x, int y)> OnMouseDown;
    std::function<void(TTrayIcon& sender, TMouseButton button, TShiftState shift, int x, int y)> OnMouseUp;
    std::function<void(TTrayIcon& sender, TShiftState shift, int x, int y)> OnMouseMove;

    // The hidden window all icons share, or null when no icon exists. Tests
    // send it the shell's messages.
    static HWND CallbackWindow();

private:
    friend class TrayCallbackWindow;

    // Makes the call and keeps the shell's answer.
    void Call(TrayShellCall call);
    NOTIFYICONDATAW Record(TrayIdentity identity) const;
    void ReplaceIcon(HICON icon);

    // The shell's messages for this icon, from the shared window.
    void HandleMouse(UINT mouseMessage);
    void Popup(HMENU menu, int x, int y);
    void ClickDelayElapsed();
    // The shell came back after a restart and knows no icon any more.
    void Readd();

    HWND owner_;
    int id_;
    TrayShellState shell_;
    TrayIdentityChoice identity_;
    GUID guid_{};
    bool enabled_ = true;
    bool autoPopup_ = true;
    std::string tip_ = "TipHelp";
    HICON icon_ = nullptr;
    ClickDetector click_;
};

}  // namespace zenka
