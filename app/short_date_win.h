#pragma once

#include "app/short_date.h"

namespace zenka {

// The user's short date format (GetDateFormatW, DATE_SHORTDATE).
class SystemShortDate : public ShortDateFormat {
public:
    std::string FormatShortDate(const DateTime& date) const override;
};

}  // namespace zenka
