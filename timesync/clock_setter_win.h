// The real system clock, and the elevated helper that sets it for a
// process without the privilege. Only zenka.exe uses these; tests of the
// attempt stand in fakes.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "timesync/clock_setter.h"

namespace zenka {

// GetSystemTime and SetSystemTime, with the refusal told apart.
class SystemClockSetter : public ClockSetter {
public:
    SystemTime UtcNow() const override;
    ClockSetResult SetSystemTime(const SystemTime& utc) override;
};

// Starts a program in its clock-setting mode with the "runas" verb, which
// asks the user for the privilege, and waits for its exit code.
class RunasClockSetter : public ElevatedClockSetter {
public:
    // program: zenka.exe's path; the prompt belongs to owner (may be null).
    explicit RunasClockSetter(std::wstring program, HWND owner = nullptr)
        : program_(std::move(program)), owner_(owner) {}
    bool SetClockElevated(const SystemTime& utc) override;

private:
    std::wstring program_;
    HWND owner_;
};

// zenka.exe's clock-setting mode: reads the arguments (after the program's
// name), sets the clock and answers with one of the exit codes of
// clock_setting_command.h. Shows nothing.
int RunClockSettingMode(const std::vector<std::string>& arguments);

}  // namespace zenka
