#include "settings/pages_enabling.h"

namespace zenka {

PagesEnabling EnablingOf(const PagesValues& values) {
    const AppSettings& s = values.settings;
    PagesEnabling e;
    e.alarmControls = values.ShownAlarm().onOff == "1";
    e.jihoControls = s.jiho.on;
    e.jihoHalfControls = s.jiho.on && s.jiho.half;
    e.oneday = s.sync.teiki;
    e.okiControls = s.sync.teiki && !s.sync.oneday;
    e.syncSoundControls = s.sync.soundOn;
    e.keikokuSoundBox = s.keikoku.onOff;
    e.keikokuSoundControls = s.keikoku.onOff && s.keikoku.soundOn;
    e.autoCloseControls = s.autoClose.onOff;
    e.transparencyControls = values.transparencyAllowed;
    return e;
}

}  // namespace zenka
