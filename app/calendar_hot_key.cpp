#include "app/calendar_hot_key.h"

namespace zenka {

std::optional<HotKeyRegistration> HotKeyFor(const Shortcut& shortcut, bool noRepeat) {
    if (shortcut.IsNone()) return std::nullopt;
    HotKeyRegistration registration;
    registration.key = shortcut.key;
    if (shortcut.shift) registration.modifiers |= kModShift;
    if (shortcut.alt) registration.modifiers |= kModAlt;
    if (shortcut.ctrl) registration.modifiers |= kModControl;
    if (noRepeat) registration.modifiers |= kModNoRepeat;
    return registration;
}

bool SystemHasNoRepeatHotKeys(uint32_t majorVersion, uint32_t minorVersion) {
    if (majorVersion == 0 && minorVersion == 0) return true;
    return majorVersion > 6 || (majorVersion == 6 && minorVersion >= 1);
}

}  // namespace zenka
