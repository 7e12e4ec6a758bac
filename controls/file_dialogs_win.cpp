#include "controls/file_dialogs_win.h"

#include <commdlg.h>

#include <algorithm>
#include <vector>

#include "common/utf16_win.h"

namespace zenka {
namespace {

// The dialog's form of the filter: each part ends with a NUL, and one more
// NUL ends the list.
std::wstring DialogFilter(const std::string& filter) {
    std::wstring result = Widen(filter);
    for (wchar_t& c : result) {
        if (c == L'|') c = L'\0';
    }
    result.push_back(L'\0');
    result.push_back(L'\0');
    return result;
}

}  // namespace

bool FileDialogBase::Run(HWND owner, bool save) {
    // Room for a long path; the proposal is cut to fit.
    std::vector<wchar_t> buffer(32768, L'\0');
    const std::wstring proposed = Widen(fileName);
    proposed.copy(buffer.data(), std::min(proposed.size(), buffer.size() - 1));
    const std::wstring filterText = DialogFilter(filter);
    const std::wstring folder = Widen(initialDir);
    const std::wstring extension = Widen(defaultExt);

    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof(ofn);
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = filter.empty() ? nullptr : filterText.c_str();
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = buffer.data();
    ofn.nMaxFile = static_cast<DWORD>(buffer.size());
    ofn.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
    ofn.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
    ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR |
                (save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
    ofn.FlagsEx = showPlacesBar ? 0 : OFN_EX_NOPLACESBAR;
    const BOOL chosen = save ? GetSaveFileNameW(&ofn) : GetOpenFileNameW(&ofn);
    if (!chosen) return false;
    fileName = Narrow(buffer.data());
    return true;
}

}  // namespace zenka
