// The object behind a dialog made from a template of the executable. One
// dialog procedure serves every dialog: it keeps the object in DWLP_USER
// from WM_INITDIALOG on, runs each message through the general error report
// (an error that ends a user action stops at this edge and is shown; the
// dialog goes on), and hands the messages to the handlers below. The
// arrows of spin fields (AttachSpinField) step their fields in any dialog.
#pragma once

#include <windows.h>

#include <functional>

namespace zenka {

class DialogBase {
public:
    DialogBase() = default;
    // A dialog window still there is destroyed without this object behind
    // it.
    virtual ~DialogBase();
    DialogBase(const DialogBase&) = delete;
    DialogBase& operator=(const DialogBase&) = delete;

    // Null before the dialog is made and once it is gone.
    HWND Handle() const { return hwnd_; }
    HWND Item(int id) const { return GetDlgItem(hwnd_, id); }

    // Called once the window is gone, last; whoever keeps the object may
    // release it then.
    std::function<void()> OnDestroyed;

protected:
    // Runs the dialog modally and answers what EndDialog was given (-1 when
    // it could not be made).
    INT_PTR RunModal(int templateId, HWND owner);
    // Makes the dialog without showing it; false when it cannot be made.
    // The message loop gives such a dialog its keys with IsDialogMessage.
    bool CreateModeless(int templateId, HWND owner);

    // WM_INITDIALOG. True: the system gives the focus to the first control;
    // false: the dialog placed it, or leaves it where it is.
    virtual bool OnInitDialog() { return true; }
    // Any message but WM_INITDIALOG, before the handlers below; true when
    // handled, with the dialog procedure's result.
    virtual bool OnMessage(UINT, WPARAM, LPARAM, INT_PTR&) { return false; }
    // True when handled.
    virtual bool OnCommand(int, UINT, HWND) { return false; }
    // True when handled, with the result to give back in DWLP_MSGRESULT.
    virtual bool OnNotify(const NMHDR&, LRESULT&) { return false; }
    // A scroll bar's or trackbar's WM_HSCROLL; true when handled.
    virtual bool OnHScroll(HWND, UINT) { return false; }
    // After WM_NCDESTROY; Handle() is null by then.
    virtual void OnGone() {}

    // For messages that answer through DWLP_MSGRESULT: sets it and gives
    // the dialog procedure's TRUE.
    INT_PTR Answer(LRESULT result);

    HWND hwnd_ = nullptr;

private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    void Gone();
};

}  // namespace zenka
