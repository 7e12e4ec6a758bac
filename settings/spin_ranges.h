// The ranges of the settings dialog's number fields.
#pragma once

#include "controls/spin_field.h"

namespace zenka {

inline constexpr SpinRange kHourSpin{0, 23};
inline constexpr SpinRange kMinuteSpin{0, 59};
inline constexpr SpinRange kOkiSpin{1, 10000};      // minutes between synchronisations
inline constexpr SpinRange kAdjustmentSpin{0, 0};   // tenths of a second, either way
inline constexpr SpinRange kWaitSpin{0, 60};        // seconds before the tray icons appear
inline constexpr SpinRange kAutoCloseSpin{1, 999};  // seconds before the calendar closes

}  // namespace zenka
