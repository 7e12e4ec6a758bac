// The images and tooltips of the three date icons in the notification area.
#pragma once

#include <cstdint>
#include <string>

namespace zenka {

enum class TrayIconKind : uint8_t { Month, Day, Weekday };

class TrayImages {
public:
    virtual ~TrayImages() = default;
    // Loads an icon file into one icon; false, with its image unchanged,
    // when the file cannot be loaded.
    virtual bool LoadTrayIcon(TrayIconKind icon, const std::string& path) = 0;
    virtual void SetTrayTip(TrayIconKind icon, const std::string& text) = 0;
};

}  // namespace zenka
