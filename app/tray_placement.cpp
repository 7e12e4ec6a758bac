#include "app/tray_placement.h"

namespace zenka {

bool UsesNewerPlacementOrder(uint32_t majorVersion, uint32_t minorVersion) {
    // Compared as a version, so that 6.0 and 10.0 count as newer too.
    return majorVersion > 5 || (majorVersion == 5 && minorVersion >= 1);
}

TrayPlacement::TrayPlacement(PlacedIcon& month, PlacedIcon& day, PlacedIcon& weekday, AppSettings::Icon& checks,
                             bool newerOrder)
    : month_(month), day_(day), weekday_(weekday), checks_(checks), newerOrder_(newerOrder) {}

void TrayPlacement::ShowAllInOrder() {
    if (newerOrder_) {
        Show(weekday_);
        Show(day_);
        Show(month_);
    } else {
        Show(month_);
        Show(day_);
        Show(weekday_);
    }
}

// The newer order adds weekday, day, month and the older one month, day,
// weekday: the day goes before the month and after the weekday in the
// newer order, the other way round in the older.
void TrayPlacement::ShowDayWith(PlacedIcon& other) {
    const bool dayFirst = (&other == &month_) == newerOrder_;
    if (dayFirst) {
        Show(day_);
        Show(other);
    } else {
        Show(other);
        Show(day_);
    }
}

void TrayPlacement::PlaceTrayIcons() {
    if (checks_.tsuki && checks_.youbi) {
        Hide(day_);
        Hide(weekday_);
        ShowAllInOrder();
    } else if (checks_.tsuki) {
        Hide(day_);
        ShowDayWith(month_);
    } else if (checks_.youbi) {
        ShowDayWith(weekday_);
    } else {
        Show(day_);
    }
}

void TrayPlacement::mnuTsukiClick() {
    if (checks_.tsuki) {
        checks_.tsuki = false;
        Hide(month_);
        return;
    }
    checks_.tsuki = true;
    Hide(day_);
    if (weekday_.Visible()) {
        Hide(weekday_);
        ShowAllInOrder();
    } else {
        ShowDayWith(month_);
    }
}

void TrayPlacement::mnuYoubiClick() {
    if (checks_.youbi) {
        checks_.youbi = false;
        Hide(weekday_);
        return;
    }
    checks_.youbi = true;
    Hide(day_);
    if (month_.Visible()) {
        Hide(month_);
        ShowAllInOrder();
    } else {
        ShowDayWith(weekday_);
    }
}

void TrayPlacement::I1Click() {
    PlacedIcon* const newer[] = {&weekday_, &day_, &month_};
    PlacedIcon* const older[] = {&month_, &day_, &weekday_};
    for (PlacedIcon* icon : newerOrder_ ? newer : older) {
        if (!icon->Visible()) continue;
        Hide(*icon);
        Show(*icon);
    }
}

}  // namespace zenka
