// Which of the dialog's controls can be used, as a function of the boxes
// they depend on. The dialog applies it after loading and after every
// change of one of those boxes.
#pragma once

#include "settings/pages_binding.h"

namespace zenka {

struct PagesEnabling {
    // The alarm group's controls after "&ON": every day, hour, minute,
    // sound, message, and their labels and buttons.
    bool alarmControls = false;
    // The chime's on-the-hour sound and "30分毎にも鳴らす(&H)".
    bool jihoControls = false;
    // The chime's half-hour sound.
    bool jihoHalfControls = false;
    bool oneday = false;       // "1日1回"
    bool okiControls = false;  // the interval and "分おき"
    bool syncSoundControls = false;
    bool keikokuSoundBox = false;  // "表示時に音声を鳴らす(&S)"
    bool keikokuSoundControls = false;
    bool autoCloseControls = false;  // the seconds and "秒後"
    bool transparencyControls = false;

    bool operator==(const PagesEnabling&) const = default;
};

// The values as the controls hold them.
PagesEnabling EnablingOf(const PagesValues& values);

}  // namespace zenka
