// What the clock measurement reads of a response's headers, from their raw
// text as the HTTP stack hands it over ("HTTP/1.1 200 OK\r\nDate: ...\r\n"):
// the Date values, and whether the headers are within the size they may
// have.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace zenka {

// Headers beyond this many bytes (the status line included) are not read:
// no server that tells the time needs more, and a flood of them must not
// hold the measurement.
inline constexpr size_t kMaxResponseHeaderBytes = 64 * 1024;

// The value of every "Date" header (the name in any case), in order, with
// the blanks around it removed; a line that starts with a blank continues
// the one before it. The first line, the status line, is no header. Lines
// end with CR LF or LF alone.
std::vector<std::string> DateHeaderValues(std::string_view rawHeaders);

}  // namespace zenka
