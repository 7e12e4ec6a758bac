#include "app/calendar_window_position.h"

#include "app/settings_bulk.h"

namespace zenka {

WindowPosition ClampIntoWorkArea(WindowPosition p, WindowSize window, WindowSize workArea) {
    // In 64 bits: stored positions are whatever the registry held.
    auto clamp = [](int32_t edge, int32_t size, int32_t room) {
        int64_t value = edge;
        if (int64_t{room} - size < value) value = int64_t{room} - size;
        if (value < 0) value = 0;
        return static_cast<int32_t>(value);
    };
    return {clamp(p.left, window.width, workArea.width), clamp(p.top, window.height, workArea.height)};
}

WindowPosition RepositionForResolution(SettingsStore& store, std::string& tagInUse,
                                       const std::optional<WindowPosition>& current, std::string_view newTag,
                                       WindowSize window, WindowSize workArea) {
    if (current) SaveWindowPosition(store, tagInUse, *current);
    tagInUse = std::string(newTag);
    return ClampIntoWorkArea(LoadWindowPosition(store, tagInUse), window, workArea);
}

}  // namespace zenka
