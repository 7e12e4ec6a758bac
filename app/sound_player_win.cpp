#include "app/sound_player_win.h"

#include "common/utf16_win.h"

namespace zenka {

namespace {

std::string MciErrorText(MCIERROR error) {
    wchar_t text[256] = {};
    if (!mciGetErrorStringW(error, text, static_cast<UINT>(std::size(text)))) {
        return "MCI エラー " + std::to_string(error);
    }
    return Narrow(text);
}

}  // namespace

MciSoundPlayer::MciSoundPlayer(HWND notifyWindow) : notifyWindow_(notifyWindow) {}

MciSoundPlayer::~MciSoundPlayer() { Close(); }

void MciSoundPlayer::Close() {
    if (!device_) return;
    mciSendCommandW(device_, MCI_CLOSE, MCI_WAIT, 0);
    device_ = 0;
}

void MciSoundPlayer::PlaySoundFile(const std::string& fileName) {
    Close();
    // MCI would refuse an empty name too, each version with its own words.
    if (fileName.empty()) throw ESoundError("サウンドファイルが指定されていません。");

    const std::wstring element = Widen(fileName);
    MCI_OPEN_PARMSW open{};
    open.dwCallback = reinterpret_cast<DWORD_PTR>(notifyWindow_);
    open.lpstrElementName = element.c_str();
    // Without a device type MCI picks the device from the file's extension.
    const MCIERROR error = mciSendCommandW(0, MCI_OPEN, MCI_OPEN_ELEMENT | MCI_WAIT, reinterpret_cast<DWORD_PTR>(&open));
    if (error) throw ESoundError("サウンドファイル \"" + fileName + "\" を開けません。\r\n" + MciErrorText(error));
    device_ = open.wDeviceID;

    MCI_PLAY_PARMS play{};
    play.dwCallback = reinterpret_cast<DWORD_PTR>(notifyWindow_);
    // A device that opens but will not play stays silent; nobody waits for it.
    mciSendCommandW(device_, MCI_PLAY, notifyWindow_ ? MCI_NOTIFY : 0, reinterpret_cast<DWORD_PTR>(&play));
}

}  // namespace zenka
