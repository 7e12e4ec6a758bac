#include "common/clock_win.h"

#include <windows.h>

namespace zenka {

DateTime SystemClock::Now() const {
    SYSTEMTIME st;
    GetLocalTime(&st);
    DateTime now;
    now.year = st.wYear;
    now.month = static_cast<uint8_t>(st.wMonth);
    now.day = static_cast<uint8_t>(st.wDay);
    now.hour = static_cast<uint8_t>(st.wHour);
    now.minute = static_cast<uint8_t>(st.wMinute);
    now.second = static_cast<uint8_t>(st.wSecond);
    return now;
}

}  // namespace zenka
