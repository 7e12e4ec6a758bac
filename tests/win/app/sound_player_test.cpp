// The MCI sound player with files the test writes into its own folder.
#include "app/sound_player_win.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "common/utf16_win.h"

namespace zenka {
namespace {

// A folder of the test's own under the temporary folder, removed with the
// files the test put there.
class SoundFolder {
public:
    SoundFolder() {
        wchar_t temp[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, temp);
        path_ = std::wstring(temp) + L"zenka-sound-test-" + std::to_wstring(GetCurrentProcessId()) + L"\\";
        CreateDirectoryW(path_.c_str(), nullptr);
    }
    ~SoundFolder() {
        for (const std::wstring& file : files_) DeleteFileW(file.c_str());
        RemoveDirectoryW(path_.c_str());
    }
    std::string Write(const std::wstring& name, const std::vector<uint8_t>& bytes) {
        const std::wstring file = path_ + name;
        files_.push_back(file);
        HANDLE handle = CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        DWORD written = 0;
        WriteFile(handle, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
        CloseHandle(handle);
        return Narrow(file);
    }

private:
    std::wstring path_;
    std::vector<std::wstring> files_;
};

void PutLittleEndian(std::vector<uint8_t>& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}
void PutText(std::vector<uint8_t>& out, const char* text) {
    for (; *text; ++text) out.push_back(static_cast<uint8_t>(*text));
}

// A fifth of a second of a quiet 8-bit tone.
std::vector<uint8_t> WaveFile() {
    constexpr uint32_t kRate = 8000;
    constexpr uint32_t kSamples = kRate / 5;
    std::vector<uint8_t> out;
    PutText(out, "RIFF");
    PutLittleEndian(out, 36 + kSamples, 4);
    PutText(out, "WAVEfmt ");
    PutLittleEndian(out, 16, 4);
    PutLittleEndian(out, 1, 2);  // PCM
    PutLittleEndian(out, 1, 2);  // mono
    PutLittleEndian(out, kRate, 4);
    PutLittleEndian(out, kRate, 4);
    PutLittleEndian(out, 1, 2);
    PutLittleEndian(out, 8, 2);
    PutText(out, "data");
    PutLittleEndian(out, kSamples, 4);
    for (uint32_t i = 0; i < kSamples; ++i) out.push_back((i / 10) % 2 ? 136 : 120);
    return out;
}

// One note.
std::vector<uint8_t> MidiFile() {
    std::vector<uint8_t> out;
    PutText(out, "MThd");
    for (uint8_t b : {0, 0, 0, 6, 0, 0, 0, 1, 0, 96}) out.push_back(b);
    const std::vector<uint8_t> track = {0, 0x90, 60, 64, 96, 0x80, 60, 64, 0, 0xFF, 0x2F, 0};
    PutText(out, "MTrk");
    for (int shift : {24, 16, 8, 0}) out.push_back(static_cast<uint8_t>(track.size() >> shift));
    out.insert(out.end(), track.begin(), track.end());
    return out;
}

// How many MCI devices this process has open.
DWORD OpenDevices() {
    DWORD count = 0;
    MCI_SYSINFO_PARMSW info{};
    info.lpstrReturn = reinterpret_cast<LPWSTR>(&count);
    info.dwRetSize = sizeof(count);
    info.wDeviceType = MCI_ALL_DEVICE_ID;
    mciSendCommandW(MCI_ALL_DEVICE_ID, MCI_SYSINFO, MCI_SYSINFO_QUANTITY | MCI_SYSINFO_OPEN,
                    reinterpret_cast<DWORD_PTR>(&info));
    return count;
}

// The kind of device MCI chose for the file: MCI_DEVTYPE_WAVEFORM_AUDIO,
// MCI_DEVTYPE_SEQUENCER, ...
DWORD DeviceType(MCIDEVICEID device) {
    MCI_GETDEVCAPS_PARMS caps{};
    caps.dwItem = MCI_GETDEVCAPS_DEVICE_TYPE;
    if (mciSendCommandW(device, MCI_GETDEVCAPS, MCI_GETDEVCAPS_ITEM | MCI_WAIT, reinterpret_cast<DWORD_PTR>(&caps))) {
        return 0;
    }
    return caps.dwReturn;
}

TEST(SoundPlayer, PlaysOneFileAtATimeAndClosesTheOneBefore) {
    SoundFolder folder;
    const std::string wave = folder.Write(L"時報.wav", WaveFile());
    const std::string second = folder.Write(L"alarm.wav", WaveFile());
    {
        MciSoundPlayer player(nullptr);
        ASSERT_NO_THROW(player.PlaySoundFile(wave));
        const MCIDEVICEID first = player.Device();
        EXPECT_NE(first, 0u);
        EXPECT_EQ(DeviceType(first), static_cast<DWORD>(MCI_DEVTYPE_WAVEFORM_AUDIO)) << "chosen from the file";
        EXPECT_EQ(OpenDevices(), 1u);
        ASSERT_NO_THROW(player.PlaySoundFile(second));
        EXPECT_NE(player.Device(), 0u);
        EXPECT_EQ(OpenDevices(), 1u) << "the first device was closed before the second opened";
        player.Close();
        EXPECT_EQ(player.Device(), 0u);
        EXPECT_EQ(OpenDevices(), 0u);
        player.PlaySoundFile(wave);
    }
    EXPECT_EQ(OpenDevices(), 0u) << "the player closes its device when it goes";
}

TEST(SoundPlayer, AFileThatCannotBeOpenedRaisesAndLeavesThePlayerClosed) {
    SoundFolder folder;
    const std::string wave = folder.Write(L"ok.wav", WaveFile());
    const std::string garbage = folder.Write(L"broken.wav", {'n', 'o', 't', ' ', 'a', ' ', 'w', 'a', 'v', 'e'});
    MciSoundPlayer player(nullptr);
    for (const std::string& name : {std::string(), Narrow(L"C:\\no\\such\\音.wav"), garbage}) {
        player.PlaySoundFile(wave);
        try {
            player.PlaySoundFile(name);
            ADD_FAILURE() << "no error for \"" << name << "\"";
        } catch (const ESoundError& e) {
            EXPECT_FALSE(std::string(e.what()).empty());
            if (!name.empty()) {
                EXPECT_NE(std::string(e.what()).find(name), std::string::npos) << "the text names the file: " << e.what();
            }
        }
        EXPECT_EQ(player.Device(), 0u) << "\"" << name << "\"";
        EXPECT_EQ(OpenDevices(), 0u) << "the sound before was stopped and nothing is left open";
    }
}

TEST(SoundPlayer, MidiFilesGoToTheirOwnDevice) {
    SoundFolder folder;
    const std::string midi = folder.Write(L"chime.mid", MidiFile());
    MciSoundPlayer player(nullptr);
    // Without a MIDI synthesiser (as under a bare Wine) the sequencer cannot
    // open; then the player says so like for any other file.
    try {
        player.PlaySoundFile(midi);
        EXPECT_NE(player.Device(), 0u);
        EXPECT_EQ(DeviceType(player.Device()), static_cast<DWORD>(MCI_DEVTYPE_SEQUENCER));
    } catch (const ESoundError& e) {
        EXPECT_EQ(player.Device(), 0u);
        EXPECT_NE(std::string(e.what()).find("chime.mid"), std::string::npos);
    }
}

}  // namespace
}  // namespace zenka
