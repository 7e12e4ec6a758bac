#include "timesync/clock_setter_win.h"

#include <objbase.h>
#include <shellapi.h>

#include <utility>

#include "common/utf16_win.h"
#include "timesync/clock_setting_command.h"

namespace zenka {
namespace {

// How long the helper may take once the user has allowed it to run.
constexpr DWORD kHelperPatienceMs = 15000;

int64_t CounterNow() {
    LARGE_INTEGER ticks;
    QueryPerformanceCounter(&ticks);
    return ticks.QuadPart;
}

}  // namespace

SystemTime SystemClockSetter::UtcNow() const {
    SYSTEMTIME st;
    GetSystemTime(&st);
    return {st.wYear,
            static_cast<uint8_t>(st.wMonth),
            static_cast<uint8_t>(st.wDay),
            static_cast<uint8_t>(st.wDayOfWeek),
            static_cast<uint8_t>(st.wHour),
            static_cast<uint8_t>(st.wMinute),
            static_cast<uint8_t>(st.wSecond),
            st.wMilliseconds};
}

ClockSetResult SystemClockSetter::SetSystemTime(const SystemTime& utc) {
    // SYSTEMTIME holds the years 1601 to 30827.
    if (!IsValidSystemTime(utc) || utc.year < 1601 || utc.year > 30827) return ClockSetResult::Refused;
    SYSTEMTIME st{};
    st.wYear = static_cast<WORD>(utc.year);
    st.wMonth = utc.month;
    st.wDayOfWeek = utc.dayOfWeek;
    st.wDay = utc.day;
    st.wHour = utc.hour;
    st.wMinute = utc.minute;
    st.wSecond = utc.second;
    st.wMilliseconds = utc.milliseconds;
    if (::SetSystemTime(&st)) return ClockSetResult::Set;
    const DWORD error = GetLastError();
    return error == ERROR_PRIVILEGE_NOT_HELD || error == ERROR_ACCESS_DENIED ? ClockSetResult::NotPermitted
                                                                            : ClockSetResult::Refused;
}

bool RunasClockSetter::SetClockElevated(const SystemTime& utc) {
    // The reading goes with the time, so the helper can add the time the
    // user takes to answer the prompt.
    const std::wstring parameters = Widen(ClockSettingArguments(utc, CounterNow()));
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_NOASYNC | SEE_MASK_FLAG_NO_UI;
    info.hwnd = owner_;
    info.lpVerb = L"runas";
    info.lpFile = program_.c_str();
    info.lpParameters = parameters.c_str();
    info.nShow = SW_HIDE;
    // The shell may hand the verb to extensions, which want COM.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    // A declined prompt fails here.
    const bool started = ShellExecuteExW(&info) && info.hProcess;
    if (SUCCEEDED(com)) CoUninitialize();
    if (!started) return false;
    DWORD code = 0;
    const bool ended = WaitForSingleObject(info.hProcess, kHelperPatienceMs) == WAIT_OBJECT_0;
    const bool succeeded = ended && GetExitCodeProcess(info.hProcess, &code) && code == kClockSetSucceeded;
    CloseHandle(info.hProcess);
    return succeeded;
}

int RunClockSettingMode(const std::vector<std::string>& arguments) {
    const std::optional<ClockSettingRequest> request = ParseClockSettingArguments(arguments);
    if (!request) return kClockSetBadArguments;
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    const std::optional<SystemTime> target = ClockSettingTarget(*request, CounterNow(), frequency.QuadPart);
    if (!target) return kClockSetTooLate;
    SystemClockSetter clock;
    return clock.SetSystemTime(*target) == ClockSetResult::Set ? kClockSetSucceeded : kClockSetRefused;
}

}  // namespace zenka
