// A member of the settings record as the tables name it: the settings table
// that loads and saves the record, and the settings dialog's bindings of its
// controls. A field is a function from the record to the member; members of
// the alarm table take the slot, 0..4, the others ignore it.
#pragma once

#include <cstddef>

#include "common/app_settings.h"

namespace zenka {

template <typename T>
using SettingField = T& (*)(AppSettings& settings, size_t alarmSlot);

}  // namespace zenka

// ZENKA_SETTING(form.layer): the member form.layer of the record.
#define ZENKA_SETTING(member) [](::zenka::AppSettings& s, size_t) -> auto& { return s.member; }
// ZENKA_ALARM_SETTING(sou): the member sou of the alarm slot given.
#define ZENKA_ALARM_SETTING(member) \
    [](::zenka::AppSettings& s, size_t slot) -> auto& { return s.alarms.at(slot).member; }
