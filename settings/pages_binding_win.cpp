#include "settings/pages_binding_win.h"

#include <commctrl.h>

#include "common/utf16_win.h"
#include "controls/hot_key_control_win.h"
#include "controls/spin_edit_win.h"
#include "settings/settings_ids.h"
#include "settings/spin_ranges.h"

namespace zenka {
namespace {

using S = PagesState;
constexpr BoundKind kCheck = BoundKind::Check;
constexpr BoundKind kText = BoundKind::Text;

ControlBinding Spin(PagesTab tab, int control, int upDown, int32_t S::*member, const SpinRange& range) {
    return {tab, control, BoundKind::Spin, member, &range, upDown};
}

ControlBinding Radio(PagesTab tab, int first, int count, int32_t S::*member) {
    return {tab, first, BoundKind::Radio, member, nullptr, 0, count};
}

const ControlBinding kBindings[] = {
    {kTabAlarm, IDC_ALARM_ON, kCheck, &S::alarmOn},
    Spin(kTabAlarm, IDC_ALARM_HOUR, IDC_ALARM_HOUR_SPIN, &S::alarmHour, kHourSpin),
    Spin(kTabAlarm, IDC_ALARM_MINUTE, IDC_ALARM_MINUTE_SPIN, &S::alarmMinute, kMinuteSpin),
    {kTabAlarm, IDC_ALARM_EVERYDAY, kCheck, &S::alarmEveryDay},
    {kTabAlarm, IDC_ALARM_SOUND, kText, &S::alarmSound},
    {kTabAlarm, IDC_ALARM_MESSAGE, kText, &S::alarmMessage},
    {kTabAlarm, IDC_JIHO_ON, kCheck, &S::jihoOn},
    {kTabAlarm, IDC_JIHO_HALF, kCheck, &S::jihoHalf},
    {kTabAlarm, IDC_JIHO_FILE, kText, &S::jihoFile},
    {kTabAlarm, IDC_JIHO_FILE2, kText, &S::jihoFile2},

    {kTabSync, IDC_TEIKI, kCheck, &S::teiki},
    {kTabSync, IDC_ONEDAY, kCheck, &S::oneday},
    Spin(kTabSync, IDC_OKI, IDC_OKI_SPIN, &S::oki, kOkiSpin),
    {kTabSync, IDC_SYNC_SOUND_ON, kCheck, &S::syncSoundOn},
    {kTabSync, IDC_SYNC_SOUND, kText, &S::tSoundName},
    {kTabSync, IDC_DIAL_ONLY, kCheck, &S::dialOnly},
    Spin(kTabSync, IDC_ADJUSTMENT, IDC_ADJUSTMENT_SPIN, &S::adjustment, kAdjustmentSpin),
    {kTabSync, IDC_PROXY, kText, &S::proxy},
    {kTabSync, IDC_PROXY_USER, kText, &S::proxyUserId},
    {kTabSync, IDC_PROXY_PASSWORD, kText, &S::proxyPassword},

    Radio(kTabColor, IDC_COLOR_FIRST + 0, 5, &S::colorWeekday),
    Radio(kTabColor, IDC_COLOR_FIRST + 5, 5, &S::colorSaturday),
    Radio(kTabColor, IDC_COLOR_FIRST + 10, 5, &S::colorSunday),
    Radio(kTabColor, IDC_COLOR_FIRST + 15, 5, &S::colorHoliday),
    Radio(kTabColor, IDC_COLOR_FIRST + 20, 5, &S::colorSpecialday),
    Radio(kTabColor, IDC_COLOR_FIRST + 25, 5, &S::colorYoteiday),

    {kTabStartup, IDC_DELETE_RECENT, kCheck, &S::deleteRecent},
    {kTabStartup, IDC_TMP_DELETE, kCheck, &S::tmpDelete},
    {kTabStartup, IDC_SYNC_START, kCheck, &S::syncStart},
    Spin(kTabStartup, IDC_TRAY_WAIT, IDC_TRAY_WAIT_SPIN, &S::wait, kWaitSpin),
    {kTabStartup, IDC_HOTKEY, BoundKind::HotKey, &S::hotKey},
    Radio(kTabStartup, IDC_KIDOU_TRAY, 3, &S::kidou),

    {kTabOther, IDC_KEIKOKU_ON, kCheck, &S::keikokuOn},
    {kTabOther, IDC_KEIKOKU_SOUND_ON, kCheck, &S::keikokuSoundOn},
    {kTabOther, IDC_KEIKOKU_SOUND, kText, &S::keikokuFile},
    {kTabOther, IDC_ROKUYO, kCheck, &S::rokuyo},
    {kTabOther, IDC_AUTO_CLOSE, kCheck, &S::autoCloseOn},
    Spin(kTabOther, IDC_AUTO_CLOSE_SECONDS, IDC_AUTO_CLOSE_SPIN, &S::autoCloseSeconds, kAutoCloseSpin),
    // Taken over by the next apply, but changing it alone enables nothing.
    {kTabOther, IDC_AUTO_BACKUP, kCheck, &S::autoBackup, nullptr, 0, 0, false},
    {kTabOther, IDC_TRANSPARENCY, BoundKind::Slider, &S::transparency},
};

struct ControlEnabling {
    PagesTab tab;
    int control;
    bool PagesEnabling::*rule;
};

using E = PagesEnabling;
const ControlEnabling kEnabling[] = {
    {kTabAlarm, IDC_ALARM_EVERYDAY, &E::alarmControls},
    {kTabAlarm, IDC_ALARM_HOUR, &E::alarmControls},
    {kTabAlarm, IDC_ALARM_HOUR_SPIN, &E::alarmControls},
    {kTabAlarm, IDC_ALARM_HOUR_LABEL, &E::alarmControls},
    {kTabAlarm, IDC_ALARM_MINUTE, &E::alarmControls},
    {kTabAlarm, IDC_ALARM_MINUTE_SPIN, &E::alarmControls},
    {kTabAlarm, IDC_ALARM_MINUTE_LABEL, &E::alarmControls},
    {kTabAlarm, IDC_ALARM_SOUND_LABEL, &E::alarmControls},
    {kTabAlarm, IDC_ALARM_SOUND, &E::alarmControls},
    {kTabAlarm, IDC_ALARM_OPEN, &E::alarmControls},
    {kTabAlarm, IDC_ALARM_PLAY, &E::alarmControls},
    {kTabAlarm, IDC_ALARM_MESSAGE_LABEL, &E::alarmControls},
    {kTabAlarm, IDC_ALARM_MESSAGE, &E::alarmControls},
    {kTabAlarm, IDC_JIHO_HALF, &E::jihoControls},
    {kTabAlarm, IDC_JIHO_FILE_LABEL, &E::jihoControls},
    {kTabAlarm, IDC_JIHO_FILE, &E::jihoControls},
    {kTabAlarm, IDC_JIHO_OPEN, &E::jihoControls},
    {kTabAlarm, IDC_JIHO_PLAY, &E::jihoControls},
    {kTabAlarm, IDC_JIHO_FILE2_LABEL, &E::jihoHalfControls},
    {kTabAlarm, IDC_JIHO_FILE2, &E::jihoHalfControls},
    {kTabAlarm, IDC_JIHO_OPEN2, &E::jihoHalfControls},
    {kTabAlarm, IDC_JIHO_PLAY2, &E::jihoHalfControls},
    {kTabSync, IDC_ONEDAY, &E::oneday},
    {kTabSync, IDC_OKI, &E::okiControls},
    {kTabSync, IDC_OKI_SPIN, &E::okiControls},
    {kTabSync, IDC_OKI_LABEL, &E::okiControls},
    {kTabSync, IDC_SYNC_SOUND_LABEL, &E::syncSoundControls},
    {kTabSync, IDC_SYNC_SOUND, &E::syncSoundControls},
    {kTabSync, IDC_SYNC_OPEN, &E::syncSoundControls},
    {kTabSync, IDC_SYNC_PLAY, &E::syncSoundControls},
    {kTabOther, IDC_KEIKOKU_SOUND_ON, &E::keikokuSoundBox},
    {kTabOther, IDC_KEIKOKU_SOUND_LABEL, &E::keikokuSoundControls},
    {kTabOther, IDC_KEIKOKU_SOUND, &E::keikokuSoundControls},
    {kTabOther, IDC_KEIKOKU_OPEN, &E::keikokuSoundControls},
    {kTabOther, IDC_KEIKOKU_PLAY, &E::keikokuSoundControls},
    {kTabOther, IDC_AUTO_CLOSE_SECONDS, &E::autoCloseControls},
    {kTabOther, IDC_AUTO_CLOSE_SPIN, &E::autoCloseControls},
    {kTabOther, IDC_AUTO_CLOSE_LABEL, &E::autoCloseControls},
    {kTabOther, IDC_TRANSPARENCY_LABEL, &E::transparencyControls},
    {kTabOther, IDC_TRANSPARENCY, &E::transparencyControls},
};

const SoundFileControls kSoundFiles[] = {
    {kTabAlarm, IDC_ALARM_SOUND, IDC_ALARM_OPEN, IDC_ALARM_PLAY},
    {kTabAlarm, IDC_JIHO_FILE, IDC_JIHO_OPEN, IDC_JIHO_PLAY},
    {kTabAlarm, IDC_JIHO_FILE2, IDC_JIHO_OPEN2, IDC_JIHO_PLAY2},
    {kTabSync, IDC_SYNC_SOUND, IDC_SYNC_OPEN, IDC_SYNC_PLAY},
    {kTabOther, IDC_KEIKOKU_SOUND, IDC_KEIKOKU_OPEN, IDC_KEIKOKU_PLAY},
};

std::string TextOf(HWND control) {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
    return Narrow(text);
}

bool Checked(HWND button) { return SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED; }

void SetChecked(HWND button, bool checked) {
    if (Checked(button) != checked) SendMessageW(button, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void Show(const ControlBinding& b, const PagesState& state, HWND page) {
    HWND control = GetDlgItem(page, b.control);
    switch (b.kind) {
        case BoundKind::Check: SetChecked(control, state.*std::get<bool S::*>(b.member)); break;
        case BoundKind::Text: {
            const std::string& text = state.*std::get<std::string S::*>(b.member);
            if (TextOf(control) != text) SetWindowTextW(control, Widen(text).c_str());
            break;
        }
        case BoundKind::Spin: SetSpinFieldValue(control, state.*std::get<int32_t S::*>(b.member)); break;
        case BoundKind::Radio: {
            const int32_t checked = state.*std::get<int32_t S::*>(b.member);
            for (int i = 0; i < b.count; ++i) SetChecked(GetDlgItem(page, b.control + i), i == checked);
            break;
        }
        case BoundKind::HotKey: SetHotKeyFieldValue(control, state.*std::get<Shortcut S::*>(b.member)); break;
        case BoundKind::Slider:
            SendMessageW(control, TBM_SETPOS, TRUE, state.*std::get<int32_t S::*>(b.member));
            break;
    }
}

void Read(const ControlBinding& b, PagesState& state, HWND page) {
    HWND control = GetDlgItem(page, b.control);
    switch (b.kind) {
        case BoundKind::Check: state.*std::get<bool S::*>(b.member) = Checked(control); break;
        case BoundKind::Text: state.*std::get<std::string S::*>(b.member) = TextOf(control); break;
        case BoundKind::Spin: state.*std::get<int32_t S::*>(b.member) = SpinFieldValue(control); break;
        case BoundKind::Radio: {
            int32_t checked = -1;
            for (int i = 0; i < b.count && checked < 0; ++i) {
                if (Checked(GetDlgItem(page, b.control + i))) checked = i;
            }
            state.*std::get<int32_t S::*>(b.member) = checked;
            break;
        }
        case BoundKind::HotKey: state.*std::get<Shortcut S::*>(b.member) = HotKeyFieldValue(control); break;
        case BoundKind::Slider:
            state.*std::get<int32_t S::*>(b.member) = static_cast<int32_t>(SendMessageW(control, TBM_GETPOS, 0, 0));
            break;
    }
}

HWND PageOf(const PageHandles& pages, PagesTab tab) { return pages[static_cast<size_t>(tab)]; }

}  // namespace

std::span<const ControlBinding> PagesBindings() { return kBindings; }

std::span<const SoundFileControls> SoundFileButtons() { return kSoundFiles; }

const ControlBinding* FindBinding(PagesTab tab, int control) {
    for (const ControlBinding& b : kBindings) {
        if (b.tab != tab) continue;
        const int last = b.kind == BoundKind::Radio ? b.control + b.count - 1 : b.control;
        if (control >= b.control && control <= last) return &b;
    }
    return nullptr;
}

bool IsChangeNotification(const ControlBinding& binding, UINT code) {
    switch (binding.kind) {
        case BoundKind::Check:
        case BoundKind::Radio: return code == BN_CLICKED;
        case BoundKind::Text:
        case BoundKind::Spin: return code == EN_CHANGE;
        case BoundKind::HotKey: return code == EN_SETFOCUS;
        case BoundKind::Slider: return code != TB_ENDTRACK;
    }
    return false;
}

void ShowInControls(const PagesState& state, const PageHandles& pages) {
    for (const ControlBinding& b : kBindings) Show(b, state, PageOf(pages, b.tab));
}

void ShowInControls(const PagesState& state, const PageHandles& pages, PagesTab tab) {
    for (const ControlBinding& b : kBindings) {
        if (b.tab == tab) Show(b, state, PageOf(pages, b.tab));
    }
}

void ReadFromControls(PagesState& state, const PageHandles& pages) {
    for (const ControlBinding& b : kBindings) Read(b, state, PageOf(pages, b.tab));
}

void ApplyEnabling(const PagesEnabling& enabling, const PageHandles& pages) {
    for (const ControlEnabling& e : kEnabling) {
        HWND control = GetDlgItem(PageOf(pages, e.tab), e.control);
        const bool enabled = enabling.*e.rule;
        if ((IsWindowEnabled(control) != FALSE) != enabled) EnableWindow(control, enabled);
    }
}

void AttachSpinFields(const PageHandles& pages) {
    for (const ControlBinding& b : kBindings) {
        if (b.kind != BoundKind::Spin) continue;
        HWND page = PageOf(pages, b.tab);
        AttachSpinField(GetDlgItem(page, b.control), GetDlgItem(page, b.upDown), *b.range);
    }
}

}  // namespace zenka
