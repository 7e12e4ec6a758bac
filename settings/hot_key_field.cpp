#include "settings/hot_key_field.h"

namespace zenka {

Shortcut TypedHotKey(const Shortcut& typed, const Shortcut& previous) {
    if (typed.IsNone()) return {};
    if (!HasKeyName(typed.key)) return previous;
    Shortcut kept = typed;
    if (!kept.ctrl && !kept.alt) kept.ctrl = kept.shift = true;
    return kept;
}

}  // namespace zenka
