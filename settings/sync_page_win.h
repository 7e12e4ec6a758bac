// The "時刻合わせ" page: its values move through the dialog's binding; the
// page shows what the last synchronisation attempt found.
#pragma once

#include <string>

#include "controls/dialog_page_win.h"

namespace zenka {

class SyncPage : public DialogPage {
public:
    SyncPage();
    void ShowSyncReport(const std::string& text);

private:
    void OnInit() override;
};

}  // namespace zenka
