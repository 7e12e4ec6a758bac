// SHA-1 of a byte string. Used to derive stable identifiers from names, not
// for security.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace zenka {

using Sha1Digest = std::array<uint8_t, 20>;

Sha1Digest Sha1(std::string_view bytes);

}  // namespace zenka
