#include "app/main_window_win.h"

#include <commctrl.h>
#include <windowsx.h>

#include <array>

#include "common/app_icon_id.h"
#include "common/app_title.h"
#include "app/calendar_hot_key.h"
#include "app/calendar_window_input.h"
#include "app/calendar_window_position.h"
#include "app/dpi_win.h"
#include "common/error_report_win.h"
#include "app/main_menus_win.h"
#include "app/os_version_win.h"
#include "controls/panel_button_win.h"
#include "app/registry_key_store_win.h"
#include "app/screen_layout_win.h"
#include "app/settings_bulk.h"
#include "app/startup_display.h"
#include "app/taskbar_notice.h"
#include "calendar/era.h"
#include "common/executable_path_win.h"
#include "common/font_win.h"
#include "common/utf16_win.h"
#include "daylists/day_list_storage.h"
#include "daylists/holiday_list_upgrade.h"
#include "timesync/sync_icons_win.h"

namespace zenka {

namespace {

constexpr DWORD kWindowStyle = WS_POPUP | WS_CAPTION | WS_CLIPCHILDREN;
constexpr UINT_PTR kTimer1Interval = 10000;

// Colour keys of the layered window: the start-up's and the settings
// dialog's. Pixels of exactly this colour are left out.
constexpr COLORREF kStartupColorKey = RGB(0, 128, 0);
constexpr COLORREF kOpacityColorKey = RGB(128, 0, 128);

// Tooltip timing of the whole program, in milliseconds.
constexpr int kHintPause = 100;
constexpr int kHintHidePause = 10000;

struct ButtonDef {
    MainWindowControl id;
    PanelGlyph glyph;
    const wchar_t* text;  // shown on a text button; a reader's name for a picture button
    const char* hint;
};

constexpr std::array<ButtonDef, 7> kButtons{{
    {idPanelButton1, PanelGlyph::PrevYear, L"前の年", "前年へ"},
    {idPanelButton2, PanelGlyph::PrevMonth, L"前の月", "前月へ"},
    {idPanelButton5, PanelGlyph::Text, L"今日", "今日"},
    {idPanelButton3, PanelGlyph::NextMonth, L"次の月", "次月へ"},
    {idPanelButton4, PanelGlyph::NextYear, L"次の年", "次年へ"},
    {idPanelButton6, PanelGlyph::PinLoose, L"常に手前に表示", "常に手前に表示"},
    {idPanelButton7, PanelGlyph::Close, L"閉じる", "閉じる"},
}};

constexpr char kStayOnTopHint[] = "常に手前に表示";
constexpr char kReleaseOnTopHint[] = "手前表示を解除";

void MoveChild(HWND child, const LayoutBox& box) {
    SetWindowPos(child, nullptr, box.left, box.top, box.width, box.height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void AddTool(HWND tooltip, HWND owner, HWND tool) {
    TTTOOLINFOW info{};
    info.cbSize = TTTOOLINFOW_V2_SIZE;
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    info.hwnd = owner;
    info.uId = reinterpret_cast<UINT_PTR>(tool);
    info.lpszText = LPSTR_TEXTCALLBACKW;
    SendMessageW(tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

}  // namespace

UINT WheelRollMessage() {
    static const UINT message = RegisterWindowMessageW(L"MSWHEEL_ROLLMSG");
    return message;
}

// ---- timers ----

void TfrmZenka::RepeatingTimer::Start(uint32_t milliseconds) {
    // Setting an existing timer again starts its countdown anew.
    if (window_) SetTimer(window_, id_, milliseconds, nullptr);
}

void TfrmZenka::RepeatingTimer::Stop() {
    if (window_) KillTimer(window_, id_);
}

void TfrmZenka::WindowTimer::Start(uint32_t milliseconds) {
    if (running_ || !window_) return;
    running_ = SetTimer(window_, id_, milliseconds, nullptr) != 0;
}

void TfrmZenka::WindowTimer::Stop() {
    if (window_) KillTimer(window_, id_);
    running_ = false;
}

// ---- creation ----

TfrmZenka::TfrmZenka(MainWindowServices services)
    : koyomi1(*services.clock),
      services_(std::move(services)),
      appDir_(services_.appDir.empty() ? ExecutableDirectory() : services_.appDir),
      showing_(*this, tmrClose_, *this, settings_) {
    if (services_.osMajorVersion == 0) services_.osMajorVersion = ReportedOsVersion().major;
    if (services_.osBuildNumber == 0) services_.osBuildNumber = RealBuildNumber();
    layered_ = services_.osMajorVersion == 5;
}

TfrmZenka::~TfrmZenka() {
    if (hwnd_) DestroyWindow(hwnd_);
    if (popupMenu1_) DestroyMenu(popupMenu1_);
    if (popupMenu2_) DestroyMenu(popupMenu2_);
    if (labelFont_) DeleteObject(labelFont_);
    if (faceBrush_) DeleteObject(faceBrush_);
}

bool TfrmZenka::Create(HWND applicationWindow) {
    // The window is layered only where the opacity setting is honoured;
    // everywhere else it is a tool window, which gets no taskbar button
    // even without an owner.
    const DWORD exStyle = layered_ ? WS_EX_LAYERED : WS_EX_TOOLWINDOW;
    const WindowClass windowClass{kMainWindowClass, CS_DBLCLKS, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1), IDI_ZENKA};
    if (!CreateWindowOf(windowClass, exStyle, kApplicationTitleW, kWindowStyle, 0, 0, 0, 0, applicationWindow,
                        nullptr)) {
        return false;
    }
    // The window stays, with whatever the start-up got done; the user sees
    // what went wrong.
    ReportErrors(hwnd_, [this] {
        CreateChildren();
        tray_ = std::make_unique<MainTray>(hwnd_, popupMenu1_, *services_.clock, koyomi1, settings_, appDir_,
                                           SystemUsesNewerPlacementOrder());
        tray_->icons.OnShowCalendar = [this](TTrayIcon& pressed) {
            pressedIcon_ = &pressed;
            showing_.ShowCalendar();
            pressedIcon_ = nullptr;
        };
        // The alarm and chime flags are cleared before anything of the
        // start-up can open a box: a tick nested in one (the hot key's
        // warning, an error report) sets them for what it rang, and the
        // start-up's own tick must find them set, not ring it again.
        tray_->tick.ClearAlarmAndChimeFlags();
        SyncPlatform platform = services_.sync ? *services_.sync : offlineSync_.Platform();
        if (!platform.pause) {
            platform.pause = [this](uint32_t milliseconds, std::function<void()> then) {
                afterSyncResult_ = std::move(then);
                tmrSyncResult_.Start(milliseconds);
            };
        }
        if (services_.sync) syncWorker_ = std::make_unique<WorkerClockMeasurer>(hwnd_, kSyncMeasuredMessage);
        ClockMeasurer& measurer = syncWorker_ ? *syncWorker_ : offlineSync_.Measurer();
        TimeSyncHost& host = *this;
        timeSync_ = std::make_unique<TTimeSync>(settings_.sync, *services_.clock, tray_->sound, host, platform, measurer);
        tray_->timeSync.start = [this] { timeSync_->StartTimeSync(SyncTrigger::Daily); };
        SetUpCalendar();
        theme_.emplace(services_.theme ? *services_.theme : systemTheme_);
        ApplyTheme({true, true, true});
        FormCreate();
    });
    return true;
}

void TfrmZenka::CreateChildren() {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    for (const ButtonDef& def : kButtons) CreatePanelButton(hwnd_, def.id, def.glyph, def.text);
    // The enlarged caption label reaches under the stay-on-top button, so
    // it lies beneath the buttons.
    label1_ = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_LEFTNOWORDWRAP | SS_NOPREFIX, 0, 0, 0, 0, hwnd_,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(idLabel1)), instance, nullptr);
    SetWindowPos(label1_, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    koyomi1.Create(hwnd_, 0, 0, 0, 0, idKoyomi1);

    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&icc);
    // The tooltip has no owner: Wine places a window that owns a topmost
    // popup below that popup instead of making it topmost itself, which
    // would break the stay-on-top button. It is destroyed with the window.
    tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance,
                               nullptr);
    if (tooltip_) {
        AddTool(tooltip_, hwnd_, hwnd_);
        AddTool(tooltip_, hwnd_, koyomi1.Handle());
        AddTool(tooltip_, hwnd_, label1_);
        for (const ButtonDef& def : kButtons) AddTool(tooltip_, hwnd_, Child(def.id));
        SendMessageW(tooltip_, TTM_SETDELAYTIME, TTDT_INITIAL, kHintPause);
        SendMessageW(tooltip_, TTM_SETDELAYTIME, TTDT_RESHOW, kHintPause);
        SendMessageW(tooltip_, TTM_SETDELAYTIME, TTDT_AUTOPOP, kHintHidePause);
    }

