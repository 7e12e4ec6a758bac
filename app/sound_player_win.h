// The sound player on MCI: WAV, MIDI and whatever else a device plays,
// chosen from the file. One device is open at a time.
#pragma once

#include <windows.h>
#include <mmsystem.h>

#include "common/sound_player.h"

namespace zenka {

class MciSoundPlayer : public SoundPlayer {
public:
    // notifyWindow receives MM_MCINOTIFY when a sound ends; it may be null.
    explicit MciSoundPlayer(HWND notifyWindow);
    ~MciSoundPlayer() override;
    MciSoundPlayer(const MciSoundPlayer&) = delete;
    MciSoundPlayer& operator=(const MciSoundPlayer&) = delete;

    void PlaySoundFile(const std::string& fileName) override;
    // Stops the sound and closes the device; the close query does this.
    void Close();
    // The open device, or 0.
    MCIDEVICEID Device() const { return device_; }

private:
    HWND notifyWindow_;
    MCIDEVICEID device_ = 0;
};

}  // namespace zenka
