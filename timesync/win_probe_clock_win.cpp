#include "timesync/win_probe_clock_win.h"

#include <algorithm>
#include <chrono>

namespace zenka {
namespace {

// Windows' 100 ns intervals since 1601 to the Unix epoch.
constexpr int64_t kEpochDifference = 116'444'736'000'000'000;
// A system wait may end up to a timer period (15.6 ms by default) late; the
// last stretch is spun out.
constexpr int64_t kSpinMicros = 20'000;

int64_t Counter() {
    LARGE_INTEGER count;
    QueryPerformanceCounter(&count);
    return count.QuadPart;
}

// The system clock to the finest it gives: the precise reading where the
// system has it (Windows 8 and later), else the one of the last timer tick.
LocalMoment SystemNow() {
    using PreciseFn = VOID(WINAPI*)(LPFILETIME);
    static const auto precise = reinterpret_cast<PreciseFn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "GetSystemTimePreciseAsFileTime")));
    FILETIME time;
    if (precise) {
        precise(&time);
    } else {
        GetSystemTimeAsFileTime(&time);
    }
    const int64_t ticks = (static_cast<int64_t>(time.dwHighDateTime) << 32 | time.dwLowDateTime) - kEpochDifference;
    return LocalMoment(Micros(ticks / 10));
}

}  // namespace

WinProbeClock::WinProbeClock(const MeasurementCancel& cancel) : cancel_(cancel) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    frequency_ = frequency.QuadPart > 0 ? frequency.QuadPart : 1;
    Anchor();
}

void WinProbeClock::Anchor() {
    originCount_ = Counter();
    origin_ = SystemNow();
}

LocalMoment WinProbeClock::Now() const {
    const int64_t elapsed = Counter() - originCount_;
    // Split so that the product cannot overflow over a long run.
    const int64_t micros = elapsed / frequency_ * 1'000'000 + elapsed % frequency_ * 1'000'000 / frequency_;
    return origin_ + Micros(micros);
}

bool WinProbeClock::WaitUntil(LocalMoment moment) {
    for (;;) {
        if (cancel_.Cancelled()) return false;
        const int64_t left = (moment - Now()).count();
        if (left <= 0) return true;
        if (left > kSpinMicros) {
            const auto wait = static_cast<DWORD>(std::min<int64_t>((left - kSpinMicros) / 1000, 0x7FFFFFFF));
            if (WaitForSingleObject(cancel_.Event(), wait) == WAIT_OBJECT_0) return false;
        } else {
            SwitchToThread();
        }
    }
}

}  // namespace zenka
