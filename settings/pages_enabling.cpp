#include "settings/pages_enabling.h"

namespace zenka {

PagesEnabling EnablingOf(const PagesState& s, bool transparencyAllowed) {
    PagesEnabling e;
    e.alarmControls = s.alarmOn;
    e.jihoControls = s.jihoOn;
    e.jihoHalfControls = s.jihoOn && s.jihoHalf;
    e.oneday = s.teiki;
    e.okiControls = s.teiki && !s.oneday;
    e.syncSoundControls = s.syncSoundOn;
    e.keikokuSoundBox = s.keikokuOn;
    e.keikokuSoundControls = s.keikokuOn && s.keikokuSoundOn;
    e.autoCloseControls = s.autoCloseOn;
    e.transparencyControls = transparencyAllowed;
    return e;
}

}  // namespace zenka
