// The object behind a window. One window procedure serves every window
// class of the program: it keeps the object in the window's user data from
// WM_NCCREATE on, runs each message through the general error report (an
// error that ends a user action stops at this edge and is shown; the
// window goes on), cracks the common messages into the handlers below and
// lets the rest through OnMessage. WM_PAINT and WM_PRINTCLIENT share one
// paint routine, so a test can render any window off screen.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <span>

namespace zenka {

// A window class, registered on first use with the arrow cursor.
struct WindowClass {
    const wchar_t* name = nullptr;
    UINT style = 0;
    HBRUSH background = nullptr;
    int iconId = 0;  // a resource of the executable; 0: none
};

// Registers the class with the procedure unless it is registered already.
void RegisterWindowClass(const WindowClass& windowClass, WNDPROC procedure);

class WindowBase {
public:
    WindowBase() = default;
    // A window still there is destroyed without this object behind it:
    // a class that must see its own WM_DESTROY destroys its window first.
    virtual ~WindowBase();
    WindowBase(const WindowBase&) = delete;
    WindowBase& operator=(const WindowBase&) = delete;

    // Null before the window is made and once it is gone.
    HWND Handle() const { return hwnd_; }

    // Called once the window is gone, last; whoever keeps the object may
    // release it then.
    std::function<void()> OnDestroyed;

    // Registers a class whose windows each make their own T and delete it
    // when they go: controls that dialog templates hold.
    template <class T>
    static void RegisterClassOwningObjects(const WindowClass& windowClass) {
        RegisterWindowClass(windowClass, OwningProc<T>);
    }
    // The object of a window of such a class, or of one this base made;
    // null for any other window.
    template <class T>
    static T* ObjectOf(HWND hwnd) {
        const auto procedure = reinterpret_cast<WNDPROC>(GetClassLongPtrW(hwnd, GCLP_WNDPROC));
        if (procedure != WindowProc && procedure != OwningProc<T>) return nullptr;
        return dynamic_cast<T*>(reinterpret_cast<WindowBase*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA)));
    }

protected:
    // Registers the class on first use and makes the window with this
    // object behind it; false when it cannot be made.
    bool CreateWindowOf(const WindowClass& windowClass, DWORD exStyle, const wchar_t* title, DWORD style, int x,
                        int y, int width, int height, HWND parent, HMENU menuOrId);

    // Each handler's default does what the system's default processing
    // does with its message.
    virtual void OnCreate() {}
    virtual void OnCommand(int id, UINT code, HWND control);
    virtual LRESULT OnNotify(NMHDR& header);
    virtual void OnTimer(UINT_PTR) {}
    virtual void OnSize(int, int) {}
    // Draws the client area, for WM_PAINT and WM_PRINTCLIENT alike; by
    // default nothing but the class's background.
    virtual void OnPaint(HDC) {}
    // Destroys the window.
    virtual void OnClose();
    virtual void OnDestroy() {}
    // After WM_NCDESTROY's default processing; Handle() is null by then.
    virtual void OnGone() {}
    // Every other message.
    virtual LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT DefaultProcessing(UINT message, WPARAM wParam, LPARAM lParam);
    // Tab's step through the children in their tab order, round; with
    // Shift held, backwards. For windows the dialog manager does not run.
    void FocusNextTabStop();

    // The window an error's box is owned by.
    virtual HWND ErrorOwner() const { return hwnd_; }

    HWND hwnd_ = nullptr;

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    template <class T>
    static LRESULT CALLBACK OwningProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_NCCREATE) Attach(hwnd, new T, true);
        return WindowProc(hwnd, message, wParam, lParam);
    }
    static void Attach(HWND hwnd, WindowBase* object, bool owned);
    LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Gone(WPARAM wParam, LPARAM lParam);

    bool ownedByWindow_ = false;
};

// A command's handler, for a window's table of commands.
template <class T>
struct CommandHandler {
    int id;
    void (T::*run)();
};

// Runs the handler the table holds for the command; false when it holds
// none.
template <class T>
bool RunCommand(T& window, std::span<const CommandHandler<T>> table, int id) {
    for (const CommandHandler<T>& row : table) {
        if (row.id == id) {
            (window.*row.run)();
            return true;
        }
    }
    return false;
}

}  // namespace zenka
