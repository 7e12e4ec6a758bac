// The settings dialog's tabs in order: their captions and the help topic
// each opens.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace zenka {

enum PagesTab : int32_t {
    kTabYotei = 0,  // scheduled days
    kTabSpecial,    // special days
    kTabHoliday,    // holidays
    kTabAlarm,      // alarms and chime
    kTabSync,       // time synchronisation
    kTabColor,      // colours
    kTabStartup,    // start-up options
    kTabOther,      // everything else
    kTabCount
};

struct PagesTabInfo {
    const char* caption;
    uint32_t helpContext;
};

const std::array<PagesTabInfo, kTabCount>& PagesTabs();

// The dialog's own topic, for a help request with no tab to tell.
inline constexpr uint32_t kPagesDlgHelpContext = 6;

// The topic of the tab; the dialog's own for an index that is no tab.
uint32_t HelpContextOfTab(int32_t tab);

}  // namespace zenka
