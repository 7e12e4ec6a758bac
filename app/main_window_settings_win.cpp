// The main window's side of the settings dialog, the help and the about
// box: the settings command and what the dialog reaches through PagesHost.
#include <algorithm>

#include "app/html_help_win.h"
#include "app/main_window_win.h"
#include "common/error_report_win.h"
#include "daylists/backup_path_win.h"
#include "daylists/day_list_storage.h"
#include "daylists/old_layout_import.h"

namespace zenka {

void TfrmZenka::OpenSettingsDialog() {
    ReleasePagesDlg();
    // The command may come from a click on the calendar, which takes the
    // focus back once the command has run; the dialog comes forward after.
    PostMessageW(hwnd_, kBringPagesDlgForwardMessage, 0, 0);
    if (pagesDlg_) {
        pagesDlg_->PresetEntryControls();
        return;
    }
    PagesDlgServices services;
    services.messageBox = services_.messageBox;
    auto dialog = std::make_unique<TPagesDlg>(static_cast<PagesHost&>(*this), services);
    // Gone with its window, however it closes; the object goes once the
    // window has handed back control.
    dialog->OnDestroyed = [this] { PostMessageW(hwnd_, kReleasePagesDlgMessage, 0, 0); };
    // Owned like the main window, by the application's hidden window, so
    // that it stays in front of neither.
    if (!dialog->Create(GetWindow(hwnd_, GW_OWNER))) return;
    pagesDlg_ = std::move(dialog);
}

// Not left behind other windows: the user asked for it.
void TfrmZenka::BringPagesDlgForward() {
    if (pagesDlg_ && pagesDlg_->Handle()) pagesDlg_->BringToFront();
}

// A click on the calendar marks the day's lines in the dialog's active list.
void TfrmZenka::CalendarClicked() {
    ReleasePagesDlg();
    if (pagesDlg_) pagesDlg_->SelectLinesOfDate(SelectedDate());
}

void TfrmZenka::ReleasePagesDlg() {
    if (pagesDlg_ && !pagesDlg_->Handle()) pagesDlg_.reset();
}

bool TfrmZenka::PreTranslateMessage(MSG& msg) { return pagesDlg_ && pagesDlg_->PreTranslateMessage(msg); }

void TfrmZenka::popAboutClick() {
    if (aboutShown_) return;  // one box at a time; the open one is modal
    aboutShown_ = true;
    ShowAboutBox(hwnd_, services_.about);
    aboutShown_ = false;
}

void TfrmZenka::ShowHelp(uint32_t context) { Help().ShowHelpContext(context); }

HelpService& TfrmZenka::Help() {
    if (services_.help) return *services_.help;
    if (!ownHelp_) ownHelp_ = std::make_unique<HtmlHelpService>(hwnd_, helpPath_);
    return *ownHelp_;
}

// ---- PagesHost ----

DayLists TfrmZenka::CalendarDayLists() const { return DayListsOf(koyomi1.Rules()); }

void TfrmZenka::SetCalendarDayLists(const DayLists& lists) {
    koyomi1.SetHolidayList(lists.HolidayList);
    koyomi1.SetSpecialDayList(lists.SpecialDayList);
    koyomi1.SetYoteiDayList(lists.YoteiDayList);
}

Color TfrmZenka::DayFontColor(DayFontIndex font) const { return koyomi1.Fonts().Font(font).color; }

void TfrmZenka::SetDayFontColor(DayFontIndex font, Color color) {
    FontDescription description = koyomi1.Fonts().Font(font);
    description.color = color;
    koyomi1.Fonts().SetFont(font, description);
}

CivilDate TfrmZenka::SelectedDate() const { return {koyomi1.Year(), koyomi1.Month(), koyomi1.Day()}; }

bool TfrmZenka::AutoEquinox() const { return koyomi1.AutoEquinox(); }

void TfrmZenka::SetAutoEquinox(bool on) { koyomi1.SetAutoEquinox(on); }

void TfrmZenka::RedrawDateIconsQuietly() {
    if (!tray_) return;
    tray_->tick.ClearIconDateCache();
    tray_->tick.SuppressNextNotice();
}

// Changing the interval of a running auto-close timer starts its count
// again.
void TfrmZenka::SetAutoCloseInterval(int32_t milliseconds) {
    if (!tmrClose_.Running() || milliseconds <= 0) return;
    tmrClose_.Stop();
    tmrClose_.Start(static_cast<uint32_t>(milliseconds));
}

void TfrmZenka::SettingsApplied() { RefreshCaptionAndHint(); }

void TfrmZenka::SaveDayLists() { zenka::SaveDayLists(*OpenSettings(), CalendarDayLists()); }

void TfrmZenka::BackupDayLists() {
    HWND owner = pagesDlg_ && pagesDlg_->Handle() ? pagesDlg_->Handle() : hwnd_;
    // Beside the executable, or in the user's application data when its
    // folder cannot be written (Program Files).
    const BackupResult result =
        services_.backupPath.empty()
            ? zenka::BackupDayLists(CalendarDayLists(), ExecutableBackupPath(), AppDataBackupPath())
            : zenka::BackupDayLists(CalendarDayLists(), services_.backupPath);
    if (result.outcome != BackupResult::Written) ReportError(owner, result.message);
}

// The backup a restore starts from: the one written last of the two places.
std::string TfrmZenka::BackupPath() const {
    if (!services_.backupPath.empty()) return services_.backupPath;
    return NewestBackup({ExecutableBackupPath(), AppDataBackupPath()});
}

std::optional<std::vector<std::string>> TfrmZenka::OldLayoutLines() { return ReadOldLayoutLines(*OpenSettings()); }

SoundPlayer& TfrmZenka::Sound() { return tray_->sound; }

}  // namespace zenka
