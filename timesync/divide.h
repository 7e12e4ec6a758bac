// TDivide: a text cut at every occurrence of a one-character delimiter.
// n delimiters give n + 1 pieces, empty ones included; nothing is trimmed
// and no quoting is recognised.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zenka {

class TDivide {
public:
    TDivide(std::string_view text, char delimiter);

    int32_t Count() const { return static_cast<int32_t>(items_.size()); }
    // The pieces in order.
    const std::vector<std::string>& Items() const { return items_; }

private:
    std::vector<std::string> items_;
};

}  // namespace zenka
