// The parts of a notification-area icon that need no window: the tooltip
// cut, the identifiers of the instances and the click detection. The icon
// itself is TTrayIcon (tray_icon_win.h).
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zenka {

// Older shells keep 64 bytes for a tooltip; 62 bytes of code page 932 text
// fit on every version with room for the terminator.
constexpr size_t kTrayTipBytes = 62;

// The tooltip as shown: the first 62 code page 932 bytes of the text. A
// double-byte character that would be cut in half is left out whole.
std::string TrayTipText(std::string_view utf8);

enum TMouseButton : uint8_t { mbLeft, mbRight, mbMiddle };

// Keys and buttons held during a mouse event, as flags.
using TShiftState = uint8_t;
enum : TShiftState {
    ssShift = 0x01,
    ssAlt = 0x02,
    ssCtrl = 0x04,
    ssLeft = 0x08,
    ssRight = 0x10,
    ssMiddle = 0x20,
    ssDouble = 0x40,
};

// The instances of a process in creation order, each with its identifier:
// 1 for the first, then one more than the last one's. Identifiers therefore
// rise along the list and two live instances never share one.
template <class T>
class TrayInstanceList {
public:
    int Add(T* instance) {
        const int id = entries_.empty() ? 1 : entries_.back().first + 1;
        entries_.emplace_back(id, instance);
        return id;
    }
    void Remove(const T* instance) {
        std::erase_if(entries_, [instance](const auto& entry) { return entry.second == instance; });
    }
    T* Find(int id) const {
        for (const auto& [entryId, instance] : entries_) {
            if (entryId == id) return instance;
        }
        return nullptr;
    }
    bool Empty() const { return entries_.empty(); }
    const std::vector<std::pair<int, T*>>& Entries() const { return entries_; }

private:
    std::vector<std::pair<int, T*>> entries_;
};

// What an icon asks of the shell, and whether the shell has it. The shell
// may refuse an icon (a slow shell at log-on, say); such an icon stays
// wanted and is asked for again at its next change, as often as it takes.
enum class TrayShellCall : uint8_t { None, Add, Modify, Delete };

class TrayShellState {
public:
    // The icon is wanted in the notification area (its Visible property).
    bool Wanted() const { return wanted_; }
    // The shell has it.
    bool Added() const { return added_; }

    // Each step answers the call to make, whose answer goes to Answered.
    TrayShellCall Show();
    TrayShellCall Hide();
    // The image or the tooltip changed.
    TrayShellCall Change() const;
    // The shell started afresh and knows no icon.
    TrayShellCall ShellRestarted();

    // A refused modification means the shell has lost the icon.
    void Answered(TrayShellCall call, bool accepted);

private:
    bool wanted_ = false;
    bool added_ = false;
};

// How the shell tells an icon from the others: by a GUID of its own, or by
// its window and number.
enum class TrayIdentity : uint8_t { Guid, WindowAndNumber };

// Which identity an icon's calls to the shell use. An icon with a GUID is
// added by it; the shell ties a GUID to the executable's path and refuses
// it from another path (or for reasons of its own), so a refused add is
// made again by window and number, and an icon the shell took that way
// keeps that identity for every later call. When the shell refuses both
// (it is not there yet), the next add tries the GUID again.
class TrayIdentityChoice {
public:
    // Makes one call, the shell answering whether it took it.
    using Send = std::function<bool(TrayShellCall call, TrayIdentity identity)>;

    void SetHasGuid(bool hasGuid) { hasGuid_ = hasGuid; }
    TrayIdentity Current() const {
        return hasGuid_ && !byWindow_ ? TrayIdentity::Guid : TrayIdentity::WindowAndNumber;
    }
    // Makes the call (None makes none) and answers the shell's answer.
    bool Call(TrayShellCall call, const Send& send);

private:
    bool hasGuid_ = false;
    bool byWindow_ = false;
};

// Tells a single click from a double click of the left button. A release
// starts a delay of the double-click time (plus a little); the click is
// reported when the delay ends unless a double click came in between.
class ClickDetector {
public:
    // The left button was released. True when the delay is to be started.
    bool Release(bool hasClickHandler);
    // The shell reported a double click: the release that follows ends it.
    void DoubleClick() { pending_ = true; }
    // The delay has ended. True when the click is to be reported.
    bool DelayElapsed(bool hasClickHandler);
    bool Pending() const { return pending_; }

private:
    bool pending_ = false;
};

}  // namespace zenka
