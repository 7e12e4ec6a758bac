#include "controls/tray_icon_win.h"

#include <cwchar>
#include <memory>
#include <utility>

#include "common/utf16_win.h"
#include "controls/window_base_win.h"

namespace zenka {

namespace {

constexpr wchar_t kCallbackWindowClass[] = L"TCallbackWindow";
// A single click is reported this long after the double-click time, so
// that a double click that is still coming can cancel it.
constexpr UINT kClickDelaySlackMs = 50;

}  // namespace

// The hidden window all icons share. It is a top-level window, not a child
// or a message-only window, because the shell announces its restart with a
// message broadcast to top-level windows only.
class TrayCallbackWindow : public WindowBase {
public:
    bool Create() {
        if (!taskbarCreated_) taskbarCreated_ = RegisterWindowMessageW(L"TaskbarCreated");
        return CreateWindowOf({kCallbackWindowClass}, WS_EX_TOOLWINDOW, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr);
    }

private:
    void OnTimer(UINT_PTR id) override;
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    // The icons' errors are nobody's window's.
    HWND ErrorOwner() const override { return nullptr; }

    UINT taskbarCreated_ = 0;
};

namespace {

struct SharedState {
    TrayInstanceList<TTrayIcon> instances;
    std::unique_ptr<TrayCallbackWindow> window;
    TrayNotifier notifier;
};

SharedState& Shared() {
    static SharedState state;
    return state;
}

HWND SharedWindow() { return Shared().window ? Shared().window->Handle() : nullptr; }

// Calls an event handler through a copy: a handler may destroy the icon,
// and with it the handler being run.
template <class Handler, class... Args>
void Fire(const Handler& handler, Args&&... args) {
    if (!handler) return;
    Handler copy = handler;
    copy(std::forward<Args>(args)...);
}

}  // namespace

void TrayCallbackWindow::OnTimer(UINT_PTR id) {
    KillTimer(hwnd_, id);
    if (TTrayIcon* icon = Shared().instances.Find(static_cast<int>(id))) icon->ClickDelayElapsed();
}

LRESULT TrayCallbackWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kTrayCallbackMessage) {
        if (TTrayIcon* icon = Shared().instances.Find(static_cast<int>(wParam))) {
            icon->HandleMouse(static_cast<UINT>(lParam));
        }
        return 0;
    }
    if (message == taskbarCreated_ && taskbarCreated_ != 0) {
        // A copy: nothing here adds or removes icons, but the list must not
        // be walked while it could change.
        const auto entries = Shared().instances.Entries();
        for (const auto& entry : entries) entry.second->Readd();
        return 0;
    }
    return DefaultProcessing(message, wParam, lParam);
}

TrayNotifier SetTrayNotifier(TrayNotifier notifier) { return std::exchange(Shared().notifier, std::move(notifier)); }

HWND TTrayIcon::CallbackWindow() { return SharedWindow(); }

TTrayIcon::TTrayIcon(HWND owner) : owner_(owner) {
    SharedState& shared = Shared();
    id_ = shared.instances.Add(this);
    if (!shared.window) {
        auto window = std::make_unique<TrayCallbackWindow>();
        if (window->Create()) shared.window = std::move(window);
    }
}

TTrayIcon::~TTrayIcon() {
    Call(shell_.Hide());
    SharedState& shared = Shared();
    if (HWND window = SharedWindow()) KillTimer(window, static_cast<UINT_PTR>(id_));
    shared.instances.Remove(this);
    if (shared.instances.Empty()) shared.window.reset();
    if (icon_) DestroyIcon(icon_);
}

void TTrayIcon::Loaded() {
    if (!shell_.Added()) Call(shell_.Change());
}

void TTrayIcon::SetVisible(bool value) {
    if (value == Visible()) return;
    Call(value && icon_ ? shell_.Show() : shell_.Hide());
}

void TTrayIcon::SetTipHelp(std::string_view text) {
    std::string tip = TrayTipText(text);
    if (tip == tip_) return;
    tip_ = std::move(tip);
    Call(shell_.Change());
}

void TTrayIcon::SetIcon(HICON icon) {
    if (!icon) {
        ReplaceIcon(nullptr);
        SetVisible(false);
        return;
    }
    if (HICON copy = CopyIcon(icon)) ReplaceIcon(copy);
}

bool TTrayIcon::LoadIconFile(const std::wstring& path) {
    const int width = GetSystemMetrics(SM_CXSMICON);
    const int height = GetSystemMetrics(SM_CYSMICON);
    auto* icon = static_cast<HICON>(LoadImageW(nullptr, path.c_str(), IMAGE_ICON, width, height, LR_LOADFROMFILE));
    if (!icon) return false;
    ReplaceIcon(icon);
    return true;
}

void TTrayIcon::ReplaceIcon(HICON icon) {
    HICON old = std::exchange(icon_, icon);
    if (icon_) Call(shell_.Change());
    // The shell has its own copy by now; ours can go.
    if (old) DestroyIcon(old);
}

void TTrayIcon::SetGuid(const GUID& guid) {
    guid_ = guid;
    identity_.SetHasGuid(true);
}

