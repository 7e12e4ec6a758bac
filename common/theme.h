// The system's theme as Zenka follows it: whether the taskbar is light or
// dark (which set of tray icons reads on it), whether programs draw light
// or dark, whether a high-contrast theme is on, and the system colours such
// a theme sets. A ThemeSource reads it (the registry and the system's
// parameters on Windows, a fake in tests); ThemeWatch keeps the last state
// read and says what a change of it changes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "common/color.h"

namespace zenka {

// The system colours the drawing uses, as red, green and blue. The defaults
// are those of the standard light look.
struct SystemColors {
    Color window = clWhite;
    Color windowText = clBlack;
    Color highlight = RgbColor(0, 120, 215);
    Color highlightText = clWhite;
    Color buttonFace = RgbColor(240, 240, 240);
    Color buttonText = clBlack;
    Color buttonHighlight = clWhite;
    Color buttonShadow = RgbColor(160, 160, 160);
    Color grayText = RgbColor(109, 109, 109);

    friend bool operator==(const SystemColors&, const SystemColors&) = default;
};

struct ThemeState {
    // SystemUsesLightTheme; a system without the value has a light taskbar.
    bool taskbarLight = true;
    // AppsUseLightTheme; likewise light without it.
    bool appsLight = true;
    // A high-contrast theme is on; it rules over both values above.
    bool highContrast = false;
    SystemColors system;

    friend bool operator==(const ThemeState&, const ThemeState&) = default;
};

class ThemeSource {
public:
    virtual ~ThemeSource() = default;
    virtual ThemeState Read() const = 0;
};

enum class DrawingScheme : uint8_t { Light, Dark, HighContrast };

DrawingScheme SchemeOf(const ThemeState& state);

// Whether the taskbar is light. A high-contrast theme draws the taskbar in
// its own colours, so its window colour tells.
bool TaskbarIsLight(const ThemeState& state);

// The folders of the tray icon sets to take the pictures from, best first,
// each with its trailing backslash and followed by the colour's folder:
// "Icon\Dark\" and then "Icon\" on a dark taskbar, so that a user whose own
// pictures replaced the light set and who has no dark set keeps them there
// too; "Icon\" on a light one.
std::vector<std::string> TrayIconSets(const ThemeState& state);

// The title bar is drawn dark: only in the dark scheme.
bool WantsDarkTitleBar(const ThemeState& state);

// The window attribute that asks the system for a dark title bar on a build
// of Windows: 20 from build 18985 on, 19 from 17763 (1809), where it first
// came, and 0 (none to ask) before.
uint32_t DarkTitleBarAttribute(uint32_t buildNumber);

// What a change of the theme changes.
struct ThemeChange {
    bool trayIcons = false;  // the tray icons come from another set
    bool drawing = false;    // the windows' colours are others
    bool titleBar = false;   // the title bars turn dark or light

    bool Any() const { return trayIcons || drawing || titleBar; }
    friend bool operator==(const ThemeChange&, const ThemeChange&) = default;
};

ThemeChange ChangeBetween(const ThemeState& before, const ThemeState& after);

class ThemeWatch {
public:
    // Reads the state once; the source must outlive the watch.
    explicit ThemeWatch(const ThemeSource& source) : source_(source), state_(source.Read()) {}

    const ThemeState& State() const { return state_; }
    // Reads the state again, as a message about a change of settings or
    // colours asks, and says what that changed.
    ThemeChange Refresh();

private:
    const ThemeSource& source_;
    ThemeState state_;
};

}  // namespace zenka
