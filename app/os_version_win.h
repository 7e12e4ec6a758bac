// The operating system's version as it is reported to this program
// (compatibility settings included): the layered window and the order of
// the tray icons depend on it.
#pragma once

#include <windows.h>

namespace zenka {

struct OsVersion {
    DWORD major = 0;
    DWORD minor = 0;
};

// Zero for both when the system does not tell.
OsVersion ReportedOsVersion();

// The build number of the system that really runs, whatever the program's
// compatibility settings report (Windows 11 reports itself as 6.2 to a
// program that does not declare it): 22000 and above is Windows 11. Zero
// when the system does not tell.
DWORD RealBuildNumber();

}  // namespace zenka
