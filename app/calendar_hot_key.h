// The global key that shows and hides the calendar window.
#pragma once

#include <cstdint>
#include <optional>

#include "common/shortcut_text.h"

namespace zenka {

// The identifier the key is registered with on the main window.
inline constexpr int kCalendarHotKeyId = 100;

// The platform's modifier flags for a system-wide key.
inline constexpr uint32_t kModAlt = 0x0001;
inline constexpr uint32_t kModControl = 0x0002;
inline constexpr uint32_t kModShift = 0x0004;
// A key held down gives one press instead of one per keyboard repeat.
inline constexpr uint32_t kModNoRepeat = 0x4000;

struct HotKeyRegistration {
    uint32_t modifiers = 0;
    uint16_t key = 0;  // virtual-key code
    bool operator==(const HotKeyRegistration&) const = default;
};

// Nothing to register for no shortcut. noRepeat adds kModNoRepeat.
std::optional<HotKeyRegistration> HotKeyFor(const Shortcut& shortcut, bool noRepeat);

// Windows 7 (6.1) and later know kModNoRepeat; earlier versions refuse a key
// registered with it. A system that does not tell its version (0.0) is
// taken as a current one.
bool SystemHasNoRepeatHotKeys(uint32_t majorVersion, uint32_t minorVersion);

// The warning shown when another program holds the key.
inline constexpr const char* kHotKeyTakenCaption = "警告";
inline constexpr const char* kHotKeyTakenText =
    "カレンダーの起動・終了に設定したキーは他のアプリケーションで\r\n使用されています。キーの設定を変更し直して下さい。";

}  // namespace zenka
