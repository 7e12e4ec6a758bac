// The texts the settings dialog and the about box show outside their
// templates.
#pragma once

namespace zenka {

inline constexpr const char* kPagesDlgCaption = "Zenka 2006 - [設定]";

// When a page of the dialog cannot be made from its template.
inline constexpr const char* kPageMissingText = "設定ダイアログのページを作れません。";

// After an apply that changed the calendar's show/hide key.
inline constexpr const char* kHotKeyNextStartText =
    "カレンダーの起動・終了キーの設定変更は\r\n次回起動時より有効になります。";

// After a mouse click that checked "起動時に『テンポラリフォルダ』を空にする".
inline constexpr const char* kTempFolderWarningCaption = "情報";
inline constexpr const char* kTempFolderWarningText =
    "テンポラリフォルダには重要なファイルが含まれる場合があります。\r\n十分に安全だと分かっている場合にのみご利用下さい。";

// The sound file chooser's filter: one entry, WAV and MID files.
inline constexpr const char* kSoundFileFilter = "音声 ファイル(*.WAV,*.MID)|*.WAV;*.MID";

// The colour tab's context menu.
inline constexpr const char* kColorResetItem = "初期状態に戻す(&R)";

// The about box's link hints.
inline constexpr const char* kMailLinkHint = "メールを出す";
inline constexpr const char* kWebLinkHint = "Brindlexのホームページへ";
// Where the maker has no web page yet, the link opens the program's folder:
// it says so, and its hint names the folder.
inline constexpr const char* kProgramFolderLinkText = "Zenkaのフォルダーを開く";

}  // namespace zenka
