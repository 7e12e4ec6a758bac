// The place of every setting in the store: its section and its value name.
// Loading and saving name a setting by these constants only, so the two can
// never disagree about where a value lives. The spellings are those older
// versions wrote ("FlieName" included) and must not change.
#pragma once

#include <string>
#include <string_view>

namespace zenka {

struct SettingName {
    std::string_view section;
    std::string_view value;
};

namespace setting {

inline constexpr std::string_view kFormSection = "Form";
inline constexpr std::string_view kKoyomiSection = "Koyomi";
inline constexpr std::string_view kIconSection = "Icon";
inline constexpr std::string_view kJihoSection = "Jiho";
inline constexpr std::string_view kImageSection = "Image";
inline constexpr std::string_view kKeikokuSection = "Keikoku";
inline constexpr std::string_view kAutoCloseSection = "AutoClose";
inline constexpr std::string_view kAlarmSection = "Alarm";
inline constexpr std::string_view kSyncSection = "Sync";
inline constexpr std::string_view kColorSection = "Color";
inline constexpr std::string_view kKidouSection = "Kidou";
inline constexpr std::string_view kMemoSection = "Memo";

inline constexpr SettingName kFormLayer{kFormSection, "Layer"};
inline constexpr SettingName kFormName3{kFormSection, "Name3"};
inline constexpr SettingName kFormStyle{kFormSection, "Style"};
inline constexpr SettingName kFormRokuyo{kFormSection, "Rokuyo"};
inline constexpr SettingName kFormAutoBackup{kFormSection, "AutoBackup"};
inline constexpr SettingName kFormWait{kFormSection, "Wait"};
inline constexpr SettingName kFormDelete{kFormSection, "Delete"};
inline constexpr SettingName kFormTmpDelete{kFormSection, "TmpDelete"};
inline constexpr SettingName kFormFirstDayOfWeek{kFormSection, "FirstDayOfWeek"};
inline constexpr SettingName kFormNeighbor{kFormSection, "Neighbor"};
inline constexpr SettingName kFormLine{kFormSection, "Line"};
inline constexpr SettingName kFormJapanese{kFormSection, "Japanese"};
inline constexpr SettingName kFormW{kFormSection, "W"};
inline constexpr SettingName kFormBig{kFormSection, "Big"};
inline constexpr SettingName kFormHotKey1{kFormSection, "HotKey1"};
// "1" once the first start's notice about the hidden tray icons of
// Windows 11 has been shown; written at once, so it never shows again.
inline constexpr SettingName kFormTaskbarNotice{kFormSection, "TaskbarNotice"};

inline constexpr SettingName kKoyomiJulius{kKoyomiSection, "Julius"};

inline constexpr SettingName kIconTsuki{kIconSection, "Tsuki"};
inline constexpr SettingName kIconYoubi{kIconSection, "Youbi"};

inline constexpr SettingName kJihoOn{kJihoSection, "On"};
inline constexpr SettingName kJihoHalf{kJihoSection, "Half"};
inline constexpr SettingName kJihoFull{kJihoSection, "Full"};
inline constexpr SettingName kJihoFile{kJihoSection, "File"};
inline constexpr SettingName kJihoFile2{kJihoSection, "File2"};

inline constexpr SettingName kImageHint{kImageSection, "Hint"};

inline constexpr SettingName kKeikokuOnOff{kKeikokuSection, "OnOff"};
inline constexpr SettingName kKeikokuSoundOn{kKeikokuSection, "SoundOn"};
inline constexpr SettingName kKeikokuFileName{kKeikokuSection, "FlieName"};

inline constexpr SettingName kAutoCloseOnOff{kAutoCloseSection, "OnOff"};
inline constexpr SettingName kAutoCloseInterval{kAutoCloseSection, "Interval"};

// The alarm values carry the slot digit 0..4 after these names.
inline constexpr std::string_view kAlarmOnOff = "OnOff";
inline constexpr std::string_view kAlarmMai = "mai";
inline constexpr std::string_view kAlarmHour = "h";
inline constexpr std::string_view kAlarmMinute = "m";
inline constexpr std::string_view kAlarmSound = "sou";
inline constexpr std::string_view kAlarmMessage = "mes";

inline constexpr SettingName kSyncTeiki{kSyncSection, "Teiki"};
inline constexpr SettingName kSyncOneday{kSyncSection, "Oneday"};
inline constexpr SettingName kSyncOki{kSyncSection, "Oki"};
inline constexpr SettingName kSyncSyncDay{kSyncSection, "SyncDay"};
inline constexpr SettingName kSyncSoundOn{kSyncSection, "SoundOn"};
inline constexpr SettingName kSyncTSoundName{kSyncSection, "TSoundName"};
inline constexpr SettingName kSyncDialOnly{kSyncSection, "DialOnly"};
inline constexpr SettingName kSyncProxy{kSyncSection, "Proxy"};
inline constexpr SettingName kSyncProxyUserId{kSyncSection, "ProxyUserID"};
inline constexpr SettingName kSyncProxyPassword{kSyncSection, "ProxyPassword"};
inline constexpr SettingName kSyncAdjustment{kSyncSection, "Adjustment"};
inline constexpr SettingName kSyncServer{kSyncSection, "Server"};
inline constexpr SettingName kSyncStart{kSyncSection, "Start"};

inline constexpr SettingName kColorWeekday{kColorSection, "Weekday"};
inline constexpr SettingName kColorSaturday{kColorSection, "Saturday"};
inline constexpr SettingName kColorSunday{kColorSection, "Sunday"};
inline constexpr SettingName kColorHoliday{kColorSection, "Holiday"};
inline constexpr SettingName kColorSpecialday{kColorSection, "Specialday"};
inline constexpr SettingName kColorYoteiday{kColorSection, "Yoteiday"};

inline constexpr SettingName kKidouTray{kKidouSection, "Tray"};
inline constexpr SettingName kKidouCal{kKidouSection, "Cal"};
inline constexpr SettingName kKidouW{kKidouSection, "W"};

inline constexpr SettingName kMemoLeft{kMemoSection, "Left"};
inline constexpr SettingName kMemoTop{kMemoSection, "Top"};
inline constexpr SettingName kMemoWidth{kMemoSection, "Width"};
inline constexpr SettingName kMemoHeight{kMemoSection, "Height"};

// The calendar window's position at one resolution: section "Pos" and the
// resolution tag.
inline constexpr std::string_view kPosSectionPrefix = "Pos";
inline constexpr std::string_view kPosLeft = "Left";
inline constexpr std::string_view kPosTop = "Top";

inline std::string AlarmValue(std::string_view name, size_t slot) { return std::string(name) + std::to_string(slot); }

}  // namespace setting
}  // namespace zenka
