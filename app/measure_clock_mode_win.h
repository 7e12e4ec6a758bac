// zenka.exe's measuring mode on Windows: the console it was started from,
// the settings' servers and proxy, and the measurement on WinHTTP.
#pragma once

#include <string>
#include <vector>

namespace zenka {

// Runs the mode for the command line (the arguments after the program's
// name) and returns the exit code.
int RunMeasureClockMode(const std::vector<std::string>& arguments);

}  // namespace zenka
