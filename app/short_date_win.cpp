#include "app/short_date_win.h"

#include <windows.h>

#include "common/utf16_win.h"

namespace zenka {

std::string SystemShortDate::FormatShortDate(const DateTime& date) const {
    SYSTEMTIME st{};
    st.wYear = static_cast<WORD>(date.year);
    st.wMonth = date.month;
    st.wDay = date.day;
    wchar_t text[80] = {};
    const int length = GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &st, nullptr, text,
                                      static_cast<int>(std::size(text)));
    // A year the platform cannot format gives the empty text, which never
    // equals a stored day stamp.
    return length > 0 ? Narrow(text) : std::string();
}

}  // namespace zenka
