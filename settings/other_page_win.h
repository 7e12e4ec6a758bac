// The "その他" page: its values move through the dialog's binding; the
// page sets up the transparency slider's scale.
#pragma once

#include "controls/dialog_page_win.h"

namespace zenka {

class OtherPage : public DialogPage {
public:
    OtherPage();

private:
    void OnInit() override;
};

}  // namespace zenka