NOTIFYICONDATAW TTrayIcon::Record(TrayIdentity identity) const {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof(data);
    data.hWnd = SharedWindow();
    data.uID = static_cast<UINT>(id_);
    data.uCallbackMessage = kTrayCallbackMessage;
    data.hIcon = icon_;
    data.uFlags = NIF_MESSAGE | NIF_ICON;
    if (identity == TrayIdentity::Guid) {
        // The window and number still go along: the shell's mouse messages
        // name the icon by its number.
        data.uFlags |= NIF_GUID;
        data.guidItem = guid_;
    }
    if (!tip_.empty()) {
        data.uFlags |= NIF_TIP;
        const std::wstring tip = Widen(tip_);
        wcsncpy(data.szTip, tip.c_str(), std::size(data.szTip) - 1);
    }
    return data;
}

std::optional<RECT> TTrayIcon::ScreenRect() const {
    // Looked up: older systems lack it.
    using GetRectFn = HRESULT(WINAPI*)(const NOTIFYICONIDENTIFIER*, RECT*);
    static const auto getRect = reinterpret_cast<GetRectFn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"shell32.dll"), "Shell_NotifyIconGetRect")));
    if (!getRect || !shell_.Added()) return std::nullopt;
    NOTIFYICONIDENTIFIER identifier{};
    identifier.cbSize = sizeof(identifier);
    if (Identity() == TrayIdentity::Guid) {
        identifier.guidItem = guid_;
    } else {
        identifier.hWnd = SharedWindow();
        identifier.uID = static_cast<UINT>(id_);
    }
    RECT rect{};
    if (FAILED(getRect(&identifier, &rect)) || rect.right <= rect.left || rect.bottom <= rect.top) return std::nullopt;
    return rect;
}

void TTrayIcon::Call(TrayShellCall call) {
    if (call == TrayShellCall::None) return;
    const bool accepted = identity_.Call(call, [this](TrayShellCall each, TrayIdentity identity) {
        DWORD message = NIM_DELETE;
        if (each == TrayShellCall::Add) message = NIM_ADD;
        if (each == TrayShellCall::Modify) message = NIM_MODIFY;
        const NOTIFYICONDATAW data = Record(identity);
        if (const TrayNotifier& notifier = Shared().notifier) return notifier(message, data) != FALSE;
        return Shell_NotifyIconW(message, const_cast<NOTIFYICONDATAW*>(&data)) != FALSE;
    });
    shell_.Answered(call, accepted);
}

void TTrayIcon::Readd() { Call(shell_.ShellRestarted()); }

// Each branch calls at most one handler, as its last step: a handler may
// destroy this icon (the menu's exit command does).
void TTrayIcon::HandleMouse(UINT mouseMessage) {
    if (!enabled_) return;
    POINT at{};
    GetCursorPos(&at);
    switch (mouseMessage) {
        case WM_MOUSEMOVE: Fire(OnMouseMove, *this, TShiftState{0}, at.x, at.y); break;
        case WM_LBUTTONDOWN:
            if (LBPopupMenu && autoPopup_) {
                Popup(LBPopupMenu, at.x, at.y);
            } else {
                Fire(OnMouseDown, *this, mbLeft, ssLeft, at.x, at.y);
            }
            break;
        case WM_LBUTTONUP:
            if (OnMouseUp) {
                Fire(OnMouseUp, *this, mbLeft, ssLeft, at.x, at.y);
            } else if (click_.Release(static_cast<bool>(OnClick))) {
                SetTimer(SharedWindow(), static_cast<UINT_PTR>(id_), GetDoubleClickTime() + kClickDelaySlackMs,
                         nullptr);
            }
            break;
        case WM_LBUTTONDBLCLK:
            click_.DoubleClick();
            Fire(OnDblClick, *this);
            break;
        case WM_RBUTTONDOWN:
            if (RBPopupMenu && autoPopup_) {
                Popup(RBPopupMenu, at.x, at.y);
            } else {
                Fire(OnMouseDown, *this, mbRight, ssRight, at.x, at.y);
            }
            break;
        case WM_RBUTTONUP: Fire(OnMouseUp, *this, mbRight, ssRight, at.x, at.y); break;
        case WM_MBUTTONDOWN: Fire(OnMouseDown, *this, mbMiddle, ssMiddle, at.x, at.y); break;
        case WM_MBUTTONUP: Fire(OnMouseUp, *this, mbMiddle, ssMiddle, at.x, at.y); break;
        default: break;
    }
}

void TTrayIcon::Popup(HMENU menu, int x, int y) {
    if (!IsMenu(menu)) return;
    // A menu opened for a window that is not in the foreground does not
    // close when the user clicks elsewhere; the empty message afterwards
    // lets the next menu open properly.
    HWND target = owner_ ? owner_ : SharedWindow();
    SetForegroundWindow(target);
    TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_RIGHTBUTTON, x, y, 0, target, nullptr);
    PostMessageW(target, WM_NULL, 0, 0);
}

void TTrayIcon::ClickDelayElapsed() {
    if (click_.DelayElapsed(static_cast<bool>(OnClick))) Fire(OnClick, *this);
}

}  // namespace zenka
