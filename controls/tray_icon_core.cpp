#include "controls/tray_icon_core.h"

#include "common/cp932.h"

namespace zenka {

std::string TrayTipText(std::string_view utf8) { return Cp932Prefix(utf8, kTrayTipBytes); }

TrayShellCall TrayShellState::Show() {
    if (wanted_) return TrayShellCall::None;
    wanted_ = true;
    return added_ ? TrayShellCall::None : TrayShellCall::Add;
}

TrayShellCall TrayShellState::Hide() {
    wanted_ = false;
    return added_ ? TrayShellCall::Delete : TrayShellCall::None;
}

TrayShellCall TrayShellState::Change() const {
    if (!wanted_) return TrayShellCall::None;
    return added_ ? TrayShellCall::Modify : TrayShellCall::Add;
}

TrayShellCall TrayShellState::ShellRestarted() {
    added_ = false;
    return wanted_ ? TrayShellCall::Add : TrayShellCall::None;
}

void TrayShellState::Answered(TrayShellCall call, bool accepted) {
    switch (call) {
        case TrayShellCall::Add:
        case TrayShellCall::Modify: added_ = accepted; break;
        case TrayShellCall::Delete: added_ = false; break;
        case TrayShellCall::None: break;
    }
}

bool TrayIdentityChoice::Call(TrayShellCall call, const Send& send) {
    if (call == TrayShellCall::None) return false;
    const TrayIdentity identity = Current();
    if (send(call, identity)) return true;
    if (call != TrayShellCall::Add || identity != TrayIdentity::Guid) return false;
    if (!send(call, TrayIdentity::WindowAndNumber)) return false;
    byWindow_ = true;
    return true;
}

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
