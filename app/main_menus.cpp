#include "app/main_menus.h"

namespace zenka {
namespace {

// The clock synchronisation's item is enabled or greyed each time the tray
// menu opens.
constexpr MenuItemDef kTrayMenu[] = {
    {cmdK1, "K1", "カレンダー起動(&C)", 0, false},
    {cmdKO1, "KO1", "設定(&O)...", 0, true},
    {cmdMnuTsuki, "mnuTsuki", "月を表示(&M)", 0, false},
    {cmdMnuYoubi, "mnuYoubi", "曜日を表示(&W)", 0, true},
    {cmdMnuSync, "mnuSync", "時刻合わせ(&S)", 0, false},
    {cmdI1, "I1", "アイコンの再配置(&I)", 0, true},
    {cmdK3, "K3", "ヘルプ(&H)", 0, false},
    {cmdPopAbout, "popAbout", "バージョン情報(&A)...", 0, true},
    {cmdExit1, "Exit1", "閉じる(&X)", 0, false},
};

constexpr MenuItemDef kCalendarMenu[] = {
    {cmdK2, "K2", "設定(&O)...", 'O', true},
    {cmdPopMemo, "popMemo", "月間スケジュール表示(&G)...", 'G', false},
    {cmdPopW, "popW", "同時表示(&W)", 0, true},
    {cmdB1, "B1", "カレンダーを大きくする(&B)", 0, false},
    {cmdPopMonStart, "popMonStart", "月曜日から始める(&M)", 0, false},
    {cmdPopKinrin, "popKinrin", "近隣日を表示する(&N)", 0, false},
    {cmdPopLine, "popLine", "仕切線を表示する(&L)", 0, true},
    {cmdPopWareki, "popWareki", "和暦表示(&J)", 0, false},
    {cmdPopSekki, "popSekki", "節気・雑節を表示(&S)", 0, true},
    {cmdExit2, "Exit2", "カレンダーを閉じる(&X)", 0, false},
};

}  // namespace

std::span<const MenuItemDef> TrayMenuItems() { return kTrayMenu; }
std::span<const MenuItemDef> CalendarMenuItems() { return kCalendarMenu; }

std::optional<MenuCommand> MenuShortcutCommand(std::span<const MenuItemDef> items, uint16_t virtualKey) {
    for (const MenuItemDef& item : items) {
        if (item.shortcut != 0 && static_cast<uint16_t>(item.shortcut) == virtualKey) {
            return item.command;
        }
    }
    return std::nullopt;
}

}  // namespace zenka
