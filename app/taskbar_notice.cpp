#include "app/taskbar_notice.h"

#include "app/settings_table.h"

namespace zenka {
namespace {

// "1" once the notice has been shown.
constexpr std::string_view kNoticeShownSection = "Form";
constexpr std::string_view kNoticeShownName = "TaskbarNotice";

}  // namespace

const char* const kTaskbarNoticeText =
    "Zenka をご利用いただきありがとうございます。\r\n"
    "\r\n"
    "Windows 11 では、初めて起動したプログラムの通知領域のアイコンは、タスク バー右端の"
    "「^」（隠れているインジケーターを表示します）の中にしまわれます。"
    "今日の日付のアイコンをいつもタスク バーに表示しておくには、次のどちらかを行ってください。\r\n"
    "\r\n"
    "・「^」をクリックして開いた中から、Zenka の日付のアイコンをタスク バーへドラッグする\r\n"
    "・タスク バーの空いているところを右クリックして「タスク バーの設定」を開き、"
    "「その他のシステム トレイ アイコン」で Zenka をオンにする\r\n"
    "\r\n"
    "このお知らせは今回だけ表示されます。詳しくはヘルプの「はじめに」をご覧ください。";

bool TaskbarNoticeDue(KeyStore& keys, uint32_t realBuild) {
    if (realBuild < kFirstBuildHidingNewTrayIcons) return false;
    // Every save writes the title, so a store without it was never saved.
    return !keys.ReadText(kTitleSection, kTitleName) && !keys.ReadText(kNoticeShownSection, kNoticeShownName);
}

void RememberTaskbarNoticeShown(KeyStore& keys) {
    keys.WriteText(kNoticeShownSection, kNoticeShownName, "1");
}

}  // namespace zenka
