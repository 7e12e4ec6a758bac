#pragma once

#include <functional>
#include <string>

namespace zenka {

// Shows the user a message (a message box in the program, a list in tests).
using ShowMessage = std::function<void(const std::string& text)>;

}  // namespace zenka
