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

}  // namespace zenka
