// Every setting of the application in memory, with the defaults a first
// start runs with. The main window owns one record, filled at start-up and
// written back when it closes; the settings dialog edits it in place.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "common/shortcut_text.h"
#include "common/color.h"

namespace zenka {

// Where clocks are set from unless the user names another server (the
// registry value Sync/Server): a large site's home page that answers at
// once, without a redirect, over https.
inline constexpr const char* kDefaultTimeServer = "https://www.google.co.jp/";
// The others a first start measures the clock against too (Sync/Server2
// and Sync/Server3), of the same kind, so that one wrong clock is outvoted.
inline constexpr const char* kDefaultTimeServer2 = "https://www.cloudflare.com/";
inline constexpr const char* kDefaultTimeServer3 = "https://www.apple.com/";
// Sync/Server and the four after it.
inline constexpr size_t kMaxTimeServers = 5;

// The calendar window's position, kept per display resolution.
struct WindowPosition {
    int32_t left = 0;
    int32_t top = 0;
    bool operator==(const WindowPosition&) const = default;
};

// One of the five alarms, its values held as the texts stored.
struct AlarmSlot {
    std::string onOff = "0";  // armed when exactly "1"
    std::string mai = "0";    // "1": every day; "0": once, then disarmed
    std::string h = "0";
    std::string m = "0";
    std::string sou;  // sound file
    std::string mes;  // message
    bool operator==(const AlarmSlot&) const = default;
};

struct AppSettings {
    struct Form {
        int32_t layer = 255;  // opacity of the calendar window, 0..255
        bool style = true;    // false: always on top
        bool rokuyo = true;   // rokuyo in the calendar hint and tray tooltips
        bool autoBackup = true;
        int32_t wait = 0;  // seconds before the tray icons appear, 0..60
        bool deleteRecent = false;  // empty the recent-documents folder at start
        bool tmpDelete = false;     // empty the temporary folder after start
        bool firstDayOfWeek = false;  // weeks start on Monday
        bool neighbor = false;
        bool line = false;
        bool japanese = true;  // era years first
        bool w = false;        // open the month schedule view with the calendar
        bool big = false;      // enlarged calendar window
        Shortcut hotKey1 = kDefaultCalendarHotKey;
        bool operator==(const Form&) const = default;
    } form;

    // The calendar window's position at the current resolution.
    WindowPosition pos;
    // pos is the window's own: kept in the store, or given by a show. Until
    // then nothing saves it, so that the first show finds no position and
    // opens beside the notification area.
    bool posKept = false;

    bool koyomiJulius = true;  // equinox days as holidays

    struct Icon {
        bool tsuki = false;  // month icon
        bool youbi = false;  // weekday icon
        // The two above are read only when the tray icons are placed, which
        // may be after a start-up wait; until then the stored values stand.
        bool loaded = false;
        bool operator==(const Icon&) const = default;
    } icon;

    struct Jiho {
        bool on = false;
        bool half = false;
        // Kept for older versions and nothing else: read and written back as
        // the text it is, so whatever an older version stored survives.
        std::string full = "1";
        std::string file;
        std::string file2;
        bool operator==(const Jiho&) const = default;
    } jiho;

    std::string imageHint;  // kept for older versions; nothing uses it

    struct Keikoku {
        bool onOff = false;
        bool soundOn = false;
        std::string fileName;
        bool operator==(const Keikoku&) const = default;
    } keikoku;

    struct AutoClose {
        bool onOff = false;
        int32_t interval = 10000;  // milliseconds
        bool operator==(const AutoClose&) const = default;
    } autoClose;

    std::array<AlarmSlot, 5> alarms;

    struct Sync {
        bool teiki = false;   // synchronise automatically
        bool oneday = false;  // once a day rather than every oki minutes
        int32_t oki = 60;
        std::string syncDay = "98/01/01";  // date of the last attempt
        bool soundOn = false;
        std::string tSoundName;
        bool dialOnly = false;
        std::string proxy;  // host:port
        std::string proxyUserId;
        std::string proxyPassword;
        int32_t adjustment = 0;  // tenths of a second
        std::string server = kDefaultTimeServer;
        bool start = false;
        // Sync/Server2 .. Sync/Server5; empty ones are not asked.
        std::array<std::string, kMaxTimeServers - 1> moreServers = {kDefaultTimeServer2, kDefaultTimeServer3, "", ""};
        bool operator==(const Sync&) const = default;
    } sync;

    struct Colors {
        Color weekday = clBlack;
        Color saturday = clBlue;
        Color sunday = clRed;
        Color holiday = clRed;
        Color specialday = clLime;
        Color yoteiday = clFuchsia;
        bool operator==(const Colors&) const = default;
    } color;

    // What start-up shows; the settings dialog sets exactly one.
    struct Kidou {
        bool tray = true;
        bool cal = false;
        bool w = false;
        bool operator==(const Kidou&) const = default;
    } kidou;

    bool operator==(const AppSettings&) const = default;
};

}  // namespace zenka
