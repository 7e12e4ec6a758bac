// The notice box: a message box titled "Zenka 2006 " (with a trailing
// blank, which tells it from other boxes of the application), owned by the
// main window. A new notice closes one that is still open, so that notices
// from nested ticks do not stack up.
#pragma once

#include <windows.h>

#include "common/notice_box.h"

namespace zenka {

class MessageNoticeBox : public NoticeBox {
public:
    explicit MessageNoticeBox(HWND owner) : owner_(owner) {}
    void ShowNotice(const std::string& text) override;

private:
    HWND owner_;
};

}  // namespace zenka
