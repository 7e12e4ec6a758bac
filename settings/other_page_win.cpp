#include "settings/other_page_win.h"

#include <commctrl.h>

#include "settings/settings_ids.h"

namespace zenka {
namespace {

constexpr int kMostTransparent = 255;
constexpr int kTickEvery = 26;

}  // namespace

OtherPage::OtherPage() : DialogPage(IDD_OTHER_PAGE) {}

void OtherPage::OnInit() {
    HWND slider = Item(IDC_TRANSPARENCY);
    SendMessageW(slider, TBM_SETRANGE, FALSE, MAKELPARAM(0, kMostTransparent));
    SendMessageW(slider, TBM_SETTICFREQ, kTickEvery, 0);
    SendMessageW(slider, TBM_SETPAGESIZE, 0, kTickEvery);
}

}  // namespace zenka