    popupMenu1_ = CreatePopupMenuFrom(TrayMenuItems());
    popupMenu2_ = CreatePopupMenuFrom(CalendarMenuItems());
    SetTimer(hwnd_, idTimer1, kTimer1Interval, nullptr);
}

void TfrmZenka::SetUpCalendar() {
    koyomi1.SetFirstDayOfWeek(dowSun);
    koyomi1.SetNeighborColor(clSilver);
    koyomi1.SetDayOfWeekBkColor(clGray);
    koyomi1.SetShowNeighbor(false);
    koyomi1.SetShowLine(false);
    koyomi1.SetNeighborJump(true);
    koyomi1.SetAutoResize(false);
    koyomi1.SetFirstRowFirstDay(false);
    koyomi1.SetLastRowLastDay(false);
    koyomi1.SetShowRokuyo(false);
    koyomi1.SetColor(clWhite);
    koyomi1.Fonts().SetSynchronize(false);
    for (uint8_t i = 0; i < 8; ++i) {
        const auto index = static_cast<DayFontIndex>(i);
        FontDescription font = koyomi1.Fonts().Font(index);
        font.face = kJapaneseUiFace;
        font.charset = kShiftJisCharset;
        font.height = index == kFontRokuyo ? -13 : -12;
        font.bold = font.italic = font.underline = font.strikeOut = false;
        koyomi1.Fonts().SetFont(index, font);
    }
    koyomi1.OnDayChange = [this](TCustomCalendarEx2k&, int32_t, uint8_t, uint8_t) { RefreshCaptionAndHint(); };
    koyomi1.OnKeyDown = [this](MonthCalendarControl&, WORD key) { CalendarKeyDown(key); };
    koyomi1.OnDblClick = [this](MonthCalendarControl&) { OpenSettingsDialog(); };
    koyomi1.OnUnreadableLines = [this](const std::vector<EDayRuleError>& lines) { tray_->badLines.Tell(lines); };
    koyomi1.OnClick = [this](MonthCalendarControl&) { CalendarClicked(); };
}

// The start-up sequence, in its order.
void TfrmZenka::FormCreate() {
    helpPath_ = appDir_ + kHelpFileName;
    tag_ = ResolutionTag(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    timer2_.Stop();
    if (layered_) {
        user32_ = LoadLibraryW(L"user32.dll");
        if (user32_) {
            setLayeredWindowAttributes_ = reinterpret_cast<SetLayeredWindowAttributesFn>(
                reinterpret_cast<void*>(GetProcAddress(user32_, "SetLayeredWindowAttributes")));
        }
    }

    const std::unique_ptr<KeyStore> keys = OpenSettings();
    taskbarNoticeDue_ = TaskbarNoticeDue(*keys, services_.osBuildNumber);
    SettingsStore store(*keys);
    DayLists lists;
    LoadAllSettings(store, tag_, settings_, lists, [this](const std::string& text) {
        ShowMessage(text, kApplicationTitle, MB_OK | MB_ICONWARNING);
    });
    UpgradeEarlierDefaultHolidayList(*keys, lists.HolidayList);
    ApplySyncSchedule();
    // The stored position is taken as it is; showing clamps it.
    SetWindowPos(hwnd_, nullptr, settings_.pos.left, settings_.pos.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    koyomi1.SetAutoEquinox(settings_.koyomiJulius);
    ApplyDayFontColors();
    koyomi1.SetHolidayList(lists.HolidayList);
    koyomi1.SetSpecialDayList(lists.SpecialDayList);
    koyomi1.SetYoteiDayList(lists.YoteiDayList);
    ApplyViewSettings();

    LoadStartupDisplay(store, settings_);
    koyomi1.GoToday();
    LoadStartupWait(store, settings_);
    settingsLoaded_ = true;
    const StartupDisplay display = DecideStartupDisplay(settings_.kidou, settings_.form.wait);
    if (display.showCalendar) showing_.ShowCalendar();
    if (display.tray == TrayStart::Now) {
        LoadTrayChecks(store, settings_);
        PlaceTrayIcons();
    } else if (display.tray == TrayStart::AfterWait) {
        timer2_.Start(display.waitMilliseconds);
    }

    if (layered_ && setLayeredWindowAttributes_) {
        setLayeredWindowAttributes_(hwnd_, kStartupColorKey, static_cast<BYTE>(settings_.form.layer),
                                    LWA_COLORKEY | LWA_ALPHA);
    }
    RegisterCalendarHotKey();
    if (settings_.form.deleteRecent) {
        // Failures of the clean-up leave files where they are; the start-up
        // goes on either way.
        try {
            EmptyRecentDocuments(CleanupPlacesInUse());
        } catch (const std::exception&) {
        }
    }
    if (settings_.form.tmpDelete) tmrDelete_.Start(services_.temporaryCleanupDelay);
    ApplyWindowOrder();
    Timer1Timer();
    RefreshMenuChecks();
    RefreshCaptionAndHint();
    // Shown from the message loop, once the icons are in place.
    if (taskbarNoticeDue_) PostMessageW(hwnd_, kShowTaskbarNoticeMessage, 0, 0);
}

void TfrmZenka::ShowTaskbarNotice() {
    if (!taskbarNoticeDue_) return;
    taskbarNoticeDue_ = false;
    // Noted before the box opens, so that nothing shows it a second time.
    {
        const std::unique_ptr<KeyStore> keys = OpenSettings();
        RememberTaskbarNoticeShown(*keys);
    }
    ShowMessage(kTaskbarNoticeText, kApplicationTitle, MB_OK | MB_ICONINFORMATION);
}

void TfrmZenka::SetOpacity(uint8_t alpha) {
    if (!layered_ || !setLayeredWindowAttributes_) return;
    setLayeredWindowAttributes_(hwnd_, kOpacityColorKey, alpha, LWA_COLORKEY | LWA_ALPHA);
}

// Saves everything whenever the window is asked to close; never refuses.
void TfrmZenka::FormCloseQuery() {
    // A measurement that runs ends now, so that the program closes promptly.
    if (timeSync_) timeSync_->CancelTimeSync();
    if (!settingsLoaded_) {
        if (tray_) tray_->sound.Close();
        return;
    }
    RECT rect;
    if (GetWindowRect(hwnd_, &rect)) settings_.pos = {rect.left, rect.top};
    const TCalEX2kFonts& fonts = koyomi1.Fonts();
    settings_.color = {fonts.Weekday().color, fonts.Saturday().color, fonts.Sunday().color,
                       fonts.Holiday().color, fonts.SpecialDay().color, fonts.YoteiDay().color};
    const std::unique_ptr<KeyStore> keys = OpenSettings();
    SettingsStore store(*keys);
    SaveAllSettings(store, tag_, settings_, DayListsOf(koyomi1.Rules()));
    if (tray_) tray_->sound.Close();
}

void TfrmZenka::CloseQueryReportingErrors() {
    ReportErrors(hwnd_, [this] { FormCloseQuery(); });
}

void TfrmZenka::FormDestroy() {
    // An open month schedule view keeps its place for the next run.
    if (memo_) memo_->Close();
    // Changes not applied in an open settings dialog are dropped.
    pagesDlg_.reset();
    ownHelp_.reset();
    if (tooltip_) DestroyWindow(tooltip_);
    tooltip_ = nullptr;
    for (UINT_PTR id : {idTimer1, idTimer2, idTmrClose, idTmrDelete, idTmrOki, idTmrSyncResult}) KillTimer(hwnd_, id);
    afterSyncResult_ = nullptr;
    if (timeSync_) timeSync_->CancelTimeSync();
    if (user32_) FreeLibrary(user32_);
    user32_ = nullptr;
    setLayeredWindowAttributes_ = nullptr;
    // The icons leave the notification area with the window. The tray
    // object itself stays until this object goes: a tick waiting in a
    // notice box may still be on the stack.
    if (tray_) {
        tray_->icons.HideAll();
        tray_->sound.Close();
    }
}

// ---- messages ----

// Errors that end a user action (a step into the 1582 gap, a malformed day
// rule) stop at the edge of the message handling and are reported; the
// program goes on.

void TfrmZenka::OnGone() {
    label1_ = nullptr;
    tooltip_ = nullptr;
}

void TfrmZenka::OnCommand(int id, UINT, HWND) { Command(id); }

void TfrmZenka::OnTimer(UINT_PTR id) { Timer(id); }

void TfrmZenka::OnClose() {
    CloseQueryReportingErrors();
    DestroyWindow(hwnd_);
}

LRESULT TfrmZenka::OnNotify(NMHDR& header) {
    if (header.hwndFrom != tooltip_ || header.code != TTN_GETDISPINFOW) return WindowBase::OnNotify(header);
    auto& info = reinterpret_cast<NMTTDISPINFOW&>(header);
    const HWND tool = reinterpret_cast<HWND>(header.idFrom);
    const int id = GetDlgCtrlID(tool);
    std::string text = hint_.Text();
    for (const ButtonDef& def : kButtons) {
        if (tool == Child(def.id)) text = def.hint;
    }
    if (id == idPanelButton6) text = settings_.form.style ? kStayOnTopHint : kReleaseOnTopHint;
    hintBuffer_ = Widen(text);
    info.lpszText = hintBuffer_.data();
    return 0;
}

LRESULT TfrmZenka::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WheelRollMessage() && message != 0) {
        return MouseWheel(static_cast<int16_t>(LOWORD(wParam)));
    }
    switch (message) {
        case WM_INITMENUPOPUP:
            if (reinterpret_cast<HMENU>(wParam) == popupMenu1_) PopupMenu1Popup();
            return 0;
        case WM_MOUSEWHEEL:
            return MouseWheel(static_cast<int16_t>(HIWORD(wParam)));
        case WM_MBUTTONDBLCLK:
            koyomi1.GoToday();
            return 0;
        case WM_CONTEXTMENU:
            ShowContextMenu(lParam);
            return 0;
        case WM_HOTKEY:
            DefaultProcessing(message, wParam, lParam);
            if (wParam == kCalendarHotKeyId) showing_.HotKeyPressed();
            return 0;
        case WM_DISPLAYCHANGE:
            // The message carries the new resolution.
            RepositionFor(LOWORD(lParam), HIWORD(lParam));
            return 0;
        case WM_DPICHANGED: {
            const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
            SetWindowPos(hwnd_, nullptr, suggested->left, suggested->top, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            ApplyLayout();
            return 0;
        }
        case WM_ACTIVATE:
            if (LOWORD(wParam) != WA_INACTIVE && koyomi1.Handle()) SetFocus(koyomi1.Handle());
            return 0;
        case WM_SETFOCUS:
            if (koyomi1.Handle()) SetFocus(koyomi1.Handle());
            return 0;
        case WM_KEYDOWN:
            // A key a focused button passes on.
            CalendarKeyDown(static_cast<WORD>(wParam));
            return 0;
        case WM_CTLCOLORSTATIC:
            SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
            SetTextColor(reinterpret_cast<HDC>(wParam), ColorRefOf(PaletteFor(Theme()).faceText));
            return reinterpret_cast<LRESULT>(faceBrush_ ? faceBrush_ : GetSysColorBrush(COLOR_BTNFACE));
        case WM_ERASEBKGND:
            PaintFace(reinterpret_cast<HDC>(wParam));
            return 1;
        case WM_SETTINGCHANGE:
        case WM_SYSCOLORCHANGE:
        case WM_THEMECHANGED:
            // The taskbar's or the programs' theme, high contrast or the
            // colours may have changed; what did not change stays as it is.
            if (theme_) FollowThemeChange();
            return DefaultProcessing(message, wParam, lParam);
        case kReleasePagesDlgMessage:
            ReleasePagesDlg();
            return 0;
        case kBringPagesDlgForwardMessage:
            BringPagesDlgForward();
            return 0;
        case kSyncMeasuredMessage:
            if (syncWorker_) syncWorker_->Deliver();
            return 0;
        case kTabMeasuredMessage:
            if (tabWorker_) tabWorker_->Deliver();
            return 0;
        case WM_HELP:
            // The calendar window's topic; the system's own help stays away.
            ShowHelp(kHelpContextCalendar);
            return TRUE;
        case kShowTaskbarNoticeMessage:
            ShowTaskbarNotice();
            return 0;
        case kShowCalendarMessage:
            showing_.ShowCalendar();
            return 0;
        case WM_QUERYENDSESSION:
            CloseQueryReportingErrors();
            return TRUE;
        case WM_ENDSESSION:
            // Everything was saved when the session asked; the window goes
            // now so the program ends cleanly.
            if (wParam) DestroyWindow(hwnd_);
            return 0;
    }
    return DefaultProcessing(message, wParam, lParam);
}

std::span<const CommandHandler<TfrmZenka>> TfrmZenka::Commands() {
    static constexpr CommandHandler<TfrmZenka> kCommands[] = {
        {idPanelButton1, &TfrmZenka::PanelButton1Click},
        {idPanelButton2, &TfrmZenka::PanelButton2Click},
        {idPanelButton3, &TfrmZenka::PanelButton3Click},
        {idPanelButton4, &TfrmZenka::PanelButton4Click},
        {idPanelButton5, &TfrmZenka::PanelButton5Click},
        {idPanelButton6, &TfrmZenka::PanelButton6Click},
        {idPanelButton7, &TfrmZenka::PanelButton7Click},
        {cmdK1, &TfrmZenka::ShowCalendar},
        {cmdKO1, &TfrmZenka::OpenSettingsDialog},
        {cmdK2, &TfrmZenka::OpenSettingsDialog},
        {cmdK3, &TfrmZenka::K3Click},
        {cmdPopAbout, &TfrmZenka::popAboutClick},
        {cmdMnuTsuki, &TfrmZenka::mnuTsukiClick},
        {cmdMnuYoubi, &TfrmZenka::mnuYoubiClick},
        {cmdMnuSync, &TfrmZenka::mnuSyncClick},
        {cmdI1, &TfrmZenka::I1Click},
        {cmdExit1, &TfrmZenka::CloseMainWindow},
        {cmdPopMemo, &TfrmZenka::OpenMonthSchedule},
        {cmdPopW, &TfrmZenka::popWClick},
        {cmdB1, &TfrmZenka::B1Click},
        {cmdPopMonStart, &TfrmZenka::popMonStartClick},
        {cmdPopKinrin, &TfrmZenka::popKinrinClick},
        {cmdPopLine, &TfrmZenka::popLineClick},
        {cmdPopWareki, &TfrmZenka::popWarekiClick},
        {cmdPopSekki, &TfrmZenka::popSekkiClick},
        {cmdExit2, &TfrmZenka::PanelButton7Click},
    };
    return kCommands;
}

void TfrmZenka::Command(int id) { RunCommand(*this, Commands(), id); }

void TfrmZenka::RunCalendarCommand(CalendarCommand command) {
    switch (command) {
        case CalendarCommand::PrevYear: SendMessageW(Child(idPanelButton1), BM_CLICK, 0, 0); break;
        case CalendarCommand::PrevMonth: SendMessageW(Child(idPanelButton2), BM_CLICK, 0, 0); break;
        case CalendarCommand::Today: SendMessageW(Child(idPanelButton5), BM_CLICK, 0, 0); break;
        case CalendarCommand::NextMonth: SendMessageW(Child(idPanelButton3), BM_CLICK, 0, 0); break;
        case CalendarCommand::NextYear: SendMessageW(Child(idPanelButton4), BM_CLICK, 0, 0); break;
        case CalendarCommand::Settings: OpenSettingsDialog(); break;
        case CalendarCommand::None: break;
    }
}

void TfrmZenka::CalendarKeyDown(WORD key) {
    if (key == VK_TAB) {
        FocusNextTabStop();  // the grid and the buttons
        return;
    }
    const CalendarCommand command = CommandForKey(key);
    if (command != CalendarCommand::None) {
        RunCalendarCommand(command);
        return;
    }
    // The calendar menu's shortcut letters, pressed alone.
    const bool modified = (GetKeyState(VK_SHIFT) | GetKeyState(VK_CONTROL) | GetKeyState(VK_MENU)) < 0;
    if (modified) return;
    if (const auto item = MenuShortcutCommand(CalendarMenuItems(), key)) Command(*item);
}

void TfrmZenka::ShowContextMenu(LPARAM screenPoint) {
    POINT at{GET_X_LPARAM(screenPoint), GET_Y_LPARAM(screenPoint)};
    if (at.x == -1 && at.y == -1) {
        // From the keyboard: at the calendar's top-left corner.
        at = {layout_.koyomi1.left, layout_.koyomi1.top};
        ClientToScreen(hwnd_, &at);
    }
    RefreshMenuChecks();
    SetForegroundWindow(hwnd_);
    TrackPopupMenu(popupMenu2_, TPM_LEFTALIGN | TPM_RIGHTBUTTON, at.x, at.y, 0, hwnd_, nullptr);
    PostMessageW(hwnd_, WM_NULL, 0, 0);
}

LRESULT TfrmZenka::MouseWheel(int16_t delta) {
    const WheelStep step = WheelStepFor(delta);
    if (step.command == CalendarCommand::NextMonth) koyomi1.NextMonth();
    if (step.command == CalendarCommand::PrevMonth) koyomi1.PrevMonth();
    return step.result;
}

void TfrmZenka::Timer(UINT_PTR id) {
    switch (id) {
        case idTimer1: Timer1Timer(); break;
        case idTimer2: Timer2Timer(); break;
        case idTmrClose: showing_.tmrCloseTimer(); break;
        case idTmrDelete: tmrDeleteTimer(); break;
        case idTmrOki: tmrOkiTimer(); break;
        case idTmrSyncResult:
            tmrSyncResult_.Stop();
            if (afterSyncResult_) std::exchange(afterSyncResult_, nullptr)();
            break;
        default: KillTimer(hwnd_, id); break;
    }
}

void TfrmZenka::Timer1Timer() {
    if (tray_) tray_->tick.Timer1Timer();
}

// The start-up wait is over: the tray icons appear, with the check marks
// as stored now.
void TfrmZenka::Timer2Timer() {
    {
        const std::unique_ptr<KeyStore> keys = OpenSettings();
        SettingsStore store(*keys);
        LoadTrayChecks(store, settings_);
    }
    PlaceTrayIcons();
    timer2_.Stop();
}

// Once, the clean-up delay after the start.
void TfrmZenka::tmrDeleteTimer() {
    tmrDelete_.Stop();
    // Files in use, and whatever else cannot go, stay.
    try {
        EmptyTemporaryFolder(CleanupPlacesInUse());
    } catch (const std::exception&) {
    }
}

CleanupPlaces& TfrmZenka::CleanupPlacesInUse() {
    return services_.cleanupPlaces ? *services_.cleanupPlaces : systemCleanupPlaces_;
}

void TfrmZenka::PlaceTrayIcons() {
    if (tray_) tray_->placement.PlaceTrayIcons();
    RefreshMenuChecks();
    // The one attempt at start-up; none in calendar-only mode, which places
    // no icons.
    if (settings_.sync.start && timeSync_) timeSync_->StartTimeSync(SyncTrigger::Startup);
}

bool TfrmZenka::DayIconVisible() const { return tray_ && tray_->icons.TaskTray2.Visible(); }

bool TfrmZenka::AnyIconVisible() const {
    return tray_ && tray_->icons.AnyVisible();
}

void TfrmZenka::mnuTsukiClick() {
    tray_->placement.mnuTsukiClick();
    RefreshMenuChecks();
}

void TfrmZenka::mnuYoubiClick() {
    tray_->placement.mnuYoubiClick();
    RefreshMenuChecks();
}

void TfrmZenka::I1Click() { tray_->placement.I1Click(); }

// ---- clock synchronisation ----

void TfrmZenka::ApplySyncSchedule() { syncSchedule_.ApplySyncSchedule(settings_.sync); }

void TfrmZenka::MeasureClockFor(const AppSettings::Sync& sync,
                                std::function<void(const ClockMeasurement&)> done) {
    const std::optional<ClockMeasureRequest> request = SyncMeasureRequest(sync);
    if (!request) {
        ClockMeasurement refused;
        refused.combined.reason = sync_reason::kProxyText;
        done(refused);
        return;
    }
    if (services_.sync && !tabWorker_) tabWorker_ = std::make_unique<WorkerClockMeasurer>(hwnd_, kTabMeasuredMessage);
    ClockMeasurer& measurer = tabWorker_ ? *tabWorker_ : offlineSync_.Measurer();
    measurer.Measure(*request, [done = std::move(done)](const ClockMeasurement& measurement) { done(measurement); });
}

void TfrmZenka::CancelClockMeasurement() {
    if (tabWorker_) tabWorker_->Cancel();
}

std::optional<SyncReport> TfrmZenka::LastSyncReport() const {
    return timeSync_ ? timeSync_->LastReport() : std::nullopt;
}

void TfrmZenka::tmrOkiTimer() { timeSync_->StartTimeSync(SyncTrigger::Interval); }

void TfrmZenka::mnuSyncClick() { timeSync_->StartTimeSync(SyncTrigger::Menu); }

// The tray menu is opening: its synchronisation item is available when an
// attempt may run now.
void TfrmZenka::PopupMenu1Popup() {
    const bool allowed = timeSync_ && timeSync_->IsSyncAllowed();
    EnableMenuItem(popupMenu1_, cmdMnuSync, MF_BYCOMMAND | (allowed ? MF_ENABLED : MF_GRAYED));
}

void TfrmZenka::ShowSyncImage(SyncImage image) {
    HICON icon = LoadSyncIcon(image);
    if (!icon) return;
    tray_->icons.SetAllImages(icon);
    DestroyIcon(icon);
}

void TfrmZenka::StopTick() { KillTimer(hwnd_, idTimer1); }

void TfrmZenka::RestartTick() {
    // An attempt every few minutes must not bring today's schedule back each
    // time: the icons are redrawn, the notice comes only with a new day.
    tray_->tick.RedrawIcons();
    SetTimer(hwnd_, idTimer1, kTimer1Interval, nullptr);
    Timer1Timer();
}

void TfrmZenka::RecordSyncDay() {
    settings_.sync.syncDay = tray_->shortDate.FormatShortDate(services_.clock->Now());
    RegistryKeyStore keys;
    SettingsStore store(keys);
    SaveSyncDay(store, settings_.sync.syncDay);
}

// ---- buttons and menu items ----

// Each navigation button moves the calendar, and an open month schedule
// view follows it; other moves of the date leave the view as it is.
void TfrmZenka::PanelButton1Click() {
    koyomi1.PrevYear();
    RefillMonthSchedule();
}
void TfrmZenka::PanelButton2Click() {
    koyomi1.PrevMonth();
    RefillMonthSchedule();
}
void TfrmZenka::PanelButton3Click() {
    koyomi1.NextMonth();
    RefillMonthSchedule();
}
void TfrmZenka::PanelButton4Click() {
    koyomi1.NextYear();
    RefillMonthSchedule();
}
void TfrmZenka::PanelButton5Click() {
    koyomi1.GoToday();
    RefillMonthSchedule();
}

void TfrmZenka::PanelButton6Click() {
    settings_.form.style = !settings_.form.style;
    ApplyWindowOrder();
}

void TfrmZenka::PanelButton7Click() { showing_.CloseCalendar(); }

void TfrmZenka::K3Click() { ShowHelp(kHelpContextContents); }

void TfrmZenka::popMonStartClick() {
    settings_.form.firstDayOfWeek = !settings_.form.firstDayOfWeek;
    koyomi1.SetFirstDayOfWeek(settings_.form.firstDayOfWeek ? dowMon : dowSun);
    RefreshMenuChecks();
}

void TfrmZenka::popKinrinClick() {
    settings_.form.neighbor = !settings_.form.neighbor;
    koyomi1.SetShowNeighbor(settings_.form.neighbor);
    koyomi1.SetNeighborJump(settings_.form.neighbor);
    RefreshMenuChecks();
}

void TfrmZenka::popLineClick() {
    settings_.form.line = !settings_.form.line;
    koyomi1.SetShowLine(settings_.form.line);
    RefreshMenuChecks();
}

void TfrmZenka::popWarekiClick() {
    settings_.form.japanese = !settings_.form.japanese;
    RefreshMenuChecks();
    RefreshCaptionAndHint();
    // The tray tooltips take the new year form at the next tick.
    tray_->tick.ClearIconDateCache();
}

void TfrmZenka::popSekkiClick() {
    settings_.form.sekki = !settings_.form.sekki;
    RefreshMenuChecks();
    RefreshCaptionAndHint();
    tray_->tick.ClearIconDateCache();
    RefillMonthSchedule();
}

void TfrmZenka::popWClick() {
    settings_.form.w = !settings_.form.w;
    RefreshMenuChecks();
}

void TfrmZenka::B1Click() {
    settings_.form.big = !settings_.form.big;
    RefreshMenuChecks();
    ApplyLayout();
    RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Reposition();
}

// ---- applying settings ----

void TfrmZenka::ApplyViewSettings() {
    koyomi1.SetFirstDayOfWeek(settings_.form.firstDayOfWeek ? dowMon : dowSun);
    koyomi1.SetShowNeighbor(settings_.form.neighbor);
    koyomi1.SetNeighborJump(settings_.form.neighbor);
    koyomi1.SetShowLine(settings_.form.line);
    ApplyLayout();
}

void TfrmZenka::ApplyLayout() {
    layout_ = ScaleLayout(CalendarLayout(settings_.form.big), DpiOfWindow(hwnd_));
    const SIZE outer = WindowSizeForClient(layout_.clientWidth, layout_.clientHeight, kWindowStyle,
                                           static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_EXSTYLE)), layout_.dpi);
    SetWindowPos(hwnd_, nullptr, 0, 0, outer.cx, outer.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    MoveChild(koyomi1.Handle(), layout_.koyomi1);
    MoveChild(label1_, layout_.label1);
    MoveChild(Child(idPanelButton1), layout_.panelButton1);
    MoveChild(Child(idPanelButton2), layout_.panelButton2);
    MoveChild(Child(idPanelButton5), layout_.panelButton5);
    MoveChild(Child(idPanelButton3), layout_.panelButton3);
    MoveChild(Child(idPanelButton4), layout_.panelButton4);
    MoveChild(Child(idPanelButton6), layout_.panelButton6);
    MoveChild(Child(idPanelButton7), layout_.panelButton7);

    for (DayFontIndex index : {kFontDayOfWeek, kFontHoliday, kFontSaturday, kFontSpecialDay, kFontSunday,
                               kFontWeekday, kFontYoteiDay}) {
        FontDescription font = koyomi1.Fonts().Font(index);
        font.height = layout_.FontHeight(layout_.dayFont);
        font.bold = layout_.dayFont.bold;
        koyomi1.Fonts().SetFont(index, font);
    }
    FontDescription rokuyo = koyomi1.Fonts().Rokuyo();
    rokuyo.height = -layout_.rokuyoHeight;
    koyomi1.Fonts().SetRokuyo(rokuyo);

    FontDescription labelFont;
    labelFont.height = layout_.FontHeight(layout_.labelFont);
    labelFont.bold = layout_.labelFont.bold;
    HFONT font = CreateFontFor(labelFont);
    SendMessageW(label1_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    if (labelFont_) DeleteObject(labelFont_);
    labelFont_ = font;
    InvalidateRect(hwnd_, nullptr, TRUE);
}

void TfrmZenka::ApplyWindowOrder() {
    if (settings_.form.style) {
        // Leaving the always-on-top state; a hidden window is not made
        // active by it.
        SetWindowPos(hwnd_, HWND_NOTOPMOST, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | (IsWindowVisible(hwnd_) ? 0 : SWP_NOACTIVATE));
    } else {
        SetWindowPos(hwnd_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE);
    }
    SetPanelGlyph(Child(idPanelButton6), settings_.form.style ? PanelGlyph::PinLoose : PanelGlyph::PinPushed);
    SetWindowTextW(Child(idPanelButton6), Widen(settings_.form.style ? kStayOnTopHint : kReleaseOnTopHint).c_str());
}

void TfrmZenka::ApplyDayFontColors() {
    const std::pair<DayFontIndex, Color> colors[] = {
        {kFontWeekday, settings_.color.weekday}, {kFontSaturday, settings_.color.saturday},
        {kFontSunday, settings_.color.sunday},   {kFontHoliday, settings_.color.holiday},
        {kFontSpecialDay, settings_.color.specialday}, {kFontYoteiDay, settings_.color.yoteiday},
    };
    for (const auto& [index, color] : colors) {
        FontDescription font = koyomi1.Fonts().Font(index);
        font.color = color;
        koyomi1.Fonts().SetFont(index, font);
    }
}

void TfrmZenka::RegisterCalendarHotKey() {
    const OsVersion version = ReportedOsVersion();
    const auto hotKey = HotKeyFor(settings_.form.hotKey1, SystemHasNoRepeatHotKeys(version.major, version.minor));
    if (!hotKey) return;
    if (!RegisterHotKey(hwnd_, kCalendarHotKeyId, hotKey->modifiers, hotKey->key)) {
        ShowMessage(kHotKeyTakenText, kHotKeyTakenCaption, MB_OK | MB_ICONWARNING);
    }
}

void TfrmZenka::RefreshMenuChecks() {
    SetMenuCheck(popupMenu1_, cmdMnuTsuki, settings_.icon.tsuki);
    SetMenuCheck(popupMenu1_, cmdMnuYoubi, settings_.icon.youbi);
    SetMenuCheck(popupMenu2_, cmdPopW, settings_.form.w);
    SetMenuCheck(popupMenu2_, cmdB1, settings_.form.big);
    SetMenuCheck(popupMenu2_, cmdPopMonStart, settings_.form.firstDayOfWeek);
    SetMenuCheck(popupMenu2_, cmdPopKinrin, settings_.form.neighbor);
    SetMenuCheck(popupMenu2_, cmdPopLine, settings_.form.line);
    SetMenuCheck(popupMenu2_, cmdPopWareki, settings_.form.japanese);
    SetMenuCheck(popupMenu2_, cmdPopSekki, settings_.form.sekki);
}

void TfrmZenka::RefreshCaption() {
    const std::string caption = CalendarCaptionText();
    SetWindowTextW(label1_, Widen(caption).c_str());
    // Screen readers name the calendar by its month and read its days as
    // the tray tooltip words them.
    const AppSettings::Form& form = settings_.form;
    koyomi1.SetAccessibleWording({.eraFirst = form.japanese, .rokuyo = form.rokuyo, .sekki = form.sekki});
    koyomi1.SetAccessibleName(caption);
}

// ---- showing and hiding ----

bool TfrmZenka::IsVisible() const { return IsWindowVisible(hwnd_) != FALSE; }

void TfrmZenka::MakeVisible() { ShowWindow(hwnd_, SW_SHOW); }

void TfrmZenka::MakeInvisible() { ShowWindow(hwnd_, SW_HIDE); }

void TfrmZenka::Reposition() { RepositionFor(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)); }

void TfrmZenka::RepositionFor(int screenWidth, int screenHeight) {
    RECT window;
    GetWindowRect(hwnd_, &window);
    const std::unique_ptr<KeyStore> keys = OpenSettings();
    SettingsStore store(*keys);
    std::optional<WindowPosition> current;
    if (settingsLoaded_ && settings_.posKept) current = WindowPosition{window.left, window.top};
    const WindowPosition position =
        RepositionForResolution(store, tag_, current, ResolutionTag(screenWidth, screenHeight),
                                {window.right - window.left, window.bottom - window.top},
                                services_.screens ? services_.screens(TrayAnchor()) : CurrentScreenLayout(TrayAnchor()));
    SetWindowPos(hwnd_, nullptr, position.left, position.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    settings_.pos = position;
    settings_.posKept = true;
}

std::optional<RECT> TfrmZenka::TrayAnchor() const {
    if (!tray_) return std::nullopt;
    // Not opened from an icon (the hot key, a menu, a second start): beside
    // the day icon, which stands for the three.
    const TTrayIcon& icon = pressedIcon_ ? *pressedIcon_ : tray_->icons.TaskTray2;
    return icon.ScreenRect();
}

void TfrmZenka::BringToFront() {
    SetForegroundWindow(hwnd_);
    if (koyomi1.Handle()) SetFocus(koyomi1.Handle());
}

void TfrmZenka::RefreshCaptionAndHint() {
    RefreshCaption();
    // Whatever asked for the refresh goes on after an error here.
    ReportErrors(hwnd_, [this] {
        if (tray_) hint_.Refresh({.rokuyo = settings_.form.rokuyo, .sekki = settings_.form.sekki}, tray_->badLines);
    });
    // A tip on view asks for its text again only when told its text has
    // changed; redrawing it (TTM_UPDATE) would show the old day's.
    if (!tooltip_) return;
    for (HWND tool : {hwnd_, koyomi1.Handle(), label1_}) {
        TTTOOLINFOW info{};
        info.cbSize = TTTOOLINFOW_V2_SIZE;
        info.hwnd = hwnd_;
        info.uId = reinterpret_cast<UINT_PTR>(tool);
        info.lpszText = LPSTR_TEXTCALLBACKW;
        SendMessageW(tooltip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&info));
    }
}

void TfrmZenka::GoToday() { koyomi1.GoToday(); }

// ---- the month schedule view ----

void TfrmZenka::OpenMonthSchedule() {
    if (!MonthSchedule()) {
        if (!tray_) return;
        // Owned like the calendar window, by the application's hidden
        // window, so that it comes and goes on its own.
        MonthScheduleHost& host = *this;
        memo_ = std::make_unique<TfrmMemo>(koyomi1, host, tray_->badLines);
        if (!memo_->Create(GetWindow(hwnd_, GW_OWNER))) {
            memo_.reset();
            return;
        }
        ApplyThemeToMonthSchedule();
    }
    memo_->Show();
}

void TfrmZenka::RefillMonthSchedule() {
    if (TfrmMemo* memo = MonthSchedule()) memo->Fill();
}

DayWording TfrmZenka::ScheduleWording() const { return {.sekki = settings_.form.sekki}; }

std::string TfrmZenka::CalendarCaptionText() const {
    return CalendarCaption({koyomi1.Year(), koyomi1.Month(), koyomi1.Day()}, settings_.form.japanese);
}

void TfrmZenka::OpenScheduleDay(int32_t year, uint8_t month, uint8_t day) {
    koyomi1.SetDate(year, month, day);
    OpenSettingsDialog();
}

void TfrmZenka::CloseMainWindow() { PostMessageW(hwnd_, WM_CLOSE, 0, 0); }

std::unique_ptr<KeyStore> TfrmZenka::OpenSettings() const {
    if (services_.openSettings) return services_.openSettings();
    return std::make_unique<RegistryKeyStore>();
}

int TfrmZenka::ShowMessage(const std::string& text, const std::string& caption, UINT type) {
    if (services_.messageBox) return services_.messageBox(hwnd_, text, caption, type);
    return MessageBoxW(hwnd_, Widen(text).c_str(), Widen(caption).c_str(), type);
}

}  // namespace zenka
