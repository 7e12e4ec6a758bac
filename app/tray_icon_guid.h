// The identifiers the shell knows the three date icons by. The shell keeps
// the user's "always show" choice per icon; an icon with an identifier of
// its own keeps that choice however its picture changes from day to day.
// The shell also ties an identifier to the executable's path and refuses it
// from anywhere else, so each copy of the program derives its own.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "app/tray_images.h"

namespace zenka {

// A UUID in the byte order of RFC 4122 (fields big-endian).
using Uuid = std::array<uint8_t, 16>;

// The name-based UUID (RFC 4122 version 5, SHA-1) of a name in a name space.
Uuid NameBasedUuid(const Uuid& nameSpace, std::string_view name);

// The icon's identifier for the executable at this path. Windows paths
// ignore letter case, so ASCII letters are folded: the same file started as
// C:\Tools\zenka.exe or c:\tools\ZENKA.EXE keeps its icons.
Uuid TrayIconGuid(std::string_view executablePath, TrayIconKind icon);

}  // namespace zenka
