#include "settings/about_dlg_win.h"

#include <commctrl.h>
#include <shellapi.h>

#include <utility>

#include "common/app_icon_id.h"
#include "common/app_title.h"
#include "common/executable_path_win.h"
#include "common/utf16_win.h"
#include "common/version.h"
#include "controls/dialog_base_win.h"
#include "settings/about_links.h"
#include "settings/settings_ids.h"
#include "settings/settings_texts.h"

namespace zenka {
namespace {

constexpr COLORREF kLinkColor = RGB(0, 0, 255);

class TfrmAbout : public DialogBase {
public:
    explicit TfrmAbout(AboutServices services) : services_(std::move(services)) {
        if (services_.programFolder.empty()) services_.programFolder = ExecutableDirectory();
        mail_ = MailLink(kMakerMailAddress, std::string(kApplicationTitle) + " Version " + kVersionText);
        web_ = WebLink(kMakerWebPage, services_.programFolder);
    }
    ~TfrmAbout() {
        for (HGDIOBJ object : {static_cast<HGDIOBJ>(linkFont_), static_cast<HGDIOBJ>(titleFont_)}) {
            if (object) DeleteObject(object);
        }
        if (icon_) DestroyIcon(icon_);
    }

    void ShowModal(HWND owner) { RunModal(IDD_ABOUT, owner); }

private:
    bool OnInitDialog() override {
        FormCreate();
        if (services_.onShown) PostMessageW(hwnd_, kShownMessage, 0, 0);
        return true;
    }

    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override {
        switch (message) {
            case kShownMessage:
                services_.onShown(hwnd_);
                result = TRUE;
                return true;
            case WM_CTLCOLORSTATIC: {
                if (!IsLink(reinterpret_cast<HWND>(lParam))) return false;
                HDC dc = reinterpret_cast<HDC>(wParam);
                SetTextColor(dc, kLinkColor);
                SetBkMode(dc, TRANSPARENT);
                result = reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_BTNFACE));
                return true;
            }
            case WM_SETCURSOR:
                if (!IsLink(reinterpret_cast<HWND>(wParam))) return false;
                SetCursor(LoadCursorW(nullptr, IDC_HAND));
                result = Answer(TRUE);
                return true;
        }
        return false;
    }

    bool OnCommand(int id, UINT code, HWND) override {
        switch (id) {
            case IDC_ABOUT_MAIL:
                if (code == STN_CLICKED) CommentsClick();
                return true;
            case IDC_ABOUT_WEB:
                if (code == STN_CLICKED) Label10Click();
                return true;
            case IDOK:
            case IDCANCEL:
                EndDialog(hwnd_, id);
                return true;
        }
        return false;
    }

    static bool IsLink(HWND control) {
        const int id = GetDlgCtrlID(control);
        return id == IDC_ABOUT_MAIL || id == IDC_ABOUT_WEB;
    }

    void FormCreate() {
        SetDlgItemTextW(hwnd_, IDC_ABOUT_PRODUCT, kApplicationTitleW);
        SetDlgItemTextW(hwnd_, IDC_ABOUT_VERSION, Widen(std::string("Version ") + kVersionText).c_str());
        SetDlgItemTextW(hwnd_, IDC_ABOUT_NOTICE, Widen(std::string("Copyright (C) ") + kMakerName).c_str());
        SetDlgItemTextW(hwnd_, IDC_ABOUT_MAIL, Widen(mail_.shown).c_str());
        SetDlgItemTextW(hwnd_, IDC_ABOUT_WEB, Widen(web_.shown).c_str());

        // The standard size of a large icon: 32 x 32, more at a higher DPI.
        const int size = GetSystemMetrics(SM_CXICON);
        icon_ = static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_ZENKA), IMAGE_ICON,
                                              size, size, LR_DEFAULTCOLOR));
        if (icon_) SendDlgItemMessageW(hwnd_, IDC_ABOUT_ICON, STM_SETICON, reinterpret_cast<WPARAM>(icon_), 0);

        LOGFONTW font{};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(hwnd_, WM_GETFONT, 0, 0)), sizeof(font), &font);
        LOGFONTW title = font;
        title.lfWeight = FW_BOLD;
        titleFont_ = CreateFontIndirectW(&title);
        SendDlgItemMessageW(hwnd_, IDC_ABOUT_PRODUCT, WM_SETFONT, reinterpret_cast<WPARAM>(titleFont_), FALSE);
        font.lfUnderline = TRUE;
        linkFont_ = CreateFontIndirectW(&font);
        for (int id : {IDC_ABOUT_MAIL, IDC_ABOUT_WEB}) {
            SendDlgItemMessageW(hwnd_, id, WM_SETFONT, reinterpret_cast<WPARAM>(linkFont_), FALSE);
        }
        AddHints();
    }

    // The hints; the tooltip is the box's child window and goes with it.
    void AddHints() {
        HWND tooltip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                       CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd_, nullptr,
                                       GetModuleHandleW(nullptr), nullptr);
        if (!tooltip) return;
        const std::pair<int, const std::string&> hints[] = {{IDC_ABOUT_MAIL, mail_.hint}, {IDC_ABOUT_WEB, web_.hint}};
        for (const auto& [id, text] : hints) {
            hintTexts_[id == IDC_ABOUT_MAIL ? 0 : 1] = Widen(text);
            TTTOOLINFOW info{};
            info.cbSize = TTTOOLINFOW_V2_SIZE;
            info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
            info.hwnd = hwnd_;
            info.uId = reinterpret_cast<UINT_PTR>(GetDlgItem(hwnd_, id));
            info.lpszText = hintTexts_[id == IDC_ABOUT_MAIL ? 0 : 1].data();
            SendMessageW(tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
        }
    }

    void CommentsClick() { Open(mail_.target); }
    void Label10Click() { Open(web_.target); }

    // Whatever goes wrong handing the address over is let go: the box has
    // nothing better to offer.
    void Open(const std::string& target) {
        if (services_.openLink) {
            services_.openLink(hwnd_, target);
            return;
        }
        ShellExecuteW(hwnd_, L"open", Widen(target).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    }

    static constexpr UINT kShownMessage = WM_APP + 1;

    AboutServices services_;
    AboutLink mail_;
    AboutLink web_;
    HICON icon_ = nullptr;
    HFONT titleFont_ = nullptr;
    HFONT linkFont_ = nullptr;
    std::wstring hintTexts_[2];
};

}  // namespace

void ShowAboutBox(HWND owner, AboutServices services) {
    TfrmAbout box(std::move(services));
    box.ShowModal(owner);
}

}  // namespace zenka
