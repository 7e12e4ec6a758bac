#include "settings/alarm_page_win.h"

#include "settings/settings_ids.h"

namespace zenka {

AlarmPage::AlarmPage() : DialogPage(IDD_ALARM_PAGE) {}

void AlarmPage::ShowSlotButton(int slot) { CheckRadioButton(Handle(), IDC_SLOT1, IDC_SLOT1 + 4, IDC_SLOT1 + slot - 1); }

bool AlarmPage::OnMessage(UINT message, WPARAM wParam, LPARAM, INT_PTR& result) {
    if (message != WM_COMMAND || HIWORD(wParam) != BN_CLICKED) return false;
    const int id = LOWORD(wParam);
    if (id < IDC_SLOT1 || id > IDC_SLOT1 + 4) return false;
    if (OnSlotButton) OnSlotButton(id - IDC_SLOT1 + 1);
    result = TRUE;
    return true;
}

}  // namespace zenka
