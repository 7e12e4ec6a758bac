#include "settings/pages_tabs.h"

namespace zenka {

const std::array<PagesTabInfo, kTabCount>& PagesTabs() {
    static const std::array<PagesTabInfo, kTabCount> tabs{{
        {"予定日", 6},
        {"特別日", 6},
        {"休日", 6},
        {"アラーム･時報", 7},
        {"時刻合わせ", 8},
        {"カラー", 4},
        {"起動オプション", 9},
        {"その他", 10},
    }};
    return tabs;
}

uint32_t HelpContextOfTab(int32_t tab) {
    if (tab < 0 || tab >= kTabCount) return kPagesDlgHelpContext;
    return PagesTabs()[static_cast<size_t>(tab)].helpContext;
}

}  // namespace zenka
