// Day list lines that cannot be read (a list file from elsewhere, say) are
// told to the user once per run, by whichever part meets them first: the
// tick at a new day or the calendar window's hint. From then on they quietly
// count as not matching, so no error box opens on every tick or every step
// through the calendar.
#pragma once

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "calendar/day_classifier.h"

namespace zenka {

// The general error report.
class ErrorBox {
public:
    virtual ~ErrorBox() = default;
    virtual void ShowError(const std::string& text) = 0;
};

class BadLineReport {
public:
    // errors must outlive the report.
    explicit BadLineReport(ErrorBox& errors) : errors_(errors) {}

    // Tells the lines not told before, all in one box, and answers whether
    // it showed one. They count as told before the box opens, so a tick that
    // runs while it is open does not tell them again.
    bool Tell(const std::vector<EDayRuleError>& lines);

private:
    ErrorBox& errors_;
    // By list and text: the same line moved elsewhere in its list is the
    // same line.
    std::set<std::pair<int, std::string>> told_;
};

}  // namespace zenka
