// The system's open and save dialogs, with the column of shortcut folders
// (the places bar) on or off. One object serves any number of runs and
// proposes the file chosen last.
#pragma once

#include <windows.h>

#include <string>

namespace zenka {

class FileDialogBase {
public:
    // "description|patterns|description|patterns", e.g.
    // "音声 ファイル(*.WAV,*.MID)|*.WAV;*.MID".
    std::string filter;
    // Proposed when the dialog opens; the chosen full path after a run that
    // ended with OK.
    std::string fileName;
    std::string initialDir;
    std::string defaultExt;  // without the dot
    bool showPlacesBar = true;

protected:
    // True when the user chose a file.
    bool Run(HWND owner, bool save);
};

class TAgOpenDialog : public FileDialogBase {
public:
    // The file must exist.
    bool Execute(HWND owner) { return Run(owner, false); }
};

class TAgSaveDialog : public FileDialogBase {
public:
    // Asks before replacing a file that exists.
    bool Execute(HWND owner) { return Run(owner, true); }
};

}  // namespace zenka
