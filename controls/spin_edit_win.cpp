#include "controls/spin_edit_win.h"

#include <string>

#include "common/utf16_win.h"

namespace zenka {
namespace {

constexpr UINT_PTR kSubclassId = 0x5350494E;  // "SPIN"
// The edit's range, kept where SpinRangeOf finds it.
constexpr wchar_t kRangeProperty[] = L"ZenkaSpinRange";

// The up-down itself never moves: it stays in the middle of a wide range,
// so an arrow press always reaches the field.
constexpr int kUpDownExtent = 1 << 20;

wchar_t DecimalSeparator() {
    wchar_t text[8] = L".";
    GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, text, 8);
    return text[0] ? text[0] : L'.';
}

std::string TextOf(HWND edit) {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(edit)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(edit, text.data(), static_cast<int>(text.size()))));
    return Narrow(text);
}

void SetText(HWND edit, const std::string& text) {
    if (TextOf(edit) != text) SetWindowTextW(edit, Widen(text).c_str());
}

LRESULT CALLBACK SpinEditProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
    const auto* range = reinterpret_cast<const SpinRange*>(data);
    switch (message) {
        case WM_CHAR:
            // Control characters (Backspace, Ctrl+V and the like) pass.
            if (wParam >= 0x20 && !SpinAcceptsChar(static_cast<char32_t>(wParam), DecimalSeparator())) return 0;
            break;
        case WM_KILLFOCUS: {
            const LRESULT result = DefSubclassProc(edit, message, wParam, lParam);
            SetText(edit, SpinTextOnExit(TextOf(edit), *range));
            return result;
        }
        case WM_NCDESTROY:
            RemovePropW(edit, kRangeProperty);
            RemoveWindowSubclass(edit, SpinEditProc, kSubclassId);
            break;
    }
    return DefSubclassProc(edit, message, wParam, lParam);
}

}  // namespace

void AttachSpinField(HWND edit, HWND upDown, const SpinRange& range) {
    SetPropW(edit, kRangeProperty, const_cast<SpinRange*>(&range));
    SetWindowSubclass(edit, SpinEditProc, kSubclassId, reinterpret_cast<DWORD_PTR>(&range));
    if (upDown) {
        SendMessageW(upDown, UDM_SETBUDDY, reinterpret_cast<WPARAM>(edit), 0);
        SendMessageW(upDown, UDM_SETRANGE32, static_cast<WPARAM>(-kUpDownExtent), kUpDownExtent);
        SendMessageW(upDown, UDM_SETPOS32, 0, 0);
    }
}

const SpinRange* SpinRangeOf(HWND edit) {
    return edit ? static_cast<const SpinRange*>(GetPropW(edit, kRangeProperty)) : nullptr;
}

int32_t SpinFieldValue(HWND edit) {
    const SpinRange* range = SpinRangeOf(edit);
    return SpinValue(TextOf(edit), range ? *range : SpinRange{});
}

void SetSpinFieldValue(HWND edit, int32_t value) {
    const SpinRange* range = SpinRangeOf(edit);
    SetText(edit, std::to_string(range ? range->Clamp(value) : value));
}

bool HandleSpinArrow(const NMHDR& header) {
    if (header.code != UDN_DELTAPOS) return false;
    HWND edit = reinterpret_cast<HWND>(SendMessageW(header.hwndFrom, UDM_GETBUDDY, 0, 0));
    const SpinRange* range = SpinRangeOf(edit);
    if (!range) return false;
    const auto& change = reinterpret_cast<const NMUPDOWN&>(header);
    if (change.iDelta == 0) return true;
    SetText(edit, std::to_string(SpinStep(TextOf(edit), *range, change.iDelta > 0 ? 1 : -1)));
    return true;
}

}  // namespace zenka
