// A date in the user's short date format ("2026/01/05", "26/1/5", ...), as
// the time synchronisation's day stamp keeps it.
#pragma once

#include <string>

#include "calendar/julius.h"

namespace zenka {

class ShortDateFormat {
public:
    virtual ~ShortDateFormat() = default;
    virtual std::string FormatShortDate(const DateTime& date) const = 0;
};

}  // namespace zenka
