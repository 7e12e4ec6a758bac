// The one sound player: alarms, the chime, the schedule notice, the time
// synchronisation's success sound and the settings dialog's listen buttons
// all play on it, so a new sound stops the one before.
#pragma once

#include <stdexcept>
#include <string>

namespace zenka {

// A sound file could not be opened (no name, no such file, a kind of file
// no device plays, the device busy). what() is the text shown to the user.
class ESoundError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    // Stops what is playing and starts the file without waiting for its end;
    // raises ESoundError when the file cannot be opened.
    virtual void PlaySoundFile(const std::string& fileName) = 0;
};

}  // namespace zenka
