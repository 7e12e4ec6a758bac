// The holiday list a user starts with, and returns to on reset.
#pragma once

#include <string>
#include <vector>

namespace zenka {

std::vector<std::string> DefaultHolidayLines();

}  // namespace zenka
