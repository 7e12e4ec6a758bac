// The help file, opened at a topic by its context number: the tray menu's
// help item, the help key in the calendar window and in the settings
// dialog each ask for their own topic.
#pragma once

#include <cstdint>

namespace zenka {

// The help file beside the executable.
inline constexpr const char* kHelpFileName = "Zenka.chm";

// Topics outside the settings dialog.
inline constexpr uint32_t kHelpContextContents = 1;  // the tray menu's help item
inline constexpr uint32_t kHelpContextCalendar = 5;  // the calendar window

class HelpService {
public:
    virtual ~HelpService() = default;
    // Opens the help file at the topic. A help file or viewer that is not
    // there is the service's to report, not the caller's.
    virtual void ShowHelpContext(uint32_t context) = 0;
};

}  // namespace zenka
