// The texts the day-list tabs, the entry editor, the list files, the
// restore and the import show outside their templates.
#pragma once

namespace zenka {

// The hints of a tab's flat buttons.
inline constexpr const char* kAddHint = "リストに追加";
inline constexpr const char* kDeleteHint = "リストから削除";
inline constexpr const char* kLoadHint = "リストを読み込む";
inline constexpr const char* kSaveHint = "リストをファイルに保存";

// Adding an entry whose content has a comma.
inline constexpr const char* kCommaInContentText = "内容にカンマを含むことはできません。";

// The entry editor's OK with no content or a comma in it.
inline constexpr const char* kEditorContentText = "内容がないかカンマを含んでいます。";
inline constexpr const char* kEditorCaption = "内容の修正";

// OK with an entry typed but not added: Yes, No, Cancel.
inline constexpr const char* kPendingEntriesQuestion =
    "記入したスケジュールがリストに追加されていません。\r\n追加して終了しますか?";

// "復元(&E)": Yes, No; then the open dialog's filter.
inline constexpr const char* kRestoreQuestion =
    "バックアップファイルから復元すると、予定・特別・休日リストすべてが\r\nバックアップの内容に書き換えられます。続けますか?";
inline constexpr const char* kBackupFileFilter = "バックアップ ファイル(*.bak)|*.bak";

// The old-layout import with nothing to import.
inline constexpr const char* kNoOldLayoutText = "レジストリに旧形式の情報は見つかりませんでした。";

}  // namespace zenka
