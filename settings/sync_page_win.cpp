#include "settings/sync_page_win.h"

#include "common/utf16_win.h"
#include "settings/settings_ids.h"

namespace zenka {

SyncPage::SyncPage() : DialogPage(IDD_SYNC_PAGE) {}

void SyncPage::ShowSyncReport(const std::string& text) {
    SetDlgItemTextW(Handle(), IDC_SYNC_REPORT, Widen(text).c_str());
}

// The password shows as asterisks whatever the system's own mask is.
void SyncPage::OnInit() { SendDlgItemMessageW(Handle(), IDC_PROXY_PASSWORD, EM_SETPASSWORDCHAR, L'*', 0); }

}  // namespace zenka
