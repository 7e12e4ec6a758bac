// The day-list tabs' context menus: PopupMenu2 of the scheduled-day and
// special-day lists and PopupMenu1 of the holiday list, as they open.
#pragma once

#include <windows.h>

#include "calendar/day_list.h"
#include "daylists/day_list_box.h"

namespace zenka {

// The pictures of the open and save items, made once and kept while menus
// use them.
class DayListMenuPictures {
public:
    DayListMenuPictures();
    ~DayListMenuPictures();
    DayListMenuPictures(const DayListMenuPictures&) = delete;
    DayListMenuPictures& operator=(const DayListMenuPictures&) = delete;

    HBITMAP Open() const { return open_; }
    HBITMAP Save() const { return save_; }

private:
    HBITMAP open_;
    HBITMAP save_;
};

// The menu of the tab's list: items enabled as the selection allows, the
// import shown on "予定日" only, the equinox item checked as it stands. The
// caller destroys it.
HMENU CreateDayListMenu(DayListKind tab, const ListMenuEnabling& enabling, bool autoEquinox,
                        const DayListMenuPictures& pictures);

}  // namespace zenka
