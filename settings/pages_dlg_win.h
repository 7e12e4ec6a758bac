// TPagesDlg: the settings dialog. Not modal; one at a time, kept by the
// main window, which it reaches through PagesHost. It opens on the first
// tab with the main window's values and the apply button disabled; any
// change enables it; apply writes everything back; OK applies and closes;
// cancel closes. Closing in any way destroys the dialog.
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "controls/dialog_base_win.h"
#include "controls/file_dialogs_win.h"
#include "daylists/day_list_page_win.h"
#include "settings/alarm_page_win.h"
#include "settings/color_page_win.h"
#include "settings/other_page_win.h"
#include "settings/pages_binding_win.h"
#include "settings/pages_host.h"
#include "settings/pages_load_apply.h"
#include "settings/startup_page_win.h"
#include "settings/sync_page_win.h"

namespace zenka {

struct PagesDlgServices {
    // Shows a message box and answers its result; empty: MessageBoxW.
    std::function<int(HWND owner, const std::string& text, const std::string& caption, UINT type)> messageBox;
    // Run the open and save dialogs and answer whether a file was chosen;
    // empty: the system's dialogs.
    std::function<bool(HWND owner, TAgOpenDialog& dialog)> runOpenDialog;
    std::function<bool(HWND owner, TAgSaveDialog& dialog)> runSaveDialog;
};

class TPagesDlg : public DialogBase, private ApplyFeedback, private DayListPageHost {
public:
    // The host must outlive the dialog.
    explicit TPagesDlg(PagesHost& host, PagesDlgServices services = {});
    ~TPagesDlg() override;
    TPagesDlg(const TPagesDlg&) = delete;
    TPagesDlg& operator=(const TPagesDlg&) = delete;

    // Creates the dialog owned by the window (or by none), loads it and
    // shows it. False when it cannot be made.
    bool Create(HWND owner);

    // The settings command while the dialog is open: the day-list tabs'
    // entry fields take the calendar's selected date, and the dialog comes
    // to the front.
    void PresetEntryControls();
    void BringToFront();
    // A click on the calendar: the lines of the active day-list tab that
    // name the date are selected; other tabs are left alone.
    void SelectLinesOfDate(const CivilDate& date);

    // For the message loop: Ctrl+Tab and Ctrl+PgUp/PgDn turn the tabs, and
    // the dialog's keys (Tab, Enter, Esc, access keys) work. True when the
    // message was handled.
    bool PreTranslateMessage(MSG& msg);

    int32_t CurrentTab() const;
    void SelectTab(int32_t tab);
    HWND Page(int32_t tab) const;
    const DayListPage& DayList(PagesTab tab) const;
    DayListPage& DayList(PagesTab tab);
    bool ApplyEnabled() const;

private:
    bool OnInitDialog() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;
    bool OnCommand(int id, UINT code, HWND control) override;
    bool OnNotify(const NMHDR& header, LRESULT& result) override;

    void FormCreate();
    void FormShow();
    void PlacePages();
    void ShowCurrentPage();
    PageHandles Handles() const;

    void ControlEvent(PagesTab tab, int control, UINT code);
    void MeasureClick();
    void Changed();
    void RefreshEnabling();
    void SwitchSlot(int slot);
    void ResetColors();
    void WarnAboutTempFolder();
    void ChooseSoundFile(HWND field);
    void PlayForTrial(HWND field);

    void btnApplyClick();
    void OKBtnClick();
    void CancelBtnClick();
    void AddPendingEntries();
    void Button1Click();
    void FormHelp();

    // ApplyFeedback
    void ShowMessage(const std::string& text) override;
    void DisableApply() override;

    // DayListPageHost
    void DayListChanged() override;
    int DayListMessage(HWND owner, const std::string& text, UINT type) override;
    CivilDate CalendarDate() const override;
    std::optional<std::string> ChooseFileToOpen(const std::string& filter) override;
    std::optional<std::string> ChooseFileToSave(const std::string& filter, const std::string& defaultExtension,
                                                const std::string& proposedName) override;
    std::optional<std::vector<std::string>> OldLayoutLines() override;
    bool RunOpenDialog();

    int Message(const std::string& text, const std::string& caption, UINT type);

    PagesHost& host_;
    PagesDlgServices services_;
    // What the bound controls edit.
    PagesValues values_;
    bool loading_ = false;
    // Shared by every open command of this opening (sound files, list
    // files, the backup), so it proposes the file chosen last.
    TAgOpenDialog openDialog_;
    TAgSaveDialog saveDialog_;

    DayListPage tabYday_{DayListKind::Yotei, *this};
    DayListPage tabSday_{DayListKind::Special, *this};
    DayListPage tabKday_{DayListKind::Holiday, *this};
    AlarmPage alarm_;
    SyncPage sync_;
    ColorPage color_;
    StartupPage startup_;
    OtherPage other_;
    std::array<DialogPage*, kTabCount> pages_{&tabYday_, &tabSday_, &tabKday_, &alarm_,
                                              &sync_,    &color_,   &startup_, &other_};
};

}  // namespace zenka
