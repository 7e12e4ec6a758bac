// Scheduled days kept by older versions under "List2": lines of the form
// year,month,day,name without the year mode the current form has.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/key_store.h"

namespace zenka {

// An old line in the current form: the year mode "0" (that year only) put
// after its first five characters, the four-digit year and its comma, so
// 2001,5,5,x becomes 2001,0,5,5,x.
std::string CurrentFormOfOldLine(std::string_view oldLine);

// The old lines in the current form, in their order; nothing when the store
// holds none (no "List2", or an empty first line). The old lines stay
// where they are.
std::optional<std::vector<std::string>> ReadOldLayoutLines(KeyStore& keys);

}  // namespace zenka
