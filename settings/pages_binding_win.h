// The settings dialog's bound controls on their pages: the values of the
// binding table moved into the controls and back, the controls each
// enabling rule governs, and the sound file fields with their "開く" and
// "試聴" buttons.
#pragma once

#include <windows.h>

#include <array>
#include <span>

#include "settings/pages_binding.h"
#include "settings/pages_enabling.h"
#include "settings/pages_tabs.h"

namespace zenka {

// Whether a control's notification is the user changing its value: a
// click for boxes and buttons, a change of text for fields, the focus
// arriving for the hot key field.
bool IsChangeNotification(const ControlBinding& binding, UINT code);

// Each page's window, by tab; the day-list tabs are not bound here.
using PageHandles = std::array<HWND, kTabCount>;

void ShowInControls(const PagesValues& values, const PageHandles& pages);
// Only the controls of one tab.
void ShowInControls(const PagesValues& values, const PageHandles& pages, PagesTab tab);
void ReadFromControls(PagesValues& values, const PageHandles& pages);

// Enables and disables the controls of every enabling rule.
void ApplyEnabling(const PagesEnabling& enabling, const PageHandles& pages);

// The spin fields get their rules and arrows.
void AttachSpinFields(const PageHandles& pages);

struct SoundFileControls {
    PagesTab tab;
    int field;
    int open;  // "開く"
    int play;  // "試聴"
};

std::span<const SoundFileControls> SoundFileButtons();

}  // namespace zenka
