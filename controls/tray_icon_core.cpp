#include "controls/tray_icon_core.h"

#include "common/cp932.h"

namespace zenka {

std::string TrayTipText(std::string_view utf8) { return Cp932Prefix(utf8, kTrayTipBytes); }

bool ClickDetector::Release(bool hasClickHandler) {
    if (!hasClickHandler) {
        // Nobody listens for clicks; nothing to wait for.
        pending_ = false;
        return false;
    }
    if (pending_) {
        // The second release of a double click.
        pending_ = false;
        return false;
    }
    pending_ = true;
    return true;
}

bool ClickDetector::DelayElapsed(bool hasClickHandler) {
    const bool click = hasClickHandler && pending_;
    pending_ = false;
    return click;
}

}  // namespace zenka
