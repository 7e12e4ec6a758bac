#include "settings/pages_binding_win.h"

#include <commctrl.h>

#include "common/utf16_win.h"
#include "controls/hot_key_control_win.h"
#include "controls/spin_edit_win.h"
#include "settings/settings_ids.h"

namespace zenka {
namespace {

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

void Show(const ControlBinding& b, const PagesValues& values, HWND page) {
    HWND control = GetDlgItem(page, b.control);
    const ControlValue value = ShownValue(b, values);
    switch (b.kind) {
        case BoundKind::Check: SetChecked(control, std::get<bool>(value)); break;
        case BoundKind::Text: {
            const std::string& text = std::get<std::string>(value);
            if (TextOf(control) != text) SetWindowTextW(control, Widen(text).c_str());
            break;
        }
        case BoundKind::Spin: SetSpinFieldValue(control, std::get<int32_t>(value)); break;
        case BoundKind::Radio: {
            const int32_t checked = std::get<int32_t>(value);
            for (int i = 0; i < b.count; ++i) SetChecked(GetDlgItem(page, b.control + i), i == checked);
            break;
        }
        case BoundKind::HotKey: SetHotKeyFieldValue(control, std::get<Shortcut>(value)); break;
        case BoundKind::Slider: SendMessageW(control, TBM_SETPOS, TRUE, std::get<int32_t>(value)); break;
    }
}

ControlValue ValueInControl(const ControlBinding& b, HWND page) {
    HWND control = GetDlgItem(page, b.control);
    switch (b.kind) {
        case BoundKind::Check: return Checked(control);
        case BoundKind::Text: return TextOf(control);
        case BoundKind::Spin: return SpinFieldValue(control);
        case BoundKind::Radio:
            for (int i = 0; i < b.count; ++i) {
                if (Checked(GetDlgItem(page, b.control + i))) return int32_t{i};
            }
            return int32_t{-1};
        case BoundKind::HotKey: return HotKeyFieldValue(control);
        case BoundKind::Slider: return static_cast<int32_t>(SendMessageW(control, TBM_GETPOS, 0, 0));
    }
    return {};
}

HWND PageOf(const PageHandles& pages, PagesTab tab) { return pages[static_cast<size_t>(tab)]; }

}  // namespace

std::span<const SoundFileControls> SoundFileButtons() { return kSoundFiles; }

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

void ShowInControls(const PagesValues& values, const PageHandles& pages) {
    for (const ControlBinding& b : PagesBindings()) Show(b, values, PageOf(pages, b.tab));
}

void ShowInControls(const PagesValues& values, const PageHandles& pages, PagesTab tab) {
    for (const ControlBinding& b : PagesBindings()) {
        if (b.tab == tab) Show(b, values, PageOf(pages, b.tab));
    }
}

void ReadFromControls(PagesValues& values, const PageHandles& pages) {
    for (const ControlBinding& b : PagesBindings()) StoreValue(b, values, ValueInControl(b, PageOf(pages, b.tab)));
}

void ApplyEnabling(const PagesEnabling& enabling, const PageHandles& pages) {
    for (const ControlEnabling& e : kEnabling) {
        HWND control = GetDlgItem(PageOf(pages, e.tab), e.control);
        const bool enabled = enabling.*e.rule;
        if ((IsWindowEnabled(control) != FALSE) != enabled) EnableWindow(control, enabled);
    }
}

void AttachSpinFields(const PageHandles& pages) {
    for (const ControlBinding& b : PagesBindings()) {
        if (b.kind != BoundKind::Spin) continue;
        HWND page = PageOf(pages, b.tab);
        AttachSpinField(GetDlgItem(page, b.control), GetDlgItem(page, b.upDown), *b.range);
    }
}

}  // namespace zenka
