// One of the settings dialog's three day-list tabs ("予定日", "特別日",
// "休日"): a working copy of its list, shown in a list box with a
// fixed-pitch font where several lines can be selected. The copy is filled
// when the dialog opens and goes back to the calendar when it applies.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "calendar/day_list.h"
#include "calendar/julius.h"
#include "controls/dialog_page_win.h"
#include "settings/day_list_page_ids.h"

namespace zenka {

class DayListPage : public DialogPage {
public:
    explicit DayListPage(DayListKind kind);
    ~DayListPage() override;

    DayListKind Kind() const { return kind_; }

    // The working copy: filling it shows its lines, none selected.
    void SetLines(std::vector<std::string> lines);
    const std::vector<std::string>& Lines() const { return lines_; }

    // The date the entry fields start from: the calendar's selected date
    // when the dialog opens, and again at each settings command while it is
    // open.
    void PresetEntryControls(const CivilDate& date) { presetDate_ = date; }
    const CivilDate& PresetDate() const { return presetDate_; }

    HWND ListBox() const { return Item(IDC_DAY_LIST); }

private:
    void OnInit() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;
    void SetListFont();
    void FillListBox();

    DayListKind kind_;
    std::vector<std::string> lines_;
    CivilDate presetDate_;
    HFONT listFont_ = nullptr;
};

}  // namespace zenka
