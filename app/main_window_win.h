// The main window, TfrmZenka: the small calendar window, and the owner of
// everything that lives as long as the program: the calendar with the day
// lists, the settings, the timers, the menus, the tray icons and the tick.
// It is created hidden; its creation runs the start-up sequence, and its
// close saves every setting and day list.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>

#include "common/app_settings.h"
#include "app/calendar_hint.h"
#include "app/calendar_showing.h"
#include "app/calendar_window_position.h"
#include "app/calendar_window_input.h"
#include "app/calendar_window_layout.h"
#include "app/main_tray_win.h"
#include "app/main_window_ids.h"
#include "app/month_schedule_win.h"
#include "app/startup_cleanup_win.h"
#include "app/tray_presence.h"
#include "common/clock.h"
#include "common/help_service.h"
#include "common/key_store.h"
#include "common/theme.h"
#include "common/theme_source_win.h"
#include "controls/month_calendar_win.h"
#include "controls/window_base_win.h"
#include "settings/about_dlg_win.h"
#include "settings/pages_dlg_win.h"
#include "settings/pages_host.h"
#include "timesync/offline_sync.h"
#include "timesync/sync_report.h"
#include "timesync/sync_schedule.h"
#include "timesync/time_sync.h"
#include "timesync/worker_clock_measurer_win.h"

