#include "timesync/divide.h"

namespace zenka {

TDivide::TDivide(std::string_view text, char delimiter) {
    size_t start = 0;
    for (size_t at = text.find(delimiter); at != std::string_view::npos; at = text.find(delimiter, start)) {
        items_.emplace_back(text.substr(start, at - start));
        start = at + 1;
    }
    items_.emplace_back(text.substr(start));
}

}  // namespace zenka
