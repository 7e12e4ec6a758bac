// One of the settings dialog's three day-list tabs ("予定日", "特別日",
// "休日"): a working copy of its list in a list box with a fixed-pitch
// font where several lines can be selected, the entry controls that
// compose a new line, and the commands that add, delete, move, edit, read
// and write lines. Each command reads the list box's lines and selection,
// runs on them (daylists/day_list_box.h) and shows the result.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "calendar/day_list.h"
#include "calendar/julius.h"
#include "controls/dialog_page_win.h"
#include "daylists/day_list_box.h"
#include "daylists/day_list_ids.h"
#include "daylists/day_list_menu_win.h"
#include "daylists/day_list_tabs.h"

namespace zenka {

// What a day-list page reaches beyond itself, through the dialog holding
// it.
class DayListPageHost {
public:
    virtual ~DayListPageHost() = default;
    // The list changed in a way the next apply must take: the dialog's
    // apply button is enabled.
    virtual void DayListChanged() = 0;
    // A message box owned by the window (null: the dialog); its result.
    virtual int DayListMessage(HWND owner, const std::string& text, UINT type) = 0;
    // The date selected in the calendar.
    virtual CivilDate CalendarDate() const = 0;
    // The dialog's open and save dialogs: the chosen file, or nothing when
    // the user cancelled.
    virtual std::optional<std::string> ChooseFileToOpen(const std::string& filter) = 0;
    virtual std::optional<std::string> ChooseFileToSave(const std::string& filter, const std::string& defaultExtension,
                                                        const std::string& proposedName) = 0;
    // The scheduled days an older version kept, in the current form;
    // nothing when there are none.
    virtual std::optional<std::vector<std::string>> OldLayoutLines() = 0;
};

class DayListPage : public DialogPage {
public:
    DayListPage(DayListKind kind, DayListPageHost& host);
    ~DayListPage() override;

    DayListKind Kind() const { return kind_; }

    // The working copy: filling it shows its lines, none selected.
    void SetLines(std::vector<std::string> lines);
    std::vector<std::string> Lines() const;
    // The lines with their selection, the focused line and the top row.
    ListBoxState ListState() const;
    // How many rows the list box shows.
    int VisibleRows() const;

    // The holiday list's "春分・秋分の日の自動判別(&J)" item.
    bool AutoEquinox() const { return autoEquinox_; }
    void SetAutoEquinox(bool on) { autoEquinox_ = on; }

    // The calendar's date into the entry controls; the list stays.
    void PresetEntryControls(const CivilDate& date);
    // Selects the lines naming the date (SelectLinesOfDate of the model).
    void SelectLinesOfDate(const CivilDate& date);
    // What the entry controls hold.
    EntryControls Entry() const;
    // Whether the content box holds an entry not yet added.
    bool HasPendingEntry() const;
    // The add button: composes the entry and adds it; a comma in the
    // content is told and nothing added.
    AddOutcome AddEntry();

    // The context menu as it would open now, items enabled and shown as
    // the selection says; the caller destroys it.
    HMENU CreateContextMenu() const;

    HWND ListBox() const { return Item(IDC_DAY_LIST); }

private:
    void OnInit() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;
    void Command(int id, UINT code);
    void ShowContextMenu(POINT screen);
    void SetListFont();
    void AddHints();

    // Runs a command on the list box's state and shows what it left.
    template <typename Change>
    void Run(TabCommand command, Change&& change);
    void ShowListState(const ListBoxState& state);

    void DeleteSelectedLines();
    void DeleteAllLines();
    void MoveUp();
    void MoveDown();
    void EditLine();
    void ResetHolidays();
    void ToggleAutoEquinox();
    void LoadList();
    void SaveList();
    void ImportOldLayout();

    // Dragging a line inside the list box.
    static LRESULT CALLBACK ListBoxProc(HWND list, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR page);
    LRESULT ListBoxMessage(HWND list, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK ContentProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR page);
    int DropTargetAt(POINT point) const;
    void DragOver(POINT point);
    void EraseDropMarker();

    DayListKind kind_;
    DayListPageHost& host_;
    bool autoEquinox_ = true;
    HFONT listFont_ = nullptr;
    HWND tooltip_ = nullptr;
    DayListMenuPictures menuPictures_;
    bool pressed_ = false;   // the left button went down on the list
    bool dragging_ = false;  // and the pointer has moved far enough since
    POINT pressPoint_{};
    DropMarker marker_;
};

}  // namespace zenka
