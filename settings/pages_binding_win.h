// The settings dialog's controls and the values they hold, row by row: one
// table moves every value between the pages' controls and PagesState, one
// says which controls each enabling rule governs, and one pairs the sound
// file fields with their "開く" and "試聴" buttons.
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <variant>

#include "controls/spin_field.h"
#include "settings/pages_enabling.h"
#include "settings/pages_state.h"
#include "settings/pages_tabs.h"

namespace zenka {

enum class BoundKind {
    Check,   // check box: checked
    Text,    // edit: its text
    Spin,    // spin field: its number
    Radio,   // buttons with consecutive identifiers: the index of the checked one, -1 for none
    HotKey,  // hot key field: its key
    Slider,  // trackbar: its position
};

using BoundMember =
    std::variant<bool PagesState::*, int32_t PagesState::*, std::string PagesState::*, Shortcut PagesState::*>;

struct ControlBinding {
    PagesTab tab;
    int control;
    BoundKind kind;
    BoundMember member;
    const SpinRange* range = nullptr;  // Spin: its range
    int upDown = 0;                    // Spin: its arrows
    int count = 0;                     // Radio: how many buttons
    // Whether changing the control enables the apply button.
    bool marksChange = true;
};

std::span<const ControlBinding> PagesBindings();

// The row of a control on a page (for buttons, the row of their group).
const ControlBinding* FindBinding(PagesTab tab, int control);

// Whether a control's notification is the user changing its value: a
// click for boxes and buttons, a change of text for fields, the focus
// arriving for the hot key field.
bool IsChangeNotification(const ControlBinding& binding, UINT code);

// Each page's window, by tab; the day-list tabs are not bound here.
using PageHandles = std::array<HWND, kTabCount>;

void ShowInControls(const PagesState& state, const PageHandles& pages);
// Only the controls of one tab.
void ShowInControls(const PagesState& state, const PageHandles& pages, PagesTab tab);
void ReadFromControls(PagesState& state, const PageHandles& pages);

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