namespace zenka {

// The main window's timers, by identifier.
enum MainWindowTimer : UINT_PTR {
    idTimer1 = 1,  // the periodic tick, every 10 seconds
    idTimer2,      // the start-up wait before the tray icons appear
    idTmrClose,    // auto-close
    idTmrDelete,   // delayed emptying of the temporary folder
    idTmrOki,      // interval clock synchronisation
    idTmrSyncResult,  // the second a synchronisation's result shows
};

// Posted by the start-up to show the first start's notice about the tray
// icons once the start-up is over.
constexpr UINT kShowTaskbarNoticeMessage = WM_APP + 1;
// Posted to the main window when the settings dialog's window is gone, and
// to bring the dialog forward after a settings command.
constexpr UINT kReleasePagesDlgMessage = WM_APP + 10;
constexpr UINT kBringPagesDlgForwardMessage = WM_APP + 11;
// Posted by a clock measurement's thread when it has ended.
constexpr UINT kSyncMeasuredMessage = WM_APP + 12;
// The same, for the sync tab's measurement.
constexpr UINT kTabMeasuredMessage = WM_APP + 13;

// "MSWHEEL_ROLLMSG", which older mouse drivers send instead of
// WM_MOUSEWHEEL; registered on first use.
UINT WheelRollMessage();

// Shows a message box and answers its result.
using MessageBoxFunction =
    std::function<int(HWND owner, const std::string& text, const std::string& caption, UINT type)>;

struct MainWindowServices {
    // Today's date; must outlive the window.
    const Clock* clock = nullptr;
    // 0: ask the system. Only version 5 makes the window layered.
    DWORD osMajorVersion = 0;
    // The real build number of the system; 0: ask it. Windows 11 (22000
    // and above) gets the first start's notice about its tray icons.
    DWORD osBuildNumber = 0;
    // Empty: MessageBoxW.
    MessageBoxFunction messageBox;
    // The folders the start-up clean-up empties; null: the system's. Must
    // outlive the window.
    CleanupPlaces* cleanupPlaces = nullptr;
    // How long after the start the temporary folder is emptied, once.
    uint32_t temporaryCleanupDelay = 15000;  // ms
    // Opens the settings for one operation. Empty: the registry key.
    std::function<std::unique_ptr<KeyStore>()> openSettings;
    // Where the Icon folder and the help file lie, with a trailing
    // backslash; empty: the executable's folder.
    std::string appDir;
    // What a clock synchronisation reaches the clock with; must outlive
    // the window. Without it no attempt reaches a server or the clock, so
    // only zenka.exe itself passes the real services; with it the servers
    // are measured on a thread of their own. A missing pause is a timer of
    // the window.
    std::optional<SyncPlatform> sync;
    // Null: HTML Help with the help file beside the executable. Must
    // outlive the window.
    HelpService* help = nullptr;
    // The backup file of the day lists; empty: beside the executable.
    std::string backupPath;
    // How the about box opens its links and lets tests see it.
    AboutServices about;
    // The screens the calendar window is placed on, given the tray icon it
    // opens beside; empty: the system's.
    std::function<ScreenLayout(const std::optional<RECT>& trayIcon)> screens;
    // Where the system's theme is read; null: the registry and the system's
    // parameters. Must outlive the window.
    const ThemeSource* theme = nullptr;
};

class TfrmZenka : public WindowBase, private CalendarWindowHost, private TrayPresence, private MonthScheduleHost,
                  private TimeSyncHost, private PagesHost {
public:
    explicit TfrmZenka(MainWindowServices services);
    ~TfrmZenka() override;
    TfrmZenka(const TfrmZenka&) = delete;
    TfrmZenka& operator=(const TfrmZenka&) = delete;

    // Creates the window hidden, owned by the application's hidden window
    // (or by none), and runs the start-up sequence. False when the window
    // cannot be made. Once the window is gone, OnDestroyed is called: the
    // program's entry ends its message loop there.
    bool Create(HWND applicationWindow);

    // Shows the calendar window (or brings it forward) and hides it; for
    // the tray icons, the tray menu and the hot key.
    void ShowCalendar() { showing_.ShowCalendar(); }
    void HideCalendar() { showing_.HideCalendar(); }
    // The opacity the settings dialog applies; only where the window is
    // layered.
    void SetOpacity(uint8_t alpha) override;

    // The settings dialog, while it is open.
    TPagesDlg* PagesDlg() { return pagesDlg_.get(); }
    // For the message loop: the settings dialog's keys.
    bool PreTranslateMessage(MSG& msg);
    // What the last synchronisation attempt found; nothing before the first.
    std::optional<SyncReport> LastSyncReport() const override;
    // The sync tab's measurement, beside any attempt's.
    void MeasureClockFor(const AppSettings::Sync& sync, std::function<void(const ClockMeasurement&)> done) override;
    void CancelClockMeasurement() override;
    // tmrOki by the settings: on exactly when Teiki is on and Oneday off,
    // every Oki minutes; unchanged, it keeps counting.
    void ApplySyncSchedule() override;

    MonthCalendarControl koyomi1;

    AppSettings& Settings() override { return settings_; }
    const AppSettings& Settings() const { return settings_; }
    // The tooltip of the window and the calendar: the selected day's
    // rokuyo and names.
    const std::string& Hint() const { return hint_.Text(); }
    HMENU PopupMenu1() const { return popupMenu1_; }  // the tray menu
    HWND Tooltip() const { return tooltip_; }
    // The tray icons and the tick; null before Create and after the window
    // is gone.
    MainTray* Tray() { return tray_.get(); }
    HMENU PopupMenu2() const { return popupMenu2_; }  // the calendar menu
    bool Layered() const { return layered_; }
    bool Shown() const { return showing_.Shown(); }
    const CalendarWindowLayout& Layout() const { return layout_; }
    // The resolution the window's position is kept for at present.
    const std::string& ResolutionTagInUse() const { return tag_; }
    HWND Child(MainWindowControl id) const { return GetDlgItem(hwnd_, id); }
    // The month schedule view while it is open, else null.
    TfrmMemo* MonthSchedule() const { return memo_ && memo_->Handle() ? memo_.get() : nullptr; }
    // The theme as last read; a change of the system's settings or colours
    // reads it again and applies what changed.
    const ThemeState& Theme() const { return theme_->State(); }

private:
    // A window timer that fires again and again.
    class RepeatingTimer : public IntervalTimer {
    public:
        RepeatingTimer(const HWND& window, UINT_PTR id) : window_(window), id_(id) {}
        void Start(uint32_t milliseconds) override;
        void Stop() override;

    private:
        const HWND& window_;
        UINT_PTR id_;
    };

    // A window timer that fires once.
    class WindowTimer : public OneShotTimer {
    public:
        WindowTimer(const HWND& window, UINT_PTR id) : window_(window), id_(id) {}
        bool Running() const override { return running_; }
        void Start(uint32_t milliseconds) override;
        void Stop() override;

    private:
        const HWND& window_;
        UINT_PTR id_;
        bool running_ = false;
    };

    void OnCommand(int id, UINT code, HWND control) override;
    LRESULT OnNotify(NMHDR& header) override;
    void OnTimer(UINT_PTR id) override;
    void OnPaint(HDC dc) override { PaintFace(dc); }
    void OnClose() override;
    void OnDestroy() override { FormDestroy(); }
    void OnGone() override;
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    void CreateChildren();
    void SetUpCalendar();
    void FormCreate();
    void FormCloseQuery();
    // The close query for WM_CLOSE and the session's end: an error is
    // reported and the close goes on, for the close is never refused.
    void CloseQueryReportingErrors();
    void FormDestroy();
    void ShowTaskbarNotice();

    // The view options of the calendar menu, as the settings hold them.
    void ApplyViewSettings();
    void ApplyLayout();
    void ApplyWindowOrder();
    void ApplyDayFontColors();
    void RegisterCalendarHotKey();
    void RefreshMenuChecks();
    void RefreshCaption();
    // The theme's colours, title bar and tray icon set, as far as the
    // change reaches (main_window_theme_win.cpp).
    void ApplyTheme(const ThemeChange& change);
    void ApplyThemeToMonthSchedule();
    void FollowThemeChange() { ApplyTheme(theme_->Refresh()); }
    void PaintFace(HDC dc);

    // A menu item's or button's command; one the table lacks does nothing.
    void Command(int id);
    static std::span<const CommandHandler<TfrmZenka>> Commands();
    void RunCalendarCommand(CalendarCommand command);
    void CalendarKeyDown(WORD key);
    void ShowContextMenu(LPARAM screenPoint);
    LRESULT MouseWheel(int16_t delta);
    void Timer(UINT_PTR id);
    void Timer1Timer();
    void Timer2Timer();
    void tmrDeleteTimer();
    CleanupPlaces& CleanupPlacesInUse();
    void tmrOkiTimer();
    void mnuSyncClick();
    void PopupMenu1Popup();
    void mnuTsukiClick();
    void mnuYoubiClick();
    void I1Click();
    void RepositionFor(int screenWidth, int screenHeight);
    // The tray icon the calendar opens beside, where the shell tells.
    std::optional<RECT> TrayAnchor() const;

    // The buttons and menu items.
    void PanelButton1Click();
    void PanelButton2Click();
    void PanelButton3Click();
    void PanelButton4Click();
    void PanelButton5Click();
    void PanelButton6Click();
    void PanelButton7Click();
    void K3Click();
    void popMonStartClick();
    void popKinrinClick();
    void popLineClick();
    void popWarekiClick();
    void popSekkiClick();
    void popWClick();
    void B1Click();
    // The settings command (KO1, K2, a double click or Enter on the
    // calendar): opens the dialog, or presets it and brings it forward.
    void OpenSettingsDialog();
    void CalendarClicked();
    // The dialog's window is gone; the object goes too.
    void ReleasePagesDlg();
    void BringPagesDlgForward();
    void popAboutClick();
    void ShowHelp(uint32_t context);

    // CalendarWindowHost
    bool IsVisible() const override;
    void MakeVisible() override;
    void MakeInvisible() override;
    void Reposition() override;
    void BringToFront() override;
    void OpenMonthSchedule() override;
    void RefreshCaptionAndHint() override;
    void GoToday() override;
    void CloseMainWindow() override;

    // MonthScheduleHost
    std::string CalendarCaptionText() const override;
    void OpenScheduleDay(int32_t year, uint8_t month, uint8_t day) override;
    DayWording ScheduleWording() const override;
    DayWording ReaderWording() const override { return koyomi1.AccessibleWording(); }
    // The navigation buttons take an open month schedule view along.
    void RefillMonthSchedule();

    // TrayPresence
    bool DayIconVisible() const override;
    bool AnyIconVisible() const override;
    void PlaceTrayIcons() override;

    // TimeSyncHost
    void ShowSyncImage(SyncImage image) override;
    void StopTick() override;
    void RestartTick() override;
    void RecordSyncDay() override;
    // PagesHost
    DayLists CalendarDayLists() const override;
    void SetCalendarDayLists(const DayLists& lists) override;
    Color DayFontColor(DayFontIndex font) const override;
    void SetDayFontColor(DayFontIndex font, Color color) override;
    CivilDate SelectedDate() const override;
    bool AutoEquinox() const override;
    void SetAutoEquinox(bool on) override;
    void RedrawDateIconsQuietly() override;
    void SetAutoCloseInterval(int32_t milliseconds) override;
    void SettingsApplied() override;
    void SaveDayLists() override;
    void BackupDayLists() override;
    std::string BackupPath() const override;
    std::optional<std::vector<std::string>> OldLayoutLines() override;
    SoundPlayer& Sound() override;
    HelpService& Help() override;
    uint32_t OsMajorVersion() const override { return services_.osMajorVersion; }

    int ShowMessage(const std::string& text, const std::string& caption, UINT type);
    std::unique_ptr<KeyStore> OpenSettings() const;

    MainWindowServices services_;
    AppSettings settings_;
    HWND label1_ = nullptr;
    HWND tooltip_ = nullptr;
    HFONT labelFont_ = nullptr;
    HMENU popupMenu1_ = nullptr;
    HMENU popupMenu2_ = nullptr;
    bool layered_ = false;
    HMODULE user32_ = nullptr;
    using SetLayeredWindowAttributesFn = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);
    SetLayeredWindowAttributesFn setLayeredWindowAttributes_ = nullptr;
    CalendarWindowLayout layout_;
    std::string tag_;  // resolution tag in use
    // Every setting and day list was read at start-up. Until then the
    // window holds defaults, which must not be written over the stored
    // settings: a start-up that failed before saves nothing.
    bool settingsLoaded_ = false;
    // This is the very first start on Windows 11: the notice is due.
    bool taskbarNoticeDue_ = false;
    std::string appDir_;
    std::string helpPath_;
    CalendarHint hint_{koyomi1};
    std::wstring hintBuffer_;  // handed to the tooltip
    WindowTimer timer2_{hwnd_, idTimer2};
    WindowTimer tmrClose_{hwnd_, idTmrClose};
    WindowTimer tmrDelete_{hwnd_, idTmrDelete};
    SystemCleanupPlaces systemCleanupPlaces_;
    RepeatingTimer tmrOki_{hwnd_, idTmrOki};
    SyncSchedule syncSchedule_{tmrOki_};
    CalendarShowing showing_;
    // Made with the window's handle, which owns the icons and the sound
    // device; gone with it.
    std::unique_ptr<MainTray> tray_;
    // Made on first use; its window may be gone while the object stays.
    std::unique_ptr<TfrmMemo> memo_;
    OfflineSync offlineSync_;
    std::unique_ptr<WorkerClockMeasurer> syncWorker_;  // with the real services
    std::unique_ptr<WorkerClockMeasurer> tabWorker_;   // the same, for the sync tab
    WindowTimer tmrSyncResult_{hwnd_, idTmrSyncResult};
    std::function<void()> afterSyncResult_;  // when the result's second is over
    // Made with the tray, whose icons and sound it uses.
    std::unique_ptr<TTimeSync> timeSync_;
    std::unique_ptr<HelpService> ownHelp_;  // when the services bring none
    std::unique_ptr<TPagesDlg> pagesDlg_;
    bool aboutShown_ = false;
    // The icon whose press is showing the calendar, during that show.
    const TTrayIcon* pressedIcon_ = nullptr;
    SystemThemeSource systemTheme_;
    std::optional<ThemeWatch> theme_;
    // The window's face in the theme's colour, for its own background and
    // the caption label's.
    HBRUSH faceBrush_ = nullptr;
};

}  // namespace zenka
