// A sound player that writes what it plays into an event log.
#pragma once

#include <set>
#include <string>
#include <vector>

#include "common/sound_player.h"

namespace zenka {

using EventLog = std::vector<std::string>;

// Plays every file except the empty name and those marked missing.
class FakeSoundPlayer : public SoundPlayer {
public:
    explicit FakeSoundPlayer(EventLog& log) : log_(log) {}
    void PlaySoundFile(const std::string& fileName) override {
        if (fileName.empty() || missing.count(fileName)) {
            log_.push_back("no sound:" + fileName);
            throw ESoundError("cannot open " + fileName);
        }
        log_.push_back("play:" + fileName);
    }
    std::set<std::string> missing;

private:
    EventLog& log_;
};

}  // namespace zenka
