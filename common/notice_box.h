// The notice box: a message for the user that waits until it is closed.
#pragma once

#include <string>

namespace zenka {

class NoticeBox {
public:
    virtual ~NoticeBox() = default;
    // Returns when the user has closed the box. Timers keep firing while it
    // is open, so callers change their state before calling.
    virtual void ShowNotice(const std::string& text) = 0;
};

}  // namespace zenka
