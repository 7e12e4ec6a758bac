// A spin field on Win32: an edit with an up-down beside it that follows
// the rules of controls/spin_field.h. The edit refuses characters no
// number has, shows the number it stands for when the focus leaves it, and
// the arrows step that number within the range.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <cstdint>

#include "controls/spin_field.h"

namespace zenka {

// The range must outlive the edit.
void AttachSpinField(HWND edit, HWND upDown, const SpinRange& range);

// The edit's range, or none when it is no spin field.
const SpinRange* SpinRangeOf(HWND edit);

// The number the edit's text stands for.
int32_t SpinFieldValue(HWND edit);
void SetSpinFieldValue(HWND edit, int32_t value);

// Handles an arrow press (UDN_DELTAPOS) of a spin field's up-down: the
// field shows the next number. False for any other notification. The
// parent returns TRUE for a handled one, which keeps the up-down from
// changing anything itself.
bool HandleSpinArrow(const NMHDR& header);

}  // namespace zenka
