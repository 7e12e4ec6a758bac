#include "app/calendar_hot_key.h"

namespace zenka {

std::optional<HotKeyRegistration> HotKeyFor(const Shortcut& shortcut) {
    if (shortcut.IsNone()) return std::nullopt;
    HotKeyRegistration registration;
    registration.key = shortcut.key;
    if (shortcut.shift) registration.modifiers |= kModShift;
    if (shortcut.alt) registration.modifiers |= kModAlt;
    if (shortcut.ctrl) registration.modifiers |= kModControl;
    return registration;
}

}  // namespace zenka
