// A date as a person types it on a command line: YYYY-MM-DD, the year in
// astronomical numbering and possibly negative (-0043-03-15 is 15 March
// 44 BC).
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string_view>

namespace zenka {

// The text is no date, no existing one, or one outside the supported
// range; what() says which, quoting the text.
class EDateTextError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The day number of the date. Raises EDateTextError as above, and
// EJuliusError for a day of the 1582 gap.
int32_t ParseDateText(std::string_view text);

}  // namespace zenka
